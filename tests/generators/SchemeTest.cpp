// The generator engine on worked tasks of every kind of unit: scripted draws
// with known answers, the order of the draws, the answer decimals a band's
// note asks for, trimming, and the answers a float would spoil.

#include "generators/Generators.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace quarvel {
namespace {

using testing::BaseDraws;
using testing::UseScript;

TEST(WriteDecimal, WritesDigitsWithTheCommaShifted) {
    EXPECT_EQ(WriteDecimal({3, 0}, 0, 0), "3");
    EXPECT_EQ(WriteDecimal({45, 3}, 0, 3), "0,045");
    EXPECT_EQ(WriteDecimal({5, 0}, 0, 2), "5,00");
    EXPECT_EQ(WriteDecimal({275, 2}, 2, 0), "275");
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
    EXPECT_EQ(RuleAnswerDecimals(Pattern::RandDigitE5, 3, 2), 0);
    EXPECT_EQ(RuleAnswerDecimals(Pattern::RandFourDigit, 0, 2), 0);
}

TEST(Scheme, FillsOnlyItsLineAndLeavesActiveAndSolvedAlone) {
    AppState state;
    state.TaskSheet[4].Active = true;
    state.TaskSheet[4].Solved = true;
    UseScript(state, {0, 0, 0, 4});
    FindMeasureGenerator("GenerateLaenge1")(state, 4);
    EXPECT_TRUE(state.TaskSheet[4].Active && state.TaskSheet[4].Solved);
    EXPECT_EQ(state.TaskSheet[4].GivenText.str(), "5");
    for (const int line : {1, 2, 3, 5})
        EXPECT_TRUE(state.TaskSheet[line].GivenText.empty());
}

// Generator, direction, PairDraw, PatternDraw, the pattern's base number, and
// the task it must make.
struct WorkedTask {
    std::string_view Generator;
    int Direction, PairDraw, PatternDraw;
    std::int64_t Base;
    std::string_view Given, From, Answer, To;
    int AnswerDecimals;
};

const WorkedTask kWorkedTasks[] = {
    {"GenerateLaenge1", 1, 1, 1, 3, "3", "km", "3000", "m", 0},
    {"GenerateLaenge1", 2, 1, 1, 3, "3000", "m", "3", "km", 0},
    {"GenerateLaenge1", 2, 14, 80, 9, "900000", "m", "900", "km", 0},
    {"GenerateLaenge2", 1, 43, 53, 1234, "1234", "m", "1234000", "mm", 0},
    {"GenerateLaenge2", 1, 1, 59, 11, "1,1", "km", "1100", "m", 0},
    {"GenerateLaenge2", 1, 29, 76, 275, "2,75", "m", "275", "cm", 0},
    // A band's note asks for more decimals than the answer needs, untrimmed.
    {"GenerateLaenge2", 2, 15, 1, 3, "30", "dm", "3,0", "m", 1},
    {"GenerateLaenge3", 2, 29, 21, 5, "500", "cm", "5,00", "m", 2},
    {"GenerateLaenge4", 2, 29, 29, 101, "1010", "cm", "10,10", "m", 2},
    {"GenerateLaenge5", 2, 43, 61, 4, "0,0004", "mm", "0,0000004", "m", 7},
    {"GenerateLaenge5", 1, 1, 32, 123456, "12,3456", "km", "12345,6", "m", 1},
    {"GenerateMasse6", 2, 1, 61, 3, "300000", "kg", "300", "t", 0},
    {"GenerateMasse6", 1, 34, 91, 1001, "1001", "kg", "100100", "dag", 0},
    // Level 2 has a table of its own for mg -> dg; dag -> kg keeps the length table.
    {"GenerateMasse2", 2, 79, 34, 257, "257", "mg", "2,57", "dg", 2},
    {"GenerateMasse2", 2, 90, 100, 1001, "1001", "mg", "10,01", "dg", 2},
    {"GenerateMasse2", 2, 11, 51, 4, "4000", "dag", "40,00", "kg", 2},
    {"GenerateMasse2", 2, 41, 51, 4, "4000", "cg", "40,00", "g", 2},
    {"GenerateMasse3", 2, 79, 21, 5, "500", "mg", "5,00", "dg", 2},
    {"GenerateFlaeche1", 2, 81, 87, 101, "10100", "mm^2", "101", "cm^2", 0},
    {"GenerateFlaeche2", 2, 1, 41, 257, "257", "ha", "2,57", "km^2", 2},
    // From level 2 on an area answer is trimmed at once, whatever the note.
    {"GenerateFlaeche2", 2, 17, 1, 3, "30", "a", "0,3", "ha", 2},
    {"GenerateFlaeche3", 1, 10, 10, 45, "45", "km^2", "450000", "a", 0},
    {"GenerateFlaeche3", 2, 10, 9, 45, "450", "a", "0,045", "km^2", 3},
    {"GenerateFlaeche4", 2, 28, 76, 45, "4,5", "m^2", "0,00045", "ha", 5},
    // A float times a million shows its error in the units place.
    {"GenerateFlaeche4", 1, 15, 46, 162, "16,2", "km^2", "16200000", "m^2", 0},
    {"GenerateFlaeche4", 1, 75, 56, 100001, "100,001", "m^2", "100001000", "mm^2", 0},
    {"GenerateFlaeche5", 1, 55, 40, 100001, "100,001", "a", "100001000", "cm^2", 0},
    {"GenerateFlaeche5", 1, 15, 17, 7, "70000", "km^2", "70000000000", "m^2", 0},
    {"GenerateKubik1", 1, 50, 5, 4, "4", "dm^3", "4000", "cm^3", 0},
    {"GenerateKubik1", 2, 80, 30, 3, "30000", "mm^3", "30", "cm^3", 0},
    {"GenerateKubik2", 2, 50, 70, 3, "300000", "cm^3", "300,0", "dm^3", 1},
    {"GenerateKubik3", 1, 30, 58, 2345, "2,345", "m^3", "2345000", "cm^3", 0},
    {"GenerateKubik3", 2, 30, 50, 4321, "4321", "cm^3", "0,004321", "m^3", 6},
    {"GenerateKubik4", 2, 20, 2, 5, "50", "cm^3", "0,00005", "m^3", 6},
    {"GenerateKubik5", 1, 40, 55, 1234, "1234", "m^3", "1234000000000", "mm^3", 0},
    {"GenerateKubik5", 2, 40, 5, 7, "70000", "mm^3", "0,00007", "m^3", 5},
    {"GenerateLiter1", 1, 95, 95, 4321, "4321", "cl", "43210", "ml", 0},
    {"GenerateLiter1", 2, 50, 70, 3, "300000", "ml", "300", "l", 0},
    {"GenerateLiter2", 2, 5, 45, 123, "123", "l", "1,23", "hl", 2},
    {"GenerateLiter2", 2, 5, 5, 5, "50", "l", "0,5", "hl", 2},
    {"GenerateLiter2", 1, 40, 65, 11, "1,1", "l", "110", "cl", 0},
    {"GenerateLiter3", 1, 35, 43, 9999, "9999", "hl", "999900000", "ml", 0},
    {"GenerateLiter4", 2, 25, 78, 15, "1,5", "cl", "0,00015", "hl", 5},
    {"GenerateLiter5", 2, 35, 99, 12345, "1,2345", "ml", "0,000012345", "hl", 10},
    // Equally large units multiply by one in both directions.
    {"GenerateRaumGemischt1", 1, 15, 55, 345, "345", "dm^3", "345", "l", 0},
    {"GenerateRaumGemischt1", 2, 15, 5, 7, "70", "l", "70", "dm^3", 0},
    {"GenerateRaumGemischt4", 2, 100, 30, 11, "1,1", "cm^3", "1,1", "ml", 1},
    {"GenerateRaumGemischt5", 2, 28, 50, 12345, "12,345", "l", "12,345", "dm^3", 3},
    {"GenerateRaumGemischt1", 2, 45, 70, 3, "300000", "ml", "300", "dm^3", 0},
    // The ml -> dm^3 row of level 2 divides with the level's l -> m^3 table.
    {"GenerateRaumGemischt2", 2, 55, 30, 4321, "4321", "ml", "4,321", "dm^3", 3},
    {"GenerateRaumGemischt2", 2, 12, 30, 4321, "4321", "l", "4,321", "m^3", 3},
    {"GenerateRaumGemischt2", 1, 5, 40, 11, "1,1", "m^3", "11", "hl", 0},
    {"GenerateRaumGemischt3", 2, 5, 20, 45, "45", "hl", "4,5", "m^3", 1},
    {"GenerateRaumGemischt3", 1, 20, 15, 37, "37", "m^3", "370000", "dl", 0},
    {"GenerateRaumGemischt4", 2, 30, 2, 7, "70", "ml", "0,00007", "m^3", 5},
    {"GenerateRaumGemischt5", 1, 23, 18, 8, "80000", "m^3", "80000000000", "ml", 0},
};

// The scheme draws direction, pair and pattern first, then the pattern's own
// digits; a script used up exactly proves that one pattern was called once.
TEST(Scheme, WorkedTasks) {
    for (const WorkedTask& t : kWorkedTasks) {
        SCOPED_TRACE(::testing::Message() << t.Generator << " " << t.Direction << " " << t.PairDraw
                                          << " " << t.PatternDraw);
        AppState state;
        std::vector<int> script{t.Direction - 1, t.PairDraw - 1, t.PatternDraw - 1};
        for (const int draw : BaseDraws(t.Base))
            script.push_back(draw);
        const auto rng = UseScript(state, script);
        FindMeasureGenerator(t.Generator)(state, 2);
        EXPECT_EQ(rng->Remaining(), 0U);
        ASSERT_GE(rng->Calls().size(), 3U);
        EXPECT_EQ(rng->Calls()[0], std::make_pair(2, t.Direction - 1));
        EXPECT_EQ(rng->Calls()[1], std::make_pair(100, t.PairDraw - 1));
        EXPECT_EQ(rng->Calls()[2], std::make_pair(100, t.PatternDraw - 1));
        EXPECT_EQ(state.Draws.PairDraw, t.PairDraw);
        EXPECT_EQ(state.Draws.PatternDraw, t.PatternDraw);
        const TTaskRecord& r = state.TaskSheet[2];
        EXPECT_EQ(r.GivenText.str(), t.Given);
        EXPECT_EQ(r.FromUnit.str(), t.From);
        EXPECT_EQ(r.AnswerText.str(), t.Answer);
        EXPECT_EQ(r.ToUnit.str(), t.To);
        EXPECT_EQ(r.AnswerDecimals, t.AnswerDecimals);
    }
}

} // namespace
} // namespace quarvel
