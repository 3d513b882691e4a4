// The conversion chain drawings against chains.csv and chain_drawing.csv:
// per AreaCode the width, the title, and every label, tick and stroke.
#include "Tables.h"

#include "core/Selection.h"
#include "reference/ChainGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using tables::CsvRow;
using tables::Rows;

// One drawn thing as a line of text, so that the two readings can be sorted
// and compared as lists, and a difference names what is missing or extra.
std::string Label(const std::string& text, int x, int y, int size, const Rgb& c) {
    return "label \"" + text + "\" x " + std::to_string(x) + " y " + std::to_string(y) + " size " +
           std::to_string(size) + " " + tables::ToString(c);
}
std::string Line(const char* what, int x, int y1, int y2, const Rgb& c) {
    return std::string(what) + " x " + std::to_string(x) + " y " +
           std::to_string(std::min(y1, y2)) + ".." + std::to_string(std::max(y1, y2)) + " " +
           tables::ToString(c);
}

std::vector<std::string> Difference(const std::vector<std::string>& a,
                                    const std::vector<std::string>& b) {
    std::vector<std::string> out;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += "\n  " + item;
    return text;
}

TEST(ChainTable, WidthTitleAndDrawingOfEveryAreaCode) {
    EXPECT_FALSE(ChainFor(AreaOf(SelectionState{.AreaCode = 0}))) << "AreaCode 0 draws nothing";
    EXPECT_FALSE(ChainFor(AreaOf(SelectionState{.AreaCode = 9}))) << "AreaCode 9 draws nothing";
    ASSERT_EQ(Rows("chains.csv").size(), 8U) << "chains.csv: AreaCode 1..8";
    for (const CsvRow& row : Rows("chains.csv")) {
        const int code = row.Int("area_code");
        const std::string where = "chains.csv AreaCode " + std::to_string(code) + ": ";
        const auto layout = ChainFor(AreaOf(SelectionState{.AreaCode = code}));
        ASSERT_TRUE(layout) << where << "no drawing";
        EXPECT_EQ(layout->Width, row.Int("window_width")) << where << "window_width";
        EXPECT_EQ(layout->Title, row["title"]) << where << "title";
        const Rgb background{row.Int("background_red"), row.Int("background_green"),
                             row.Int("background_blue")};
        EXPECT_EQ(ChainBackground, background) << where << "background";

        std::vector<std::string> expected;
        std::vector<std::string> drawn;
        for (const CsvRow& d : Rows("chain_drawing.csv")) {
            if (d.Int("area_code") != code) continue;
            const Rgb c{d.Int("red"), d.Int("green"), d.Int("blue")};
            const std::string& what = d["what"];
            if (what == "axis") {
                EXPECT_EQ(ChainPenWidth, d.Int("pen_width"))
                    << "chain_drawing.csv line " << d.Line << ": pen_width";
                EXPECT_EQ(ChainAxisMargin, 15)
                    << "chain_drawing.csv: the axis from 15 to width - 15";
            } else if (what == "tick" || what == "stroke") {
                EXPECT_EQ(d.Int("pen_width"), ChainPenWidth)
                    << "chain_drawing.csv line " << d.Line << ": pen_width";
                expected.push_back(Line(what.c_str(), d.Int("x"), d.Int("y"), d.Int("y_end"), c));
            } else {
                expected.push_back(Label(d["text"], d.Int("x"), d.Int("y"), d.Int("size"), c));
            }
        }
        for (const ChainLabel& l : layout->Labels)
            drawn.push_back(Label(l.Text, l.X, l.Y, l.Size, l.Colour));
        for (const ChainStroke& s : layout->Ticks)
            drawn.push_back(Line("tick", s.X, s.Top, s.Bottom, s.Colour));
        for (const ChainStroke& s : layout->Strokes)
            drawn.push_back(Line("stroke", s.X, s.Top, s.Bottom, s.Colour));
        std::sort(expected.begin(), expected.end());
        std::sort(drawn.begin(), drawn.end());
        EXPECT_EQ(drawn, expected) << "chain_drawing.csv AreaCode " << code
                                   << "\nmissing:" << Joined(Difference(expected, drawn))
                                   << "\nnot in the table:" << Joined(Difference(drawn, expected));
    }
    EXPECT_EQ(ChainDefaultWidth, 367) << "chains.csv: the form's own client area 367 x 154";
    EXPECT_EQ(ChainClientHeight, 154) << "chains.csv: the form's own client area 367 x 154";
}

} // namespace
} // namespace quarvel
