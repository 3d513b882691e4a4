// The conversion chains as data: every unit stands on the tick of its power of
// ten, every factor between the two units it joins and equal to their ratio,
// every marker over a named unit, and nothing else is drawn.
#include "reference/ChainGeometry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

ChainLayout Chain(int area) {
    const auto layout = ChainFor(area);
    EXPECT_TRUE(layout.has_value()) << "AreaCode " << area;
    return layout.value_or(ChainLayout{});
}

// (text, x) of the labels on one row and in one colour, in drawing order.
std::vector<std::pair<std::string, int>> Row(const ChainLayout& layout, int y, Rgb colour) {
    std::vector<std::pair<std::string, int>> row;
    for (const ChainLabel& l : layout.Labels)
        if (l.Y == y && l.Colour == colour) row.emplace_back(l.Text, l.X);
    return row;
}

std::vector<int> StrokeXs(const ChainLayout& layout, int top, Rgb colour) {
    std::vector<int> xs;
    for (const ChainStroke& s : layout.Strokes)
        if (s.Top == top && s.Bottom == top + 10 && s.Colour == colour) xs.push_back(s.X);
    return xs;
}

// Black ticks across the axis every 50 pixels from -reach to reach.
void ExpectTicks(const ChainLayout& layout, int reach) {
    std::vector<int> xs;
    for (const ChainStroke& t : layout.Ticks) {
        EXPECT_TRUE(t.Top == -3 && t.Bottom == 3 && t.Colour == Black);
        xs.push_back(t.X);
    }
    std::vector<int> expected;
    for (int x = -reach; x <= reach; x += 50)
        expected.push_back(x);
    EXPECT_EQ(xs, expected);
}

TEST(ChainGeometry, WidthAndTitlePerTraining) {
    const std::map<int, std::pair<int, std::string>> expected = {
        {1, {600, "Dekadische Einheiten"}},
        {2, {600, "Dekadische Einheiten"}},
        {3, {750, "Dekadische und dezimale Einheiten"}},
        {4, {750, "Dekadische und dezimale Einheiten"}},
        {5, {350, "Umwandlungskette für Längenmaße"}},
        {6, {500, "Umwandlungskette für Massenmaße"}},
        {7, {650, "Umwandlungskette für Flächenmaße"}},
        {8, {500, "Umwandlungskette für Raummaße"}},
    };
    for (const auto& [area, wt] : expected) {
        const ChainLayout layout = Chain(area);
        EXPECT_EQ(layout.Width, wt.first) << area;
        EXPECT_EQ(layout.Title, wt.second) << area;
    }
    for (const int area : {0, -1, 9})
        EXPECT_FALSE(ChainFor(area).has_value()) << area;
}

TEST(ChainGeometry, EverythingFitsInsideTheWindowAndOnTheAxisGrid) {
    for (int area = 1; area <= 8; ++area) {
        const ChainLayout layout = Chain(area);
        const int half = layout.Width / 2;
        for (const ChainStroke& t : layout.Ticks)
            EXPECT_LE(std::abs(t.X), half - 15) << area;
        for (const ChainStroke& s : layout.Strokes) {
            EXPECT_EQ(s.X % 25, 0) << area;
            EXPECT_LE(std::abs(s.X), half - 15) << area;
            // Markers never cross the axis.
            EXPECT_TRUE(s.Bottom < 0 || s.Top > 0) << area << " " << s.X;
        }
        for (const ChainLabel& l : layout.Labels) {
            EXPECT_EQ(l.Side, l.Y < 0 ? ChainSide::Above : ChainSide::Below);
            EXPECT_GT(l.Y, -ChainClientHeight / 2);
            EXPECT_LT(l.Y + 20, ChainClientHeight / 2);
        }
    }
}

// A place table: the places on consecutive ticks, red group names centred
// between red markers over the first and last place of their group.
struct Group {
    std::string Name, First, Last;
};

void ExpectPlaceTable(const ChainLayout& layout, const std::vector<std::string>& places,
                      const std::vector<Group>& groups, int groupSize) {
    const int reach = 25 * (static_cast<int>(places.size()) - 1);
    ExpectTicks(layout, reach);
    std::map<std::string, int> x;
    const auto row = Row(layout, 10, Black);
    ASSERT_EQ(row.size(), places.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_THAT(row[i], Pair(places[i], -reach + 50 * static_cast<int>(i)));
        x[places[i]] = row[i].second;
    }
    std::vector<std::pair<std::string, int>> names;
    std::vector<int> markers;
    for (const Group& g : groups) {
        names.emplace_back(g.Name, (x[g.First] + x[g.Last]) / 2);
        markers.insert(markers.end(), {x[g.First], x[g.Last]});
    }
    EXPECT_EQ(Row(layout, -25, Red), names);
    EXPECT_EQ(StrokeXs(layout, -22, Red), markers);
    for (const ChainLabel& l : layout.Labels)
        EXPECT_EQ(l.Size, l.Y == -25 ? groupSize : 12) << l.Text;
}

