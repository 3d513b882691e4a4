#include "decadic/DezDezU.h"

#include "core/AnswerText.h"
#include "decadic/DekDekU.h"
#include "decadic/PlaceValue.h"

#include <array>
#include <stdexcept>
#include <string>

namespace quarvel {

namespace {

using enum Pattern;

// The hundred-millionth: its answer is the shifted digits of the number.
constexpr int kLastDecimalPlace = 8;

constexpr std::array<Pattern, 7> kFractions = {RandDec0p1, RandDec0p2, RandDec0p3, RandDec0p4,
                                               RandDec0p5, RandDec0p6, RandDec0p7};

// number x 10^place as a whole number, from the exact digits.
std::string WholeCount(const ExactNumber& number, int place) {
    if (place == kLastDecimalPlace) {
        const std::string numeral = FixedNumeral(number, number.Decimals);
        return TrimTrailingZeros(ShiftDecimalDigits(numeral, number.Decimals, place));
    }
    return std::to_string(number.Mantissa * PowerOfTen(place - number.Decimals));
}

TDekTaskRecord GenerateDezDez(RandomSource& rng, int level, std::string_view name) {
    TDekTaskRecord record;
    const UnitLevel& row = DezDezLevel(level);
    TaskDraws& draws = record.Draws;
    draws.Generator = name;
    draws.Direction = rng.Random(row.KindDrawRange) + 1;
    draws.Pair = rng.Random(100) + 1;
    draws.Pattern = rng.Random(100) + 1;
    const int p = draws.Pattern;

    switch (row.KindOf(draws.Direction)) {
    case 1: {
        const std::int64_t count = DrawPattern(FindBand(row.Kind1, p).P, rng).Mantissa;
        int a = 0;
        int b = 0;
        do {
            a = rng.Random(row.K) + 1;
            b = rng.Random(row.K) + 1;
        } while (a <= b);
        // A larger index is a smaller unit: b is the unit given.
        record.FromUnit = DecimalSymbol(b);
        record.ToUnit = DecimalSymbol(a);
        record.IntValue = count;
        record.GivenText = std::to_string(count);
        record.AnswerText = std::to_string(count * PowerOfTen(a - b));
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
        record.FromUnit = DecimalSymbol(a);
        record.ToUnit = DecimalSymbol(b);
        const std::int64_t count = DrawPattern(FindBand(DistanceTable(d), p).P, rng).Mantissa;
        record.IntValue = count;
        record.GivenText = std::to_string(count);
        record.AnswerText = std::to_string(count / PowerOfTen(d));
        break;
    }
    default: {
        int a = 0;
        int b = 0;
        do {
            a = rng.Random(row.K3) + 1;
            b = rng.Random(row.K3) + 1;
        } while (b <= a);
        const ExactNumber number = DrawPattern(DecimalFractionPattern(a), rng);
        record.DecExact = number;
        record.DecValue = number.AsFloat();
        record.FromUnit = "";
        record.ToUnit = DecimalSymbol(b);
        record.GivenText = FormatDecimalPlaceValue(number, a);
        record.AnswerText = WholeCount(number, b);
        break;
    }
    }
    record.AnswerIsNotation = false;
    return record;
}

} // namespace

const UnitLevel& DezDezLevel(int level) {
    // Built on first use: the kind-1 tables live with the decadic generators.
    //                                   kind draw   K  dist K3  kind 1            left width
    static const std::array<UnitLevel, 5> levels = {{
        {2, 1, 2, 4, 3, 0, Kind1FiveBands(), 400, 170},
        {2, 1, 2, 5, 4, 0, Kind1FiveBands(), 400, 170},
        {100, 25, 50, 6, 5, 5, Kind1FiveBands(), 400, 200},
        {100, 15, 30, 7, 6, 6, Kind1TenBands(), 450, 200},
        {100, 10, 20, 8, 6, 8, Kind1TenBands(), 450, 200},
    }};
    return levels.at(static_cast<std::size_t>(level - 1));
}

Pattern DecimalFractionPattern(int decimals) {
    return kFractions.at(static_cast<std::size_t>(decimals - 1));
}

TDekTaskRecord GenerateDezDez1(RandomSource& rng) {
    return GenerateDezDez(rng, 1, "GenerateDezDez1");
}
TDekTaskRecord GenerateDezDez2(RandomSource& rng) {
    return GenerateDezDez(rng, 2, "GenerateDezDez2");
}
TDekTaskRecord GenerateDezDez3(RandomSource& rng) {
    return GenerateDezDez(rng, 3, "GenerateDezDez3");
}
TDekTaskRecord GenerateDezDez4(RandomSource& rng) {
    return GenerateDezDez(rng, 4, "GenerateDezDez4");
}
TDekTaskRecord GenerateDezDez5(RandomSource& rng) {
    return GenerateDezDez(rng, 5, "GenerateDezDez5");
}

} // namespace quarvel
