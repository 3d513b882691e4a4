#include "decadic/DekNumU.h"

#include "decadic/PlaceValue.h"

#include <array>
#include <stdexcept>
#include <string>

namespace quarvel {

namespace {

using enum Pattern;
using enum Change;

constexpr NumberBand kLevel1[] = {
    {1, 50, RandThreeDigit},
    {51, 100, RandFourDigitNoZero},
};

constexpr NumberBand kLevel2Given[] = {
    {1, 13, RandFourDigitNoZero},   {14, 25, RandFourDigitNoZero, Zero, 1},
    {26, 38, RandFiveDigitNoZero},  {39, 50, RandFiveDigitNoZero, Zero, 1},
    {51, 63, RandSixDigitNoZero},   {64, 75, RandSixDigitNoZero, Zero, 1},
    {76, 88, RandSevenDigitNoZero}, {89, 100, RandSevenDigitNoZero, Zero, 1},
};

constexpr NumberBand kLevel2Numeral[] = {
    {1, 13, RandThreeDigit},       {14, 25, RandThreeDigit, Zero, 1},
    {26, 38, RandFourDigitNoZero}, {39, 50, RandFourDigitNoZero, Zero, 1},
    {51, 63, RandFiveDigitNoZero}, {64, 75, RandFiveDigitNoZero, Zero, 1},
    {76, 88, RandSixDigitNoZero},  {89, 100, RandSixDigitNoZero, Zero, 1},
};

constexpr NumberBand kLevel3[] = {
    {1, 5, RandFourDigitNoZero},
    {6, 10, RandFourDigitNoZero, Zero, 1},
    {11, 15, RandFiveDigitNoZero},
    {16, 20, RandFiveDigitNoZero, Zero, 1},
    {21, 25, RandSixDigitNoZero},
    {26, 30, RandSixDigitNoZero, Zero, 1},
    {31, 35, RandSevenDigitNoZero},
    {36, 40, RandSevenDigitNoZero, Zero, 1},
    {41, 45, RandSevenDigitNoZero},
    {46, 50, RandSevenDigitNoZero, Zero, 1},
    {51, 55, RandSevenDigitNoZero},
    {56, 60, RandSevenDigitNoZero, Zero, 2},
    {61, 65, RandSevenDigitNoZero},
    {66, 70, RandSevenDigitNoZero, Zero, 2},
    {71, 75, RandEightDigitNoZero},
    {76, 80, RandEightDigitNoZero, Zero, 1},
    {81, 85, RandEightDigitNoZero, Zero, 2},
    {86, 90, RandNineDigitNoZero},
    {91, 95, RandNineDigitNoZero, Zero, 1},
    {96, 100, RandNineDigitNoZero, Zero, 2},
};

constexpr NumberBand kLevel4Given[] = {
    {1, 4, RandSixDigitNoZero},
    {5, 8, RandSixDigitNoZero, Zero, 1},
    {9, 12, RandSevenDigitNoZero},
    {13, 16, RandSevenDigitNoZero, Zero, 1},
    {17, 20, RandSevenDigitNoZero},
    {21, 24, RandSevenDigitNoZero, Zero, 1},
    {25, 28, RandSevenDigitNoZero},
    {29, 32, RandSevenDigitNoZero, Zero, 2},
    {33, 36, RandSevenDigitNoZero},
    {37, 40, RandSevenDigitNoZero, Zero, 2},
    {41, 45, RandEightDigitNoZero},
    {46, 50, RandEightDigitNoZero, Zero, 1},
    {51, 55, RandEightDigitNoZero, Zero, 2},
    {56, 60, RandNineDigitNoZero},
    {61, 65, RandNineDigitNoZero, Zero, 1},
    {66, 70, RandNineDigitNoZero, Zero, 2},
    {71, 75, RandTenDigitNoZero},
    {76, 80, RandTenDigitNoZero, Zero, 1},
    {81, 85, RandTenDigitNoZero, Zero, 2},
    {86, 90, RandTenDigitNoZero, Zero, 3},
    {91, 95, RandEightDigitNoZero, Enlarge, 1},
    {96, 100, RandEightDigitNoZero, Enlarge, 2},
};

// Also the numeral table of level 5.
constexpr NumberBand kLevel4Numeral[] = {
    {1, 5, RandSixDigitNoZero},
    {6, 10, RandSixDigitNoZero, Zero, 1},
    {11, 15, RandSevenDigitNoZero},
    {16, 20, RandSevenDigitNoZero, Zero, 1},
    {21, 25, RandSevenDigitNoZero},
    {26, 30, RandSevenDigitNoZero, Zero, 1},
    {31, 35, RandSevenDigitNoZero},
    {36, 40, RandSevenDigitNoZero, Zero, 2},
    {41, 45, RandSevenDigitNoZero},
    {46, 50, RandSevenDigitNoZero, Zero, 2},
    {51, 55, RandEightDigitNoZero},
    {56, 60, RandEightDigitNoZero, Zero, 1},
    {61, 65, RandEightDigitNoZero, Zero, 2},
    {66, 70, RandNineDigitNoZero},
    {71, 75, RandNineDigitNoZero, Zero, 1},
    {76, 80, RandNineDigitNoZero, Zero, 2},
    {81, 85, RandTenDigitNoZero},
    {86, 90, RandTenDigitNoZero, Zero, 1},
    {91, 95, RandTenDigitNoZero, Zero, 2},
    {96, 100, RandTenDigitNoZero, Zero, 3},
};

constexpr NumberBand kLevel5Given[] = {
    {1, 4, RandSixDigitNoZero},
    {5, 8, RandSixDigitNoZero, Zero, 1},
    {9, 12, RandSevenDigitNoZero},
    {13, 16, RandSevenDigitNoZero, Zero, 1},
    {17, 20, RandSevenDigitNoZero},
    {21, 24, RandSevenDigitNoZero, Zero, 1},
    {25, 28, RandSevenDigitNoZero},
    {29, 32, RandSevenDigitNoZero, Zero, 2},
    {33, 36, RandSevenDigitNoZero},
    {37, 40, RandSevenDigitNoZero, Zero, 2},
    {41, 44, RandEightDigitNoZero},
    {45, 48, RandEightDigitNoZero, Zero, 1},
    {49, 52, RandEightDigitNoZero, Zero, 2},
    {53, 56, RandNineDigitNoZero},
    {57, 60, RandNineDigitNoZero, Zero, 1},
    {61, 64, RandNineDigitNoZero, Zero, 2},
    {65, 68, RandTenDigitNoZero},
    {69, 72, RandTenDigitNoZero, Zero, 1},
    {73, 76, RandTenDigitNoZero, Zero, 2},
    {77, 80, RandTenDigitNoZero, Zero, 3},
    {81, 84, RandEightDigitNoZero, Enlarge, 1},
    {85, 88, RandEightDigitNoZero, Enlarge, 2},
    {89, 92, RandTenDigitNoZero, Enlarge, 1},
    {93, 96, RandTenDigitNoZero, Enlarge, 2},
    {97, 100, RandTenDigitNoZero, Enlarge, 3},
};

constexpr std::array<DirectionLayout, 5> kLayouts = {{
    {400, 170, 400, 170},
    {470, 170, 320, 320},
    {600, 170, 320, 450},
    {670, 170, 320, 520},
    {700, 170, 350, 520},
}};

TDekTaskRecord GenerateDekNum(RandomSource& rng, int level, std::string_view name) {
    TDekTaskRecord record;
    TaskDraws& draws = record.Draws;
    draws.Generator = name;
    draws.Direction = rng.Random(2) + 1;
    draws.Pair = rng.Random(100) + 1;
    const int direction = draws.Direction;
    const NumberBand& band = FindBand(DekNumTable(level, direction), draws.Pair);

    std::int64_t number = DrawPattern(band.P, rng).Mantissa;
    std::string notation;
    if (band.C == Change::Enlarge) {
        notation = EnlargePlaceCounts(number, band.Count, rng);
    } else {
        if (band.C == Change::Zero) number = ZeroRandomDigits(band.Count, number, rng);
        notation = FormatPlaceValue(number);
    }
    const std::string numeral = std::to_string(number);

    record.IntValue = number;
    if (direction == 1) {
        record.GivenText = notation;
        record.AnswerText = numeral;
        record.AnswerIsNotation = false;
    } else {
        record.GivenText = numeral;
        record.AnswerText = notation;
        record.AnswerIsNotation = true;
    }
    return record;
}

} // namespace

NumberTable DekNumTable(int level, int direction) {
    const bool given = direction == 1;
    switch (level) {
    case 1:
        return kLevel1;
    case 2:
        return given ? NumberTable(kLevel2Given) : NumberTable(kLevel2Numeral);
    case 3:
        return kLevel3;
    case 4:
        return given ? NumberTable(kLevel4Given) : NumberTable(kLevel4Numeral);
    case 5:
        return given ? NumberTable(kLevel5Given) : NumberTable(kLevel4Numeral);
    default:
        throw std::out_of_range("DekNum level must be 1..5");
    }
}

const DirectionLayout& DekNumLayout(int level) {
    return kLayouts.at(static_cast<std::size_t>(level - 1));
}

TDekTaskRecord GenerateDekNum1(RandomSource& rng) {
    return GenerateDekNum(rng, 1, "GenerateDekNum1");
}
TDekTaskRecord GenerateDekNum2(RandomSource& rng) {
    return GenerateDekNum(rng, 2, "GenerateDekNum2");
}
TDekTaskRecord GenerateDekNum3(RandomSource& rng) {
    return GenerateDekNum(rng, 3, "GenerateDekNum3");
}
TDekTaskRecord GenerateDekNum4(RandomSource& rng) {
    return GenerateDekNum(rng, 4, "GenerateDekNum4");
}
TDekTaskRecord GenerateDekNum5(RandomSource& rng) {
    return GenerateDekNum(rng, 5, "GenerateDekNum5");
}

} // namespace quarvel
