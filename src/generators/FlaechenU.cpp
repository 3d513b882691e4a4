#include "generators/FlaechenU.h"

#include "generators/BandNotation.h"

#include <array>

namespace quarvel {
namespace {

using enum Pattern;
using notation::Factor;

// Each area unit is 100 of the next smaller one. Levels 1 and 2 convert only
// between neighbours, level 3 adds two steps (10 000), levels 4 and 5 three
// steps (1 000 000). Each level block holds its pattern tables (M for direction
// 1, D for direction 2) and then its pair table, whose rows refer to them.

// clang-format off
// GenerateFlaeche1
namespace flaeche1 {

constexpr PatternBand D1[] = {
    {  1,  17, RandDigitE2},
    { 18,  34, RandDigitE3},
    { 35,  51, RandTwoDigitE2},
    { 52,  68, RandDigitE4},
    { 69,  86, RandTwoDigitE3},
    { 87, 100, RandThreeDigitE2},
};

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

constexpr PairBand Pairs[] = {
    {  1,  16, "km^2", "ha",   Factor(100),         M1, D1},
    { 17,  32, "ha",   "a",    Factor(100),         M1, D1},
    { 33,  48, "a",    "m^2",  Factor(100),         M1, D1},
    { 49,  64, "m^2",  "dm^2", Factor(100),         M1, D1},
    { 65,  80, "dm^2", "cm^2", Factor(100),         M1, D1},
    { 81, 100, "cm^2", "mm^2", Factor(100),         M1, D1},
};

} // namespace flaeche1

// GenerateFlaeche2
namespace flaeche2 {

constexpr PatternBand D1[] = {
    {  1,  10, RandDigitE1, 2},
    { 11,  20, RandTwoDigit},
    { 21,  30, RandDigitE2, 1},
    { 31,  40, RandTwoDigitE1},
    { 41,  50, RandThreeDigit},
    { 51,  60, RandDigitE3},
    { 61,  70, RandTwoDigitE2},
    { 71,  80, RandDigitE4},
    { 81,  90, RandTwoDigitE3},
    { 91, 100, RandDec3p1},
};

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

constexpr PairBand Pairs[] = {
    {  1,  16, "km^2", "ha",   Factor(100),         M1, D1},
    { 17,  32, "ha",   "a",    Factor(100),         M1, D1},
    { 33,  48, "a",    "m^2",  Factor(100),         M1, D1},
    { 49,  64, "m^2",  "dm^2", Factor(100),         M1, D1},
    { 65,  80, "dm^2", "cm^2", Factor(100),         M1, D1},
    { 81, 100, "cm^2", "mm^2", Factor(100),         M1, D1},
};

} // namespace flaeche2

// GenerateFlaeche3
namespace flaeche3 {

constexpr PatternBand D1[] = {
    {  1,  10, RandDigitE1, 2},
    { 11,  20, RandTwoDigit},
    { 21,  30, RandDigitE2, 2},
    { 31,  40, RandTwoDigitE1, 2},
    { 41,  50, RandThreeDigit},
    { 51,  60, RandDigitE3, 2},
    { 61,  70, RandTwoDigitE2, 2},
    { 71,  80, RandDigitE4, 2},
    { 81,  90, RandTwoDigitE3, 2},
    { 91, 100, RandDec3p1},
};

constexpr PatternBand D2[] = {
    {  1,   8, RandDigitE2},
    {  9,  16, RandTwoDigitE1},
    { 17,  24, RandThreeDigit},
    { 25,  32, RandDigitE3, 3},
    { 33,  40, RandTwoDigitE2, 3},
    { 41,  48, RandThreeDigitE1},
    { 49,  56, RandFourDigit},
    { 57,  64, RandDigitE4, 4},
    { 65,  72, RandTwoDigitE3, 4},
    { 73,  80, RandThreeDigitE2, 4},
    { 81,  88, RandFiveDigit},
    { 89,  94, RandDigitE5, 5},
    { 95, 100, RandTwoDigitE4, 5},
};

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

constexpr PatternBand M2[] = {
    {  1,   9, RandDigitE1},
    { 10,  18, RandTwoDigit},
    { 19,  27, RandDigitE2},
    { 28,  36, RandTwoDigitE1},
    { 37,  45, RandThreeDigit},
    { 46,  54, RandDec1p1},
    { 55,  63, RandDec1p2},
    { 64,  72, RandDec1p3, 1},
    { 73,  81, RandDec2p1},
    { 82,  90, RandDec2p2},
    { 91, 100, RandDec2p3, 1},
};

constexpr PairBand Pairs[] = {
    {  1,   9, "km^2", "ha",   Factor(100),         M1, D1},
    { 10,  18, "km^2", "a",    Factor(10'000),      M2, D2},
    { 19,  27, "ha",   "a",    Factor(100),         M1, D1},
    { 28,  36, "ha",   "m^2",  Factor(10'000),      M2, D2},
    { 37,  45, "a",    "m^2",  Factor(100),         M1, D1},
    { 46,  54, "a",    "dm^2", Factor(10'000),      M2, D2},
    { 55,  63, "m^2",  "dm^2", Factor(100),         M1, D1},
    { 64,  72, "m^2",  "cm^2", Factor(10'000),      M2, D2},
    { 73,  81, "dm^2", "cm^2", Factor(100),         M1, D1},
    { 82,  90, "dm^2", "mm^2", Factor(10'000),      M2, D2},
    { 91, 100, "cm^2", "mm^2", Factor(100),         M1, D1},
};

} // namespace flaeche3

// GenerateFlaeche4
namespace flaeche4 {

constexpr PatternBand D1[] = {
    {  1,   4, RandDigitE1},
    {  5,   8, RandTwoDigit},
    {  9,  12, RandDigitE2},
    { 13,  16, RandTwoDigitE1},
    { 17,  20, RandThreeDigit},
    { 21,  24, RandDigitE3},
    { 25,  28, RandTwoDigitE2},
    { 29,  32, RandThreeDigitE1, 2},
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

constexpr PatternBand D2[] = {
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
    { 87,  94, RandDec2p1, 6},
    { 95, 100, RandDec3p1, 6},
};

constexpr PatternBand D3[] = {
    {  1,   4, RandDigitE1, 6},
    {  5,   8, RandTwoDigit, 7},
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

constexpr PatternBand M3[] = {
    {  1,   8, RandDigit},
    {  9,  16, RandDigitE1},
    { 17,  24, RandTwoDigit},
    { 25,  32, RandDigitE2},
    { 33,  40, RandTwoDigitE1},
    { 41,  48, RandThreeDigit},
    { 49,  57, RandDec1p1},
    { 58,  66, RandDec1p2},
    { 67,  75, RandDec1p3},
    { 76,  84, RandDec2p1},
    { 85,  93, RandDec2p2},
    { 94, 100, RandDec2p3},
};

constexpr PatternBand M4[] = {
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
    { 81,  85, RandDec0p5, 1},
    { 86,  90, RandHundredth},
    { 91,  95, RandThousandth},
    { 96, 100, RandTenThousandth},
};

constexpr PairBand Pairs[] = {
    {  1,   7, "km^2", "ha",   Factor(100),         M1, D1},
    {  8,  14, "km^2", "a",    Factor(10'000),      M2, D2},
    { 15,  20, "km^2", "m^2",  Factor(1'000'000),   M2, D3},
    { 21,  27, "ha",   "a",    Factor(100),         M1, D1},
    { 28,  34, "ha",   "m^2",  Factor(10'000),      M2, D2},
    { 35,  40, "ha",   "dm^2", Factor(1'000'000),   M2, D3},
    { 41,  47, "a",    "m^2",  Factor(100),         M1, D1},
    { 48,  54, "a",    "dm^2", Factor(10'000),      M3, D2},
    { 55,  60, "a",    "cm^2", Factor(1'000'000),   M4, D3},
    { 61,  67, "m^2",  "dm^2", Factor(100),         M1, D1},
    { 68,  74, "m^2",  "cm^2", Factor(10'000),      M2, D2},
    { 75,  80, "m^2",  "mm^2", Factor(1'000'000),   M2, D3},
    { 81,  86, "dm^2", "cm^2", Factor(100),         M1, D1},
    { 87,  94, "dm^2", "mm^2", Factor(10'000),      M2, D2},
    { 95, 100, "cm^2", "mm^2", Factor(100),         M1, D1},
};

} // namespace flaeche4

// GenerateFlaeche5
namespace flaeche5 {

constexpr PatternBand D1[] = {
    {  1,   5, RandDigitE1},
    {  6,  10, RandTwoDigit},
    { 11,  12, RandDigitE2},
    { 13,  15, RandTwoDigitE1},
    { 16,  20, RandThreeDigit},
    { 21,  22, RandDigitE3},
    { 23,  24, RandTwoDigitE2},
    { 25,  30, RandThreeDigitE1, 2},
    { 31,  34, RandFourDigit},
    { 35,  36, RandThreeDigitE2},
    { 37,  39, RandFourDigitE1},
    { 40,  44, RandFiveDigit},
    { 45,  48, RandFiveDigit},
    { 49,  55, RandDec2p3},
    { 56,  60, RandDec1p3},
    { 61,  65, RandDec1p3},
    { 66,  70, RandDec1p4},
    { 71,  75, RandDec1p5},
    { 76,  80, RandDec1p1},
    { 81,  86, RandTensTenths},
    { 87,  94, RandDec2p1},
    { 95, 100, RandDec3p1},
};

constexpr PatternBand D2[] = {
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

constexpr PatternBand D3[] = {
    {  1,   4, RandDigitE1, 6},
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

constexpr PatternBand M2[] = {
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

constexpr PatternBand M3[] = {
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

constexpr PairBand Pairs[] = {
    {  1,   7, "km^2", "ha",   Factor(100),         M1, D1},
    {  8,  14, "km^2", "a",    Factor(10'000),      M2, D2},
    { 15,  20, "km^2", "m^2",  Factor(1'000'000),   M3, D3},
    { 21,  27, "ha",   "a",    Factor(100),         M1, D1},
    { 28,  34, "ha",   "m^2",  Factor(10'000),      M2, D2},
    { 35,  40, "ha",   "dm^2", Factor(1'000'000),   M3, D3},
    { 41,  47, "a",    "m^2",  Factor(100),         M1, D1},
    { 48,  54, "a",    "dm^2", Factor(10'000),      M2, D2},
    { 55,  60, "a",    "cm^2", Factor(1'000'000),   M3, D3},
    { 61,  67, "m^2",  "dm^2", Factor(100),         M1, D1},
    { 68,  74, "m^2",  "cm^2", Factor(10'000),      M2, D2},
    { 75,  80, "m^2",  "mm^2", Factor(1'000'000),   M3, D3},
    { 81,  86, "dm^2", "cm^2", Factor(100),         M1, D1},
    { 87,  94, "dm^2", "mm^2", Factor(10'000),      M2, D2},
    { 95, 100, "cm^2", "mm^2", Factor(100),         M1, D1},
};

} // namespace flaeche5

// clang-format on

// From level 2 on the answer text loses its trailing zeros; level 5 has the
// longest answers and so the wider answer field.
constexpr std::array<GeneratorTable, 5> kTables{{
    {"GenerateFlaeche1", flaeche1::Pairs},
    {"GenerateFlaeche2", flaeche2::Pairs, 170, true},
    {"GenerateFlaeche3", flaeche3::Pairs, 170, true},
    {"GenerateFlaeche4", flaeche4::Pairs, 170, true},
    {"GenerateFlaeche5", flaeche5::Pairs, 190, true},
}};

} // namespace

std::span<const GeneratorTable> FlaecheTables() {
    return kTables;
}

} // namespace quarvel
