// The mixing dispatchers: which kind each draw picks at the band edges, the
// level they keep, and that they add nothing to the task but the choice.

#include "generators/Generators.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using testing::UseScript;

// The first draw of each band and the kind of generator it reaches
// ("Laenge" for GenerateLaenge<n>); the last band ends at 100.
const std::map<std::string, std::vector<std::pair<int, std::string>>> kBands = {
    {"MixLM", {{1, "Laenge"}, {51, "Masse"}}},
    {"MixLF", {{1, "Laenge"}, {51, "Flaeche"}}},
    {"MixLFM", {{1, "Laenge"}, {34, "Flaeche"}, {67, "Masse"}}},
    {"MixFR", {{1, "Flaeche"}, {26, "Kubik"}, {51, "Liter"}, {76, "RaumGemischt"}}},
    {"MixAlle",
     {{1, "Laenge"},
      {17, "Masse"},
      {34, "Flaeche"},
      {50, "Kubik"},
      {67, "Liter"},
      {83, "RaumGemischt"}}},
};

TEST(Dispatchers, BandEdgesPickTheirKindAtTheDispatchersLevel) {
    SeededRandom engine(17);
    for (const auto& [family, bands] : kBands) {
        for (int level = 1; level <= 5; ++level) {
            const std::string name = family + std::to_string(level);
            for (std::size_t i = 0; i < bands.size(); ++i) {
                const int last = i + 1 < bands.size() ? bands[i + 1].first - 1 : 100;
                for (const int draw : {bands[i].first, last}) {
                    AppState state;
                    const auto rng = UseScript(state, {draw - 1}, &engine);
                    FindMeasureGenerator(name)(state, 5);
                    EXPECT_EQ(state.Draws.LastGenerator,
                              "Generate" + bands[i].second + std::to_string(level))
                        << name << " with draw " << draw;
                    // The dispatcher draws 1..100 once, before the generator's own draws.
                    EXPECT_EQ(rng->Calls()[0], std::make_pair(100, draw - 1));
                    EXPECT_EQ(rng->Calls()[1].first, 2);
                }
            }
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
    EXPECT_EQ(b.FromUnit.str() + " " + b.GivenText.str() + " " + b.ToUnit.str() + " " +
                  b.AnswerText.str(),
              a.FromUnit.str() + " " + a.GivenText.str() + " " + a.ToUnit.str() + " " +
                  a.AnswerText.str());
    EXPECT_EQ(b.FromUnit.str(), "mg");
    EXPECT_EQ(b.AnswerValue, a.AnswerValue);
    EXPECT_EQ(b.AnswerDecimals, a.AnswerDecimals);
    EXPECT_EQ(dispatched.Draws.PairDraw, direct.Draws.PairDraw);
}

} // namespace
} // namespace quarvel
