// The generator engine and the length, mass and area generators on worked
// tasks: scripted draws with known answers, the order of the draws, the
// decimals, trimming and layout, and the answers that a float would spoil.

#include "generators/Scheme.h"
#include "generators/FlaechenU.h"
#include "generators/LaengenU.h"
#include "generators/MassenU.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarvel {
namespace {

using testing::UseScript;

struct Task {
    TTaskRecord Record;
    int AnswerWidth;
    int ToUnitLeft;
    std::string_view Generator;
    std::vector<std::pair<int, int>> Calls;
};

// Runs `generate` on `line` with the three draws of the scheme followed by the
// pattern's own draws; the script must be used up exactly.
Task Generate(void (*generate)(AppState&, int), int direction, int pairDraw, int patternDraw,
              std::vector<int> patternDraws, int line = 2) {
    AppState state;
    std::vector<int> script{direction - 1, pairDraw - 1, patternDraw - 1};
    script.insert(script.end(), patternDraws.begin(), patternDraws.end());
    const auto rng = UseScript(state, script);
    generate(state, line);
    EXPECT_EQ(rng->Remaining(), 0U) << "the pattern drew fewer values than scripted";
    EXPECT_EQ(state.Draws.DirectionDraw, direction);
    EXPECT_EQ(state.Draws.PairDraw, pairDraw);
    EXPECT_EQ(state.Draws.PatternDraw, patternDraw);
    return {state.TaskSheet[line], state.AnswerWidth, state.ToUnitLeft, state.Draws.LastGenerator,
            rng->Calls()};
}

void ExpectTask(const Task& task, std::string_view given, std::string_view from,
                std::string_view answer, std::string_view to, int answerDecimals) {
    EXPECT_EQ(task.Record.GivenText.str(), given);
    EXPECT_EQ(task.Record.FromUnit.str(), from);
    EXPECT_EQ(task.Record.AnswerText.str(), answer);
    EXPECT_EQ(task.Record.ToUnit.str(), to);
    EXPECT_EQ(task.Record.AnswerDecimals, answerDecimals);
}

TEST(WriteDecimal, WritesDigitsWithTheCommaShifted) {
    EXPECT_EQ(WriteDecimal({3, 0}, 0, 0), "3");
    EXPECT_EQ(WriteDecimal({45, 3}, 0, 3), "0,045");
    EXPECT_EQ(WriteDecimal({5, 0}, 0, 2), "5,00");
    EXPECT_EQ(WriteDecimal({275, 2}, 2, 0), "275");
    EXPECT_EQ(WriteDecimal({162, 1}, 6, 0), "16200000");
    EXPECT_EQ(WriteDecimal({100001, 3}, 6, 0), "100001000");
    EXPECT_EQ(WriteDecimal({1234, 0}, 9, 0), "1234000000000");
    EXPECT_EQ(WriteDecimal({4, 4}, -3, 7), "0,0000004");
    EXPECT_EQ(WriteDecimal({12345, 4}, -5, 10), "0,0000123450");
    EXPECT_EQ(WriteDecimal({0, 0}, 3, 2), "0,00");
    EXPECT_EQ(WriteDecimal({-25, 1}, 0, 2), "-2,50");
    // Rounding only when a caller asks for fewer places than the value has.
    EXPECT_EQ(WriteDecimal({1995, 3}, 0, 2), "2,00");
    EXPECT_EQ(WriteDecimal({9995, 3}, 0, 2), "10,00");
    EXPECT_EQ(WriteDecimal({1994, 3}, 0, 2), "1,99");
    EXPECT_EQ(WriteDecimal({4, 3}, 0, 2), "0,00");
}

TEST(RuleAnswerDecimals, FollowsDirectionPatternAndZeros) {
    EXPECT_EQ(RuleAnswerDecimals(Pattern::RandDec1p3, 2, 1), 1);
    EXPECT_EQ(RuleAnswerDecimals(Pattern::RandDec1p2, 3, 1), 0);
    EXPECT_EQ(RuleAnswerDecimals(Pattern::RandDec1p2, 3, 2), 5);
    EXPECT_EQ(RuleAnswerDecimals(Pattern::RandTwoDigitE1, 4, 2), 3);
    EXPECT_EQ(RuleAnswerDecimals(Pattern::RandDigitE3, 3, 2), 0);
    EXPECT_EQ(RuleAnswerDecimals(Pattern::RandDigitE5, 3, 2), 0);
    EXPECT_EQ(RuleAnswerDecimals(Pattern::RandFourDigit, 0, 2), 0);
}

TEST(Scheme, DrawsDirectionPairAndPatternBeforeThePatternsOwnDraws) {
    // Level 2 length, "m" -> "mm", RandFourDigit 1234.
    const Task task = Generate(GenerateLaenge2, 1, 43, 53, {23, 3});
    const std::vector<std::pair<int, int>> calls{{2, 0}, {100, 42}, {100, 52}, {900, 23}, {9, 3}};
    EXPECT_EQ(task.Calls, calls);
    ExpectTask(task, "1234", "m", "1234000", "mm", 0);
    EXPECT_EQ(task.Generator, "GenerateLaenge2");
}

TEST(Scheme, FillsOnlyItsLineAndLeavesActiveAndSolvedAlone) {
    AppState state;
    state.TaskSheet[4].Active = true;
    state.TaskSheet[4].Solved = true;
    state.TaskSheet[2].GivenText = "untouched";
    UseScript(state, {0, 0, 0, 4});
    GenerateLaenge1(state, 4);
    EXPECT_TRUE(state.TaskSheet[4].Active);
    EXPECT_TRUE(state.TaskSheet[4].Solved);
    EXPECT_EQ(state.TaskSheet[4].GivenText.str(), "5");
    EXPECT_EQ(state.TaskSheet[4].AnswerLeft, 400);
    EXPECT_EQ(state.TaskSheet[2].GivenText.str(), "untouched");
    for (const int line : {1, 3, 5})
        EXPECT_TRUE(state.TaskSheet[line].FromUnit.empty());
}

TEST(Scheme, DirectionOneStartsFromTheLargerUnit) {
    ExpectTask(Generate(GenerateLaenge1, 1, 1, 1, {2}), "3", "km", "3000", "m", 0);
    ExpectTask(Generate(GenerateLaenge1, 2, 1, 1, {2}), "3000", "m", "3", "km", 0);
}

TEST(Scheme, DecimalValuesKeepTheFloatButTextsComeFromTheDigits) {
    // Level 2 length, "km" -> "m", RandDec1p1 1,1: the float is 1.1f, the text 1100.
    const Task task = Generate(GenerateLaenge2, 1, 1, 59, {0, 0});
    ExpectTask(task, "1,1", "km", "1100", "m", 0);
    EXPECT_EQ(task.Record.GivenValue, static_cast<double>(1.1F));
    EXPECT_EQ(task.Record.GivenDecimals, 1);
    EXPECT_NEAR(task.Record.AnswerValue, 1100.0, 1e-3);
    EXPECT_NE(task.Record.AnswerValue, 1100.0); // the float's error stays in the value
    // 2,75 "m" -> "cm" is written without a comma.
    ExpectTask(Generate(GenerateLaenge2, 1, 29, 76, {17, 4}), "2,75", "m", "275", "cm", 0);
}

TEST(Scheme, IntegerPatternsStoreTheirExactValue) {
    const Task task = Generate(GenerateLaenge1, 2, 43, 61, {6}); // 700000 mm -> m
    ExpectTask(task, "700000", "mm", "700", "m", 0);
    EXPECT_EQ(task.Record.GivenValue, 700000.0);
    EXPECT_EQ(task.Record.AnswerValue, 700.0);
    EXPECT_EQ(task.Record.GivenDecimals, 0);
}

TEST(Length, WorkedTasks) {
    // Level 1: "m" -> "km" with PatternDraw 61 to 80 is RandDigitE5 with answers 100 to 900.
    ExpectTask(Generate(GenerateLaenge1, 2, 1, 61, {0}), "100000", "m", "100", "km", 0);
    ExpectTask(Generate(GenerateLaenge1, 2, 14, 80, {8}), "900000", "m", "900", "km", 0);
    // Level 3: 500 "cm" -> "m" keeps its note's two decimals untrimmed.
    const Task cm = Generate(GenerateLaenge3, 2, 29, 21, {4});
    ExpectTask(cm, "500", "cm", "5,00", "m", 2);
    // Level 5: 0,0004 "mm" -> "m" has seven decimals; 12,3456 "km" gives 12345,6 "m".
    ExpectTask(Generate(GenerateLaenge5, 2, 43, 61, {3}), "0,0004", "mm", "0,0000004", "m", 7);
    ExpectTask(Generate(GenerateLaenge5, 1, 1, 32, {2345, 5}), "12,3456", "km", "12345,6", "m", 1);
    // Level 2, "m" -> "dm" with the note (1 answer decimal): 30 dm -> 3,0 m.
    ExpectTask(Generate(GenerateLaenge2, 2, 15, 1, {2}), "30", "dm", "3,0", "m", 1);
}

TEST(Length, UsesTheNarrowAnswerFieldAndNeverTrims) {
    const Task task = Generate(GenerateLaenge4, 2, 29, 29, {0, 0}); // 1010 cm -> m, note 2
    ExpectTask(task, "1010", "cm", "10,10", "m", 2);
    EXPECT_EQ(task.AnswerWidth, 170);
    EXPECT_EQ(task.ToUnitLeft, 600);
}

TEST(Mass, WorkedTasks) {
    // Level 6: 300 000 "kg" -> "t".
    ExpectTask(Generate(GenerateMasse6, 2, 1, 61, {2}), "300000", "kg", "300", "t", 0);
    ExpectTask(Generate(GenerateMasse6, 1, 34, 91, {0, 0}), "1001", "kg", "100100", "dag", 0);
    // Level 2, "mg" -> "dg" has its own table: 257 mg -> 2,57 dg.
    ExpectTask(Generate(GenerateMasse2, 2, 79, 34, {15, 6}), "257", "mg", "2,57", "dg", 2);
    ExpectTask(Generate(GenerateMasse2, 2, 90, 100, {0, 0}), "1001", "mg", "10,01", "dg", 2);
    // ... while "dag" -> "kg" keeps the length table and its note: 4000 dag -> 40,00 kg.
    ExpectTask(Generate(GenerateMasse2, 2, 11, 51, {3}), "4000", "dag", "40,00", "kg", 2);
    ExpectTask(Generate(GenerateMasse2, 2, 41, 51, {3}), "4000", "cg", "40,00", "g", 2);
    // Level 3 has no table of its own for "mg" -> "dg".
    ExpectTask(Generate(GenerateMasse3, 2, 79, 21, {4}), "500", "mg", "5,00", "dg", 2);
}

TEST(Area, WorkedTasks) {
    // Level 3, "km^2" -> "a" with PatternDraw 10 to 18: RandTwoDigit.
    ExpectTask(Generate(GenerateFlaeche3, 1, 10, 10, {3, 4}), "45", "km^2", "450000", "a", 0);
    // Level 3, 450 "a" -> "km^2" gives 0,045 (3 decimals by the rule).
    ExpectTask(Generate(GenerateFlaeche3, 2, 10, 9, {3, 4}), "450", "a", "0,045", "km^2", 3);
    // Level 2, 257 "ha" -> "km^2".
    ExpectTask(Generate(GenerateFlaeche2, 2, 1, 41, {15, 6}), "257", "ha", "2,57", "km^2", 2);
    // Level 4, 4,5 "m^2" -> "ha".
    ExpectTask(Generate(GenerateFlaeche4, 2, 28, 76, {3, 4}), "4,5", "m^2", "0,00045", "ha", 5);
    // Level 2, 30 "a" -> "ha": two answer decimals, and the text trimmed at once.
    ExpectTask(Generate(GenerateFlaeche2, 2, 17, 1, {2}), "30", "a", "0,3", "ha", 2);
    // Level 5: eleven-digit answers are written in full.
    const Task km = Generate(GenerateFlaeche5, 1, 15, 17, {6});
    ExpectTask(km, "70000", "km^2", "70000000000", "m^2", 0);
    EXPECT_EQ(km.Record.AnswerValue, 70000000000.0);
    EXPECT_EQ(km.AnswerWidth, 190);
    EXPECT_EQ(km.ToUnitLeft, 620);
}

// A float times 1 000 000 shows its error in the units place; the answers come
// from the digits instead.
TEST(Area, MillionFoldAnswersAreExact) {
    // Level 4: "km^2" -> "m^2" with M2 46-50 (RandDec2p1) and "a" -> "cm^2" with M4 56-60.
    ExpectTask(Generate(GenerateFlaeche4, 1, 15, 46, {6, 1}), "16,2", "km^2", "16200000", "m^2", 0);
    ExpectTask(Generate(GenerateFlaeche4, 1, 55, 60, {0, 0}), "100,001", "a", "100001000", "cm^2",
               0);
    ExpectTask(Generate(GenerateFlaeche4, 1, 75, 56, {0, 0}), "100,001", "m^2", "100001000", "mm^2",
               0);
    // Level 5: M3 21-40.
    ExpectTask(Generate(GenerateFlaeche5, 1, 35, 21, {6, 1}), "16,2", "ha", "16200000", "dm^2", 0);
    ExpectTask(Generate(GenerateFlaeche5, 1, 55, 40, {0, 0}), "100,001", "a", "100001000", "cm^2",
               0);
    // The record's value still carries the float's error.
    const Task task = Generate(GenerateFlaeche5, 1, 15, 31, {0, 0});
    EXPECT_NEAR(task.Record.AnswerValue, 100001000.0, 1.0);
    EXPECT_EQ(task.Record.AnswerText.str(), "100001000");
}

TEST(Area, LevelOneNeverTrimsButNeedsNoComma) {
    const Task task = Generate(GenerateFlaeche1, 2, 81, 87, {0, 0}); // 10100 mm^2 -> cm^2
    ExpectTask(task, "10100", "mm^2", "101", "cm^2", 0);
    EXPECT_EQ(task.AnswerWidth, 170);
}

} // namespace
} // namespace quarvel
