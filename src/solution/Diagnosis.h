#pragma once
// What went wrong in a wrong answer, when one of the typical mistakes explains
// it exactly: the mistake applied to the task gives precisely the typed text.
// Otherwise there is no diagnosis; a guess is never offered.

#include "core/TaskRecord.h"
#include "decadic/DekAnswer.h"
#include "decadic/DekTaskSheet.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarvel {

struct Diagnosis {
    // A stable key: "comma-left-2" (the comma 2 places too far left, so the
    // number is 100 times too small), "comma-right-1", "length-factor-on-area",
    // "length-factor-on-volume", "area-factor-on-volume", "reverse-direction",
    // "litre-dm3", "zero-place", "place-order", "place-shift".
    std::string Kind;
    std::string Sentence; // one short sentence for the pupil
};

// `typed` is the text of the answer field (trimmed here as the check trims it).
std::optional<Diagnosis> DiagnoseMeasureAnswer(const TTaskRecord& record, std::string_view typed);
std::optional<Diagnosis> DiagnoseDekAnswer(const TDekTaskRecord& record, DekTraining training,
                                           std::string_view typed);

} // namespace quarvel
