#pragma once
// The pattern tables of the cubic-volume levels, named per level as the pair
// tables of VKubikU.cpp use them (M for direction 1, D for direction 2). A
// table that a length or area level already has is referred to, not written
// again; the litre and mixed levels refer to these in turn.

#include "generators/FlaechenTables.h"
#include "generators/LaengenTables.h"

namespace quarvel {

// clang-format off
// GenerateKubik1
namespace kubik1 {
inline constexpr PatternTable M1 = laenge1::M;
inline constexpr PatternTable D1 = laenge1::D1000;
} // namespace kubik1

// GenerateKubik2
namespace kubik2 {
inline constexpr PatternTable M1 = laenge2::M1000;
inline constexpr PatternTable D1 = laenge2::D1000;
} // namespace kubik2

// GenerateKubik3
namespace kubik3 {
using enum Pattern;

inline constexpr PatternTable M1 = laenge3::M;
inline constexpr PatternTable D1 = laenge3::D1000;

inline constexpr PatternBand M2[] = {
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

inline constexpr PatternBand D2[] = {
    {  1,  14, RandDigitE3},
    { 15,  28, RandTwoDigitE2},
    { 29,  42, RandThreeDigitE1},
    { 43,  56, RandFourDigit},
    { 57,  70, RandDigitE4},
    { 71,  84, RandTwoDigitE3},
    { 85, 100, RandDigitE5},
};

inline constexpr PatternBand D3[] = {
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
} // namespace kubik3

// GenerateKubik4
namespace kubik4 {
using enum Pattern;

inline constexpr PatternTable M1 = laenge4::M1000;
inline constexpr PatternTable D1 = laenge4::D1000;
inline constexpr PatternTable M2 = flaeche4::M2;
inline constexpr PatternTable D2 = flaeche4::D3;

inline constexpr PatternBand M3[] = {
    {  1,  33, RandDigit},
    { 34,  66, RandDigitE1},
    { 67, 100, RandTwoDigit},
};

inline constexpr PatternBand D3[] = {
    {  1,  16, RandDigitE5},
    { 17,  33, RandTwoDigitE4},
    { 34,  49, RandThreeDigitE3},
    { 50,  66, RandFourDigitE2},
    { 67,  83, RandSixDigit},
    { 84, 100, RandSevenDigit},
};
} // namespace kubik4

// GenerateKubik5
namespace kubik5 {
using enum Pattern;

inline constexpr PatternTable M1 = laenge5::M1000;
inline constexpr PatternTable D1 = laenge5::D1000;
inline constexpr PatternTable M2 = flaeche5::M3;
inline constexpr PatternTable D2 = flaeche5::D3;
inline constexpr PatternTable M3 = laenge2::M1000;

inline constexpr PatternBand D3[] = {
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
} // namespace kubik5
// clang-format on

} // namespace quarvel
