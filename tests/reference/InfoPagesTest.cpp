// The information pages as data: titles, pictures, line positions, colours,
// highlighted terms and the figures of the unit table.
#include "reference/InfoPages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <string>

namespace quarvel {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

const InfoPage& Page(int page) {
    const InfoPage* content = InfoPageFor(page);
    EXPECT_NE(content, nullptr) << "page " << page;
    static const InfoPage empty;
    return content != nullptr ? *content : empty;
}

std::vector<int> Ys(const InfoPage& page) {
    std::vector<int> ys;
    for (const InfoLine& l : page.Lines)
        ys.push_back(l.Y);
    return ys;
}

// The words between pairs of "#", in order of appearance.
std::vector<std::string> Highlighted(const InfoPage& page) {
    std::vector<std::string> terms;
    for (const InfoLine& line : page.Lines) {
        std::size_t from = 0;
        while ((from = line.Text.find('#', from)) != std::string::npos) {
            const std::size_t to = line.Text.find('#', from + 1);
            if (to == std::string::npos) break;
            terms.push_back(line.Text.substr(from + 1, to - from - 1));
            from = to + 1;
        }
    }
    return terms;
}

TEST(InfoPages, TitlesOfTheFivePages) {
    EXPECT_EQ(Page(1).Title, "Entwicklung der Längenmaße");
    EXPECT_EQ(Page(2).Title, "Entwicklung der Massenmaße");
    EXPECT_EQ(Page(3).Title, "Messgeräte zur Längenmessung");
    EXPECT_EQ(Page(4).Title, "Messgeräte zur Gewichtsmessung");
    // The title keeps its short form; only the menu item reads "Andere Einheiten".
    EXPECT_EQ(Page(5).Title, "Andre Einheiten");
    EXPECT_EQ(InfoPageFor(0), nullptr);
    EXPECT_EQ(InfoPageFor(6), nullptr);
    EXPECT_EQ(InfoPageFor(-1), nullptr);
}

TEST(InfoPages, PicturesBelongToTheirPagesAndFitTheWindow) {
    EXPECT_THAT(PicturesOfPage(1), ElementsAre(1, 2, 3, 4, 5));
    EXPECT_THAT(PicturesOfPage(2), ElementsAre(7, 8));
    EXPECT_THAT(PicturesOfPage(3), ElementsAre(9, 15, 16, 17, 18, 19));
    EXPECT_THAT(PicturesOfPage(4), ElementsAre(10, 11, 12, 13, 14));
    EXPECT_THAT(PicturesOfPage(5), ElementsAre(6));
    EXPECT_TRUE(PicturesOfPage(0).empty());

    const auto pictures = InfoPictures();
    ASSERT_EQ(pictures.size(), 19U);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const InfoPicture& p = pictures[i];
        EXPECT_EQ(p.Number, static_cast<int>(i) + 1);
        EXPECT_LE(p.Left + p.Width, InfoClientWidth) << p.Number;
        EXPECT_LE(p.Top + p.Height, InfoClientHeight) << p.Number;
    }
    EXPECT_EQ(pictures[5].Left, 360);
    EXPECT_EQ(pictures[5].Top, 488);
    EXPECT_EQ(pictures[5].Width, 247);
    EXPECT_EQ(pictures[5].Height, 219);
    // Pictures of one page never cover each other.
    for (const InfoPicture& a : pictures)
        for (const InfoPicture& b : pictures)
            if (a.Number < b.Number && a.Page == b.Page) {
                const bool apart = a.Left + a.Width <= b.Left || b.Left + b.Width <= a.Left ||
                                   a.Top + a.Height <= b.Top || b.Top + b.Height <= a.Top;
                EXPECT_TRUE(apart) << a.Number << " " << b.Number;
            }
}

