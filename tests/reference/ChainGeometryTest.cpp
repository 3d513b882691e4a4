// The conversion chains beyond their drawing (which tests/tables pins): labels
// stepping aside from marks, and the chains as a screen reader reads them.
#include "reference/ChainGeometry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

} // namespace
} // namespace quarvel
