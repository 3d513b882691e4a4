#pragma once
// What the decadic window decides about typed answers, without Qt: which keys
// an answer field takes (and which letters it changes to the expected case),
// and how a typed answer is normalised and compared with the expected one.

#include "decadic/DekTaskSheet.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarvel {

// The four trainings of the decadic window.
enum class DekTraining { DekNum, DekDek, DezNum, DezDez };

inline constexpr char32_t kKeyBackspace = U'\b';
inline constexpr char32_t kKeyEnter = U'\r';

// The key as the field should receive it, or nothing when it is swallowed.
// A DekNum field takes the place letters when it expects notation and turns
// "e z h t m" into "E Z H T M"; a DezNum field that expects notation turns
// "e" into "E" and "Z H T M" into "z h t m". Digits and Backspace pass
// everywhere, the blank where a numeral of DekNum or DezNum or any notation is
// expected, the comma only where a DezNum answer has one. Enter passes too: the
// window moves the focus on, which judges the answer.
std::optional<char32_t> DekKeyFilter(DekTraining training, bool answerIsNotation,
                                     bool answerHasComma, char32_t key);

// The expected answer as it is compared: trailing zeros after a comma trimmed,
// and the blank that heads a decimal notation below 1 removed.
std::string DekExpectedAnswer(std::string_view answerText);
// A trimmed typed text as it is compared with the expected one: a notation gets
// single blanks between its tokens and loses its zero places, among them the
// symbols in front without a count (the leading-zero trim makes "T 3H 5E" of
// "0T 3H 5E").
std::string DekComparedTyped(std::string_view trimmed, bool answerIsNotation);

} // namespace quarvel
