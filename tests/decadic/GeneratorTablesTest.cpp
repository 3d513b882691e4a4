#include "decadic/DecadicGenerators.h"
#include "decadic/DekDekU.h"
#include "decadic/DekNumU.h"
#include "decadic/DezDezU.h"
#include "decadic/DezNumU.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quarvel {
namespace {

// Bands in order, from 1 to 100, without gap or overlap.
void ExpectCoversOneToHundred(NumberTable table, const std::string& name) {
    SCOPED_TRACE(name);
    ASSERT_FALSE(table.empty());
    int next = 1;
    for (const NumberBand& band : table) {
        EXPECT_EQ(band.Lo, next);
        EXPECT_LE(band.Lo, band.Hi);
        next = band.Hi + 1;
    }
    EXPECT_EQ(next, 101);
}

// Digits a pattern's number has, and how many of them after the first can be non-zero.
int DigitsOf(Pattern p) {
    const std::string_view name = Info(p).Name;
    constexpr std::pair<std::string_view, int> kWords[] = {
        {"Ten", 10}, {"Nine", 9}, {"Eight", 8}, {"Seven", 7}, {"Six", 6},
        {"Five", 5}, {"Four", 4}, {"Three", 3}, {"Two", 2},
    };
    for (const auto& [word, n] : kWords) {
        if (name.find(word) != std::string_view::npos) return n;
    }
    return 1;
}

TEST(DecadicTables, EveryNumberTableCoversOneToHundred) {
    for (int level = 1; level <= 5; ++level) {
        for (int direction = 1; direction <= 2; ++direction) {
            const std::string at = std::to_string(level) + "/" + std::to_string(direction);
            ExpectCoversOneToHundred(DekNumTable(level, direction), "DekNum " + at);
            ExpectCoversOneToHundred(DezNumTable(level, direction), "DezNum " + at);
        }
    }
    ExpectCoversOneToHundred(Kind1FiveBands(), "kind 1, five bands");
    ExpectCoversOneToHundred(Kind1TenBands(), "kind 1, ten bands");
    EXPECT_EQ(Kind1FiveBands().size(), 5U);
    EXPECT_EQ(Kind1TenBands().size(), 10U);
    for (int d = 1; d <= 6; ++d)
        ExpectCoversOneToHundred(DistanceTable(d), "distance " + std::to_string(d));
}

TEST(DecadicTables, DistanceTablesHoldMultiplesOfTheirFactor) {
    for (int d = 1; d <= 6; ++d) {
        for (const NumberBand& band : DistanceTable(d)) {
            EXPECT_GE(Info(band.P).Exponent, d) << Info(band.P).Name << " at distance " << d;
            EXPECT_EQ(band.C, Change::None);
        }
    }
    EXPECT_THROW(DistanceTable(7), std::out_of_range);
}

TEST(DecadicTables, ChangesNeverAskMoreThanANumberAllows) {
    // Zeroing needs that many non-zero digits after the first; enlarging at
    // most three counts. Then the clamps of the notation never engage.
    for (int level = 1; level <= 5; ++level) {
        for (int direction = 1; direction <= 2; ++direction) {
            for (const NumberTable table :
                 {DekNumTable(level, direction), DezNumTable(level, direction)}) {
                for (const NumberBand& band : table) {
                    const int decimals = Info(band.P).Decimals;
                    // A decimal keeps its first and last digit; an integer its first,
                    // and RandThreeDigit may already have a zero in the middle.
                    const int changeable = decimals > 0 ? decimals - 1
                                           : band.P == Pattern::RandThreeDigit
                                               ? 1
                                               : DigitsOf(band.P) - 1;
                    const int most = band.C == Change::Zero      ? changeable
                                     : band.C == Change::Enlarge ? (direction == 1 ? 3 : 0)
                                                                 : 0;
                    EXPECT_TRUE(band.C == Change::None ? band.Count == 0
                                                       : band.Count >= 1 && band.Count <= most)
                        << Info(band.P).Name << " level " << level << " direction " << direction;
                }
            }
        }
    }
}

TEST(DecadicTables, DecimalNumbersHaveOneUnitsDigit) {
    for (int level = 1; level <= 5; ++level) {
        for (int direction = 1; direction <= 2; ++direction) {
            for (const NumberBand& band : DezNumTable(level, direction))
                EXPECT_TRUE(Info(band.P).Name.starts_with("RandDec1p")) << Info(band.P).Name;
        }
    }
    for (int a = 1; a <= 7; ++a)
        EXPECT_EQ(Info(DecimalFractionPattern(a)).Name, "RandDec0p" + std::to_string(a));
}

TEST(DecadicTables, ScaledPatternsByDigitsAndExponent) {
    constexpr std::string_view kBases[] = {"RandDigit",      "RandTwoDigit",   "RandThreeDigit",
                                           "RandFourDigit",  "RandFiveDigit",  "RandSixDigit",
                                           "RandSevenDigit", "RandEightDigit", "RandNineDigit"};
    for (int n = 1; n <= 9; ++n) {
        for (int k = 1; n + k <= 10; ++k) {
            EXPECT_EQ(Info(ScaledPattern(n, k)).Name,
                      std::string(kBases[n - 1]) + "E" + std::to_string(k));
        }
        EXPECT_THROW(ScaledPattern(n, 11 - n), std::out_of_range);
    }
}

TEST(DecadicTables, UnitLevelsStayWithinTheirTables) {
    // No unit beyond the tables; no kind-2 distance beyond the distance tables.
    for (int level = 1; level <= 5; ++level) {
        for (const auto& [row, places] :
             {std::pair{DekDekLevel(level), 10}, {DezDezLevel(level), 8}}) {
            EXPECT_LE(std::max(row.K, row.K3), places);
            EXPECT_LE(row.MaxDistance, 6);
            EXPECT_EQ(row.Kind1.size(), level <= 3 ? 5U : 10U);
        }
    }
}

TEST(DecadicGenerators, TwentyGeneratorsByNameAndLevel) {
    std::set<std::string_view> names;
    for (const NamedDecadicGenerator& g : DecadicGenerators()) {
        names.insert(g.Name);
        EXPECT_EQ(FindDecadicGenerator(g.Name), &g);
        EXPECT_EQ(FindDecadicGenerator(g.Training, g.Level), &g);
        EXPECT_EQ(g.Name.back() - '0', g.Level);
        AppState state;
        state.Rng = std::make_shared<SeededRandom>(1);
        g.Generate(state, 1);
        EXPECT_EQ(state.Draws.LastGenerator, g.Name);
    }
    EXPECT_EQ(names.size(), 20U);
    EXPECT_EQ(FindDecadicGenerator("GenerateDekNum6"), nullptr);
    EXPECT_EQ(FindDecadicGenerator(DekTraining::DezDez, 0), nullptr);
}

TEST(DekWindowTitle, NamesTheFamilyAndTheLevel) {
    const auto title = [](int SelectionState::*field, int level) {
        SelectionState s;
        s.*field = level;
        return DekWindowTitle(s);
    };
    EXPECT_EQ(title(&SelectionState::LevelDekDek, 2), "Dekadische Einheiten: ANFÄNGER");
    EXPECT_EQ(title(&SelectionState::LevelDezNum, 4), "Dezimale Einheiten: KÖNNER");
    EXPECT_EQ(title(&SelectionState::LevelDezDez, 5), "Dezimale Einheiten: PROFI");
    EXPECT_EQ(title(&SelectionState::LevelDekNum, 1), "Dekadische Einheiten: NEUEINSTEIGER");
    EXPECT_EQ(title(&SelectionState::LevelDekNum, 7), ""); // out of range: nothing selected
    EXPECT_EQ(title(&SelectionState::LevelLaenge, 3), "");
}

TEST(FillDekLine, EveryLineActiveWithTheWidthOfItsOwnDirection) {
    AppState state;
    state.Rng = std::make_shared<SeededRandom>(42);
    state.Selection.LevelDezNum = 4;
    for (int line = 1; line <= kLines; ++line) {
        FillDekLine(state, line);
        const TDekTaskRecord& r = state.DekTaskSheet[line];
        EXPECT_TRUE(r.Active);
        EXPECT_EQ(state.AnswerWidth, r.AnswerIsNotation ? 450 : 170);
        EXPECT_EQ(r.AnswerLeft, r.AnswerIsNotation ? 320 : 600);
    }
    EXPECT_EQ(state.Draws.LastGenerator, "GenerateDezNum4");
}

TEST(FillDekLine, NoDecadicLevelLeavesTheSheetEmpty) {
    AppState state;
    state.Rng = std::make_shared<ScriptedRandom>(std::vector<int>{});
    state.Selection.LevelLaenge = 3;
    for (int line = 1; line <= kLines; ++line) FillDekLine(state, line);
    for (const TDekTaskRecord& r : state.DekTaskSheet)
        EXPECT_FALSE(r.Active);
}

TEST(ClearDekTaskRecords, KeepsUnitsAndPlaceButEmptiesTheRest) {
    AppState state;
    state.Rng = std::make_shared<SeededRandom>(3);
    state.Selection.LevelDezDez = 5;
    for (int line = 1; line <= kLines; ++line) FillDekLine(state, line);
    TDekTaskSheet before = state.DekTaskSheet;
    ClearDekTaskRecords(state.DekTaskSheet);
    for (int line = 1; line <= kLines; ++line) {
        const TDekTaskRecord& r = state.DekTaskSheet[line];
        EXPECT_TRUE(r.IntValue == 0 && r.DecValue == 0.0F && r.DecExact == ExactNumber{});
        EXPECT_TRUE(r.GivenText.empty() && r.AnswerText.empty());
        EXPECT_FALSE(r.AnswerIsNotation || r.Active || r.Solved || r.AnswerHasComma);
        EXPECT_TRUE(r.FromUnit == before[line].FromUnit && r.ToUnit == before[line].ToUnit);
        EXPECT_EQ(r.AnswerLeft, before[line].AnswerLeft);
    }
}

} // namespace
} // namespace quarvel
