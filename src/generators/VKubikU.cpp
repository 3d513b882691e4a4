#include "generators/VKubikU.h"

#include "generators/BandNotation.h"

#include <array>

namespace quarvel {
namespace {

using enum Pattern;

// Cubic units step by 1000. From level 3 on the given value of direction 1 is
// read back from its own text before multiplying, so a decimal pattern's
// single-precision error cannot reach the answer, and answers are trimmed.
// Each level block below holds its pattern tables (M for direction 1, D for
// direction 2) and then its pair table, whose rows refer to them.

using notation::Factor;

// clang-format off
// GenerateKubik1
namespace kubik1 {

constexpr PatternBand M1[] = {
    {  1,  10, RandDigit},
    { 11,  20, RandDigitE1},
    { 21,  30, RandTwoDigit},
    { 31,  40, RandDigitE2},
    { 41,  50, RandTwoDigitE1},
    { 51,  60, RandThreeDigit},
    { 61,  70, RandDigitE3},
    { 71,  80, RandTwoDigitE2},
    { 81,  90, RandThreeDigitE1},
    { 91, 100, RandFourDigit},
};
constexpr PatternBand D1[] = {
    {  1,  20, RandDigitE3},
    { 21,  40, RandDigitE4},
    { 41,  60, RandTwoDigitE3},
    { 61,  80, RandDigitE5},
    { 81, 100, RandTwoDigitE4},
};

constexpr PairBand Pairs[] = {
    {  1,  33, "m^3",  "dm^3", Factor(1'000), M1, D1},
    { 34,  66, "dm^3", "cm^3", Factor(1'000), M1, D1},
    { 67, 100, "cm^3", "mm^3", Factor(1'000), M1, D1},
};

} // namespace kubik1

// GenerateKubik2
namespace kubik2 {

constexpr PatternBand M1[] = {
    {  1,   5, RandDigit},
    {  6,  11, RandDigitE1},
    { 12,  17, RandTwoDigit},
    { 18,  23, RandDigitE2},
    { 24,  30, RandTwoDigitE1},
    { 31,  35, RandThreeDigit},
    { 36,  41, RandDigitE3},
    { 42,  47, RandTwoDigitE2},
    { 48,  52, RandThreeDigitE1},
    { 53,  58, RandFourDigit},
    { 59,  63, RandDec1p1},
    { 64,  69, RandDec1p2},
    { 70,  74, RandDec2p1},
    { 75,  80, RandDec2p2},
    { 81,  85, RandDec0p1},
    { 86,  91, RandHundredth},
    { 92,  95, RandTensTenths},
    { 96, 100, RandTensHundredths},
};
constexpr PatternBand D1[] = {
    {  1,   9, RandDigitE3},
    { 10,  18, RandTwoDigitE2},
    { 19,  27, RandThreeDigitE1},
    { 28,  36, RandFourDigit},
    { 37,  45, RandDigitE4},
    { 46,  54, RandTwoDigitE3},
    { 55,  63, RandThreeDigitE2},
    { 64,  72, RandDigitE5, 1}, // 1 answer decimal
    { 73,  81, RandTwoDigitE4},
    { 82,  90, RandThreeDigitE3},
    { 91, 100, RandDigitE5},
};

constexpr PairBand Pairs[] = {
    {  1,  33, "m^3",  "dm^3", Factor(1'000), M1, D1},
    { 34,  66, "dm^3", "cm^3", Factor(1'000), M1, D1},
    { 67, 100, "cm^3", "mm^3", Factor(1'000), M1, D1},
};

} // namespace kubik2

// GenerateKubik3
namespace kubik3 {

constexpr PatternBand M1[] = {
    {  1,   5, RandDigit},
    {  6,  10, RandDigitE1},
    { 11,  15, RandTwoDigit},
    { 16,  20, RandDigitE2},
    { 21,  25, RandTwoDigitE1},
    { 26,  30, RandThreeDigit},
    { 31,  35, RandTwoDigitE2},
    { 36,  40, RandThreeDigitE1},
    { 41,  45, RandFourDigit},
    { 46,  50, RandDec1p1},
    { 51,  55, RandDec1p2},
    { 56,  60, RandDec1p3},
    { 61,  65, RandDec2p1},
    { 66,  70, RandDec2p2},
    { 71,  75, RandDec2p3},
    { 76,  80, RandDec0p1},
    { 81,  85, RandHundredth},
    { 86,  90, RandThousandth},
    { 91,  95, RandTensTenths},
    { 96, 100, RandTensHundredths},
};
constexpr PatternBand D1[] = {
    {  1,   8, RandDigitE1},
    {  9,  16, RandTwoDigit},
    { 17,  25, RandDigitE2},
    { 26,  33, RandTwoDigitE1},
    { 34,  41, RandThreeDigit},
    { 42,  50, RandDigitE3},
    { 51,  58, RandTwoDigitE2},
    { 59,  66, RandThreeDigitE1},
    { 67,  75, RandFourDigit},
    { 76,  83, RandDigitE4},
    { 84,  91, RandTwoDigitE3},
    { 92, 100, RandDigitE5},
};
constexpr PatternBand M2[] = {
    {  1,   5, RandDigit},
    {  6,  10, RandDigitE1},
    { 11,  15, RandTwoDigit},
    { 16,  20, RandDigitE2},
    { 21,  25, RandTwoDigitE1},
    { 26,  30, RandThreeDigit},
    { 31,  35, RandDigitE3},
    { 36,  40, RandTwoDigitE2},
    { 41,  45, RandFourDigit},
    { 46,  50, RandDec1p1},
    { 51,  55, RandDec1p2},
    { 56,  60, RandDec1p3},
    { 61,  65, RandDec2p1},
    { 66,  70, RandDec2p2},
    { 71,  75, RandDec2p3},
    { 76,  80, RandDec0p1},
    { 81,  85, RandHundredth},
    { 86,  90, RandThousandth},
    { 91,  95, RandTensTenths},
    { 96, 100, RandTensHundredths},
};
constexpr PatternBand D2[] = {
    {  1,  14, RandDigitE3},
    { 15,  28, RandTwoDigitE2},
    { 29,  42, RandThreeDigitE1},
    { 43,  56, RandFourDigit},
    { 57,  70, RandDigitE4},
    { 71,  84, RandTwoDigitE3},
    { 85, 100, RandDigitE5},
};
constexpr PatternBand D3[] = {
    {  1,   5, RandDigitE1},
    {  6,  10, RandTwoDigit},
    { 11,  15, RandDigitE2},
    { 16,  20, RandTwoDigitE1},
    { 21,  25, RandThreeDigit},
    { 26,  30, RandDigitE3},
    { 31,  35, RandTwoDigitE2},
    { 36,  40, RandThreeDigitE1},
    { 41,  45, RandFourDigit},
    { 46,  50, RandDigitE4},
    { 51,  55, RandTwoDigitE3},
    { 56,  60, RandDigitE5},
    { 61,  65, RandDec1p1},
    { 66,  70, RandDec1p2},
    { 71,  75, RandDec1p3},
    { 76,  80, RandDec2p1},
    { 81,  85, RandDec0p1},
    { 86,  90, RandHundredth},
    { 91,  95, RandThousandth},
    { 96, 100, RandTensTenths},
};

constexpr PairBand Pairs[] = {
    {  1,  20, "m^3",  "dm^3", Factor(    1'000), M1, D1},
    { 21,  40, "m^3",  "cm^3", Factor(1'000'000), M2, D2},
    { 41,  60, "dm^3", "cm^3", Factor(    1'000), M2, D3},
    { 61,  80, "dm^3", "mm^3", Factor(1'000'000), M2, D2},
    { 81, 100, "cm^3", "mm^3", Factor(    1'000), M2, D1},
};

} // namespace kubik3

// GenerateKubik4
namespace kubik4 {

constexpr PatternBand M1[] = {
    {  1,  10, RandDec1p1},
    { 11,  20, RandDec1p2},
    { 21,  30, RandDec2p1},
    { 31,  40, RandDec2p2},
    { 41,  50, RandDec3p1},
    { 51,  60, RandDec3p2},
    { 61,  70, RandDec0p1},
    { 71,  80, RandDec0p2},
    { 81,  90, RandHundredth},
    { 91, 100, RandThousandth},
};
constexpr PatternBand D1[] = {
    {  1,  10, RandDigit},
    { 11,  20, RandDigitE1},
    { 21,  30, RandTwoDigit},
    { 31,  40, RandDigitE2},
    { 41,  50, RandThreeDigit},
    { 51,  60, RandDec1p1},
    { 61,  70, RandDec1p2},
    { 71,  80, RandDec2p1},
    { 81,  90, RandDec2p2},
    { 91, 100, RandDec3p1},
};
constexpr PatternBand M2[] = {
    {  1,   5, RandDigit},
    {  6,  10, RandDigitE1},
    { 11,  15, RandTwoDigit},
    { 16,  20, RandDigitE2},
    { 21,  25, RandTwoDigitE1},
    { 26,  30, RandThreeDigit},
    { 31,  35, RandDec1p1},
    { 36,  40, RandDec1p2},
    { 41,  45, RandDec1p3},
    { 46,  50, RandDec2p1},
    { 51,  55, RandDec2p2},
    { 56,  60, RandDec3p3},
    { 61,  65, RandDec0p1},
    { 66,  70, RandDec0p2},
    { 71,  75, RandDec0p3},
    { 76,  80, RandDec0p4},
    { 81,  85, RandDec0p5},
    { 86,  90, RandHundredth},
    { 91,  95, RandThousandth},
    { 96, 100, RandTenThousandth},
};
constexpr PatternBand D2[] = {
    {  1,   4, RandDigitE1, 6}, // 6 answer decimals
    {  5,   8, RandTwoDigit, 7}, // 7 answer decimals
    {  9,  12, RandDigitE2},
    { 13,  16, RandTwoDigitE1},
    { 17,  20, RandThreeDigit},
    { 21,  24, RandDigitE3},
    { 25,  28, RandTwoDigitE2},
    { 29,  32, RandThreeDigitE1},
    { 33,  36, RandFourDigit},
    { 37,  40, RandDigitE4},
    { 41,  44, RandTwoDigitE3},
    { 45,  48, RandThreeDigitE2},
    { 49,  52, RandFourDigitE1},
    { 53,  56, RandFiveDigit},
    { 57,  60, RandDigitE5},
    { 61,  65, RandTwoDigitE4},
    { 66,  70, RandThreeDigitE3},
    { 71,  75, RandFourDigitE2},
    { 76,  80, RandDec1p1},
    { 81,  86, RandTensTenths},
    { 87,  94, RandDec2p1},
    { 95, 100, RandDec3p1},
};
constexpr PatternBand M3[] = {
    {  1,  33, RandDigit},
    { 34,  66, RandDigitE1},
    { 67, 100, RandTwoDigit},
};
constexpr PatternBand D3[] = {
    {  1,  16, RandDigitE5},
    { 17,  33, RandTwoDigitE4},
    { 34,  49, RandThreeDigitE3},
    { 50,  66, RandFourDigitE2},
    { 67,  83, RandSixDigit},
    { 84, 100, RandSevenDigit},
};

constexpr PairBand Pairs[] = {
    {  1,  16, "m^3",  "dm^3", Factor(        1'000), M1, D1},
    { 17,  33, "m^3",  "cm^3", Factor(    1'000'000), M2, D2},
    { 34,  50, "m^3",  "mm^3", Factor(1'000'000'000), M3, D3},
    { 51,  66, "dm^3", "cm^3", Factor(        1'000), M1, D1},
    { 67,  83, "dm^3", "mm^3", Factor(    1'000'000), M2, D2},
    { 84, 100, "cm^3", "mm^3", Factor(        1'000), M1, D1},
};

} // namespace kubik4

// GenerateKubik5
namespace kubik5 {

constexpr PatternBand M1[] = {
    {  1,   6, RandDec1p1},
    {  7,  12, RandDec1p2},
    { 13,  18, RandDec2p1},
    { 19,  25, RandDec2p2},
    { 26,  31, RandDec2p3},
    { 32,  37, RandDec2p4},
    { 38,  43, RandDec2p5},
    { 44,  50, RandTensHundredths},
    { 51,  56, RandDec2p2},
    { 57,  62, RandDec2p3},
    { 63,  68, RandDec3p1},
    { 69,  75, RandDec3p3},
    { 76,  81, RandDec0p4},
    { 82,  87, RandThousandth},
    { 88,  93, RandTenThousandth},
    { 94, 100, RandHundredThousandth},
};
constexpr PatternBand D1[] = {
    {  1,   5, RandDec1p1},
    {  6,  10, RandDec1p2},
    { 11,  15, RandDec2p1},
    { 16,  20, RandDec2p2},
    { 21,  30, RandDec3p1},
    { 31,  40, RandDec0p1},
    { 41,  50, RandHundredth},
    { 51,  60, RandThousandth},
    { 61,  70, RandTenThousandth},
    { 71,  80, RandDec1p3},
    { 81,  90, RandDec1p4},
    { 91, 100, RandDec1p5},
};
constexpr PatternBand M2[] = {
    {  1,   2, RandDigit},
    {  3,   4, RandDigitE1},
    {  5,   6, RandTwoDigit},
    {  7,   8, RandDigitE2},
    {  9,  10, RandTwoDigitE1},
    { 11,  12, RandThreeDigit},
    { 13,  14, RandDigitE3},
    { 15,  16, RandFourDigit},
    { 17,  18, RandDigitE4},
    { 19,  20, RandDec1p3},
    { 21,  25, RandDec2p1},
    { 26,  30, RandDec2p2},
    { 31,  40, RandDec3p3},
    { 41,  45, RandDec0p2},
    { 46,  50, RandDec0p3},
    { 51,  57, RandDec0p4},
    { 58,  70, RandDec0p5},
    { 71,  77, RandHundredth},
    { 78,  85, RandThousandth},
    { 86,  90, RandTenThousandth},
    { 91,  95, RandHundredThousandth},
    { 96, 100, RandDec1p5},
};
constexpr PatternBand D2[] = {
    {  1,   4, RandDigitE1, 6}, // 6 answer decimals
    {  5,   8, RandTwoDigit},
    {  9,  12, RandDigitE2},
    { 13,  16, RandTwoDigitE1},
    { 17,  20, RandThreeDigit},
    { 21,  24, RandDigitE3},
    { 25,  28, RandTwoDigitE2},
    { 29,  32, RandThreeDigitE1},
    { 33,  36, RandFourDigit},
    { 37,  40, RandDigitE4},
    { 41,  44, RandTwoDigitE3},
    { 45,  48, RandThreeDigitE2},
    { 49,  52, RandFourDigitE1},
    { 53,  56, RandFiveDigit},
    { 57,  60, RandDigitE5},
    { 61,  64, RandTwoDigitE4},
    { 65,  68, RandThreeDigitE3},
    { 69,  72, RandFourDigitE2},
    { 73,  76, RandDec1p1},
    { 77,  80, RandTensTenths},
    { 81,  84, RandDec2p1},
    { 85,  88, RandDec3p1},
    { 89,  92, RandDec1p2},
    { 93,  96, RandDec1p3},
    { 97, 100, RandDec1p4},
};
constexpr PatternBand M3[] = {
    {  1,   5, RandDigit},
    {  6,  11, RandDigitE1},
    { 12,  17, RandTwoDigit},
    { 18,  23, RandDigitE2},
    { 24,  30, RandTwoDigitE1},
    { 31,  35, RandThreeDigit},
    { 36,  41, RandDigitE3},
    { 42,  47, RandTwoDigitE2},
    { 48,  52, RandThreeDigitE1},
    { 53,  58, RandFourDigit},
    { 59,  63, RandDec1p1},
    { 64,  69, RandDec1p2},
    { 70,  74, RandDec2p1},
    { 75,  80, RandDec2p2},
    { 81,  85, RandDec0p1},
    { 86,  91, RandHundredth},
    { 92,  95, RandTensTenths},
    { 96, 100, RandTensHundredths},
};
constexpr PatternBand D3[] = {
    {  1,  10, RandDigitE4},
    { 11,  20, RandTwoDigitE3},
    { 21,  30, RandThreeDigitE2},
    { 31,  40, RandFiveDigit},
    { 41,  50, RandDigitE5},
    { 51,  60, RandTwoDigitE4},
    { 61,  70, RandThreeDigitE3},
    { 71,  80, RandFourDigitE2},
    { 81,  90, RandSixDigit},
    { 91, 100, RandSevenDigit},
};

constexpr PairBand Pairs[] = {
    {  1,  16, "m^3",  "dm^3", Factor(        1'000), M1, D1},
    { 17,  33, "m^3",  "cm^3", Factor(    1'000'000), M2, D2},
    { 34,  50, "m^3",  "mm^3", Factor(1'000'000'000), M3, D3},
    { 51,  66, "dm^3", "cm^3", Factor(        1'000), M1, D1},
    { 67,  83, "dm^3", "mm^3", Factor(    1'000'000), M2, D2},
    { 84, 100, "cm^3", "mm^3", Factor(        1'000), M1, D1},
};

} // namespace kubik5
// clang-format on

constexpr std::array kLevels{
    GeneratorTable{.Name = "GenerateKubik1",
                   .Pairs = kubik1::Pairs,
                   .AnswerWidth = 170,
                   .TrimAnswer = false,
                   .Rounding = GivenRounding::None},
    GeneratorTable{.Name = "GenerateKubik2",
                   .Pairs = kubik2::Pairs,
                   .AnswerWidth = 170,
                   .TrimAnswer = false,
                   .Rounding = GivenRounding::None},
    GeneratorTable{.Name = "GenerateKubik3",
                   .Pairs = kubik3::Pairs,
                   .AnswerWidth = 170,
                   .TrimAnswer = true,
                   .Rounding = GivenRounding::Direction1},
    GeneratorTable{.Name = "GenerateKubik4",
                   .Pairs = kubik4::Pairs,
                   .AnswerWidth = 170,
                   .TrimAnswer = true,
                   .Rounding = GivenRounding::Direction1},
    GeneratorTable{.Name = "GenerateKubik5",
                   .Pairs = kubik5::Pairs,
                   .AnswerWidth = 170,
                   .TrimAnswer = true,
                   .Rounding = GivenRounding::Direction1},
};

} // namespace

std::span<const GeneratorTable> KubikTables() {
    return kLevels;
}

} // namespace quarvel
