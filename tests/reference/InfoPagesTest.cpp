// The information pages as data: titles, pictures, where the lines run,
// colours, highlight markup and the figures of the unit table.
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

const InfoPage& Page(int page) {
    const InfoPage* content = InfoPageFor(page);
    EXPECT_NE(content, nullptr) << "page " << page;
    static const InfoPage empty;
    return content != nullptr ? *content : empty;
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
    for (const InfoPicture& a : pictures) {
        EXPECT_EQ(a.Number, &a - pictures.data() + 1);
        EXPECT_LE(a.Left + a.Width, InfoClientWidth) << a.Number;
        EXPECT_LE(a.Top + a.Height, InfoClientHeight) << a.Number;
        // Pictures of one page never cover each other.
        for (const InfoPicture& b : pictures) {
            if (a.Number >= b.Number || a.Page != b.Page) continue;
            const bool apart = a.Left + a.Width <= b.Left || b.Left + b.Width <= a.Left ||
                               a.Top + a.Height <= b.Top || b.Top + b.Height <= a.Top;
            EXPECT_TRUE(apart) << a.Number << " " << b.Number;
        }
    }
}

// Lines of a text page run down the left margin, one text height apart or
// more, from the first to the last position.
TEST(InfoPages, LinePositionsOfTheTextPages) {
    const std::map<int, std::array<int, 3>> expected = {
        {1, {28, 20, 650}}, {2, {23, 20, 590}}, {3, {15, 30, 620}}, {4, {8, 50, 520}}};
    for (const auto& [page, countFirstLast] : expected) {
        const auto& lines = Page(page).Lines;
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ((std::array{static_cast<int>(lines.size()), lines.front().Y, lines.back().Y}),
                  countFirstLast)
            << page;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].X, 10) << lines[i].Text;
            if (i > 0) {
                EXPECT_GE(lines[i].Y - lines[i - 1].Y, 20) << lines[i].Text;
            }
        }
    }
}

TEST(InfoPages, ColourRules) {
    // The opening lines of both history pages are plain black, the line that
    // introduces the tested approaches on the mass page blue; all else is
    // black with red highlights.
    for (int page = 1; page <= 4; ++page) {
        const auto& lines = Page(page).Lines;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool opening = page <= 2 && i == 0;
            const bool intro = page == 2 && lines[i].Y == 500;
            EXPECT_EQ(lines[i].Normal, intro ? Blue : Black) << lines[i].Text;
            EXPECT_EQ(lines[i].Highlight, opening ? Black : Red) << lines[i].Text;
        }
    }
    EXPECT_EQ(Page(1).Lines.front().Text,
              "Schon im Altertum war man auf eine vergleichbare Längenmessung angewiesen.");
}

TEST(InfoPages, MarkupIsWellFormed) {
    for (int page = 1; page <= InfoPageCount; ++page) {
        for (const InfoLine& line : Page(page).Lines) {
            ASSERT_FALSE(line.Text.empty());
            EXPECT_EQ(std::count(line.Text.begin(), line.Text.end(), '#') % 2, 0) << line.Text;
            // A raise or lower mark always has a character to act on.
            EXPECT_NE(line.Text.back(), '^') << line.Text;
            EXPECT_NE(line.Text.back(), '!') << line.Text;
        }
    }
    const std::map<int, std::size_t> terms = {{1, 24}, {2, 19}, {3, 9}, {4, 6}};
    for (const auto& [page, count] : terms)
        EXPECT_EQ(Highlighted(Page(page)).size(), count) << page;
    // Highlights may hold blanks, digits and a word cut at the end of a line.
    const auto length = Highlighted(Page(1));
    EXPECT_NE(std::find(length.begin(), length.end(), "1 650 763,73"), length.end());
    const auto mass = Highlighted(Page(2));
    EXPECT_NE(std::find(mass.begin(), mass.end(), "Fundamental-"), mass.end());
    // The mass number of the krypton atom is the only raised text on page 1.
    int raised = 0;
    for (const InfoLine& l : Page(1).Lines)
        raised += static_cast<int>(std::count(l.Text.begin(), l.Text.end(), '^'));
    EXPECT_EQ(raised, 2);
}

struct TableRow {
    const InfoLine* Name;
    const InfoLine* Equals;
    const InfoLine* Value;
};

// The unit rows of page 5: a highlighted name, "=", the value.
std::vector<TableRow> Table() {
    std::vector<TableRow> rows;
    const auto& lines = Page(5).Lines;
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        if (lines[i].Text.front() == '#' && lines[i + 1].Text == "=")
            rows.push_back({&lines[i], &lines[i + 1], &lines[i + 2]});
    }
    return rows;
}

TEST(InfoPages, UnitTableLayout) {
    const auto rows = Table();
    ASSERT_EQ(rows.size(), 13U);
    // Rows of one column (the names' x, above or below y 300) share the
    // places of "=" and of the value.
    std::map<std::pair<int, int>, int> columns;
    for (const TableRow& row : rows) {
        EXPECT_TRUE(row.Name->Y == row.Equals->Y && row.Name->Y == row.Value->Y);
        EXPECT_EQ(row.Value->X, row.Equals->X + 20) << row.Name->Text;
        const auto [column, added] =
            columns.emplace(std::pair{row.Name->X, row.Name->Y / 300}, row.Equals->X);
        EXPECT_EQ(column->second, row.Equals->X) << row.Name->Text;
    }
    EXPECT_EQ(columns.size(), 4U);
    // Names blue, "=" and values black; headings red.
    for (const InfoLine& l : Page(5).Lines) {
        if (l.Y > 360) continue;
        const bool cell = l.Text.front() == '#' || l.Text == "=" || std::isdigit(l.Text.front());
        EXPECT_EQ(l.Normal, cell ? Black : Red) << l.Text;
        EXPECT_EQ(l.Highlight, cell ? Blue : Black) << l.Text;
    }
    std::vector<std::string> headings;
    for (const InfoLine& l : Page(5).Lines)
        if (l.Normal == Red) headings.push_back(l.Text);
    EXPECT_THAT(headings, ElementsAre("Alte Einheiten", "Englische Einheiten", "Seemeile"));
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
    for (const TableRow& row : Table()) {
        const auto exact = truth.find(row.Name->Text);
        ASSERT_NE(exact, truth.end()) << row.Name->Text;
        const auto [shown, decimals] = Figure(row.Value->Text);
        EXPECT_LE(std::abs(shown - exact->second), 0.5 * std::pow(10.0, -decimals) + 1e-9)
            << row.Name->Text << " = " << row.Value->Text;
    }
}

TEST(InfoPages, NauticalMileExplanation) {
    std::vector<const InfoLine*> lines;
    for (const InfoLine& l : Page(5).Lines)
        if (l.Y > 360) lines.push_back(&l);
    ASSERT_EQ(lines.size(), 4U);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[i]->Normal, Black);
        EXPECT_EQ(lines[i]->Highlight, i < 2 ? Blue : Red);
    }
    EXPECT_NE(lines[2]->Text.find("#Meridianen#"), std::string::npos);
    EXPECT_NE(lines[3]->Text.find("1,852 km"), std::string::npos);
}

} // namespace
} // namespace quarvel
