#pragma once
// Decimal texts as the worked solutions and the diagnoses need them: read
// exactly, moved by powers of ten and written in the one form the answer check
// compares (no leading zero except before the comma, no trailing decimal zero).

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

} // namespace quarvel