TEST(ChainGeometry, PlaceValueTableOfWholeNumbers) {
    for (const int area : {1, 2}) {
        const ChainLayout layout = Chain(area);
        ExpectPlaceTable(
            layout, {"HMd", "ZMd", "Md", "HM", "ZM", "M", "HT", "ZT", "T", "H", "Z", "E"},
            {{"Milliarden", "HMd", "Md"}, {"Millionen", "HM", "M"}, {"Tausender", "HT", "T"}}, 12);
        EXPECT_EQ(layout.Labels.size(), 15U);
        EXPECT_EQ(layout.Strokes.size(), 6U);
    }
}

TEST(ChainGeometry, PlaceValueTableWithDecimals) {
    for (const int area : {3, 4}) {
        const ChainLayout layout = Chain(area);
        // Group names are one size smaller so "Tausendstel" fits between its markers.
        ExpectPlaceTable(
            layout, {"HT", "ZT", "T", "H", "Z", "E", "z", "h", "t", "zt", "ht", "m", "zm", "hm"},
            {{"Tausender", "HT", "T"}, {"Tausendstel", "t", "ht"}, {"Millionstel", "m", "hm"}}, 11);
        // Which places belong to the whole and which to the fraction, below the names.
        EXPECT_THAT(StrokeXs(layout, 35, Blue), ElementsAre(-325, -125, -75, -25, 325));
        EXPECT_THAT(Row(layout, 32, Blue), ElementsAre(Pair("Dekadische Einheiten", -200),
                                                       Pair("Dezimale Einheiten", 150)));
        EXPECT_EQ(layout.Labels.size(), 19U);
        EXPECT_EQ(layout.Strokes.size(), 11U);
    }
}

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
    EXPECT_EQ(LeftAmong({{-90, 25, 35, Blue},
                         {-45, 25, 35, Blue},
                         {0, 25, 35, Blue},
                         {45, 25, 35, Blue},
                         {90, 25, 35, Blue}}),
              -20);
}

// Each unit as a power of ten of the smallest unit of its kind.
const std::map<std::string, int> kExponent = {
    {"km", 6},   {"m", 3},    {"dm", 2},   {"cm", 1},   {"mm", 0},   {"t", 9},     {"kg", 6},
    {"dag", 4},  {"g", 3},    {"dg", 2},   {"cg", 1},   {"mg", 0},   {"km^2", 12}, {"ha", 10},
    {"a", 8},    {"m^2", 6},  {"dm^2", 4}, {"cm^2", 2}, {"mm^2", 0}, {"m^3", 9},   {"dm^3", 6},
    {"cm^3", 3}, {"mm^3", 0}, {"hl", 8},   {"l", 6},    {"dl", 5},   {"cl", 4},    {"ml", 3}};

// One chain of units: where its names, factors and markers stand.
struct UnitChain {
    int Area;
    int UnitY, FactorY, MarkerTop;
    std::vector<std::string> Units;
};

const UnitChain kChains[] = {
    {5, 10, -25, -22, {"km", "m", "dm", "cm", "mm"}},
    {6, 10, -25, -22, {"t", "kg", "dag", "g", "dg", "cg", "mg"}},
    {7, 10, -25, -22, {"km^2", "ha", "a", "m^2", "dm^2", "cm^2", "mm^2"}},
    // Cubic units below the axis, litres above on the same scale: the litre
    // stands over the cubic decimetre, the millilitre over the cubic centimetre.
    {8, 10, 27, 32, {"m^3", "dm^3", "cm^3", "mm^3"}},
    {8, -25, -48, -45, {"hl", "l", "dl", "cl", "ml"}},
};

TEST(ChainGeometry, UnitChainsStandOnTheTicksOfTheirPowersOfTen) {
    std::map<int, std::size_t> labels;
    std::map<int, std::size_t> strokes;
    for (const UnitChain& chain : kChains) {
        SCOPED_TRACE(chain.Units.front());
        const ChainLayout layout = Chain(chain.Area);
        // The area's first chain spans the ticks; one tick is one power of ten.
        const UnitChain& first =
            *std::find_if(std::begin(kChains), std::end(kChains),
                          [&](const UnitChain& c) { return c.Area == chain.Area; });
        const int largest = kExponent.at(first.Units.front());
        const int reach = 25 * (largest - kExponent.at(first.Units.back()));
        ExpectTicks(layout, reach);
        std::vector<std::pair<std::string, int>> units;
        std::vector<std::pair<std::string, int>> factors;
        std::vector<int> xs;
        for (const std::string& unit : chain.Units) {
            const int x = -reach + 50 * (largest - kExponent.at(unit));
            if (!units.empty()) {
                const int steps = kExponent.at(units.back().first) - kExponent.at(unit);
                factors.emplace_back("1" + std::string(static_cast<std::size_t>(steps), '0'),
                                     (units.back().second + x) / 2);
            }
            units.emplace_back(unit, x);
            xs.push_back(x);
        }
        EXPECT_EQ(Row(layout, chain.UnitY, Black), units);
        EXPECT_EQ(Row(layout, chain.FactorY, Red), factors);
        EXPECT_EQ(StrokeXs(layout, chain.MarkerTop, Red), xs);
        labels[chain.Area] += units.size() + factors.size();
        strokes[chain.Area] += xs.size();
    }
    for (const auto& [area, count] : labels) {
        EXPECT_EQ(Chain(area).Labels.size(), count) << area;
        EXPECT_EQ(Chain(area).Strokes.size(), strokes[area]) << area;
    }
}

} // namespace
} // namespace quarvel
