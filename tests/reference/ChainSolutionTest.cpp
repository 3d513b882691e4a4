// The worked solution on the chain for every unit pair of the measure tables
// and every decadic task: each step's arrow runs between its units' places
// with the step's factor above it, and a decadic task's digits stand in the
// columns of their places, the comma after the unit's.
#include "reference/ChainSolution.h"

#include "../solution/DecadicTasks.h"
#include "../solution/Oracle.h"

#include "generators/Generators.h"
#include "solution/UnitChain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quarvel {
namespace {

int XOf(const ChainLayout& chain, std::string_view text) {
    for (const ChainLabel& label : chain.Labels)
        if (label.Text == text) return label.X;
    ADD_FAILURE() << text << " is not on the chain";
    return 0;
}

TEST(ChainSolution, EveryStepOfEveryMeasurePairIsAnArrowWithItsFactor) {
    constexpr UnitArea kChainOf[] = {UnitArea::Laenge, UnitArea::Masse, UnitArea::Flaeche,
                                     UnitArea::Volumen, UnitArea::Volumen};
    for (const GeneratorTable& table : AllTables()) {
        for (const PairBand& pair : table.Pairs) {
            for (const auto& [from, to] :
                 {std::pair(pair.From, pair.To), std::pair(pair.To, pair.From)}) {
                SCOPED_TRACE(std::string(from) + " -> " + std::string(to));
                const auto kind = KindOfUnit(from);
                ASSERT_TRUE(kind);
                const auto chain = ChainFor(kChainOf[static_cast<int>(*kind)]);
                const auto path = ChainPath(from, to);
                ASSERT_TRUE(chain && path);
                MeasureSolution s;
                s.Steps = *path;
                const ChainSolution drawn = SolutionOnChain(*chain, s);
                std::size_t arrow = 0;
                for (const ChainStep& step : s.Steps) {
                    const int e = oracle::kExponent.at(step.From) - oracle::kExponent.at(step.To);
                    if (e == 0) continue; // litre and cubic units meet: no arrow
                    ASSERT_LT(arrow, drawn.Arrows.size());
                    const ChainArrow& a = drawn.Arrows[arrow++];
                    EXPECT_EQ(std::pair(a.From, a.To),
                              std::pair(XOf(*chain, step.From), XOf(*chain, step.To)));
                    const std::string factor =
                        (e > 0 ? "· " : ": ") + oracle::Shift("1", std::abs(e));
                    EXPECT_TRUE(std::any_of(drawn.Labels.begin(), drawn.Labels.end(), [&](auto& l) {
                        return l.Text == factor && l.X == (a.From + a.To) / 2 && l.Y < a.Y;
                    })) << factor;
                    for (const ChainArrow& b : drawn.Arrows) {
                        const bool apart =
                            std::max(std::min(a.From, a.To), std::min(b.From, b.To)) >=
                            std::min(std::max(a.From, a.To), std::max(b.From, b.To));
                        EXPECT_TRUE(&b == &a || b.Y != a.Y || apart) << "arrows in a row overlap";
                    }
                    EXPECT_LT(a.Y, drawn.Height);
                }
                EXPECT_EQ(arrow, drawn.Arrows.size());
                EXPECT_EQ(drawn.Framed.size(), s.Steps.size() + 1);
            }
        }
    }
}

using Cells = std::multiset<std::pair<int, std::string>>;

Cells Drawn(const ChainSolution& drawn, Rgb colour) {
    Cells cells;
    for (const ChainLabel& label : drawn.Labels)
        if (label.Colour == colour) cells.emplace(label.X, label.Text);
    return cells;
}

// A numeral digit by digit, its digit before the comma (or its last) at x
// `units`, 50 pixels a place.
Cells Columns(const std::string& numeral, int units) {
    Cells cells;
    const auto comma = static_cast<int>(std::min(numeral.find(','), numeral.size()));
    for (int i = 0; i < static_cast<int>(numeral.size()); ++i) {
        const int between = i < comma ? 50 : (i == comma ? 25 : 0); // the comma's own column
        cells.emplace(units + 50 * (i - comma) + between,
                      numeral.substr(static_cast<std::size_t>(i), 1));
    }
    return cells;
}

// Whether every cell stands under a place of the chain.
bool Fits(const ChainLayout& chain, const Cells& cells) {
    return std::all_of(cells.begin(), cells.end(), [&](const auto& cell) {
        return std::any_of(chain.Labels.begin(), chain.Labels.end(), [&](const ChainLabel& l) {
            return l.Colour == Black && std::abs(l.X - cell.first) <= 25;
        });
    });
}

TEST(ChainSolution, DecadicDigitsStandInTheColumnsOfTheirPlaces) {
    int beyond = 0;
    oracle::ForEachDecadicTask(11, 17, [&beyond](auto& gen, bool units, const TDekTaskRecord& r) {
        const auto layout = ChainFor(static_cast<UnitArea>(static_cast<int>(gen.Training) + 1));
        ASSERT_TRUE(layout);
        const ChainLayout& chain = *layout;
        std::string given = r.GivenText.str();
        given.erase(0, given.find_first_not_of(' '));
        SCOPED_TRACE(std::string(gen.Name) + ": " + given + " " + r.FromUnit.str() + " in " +
                     r.ToUnit.str());
        const auto solved = SolveDekTask(r, gen.Training);
        ASSERT_TRUE(solved);
        const DekSolution& s = *solved;
        const ChainSolution drawn = SolutionOnChain(chain, s);
        const std::string numeral = r.AnswerIsNotation ? given : r.AnswerText.str();
        const Cells expected = Columns(numeral, XOf(chain, units ? r.ToUnit.str() : "E"));
        // A given notation stands count by count, in a row of its own.
        const Cells from = s.NotationGiven || s.Given == s.Expected
                               ? Cells()
                               : Columns(given, XOf(chain, units ? r.FromUnit.str() : "E"));
        // A number reaching beyond the places shows no digits.
        const bool shown = Fits(chain, expected) && Fits(chain, from);
        EXPECT_EQ(Drawn(drawn, ChainExpectedColour), shown ? expected : Cells());
        if (!s.NotationGiven) {
            EXPECT_EQ(Drawn(drawn, ChainGivenColour), shown ? from : Cells());
        }
        // The solution's table holds only places the window shows; a number
        // beyond them is explained without a table.
        for (const auto* cells : {&s.Given, &s.Expected}) {
            for (const PlaceDigit& cell : *cells) {
                EXPECT_TRUE(std::any_of(chain.Labels.begin(), chain.Labels.end(), [&](auto& l) {
                    return l.Text == cell.Place && l.Colour == Black;
                })) << cell.Place;
            }
        }
        if (!shown) {
            ++beyond;
            for (const std::string& sentence : s.Sentences)
                EXPECT_EQ(sentence.find("Stellenwerttabelle"), std::string::npos) << sentence;
        }
    });
    EXPECT_GT(beyond, 0);
}

} // namespace
} // namespace quarvel
