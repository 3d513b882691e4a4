// The information pages against info_pages.csv, info_numbers.csv, texts.csv
// and colours.csv (titles, pictures, every line's place, given wording and
// colours, the highlighted words), and the conversion chains against
// chains.csv and chain_drawing.csv (width, title, every label, tick and stroke).
#include "Tables.h"

#include "core/Selection.h"
#include "reference/ChainGeometry.h"
#include "reference/InfoPages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
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
    std::vector<std::string> found;
    for (const InfoLine& line : lines) {
        for (std::size_t open = line.Text.find('#'); open != std::string::npos;) {
            const std::size_t close = line.Text.find('#', open + 1);
            if (close == std::string::npos) break;
            found.push_back(line.Text.substr(open + 1, close - open - 1));
            open = line.Text.find('#', close + 1);
        }
    }
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

// The colours.csv elements of a line's normal and highlight colour; "" where
// the table states none.
std::pair<std::string, std::string> Stated(int page, const InfoLine& line, const InfoLine* before) {
    if (page == 1 && line.Y == 20)
        return {"page 1 line 1 (y 20) normal", "page 1 line 1 (y 20) highlight"};
    if (page == 2 && line.Y == 20)
        return {"page 2 line 1 (y 20) all text", "page 2 line 1 (y 20) all text"};
    if (page == 2 && line.Y == 500) return {"page 2 line at y 500 normal", ""};
    if (page != 5)
        return {"line normal colour unless stated otherwise",
                line.Text.find('#') != std::string::npos
                    ? "line highlight colour unless stated otherwise"
                    : ""};
    if (line.Y == 390 || line.Y == 420)
        return {"page 5 lines y 390 and 420 normal",
                "page 5 lines y 390 and 420 highlight (not used)"};
    if (line.Y == 440 || line.Y == 460)
        return {"page 5 lines y 440 and 460 normal", "page 5 lines y 440 and 460 highlight"};
    if (line.Text.front() == '#')
        return {"", "page 5 unit names highlight (the whole name is between #)"};
    if (line.Text == "=" || (before != nullptr && before->Text == "="))
        return {"page 5 equals signs and values", ""};
    return {"page 5 headings normal", "page 5 headings highlight"};
}

TEST(InfoPagesTable, EveryPage) {
    for (int page = 1; page <= InfoPageCount; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const InfoPage* info = InfoPageFor(page);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->Title,
                  tables::Text("TfrmInformation", "caption on page " + std::to_string(page)));
        // Every line's place, colours and the wording where the table gives it.
        std::vector<const CsvRow*> rows;
        for (const CsvRow& row : Rows("info_pages.csv"))
            if (row.Int("page") == page) rows.push_back(&row);
        const auto& lines = info->Lines;
        ASSERT_EQ(lines.size(), rows.size()) << "info_pages.csv: number of lines";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const CsvRow& row = *rows[i];
            const InfoLine& line = lines[i];
            SCOPED_TRACE(row.Where() + " (line " + row["line"] + ")");
            EXPECT_EQ(std::pair(line.X, line.Y), std::pair(row.Int("x"), row.Int("y")));
            if (!row["text"].empty()) {
                EXPECT_EQ(line.Text, Mended(row["text"]));
            }
            const auto [normal, highlight] = Stated(page, line, i > 0 ? &lines[i - 1] : nullptr);
            if (!normal.empty()) {
                EXPECT_EQ(line.Normal, tables::Colour("TfrmInformation", normal))
                    << "colours.csv " << normal << ": " << tables::ToString(line.Normal);
            }
            if (!highlight.empty()) {
                EXPECT_EQ(line.Highlight, tables::Colour("TfrmInformation", highlight))
                    << "colours.csv " << highlight << ": " << tables::ToString(line.Highlight);
            }
        }

        // The highlighted words in order (page 5: those of its explaining lines).
        std::vector<InfoLine> marked = page < 5 ? lines : std::vector<InfoLine>();
        std::istringstream explaining(page < 5 ? "" : Number(page, "explaining lines y"));
        for (int y = 0; explaining >> y;)
            for (const InfoLine& l : lines)
                if (l.Y == y && l.X == 10) marked.push_back(l);
        EXPECT_EQ(Highlights(marked), ListedHighlights(page)) << "info_numbers.csv highlight g.k";
    }
    bool krypton = false;
    for (const InfoLine& l : InfoPageFor(1)->Lines)
        krypton |= l.Text.find(Number(1, "markup (krypton mass number)")) != std::string::npos;
    EXPECT_TRUE(krypton) << "info_numbers.csv page 1 markup (krypton mass number)";
}

// One drawn thing as a line of text, so that a difference names what is
// missing or extra.
std::string Drawn(const std::string& what, int x, int y1, int y2, int size, const Rgb& c) {
    return what + " x " + std::to_string(x) + " y " + std::to_string(std::min(y1, y2)) + ".." +
           std::to_string(std::max(y1, y2)) + " size " + std::to_string(size) + " " +
           tables::ToString(c);
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
            const bool line = what == "axis" || what == "tick" || what == "stroke";
            if (line) {
                EXPECT_EQ(d.Int("pen_width"), ChainPenWidth) << d.Where();
            }
            if (what == "tick" || what == "stroke")
                expected.push_back(Drawn(what, d.Int("x"), d.Int("y"), d.Int("y_end"), 0, c));
            else if (!line)
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

} // namespace
} // namespace quarvel