TEST(InfoPages, LinePositionsOfTheTextPages) {
    EXPECT_THAT(Ys(Page(1)),
                ElementsAre(20, 40, 70, 90, 120, 140, 170, 190, 210, 240, 260, 280, 300, 330, 350,
                            370, 400, 420, 440, 460, 490, 510, 530, 550, 580, 600, 630, 650));
    EXPECT_THAT(Ys(Page(2)), ElementsAre(20, 40, 60, 90, 110, 130, 160, 210, 230, 250, 280, 300,
                                         320, 340, 370, 390, 420, 440, 460, 500, 530, 560, 590));
    EXPECT_THAT(Ys(Page(3)), ElementsAre(30, 50, 70, 150, 170, 190, 300, 320, 420, 440, 500, 520,
                                         540, 600, 620));
    EXPECT_THAT(Ys(Page(4)), ElementsAre(50, 140, 160, 240, 300, 380, 500, 520));
    for (int page = 1; page <= 4; ++page)
        for (const InfoLine& line : Page(page).Lines)
            EXPECT_EQ(line.X, 10) << line.Text;
}

TEST(InfoPages, ColourRules) {
    // The opening lines of both history pages are plain black.
    const InfoLine& first = Page(1).Lines.front();
    EXPECT_EQ(first.Text,
              "Schon im Altertum war man auf eine vergleichbare Längenmessung angewiesen.");
    EXPECT_EQ(first.Normal, Black);
    EXPECT_EQ(first.Highlight, Black);
    EXPECT_EQ(Page(2).Lines.front().Normal, Black);
    EXPECT_EQ(Page(2).Lines.front().Highlight, Black);
    for (int page = 1; page <= 4; ++page) {
        const auto& lines = Page(page).Lines;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if ((page <= 2 && i == 0) || (page == 2 && lines[i].Y == 500)) continue;
            EXPECT_EQ(lines[i].Normal, Black) << lines[i].Text;
            EXPECT_EQ(lines[i].Highlight, Red) << lines[i].Text;
        }
    }
    // The line that introduces the tested approaches is blue.
    const auto& mass = Page(2).Lines;
    const auto intro = std::find_if(mass.begin(), mass.end(), [](auto& l) { return l.Y == 500; });
    ASSERT_NE(intro, mass.end());
    EXPECT_EQ(intro->Normal, Blue);
}

TEST(InfoPages, HighlightMarkersArePaired) {
    for (int page = 1; page <= InfoPageCount; ++page)
        for (const InfoLine& line : Page(page).Lines) {
            EXPECT_EQ(std::count(line.Text.begin(), line.Text.end(), '#') % 2, 0) << line.Text;
            // A raise or lower mark always has a character to act on.
            EXPECT_NE(line.Text.back(), '^') << line.Text;
            EXPECT_NE(line.Text.back(), '!') << line.Text;
            EXPECT_FALSE(line.Text.empty());
        }
}

TEST(InfoPages, HighlightedTermsInOrder) {
    EXPECT_THAT(Highlighted(Page(1)),
                ElementsAreArray(std::vector<std::string>{"Ägyptern",
                                                          "Körpermaße",
                                                          "Elle",
                                                          "Fuß",
                                                          "Griechen",
                                                          "Stadion",
                                                          "Römer",
                                                          "Meile",
                                                          "Fuß",
                                                          "Yard",
                                                          "Inch",
                                                          "Zoll",
                                                          "Körpermaßes",
                                                          "Naturmaß",
                                                          "Fuß",
                                                          "1 Meter",
                                                          "Geburtsstunde des Metermaßes",
                                                          "Kunstmaß",
                                                          "Urmeterstab",
                                                          "1 650 763,73",
                                                          "Wellenlänge",
                                                          "Kryptonatom",
                                                          "1/299792458",
                                                          "Sekunde"}));
    EXPECT_THAT(
        Highlighted(Page(2)),
        ElementsAreArray(std::vector<std::string>{
            "Stück", "Volumen", "Getreidekörnern", "Wasser", "Talent", "Kubikfuß", "grain",
            "0,06479891 g", "Pfund", "Talent", "libra", "327,45 g", "Basiseinheit", "Urkilogramm",
            "90 % Platin", "10 % Iridium", "Fundamental-", "konstanten", "Massendifferenz"}));
    EXPECT_THAT(Highlighted(Page(3)),
                ElementsAreArray(std::vector<std::string>{
                    "Radaranlagen", "Gigahertz", "Messrad", "Messband", "Lineal", "Geodreieck",
                    "Messschieber", "Tiefenmessstange", "Mikrometerschraube"}));
    EXPECT_THAT(Highlighted(Page(4)),
                ElementsAreArray(std::vector<std::string>{
                    "Waagebalken", "röm. Schnellwaage", "Analysewaagen", "Neigungswaage",
                    "Dezimal- und Küchenwaage", "elektronischen Waagen"}));
}

