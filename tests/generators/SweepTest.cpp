// The sweep: every generator, both directions, both ends of every pair band and
// of every pattern band, with the pattern's own draws at their smallest, their
// largest and at random. Each task is judged against the tests' own unit
// catalogue and decimal arithmetic on texts, independent of the tables and the
// engine. Then worked tasks for what the tables alone decide,
// and every dispatcher at both ends of every band.

#include "generators/Generators.h"

#include "../solution/Oracle.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace quarvel {
namespace {

using namespace testing;
using oracle::Canonical;
using oracle::kExponent;

// The units a generator may use, between blanks.
constexpr std::string_view kLength = " km m dm cm mm ";
constexpr std::string_view kMass = " t kg dag g dg cg mg ";
constexpr std::string_view kArea = " km^2 ha a m^2 dm^2 cm^2 mm^2 ";
constexpr std::string_view kCubic = " m^3 dm^3 cm^3 mm^3 ";
constexpr std::string_view kLitre = " hl l dl cl ml ";
constexpr std::string_view kMixed = " m^3 dm^3 cm^3 mm^3 hl l dl cl ml "; // one of each

// What each generator (GenerateLaenge1 ...) promises: its units, its answer field, whether it trims
// the answer, the most decimals its given values and its answers have, and
// whether direction 1 reads the given value back from its text (always, or
// only for factors of 1000 and more) instead of keeping a pattern's float.
struct Promise {
    std::string_view Units;
    int AnswerWidth;
    bool Trims;
    int MaxGivenDecimals, MaxAnswerDecimals;
    GivenRounding Rounding = GivenRounding::None;
};

constexpr auto kAll = GivenRounding::Direction1;
constexpr auto kBig = GivenRounding::Direction1Large;

// clang-format off
const std::map<std::string, Promise, std::less<>> kPromises = {
    {"Laenge1", {kLength, 170, false, 0, 0}}, {"Laenge2", {kLength, 170, false, 3, 3}},
    {"Laenge3", {kLength, 170, false, 3, 3}}, {"Laenge4", {kLength, 170, false, 3, 5}},
    {"Laenge5", {kLength, 170, false, 5, 8}},
    {"Masse1", {kMass, 170, false, 0, 0}}, {"Masse2", {kMass, 170, false, 3, 3}},
    {"Masse3", {kMass, 170, false, 3, 3}}, {"Masse4", {kMass, 170, false, 3, 5}},
    {"Masse5", {kMass, 170, false, 5, 8}}, {"Masse6", {" t kg dag g ", 170, false, 0, 0}},
    {"Flaeche1", {kArea, 170, false, 0, 0}}, {"Flaeche2", {kArea, 170, true, 3, 3}},
    {"Flaeche3", {kArea, 170, true, 3, 4}}, {"Flaeche4", {kArea, 170, true, 5, 7}},
    {"Flaeche5", {kArea, 190, true, 5, 10}},
    {"Kubik1", {kCubic, 170, false, 0, 0}}, {"Kubik2", {kCubic, 170, false, 2, 3}},
    {"Kubik3", {kCubic, 170, true, 3, 6, kAll}}, {"Kubik4", {kCubic, 170, true, 5, 9, kAll}},
    {"Kubik5", {kCubic, 170, true, 5, 10, kAll}},
    {"Liter1", {kLitre, 170, false, 0, 0}}, {"Liter2", {kLitre, 190, true, 3, 3, kBig}},
    {"Liter3", {kLitre, 190, true, 3, 5, kBig}}, {"Liter4", {kLitre, 190, true, 5, 6, kBig}},
    {"Liter5", {kLitre, 190, true, 5, 9, kBig}},
    {"RaumGemischt1", {kMixed, 170, false, 0, 0, kBig}},
    {"RaumGemischt2", {kMixed, 190, true, 3, 4, kBig}},
    {"RaumGemischt3", {kMixed, 190, true, 3, 5, kBig}},
    {"RaumGemischt4", {kMixed, 190, true, 5, 7, kBig}},
    {"RaumGemischt5", {kMixed, 190, true, 5, 10, kBig}},
};
// clang-format on

// A decimal-comma text as strtod and strtof read it.
std::string Dotted(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

bool Lists(std::string_view units, const std::string& unit) {
    return units.find(" " + unit + " ") != std::string_view::npos;
}

// One fault makes a message; the text is built only then, since the sweep
// judges some ninety thousand tasks.
#define SWEEP_EXPECT(condition, message)                                                           \
    if (!(condition)) return std::string(message)

// Fills line 3 with the scripted draws, the pattern's own coming from `digits`,
// and judges the task; returns what is wrong, or "". `seen` keeps the most
// decimals of given values and of answers.
std::string Check(const GeneratorTable& table, const Promise& promise, int direction, int pairDraw,
                  int patternDraw, int note, RandomSource& digits, std::pair<int, int>& seen) {
    AppState state;
    state.TaskSheet[3].Active = true;
    UseScript(state, {direction - 1, pairDraw - 1, patternDraw - 1}, &digits);
    FindMeasureGenerator(table.Name)(state, 3);
    const TTaskRecord& r = state.TaskSheet[3];
    SWEEP_EXPECT(state.Draws.LastGenerator == table.Name && r.Active && !r.Solved,
                 "LastGenerator, Active or Solved");
    SWEEP_EXPECT(state.TaskSheet[2].GivenText.empty() && state.TaskSheet[4].GivenText.empty(),
                 "another line was written");

    // Units: both of this generator, a cubic and a litre unit where it mixes
    // them, direction 1 from the larger unit.
    const std::string from = r.FromUnit.str(), to = r.ToUnit.str();
    const std::string units = from + " -> " + to;
    SWEEP_EXPECT(Lists(promise.Units, from) && Lists(promise.Units, to), "units " + units);
    SWEEP_EXPECT(promise.Units != kMixed || Lists(kLitre, from) != Lists(kLitre, to),
                 "not one cubic and one litre unit: " + units);
    const int shift = kExponent.at(from) - kExponent.at(to);
    SWEEP_EXPECT(direction == 1 ? shift >= 0 : shift <= 0, "direction goes " + units);

    // The given text is the pattern's value with its own decimals; the answer
    // is that text with the comma moved by the catalogue's factor.
    const std::string given = r.GivenText.str();
    SWEEP_EXPECT(DecimalsOf(given) == r.GivenDecimals && Canonical(given) == given,
                 "GivenDecimals of " + given + ", or a zero decimal at its end");
    const std::string expected = oracle::Shift(given, shift);
    const std::string answer = r.AnswerText.str();
    const std::string task = given + " " + units + " gave " + answer + ", not " + expected;
    SWEEP_EXPECT(given.size() < r.GivenText.capacity() && answer.size() < r.AnswerText.capacity(),
                 "text may be cut: " + task);
    SWEEP_EXPECT(Canonical(answer) == expected, task);
    const int needed = DecimalsOf(expected);
    SWEEP_EXPECT(r.AnswerDecimals == std::max(note, needed), "AnswerDecimals of " + task);
    SWEEP_EXPECT(promise.Trims ? answer == expected : DecimalsOf(answer) == r.AnswerDecimals,
                 "trimmed or not as promised: " + task);

    // The values follow the texts: exactly where a level reads the given value
    // back from its text, otherwise up to the float of a decimal pattern.
    const bool readBack =
        direction == 1 && (promise.Rounding == kAll || (promise.Rounding == kBig && shift >= 3));
    const bool exactGiven = readBack || r.GivenDecimals == 0;
    SWEEP_EXPECT(r.GivenValue == (exactGiven ? std::stod(Dotted(given)) : std::stof(Dotted(given))),
                 "GivenValue of " + task);
    const double exact = std::stod(Dotted(expected));
    const double error = std::abs(r.AnswerValue - exact);
    SWEEP_EXPECT(readBack ? error == 0 : error <= 1e-6 * exact, "AnswerValue of " + task);
    SWEEP_EXPECT(r.AnswerLeft == 400 && state.AnswerWidth == promise.AnswerWidth &&
                     state.ToUnitLeft == 400 + promise.AnswerWidth + 30,
                 "layout");

    seen = {std::max(seen.first, r.GivenDecimals), std::max(seen.second, needed)};
    return "";
}

#undef SWEEP_EXPECT

class SweepGenerator : public ::testing::TestWithParam<GeneratorTable> {};

TEST_P(SweepGenerator, EveryBandGivesAnExactAnswer) {
    // Every generator has a promise, and every promise a generator.
    ASSERT_EQ(AllTables().size(), kPromises.size());
    const GeneratorTable& table = GetParam();
    const Promise& promise = kPromises.at(std::string(table.Name.substr(8)));
    ExtremeRandom smallest(false);
    ExtremeRandom largest(true);
    SeededRandom engine(4711);
    std::pair<int, int> seen;
    for (const PairBand& pair : table.Pairs) {
        for (const int direction : {1, 2}) {
            for (const PatternBand& band : direction == 1 ? pair.M : pair.D) {
                for (const int pairDraw : {pair.Lo, pair.Hi}) {
                    for (const int patternDraw : {band.Lo, band.Hi}) {
                        for (RandomSource* digits :
                             std::initializer_list<RandomSource*>{&smallest, &largest, &engine}) {
                            const std::string fault =
                                Check(table, promise, direction, pairDraw, patternDraw,
                                      band.AnswerDecimals, *digits, seen);
                            ASSERT_EQ(fault, "") << "direction " << direction << " PairDraw "
                                                 << pairDraw << " PatternDraw " << patternDraw;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(seen, std::pair(promise.MaxGivenDecimals, promise.MaxAnswerDecimals));
}

INSTANTIATE_TEST_SUITE_P(AllGenerators, SweepGenerator, ::testing::ValuesIn(AllTables()),
                         [](const auto& info) { return std::string(info.param.Name); });

// The first draw of each band of a dispatcher family and the kind of generator
// it reaches ("Laenge" for GenerateLaenge<n>); the last band ends at 100.
// clang-format off
const std::map<std::string, std::vector<std::pair<int, std::string>>> kDispatchers = {
    {"MixLM", {{1, "Laenge"}, {51, "Masse"}}},
    {"MixLF", {{1, "Laenge"}, {51, "Flaeche"}}},
    {"MixLFM", {{1, "Laenge"}, {34, "Flaeche"}, {67, "Masse"}}},
    {"MixFR", {{1, "Flaeche"}, {26, "Kubik"}, {51, "Liter"}, {76, "RaumGemischt"}}},
    {"MixAlle", {{1, "Laenge"}, {17, "Masse"}, {34, "Flaeche"}, {50, "Kubik"}, {67, "Liter"},
                 {83, "RaumGemischt"}}},
};
// clang-format on

// Fills line 2 with `name`, the draws of `script` first and then, if `seed` is
// given, those of an engine; returns the generator that made the task and the task.
std::string Fill(std::string_view name, std::vector<int> script, int seed = 0) {
    SeededRandom engine(seed);
    AppState state;
    UseScript(state, std::move(script), seed != 0 ? &engine : nullptr);
    FindMeasureGenerator(name)(state, 2);
    const TTaskRecord& r = state.TaskSheet[2];
    return std::string(state.Draws.LastGenerator) + ": " + r.GivenText.str() + " " +
           r.FromUnit.str() + " = " + r.AnswerText.str() + " " + r.ToUnit.str() + " (" +
           std::to_string(r.AnswerDecimals) + ")";
}

// What the sweep takes from the tables themselves and so cannot judge: the
// decimals a band's note asks for, and the tables a level borrows or keeps.
// Each task: the generator, every draw it makes (direction, pair, pattern, then
// the pattern's digits) and the task it makes.
const std::tuple<std::string_view, std::vector<int>, std::string_view> kWorkedTasks[] = {
    // Notes ask for more decimals than the answer needs; length keeps them.
    {"GenerateLaenge2", {1, 14, 0, 2}, "30 dm = 3,0 m (1)"},
    {"GenerateLaenge3", {1, 28, 20, 4}, "500 cm = 5,00 m (2)"},
    {"GenerateLaenge4", {1, 28, 28, 0, 0}, "1010 cm = 10,10 m (2)"},
    // Mass level 2 has a table of its own for mg -> dg; dag -> kg keeps the length table.
    {"GenerateMasse2", {1, 78, 33, 15, 6}, "257 mg = 2,57 dg (2)"},
    {"GenerateMasse2", {1, 10, 50, 3}, "4000 dag = 40,00 kg (2)"},
    // From level 2 on an area answer is trimmed at once, whatever the note.
    {"GenerateFlaeche2", {1, 16, 0, 2}, "30 a = 0,3 ha (2)"},
    {"GenerateKubik2", {1, 49, 69, 2}, "300000 cm^3 = 300,0 dm^3 (1)"},
    {"GenerateLiter5", {1, 34, 98, 234, 4}, "1,2345 ml = 0,000012345 hl (10)"},
    // The ml -> dm^3 row of level 2 divides with the level's l -> m^3 table.
    {"GenerateRaumGemischt2", {1, 54, 29, 332, 0}, "4321 ml = 4,321 dm^3 (3)"},
};

TEST(WorkedTasks, NotesAndBorrowedTables) {
    for (const auto& [generator, draws, task] : kWorkedTasks)
        EXPECT_EQ(Fill(generator, draws), std::string(generator) + ": " + std::string(task));
}

// A dispatcher draws 1..100 once and then leaves the line to the generator of
// its own level: the line is the one that generator fills when it is called
// directly with the draws that follow.
TEST(Dispatchers, BandEdgesPickTheirKindAtTheDispatchersLevel) {
    for (const auto& [family, bands] : kDispatchers) {
        for (int level = 1; level <= 5; ++level) {
            const std::string name = family + std::to_string(level);
            for (std::size_t i = 0; i < bands.size(); ++i) {
                const std::string kind = "Generate" + bands[i].second + std::to_string(level);
                const int last = i + 1 < bands.size() ? bands[i + 1].first - 1 : 100;
                for (const int draw : {bands[i].first, last}) {
                    EXPECT_EQ(Fill(name, {draw - 1}, draw), Fill(kind, {}, draw))
                        << name << " draw " << draw;
                }
            }
        }
    }
}

} // namespace
} // namespace quarvel
