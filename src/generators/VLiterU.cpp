#include "generators/VLiterU.h"

#include "generators/BandNotation.h"

#include <array>

namespace quarvel {
namespace {

using enum Pattern;

// Litre units step by 10 (hl to l by 100). From level 2 on answers are longer
// (wider field) and trimmed, and direction 1 with a factor of 1000 or more reads
// the given value back from its own text first.
// Each level block below holds its pattern tables (M for direction 1, D for
// direction 2) and then its pair table, whose rows refer to them.

using notation::Factor;

// clang-format off
// GenerateLiter1
namespace liter1 {

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
    {  1,  17, RandDigitE2},
    { 18,  34, RandDigitE3},
    { 35,  51, RandTwoDigitE2},
    { 52,  68, RandDigitE4},
    { 69,  86, RandTwoDigitE3},
    { 87, 100, RandThreeDigitE2},
};
constexpr PatternBand D2[] = {
    {  1,  20, RandDigitE1},
    { 21,  40, RandDigitE2},
    { 41,  60, RandTwoDigitE1},
    { 61,  80, RandDigitE3},
    { 81, 100, RandTwoDigitE2},
};
constexpr PatternBand D3[] = {
    {  1,  20, RandDigitE3},
    { 21,  40, RandDigitE4},
    { 41,  60, RandTwoDigitE3},
    { 61,  80, RandDigitE5},
    { 81, 100, RandTwoDigitE4},
};

constexpr PairBand Pairs[] = {
    {  1,  14, "hl", "l",  Factor(  100), M1, D1},
    { 15,  29, "l",  "dl", Factor(   10), M1, D2},
    { 30,  43, "l",  "cl", Factor(  100), M1, D1},
    { 44,  58, "l",  "ml", Factor(1'000), M1, D3},
    { 59,  72, "dl", "cl", Factor(   10), M1, D2},
    { 73,  87, "dl", "ml", Factor(  100), M1, D1},
    { 88, 100, "cl", "ml", Factor(   10), M1, D2},
};

} // namespace liter1

// GenerateLiter2
namespace liter2 {

constexpr PatternBand M1[] = {
    {  1,   6, RandDigit},
    {  7,  12, RandDigitE1},
    { 13,  18, RandTwoDigit},
    { 19,  25, RandDigitE2},
    { 26,  31, RandTwoDigitE1},
    { 32,  37, RandThreeDigit},
    { 38,  43, RandDigitE3},
    { 44,  50, RandTwoDigitE2},
    { 51,  56, RandThreeDigitE1},
    { 57,  62, RandFourDigit},
    { 63,  68, RandDec1p1},
    { 69,  75, RandDec0p1},
    { 76,  81, RandDec1p2},
    { 82,  87, RandDec0p2},
    { 88,  93, RandDec1p3},
    { 94, 100, RandDec0p3},
};
constexpr PatternBand D1[] = {
    {  1,  10, RandDigitE1, 2}, // 2 answer decimals
    { 11,  20, RandTwoDigit},
    { 21,  30, RandDigitE2, 1}, // 1 answer decimal
    { 31,  40, RandTwoDigitE1},
    { 41,  50, RandThreeDigit},
    { 51,  60, RandDigitE3},
    { 61,  70, RandTwoDigitE2},
    { 71,  80, RandDigitE4},
    { 81,  90, RandTwoDigitE3},
    { 91, 100, RandDec3p1},
};
constexpr PatternBand M2[] = {
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
constexpr PatternBand D2[] = {
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
constexpr PatternBand M3[] = {
    {  1,  11, RandDigit},
    { 12,  22, RandDigitE1},
    { 23,  33, RandTwoDigit},
    { 34,  44, RandDec1p1},
    { 45,  55, RandDec1p2},
    { 56,  66, RandTensTenths},
    { 67,  77, RandDec2p1},
    { 78,  88, RandDec2p2},
    { 89, 100, RandTensHundredths},
};
constexpr PatternBand D3[] = {
    {  1,  10, RandDigitE1, 1}, // 1 answer decimal
    { 11,  25, RandTwoDigit},
    { 26,  40, RandDigitE2},
    { 41,  55, RandDigitE3},
    { 56,  70, RandTwoDigitE2},
    { 71,  80, RandFourDigit},
    { 81,  90, RandDec2p1},
    { 91, 100, RandDec2p2},
};

constexpr PairBand Pairs[] = {
    {  1,  12, "hl", "l",  Factor(  100), M1, D1},
    { 13,  25, "hl", "dl", Factor(1'000), M2, D2},
    { 26,  37, "l",  "dl", Factor(   10), M3, D3},
    { 38,  50, "l",  "cl", Factor(  100), M1, D1},
    { 51,  62, "l",  "ml", Factor(1'000), M2, D2},
    { 63,  75, "dl", "cl", Factor(   10), M3, D3},
    { 76,  87, "dl", "ml", Factor(  100), M1, D1},
    { 88, 100, "cl", "ml", Factor(   10), M3, D3},
};

} // namespace liter2

// GenerateLiter3
namespace liter3 {

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
    {  1,  10, RandDigitE1, 2}, // 2 answer decimals
    { 11,  20, RandTwoDigit},
    { 21,  30, RandDigitE2, 2}, // 2 answer decimals
    { 31,  40, RandTwoDigitE1, 2}, // 2 answer decimals
    { 41,  50, RandThreeDigit},
    { 51,  60, RandDigitE3, 2}, // 2 answer decimals
    { 61,  70, RandTwoDigitE2, 2}, // 2 answer decimals
    { 71,  80, RandDigitE4, 2}, // 2 answer decimals
    { 81,  90, RandTwoDigitE3, 2}, // 2 answer decimals
    { 91, 100, RandDec3p1},
};
constexpr PatternBand D2[] = {
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
    {  1,   9, RandDigitE1},
    { 10,  18, RandTwoDigit},
    { 19,  27, RandDigitE2},
    { 28,  36, RandTwoDigitE1},
    { 37,  45, RandThreeDigit},
    { 46,  54, RandDec1p1},
    { 55,  63, RandDec1p2},
    { 64,  72, RandDec1p3, 1}, // 1 answer decimal
    { 73,  81, RandDec2p1},
    { 82,  90, RandDec2p2},
    { 91, 100, RandDec2p3, 1}, // 1 answer decimal
};
constexpr PatternBand D3[] = {
    {  1,   8, RandDigitE2},
    {  9,  16, RandTwoDigitE1},
    { 17,  24, RandThreeDigit},
    { 25,  32, RandDigitE3},
    { 33,  40, RandTwoDigitE2},
    { 41,  48, RandThreeDigitE1},
    { 49,  56, RandFourDigit},
    { 57,  64, RandDigitE4},
    { 65,  72, RandTwoDigitE3},
    { 73,  80, RandThreeDigitE2},
    { 81,  88, RandFiveDigit},
    { 89,  94, RandDigitE5},
    { 95, 100, RandTwoDigitE4},
};
constexpr PatternBand M3[] = {
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
constexpr PatternBand D4[] = {
    {  1,  14, RandDigitE3, 3}, // 3 answer decimals
    { 15,  28, RandTwoDigitE2, 4}, // 4 answer decimals
    { 29,  42, RandThreeDigitE1, 5}, // 5 answer decimals
    { 43,  56, RandFourDigit, 6}, // 6 answer decimals
    { 57,  70, RandDigitE4, 2}, // 2 answer decimals
    { 71,  84, RandTwoDigitE3, 3}, // 3 answer decimals
    { 85, 100, RandDigitE5, 1}, // 1 answer decimal
};
constexpr PatternBand D5[] = {
    {  1,  10, RandDigitE1, 1}, // 1 answer decimal
    { 11,  20, RandTwoDigit},
    { 21,  30, RandDigitE2},
    { 31,  40, RandDigitE3},
    { 41,  50, RandTwoDigitE2},
    { 51,  60, RandThreeDigitE1},
    { 61,  70, RandFourDigit},
    { 71,  80, RandDec2p1},
    { 81, 100, RandDec2p2},
};
constexpr PatternBand D6[] = {
    {  1,  10, RandDigitE1},
    { 11,  20, RandTwoDigit},
    { 21,  30, RandDigitE2},
    { 31,  40, RandTwoDigitE1, 2}, // 2 answer decimals
    { 41,  50, RandThreeDigit},
    { 51,  60, RandDigitE3},
    { 61,  70, RandTwoDigitE2},
    { 71,  80, RandDigitE4, 2}, // 2 answer decimals
    { 81,  90, RandTwoDigitE3},
    { 91, 100, RandDec3p1},
};

constexpr PairBand Pairs[] = {
    {  1,  10, "hl", "l",  Factor(    100), M1, D1},
    { 11,  20, "hl", "dl", Factor(  1'000), M1, D2},
    { 21,  30, "hl", "cl", Factor( 10'000), M2, D3},
    { 31,  40, "hl", "ml", Factor(100'000), M3, D4},
    { 41,  50, "l",  "dl", Factor(     10), M1, D5},
    { 51,  60, "l",  "cl", Factor(    100), M1, D6},
    { 61,  70, "l",  "ml", Factor(  1'000), M1, D2},
    { 71,  80, "dl", "cl", Factor(     10), M1, D5},
    { 81,  90, "dl", "ml", Factor(    100), M1, D1},
    { 91, 100, "cl", "ml", Factor(     10), M1, D5},
};

} // namespace liter3

// GenerateLiter4
namespace liter4 {

constexpr PatternBand M1[] = {
    {  1,  10, RandDec1p2},
    { 11,  20, RandDec1p3},
    { 21,  30, RandTensHundredths},
    { 31,  40, RandDec2p2},
    { 41,  50, RandDec2p3},
    { 51,  60, RandDec3p2},
    { 61,  70, RandDec3p3},
    { 71,  80, RandDec0p1},
    { 81,  90, RandDec0p2},
    { 91, 100, RandDec0p3},
};
constexpr PatternBand D1[] = {
    {  1,   4, RandDigitE1},
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
    { 61,  65, RandTwoDigitE4},
    { 66,  70, RandThreeDigitE3},
    { 71,  75, RandFourDigitE2},
    { 76,  80, RandDec1p1},
    { 81,  86, RandTensTenths},
    { 87,  94, RandDec2p1},
    { 95, 100, RandDec3p1},
};
constexpr PatternBand M2[] = {
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
constexpr PatternBand D2[] = {
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
constexpr PatternBand M3[] = {
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
constexpr PatternBand D3[] = {
    {  1,   4, RandDigitE1},
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
    { 61,  65, RandTwoDigitE4},
    { 66,  70, RandThreeDigitE3},
    { 71,  75, RandFourDigitE2},
    { 76,  80, RandDec1p1},
    { 81,  86, RandTensTenths},
    { 87,  94, RandDec2p1, 6}, // 6 answer decimals
    { 95, 100, RandDec3p1, 6}, // 6 answer decimals
};
constexpr PatternBand D4[] = {
    {  1,   4, RandDigitE1, 6}, // 6 answer decimals
    {  5,   8, RandTwoDigit, 7}, // 7 answer decimals
    {  9,  12, RandDigitE2, 4}, // 4 answer decimals
    { 13,  16, RandTwoDigitE1, 5}, // 5 answer decimals
    { 17,  20, RandThreeDigit, 6}, // 6 answer decimals
    { 21,  24, RandDigitE3, 3}, // 3 answer decimals
    { 25,  28, RandTwoDigitE2, 4}, // 4 answer decimals
    { 29,  32, RandThreeDigitE1, 5}, // 5 answer decimals
    { 33,  36, RandFourDigit, 6}, // 6 answer decimals
    { 37,  40, RandDigitE4, 2}, // 2 answer decimals
    { 41,  44, RandTwoDigitE3, 3}, // 3 answer decimals
    { 45,  48, RandThreeDigitE2, 4}, // 4 answer decimals
    { 49,  52, RandFourDigitE1, 5}, // 5 answer decimals
    { 53,  56, RandFiveDigit, 6}, // 6 answer decimals
    { 57,  60, RandDigitE5, 1}, // 1 answer decimal
    { 61,  65, RandTwoDigitE4, 2}, // 2 answer decimals
    { 66,  70, RandThreeDigitE3, 3}, // 3 answer decimals
    { 71,  75, RandFourDigitE2, 4}, // 4 answer decimals
    { 76,  80, RandDec1p1, 7}, // 7 answer decimals
    { 81,  86, RandTensTenths, 7}, // 7 answer decimals
    { 87,  94, RandDec2p1, 7}, // 7 answer decimals
    { 95, 100, RandDec3p1, 7}, // 7 answer decimals
};
constexpr PatternBand M4[] = {
    {  1,  10, RandDec1p1},
    { 11,  20, RandDec1p2},
    { 21,  30, RandTensTenths},
    { 31,  40, RandTensHundredths},
    { 41,  50, RandDec2p1},
    { 51,  60, RandDec2p2},
    { 61,  70, RandDec2p3},
    { 71,  80, RandDec0p1},
    { 81,  90, RandHundredth},
    { 91, 100, RandThousandth},
};
constexpr PatternBand D5[] = {
    {  1,   5, RandDigitE1, 1}, // 1 answer decimal
    {  6,  10, RandTwoDigit},
    { 11,  15, RandThreeDigit},
    { 16,  20, RandTwoDigitE2},
    { 21,  25, RandFourDigit},
    { 26,  30, RandDec1p1},
    { 31,  40, RandDec2p1},
    { 41,  55, RandDec2p2},
    { 56,  75, RandDec3p1},
    { 76,  90, RandDec3p2},
    { 91, 100, RandDec3p3},
};
constexpr PatternBand D6[] = {
    {  1,   4, RandDigitE1},
    {  5,   8, RandTwoDigit},
    {  9,  12, RandDigitE2},
    { 13,  16, RandTwoDigitE1},
    { 17,  20, RandThreeDigit},
    { 21,  24, RandDigitE3},
    { 25,  28, RandTwoDigitE2},
    { 29,  32, RandThreeDigitE1, 2}, // 2 answer decimals
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

constexpr PairBand Pairs[] = {
    {  1,  10, "hl", "l",  Factor(    100), M1, D1},
    { 11,  20, "hl", "dl", Factor(  1'000), M2, D2},
    { 21,  30, "hl", "cl", Factor( 10'000), M3, D3},
    { 31,  40, "hl", "ml", Factor(100'000), M3, D4},
    { 41,  50, "l",  "dl", Factor(     10), M4, D5},
    { 51,  60, "l",  "cl", Factor(    100), M1, D6},
    { 61,  70, "l",  "ml", Factor(  1'000), M2, D2},
    { 71,  80, "dl", "cl", Factor(     10), M4, D5},
    { 81,  90, "dl", "ml", Factor(    100), M1, D6},
    { 91, 100, "cl", "ml", Factor(     10), M4, D5},
};

} // namespace liter4

// GenerateLiter5
namespace liter5 {

constexpr PatternBand M1[] = {
    {  1,   2, RandDigit},
    {  3,   4, RandDigitE1},
    {  5,   6, RandTwoDigit},
    {  7,   8, RandDigitE2},
    {  9,  10, RandTwoDigitE1},
    { 11,  12, RandThreeDigit},
    { 13,  15, RandDigitE3},
    { 16,  19, RandTwoDigitE2},
    { 20,  22, RandFourDigit},
    { 23,  25, RandDigitE4},
    { 26,  29, RandTwoDigitE3},
    { 30,  35, RandDec1p1},
    { 36,  40, RandDec1p2},
    { 41,  50, RandDec1p3},
    { 51,  60, RandDec2p1},
    { 61,  70, RandDec2p2},
    { 71,  80, RandDec2p3},
    { 81,  90, RandDec1p4},
    { 91, 100, RandDec1p5},
};
constexpr PatternBand D1[] = {
    {  1,   5, RandDigitE1},
    {  6,  10, RandTwoDigit},
    { 11,  12, RandDigitE2},
    { 13,  15, RandTwoDigitE1},
    { 16,  20, RandThreeDigit},
    { 21,  22, RandDigitE3},
    { 23,  24, RandTwoDigitE2},
    { 25,  30, RandThreeDigitE1, 2}, // 2 answer decimals
    { 31,  34, RandFourDigit},
    { 35,  36, RandThreeDigitE2},
    { 37,  39, RandFourDigitE1},
    { 40,  48, RandFiveDigit},
    { 49,  55, RandDec2p3},
    { 56,  65, RandDec1p3},
    { 66,  70, RandDec1p4},
    { 71,  75, RandDec1p5},
    { 76,  80, RandDec1p1},
    { 81,  86, RandTensTenths},
    { 87,  94, RandDec2p1},
    { 95, 100, RandDec3p1},
};
constexpr PatternBand M2[] = {
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
constexpr PatternBand D2[] = {
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
constexpr PatternBand M3[] = {
    {  1,   2, RandDigit},
    {  3,   4, RandDigitE1},
    {  5,   6, RandTwoDigit},
    {  7,   8, RandDigitE2},
    {  9,  10, RandTwoDigitE1},
    { 11,  12, RandThreeDigit},
    { 13,  14, RandDec1p1},
    { 15,  18, RandDec1p2},
    { 19,  23, RandDec1p3},
    { 24,  26, RandDec2p1},
    { 27,  30, RandDec2p2},
    { 31,  34, RandDec3p3},
    { 35,  37, RandDec0p1},
    { 38,  40, RandDec0p2},
    { 41,  50, RandDec0p3},
    { 51,  60, RandDec0p4},
    { 61,  70, RandDec0p5},
    { 71,  80, RandDec1p4},
    { 81,  90, RandDec1p5},
    { 91, 100, RandTenThousandth},
};
constexpr PatternBand D3[] = {
    {  1,   4, RandDigitE1},
    {  5,   8, RandTwoDigit},
    {  9,  12, RandDigitE2},
    { 13,  16, RandTwoDigitE1},
    { 17,  20, RandThreeDigit},
    { 21,  24, RandTwoDigitE2},
    { 25,  28, RandThreeDigitE1},
    { 29,  32, RandFourDigit},
    { 33,  36, RandFiveDigit},
    { 37,  40, RandSixDigit},
    { 41,  44, RandDec1p1},
    { 45,  48, RandTensTenths},
    { 49,  52, RandDec2p1},
    { 53,  56, RandDec3p1},
    { 57,  60, RandDec1p2},
    { 61,  65, RandDec1p3},
    { 66,  70, RandDec1p4},
    { 71,  75, RandDec1p5},
    { 76,  80, RandDec0p1},
    { 81,  86, RandDec0p2},
    { 87,  94, RandDec0p3},
    { 95, 100, RandDec0p4},
};
constexpr PatternBand M4[] = {
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
constexpr PatternBand D4[] = {
    {  1,   4, RandDigitE1, 6}, // 6 answer decimals
    {  5,   8, RandTwoDigit, 6}, // 6 answer decimals
    {  9,  12, RandDigitE2, 4}, // 4 answer decimals
    { 13,  16, RandTwoDigitE1, 5}, // 5 answer decimals
    { 17,  20, RandThreeDigit, 6}, // 6 answer decimals
    { 21,  24, RandDigitE3, 3}, // 3 answer decimals
    { 25,  28, RandTwoDigitE2, 4}, // 4 answer decimals
    { 29,  32, RandThreeDigitE1, 5}, // 5 answer decimals
    { 33,  36, RandFourDigit, 6}, // 6 answer decimals
    { 37,  40, RandDigitE4, 2}, // 2 answer decimals
    { 41,  44, RandTwoDigitE3, 3}, // 3 answer decimals
    { 45,  48, RandThreeDigitE2, 4}, // 4 answer decimals
    { 49,  52, RandFourDigitE1, 5}, // 5 answer decimals
    { 53,  56, RandFiveDigit, 6}, // 6 answer decimals
    { 57,  60, RandDigitE5, 1}, // 1 answer decimal
    { 61,  64, RandTwoDigitE4, 2}, // 2 answer decimals
    { 65,  68, RandThreeDigitE3, 3}, // 3 answer decimals
    { 69,  72, RandFourDigitE2, 4}, // 4 answer decimals
    { 73,  76, RandDec1p1, 7}, // 7 answer decimals
    { 77,  80, RandTensTenths, 7}, // 7 answer decimals
    { 81,  84, RandDec2p1, 7}, // 7 answer decimals
    { 85,  88, RandDec3p1, 7}, // 7 answer decimals
    { 89,  92, RandDec1p2, 8}, // 8 answer decimals
    { 93,  96, RandDec1p3, 9}, // 9 answer decimals
    { 97, 100, RandDec1p4, 10}, // 10 answer decimals
};
constexpr PatternBand M5[] = {
    {  1,   5, RandDec1p1},
    {  6,  10, RandDec1p2},
    { 11,  20, RandDec2p2},
    { 21,  30, RandDec2p3},
    { 31,  40, RandDec3p1},
    { 41,  50, RandDec3p2},
    { 51,  60, RandDec3p3},
    { 61,  70, RandDec0p2},
    { 71,  80, RandDec0p3},
    { 81,  90, RandDec0p4},
    { 91, 100, RandDec0p5},
};
constexpr PatternBand D5[] = {
    {  1,   8, RandDec1p1},
    {  9,  16, RandDec1p2},
    { 17,  24, RandDec1p3},
    { 25,  32, RandDec1p4},
    { 33,  40, RandDec1p5},
    { 41,  48, RandDec2p1},
    { 49,  56, RandDec2p3},
    { 57,  64, RandDec3p2},
    { 65,  72, RandDec3p3},
    { 73,  80, RandDec0p2},
    { 81,  88, RandDec0p3},
    { 89, 100, RandDec0p4},
};

constexpr PairBand Pairs[] = {
    {  1,  10, "hl", "l",  Factor(    100), M1, D1},
    { 11,  20, "hl", "dl", Factor(  1'000), M2, D2},
    { 21,  30, "hl", "cl", Factor( 10'000), M3, D3},
    { 31,  40, "hl", "ml", Factor(100'000), M4, D4},
    { 41,  50, "l",  "dl", Factor(     10), M5, D5},
    { 51,  60, "l",  "cl", Factor(    100), M1, D1},
    { 61,  70, "l",  "ml", Factor(  1'000), M2, D2},
    { 71,  80, "dl", "cl", Factor(     10), M5, D5},
    { 81,  90, "dl", "ml", Factor(    100), M1, D1},
    { 91, 100, "cl", "ml", Factor(     10), M5, D5},
};

} // namespace liter5
// clang-format on

constexpr std::array kLevels{
    GeneratorTable{.Name = "GenerateLiter1",
                   .Pairs = liter1::Pairs,
                   .AnswerWidth = 170,
                   .TrimAnswer = false,
                   .Rounding = GivenRounding::None},
    GeneratorTable{.Name = "GenerateLiter2",
                   .Pairs = liter2::Pairs,
                   .AnswerWidth = 190,
                   .TrimAnswer = true,
                   .Rounding = GivenRounding::Direction1Large},
    GeneratorTable{.Name = "GenerateLiter3",
                   .Pairs = liter3::Pairs,
                   .AnswerWidth = 190,
                   .TrimAnswer = true,
                   .Rounding = GivenRounding::Direction1Large},
    GeneratorTable{.Name = "GenerateLiter4",
                   .Pairs = liter4::Pairs,
                   .AnswerWidth = 190,
                   .TrimAnswer = true,
                   .Rounding = GivenRounding::Direction1Large},
    GeneratorTable{.Name = "GenerateLiter5",
                   .Pairs = liter5::Pairs,
                   .AnswerWidth = 190,
                   .TrimAnswer = true,
                   .Rounding = GivenRounding::Direction1Large},
};

} // namespace

std::span<const GeneratorTable> LiterTables() {
    return kLevels;
}

} // namespace quarvel
