#include "decadic/DekDekU.h"

#include "decadic/PlaceValue.h"

#include <array>
#include <stdexcept>
#include <string>

namespace quarvel {

namespace {

using enum Pattern;

constexpr NumberBand kKind1Five[] = {
    {1, 20, RandDigitE1},     {21, 40, RandTwoDigit},    {41, 60, RandDigitE2},
    {61, 80, RandTwoDigitE1}, {81, 100, RandThreeDigit},
};

constexpr NumberBand kKind1Ten[] = {
    {1, 10, RandDigitE1},     {11, 20, RandTwoDigit},     {21, 30, RandDigitE2},
    {31, 40, RandTwoDigitE1}, {41, 50, RandThreeDigit},   {51, 60, RandDigitE3},
    {61, 70, RandTwoDigitE2}, {71, 80, RandThreeDigitE1}, {81, 90, RandFourDigit},
    {91, 100, RandDigitE4},
};

constexpr NumberBand kDistance1[] = {
    {1, 10, RandDigitE1},       {11, 20, RandDigitE2},    {21, 30, RandTwoDigitE1},
    {31, 40, RandDigitE3},      {41, 50, RandTwoDigitE2}, {51, 60, RandThreeDigitE1},
    {61, 70, RandDigitE4},      {71, 80, RandTwoDigitE3}, {81, 90, RandThreeDigitE2},
    {91, 100, RandFourDigitE1},
};
constexpr NumberBand kDistance2[] = {
    {1, 17, RandDigitE2},  {18, 34, RandDigitE3},    {35, 50, RandTwoDigitE2},
    {51, 67, RandDigitE4}, {68, 84, RandTwoDigitE3}, {85, 100, RandThreeDigitE2},
};
constexpr NumberBand kDistance3[] = {
    {1, 17, RandDigitE3},  {18, 34, RandDigitE4},    {35, 50, RandTwoDigitE3},
    {51, 67, RandDigitE5}, {68, 84, RandTwoDigitE4}, {85, 100, RandThreeDigitE3},
};
constexpr NumberBand kDistance4[] = {
    {1, 14, RandDigitE4},       {15, 28, RandDigitE5},    {29, 43, RandTwoDigitE4},
    {44, 57, RandDigitE6},      {58, 71, RandTwoDigitE5}, {72, 86, RandThreeDigitE5},
    {87, 100, RandFourDigitE4},
};
constexpr NumberBand kDistance5[] = {
    {1, 17, RandDigitE5},  {18, 34, RandDigitE6},    {35, 50, RandTwoDigitE5},
    {51, 67, RandDigitE7}, {68, 84, RandTwoDigitE6}, {85, 100, RandThreeDigitE5},
};
constexpr NumberBand kDistance6[] = {
    {1, 33, RandDigitE6},
    {34, 66, RandDigitE7},
    {67, 100, RandTwoDigitE6},
};

// Row: digits 1..9; column: exponent 1..9. Cells with digits + exponent > 10
// are never used and hold RandDigit.
constexpr Pattern kScaled[9][9] = {
    {RandDigitE1, RandDigitE2, RandDigitE3, RandDigitE4, RandDigitE5, RandDigitE6, RandDigitE7,
     RandDigitE8, RandDigitE9},
    {RandTwoDigitE1, RandTwoDigitE2, RandTwoDigitE3, RandTwoDigitE4, RandTwoDigitE5, RandTwoDigitE6,
     RandTwoDigitE7, RandTwoDigitE8, RandDigit},
    {RandThreeDigitE1, RandThreeDigitE2, RandThreeDigitE3, RandThreeDigitE4, RandThreeDigitE5,
     RandThreeDigitE6, RandThreeDigitE7, RandDigit, RandDigit},
    {RandFourDigitE1, RandFourDigitE2, RandFourDigitE3, RandFourDigitE4, RandFourDigitE5,
     RandFourDigitE6, RandDigit, RandDigit, RandDigit},
    {RandFiveDigitE1, RandFiveDigitE2, RandFiveDigitE3, RandFiveDigitE4, RandFiveDigitE5, RandDigit,
     RandDigit, RandDigit, RandDigit},
    {RandSixDigitE1, RandSixDigitE2, RandSixDigitE3, RandSixDigitE4, RandDigit, RandDigit,
     RandDigit, RandDigit, RandDigit},
    {RandSevenDigitE1, RandSevenDigitE2, RandSevenDigitE3, RandDigit, RandDigit, RandDigit,
     RandDigit, RandDigit, RandDigit},
    {RandEightDigitE1, RandEightDigitE2, RandDigit, RandDigit, RandDigit, RandDigit, RandDigit,
     RandDigit, RandDigit},
    {RandNineDigitE1, RandDigit, RandDigit, RandDigit, RandDigit, RandDigit, RandDigit, RandDigit,
     RandDigit},
};

//                        kind draw   K  dist K3  kind 1      left width
constexpr std::array<UnitLevel, 5> kLevels = {{
    {2, 1, 2, 5, 4, 0, kKind1Five, 400, 170},
    {2, 1, 2, 7, 5, 0, kKind1Five, 400, 170},
    {100, 25, 50, 8, 6, 5, kKind1Five, 400, 200},
    {100, 20, 40, 9, 6, 7, kKind1Ten, 450, 200},
    {100, 20, 40, 10, 6, 10, kKind1Ten, 550, 200},
}};

void WriteUnits(TDekTaskRecord& record, std::string_view from, std::string_view to) {
    record.FromUnit = from;
    record.ToUnit = to;
}

TDekTaskRecord GenerateDekDek(RandomSource& rng, int level, std::string_view name) {
    TDekTaskRecord record;
    const UnitLevel& row = DekDekLevel(level);
    TaskDraws& draws = record.Draws;
    draws.Generator = name;
    draws.Direction = rng.Random(row.KindDrawRange) + 1;
    draws.Pair = rng.Random(100) + 1;
    draws.Pattern = rng.Random(100) + 1;
    const int p = draws.Pattern;

    std::int64_t number = 0;
    std::string answer;
    switch (row.KindOf(draws.Direction)) {
    case 1: {
        number = DrawPattern(FindBand(row.Kind1, p).P, rng).Mantissa;
        int a = 0;
        int b = 0;
        do {
            a = rng.Random(row.K) + 1;
            b = rng.Random(row.K) + 1;
        } while (a <= b);
        WriteUnits(record, DecadicSymbol(a), DecadicSymbol(b));
        record.GivenText = std::to_string(number);
        answer = std::to_string(number * PowerOfTen(a - b));
        break;
    }
    case 2: {
        int a = 0;
        int b = 0;
        do {
            a = rng.Random(row.K) + 1;
            b = rng.Random(row.K) + 1;
        } while (a <= b || a - b > row.MaxDistance);
        const int d = a - b;
        WriteUnits(record, DecadicSymbol(b), DecadicSymbol(a));
        number = DrawPattern(FindBand(DistanceTable(d), p).P, rng).Mantissa;
        record.GivenText = std::to_string(number);
        answer = std::to_string(number / PowerOfTen(d));
        break;
    }
    default: {
        int a = 0;
        int b = 0;
        do {
            a = rng.Random(row.K3) + 1;
            b = rng.Random(row.K3) + 1;
        } while (a <= b);
        number = DrawPattern(ScaledPattern(a - b, b), rng).Mantissa;
        WriteUnits(record, "", DecadicSymbol(b));
        record.GivenText = FormatPlaceValue(number);
        answer = std::to_string(number / PowerOfTen(b - 1));
        break;
    }
    }
    record.AnswerText = answer;
    record.IntValue = number;
    record.AnswerIsNotation = false;
    return record;
}

} // namespace

const UnitLevel& DekDekLevel(int level) {
    return kLevels.at(static_cast<std::size_t>(level - 1));
}

NumberTable Kind1FiveBands() {
    return kKind1Five;
}
NumberTable Kind1TenBands() {
    return kKind1Ten;
}

NumberTable DistanceTable(int distance) {
    switch (distance) {
    case 1:
        return kDistance1;
    case 2:
        return kDistance2;
    case 3:
        return kDistance3;
    case 4:
        return kDistance4;
    case 5:
        return kDistance5;
    case 6:
        return kDistance6;
    default:
        throw std::out_of_range("distance must be 1..6");
    }
}

Pattern ScaledPattern(int digits, int exponent) {
    if (digits < 1 || exponent < 1 || digits + exponent > 10) {
        throw std::out_of_range("a scaled pattern has at most ten digits");
    }
    return kScaled[digits - 1][exponent - 1];
}

TDekTaskRecord GenerateDekDek1(RandomSource& rng) {
    return GenerateDekDek(rng, 1, "GenerateDekDek1");
}
TDekTaskRecord GenerateDekDek2(RandomSource& rng) {
    return GenerateDekDek(rng, 2, "GenerateDekDek2");
}
TDekTaskRecord GenerateDekDek3(RandomSource& rng) {
    return GenerateDekDek(rng, 3, "GenerateDekDek3");
}
TDekTaskRecord GenerateDekDek4(RandomSource& rng) {
    return GenerateDekDek(rng, 4, "GenerateDekDek4");
}
TDekTaskRecord GenerateDekDek5(RandomSource& rng) {
    return GenerateDekDek(rng, 5, "GenerateDekDek5");
}

} // namespace quarvel
