// The information pages as data: highlight markup, the figures of the unit
// table and how a screen reader reads them.
#include "reference/InfoPages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <string>

namespace quarvel {
namespace {

const std::vector<InfoLine>& Lines(int page) {
    return InfoPageFor(page)->Lines;
}

// Highlights come in pairs of "#", and a raise or lower mark always has a
// character to act on. (Places, titles, pictures and highlighted words are
// compared with their table in tests/tables.)
TEST(InfoPages, Markup) {
    EXPECT_TRUE(InfoPageFor(0) == nullptr && InfoPageFor(InfoPageCount + 1) == nullptr);
    for (int page = 1; page <= InfoPageCount; ++page) {
        for (const InfoLine& l : Lines(page)) {
            EXPECT_EQ(std::count(l.Text.begin(), l.Text.end(), '#') % 2, 0) << l.Text;
            EXPECT_TRUE(!l.Text.empty() && l.Text.back() != '^' && l.Text.back() != '!');
        }
    }
}

struct TableRow {
    const InfoLine* Name;
    const InfoLine* Equals;
    const InfoLine* Value;
};

// The unit rows of page 5: a highlighted name, "=", the value.
std::vector<TableRow> Table() {
    std::vector<TableRow> rows;
    const auto& lines = Lines(5);
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        if (lines[i].Text.front() == '#' && lines[i + 1].Text == "=")
            rows.push_back({&lines[i], &lines[i + 1], &lines[i + 2]});
    }
    return rows;
}

// Exact definitions: inch 2,54 cm; foot 12 in; yard 36 in; mile 1760 yd;
// avoirdupois pound 0,45359237 kg, ounce 1/16 lb, long ton 2240 lb; US gallon
// 3,785411784 l; nautical mile 1852 m; span 9 in, ell 45 in, fathom 6 ft.
TEST(InfoPages, UnitFiguresAreCorrectlyRounded) {
    const std::map<std::string, double> truth = {
        {"#1 inch (in)#", 2.54},      {"#1 Zoll#", 2.54},          {"#1 foot (ft)#", 30.48},
        {"#1 yard (yd)#", 91.44},     {"#1 mile (mi)#", 1.609344}, {"#1 ounce#", 28.349523125},
        {"#1 pound#", 0.45359237},    {"#1 ton#", 1016.0469088},   {"#1 gallon#", 3.785411784},
        {"#1 Seemeile (sm)#", 1.852}, {"#1 Spanne#", 22.86},       {"#1 Elle#", 1.143},
        {"#1 Klafter#", 1.8288}};
    const auto rows = Table();
    ASSERT_EQ(rows.size(), truth.size());
    for (const TableRow& row : rows) {
        // "30,48 cm" -> 30.48 with 2 decimals
        std::string number = row.Value->Text.substr(0, row.Value->Text.find(' '));
        const std::size_t comma = number.find(',');
        const int decimals = comma == std::string::npos ? 0 : int(number.size() - comma - 1);
        if (comma != std::string::npos) number[comma] = '.';
        EXPECT_LE(std::abs(std::stod(number) - truth.at(row.Name->Text)),
                  0.5 * std::pow(10.0, -decimals) + 1e-9)
            << row.Name->Text << " = " << row.Value->Text;
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

} // namespace
} // namespace quarvel
