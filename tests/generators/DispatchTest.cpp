// The mixing dispatchers: which kind each draw picks at the band edges, the
// shares over many draws, the level they keep, and that they add nothing to
// the task but the choice.

#include "generators/Generators.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using testing::UseScript;

// Draw -> the kind of generator it must reach ("Laenge" for GenerateLaenge<n>).
const std::map<std::string, std::vector<std::pair<int, std::string>>> kEdges = {
    {"MixLM", {{1, "Laenge"}, {50, "Laenge"}, {51, "Masse"}, {100, "Masse"}}},
    {"MixLF", {{1, "Laenge"}, {50, "Laenge"}, {51, "Flaeche"}, {100, "Flaeche"}}},
    {"MixLFM",
     {{1, "Laenge"},
      {33, "Laenge"},
      {34, "Flaeche"},
      {66, "Flaeche"},
      {67, "Masse"},
      {100, "Masse"}}},
    {"MixFR",
     {{1, "Flaeche"},
      {25, "Flaeche"},
      {26, "Kubik"},
      {50, "Kubik"},
      {51, "Liter"},
      {75, "Liter"},
      {76, "RaumGemischt"},
      {100, "RaumGemischt"}}},
    {"MixAlle",
     {{1, "Laenge"},
      {16, "Laenge"},
      {17, "Masse"},
      {33, "Masse"},
      {34, "Flaeche"},
      {49, "Flaeche"},
      {50, "Kubik"},
      {66, "Kubik"},
      {67, "Liter"},
      {82, "Liter"},
      {83, "RaumGemischt"},
      {100, "RaumGemischt"}}},
};

// Shares in 100 of each kind.
const std::map<std::string, std::map<std::string, int>> kShares = {
    {"MixLM", {{"Laenge", 50}, {"Masse", 50}}},
    {"MixLF", {{"Laenge", 50}, {"Flaeche", 50}}},
    {"MixLFM", {{"Laenge", 33}, {"Flaeche", 33}, {"Masse", 34}}},
    {"MixFR", {{"Flaeche", 25}, {"Kubik", 25}, {"Liter", 25}, {"RaumGemischt", 25}}},
    {"MixAlle",
     {{"Laenge", 16},
      {"Masse", 17},
      {"Flaeche", 16},
      {"Kubik", 17},
      {"Liter", 16},
      {"RaumGemischt", 18}}},
};

// "GenerateRaumGemischt4" -> "RaumGemischt".
std::string KindOf(std::string_view generator) {
    std::string kind(generator.substr(8));
    kind.pop_back();
    return kind;
}

TEST(Dispatchers, BandEdgesPickTheirKindAtTheDispatchersLevel) {
    SeededRandom engine(17);
    for (const auto& [family, edges] : kEdges) {
        for (int level = 1; level <= 5; ++level) {
            const std::string name = family + std::to_string(level);
            const GeneratorFn dispatch = FindMeasureGenerator(name);
            ASSERT_NE(dispatch, nullptr) << name;
            for (const auto& [draw, kind] : edges) {
                AppState state;
                const auto rng = UseScript(state, {draw - 1}, &engine);
                dispatch(state, 5);
                EXPECT_EQ(state.Draws.LastGenerator, "Generate" + kind + std::to_string(level))
                    << name << " with draw " << draw;
                // The dispatcher's draw comes first; the generator then draws its own
                // PairDraw, which is what the variable holds afterwards.
                ASSERT_GE(rng->Calls().size(), 4U);
                EXPECT_EQ(rng->Calls()[0], std::make_pair(100, draw - 1));
                EXPECT_EQ(rng->Calls()[1].first, 2);
                EXPECT_EQ(state.Draws.PairDraw, rng->Calls()[2].second + 1);
                EXPECT_FALSE(state.TaskSheet[5].FromUnit.empty());
            }
        }
    }
}

TEST(Dispatchers, SharesFollowTheBands) {
    constexpr int kCalls = 15000;
    SeededRandom engine(2024);
    for (const auto& [family, shares] : kShares) {
        std::map<std::string, int> counts;
        AppState state;
        state.Rng = std::make_shared<SeededRandom>(engine.Random(1 << 30));
        const GeneratorFn dispatch = FindMeasureGenerator(family + "3");
        for (int i = 0; i < kCalls; ++i) {
            dispatch(state, 1 + i % 5);
            ASSERT_TRUE(state.Draws.LastGenerator.ends_with("3")) << state.Draws.LastGenerator;
            ++counts[KindOf(state.Draws.LastGenerator)];
        }
        ASSERT_EQ(counts.size(), shares.size()) << family;
        for (const auto& [kind, share] : shares) {
            // Three standard deviations are at most 1.2 percentage points here.
            EXPECT_NEAR(100.0 * counts[kind] / kCalls, share, 1.3) << family << " " << kind;
        }
    }
}

// A dispatched line is exactly the line the generator fills when called
// directly with the draws that follow the dispatcher's own.
TEST(Dispatchers, AddNothingButTheChoice) {
    const std::vector<int> generatorDraws{1, 54, 72, 3, 0};
    AppState direct;
    UseScript(direct, generatorDraws);
    FindMeasureGenerator("GenerateMasse4")(direct, 2);

    AppState dispatched;
    std::vector<int> script{16}; // draw 17: mass in MixAlle
    script.insert(script.end(), generatorDraws.begin(), generatorDraws.end());
    const auto rng = UseScript(dispatched, script);
    FindMeasureGenerator("MixAlle4")(dispatched, 2);
    EXPECT_EQ(rng->Remaining(), 0U);

    const TTaskRecord& a = direct.TaskSheet[2];
    const TTaskRecord& b = dispatched.TaskSheet[2];
    EXPECT_EQ(a.GivenText, b.GivenText);
    EXPECT_EQ(a.AnswerText, b.AnswerText);
    EXPECT_EQ(a.FromUnit, b.FromUnit);
    EXPECT_EQ(a.ToUnit, b.ToUnit);
    EXPECT_EQ(a.GivenValue, b.GivenValue);
    EXPECT_EQ(a.AnswerValue, b.AnswerValue);
    EXPECT_EQ(a.AnswerDecimals, b.AnswerDecimals);
    EXPECT_EQ(direct.Draws.PairDraw, dispatched.Draws.PairDraw);
    EXPECT_EQ(direct.Draws.PatternDraw, dispatched.Draws.PatternDraw);
    EXPECT_EQ(b.FromUnit.str(), "mg");
    EXPECT_EQ(b.ToUnit.str(), "g");
}

} // namespace
} // namespace quarvel
