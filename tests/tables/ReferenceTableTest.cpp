// The information pages against info_pages.csv, info_numbers.csv, texts.csv
// and colours.csv, the conversion chains against chains.csv and
// chain_drawing.csv; labels stepping aside from marks, the worked solutions
// drawn on the chains, and chains and pages as a screen reader reads them.
#include "Tables.h"

#include "../solution/DecadicTasks.h"

#include "core/Selection.h"
#include "reference/ChainGeometry.h"
#include "reference/ChainSolution.h"
#include "reference/InfoPages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace quarvel {
namespace {

using tables::CsvRow;
using tables::Rows;

std::string Number(int page, const std::string& what) {
    return tables::RowOf("info_numbers.csv", "page", std::to_string(page), "what", what)["value"];
}
int Int(int page, const std::string& what) {
    return std::stoi(Number(page, what));
}

// The texts between pairs of "#", in order.
std::vector<std::string> Highlights(const std::vector<InfoLine>& lines) {
    static const std::regex marked("#([^#]*)#");
    std::vector<std::string> found;
    for (const InfoLine& l : lines)
        for (std::sregex_iterator m(l.Text.begin(), l.Text.end(), marked), end; m != end; ++m)
            found.push_back((*m)[1]);
    return found;
}

// An entry as the page shows it (cases/tables_info_mended.csv).
std::string Mended(const std::string& text) {
    for (const CsvRow& row : Rows("cases/tables_info_mended.csv"))
        if (row["transcribed"] == text) return row["shown"];
    return text;
}

// The highlight g.k rows of a page, in the table's order.
std::vector<std::string> ListedHighlights(int page) {
    std::vector<std::string> terms;
    for (const CsvRow& row : Rows("info_numbers.csv"))
        if (row.Int("page") == page && row["what"].rfind("highlight ", 0) == 0)
            terms.push_back(Mended(row["value"]));
    return terms;
}

TEST(InfoPagesTable, WindowAndPictures) {
    EXPECT_EQ(InfoClientWidth, Int(0, "client width"));
    EXPECT_EQ(InfoClientHeight, Int(0, "client height"));
    EXPECT_EQ(InfoTextSize, Int(0, "font size"));
    EXPECT_EQ(InfoPageCount, Int(0, "page count"));
    ASSERT_EQ(InfoPictures().size(), 19U) << "img1 .. img19";
    for (const InfoPicture& p : InfoPictures()) {
        const std::string img = "img" + std::to_string(p.Number);
        const int page = tables::RowOf("info_numbers.csv", "what", img + " left").Int("page");
        EXPECT_EQ(std::tuple(p.Page, p.Left, p.Top, p.Width, p.Height),
                  std::tuple(page, Int(page, img + " left"), Int(page, img + " top"),
                             Int(page, img + " width"), Int(page, img + " height")))
            << img << ": page, left, top, width, height";
    }
}

TEST(InfoPagesTable, EveryPage) {
    for (int page = 1; page <= InfoPageCount; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const InfoPage* info = InfoPageFor(page);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->Title,
                  tables::Text("TfrmInformation", "caption on page " + std::to_string(page)));
        const auto& lines = info->Lines;
        std::size_t i = 0;
        for (const CsvRow& row : Rows("info_pages.csv")) {
            if (row.Int("page") != page) continue;
            SCOPED_TRACE(row.Where() + " (line " + row["line"] + ")");
            ASSERT_LT(i, lines.size());
            const InfoLine& line = lines[i++];
            EXPECT_EQ(std::pair(line.X, line.Y), std::pair(row.Int("x"), row.Int("y")));
            if (!row["text"].empty()) {
                EXPECT_EQ(line.Text, Mended(row["text"]));
            }
            const CsvRow& stated = tables::RowOf("cases/tables_info_colours.csv", "page",
                                                 row["page"], "line", row["line"]);
            for (const auto& [colour, which] :
                 {std::pair(line.Normal, "normal"), std::pair(line.Highlight, "highlight")})
                if (!stated[which].empty()) {
                    EXPECT_EQ(colour, tables::Colour("TfrmInformation", stated[which])) << which;
                }
        }
        EXPECT_EQ(i, lines.size()) << "info_pages.csv: number of lines";
        // The highlighted words in order (page 5: those of its explaining lines).
        std::vector<InfoLine> marked = page < 5 ? lines : std::vector<InfoLine>();
        std::istringstream explaining(page < 5 ? "" : Number(page, "explaining lines y"));
        for (int y = 0; explaining >> y;)
            for (const InfoLine& l : lines)
                if (l.Y == y && l.X == 10) marked.push_back(l);
        EXPECT_EQ(Highlights(marked), ListedHighlights(page)) << "info_numbers.csv highlight g.k";
    }
    const std::string krypton = Number(1, "markup (krypton mass number)");
    EXPECT_TRUE(std::any_of(InfoPageFor(1)->Lines.begin(), InfoPageFor(1)->Lines.end(),
                            [&](auto& l) { return l.Text.find(krypton) != std::string::npos; }));
}

