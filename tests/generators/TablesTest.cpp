// The band tables as data: every pair, pattern and dispatcher table covers the
// draws 1 to 100 without gap or overlap, a note never asks for fewer decimals
// than the answer needs, and no table is written twice.

#include "generators/Dispatch.h"
#include "generators/Generators.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace quarvel {
namespace {

using testing::CoversOneToHundred;

// What each draw 1..100 selects, so that tables that merely split a band
// differently count as one.
template <typename Band, typename Key> auto ByDraw(std::span<const Band> bands, Key key) {
    std::vector<decltype(key(bands.front()))> selected;
    for (int draw = 1; draw <= 100; ++draw)
        selected.push_back(key(FindBand(bands, draw)));
    return selected;
}

TEST(Tables, CoverOneToHundredAndNotesNeverAskForFewerDecimalsThanTheAnswerNeeds) {
    for (const DispatcherFamily& family : DispatcherFamilies())
        EXPECT_TRUE(CoversOneToHundred(family.Bands)) << family.Name;
    for (const GeneratorTable& table : AllTables()) {
        EXPECT_TRUE(CoversOneToHundred(table.Pairs)) << table.Name;
        for (const PairBand& pair : table.Pairs) {
            for (const int direction : {1, 2}) {
                const PatternTable patterns = direction == 1 ? pair.M : pair.D;
                EXPECT_TRUE(CoversOneToHundred(patterns)) << table.Name << " " << pair.Lo;
                // A note is there to ask for more decimals (trailing zeros, the
                // comma key); one asking for fewer would be overridden.
                for (const PatternBand& band : patterns) {
                    EXPECT_TRUE(band.AnswerDecimals < 0 ||
                                band.AnswerDecimals >=
                                    RuleAnswerDecimals(band.P, pair.FactorExponent, direction))
                        << table.Name << " pair " << pair.Lo << " pattern " << band.Lo;
                }
            }
        }
    }
}

// A table that recurs is written once and referred to: two copies can drift
// apart, and a pattern swapped in one of them passes every other test.
TEST(Tables, NoTableIsWrittenTwice) {
    const auto pattern = [](const PatternBand& b) { return std::pair(b.P, b.AnswerDecimals); };
    const auto pair = [](const PairBand& b) {
        return std::tuple(b.From, b.To, b.FactorExponent, b.M.data(), b.D.data());
    };
    std::map<std::vector<std::pair<Pattern, int>>, std::pair<const PatternBand*, std::string>>
        patternTables;
    std::set<decltype(ByDraw(AllTables()[0].Pairs, pair))> pairTables;
    for (const GeneratorTable& table : AllTables()) {
        EXPECT_TRUE(pairTables.insert(ByDraw(table.Pairs, pair)).second)
            << table.Name << " copies a pair table";
        for (const PairBand& band : table.Pairs) {
            for (const PatternTable patterns : {band.M, band.D}) {
                const std::string where =
                    std::string(table.Name) + " pair band " + std::to_string(band.Lo);
                const auto [first, added] =
                    patternTables.try_emplace(ByDraw(patterns, pattern), patterns.data(), where);
                EXPECT_EQ(first->second.first, patterns.data())
                    << where << " copies the table of " << first->second.second;
            }
        }
    }
}

} // namespace
} // namespace quarvel
