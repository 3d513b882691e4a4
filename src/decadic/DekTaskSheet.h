#pragma once
// The five task lines of the number-system drills, a record of their own.

#include "core/BoundedText.h"
#include "drill/TaskSheet.h"
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
    bool Active = false;
    bool Solved = false;
    bool AnswerHasComma = false;
    std::int32_t AnswerLeft = 400;
};

using TDekTaskSheet = Sheet<TDekTaskRecord>;

// Values (also the exact decimal) zeroed, texts emptied, the four flags cleared; FromUnit, ToUnit
// and AnswerLeft stay (every generator that uses them writes them).
void ClearDekTaskRecords(TDekTaskSheet& sheet);

} // namespace quarvel
