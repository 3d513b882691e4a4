// The band tables as data: every pair, pattern and dispatcher table covers the
// draws 1 to 100 without gap or overlap, and the registry lists every
// generator and dispatcher once.

#include "generators/Dispatch.h"
#include "generators/Generators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quarvel {
namespace {

// Bands must follow each other from 1 to 100; returns what is wrong, or "".
template <typename Band> std::string CoverageFault(std::span<const Band> bands) {
    if (bands.empty()) return "no bands";
    int next = 1;
    for (const Band& band : bands) {
        if (band.Lo != next) {
            return "band " + std::to_string(band.Lo) + "-" + std::to_string(band.Hi) +
                   " does not start at " + std::to_string(next);
        }
        if (band.Hi < band.Lo) return "band " + std::to_string(band.Lo) + " ends before it starts";
        next = band.Hi + 1;
    }
    return next == 101 ? "" : "bands end at " + std::to_string(next - 1);
}

const std::vector<std::pair<std::string, int>> kKinds = {
    {"Laenge", 5}, {"Masse", 6}, {"Flaeche", 5}, {"Kubik", 5}, {"Liter", 5}, {"RaumGemischt", 5}};
const std::vector<std::string> kFamilies = {"MixLM", "MixLF", "MixLFM", "MixFR", "MixAlle"};

TEST(Tables, EveryPairAndPatternTableCoversOneToHundred) {
    ASSERT_EQ(AllTables().size(), 31U);
    for (const GeneratorTable& table : AllTables()) {
        SCOPED_TRACE(std::string(table.Name));
        EXPECT_EQ(CoverageFault(table.Pairs), "");
        for (const PairBand& pair : table.Pairs) {
            SCOPED_TRACE("pair band " + std::to_string(pair.Lo));
            EXPECT_EQ(CoverageFault(pair.M), "") << "direction 1";
            EXPECT_EQ(CoverageFault(pair.D), "") << "direction 2";
            EXPECT_NE(pair.From, pair.To);
            EXPECT_GE(pair.FactorExponent, 0);
            EXPECT_LE(pair.FactorExponent, 9);
            for (const PatternTable table : {pair.M, pair.D}) {
                for (const PatternBand& band : table)
                    EXPECT_GE(band.AnswerDecimals, -1);
            }
        }
    }
}

TEST(Tables, EveryDispatcherFamilyCoversOneToHundred) {
    ASSERT_EQ(DispatcherFamilies().size(), kFamilies.size());
    for (const DispatcherFamily& family : DispatcherFamilies()) {
        SCOPED_TRACE(std::string(family.Name));
        EXPECT_EQ(CoverageFault(family.Bands), "");
    }
}

// A note on answer decimals is there to ask for more decimals than the answer
// needs (trailing zeros, the comma key); a note asking for fewer would cut
// digits off, and the engine overrides it.
TEST(Tables, NotesNeverAskForFewerDecimalsThanTheAnswerNeeds) {
    for (const GeneratorTable& table : AllTables()) {
        for (const PairBand& pair : table.Pairs) {
            for (const int direction : {1, 2}) {
                for (const PatternBand& band : direction == 1 ? pair.M : pair.D) {
                    if (band.AnswerDecimals < 0) continue;
                    EXPECT_GE(band.AnswerDecimals,
                              RuleAnswerDecimals(band.P, pair.FactorExponent, direction))
                        << table.Name << " pair band " << pair.Lo << " direction " << direction
                        << " pattern band " << band.Lo << " " << Info(band.P).Name;
                }
            }
        }
    }
}

// How many unit pairs each volume level draws from, and how many PairDraw
// values the least and the most frequent pair hold.
TEST(Tables, VolumePairShares) {
    const std::map<std::string, std::array<int, 3>> expected = {
        {"GenerateKubik1", {3, 33, 34}},         {"GenerateKubik2", {3, 33, 34}},
        {"GenerateKubik3", {5, 20, 20}},         {"GenerateKubik4", {6, 16, 17}},
        {"GenerateKubik5", {6, 16, 17}},         {"GenerateLiter1", {7, 13, 15}},
        {"GenerateLiter2", {8, 12, 13}},         {"GenerateLiter3", {10, 10, 10}},
        {"GenerateLiter4", {10, 10, 10}},        {"GenerateLiter5", {10, 10, 10}},
        {"GenerateRaumGemischt1", {10, 10, 10}}, {"GenerateRaumGemischt2", {12, 8, 9}},
        {"GenerateRaumGemischt3", {12, 8, 9}},   {"GenerateRaumGemischt4", {16, 6, 7}},
        {"GenerateRaumGemischt5", {20, 5, 5}},
    };
    for (const auto& [name, shares] : expected) {
        std::map<std::pair<std::string_view, std::string_view>, int> draws;
        for (const PairBand& pair : FindTable(name)->Pairs)
            draws[{pair.From, pair.To}] += pair.Hi - pair.Lo + 1;
        const auto [least, most] = std::minmax_element(
            draws.begin(), draws.end(), [](auto& a, auto& b) { return a.second < b.second; });
        EXPECT_EQ((std::array{static_cast<int>(draws.size()), least->second, most->second}), shares)
            << name;
    }
}

TEST(Registry, ListsEveryGeneratorAndDispatcherOnce) {
    std::vector<std::string> expected;
    for (const auto& [kind, levels] : kKinds) {
        for (int level = 1; level <= levels; ++level) {
            expected.push_back("Generate" + kind + std::to_string(level));
        }
    }
    const std::size_t generators = expected.size();
    for (const std::string& family : kFamilies) {
        for (int level = 1; level <= 5; ++level)
            expected.push_back(family + std::to_string(level));
    }

    std::vector<std::string> listed;
    std::set<GeneratorFn> functions;
    for (const NamedGenerator& g : MeasureGenerators()) {
        listed.emplace_back(g.Name);
        functions.insert(g.Fn);
        EXPECT_EQ(FindMeasureGenerator(g.Name), g.Fn) << g.Name;
    }
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(functions.size(), 56U) << "two names share one function";

    for (std::size_t i = 0; i < generators; ++i) {
        EXPECT_EQ(AllTables()[i].Name, expected[i]);
        EXPECT_EQ(FindTable(expected[i]), &AllTables()[i]);
    }
    EXPECT_EQ(FindMeasureGenerator("GenerateLaenge6"), nullptr);
    EXPECT_EQ(FindTable("MixLM1"), nullptr);
}

} // namespace
} // namespace quarvel
