#pragma once
// The pattern tables of the length levels. They depend only on the direction
// and the factor; the mass levels use the same ones, which is why they live in
// a header of their own.

#include "generators/Scheme.h"

namespace quarvel {

struct LevelTables {
    PatternTable M10, D10, M100, D100, M1000, D1000;
};

// clang-format off
// GenerateLaenge1
namespace laenge1 {
using enum Pattern;

// Direction 1, every factor
inline constexpr PatternBand M[] = {
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

// Direction 2, factor 10
inline constexpr PatternBand D10[] = {
    {  1,  20, RandDigitE1},
    { 21,  40, RandDigitE2},
    { 41,  60, RandTwoDigitE1},
    { 61,  80, RandDigitE3},
    { 81, 100, RandTwoDigitE2},
};

// Direction 2, factor 100
inline constexpr PatternBand D100[] = {
    {  1,  17, RandDigitE2},
    { 18,  34, RandDigitE3},
    { 35,  51, RandTwoDigitE2},
    { 52,  68, RandDigitE4},
    { 69,  86, RandTwoDigitE3},
    { 87, 100, RandThreeDigitE2},
};

// Direction 2, factor 1000
inline constexpr PatternBand D1000[] = {
    {  1,  20, RandDigitE3},
    { 21,  40, RandDigitE4},
    { 41,  60, RandTwoDigitE3},
    { 61,  80, RandDigitE5},
    { 81, 100, RandTwoDigitE4},
};

inline constexpr LevelTables Tables{M, D10, M, D100, M, D1000};

} // namespace laenge1

// GenerateLaenge2
namespace laenge2 {
using enum Pattern;

// Direction 1, factor 10
inline constexpr PatternBand M10[] = {
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

// Direction 2, factor 10
inline constexpr PatternBand D10[] = {
    {  1,  10, RandDigitE1, 1},
    { 11,  25, RandTwoDigit},
    { 26,  40, RandDigitE2},
    { 41,  55, RandDigitE3},
    { 56,  70, RandTwoDigitE2},
    { 71,  80, RandFourDigit},
    { 81,  90, RandDec2p1},
    { 91, 100, RandDec2p2},
};

// Direction 1, factor 100
inline constexpr PatternBand M100[] = {
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

// Direction 2, factor 100
inline constexpr PatternBand D100[] = {
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

// Direction 1, factor 1000
inline constexpr PatternBand M1000[] = {
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

// Direction 2, factor 1000
inline constexpr PatternBand D1000[] = {
    {  1,   9, RandDigitE3},
    { 10,  18, RandTwoDigitE2},
    { 19,  27, RandThreeDigitE1},
    { 28,  36, RandFourDigit},
    { 37,  45, RandDigitE4},
    { 46,  54, RandTwoDigitE3},
    { 55,  63, RandThreeDigitE2},
    { 64,  72, RandDigitE5, 1},
    { 73,  81, RandTwoDigitE4},
    { 82,  90, RandThreeDigitE3},
    { 91, 100, RandDigitE5},
};

inline constexpr LevelTables Tables{M10, D10, M100, D100, M1000, D1000};

} // namespace laenge2

// GenerateLaenge3
namespace laenge3 {
using enum Pattern;

// Direction 1, every factor
inline constexpr PatternBand M[] = {
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

// Direction 2, factor 10
inline constexpr PatternBand D10[] = {
    {  1,  10, RandDigitE1, 1},
    { 11,  20, RandTwoDigit},
    { 21,  30, RandDigitE2},
    { 31,  40, RandDigitE3},
    { 41,  50, RandTwoDigitE2},
    { 51,  60, RandThreeDigitE1},
    { 61,  70, RandFourDigit},
    { 71,  80, RandDec2p1},
    { 81,  90, RandDec2p2},
    { 91, 100, RandDec2p2},
};

// Direction 2, factor 100: the table of level 2
inline constexpr PatternTable D100 = laenge2::D100;

// Direction 2, factor 1000
inline constexpr PatternBand D1000[] = {
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

inline constexpr LevelTables Tables{M, D10, M, D100, M, D1000};

} // namespace laenge3

// GenerateLaenge4
namespace laenge4 {
using enum Pattern;

// Direction 1, factor 10
inline constexpr PatternBand M10[] = {
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

// Direction 2, factor 10
inline constexpr PatternBand D10[] = {
    {  1,   5, RandDigitE1, 1},
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

// Direction 1, factor 100
inline constexpr PatternBand M100[] = {
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

// Direction 2, factor 100
inline constexpr PatternBand D100[] = {
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

// Direction 1, factor 1000
inline constexpr PatternBand M1000[] = {
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

// Direction 2, factor 1000
inline constexpr PatternBand D1000[] = {
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

inline constexpr LevelTables Tables{M10, D10, M100, D100, M1000, D1000};

} // namespace laenge4

// GenerateLaenge5
namespace laenge5 {
using enum Pattern;

// Direction 1, factor 10
inline constexpr PatternBand M10[] = {
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

// Direction 2, factor 10
inline constexpr PatternBand D10[] = {
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

// Direction 1, factor 100
inline constexpr PatternBand M100[] = {
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

// Direction 2, factor 100
inline constexpr PatternBand D100[] = {
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

// Direction 1, factor 1000
inline constexpr PatternBand M1000[] = {
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

// Direction 2, factor 1000
inline constexpr PatternBand D1000[] = {
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

inline constexpr LevelTables Tables{M10, D10, M100, D100, M1000, D1000};

} // namespace laenge5

// clang-format on

} // namespace quarvel
