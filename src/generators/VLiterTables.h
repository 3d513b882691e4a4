#pragma once
// The pattern tables of the litre-volume levels, named per level as the pair
// tables of VLiterU.cpp use them (M for direction 1, D for direction 2). A
// table that a length, area or cubic level already has is referred to, not
// written again; the mixed levels refer to these in turn.

#include "generators/FlaechenTables.h"
#include "generators/LaengenTables.h"
#include "generators/VKubikTables.h"

namespace quarvel {

// clang-format off
// GenerateLiter1
namespace liter1 {
inline constexpr PatternTable M1 = laenge1::M;
inline constexpr PatternTable D1 = laenge1::D100;
inline constexpr PatternTable D2 = laenge1::D10;
inline constexpr PatternTable D3 = laenge1::D1000;
} // namespace liter1

// GenerateLiter2
namespace liter2 {
inline constexpr PatternTable M1 = laenge2::M100;
inline constexpr PatternTable D1 = flaeche2::D1;
inline constexpr PatternTable M2 = laenge2::M1000;
inline constexpr PatternTable D2 = laenge2::D1000;
inline constexpr PatternTable M3 = laenge2::M10;
inline constexpr PatternTable D3 = laenge2::D10;
} // namespace liter2

// GenerateLiter3
namespace liter3 {
using enum Pattern;

inline constexpr PatternTable M1 = laenge3::M;
inline constexpr PatternTable D1 = laenge2::D100;
inline constexpr PatternTable D2 = laenge3::D1000;
inline constexpr PatternTable M2 = flaeche3::M2;

inline constexpr PatternBand D3[] = {
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

inline constexpr PatternTable M3 = kubik3::M2;

inline constexpr PatternBand D4[] = {
    {  1,  14, RandDigitE3, 3},
    { 15,  28, RandTwoDigitE2, 4},
    { 29,  42, RandThreeDigitE1, 5},
    { 43,  56, RandFourDigit, 6},
    { 57,  70, RandDigitE4, 2},
    { 71,  84, RandTwoDigitE3, 3},
    { 85, 100, RandDigitE5, 1},
};

// The length table writes one of these bands as two; the draws are the same.
inline constexpr PatternTable D5 = laenge3::D10;

inline constexpr PatternBand D6[] = {
    {  1,  10, RandDigitE1},
    { 11,  20, RandTwoDigit},
    { 21,  30, RandDigitE2},
    { 31,  40, RandTwoDigitE1, 2},
    { 41,  50, RandThreeDigit},
    { 51,  60, RandDigitE3},
    { 61,  70, RandTwoDigitE2},
    { 71,  80, RandDigitE4, 2},
    { 81,  90, RandTwoDigitE3},
    { 91, 100, RandDec3p1},
};
} // namespace liter3

// GenerateLiter4
namespace liter4 {
using enum Pattern;

inline constexpr PatternTable M1 = laenge4::M100;

inline constexpr PatternBand D1[] = {
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

inline constexpr PatternTable M2 = laenge4::M1000;
inline constexpr PatternTable D2 = laenge4::D1000;
inline constexpr PatternTable M3 = flaeche4::M2;
inline constexpr PatternTable D3 = flaeche4::D2;

inline constexpr PatternBand D4[] = {
    {  1,   4, RandDigitE1, 6},
    {  5,   8, RandTwoDigit, 7},
    {  9,  12, RandDigitE2, 4},
    { 13,  16, RandTwoDigitE1, 5},
    { 17,  20, RandThreeDigit, 6},
    { 21,  24, RandDigitE3, 3},
    { 25,  28, RandTwoDigitE2, 4},
    { 29,  32, RandThreeDigitE1, 5},
    { 33,  36, RandFourDigit, 6},
    { 37,  40, RandDigitE4, 2},
    { 41,  44, RandTwoDigitE3, 3},
    { 45,  48, RandThreeDigitE2, 4},
    { 49,  52, RandFourDigitE1, 5},
    { 53,  56, RandFiveDigit, 6},
    { 57,  60, RandDigitE5, 1},
    { 61,  65, RandTwoDigitE4, 2},
    { 66,  70, RandThreeDigitE3, 3},
    { 71,  75, RandFourDigitE2, 4},
    { 76,  80, RandDec1p1, 7},
    { 81,  86, RandTensTenths, 7},
    { 87,  94, RandDec2p1, 7},
    { 95, 100, RandDec3p1, 7},
};

inline constexpr PatternTable M4 = laenge4::M10;
inline constexpr PatternTable D5 = laenge4::D10;
inline constexpr PatternTable D6 = laenge4::D100;
} // namespace liter4

// GenerateLiter5
namespace liter5 {
using enum Pattern;

inline constexpr PatternTable M1 = laenge5::M100;
// The length table writes two of these bands as two each; the draws are the same.
inline constexpr PatternTable D1 = laenge5::D100;
inline constexpr PatternTable M2 = laenge5::M1000;
inline constexpr PatternTable D2 = laenge5::D1000;
inline constexpr PatternTable M3 = flaeche5::M2;
inline constexpr PatternTable D3 = flaeche5::D2;
inline constexpr PatternTable M4 = flaeche5::M3;

inline constexpr PatternBand D4[] = {
    {  1,   4, RandDigitE1, 6},
    {  5,   8, RandTwoDigit, 6},
    {  9,  12, RandDigitE2, 4},
    { 13,  16, RandTwoDigitE1, 5},
    { 17,  20, RandThreeDigit, 6},
    { 21,  24, RandDigitE3, 3},
    { 25,  28, RandTwoDigitE2, 4},
    { 29,  32, RandThreeDigitE1, 5},
    { 33,  36, RandFourDigit, 6},
    { 37,  40, RandDigitE4, 2},
    { 41,  44, RandTwoDigitE3, 3},
    { 45,  48, RandThreeDigitE2, 4},
    { 49,  52, RandFourDigitE1, 5},
    { 53,  56, RandFiveDigit, 6},
    { 57,  60, RandDigitE5, 1},
    { 61,  64, RandTwoDigitE4, 2},
    { 65,  68, RandThreeDigitE3, 3},
    { 69,  72, RandFourDigitE2, 4},
    { 73,  76, RandDec1p1, 7},
    { 77,  80, RandTensTenths, 7},
    { 81,  84, RandDec2p1, 7},
    { 85,  88, RandDec3p1, 7},
    { 89,  92, RandDec1p2, 8},
    { 93,  96, RandDec1p3, 9},
    { 97, 100, RandDec1p4, 10},
};

inline constexpr PatternTable M5 = laenge5::M10;
inline constexpr PatternTable D5 = laenge5::D10;
} // namespace liter5
// clang-format on

} // namespace quarvel
