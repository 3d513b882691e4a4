#pragma once
// A task of the number-system drills, a record of its own.

#include "core/BoundedText.h"
#include "core/TaskRecord.h"
#include "generators/GlobalU.h"

#include <cstdint>

namespace quarvel {

struct TDekTaskRecord {
    std::int64_t IntValue = 0;
    float DecValue = 0.0F;
    // DecValue exactly; every text of a decimal task is written from this.
    ExactNumber DecExact;
    BoundedText<4> FromUnit;
    BoundedText<4> ToUnit;
    BoundedText<40> GivenText;
    BoundedText<40> AnswerText;
    bool AnswerIsNotation = false;
    bool AnswerHasComma = false;
    TaskDraws Draws;
};

using TDekTaskSheet = Sheet<TDekTaskRecord>;

} // namespace quarvel