// One drawn thing as a line of text, so that a difference names what is
// missing or extra.
std::string Drawn(const std::string& what, int x, int y1, int y2, int size, const Rgb& c) {
    std::ostringstream text;
    text << what << " x " << x << " y " << std::min(y1, y2) << ".." << std::max(y1, y2) << " size "
         << size << " (" << c.R << ", " << c.G << ", " << c.B << ")";
    return text.str();
}

TEST(ChainTable, WidthTitleAndDrawingOfEveryAreaCode) {
    for (const int code : {0, 9})
        EXPECT_FALSE(ChainFor(AreaOf(SelectionState{.AreaCode = code}))) << "AreaCode " << code;
    // "the form's own client area 367 x 154"; "the axis runs from x = 15 to x = client width - 15"
    EXPECT_EQ(std::tuple(ChainDefaultWidth, ChainClientHeight, ChainAxisMargin),
              std::tuple(367, 154, 15));
    ASSERT_EQ(Rows("chains.csv").size(), 8U) << "chains.csv: AreaCode 1..8";
    for (const CsvRow& row : Rows("chains.csv")) {
        const int code = row.Int("area_code");
        SCOPED_TRACE("chains.csv AreaCode " + std::to_string(code));
        const auto layout = ChainFor(AreaOf(SelectionState{.AreaCode = code}));
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->Width, row.Int("window_width"));
        EXPECT_EQ(layout->Title, row["title"]);
        EXPECT_EQ(ChainBackground, (Rgb{row.Int("background_red"), row.Int("background_green"),
                                        row.Int("background_blue")}));
        std::vector<std::string> expected;
        for (const CsvRow& d : Rows("chain_drawing.csv")) {
            if (d.Int("area_code") != code) continue;
            const std::string& what = d["what"];
            const Rgb c{d.Int("red"), d.Int("green"), d.Int("blue")};
            if (what == "axis" || what == "tick" || what == "stroke") {
                EXPECT_EQ(d.Int("pen_width"), ChainPenWidth) << d.Where();
            }
            if (what == "tick" || what == "stroke")
                expected.push_back(Drawn(what, d.Int("x"), d.Int("y"), d.Int("y_end"), 0, c));
            else if (what != "axis")
                expected.push_back(Drawn("label \"" + d["text"] + "\"", d.Int("x"), d.Int("y"),
                                         d.Int("y"), d.Int("size"), c));
        }
        std::vector<std::string> drawn;
        for (const ChainLabel& l : layout->Labels)
            drawn.push_back(Drawn("label \"" + l.Text + "\"", l.X, l.Y, l.Y, l.Size, l.Colour));
        for (const ChainStroke& s : layout->Ticks)
            drawn.push_back(Drawn("tick", s.X, s.Top, s.Bottom, 0, s.Colour));
        for (const ChainStroke& s : layout->Strokes)
            drawn.push_back(Drawn("stroke", s.X, s.Top, s.Bottom, 0, s.Colour));
        EXPECT_THAT(drawn, ::testing::UnorderedElementsAreArray(expected));
    }
}

// In words each factor stands between the units it joins; no coloured label
// is left out.
TEST(ChainGeometry, SpokenChainPairsFactorsWithTheirUnits) {
    EXPECT_THAT(SpokenChain(ChainFor(UnitArea::Volumen).value()),
                ::testing::ElementsAre("m³, dm³, cm³, mm³", "hl, l, dl, cl, ml", "1 m³ = 1000 dm³",
                                       "1 dm³ = 1000 cm³", "1 cm³ = 1000 mm³", "1 hl = 100 l",
                                       "1 l = 10 dl", "1 dl = 10 cl", "1 cl = 10 ml", "1 l = 1 dm³",
                                       "1 ml = 1 cm³"));
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

using Cells = std::multiset<std::pair<int, std::string>>;

Cells DrawnCells(const ChainSolution& drawn, Rgb colour) {
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

// Whether a place of the chain stands over the column at x.
bool OnChain(const ChainLayout& chain, int x) {
    return std::any_of(chain.Labels.begin(), chain.Labels.end(), [x](const ChainLabel& l) {
        return l.Colour == Black && std::abs(l.X - x) <= 25;
    });
}

// A decadic task's digits stand in the columns of their places; a number
// reaching beyond the places shows no digits.
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
                shown &= OnChain(chain, x);
        EXPECT_EQ(DrawnCells(drawn, ChainExpectedColour), shown ? expected : Cells());
        if (!s.NotationGiven) {
            EXPECT_EQ(DrawnCells(drawn, ChainGivenColour), shown ? from : Cells());
        }
        beyond += !shown;
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