bool Contains(const InfoPage& page, const std::string& text) {
    for (const InfoLine& l : page.Lines)
        if (l.Text.find(text) != std::string::npos) return true;
    return false;
}

TEST(InfoPages, KeyFactsOfTheHistoryPages) {
    const InfoPage& length = Page(1);
    for (const char* fact : {"1793", "1799", "Platin", "1960", "(^8^6Kr)", "1983", "180 m",
                             "Barcelona", "Dünkirchen", "Paris", "Gerstenkörnern", "Sechzehn"})
        EXPECT_TRUE(Contains(length, fact)) << fact;
    const InfoPage& mass = Page(2);
    for (const char* fact : {"39 mm", "40 Kopien", "50 Mikrogramm", "12 Unzen", "500 Gramm",
                             "Österreich", "Silizium", "Ionen"})
        EXPECT_TRUE(Contains(mass, fact)) << fact;
    // The mass number of the krypton atom is the only raised text on page 1.
    int raised = 0;
    for (const InfoLine& l : length.Lines)
        raised += std::count(l.Text.begin(), l.Text.end(), '^');
    EXPECT_EQ(raised, 2);
}

struct TableRow {
    std::string Name;
    int NameX;
    int EqualsX;
    std::string Value;
    int ValueX;
};

// Page 5 rows by y and name position.
std::map<std::pair<int, int>, TableRow> Table() {
    std::map<std::pair<int, int>, TableRow> rows;
    const auto& lines = Page(5).Lines;
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        const InfoLine& name = lines[i];
        if (name.Text.front() != '#' || lines[i + 1].Text != "=") continue;
        rows[{name.Y, name.X}] = {name.Text, name.X, lines[i + 1].X, lines[i + 2].Text,
                                  lines[i + 2].X};
    }
    return rows;
}

TEST(InfoPages, UnitTableLayout) {
    const auto rows = Table();
    ASSERT_EQ(rows.size(), 13U);
    const std::vector<std::tuple<int, int, int, int, const char*>> expected = {
        {50, 10, 100, 120, "#1 Spanne#"},         {70, 10, 100, 120, "#1 Elle#"},
        {90, 10, 100, 120, "#1 Klafter#"},        {180, 10, 100, 120, "#1 inch (in)#"},
        {200, 10, 100, 120, "#1 Zoll#"},          {220, 10, 100, 120, "#1 foot (ft)#"},
        {240, 10, 100, 120, "#1 yard (yd)#"},     {260, 10, 100, 120, "#1 mile (mi)#"},
        {180, 360, 430, 450, "#1 ounce#"},        {200, 360, 430, 450, "#1 pound#"},
        {220, 360, 430, 450, "#1 ton#"},          {180, 710, 780, 800, "#1 gallon#"},
        {360, 10, 140, 160, "#1 Seemeile (sm)#"},
    };
    for (const auto& [y, nameX, eqX, valueX, name] : expected) {
        const auto row = rows.find({y, nameX});
        ASSERT_NE(row, rows.end()) << name;
        EXPECT_EQ(row->second.Name, name);
        EXPECT_EQ(row->second.EqualsX, eqX) << name;
        EXPECT_EQ(row->second.ValueX, valueX) << name;
    }
    // Names blue, "=" and values black; headings red.
    for (const InfoLine& l : Page(5).Lines) {
        if (l.Y > 360) continue;
        if (l.Text.front() == '#' || l.Text == "=" || std::isdigit(l.Text.front())) {
            EXPECT_EQ(l.Normal, Black) << l.Text;
            EXPECT_EQ(l.Highlight, Blue) << l.Text;
        } else {
            EXPECT_EQ(l.Normal, Red) << l.Text;
            EXPECT_EQ(l.Highlight, Black) << l.Text;
        }
    }
    for (const auto& [y, heading] : std::vector<std::pair<int, std::string>>{
             {20, "Alte Einheiten"}, {150, "Englische Einheiten"}, {330, "Seemeile"}}) {
        const auto& lines = Page(5).Lines;
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const InfoLine& l) {
            return l.Y == y && l.X == 10 && l.Text == heading && l.Normal == Red;
        })) << heading;
    }
}

