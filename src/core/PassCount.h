#pragma once
// The pass count dialog's rules: what the field may hold and how the field
// is checked when it loses the focus.

#include <string>
#include <string_view>

namespace quarvel {

constexpr int kMinPasses = 3;
constexpr int kMaxPasses = 10;
inline constexpr std::string_view kPassCountOutOfRange =
    "Die eingegebene Zahl liegt nicht im Bereich!";

// Whether the field may hold this text (UTF-16), however it got there: only the
// digits "0" to "9", of any length; the check on leaving judges the value.
bool PassCountTextAdmitted(std::u16string_view text);

struct PassCountCheck {
    std::string Text;     // the field's text afterwards
    bool Message = false; // show kPassCountOutOfRange
    bool Refocus = false; // put the focus back into the field
};

// The check on leaving the field: empty becomes "3" silently; a number outside
// 3..10 (or anything that is not a plain number, or too long for 32 bits) gives
// the message and becomes "3".
PassCountCheck CheckPassCount(std::string_view text);

// The field's text as a whole number, for OK; the text has passed the check.
int PassCountValue(std::string_view text);

} // namespace quarvel
