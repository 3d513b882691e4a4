// The conversion chains as data: every unit stands on the tick of its power of
// ten, every factor between the two units it joins and equal to their ratio,
// every marker over a named unit, and nothing else is drawn; the places of
// the place-value tables.
#include "reference/ChainGeometry.h"

#include "../solution/Oracle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using oracle::kExponent;

// "text x, text x" of the labels on one row and in one colour, in drawing order.
std::string Row(const ChainLayout& layout, int y, Rgb colour) {
    std::string row;
    for (const ChainLabel& l : layout.Labels)
        if (l.Y == y && l.Colour == colour)
            row += (row.empty() ? "" : ", ") + l.Text + " " + std::to_string(l.X);
    return row;
}

// Where the marks of this height from `top` stand.
std::vector<int> Marks(const std::vector<ChainStroke>& strokes, int top, int height, Rgb colour) {
    std::vector<int> xs;
    for (const ChainStroke& s : strokes)
        if (s.Top == top && s.Bottom == top + height && s.Colour == colour) xs.push_back(s.X);
    return xs;
}

std::vector<int> Every50(int reach) {
    std::vector<int> xs;
    for (int x = -reach; x <= reach; x += 50)
        xs.push_back(x);
    return xs;
}

// The places on consecutive ticks; the decimal table's group names are one
// size smaller so that "Tausendstel" fits between its markers.
TEST(ChainGeometry, PlaceValueTables) {
    EXPECT_FALSE(ChainFor(UnitArea::None));
    EXPECT_EQ(AreaOf(SelectionState{.AreaCode = 9}), UnitArea::None);
    EXPECT_EQ(AreaOf(SelectionState{.AreaCode = 7}), UnitArea::Flaeche);
    for (const int area : {1, 2, 3, 4}) {
        const ChainLayout l = ChainFor(static_cast<UnitArea>(area)).value();
        EXPECT_EQ(Marks(l.Ticks, -3, 6, Black), Every50(area <= 2 ? 275 : 325));
        EXPECT_EQ(Row(l, 10, Black),
                  area <= 2 ? "HMd -275, ZMd -225, Md -175, HM -125, ZM -75, M -25, "
                              "HT 25, ZT 75, T 125, H 175, Z 225, E 275"
                            : "HT -325, ZT -275, T -225, H -175, Z -125, E -75, z -25, "
                              "h 25, t 75, zt 125, ht 175, m 225, zm 275, hm 325");
        for (const ChainLabel& label : l.Labels)
            EXPECT_EQ(label.Size, area > 2 && label.Y == -25 ? 11 : 12) << label.Text;
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
    std::vector<ChainStroke> crowded;
    for (int x = -90; x <= 90; x += 45)
        crowded.push_back({x, 25, 35, Blue});
    EXPECT_EQ(LeftAmong(crowded), -20);
}

// One chain of units: where its names, factors and markers stand.
struct UnitChain {
    int Area;
    int UnitY, FactorY, MarkerTop;
    std::vector<std::string> Units;
};

TEST(ChainGeometry, UnitChainsStandOnTheTicksOfTheirPowersOfTen) {
    // Cubic units below the axis, litres above on the same scale: the litre
    // stands over the cubic decimetre, the millilitre over the cubic centimetre.
    const UnitChain chains[] = {
        {5, 10, -25, -22, {"km", "m", "dm", "cm", "mm"}},
        {6, 10, -25, -22, {"t", "kg", "dag", "g", "dg", "cg", "mg"}},
        {7, 10, -25, -22, {"km^2", "ha", "a", "m^2", "dm^2", "cm^2", "mm^2"}},
        {8, 10, 27, 32, {"m^3", "dm^3", "cm^3", "mm^3"}},
        {8, -25, -48, -45, {"hl", "l", "dl", "cl", "ml"}},
    };
    std::map<int, std::size_t> drawn; // labels and markers per area
    for (const UnitChain& chain : chains) {
        SCOPED_TRACE(chain.Units.front());
        const ChainLayout layout = ChainFor(static_cast<UnitArea>(chain.Area)).value();
        // The area's first chain spans the ticks; one tick is one power of ten.
        const UnitChain& first = chain.Area == 8 ? chains[3] : chain;
        const int largest = kExponent.at(first.Units.front());
        const int reach = 25 * (largest - kExponent.at(first.Units.back()));
        EXPECT_EQ(Marks(layout.Ticks, -3, 6, Black), Every50(reach));
        std::string units, factors;
        std::vector<int> xs;
        for (std::size_t i = 0; i < chain.Units.size(); ++i) {
            const int exponent = kExponent.at(chain.Units[i]);
            xs.push_back(-reach + 50 * (largest - exponent));
            units += (i == 0 ? "" : ", ") + chain.Units[i] + " " + std::to_string(xs.back());
            if (i == 0) continue;
            const int steps = kExponent.at(chain.Units[i - 1]) - exponent;
            factors += (i == 1 ? "1" : ", 1") + std::string(std::size_t(steps), '0') + " " +
                       std::to_string((xs[i - 1] + xs[i]) / 2);
        }
        EXPECT_EQ(Row(layout, chain.UnitY, Black), units);
        EXPECT_EQ(Row(layout, chain.FactorY, Red), factors);
        EXPECT_EQ(Marks(layout.Strokes, chain.MarkerTop, 10, Red), xs);
        drawn[chain.Area] += 2 * chain.Units.size() - 1 + chain.Units.size();
    }
    for (const auto& [area, count] : drawn) {
        const ChainLayout layout = ChainFor(static_cast<UnitArea>(area)).value();
        EXPECT_EQ(layout.Labels.size() + layout.Strokes.size(), count) << area;
    }
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
        const std::vector<std::string> spoken = SpokenChain(layout);
        std::size_t coloured = 0;
        for (const ChainLabel& label : layout.Labels)
            coloured += label.Colour != Black;
        std::size_t told = 0;
        for (const std::string& line : spoken)
            told += line.find(" = 1 ") == std::string::npos &&
                    (line.find(" = ") != std::string::npos || line.find(": ") != std::string::npos);
        EXPECT_EQ(told, coloured) << "AreaCode " << area;
        for (const std::string& line : spoken)
            EXPECT_EQ(line.find('^'), std::string::npos) << line;
    }
}

} // namespace
} // namespace quarvel