// Reads "30,48 cm" as 30.48 and the count of decimals.
std::pair<double, int> Figure(const std::string& value) {
    std::string number = value.substr(0, value.find(' '));
    const std::size_t comma = number.find(',');
    const int decimals = comma == std::string::npos ? 0 : int(number.size() - comma - 1);
    if (comma != std::string::npos) number[comma] = '.';
    return {std::stod(number), decimals};
}

TEST(InfoPages, UnitFiguresAreCorrectlyRounded) {
    // Exact definitions: inch 2,54 cm; foot 12 in; yard 36 in; mile 1760 yd;
    // avoirdupois pound 0,45359237 kg, ounce 1/16 lb, long ton 2240 lb;
    // US gallon 3,785411784 l; nautical mile 1852 m.
    const std::map<std::string, double> truth = {
        {"#1 inch (in)#", 2.54},
        {"#1 Zoll#", 2.54},
        {"#1 foot (ft)#", 30.48},
        {"#1 yard (yd)#", 91.44},
        {"#1 mile (mi)#", 1.609344},
        {"#1 ounce#", 28.349523125},
        {"#1 pound#", 0.45359237},
        {"#1 ton#", 1016.0469088},
        {"#1 gallon#", 3.785411784},
        {"#1 Seemeile (sm)#", 1.852},
        // Old units in their English form: span 9 in, ell 45 in, fathom 6 ft.
        {"#1 Spanne#", 22.86},
        {"#1 Elle#", 1.143},
        {"#1 Klafter#", 1.8288},
    };
    for (const auto& [key, row] : Table()) {
        const auto exact = truth.find(row.Name);
        ASSERT_NE(exact, truth.end()) << row.Name;
        const auto [shown, decimals] = Figure(row.Value);
        EXPECT_LE(std::abs(shown - exact->second), 0.5 * std::pow(10.0, -decimals) + 1e-9)
            << row.Name << " = " << row.Value;
    }
}

TEST(InfoPages, NauticalMileExplanation) {
    std::vector<const InfoLine*> lines;
    for (const InfoLine& l : Page(5).Lines)
        if (l.Y > 360) lines.push_back(&l);
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0]->Y, 390);
    EXPECT_EQ(lines[1]->Y, 420);
    EXPECT_EQ(lines[2]->Y, 440);
    EXPECT_EQ(lines[3]->Y, 460);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i]->X, 10);
        EXPECT_EQ(lines[i]->Normal, Black);
        EXPECT_EQ(lines[i]->Highlight, i < 2 ? Blue : Red);
        if (i < 2) {
            EXPECT_EQ(lines[i]->Text.find('#'), std::string::npos);
        }
    }
    EXPECT_NE(lines[2]->Text.find("#Meridianen#"), std::string::npos);
    EXPECT_NE(lines[3]->Text.find("#Meridianbogen#"), std::string::npos);
    EXPECT_NE(lines[3]->Text.find("1,852 km"), std::string::npos);
}

} // namespace
} // namespace quarvel
