#pragma once
// Number patterns: every task starts from a random number of a prescribed
// shape. A pattern yields an exact value (an integer mantissa and a number of
// decimals); the single-precision float of the task records is derived from it
// and never used to produce digits.

#include "core/Random.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quarvel {

// X(name, decimals, exponent): decimals is the fixed number of decimal places of
// a decimal pattern, exponent the k of a scaled integer pattern "...Ek".
#define QUARVEL_PATTERNS(X)                                                                        \
    X(RandDigit, 0, 0)                                                                             \
    X(RandDigitE1, 0, 1)                                                                           \
    X(RandDigitE2, 0, 2)                                                                           \
    X(RandDigitE3, 0, 3)                                                                           \
    X(RandDigitE4, 0, 4)                                                                           \
    X(RandDigitE5, 0, 5)                                                                           \
    X(RandDigitE6, 0, 6)                                                                           \
    X(RandDigitE7, 0, 7)                                                                           \
    X(RandDigitE8, 0, 8)                                                                           \
    X(RandDigitE9, 0, 9)                                                                           \
    X(RandTwoDigit, 0, 0)                                                                          \
    X(RandTwoDigitE1, 0, 1)                                                                        \
    X(RandTwoDigitE2, 0, 2)                                                                        \
    X(RandTwoDigitE3, 0, 3)                                                                        \
    X(RandTwoDigitE4, 0, 4)                                                                        \
    X(RandTwoDigitE5, 0, 5)                                                                        \
    X(RandTwoDigitE6, 0, 6)                                                                        \
    X(RandTwoDigitE7, 0, 7)                                                                        \
    X(RandTwoDigitE8, 0, 8)                                                                        \
    X(RandThreeDigit, 0, 0)                                                                        \
    X(RandThreeDigitE1, 0, 1)                                                                      \
    X(RandThreeDigitE2, 0, 2)                                                                      \
    X(RandThreeDigitE3, 0, 3)                                                                      \
    X(RandThreeDigitE4, 0, 4)                                                                      \
    X(RandThreeDigitE5, 0, 5)                                                                      \
    X(RandThreeDigitE6, 0, 6)                                                                      \
    X(RandThreeDigitE7, 0, 7)                                                                      \
    X(RandFourDigit, 0, 0)                                                                         \
    X(RandFourDigitE1, 0, 1)                                                                       \
    X(RandFourDigitE2, 0, 2)                                                                       \
    X(RandFourDigitE3, 0, 3)                                                                       \
    X(RandFourDigitE4, 0, 4)                                                                       \
    X(RandFourDigitE5, 0, 5)                                                                       \
    X(RandFourDigitE6, 0, 6)                                                                       \
    X(RandFiveDigit, 0, 0)                                                                         \
    X(RandFiveDigitE1, 0, 1)                                                                       \
    X(RandFiveDigitE2, 0, 2)                                                                       \
    X(RandFiveDigitE3, 0, 3)                                                                       \
    X(RandFiveDigitE4, 0, 4)                                                                       \
    X(RandFiveDigitE5, 0, 5)                                                                       \
    X(RandSixDigit, 0, 0)                                                                          \
    X(RandSixDigitE1, 0, 1)                                                                        \
    X(RandSixDigitE2, 0, 2)                                                                        \
    X(RandSixDigitE3, 0, 3)                                                                        \
    X(RandSixDigitE4, 0, 4)                                                                        \
    X(RandSevenDigit, 0, 0)                                                                        \
    X(RandSevenDigitE1, 0, 1)                                                                      \
    X(RandSevenDigitE2, 0, 2)                                                                      \
    X(RandSevenDigitE3, 0, 3)                                                                      \
    X(RandEightDigit, 0, 0)                                                                        \
    X(RandEightDigitE1, 0, 1)                                                                      \
    X(RandEightDigitE2, 0, 2)                                                                      \
    X(RandNineDigit, 0, 0)                                                                         \
    X(RandNineDigitE1, 0, 1)                                                                       \
    X(RandFourDigitNoZero, 0, 0)                                                                   \
    X(RandFiveDigitNoZero, 0, 0)                                                                   \
    X(RandSixDigitNoZero, 0, 0)                                                                    \
    X(RandSevenDigitNoZero, 0, 0)                                                                  \
    X(RandEightDigitNoZero, 0, 0)                                                                  \
    X(RandNineDigitNoZero, 0, 0)                                                                   \
    X(RandTenDigitNoZero, 0, 0)                                                                    \
    X(RandDec0p1, 1, 0)                                                                            \
    X(RandDec0p2, 2, 0)                                                                            \
    X(RandDec0p3, 3, 0)                                                                            \
    X(RandDec0p4, 4, 0)                                                                            \
    X(RandDec0p5, 5, 0)                                                                            \
    X(RandDec0p6, 6, 0)                                                                            \
    X(RandDec0p7, 7, 0)                                                                            \
    X(RandDec1p1, 1, 0)                                                                            \
    X(RandDec1p2, 2, 0)                                                                            \
    X(RandDec1p3, 3, 0)                                                                            \
    X(RandDec1p4, 4, 0)                                                                            \
    X(RandDec1p5, 5, 0)                                                                            \
    X(RandDec2p1, 1, 0)                                                                            \
    X(RandDec2p2, 2, 0)                                                                            \
    X(RandDec2p3, 3, 0)                                                                            \
    X(RandDec2p4, 4, 0)                                                                            \
    X(RandDec2p5, 5, 0)                                                                            \
    X(RandDec3p1, 1, 0)                                                                            \
    X(RandDec3p2, 2, 0)                                                                            \
    X(RandDec3p3, 3, 0)                                                                            \
    X(RandTensTenths, 1, 0)                                                                        \
    X(RandTensHundredths, 2, 0)                                                                    \
    X(RandHundredth, 2, 0)                                                                         \
    X(RandThousandth, 3, 0)                                                                        \
    X(RandTenThousandth, 4, 0)                                                                     \
    X(RandHundredThousandth, 5, 0)                                                                 \
    X(RandDec1p3NoZero, 3, 0)                                                                      \
    X(RandDec1p4NoZero, 4, 0)                                                                      \
    X(RandDec1p5NoZero, 5, 0)                                                                      \
    X(RandDec1p6NoZero, 6, 0)                                                                      \
    X(RandDec1p7NoZero, 7, 0)                                                                      \
    X(RandDec1p8NoZero, 8, 0)

enum class Pattern {
#define QUARVEL_PATTERN_ENUM(name, decimals, exponent) name,
    QUARVEL_PATTERNS(QUARVEL_PATTERN_ENUM)
#undef QUARVEL_PATTERN_ENUM
};

// An exact decimal number: Mantissa / 10^Decimals.
struct ExactNumber {
    std::int64_t Mantissa = 0;
    int Decimals = 0;

    double AsDouble() const;
    // The value rounded to single precision, as the task records keep it.
    float AsFloat() const;
    friend bool operator==(const ExactNumber&, const ExactNumber&) = default;
};

struct PatternInfo {
    Pattern Id;
    std::string_view Name;
    int Decimals; // 0 for integer patterns
    int Exponent; // the E suffix; 0 for base, no-zero and decimal patterns
};

const PatternInfo& Info(Pattern pattern);
std::optional<Pattern> PatternByName(std::string_view name);

// One call of the pattern: draws its digits from rng in the documented order.
ExactNumber DrawPattern(Pattern pattern, RandomSource& rng);

} // namespace quarvel
