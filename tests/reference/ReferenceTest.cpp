// The reference data beyond what tests/tables pins: labels stepping aside
// from marks; the worked solution on the chain for every unit pair of the
// measure tables and every decadic task (each step's arrow between its units'
// places with its factor above, a decadic task's digits in the columns of
// their places); the information pages' markup; and chains and pages as a
// screen reader reads them.
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
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace quarvel {
namespace {

// A label 40 wide and 20 high at x 0, y 10, among marks of a window 200 wide.
int LeftAmong(std::vector<ChainStroke> strokes) {
    const ChainLayout layout{200, "", {}, {{0, -3, 3, Black}}, std::move(strokes)};
    return ChainLabelLeft(layout, {"label", 0, 10, Black, 12, ChainSide::Below}, 40, 10, 30);
}

TEST(ChainGeometry, LabelsStepAsideFromMarksTheyWouldCover) {
    // Marks off the label's rows, or ChainLabelGap away, leave it centred.
    EXPECT_EQ(
        LeftAmong({{0, -22, -12, Red}, {0, 31, 40, Red}, {25, 15, 25, Blue}, {-25, 15, 25, Blue}}),
        -20);
    // Otherwise it takes the nearest free place, just clear of the columns
    // x - 1 and x that the mark at x covers.
    EXPECT_EQ(LeftAmong({{15, 25, 35, Blue}}), 15 - 1 - ChainLabelGap - 40);
    EXPECT_EQ(LeftAmong({{-10, 25, 35, Blue}, {-40, 25, 35, Blue}}), -10 + 1 + ChainLabelGap);
    EXPECT_EQ(LeftAmong({{-10, 0, 12, Blue}, {-50, 29, 40, Red}, {30, 25, 35, Blue}}),
              30 + 1 + ChainLabelGap);
    // No room inside the window: where it was.
    std::vector<ChainStroke> crowded;
    for (int x = -90; x <= 90; x += 45)
        crowded.push_back({x, 25, 35, Blue});
    EXPECT_EQ(LeftAmong(crowded), -20);
}

// In words each factor stands between the two units it joins, each group
// name before the places it spans; no coloured label is left out.
TEST(ChainGeometry, SpokenChainPairsFactorsWithTheirUnits) {
    using ::testing::ElementsAre;
    EXPECT_THAT(SpokenChain(ChainFor(UnitArea::Laenge).value()),
                ElementsAre("km, m, dm, cm, mm", "1 km = 1000 m", "1 m = 10 dm", "1 dm = 10 cm",
                            "1 cm = 10 mm"));
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
        std::size_t coloured = 0;
        for (const ChainLabel& label : layout.Labels)
            coloured += label.Colour != Black;
        std::size_t told = 0;
        for (const std::string& line : SpokenChain(layout)) {
            told += line.find(" = 1 ") == std::string::npos &&
                    (line.find(" = ") != std::string::npos || line.find(": ") != std::string::npos);
            EXPECT_EQ(line.find('^'), std::string::npos) << line;
        }
        EXPECT_EQ(told, coloured) << "AreaCode " << area;
    }
}

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
                const ChainLayout chain =
                    ChainFor(kChainOf[static_cast<int>(KindOfUnit(from).value())]).value();
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
        const ChainLayout chain =
            ChainFor(static_cast<UnitArea>(static_cast<int>(gen.Training) + 1)).value();
        std::string given = r.GivenText.str();
        given.erase(0, given.find_first_not_of(' '));
        SCOPED_TRACE(std::string(gen.Name) + ": " + given + " " + r.FromUnit.str() + " in " +
                     r.ToUnit.str());
        const DekSolution s = SolveDekTask(r, gen.Training).value();
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

// Highlights come in pairs of "#", and a raise or lower mark always has a
// character to act on.
TEST(InfoPages, Markup) {
    EXPECT_TRUE(InfoPageFor(0) == nullptr && InfoPageFor(InfoPageCount + 1) == nullptr);
    for (int page = 1; page <= InfoPageCount; ++page) {
        for (const InfoLine& l : InfoPageFor(page)->Lines) {
            EXPECT_EQ(std::count(l.Text.begin(), l.Text.end(), '#') % 2, 0) << l.Text;
            EXPECT_TRUE(!l.Text.empty() && l.Text.back() != '^' && l.Text.back() != '!');
        }
    }
}

// Read line by line, a page has no markup and no word cut at a line end; a
// table row is one line; every picture is named.
TEST(InfoPages, SpokenLinesHoldWholeWords) {
    std::string all;
    for (int page = 1; page <= InfoPageCount; ++page) {
        for (const SpokenLine& line : SpokenPage(*InfoPageFor(page))) {
            EXPECT_EQ(line.Text.find_first_of("#^!"), std::string::npos) << line.Text;
            const std::size_t n = line.Text.size();
            EXPECT_FALSE(n > 1 && line.Text[n - 1] == '-' && std::isalpha(line.Text[n - 2]))
                << line.Text;
            all += line.Text + "\n";
        }
    }
    for (const char* whole : {"drei aneinandergelegten\nGerstenkörnern", "die Meterstäbe,\n",
                              "(Krypton-86)", "der Fundamentalkonstanten\nder Physik",
                              "\n1 Elle = 1,143 m\n", "Dezimal- und Küchenwaage"})
        EXPECT_NE(all.find(whole), std::string::npos) << whole;
    for (const InfoPicture& picture : InfoPictures())
        EXPECT_FALSE(picture.Subject.empty());
}

// The years the pages' topics name, in the order the paragraphs tell them, and
// no other: the metre's decree, its platinum standard, the krypton and the
// light definitions; the kilogram's redefinition; the tilting balance and the
// electronic scales.
TEST(InfoPages, YearsOfTheHistory) {
    const std::vector<std::vector<int>> years = {
        {1793, 1799, 1960, 1983}, {2019, 2019}, {}, {1763, 1939}, {}};
    for (int page = 1; page <= InfoPageCount; ++page) {
        std::vector<int> found;
        for (const InfoLine& l : InfoPageFor(page)->Lines) {
            for (std::size_t i = 0; i + 4 <= l.Text.size(); ++i) {
                const bool alone =
                    (i == 0 || !std::isdigit(static_cast<unsigned char>(l.Text[i - 1]))) &&
                    (i + 4 == l.Text.size() ||
                     !std::isdigit(static_cast<unsigned char>(l.Text[i + 4])));
                const std::string four = l.Text.substr(i, 4);
                if (alone && std::all_of(four.begin(), four.end(), ::isdigit) &&
                    (four[0] == '1' || four[0] == '2') &&
                    (i + 4 == l.Text.size() || l.Text[i + 4] != ',') &&
                    (i == 0 || l.Text[i - 1] != ',')) {
                    const int year = std::stoi(four);
                    if (year >= 1200 && year <= 2100) found.push_back(year);
                }
            }
        }
        EXPECT_EQ(found, years[static_cast<std::size_t>(page - 1)]) << "page " << page;
    }
}

} // namespace
} // namespace quarvel
