// The reference data beyond the tables of tests/tables: labels stepping aside
// from marks, the worked solutions drawn on the chains, and chains and pages
// as a screen reader reads them.
#include "reference/ChainGeometry.h"
#include "reference/ChainSolution.h"
#include "reference/InfoPages.h"

#include "../solution/DecadicTasks.h"
#include "../solution/Oracle.h"

#include "generators/Generators.h"
#include "solution/UnitChain.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using ::testing::ElementsAre;

// A label 40 wide and 20 high at x 0, y 10, among marks of a window 200 wide.
int LeftAmong(std::vector<ChainStroke> strokes) {
    const ChainLayout layout{200, "", {}, {{0, -3, 3, Black}}, std::move(strokes)};
    return ChainLabelLeft(layout, {"label", 0, 10, Black, 12, ChainSide::Below}, 40, 10, 30);
}

TEST(ChainGeometry, LabelsStepAsideFromMarksTheyWouldCover) {
    // Marks off the label's rows or ChainLabelGap away leave it centred; else it
    // takes the nearest free place clear of the columns x - 1 and x of a mark;
    // with no room inside the window it stays.
    EXPECT_EQ(
        LeftAmong({{0, -22, -12, Red}, {0, 31, 40, Red}, {25, 15, 25, Blue}, {-25, 15, 25, Blue}}),
        -20);
    EXPECT_EQ(LeftAmong({{15, 25, 35, Blue}}), 15 - 1 - ChainLabelGap - 40);
    EXPECT_EQ(LeftAmong({{-10, 25, 35, Blue}, {-40, 25, 35, Blue}}), -10 + 1 + ChainLabelGap);
    EXPECT_EQ(LeftAmong({{-10, 0, 12, Blue}, {-50, 29, 40, Red}, {30, 25, 35, Blue}}),
              30 + 1 + ChainLabelGap);
    EXPECT_EQ(LeftAmong({{-90, 25, 35, Blue},
                         {-45, 25, 35, Blue},
                         {0, 25, 35, Blue},
                         {45, 25, 35, Blue},
                         {90, 25, 35, Blue}}),
              -20);
}

// In words each factor stands between the units it joins, each group name
// before the places it spans; no coloured label is left out.
TEST(ChainGeometry, SpokenChainPairsFactorsWithTheirUnits) {
    EXPECT_THAT(SpokenChain(ChainFor(UnitArea::Volumen).value()),
                ElementsAre("m³, dm³, cm³, mm³", "hl, l, dl, cl, ml", "1 m³ = 1000 dm³",
                            "1 dm³ = 1000 cm³", "1 cm³ = 1000 mm³", "1 hl = 100 l", "1 l = 10 dl",
                            "1 dl = 10 cl", "1 cl = 10 ml", "1 l = 1 dm³", "1 ml = 1 cm³"));
    EXPECT_THAT(SpokenChain(ChainFor(UnitArea::DezNum).value()),
                ElementsAre("HT, ZT, T, H, Z, E, z, h, t, zt, ht, m, zm, hm",
                            "Tausender: HT, ZT, T", "Tausendstel: t, zt, ht",
                            "Millionstel: m, zm, hm", "Dekadische Einheiten: HT, ZT, T, H, Z, E",
                            "Dezimale Einheiten: z, h, t, zt, ht, m, zm, hm"));
    for (int area = 1; area <= 8; ++area) {
        const ChainLayout layout = ChainFor(static_cast<UnitArea>(area)).value();
        std::ptrdiff_t told = 0;
        for (const std::string& line : SpokenChain(layout)) {
            told += line.find(" = 1 ") == std::string::npos &&
                    (line.find(" = ") != std::string::npos || line.find(": ") != std::string::npos);
            EXPECT_EQ(line.find('^'), std::string::npos) << line;
        }
        EXPECT_EQ(told, std::count_if(layout.Labels.begin(), layout.Labels.end(),
                                      [](const ChainLabel& l) { return l.Colour != Black; }))
            << "AreaCode " << area;
    }
}

int XOf(const ChainLayout& chain, std::string_view text) {
    for (const ChainLabel& label : chain.Labels)
        if (label.Text == text) return label.X;
    ADD_FAILURE() << text << " is not on the chain";
    return 0;
}

