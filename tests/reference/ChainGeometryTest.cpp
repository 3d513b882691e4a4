// The conversion chains as data: which names, factors and markers stand where.
#include "reference/ChainGeometry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace quarvel {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
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

std::vector<int> StrokeXs(const ChainLayout& layout, int top, int bottom, Rgb colour) {
    std::vector<int> xs;
    for (const ChainStroke& s : layout.Strokes)
        if (s.Top == top && s.Bottom == bottom && s.Colour == colour) xs.push_back(s.X);
    return xs;
}

std::vector<int> TickXs(const ChainLayout& layout) {
    std::vector<int> xs;
    for (const ChainStroke& t : layout.Ticks) {
        EXPECT_EQ(t.Top, -3);
        EXPECT_EQ(t.Bottom, 3);
        EXPECT_EQ(t.Colour, Black);
        xs.push_back(t.X);
    }
    return xs;
}

std::vector<int> Every50(int reach) {
    std::vector<int> xs;
    for (int x = -reach; x <= reach; x += 50)
        xs.push_back(x);
    return xs;
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
}

TEST(ChainGeometry, NothingWithoutATraining) {
    for (const int area : {0, -1, 9, 100})
        EXPECT_FALSE(ChainFor(area).has_value()) << area;
}

TEST(ChainGeometry, EverythingFitsInsideTheWindowAndOnTheAxisGrid) {
    for (int area = 1; area <= 8; ++area) {
        const ChainLayout layout = Chain(area);
        const int half = layout.Width / 2;
        for (const ChainStroke& t : layout.Ticks)
            EXPECT_LE(std::abs(t.X), half - 15) << area;
        for (const ChainStroke& s : layout.Strokes) {
            EXPECT_LT(s.Top, s.Bottom);
            EXPECT_EQ(s.X % 25, 0) << area;
            EXPECT_LE(std::abs(s.X), half - 15) << area;
            // Markers never cross the axis.
            EXPECT_TRUE(s.Bottom < 0 || s.Top > 0) << area << " " << s.X;
        }
        for (const ChainLabel& l : layout.Labels) {
            EXPECT_EQ(l.Side, l.Y < 0 ? ChainSide::Above : ChainSide::Below);
            EXPECT_GT(l.Y, -154 / 2);
            EXPECT_LT(l.Y + 20, 154 / 2);
        }
    }
}

TEST(ChainGeometry, PlaceValueTableOfWholeNumbers) {
    for (const int area : {1, 2}) {
        const ChainLayout layout = Chain(area);
        EXPECT_EQ(TickXs(layout), Every50(275));
        EXPECT_THAT(Row(layout, 10, Black),
                    ElementsAre(Pair("HMd", -275), Pair("ZMd", -225), Pair("Md", -175),
                                Pair("HM", -125), Pair("ZM", -75), Pair("M", -25), Pair("HT", 25),
                                Pair("ZT", 75), Pair("T", 125), Pair("H", 175), Pair("Z", 225),
                                Pair("E", 275)));
        EXPECT_THAT(
            Row(layout, -25, Red),
            ElementsAre(Pair("Milliarden", -225), Pair("Millionen", -75), Pair("Tausender", 75)));
        EXPECT_THAT(StrokeXs(layout, -22, -12, Red), ElementsAre(-275, -175, -125, -25, 25, 125));
        for (const ChainLabel& l : layout.Labels)
            EXPECT_EQ(l.Size, 12);
        EXPECT_EQ(layout.Strokes.size(), 6U);
    }
}

TEST(ChainGeometry, PlaceValueTableWithDecimals) {
    for (const int area : {3, 4}) {
        const ChainLayout layout = Chain(area);
        EXPECT_EQ(TickXs(layout), Every50(325));
        const auto places = Row(layout, 10, Black);
        ASSERT_EQ(places.size(), 14U);
        EXPECT_THAT(places.front(), Pair("HT", -325));
        EXPECT_THAT(places[5], Pair("E", -75));
        EXPECT_THAT(places[6], Pair("z", -25));
        EXPECT_THAT(places.back(), Pair("hm", 325));
        for (std::size_t i = 0; i < places.size(); ++i)
            EXPECT_EQ(places[i].second, -325 + 50 * static_cast<int>(i));
        // Group names are one size smaller so "Tausendstel" fits between its markers.
        const auto groups = Row(layout, -25, Red);
        EXPECT_THAT(groups, ElementsAre(Pair("Tausender", -275), Pair("Tausendstel", 125),
                                        Pair("Millionstel", 275)));
        for (const ChainLabel& l : layout.Labels)
            EXPECT_EQ(l.Size, l.Y == -25 ? 11 : 12) << l.Text;
        EXPECT_THAT(StrokeXs(layout, -22, -12, Red), ElementsAre(-325, -225, 75, 175, 225, 325));
        EXPECT_THAT(StrokeXs(layout, 35, 45, Blue), ElementsAre(-325, -125, -75, -25, 325));
        EXPECT_THAT(Row(layout, 32, Blue), ElementsAre(Pair("Dekadische Einheiten", -200),
                                                       Pair("Dezimale Einheiten", 150)));
    }
}

