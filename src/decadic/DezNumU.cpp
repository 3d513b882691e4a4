#include "decadic/DezNumU.h"

#include "decadic/PlaceValue.h"

#include <array>
#include <stdexcept>
#include <string>

namespace quarvel {

namespace {

using enum Pattern;
using enum Change;

// Also the numeral table of level 2.
constexpr NumberBand kLevel1[] = {
    {1, 20, RandDec1p1},
    {21, 40, RandDec1p2},
    {41, 60, RandDec1p2, Zero, 1},
    {61, 80, RandDec1p3NoZero},
    {81, 100, RandDec1p3NoZero, Zero, 1},
};

constexpr NumberBand kLevel2Given[] = {
    {1, 5, RandDec1p2},         {6, 20, RandDec1p2, Zero, 1},
    {21, 40, RandDec1p3NoZero}, {41, 60, RandDec1p3NoZero, Zero, 1},
    {61, 80, RandDec1p4NoZero}, {81, 100, RandDec1p4NoZero, Zero, 1},
};

constexpr NumberBand kLevel3[] = {
    {1, 9, RandDec1p2, Zero, 1},          {10, 18, RandDec1p3NoZero},
    {19, 27, RandDec1p3NoZero, Zero, 1},  {28, 36, RandDec1p4NoZero},
    {37, 45, RandDec1p4NoZero, Zero, 1},  {46, 54, RandDec1p5NoZero, Zero, 1},
    {55, 63, RandDec1p6NoZero, Zero, 1},  {64, 72, RandDec1p6NoZero, Zero, 2},
    {73, 81, RandDec1p7NoZero, Zero, 1},  {82, 90, RandDec1p7NoZero, Zero, 2},
    {91, 100, RandDec1p7NoZero, Zero, 3},
};

constexpr NumberBand kLevel4Given[] = {
    {1, 5, RandDec1p4NoZero},
    {6, 10, RandDec1p4NoZero, Zero, 1},
    {11, 15, RandDec1p5NoZero},
    {16, 20, RandDec1p6NoZero, Zero, 1},
    {21, 25, RandDec1p5NoZero, Zero, 2},
    {26, 30, RandDec1p6NoZero},
    {31, 35, RandDec1p6NoZero, Zero, 1},
    {36, 40, RandDec1p6NoZero, Zero, 2},
    {41, 45, RandDec1p6NoZero, Zero, 3},
    {46, 50, RandDec1p7NoZero},
    {51, 55, RandDec1p7NoZero, Zero, 1},
    {56, 60, RandDec1p7NoZero, Zero, 2},
    {61, 65, RandDec1p7NoZero, Zero, 3},
    {66, 70, RandDec1p7NoZero, Zero, 4},
    {71, 75, RandDec1p8NoZero},
    {76, 80, RandDec1p8NoZero, Zero, 1},
    {81, 85, RandDec1p8NoZero, Zero, 2},
    {86, 90, RandDec1p8NoZero, Zero, 3},
    {91, 95, RandDec1p8NoZero, Zero, 4},
    {96, 100, RandDec1p6NoZero, Enlarge, 1},
};

constexpr NumberBand kLevel4Numeral[] = {
    {1, 5, RandDec1p4NoZero},
    {6, 10, RandDec1p4NoZero, Zero, 1},
    {11, 15, RandDec1p5NoZero},
    {16, 20, RandDec1p6NoZero, Zero, 1},
    {21, 25, RandDec1p5NoZero, Zero, 2},
    {26, 30, RandDec1p6NoZero},
    {31, 35, RandDec1p6NoZero, Zero, 1},
    {36, 40, RandDec1p6NoZero, Zero, 2},
    {41, 45, RandDec1p6NoZero, Zero, 3},
    {46, 50, RandDec1p7NoZero},
    {51, 55, RandDec1p7NoZero, Zero, 1},
    {56, 60, RandDec1p7NoZero, Zero, 2},
    {61, 65, RandDec1p7NoZero, Zero, 3},
    {66, 70, RandDec1p7NoZero, Zero, 4},
    {71, 76, RandDec1p8NoZero},
    {77, 82, RandDec1p8NoZero, Zero, 1},
    {83, 88, RandDec1p8NoZero, Zero, 2},
    {89, 94, RandDec1p8NoZero, Zero, 3},
    {95, 100, RandDec1p8NoZero, Zero, 4},
};

constexpr NumberBand kLevel5Given[] = {
    {1, 2, RandDec1p4NoZero},
    {3, 4, RandDec1p4NoZero, Zero, 1},
    {5, 6, RandDec1p5NoZero},
    {7, 8, RandDec1p6NoZero, Zero, 1},
    {9, 10, RandDec1p6NoZero},
    {11, 12, RandDec1p6NoZero, Zero, 1},
    {13, 14, RandDec1p7NoZero},
    {15, 16, RandDec1p7NoZero, Zero, 1},
    {17, 18, RandDec1p8NoZero},
    {19, 20, RandDec1p8NoZero, Zero, 1},
    {21, 40, RandDec1p6NoZero, Enlarge, 1},
    {41, 55, RandDec1p6NoZero, Enlarge, 2},
    {56, 70, RandDec1p7NoZero, Enlarge, 2},
    {71, 85, RandDec1p7NoZero, Enlarge, 3},
    {86, 100, RandDec1p8NoZero, Enlarge, 3},
};

constexpr NumberBand kLevel5Numeral[] = {
    {1, 2, RandDec1p4NoZero},    {3, 4, RandDec1p4NoZero, Zero, 1},
    {5, 6, RandDec1p5NoZero},    {7, 8, RandDec1p6NoZero, Zero, 1},
    {9, 10, RandDec1p6NoZero},   {11, 12, RandDec1p6NoZero, Zero, 1},
    {13, 14, RandDec1p7NoZero},  {15, 16, RandDec1p7NoZero, Zero, 1},
    {17, 18, RandDec1p8NoZero},  {19, 20, RandDec1p8NoZero, Zero, 1},
    {21, 55, RandDec1p6NoZero},  {56, 85, RandDec1p7NoZero},
    {86, 100, RandDec1p8NoZero},
};

constexpr std::array<DirectionLayout, 5> kLayouts = {{
    {400, 170, 400, 170},
    {400, 170, 400, 170},
    {500, 170, 320, 350},
    {600, 170, 320, 450},
    {600, 170, 320, 450},
}};

TDekTaskRecord GenerateDezNum(RandomSource& rng, int level, std::string_view name) {
    TDekTaskRecord record;
    TaskDraws& draws = record.Draws;
    draws.Generator = name;
    draws.Direction = rng.Random(2) + 1;
    draws.Pair = rng.Random(100) + 1;
    const int direction = draws.Direction;
    const NumberBand& band = FindBand(DezNumTable(level, direction), draws.Pair);

    const int decimals = Info(band.P).Decimals;
    ExactNumber number = DrawPattern(band.P, rng);
    std::string notation;
    if (band.C == Change::Enlarge) {
        notation = EnlargeDecimalPlaceCounts(number, decimals, band.Count, rng);
    } else {
        if (band.C == Change::Zero) {
            number = ZeroRandomDecimalDigits(band.Count, decimals, number, rng);
        }
        notation = FormatDecimalPlaceValue(number, decimals);
    }
    // Both texts come from the one notation, so they always describe the same number.
    const std::string numeral = ParseDecimalPlaceValue(notation);

    record.DecExact = number;
    record.DecValue = number.AsFloat();
    if (direction == 1) {
        record.GivenText = notation;
        record.AnswerText = numeral;
        record.AnswerIsNotation = false;
        record.AnswerHasComma = true;
    } else {
        record.GivenText = numeral;
        record.AnswerText = notation;
        record.AnswerIsNotation = true;
        record.AnswerHasComma = false;
    }
    return record;
}

} // namespace

NumberTable DezNumTable(int level, int direction) {
    const bool given = direction == 1;
    switch (level) {
    case 1:
        return kLevel1;
    case 2:
        return given ? NumberTable(kLevel2Given) : NumberTable(kLevel1);
    case 3:
        return kLevel3;
    case 4:
        return given ? NumberTable(kLevel4Given) : NumberTable(kLevel4Numeral);
    case 5:
        return given ? NumberTable(kLevel5Given) : NumberTable(kLevel5Numeral);
    default:
        throw std::out_of_range("DezNum level must be 1..5");
    }
}

const DirectionLayout& DezNumLayout(int level) {
    return kLayouts.at(static_cast<std::size_t>(level - 1));
}

TDekTaskRecord GenerateDezNum1(RandomSource& rng) {
    return GenerateDezNum(rng, 1, "GenerateDezNum1");
}
TDekTaskRecord GenerateDezNum2(RandomSource& rng) {
    return GenerateDezNum(rng, 2, "GenerateDezNum2");
}
TDekTaskRecord GenerateDezNum3(RandomSource& rng) {
    return GenerateDezNum(rng, 3, "GenerateDezNum3");
}
TDekTaskRecord GenerateDezNum4(RandomSource& rng) {
    return GenerateDezNum(rng, 4, "GenerateDezNum4");
}
TDekTaskRecord GenerateDezNum5(RandomSource& rng) {
    return GenerateDezNum(rng, 5, "GenerateDezNum5");
}

} // namespace quarvel
