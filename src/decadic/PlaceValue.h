#pragma once
// Place-value notation: a number written as counts of its places, "3T 4H 5E"
// for 3405 or "3E 4z 5h" for 3,45. Formatting, parsing, the operations that
// make tasks harder (two-digit counts, zeroed digits) and the string
// operations the answer check uses.
//
// Every operation accepts any input: counts are clamped to what a number
// allows, parsers skip what they cannot read and saturate instead of
// overflowing. Decimal values are exact (ExactNumber); digits are never taken
// from a float.

#include "core/Random.h"
#include "generators/GlobalU.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quarvel {

// Place 1 ("E", ones) to place 10 ("Md", milliards); index 0 is place 1.
inline constexpr std::array<std::string_view, 10> DecadicPlaceSymbols = {
    "E", "Z", "H", "T", "ZT", "HT", "M", "ZM", "HM", "Md"};
// Decimal place 1 ("z", tenths) to 8 ("hm", hundred-millionths).
inline constexpr std::array<std::string_view, 8> DecimalPlaceSymbols = {"z",  "h", "t",  "zt",
                                                                        "ht", "m", "zm", "hm"};

// 1-based look-ups as the generators count places; "" outside the table.
std::string_view DecadicSymbol(int place);
std::string_view DecimalSymbol(int place);

// The largest number the notation can write: every one of the ten places.
constexpr std::int64_t kMaxPlaceValue = 9'999'999'999;
// The decimal places that have a symbol.
constexpr int kMaxDecimalPlaces = 8;
// At most this many counts are enlarged, which keeps every text within 40 characters.
constexpr int kMaxEnlargedCounts = 3;

// 3405 -> "3T 4H 5E", 70010 -> "7ZT 1Z", 0 -> "". Zero places are left out;
// places above "Md" are not written. A negative value is written by its magnitude.
std::string FormatPlaceValue(std::int64_t value);

// 1,03 with 2 decimals -> "1E 3h"; 0,34 -> " 3z 4h" (a value below 1 keeps the
// blank that heads every decimal piece). The value is rounded half up to
// `decimals` (clamped to 0..8); only the places "E", "Z", "H" of the integer part
// are written.
std::string FormatDecimalPlaceValue(const ExactNumber& value, int decimals);

// "9Md 73HM 4ZM" -> 16 340 000 000. Blanks are ignored; the symbols are looked
// for from "Md" down to "E" and everything before a symbol counts as its count
// (its digits, other characters skipped). The result saturates at INT64_MAX.
std::int64_t ParsePlaceValue(std::string_view text);

// "2E 15h 3t" -> "2,153", "5z" -> "0,5", "7E" -> "7". Counts of ten or more
// carry into the next higher place; the integer count keeps any size. A token
// without a symbol is skipped, counts saturate below 10^18.
std::string ParseDecimalPlaceValue(std::string_view text);

// Gives `count` randomly chosen places a second, leading count digit
// (30405, count 1 -> "3ZT 74H 5E") and replaces `value` by the value of that
// text. `count` is clamped to 0 .. min(3, written places). Draws: the ordinals
// first (Random(places)+1, again while taken), then one Random(9)+1 per
// chosen place from the highest place down.
std::string EnlargePlaceCounts(std::int64_t& value, int count, RandomSource& rng);
// The same on the decimal notation of `value`; read the new value with
// ParseDecimalPlaceValue.
std::string EnlargeDecimalPlaceCounts(const ExactNumber& value, int decimals, int count,
                                      RandomSource& rng);

// Sets `count` digits after the first to 0, drawing a position
// (Random(n-1)+2 of n digits) again when it already holds 0. `count` is clamped
// to the non-zero digits after the first. The sign of a negative value is kept.
std::int64_t ZeroRandomDigits(int count, std::int64_t value, RandomSource& rng);
// Draws `count` positions among the digits between the first and the last of
// `value` written with `decimals` decimals and sets them to 0; a position may
// come twice. The result has exactly `decimals` decimals. `count` is clamped to
// the number of such positions; a value that does not fit 18 digits is
// returned as it is.
ExactNumber ZeroRandomDecimalDigits(int count, int decimals, const ExactNumber& value,
                                    RandomSource& rng);

// Trims blanks at both ends, collapses runs of blanks; with spaceBeforeDigits a
// digit that follows anything but a blank gets a blank in front
// ("3T4H5E" -> "3T 4H 5E", "12T" -> "1 2T").
std::string NormalizeNotationAnswer(std::string_view text, bool spaceBeforeDigits);

// Keeps the blank-separated tokens that do not start with "0", joined by one
// blank: "3T 0H 4Z" -> "3T 4Z".
std::string DropZeroPlaces(std::string_view text);

// For a numeral with integer part 0: keeps `decimals` digits after the comma,
// drops the integer part and the comma, appends sixteen zeros and puts the
// comma after the first `shift` digits. "0,3", 1, 8 -> "30000000,000000000".
// Without a comma the whole text is the digits; `decimals` below 0 counts as
// 0 and `shift` is clamped to the available digits.
std::string ShiftDecimalDigits(std::string_view text, int decimals, int shift);

// The value as a numeral with exactly `decimals` decimals (clamped to 0..18),
// rounded half up: {3405, 2}, 2 -> "34,05"; {5, 0}, 2 -> "5,00".
std::string FixedNumeral(const ExactNumber& value, int decimals);

} // namespace quarvel