// Every factor stands midway between the two named units it joins.
void ExpectFactorsBetweenNeighbours(const ChainLayout& layout, int unitRow, int factorRow,
                                    Rgb unitColour) {
    const auto units = Row(layout, unitRow, unitColour);
    const auto factors = Row(layout, factorRow, Red);
    ASSERT_EQ(factors.size() + 1, units.size());
    for (std::size_t i = 0; i < factors.size(); ++i)
        EXPECT_EQ(factors[i].second, (units[i].second + units[i + 1].second) / 2)
            << factors[i].first;
}

TEST(ChainGeometry, LengthChainSkipsHectoAndDecametre) {
    const ChainLayout layout = Chain(5);
    EXPECT_EQ(TickXs(layout), Every50(150));
    EXPECT_THAT(Row(layout, 10, Black), ElementsAre(Pair("km", -150), Pair("m", 0), Pair("dm", 50),
                                                    Pair("cm", 100), Pair("mm", 150)));
    // The ticks at -100 and -50 stay unnamed and unmarked.
    for (const ChainLabel& l : layout.Labels)
        EXPECT_TRUE(l.X != -100 && l.X != -50) << l.Text;
    EXPECT_THAT(Row(layout, -25, Red),
                ElementsAre(Pair("1000", -75), Pair("10", 25), Pair("10", 75), Pair("10", 125)));
    ExpectFactorsBetweenNeighbours(layout, 10, -25, Black);
    EXPECT_THAT(StrokeXs(layout, -22, -12, Red), ElementsAre(-150, 0, 50, 100, 150));
}

TEST(ChainGeometry, MassChainFromTonneToMilligram) {
    const ChainLayout layout = Chain(6);
    EXPECT_EQ(TickXs(layout), Every50(225));
    EXPECT_THAT(Row(layout, 10, Black),
                ElementsAre(Pair("t", -225), Pair("kg", -75), Pair("dag", 25), Pair("g", 75),
                            Pair("dg", 125), Pair("cg", 175), Pair("mg", 225)));
    EXPECT_THAT(Row(layout, -25, Red),
                ElementsAre(Pair("1000", -150), Pair("100", -25), Pair("10", 50), Pair("10", 100),
                            Pair("10", 150), Pair("10", 200)));
    ExpectFactorsBetweenNeighbours(layout, 10, -25, Black);
    EXPECT_THAT(StrokeXs(layout, -22, -12, Red), ElementsAre(-225, -75, 25, 75, 125, 175, 225));
}

TEST(ChainGeometry, AreaChainWithRaisedExponents) {
    const ChainLayout layout = Chain(7);
    EXPECT_EQ(TickXs(layout), Every50(300));
    EXPECT_THAT(Row(layout, 10, Black),
                ElementsAre(Pair("km^2", -300), Pair("ha", -200), Pair("a", -100), Pair("m^2", 0),
                            Pair("dm^2", 100), Pair("cm^2", 200), Pair("mm^2", 300)));
    const auto factors = Row(layout, -25, Red);
    ASSERT_EQ(factors.size(), 6U);
    for (const auto& f : factors)
        EXPECT_EQ(f.first, "100");
    ExpectFactorsBetweenNeighbours(layout, 10, -25, Black);
    EXPECT_THAT(StrokeXs(layout, -22, -12, Red), ElementsAre(-300, -200, -100, 0, 100, 200, 300));
}

TEST(ChainGeometry, VolumeChainHasCubicUnitsBelowAndLitresAbove) {
    const ChainLayout layout = Chain(8);
    EXPECT_EQ(TickXs(layout), Every50(225));
    EXPECT_THAT(Row(layout, 10, Black), ElementsAre(Pair("m^3", -225), Pair("dm^3", -75),
                                                    Pair("cm^3", 75), Pair("mm^3", 225)));
    EXPECT_THAT(Row(layout, 27, Red),
                ElementsAre(Pair("1000", -150), Pair("1000", 0), Pair("1000", 150)));
    ExpectFactorsBetweenNeighbours(layout, 10, 27, Black);
    EXPECT_THAT(StrokeXs(layout, 32, 42, Red), ElementsAre(-225, -75, 75, 225));

    EXPECT_THAT(Row(layout, -25, Black),
                ElementsAre(Pair("hl", -175), Pair("l", -75), Pair("dl", -25), Pair("cl", 25),
                            Pair("ml", 75)));
    EXPECT_THAT(Row(layout, -48, Red),
                ElementsAre(Pair("100", -125), Pair("10", -50), Pair("10", 0), Pair("10", 50)));
    ExpectFactorsBetweenNeighbours(layout, -25, -48, Black);
    EXPECT_THAT(StrokeXs(layout, -45, -35, Red), ElementsAre(-175, -75, -25, 25, 75));
    // The litre equals the cubic decimetre, the millilitre the cubic centimetre.
    const auto below = Row(layout, 10, Black);
    const auto above = Row(layout, -25, Black);
    EXPECT_EQ(above[1].second, below[1].second);
    EXPECT_EQ(above[4].second, below[2].second);
    // No red factor or marker in the usual place above the axis.
    EXPECT_TRUE(Row(layout, -25, Red).empty());
    EXPECT_TRUE(StrokeXs(layout, -22, -12, Red).empty());
}

} // namespace
} // namespace quarvel
