#pragma once
// Decimal texts as the worked solutions and the diagnoses need them: read
// exactly, moved by powers of ten and written in the one form the answer check
// compares (no leading zero except before the comma, no trailing decimal zero);
// and numbers as the sentences write them for reading.

#include "generators/GlobalU.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarvel {

// "3,5" -> {35, 1}, ",5" -> {5, 1}, "3" -> {3, 0}. Nothing for a text with other
// characters, two commas, no digit, or more digits than 64 bits hold.
std::optional<ExactNumber> ReadDecimal(std::string_view text);

// value x 10^places written with the decimal comma and without trailing decimal
// zeros: {35, 1}, 3 -> "3500"; {45, 0}, -3 -> "0,045".
std::string ShiftedDecimal(const ExactNumber& value, int places);

// 10^exponent as a text: 3 -> "1000", 0 -> "1", -2 -> "0,01".
std::string PowerOfTen(int exponent);

// A typed answer as the check compares it: cut to the field's 40 characters,
// trailing decimal zeros and leading zeros trimmed.
std::string TrimmedTyped(std::string_view typed);

// The blank between a number and its unit or the thing it counts ("3 km",
// "zwei Nullen"), so that a sentence never breaks between them.
inline constexpr std::string_view kNoBreak = "\u00a0";
// The narrow blank between groups of three digits ("1 000 000").
inline constexpr std::string_view kDigitGroup = "\u202f";

// A number as a sentence writes it for reading: an integer part of five
// digits or more, and likewise a decimal part, in groups of three from the
// comma ("70000000000" -> "70 000 000 000", "1000" stays). An answer the pupil
// types is written without groups, as the field holds it.
std::string Grouped(std::string_view number);

// A count of something as a sentence says it: small counts as words, joined to
// the noun by kNoBreak. Both nouns the sentences count, Null and Stelle, are
// feminine: 1 -> "eine Null", 3 -> "drei Stellen", 13 -> "13 Nullen".
std::string Counted(int n, std::string_view one, std::string_view many);

} // namespace quarvel