// Each step of every unit pair both ways is an arrow between its units with
// its factor above; arrows in one row do not overlap.
TEST(ChainSolution, EveryStepOfEveryMeasurePairIsAnArrowWithItsFactor) {
    for (const GeneratorTable& table : AllTables()) {
        for (const PairBand& pair : table.Pairs) {
            for (const auto& [from, to] :
                 {std::pair(pair.From, pair.To), std::pair(pair.To, pair.From)}) {
                SCOPED_TRACE(std::string(from) + " -> " + std::string(to));
                const ChainLayout chain = ChainFor(MeasureChainOf(from)).value();
                MeasureSolution s;
                s.Steps = ChainPath(from, to).value();
                const ChainSolution drawn = SolutionOnChain(chain, s);
                std::size_t arrow = 0;
                for (const ChainStep& step : s.Steps) {
                    const int e = oracle::kExponent.at(step.From) - oracle::kExponent.at(step.To);
                    if (e == 0) continue; // litre and cubic units meet: no arrow
                    ASSERT_LT(arrow, drawn.Arrows.size());
                    const ChainArrow& a = drawn.Arrows[arrow++];
                    EXPECT_EQ(std::pair(a.From, a.To),
                              std::pair(XOf(chain, step.From), XOf(chain, step.To)));
                    const std::string factor =
                        (e > 0 ? "· " : ": ") + oracle::Shift("1", std::abs(e));
                    EXPECT_TRUE(std::any_of(drawn.Labels.begin(), drawn.Labels.end(), [&](auto& l) {
                        return l.Text == factor && l.X == (a.From + a.To) / 2 && l.Y < a.Y;
                    })) << factor;
                    for (const ChainArrow& b : drawn.Arrows)
                        EXPECT_TRUE(&b == &a || b.Y != a.Y ||
                                    std::max(std::min(a.From, a.To), std::min(b.From, b.To)) >=
                                        std::min(std::max(a.From, a.To), std::max(b.From, b.To)))
                            << "arrows in a row overlap";
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
// `units`, 50 pixels a place, the comma in a column of its own.
Cells Columns(const std::string& numeral, int units) {
    Cells cells;
    const auto comma = static_cast<int>(std::min(numeral.find(','), numeral.size()));
    for (int i = 0; i < static_cast<int>(numeral.size()); ++i)
        cells.emplace(units + 50 * (i - comma) + (i < comma ? 50 : (i == comma ? 25 : 0)),
                      numeral.substr(static_cast<std::size_t>(i), 1));
    return cells;
}

bool OnChain(const ChainLayout& chain, const std::function<bool(const ChainLabel&)>& place) {
    return std::any_of(chain.Labels.begin(), chain.Labels.end(),
                       [&](const ChainLabel& l) { return l.Colour == Black && place(l); });
}

// A decadic task's digits stand in the columns of their places; a number
// reaching beyond the places shows no digits and no place-value table.
TEST(ChainSolution, DecadicDigitsStandInTheColumnsOfTheirPlaces) {
    int beyond = 0;
    oracle::ForEachDecadicTask(11, 17, [&beyond](auto& gen, bool units, const TDekTaskRecord& r) {
        const ChainLayout chain =
            ChainFor(static_cast<UnitArea>(static_cast<int>(gen.Training) + 1)).value();
        std::string given = r.GivenText.str();
        given.erase(0, given.find_first_not_of(' '));
        SCOPED_TRACE(std::string(gen.Name) + ": " + given + " " + r.FromUnit.str() + " in " +
                     r.ToUnit.str());
        const DekSolution s = SolveDekTask(r, gen.Training).value();
        const ChainSolution drawn = SolutionOnChain(chain, s);
        const Cells expected = Columns(r.AnswerIsNotation ? given : r.AnswerText.str(),
                                       XOf(chain, units ? r.ToUnit.str() : "E"));
        // A given notation stands count by count, in a row of its own.
        const Cells from = s.NotationGiven || s.Given == s.Expected
                               ? Cells()
                               : Columns(given, XOf(chain, units ? r.FromUnit.str() : "E"));
        bool shown = true;
        for (const auto* cells : {&expected, &from})
            for (const auto& [x, digit] : *cells)
                shown &= OnChain(chain, [x = x](auto& l) { return std::abs(l.X - x) <= 25; });
        EXPECT_EQ(Drawn(drawn, ChainExpectedColour), shown ? expected : Cells());
        if (!s.NotationGiven) {
            EXPECT_EQ(Drawn(drawn, ChainGivenColour), shown ? from : Cells());
        }
        for (const auto* cells : {&s.Given, &s.Expected})
            for (const PlaceDigit& cell : *cells)
                EXPECT_TRUE(OnChain(chain, [&](auto& l) { return l.Text == cell.Place; }))
                    << cell.Place;
        beyond += !shown;
        for (const std::string& sentence : shown ? std::vector<std::string>() : s.Sentences)
            EXPECT_EQ(sentence.find("Stellenwerttabelle"), std::string::npos) << sentence;
    });
    EXPECT_GT(beyond, 0);
}

// Read line by line, a page has no markup and no word cut at a line end; a
// table row is one line; every picture is named. The years the pages name
// stand in the order the paragraphs tell them, and no other.
TEST(InfoPages, SpokenLinesAndYears) {
    EXPECT_TRUE(InfoPageFor(0) == nullptr && InfoPageFor(InfoPageCount + 1) == nullptr);
    const std::vector<std::vector<std::string>> years = {
        {"1793", "1799", "1960", "1983"}, {"2019", "2019"}, {}, {"1763", "1939"}, {}};
    const std::regex year("(?:^|[^0-9,])(1[2-9][0-9]{2}|20[0-9]{2}|2100)(?=[^0-9,]|$)");
    std::string all;
    for (int page = 1; page <= InfoPageCount; ++page) {
        for (const SpokenLine& line : SpokenPage(*InfoPageFor(page))) {
            EXPECT_EQ(line.Text.find_first_of("#^!"), std::string::npos) << line.Text;
            const std::size_t n = line.Text.size();
            EXPECT_FALSE(n > 1 && line.Text[n - 1] == '-' && std::isalpha(line.Text[n - 2]))
                << line.Text;
            all += line.Text + "\n";
        }
        std::vector<std::string> found;
        for (const InfoLine& l : InfoPageFor(page)->Lines)
            for (std::sregex_iterator m(l.Text.begin(), l.Text.end(), year), end; m != end; ++m)
                found.push_back((*m)[1]);
        EXPECT_EQ(found, years[static_cast<std::size_t>(page - 1)]) << "page " << page;
    }
    for (const char* whole : {"drei aneinandergelegten\nGerstenkörnern", "die Meterstäbe,\n",
                              "(Krypton-86)", "der Fundamentalkonstanten\nder Physik",
                              "\n1 Elle = 1,143 m\n", "Dezimal- und Küchenwaage"})
        EXPECT_NE(all.find(whole), std::string::npos) << whole;
    for (const InfoPicture& picture : InfoPictures())
        EXPECT_FALSE(picture.Subject.empty());
}

} // namespace
} // namespace quarvel
