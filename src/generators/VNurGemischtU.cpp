#include "generators/VNurGemischtU.h"

#include "generators/BandNotation.h"
#include "generators/FlaechenTables.h"
#include "generators/LaengenTables.h"
#include "generators/VKubikTables.h"
#include "generators/VLiterTables.h"

#include <array>

namespace quarvel {
namespace {

// Conversions between a cubic and a litre unit. Some pairs are equally large
// (factor 1): both directions then multiply by 1. At every level direction 1
// with a factor of 1000 or more reads the given value back from its own text
// first; from level 2 on answers are longer (wider field) and trimmed.
// Each level block below holds its pattern tables (M for direction 1, D for
// direction 2), most of them those of an earlier kind, and then its pair
// table, whose rows refer to them.

using notation::Factor;

// clang-format off
// GenerateRaumGemischt1
namespace gemischt1 {
constexpr PatternTable M1 = laenge1::M;
constexpr PatternTable D1 = laenge1::D10;
constexpr PatternTable D2 = laenge1::D100;
constexpr PatternTable D3 = laenge1::D1000;

constexpr PairBand Pairs[] = {
    {  1,  10, "m^3",  "hl",   Factor(   10), M1, D1},
    { 11,  20, "dm^3", "l",    Factor(    1), M1, D1},
    { 21,  30, "dm^3", "dl",   Factor(   10), M1, D1},
    { 31,  40, "dm^3", "cl",   Factor(  100), M1, D2},
    { 41,  50, "dm^3", "ml",   Factor(1'000), M1, D3},
    { 51,  60, "cm^3", "ml",   Factor(    1), M1, D1},
    { 61,  70, "hl",   "dm^3", Factor(  100), M1, D2},
    { 71,  80, "l",    "dm^3", Factor(    1), M1, D1},
    { 81,  90, "dl",   "cm^3", Factor(  100), M1, D2},
    { 91, 100, "cl",   "cm^3", Factor(   10), M1, D1},
};
} // namespace gemischt1

// GenerateRaumGemischt2
namespace gemischt2 {
using enum Pattern;

constexpr PatternTable M1 = laenge2::M10;
constexpr PatternTable D1 = laenge2::D10;
constexpr PatternTable M2 = laenge2::M1000;

constexpr PatternBand D2[] = {
    {  1,   9, RandDigitE3},
    { 10,  18, RandTwoDigitE2},
    { 19,  27, RandThreeDigitE1},
    { 28,  36, RandFourDigit},
    { 37,  45, RandDigitE4},
    { 46,  54, RandTwoDigitE3},
    { 55,  63, RandThreeDigitE2},
    { 64,  72, RandDigitE5},
    { 73,  81, RandTwoDigitE4},
    { 82,  90, RandThreeDigitE3},
    { 91, 100, RandDigitE5},
};

constexpr PatternBand M3[] = {
    {  1,  20, RandDigitE1},
    { 21,  40, RandTwoDigit},
    { 41,  60, RandDigitE2},
    { 61,  80, RandTwoDigitE1},
    { 81, 100, RandThreeDigit},
};

constexpr PatternTable D3 = liter3::D3;

constexpr PatternBand D4[] = {
    {  1,  10, RandDigitE1},
    { 11,  25, RandTwoDigit},
    { 26,  40, RandDigitE2},
    { 41,  55, RandDigitE3},
    { 56,  70, RandTwoDigitE2},
    { 71,  80, RandFourDigit},
    { 81,  90, RandDec2p1},
    { 91, 100, RandDec2p2},
};

constexpr PatternTable M4 = laenge2::M100;

constexpr PatternBand D5[] = {
    {  1,  10, RandDigitE1},
    { 11,  20, RandTwoDigit},
    { 21,  30, RandDigitE2},
    { 31,  40, RandTwoDigitE1},
    { 41,  50, RandThreeDigit},
    { 51,  60, RandDigitE3},
    { 61,  70, RandTwoDigitE2},
    { 71,  80, RandDigitE4},
    { 81,  90, RandTwoDigitE3},
    { 91, 100, RandDec3p1},
};

constexpr PairBand Pairs[] = {
    {  1,   8, "m^3",  "hl",   Factor(    10), M1, D1},
    {  9,  16, "m^3",  "l",    Factor( 1'000), M2, D2},
    { 17,  25, "m^3",  "dl",   Factor(10'000), M3, D3},
    { 26,  33, "dm^3", "l",    Factor(     1), M1, D4},
    { 34,  41, "dm^3", "dl",   Factor(    10), M1, D1},
    { 42,  50, "dm^3", "cl",   Factor(   100), M4, D5},
    // Direction 2 ("ml" to "dm^3", divide by 1000) has no table of its own;
    // D2 serves the level's other division by 1000 and fits it.
    { 51,  58, "dm^3", "ml",   Factor( 1'000), M2, D2},
    { 59,  66, "cm^3", "ml",   Factor(     1), M1, D4},
    { 67,  75, "hl",   "dm^3", Factor(   100), M4, D5},
    { 76,  83, "l",    "dm^3", Factor(     1), M1, D4},
    { 84,  91, "dl",   "cm^3", Factor(   100), M4, D5},
    { 92, 100, "cl",   "cm^3", Factor(    10), M1, D1},
};
} // namespace gemischt2

// GenerateRaumGemischt3
namespace gemischt3 {
using enum Pattern;

constexpr PatternTable M1 = laenge3::M;
constexpr PatternTable D1 = laenge2::D10;
constexpr PatternTable D2 = laenge3::D1000;
constexpr PatternTable M2 = flaeche3::M2;
constexpr PatternTable D3 = liter3::D3;

constexpr PatternBand D4[] = {
    {  1,  10, RandDigitE1},
    { 11,  20, RandTwoDigit},
    { 21,  30, RandDigitE2},
    { 31,  40, RandDigitE3},
    { 41,  50, RandTwoDigitE2},
    { 51,  60, RandThreeDigitE1},
    { 61,  70, RandFourDigit},
    { 71,  80, RandDec2p1},
    { 81, 100, RandDec2p2},
};

constexpr PatternTable D5 = gemischt2::D5;
constexpr PatternTable M3 = kubik3::M2;
constexpr PatternTable D6 = kubik3::D2;

constexpr PairBand Pairs[] = {
    {  1,   8, "m^3",  "hl",   Factor(     10), M1, D1},
    {  9,  16, "m^3",  "l",    Factor(  1'000), M1, D2},
    { 17,  25, "m^3",  "dl",   Factor( 10'000), M2, D3},
    { 26,  33, "dm^3", "l",    Factor(      1), M1, D4},
    { 34,  41, "dm^3", "dl",   Factor(     10), M1, D1},
    { 42,  50, "dm^3", "cl",   Factor(    100), M1, D5},
    { 51,  58, "dm^3", "ml",   Factor(  1'000), M1, D2},
    { 59,  66, "cm^3", "ml",   Factor(      1), M1, D4},
    { 67,  75, "hl",   "dm^3", Factor(    100), M1, D5},
    { 76,  83, "hl",   "cm^3", Factor(100'000), M3, D6},
    { 84,  91, "dl",   "cm^3", Factor(    100), M1, D5},
    { 92, 100, "cl",   "cm^3", Factor(     10), M1, D1},
};
} // namespace gemischt3

// GenerateRaumGemischt4
namespace gemischt4 {
using enum Pattern;

constexpr PatternTable M1 = laenge4::M10;

constexpr PatternBand D1[] = {
    {  1,   5, RandDigitE1},
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

constexpr PatternTable M2 = laenge4::M1000;
constexpr PatternTable D2 = laenge4::D1000;
constexpr PatternTable M3 = flaeche4::M2;
constexpr PatternTable D3 = flaeche4::D2;
constexpr PatternTable D4 = liter4::D4;
constexpr PatternTable D5 = liter4::D1;
constexpr PatternTable M4 = laenge4::M100;
constexpr PatternTable D6 = laenge4::D100;

constexpr PairBand Pairs[] = {
    {  1,   6, "m^3",  "hl",   Factor(       10), M1, D1},
    {  7,  12, "m^3",  "l",    Factor(    1'000), M2, D2},
    { 13,  18, "m^3",  "dl",   Factor(   10'000), M3, D3},
    { 19,  25, "m^3",  "cl",   Factor(  100'000), M3, D4},
    { 26,  31, "m^3",  "ml",   Factor(1'000'000), M3, D5},
    { 32,  37, "dm^3", "l",    Factor(        1), M1, D1},
    { 38,  43, "dm^3", "dl",   Factor(       10), M1, D1},
    { 44,  50, "dm^3", "cl",   Factor(      100), M4, D6},
    { 51,  56, "dm^3", "ml",   Factor(    1'000), M2, D2},
    { 57,  62, "cm^3", "ml",   Factor(        1), M1, D1},
    { 63,  68, "hl",   "dm^3", Factor(      100), M4, D6},
    { 69,  75, "hl",   "cm^3", Factor(  100'000), M3, D4},
    { 76,  81, "l",    "dm^3", Factor(        1), M1, D1},
    { 82,  87, "dl",   "cm^3", Factor(      100), M4, D6},
    { 88,  93, "cl",   "cm^3", Factor(       10), M1, D1},
    { 94, 100, "ml",   "cm^3", Factor(        1), M1, D1},
};
} // namespace gemischt4

// GenerateRaumGemischt5
namespace gemischt5 {
constexpr PatternTable M1 = laenge5::M10;
constexpr PatternTable D1 = laenge5::D10;
constexpr PatternTable M2 = laenge5::M1000;
constexpr PatternTable D2 = laenge5::D1000;
constexpr PatternTable M3 = flaeche5::M2;
constexpr PatternTable D3 = flaeche5::D2;
constexpr PatternTable M4 = flaeche5::M3;
constexpr PatternTable D4 = liter5::D4;
constexpr PatternTable D5 = flaeche5::D3;
constexpr PatternTable M5 = laenge5::M100;
// The length table writes two of these bands as two each; the draws are the same.
constexpr PatternTable D6 = laenge5::D100;

constexpr PairBand Pairs[] = {
    {  1,   5, "m^3",  "hl",   Factor(       10), M1, D1},
    {  6,  10, "m^3",  "l",    Factor(    1'000), M2, D2},
    { 11,  15, "m^3",  "dl",   Factor(   10'000), M3, D3},
    { 16,  20, "m^3",  "cl",   Factor(  100'000), M4, D4},
    { 21,  25, "m^3",  "ml",   Factor(1'000'000), M4, D5},
    { 26,  30, "dm^3", "l",    Factor(        1), M1, D1},
    { 31,  35, "dm^3", "dl",   Factor(       10), M1, D1},
    { 36,  40, "dm^3", "cl",   Factor(      100), M5, D6},
    { 41,  45, "dm^3", "ml",   Factor(    1'000), M2, D2},
    { 46,  50, "cm^3", "ml",   Factor(        1), M1, D1},
    { 51,  55, "hl",   "dm^3", Factor(      100), M5, D6},
    { 56,  60, "hl",   "cm^3", Factor(  100'000), M4, D4},
    { 61,  65, "l",    "dm^3", Factor(        1), M1, D1},
    { 66,  70, "dl",   "cm^3", Factor(      100), M5, D6},
    { 71,  75, "cl",   "cm^3", Factor(       10), M1, D1},
    { 76,  80, "ml",   "cm^3", Factor(        1), M1, D1},
    { 81,  85, "l",    "mm^3", Factor(1'000'000), M4, D5},
    { 86,  90, "dl",   "mm^3", Factor(  100'000), M4, D4},
    { 91,  95, "cl",   "mm^3", Factor(   10'000), M3, D3},
    { 96, 100, "ml",   "mm^3", Factor(    1'000), M2, D2},
};
} // namespace gemischt5
// clang-format on

constexpr auto kReadBack = GivenRounding::Direction1Large;

constexpr std::array<GeneratorTable, 5> kTables{{
    {"GenerateRaumGemischt1", gemischt1::Pairs, 170, false, kReadBack},
    {"GenerateRaumGemischt2", gemischt2::Pairs, 190, true, kReadBack},
    {"GenerateRaumGemischt3", gemischt3::Pairs, 190, true, kReadBack},
    {"GenerateRaumGemischt4", gemischt4::Pairs, 190, true, kReadBack},
    {"GenerateRaumGemischt5", gemischt5::Pairs, 190, true, kReadBack},
}};

} // namespace

std::span<const GeneratorTable> RaumGemischtTables() {
    return kTables;
}

} // namespace quarvel
