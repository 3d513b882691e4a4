#include "decadic/DezDezU.h"

#include "decadic/DekDekU.h"
#include "decadic/PlaceValue.h"
#include "drill/AnswerCheck.h"

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

void GenerateDezDez(AppState& state, int index, int level, std::string_view name) {
    TDekTaskRecord& record = state.DekTaskSheet[index];
    const UnitLevel& row = DezDezLevel(level);
    DrawVariables& draws = state.Draws;
    draws.LastGenerator = name;
    draws.DirectionDraw = state.Random(row.KindDrawRange) + 1;
    draws.PairDraw = state.Random(100) + 1;
    draws.PatternDraw = state.Random(100) + 1;
    const int p = draws.PatternDraw;
    RandomSource& rng = *state.Rng;

    switch (row.KindOf(draws.DirectionDraw)) {
    case 1: {
        const std::int64_t count = DrawPattern(FindBand(row.Kind1, p).P, rng).Mantissa;
        int a = 0;
        int b = 0;
        do {
            a = state.Random(row.K) + 1;
            b = state.Random(row.K) + 1;
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
            a = state.Random(row.K) + 1;
            b = state.Random(row.K) + 1;
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
            a = state.Random(row.K3) + 1;
            b = state.Random(row.K3) + 1;
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
    record.AnswerLeft = row.AnswerLeft;
    state.AnswerWidth = row.AnswerWidth;
    state.ToUnitLeft = row.ToUnitLeft();
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

void GenerateDezDez1(AppState& state, int index) {
    GenerateDezDez(state, index, 1, "GenerateDezDez1");
}
void GenerateDezDez2(AppState& state, int index) {
    GenerateDezDez(state, index, 2, "GenerateDezDez2");
}
void GenerateDezDez3(AppState& state, int index) {
    GenerateDezDez(state, index, 3, "GenerateDezDez3");
}
void GenerateDezDez4(AppState& state, int index) {
    GenerateDezDez(state, index, 4, "GenerateDezDez4");
}
void GenerateDezDez5(AppState& state, int index) {
    GenerateDezDez(state, index, 5, "GenerateDezDez5");
}

} // namespace quarvel
