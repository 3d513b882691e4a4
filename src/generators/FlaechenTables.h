#pragma once
// The pattern tables of the area levels, named per level as the pair tables of
// FlaechenU.cpp use them (M for direction 1, D for direction 2). A table that a
// length level already has is referred to, not written again; the volume
// levels refer to these in turn.

#include "generators/LaengenTables.h"

namespace quarvel {

// clang-format off
// GenerateFlaeche1
namespace flaeche1 {
inline constexpr PatternTable D1 = laenge1::D100;
inline constexpr PatternTable M1 = laenge1::M;
} // namespace flaeche1

// GenerateFlaeche2
namespace flaeche2 {
using enum Pattern;

inline constexpr PatternBand D1[] = {
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

inline constexpr PatternTable M1 = laenge2::M100;
} // namespace flaeche2

// GenerateFlaeche3
namespace flaeche3 {
using enum Pattern;

inline constexpr PatternTable D1 = laenge2::D100;

inline constexpr PatternBand D2[] = {
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

inline constexpr PatternTable M1 = laenge3::M;

inline constexpr PatternBand M2[] = {
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
} // namespace flaeche3

// GenerateFlaeche4
namespace flaeche4 {
using enum Pattern;

inline constexpr PatternTable D1 = laenge4::D100;

inline constexpr PatternBand D2[] = {
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

inline constexpr PatternBand D3[] = {
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

inline constexpr PatternTable M1 = laenge4::M100;

inline constexpr PatternBand M2[] = {
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

inline constexpr PatternBand M3[] = {
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

inline constexpr PatternBand M4[] = {
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
} // namespace flaeche4

// GenerateFlaeche5
namespace flaeche5 {
using enum Pattern;

inline constexpr PatternTable D1 = laenge5::D100;

inline constexpr PatternBand D2[] = {
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

inline constexpr PatternBand D3[] = {
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

inline constexpr PatternTable M1 = laenge5::M100;

inline constexpr PatternBand M2[] = {
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

inline constexpr PatternBand M3[] = {
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
} // namespace flaeche5
// clang-format on

} // namespace quarvel
