// The information pages against info_pages.csv, info_numbers.csv, texts.csv
// and colours.csv: titles, pictures, every line's place and given wording,
// the highlighted words and the colours.
#include "Tables.h"

#include "reference/InfoPages.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>
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

std::vector<std::string> Words(const std::string& list) {
    std::istringstream in(list);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
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

// Terms the description lists in a spelling its own prose corrects: the
// paragraph names "327,45 g", and "Mikrometershraube" lacks its c.
// Figures of the unit table that are plainly wrong as transcribed (a foot is
// 30,48 cm; the long ton is 1016,0469 kg; the US gallon 3,785 l) and the two
// unit names written like their neighbours: the page shows the sound text.
std::string Mended(const std::string& text) {
    static const std::map<std::string, std::string> mended = {
        {"#1 zoll#", "#1 Zoll#"},    {"#1 foot(ft)#", "#1 foot (ft)#"},
        {"30,148 cm", "30,48 cm"},   {"1016,048 kg", "1016,047 kg"},
        {"3,78 l", "3,785 l (USA)"},
    };
    const auto it = mended.find(text);
    return it == mended.end() ? text : it->second;
}

std::string AsWritten(const std::string& term) {
    if (term == "327,45g") return "327,45 g";
    if (term == "Mikrometershraube") return "Mikrometerschraube";
    return term;
}

// highlight g.k rows of a page in the order of g, then k.
std::vector<std::string> ListedHighlights(int page) {
    std::map<std::pair<int, int>, std::string> terms;
    for (const CsvRow& row : Rows("info_numbers.csv")) {
        const std::string& what = row["what"];
        if (row.Int("page") != page || what.rfind("highlight ", 0) != 0) continue;
        const std::size_t dot = what.find('.');
        terms[{std::stoi(what.substr(10, dot - 10)), std::stoi(what.substr(dot + 1))}] =
            AsWritten(row["value"]);
    }
    std::vector<std::string> list;
    for (const auto& [key, term] : terms)
        list.push_back(term);
    return list;
}

TEST(InfoPagesTable, WindowAndPictures) {
    EXPECT_EQ(InfoClientWidth, Int(0, "client width")) << "info_numbers.csv client width";
    EXPECT_EQ(InfoClientHeight, Int(0, "client height")) << "info_numbers.csv client height";
    EXPECT_EQ(InfoTextSize, Int(0, "font size")) << "info_numbers.csv font size";
    EXPECT_EQ(InfoPageCount, Int(0, "page count")) << "info_numbers.csv page count";
    const auto pictures = InfoPictures();
    ASSERT_EQ(pictures.size(), 19U) << "info_numbers.csv img1 .. img19";
    for (const InfoPicture& p : pictures) {
        const std::string img = "img" + std::to_string(p.Number);
        const CsvRow& left = tables::RowOf("info_numbers.csv", "what", img + " left");
        const int page = left.Int("page");
        const std::string where = "info_numbers.csv " + img + " ";
        EXPECT_EQ(p.Page, page) << where << "page";
        EXPECT_EQ(p.Left, left.Int("value")) << where << "left";
        EXPECT_EQ(p.Top, Int(page, img + " top")) << where << "top";
        EXPECT_EQ(p.Width, Int(page, img + " width")) << where << "width";
        EXPECT_EQ(p.Height, Int(page, img + " height")) << where << "height";
    }
}

// The colours colours.csv states for a line, normal and highlight; nothing
// where it states none.
struct LineColours {
    std::optional<Rgb> Normal;
    std::optional<Rgb> Highlight;
    std::string Rule;
};

LineColours Stated(int page, const InfoLine& line, const InfoLine* before) {
    const auto c = [](const char* element) { return tables::Colour("TfrmInformation", element); };
    const bool marked = line.Text.find('#') != std::string::npos;
    if (page == 1 && line.Y == 20)
        return {c("page 1 line 1 (y 20) normal"), c("page 1 line 1 (y 20) highlight"),
                "page 1 line 1"};
    if (page == 2 && line.Y == 20)
        return {c("page 2 line 1 (y 20) all text"), c("page 2 line 1 (y 20) all text"),
                "page 2 line 1"};
    if (page == 2 && line.Y == 500)
        return {c("page 2 line at y 500 normal"), std::nullopt, "page 2 line at y 500"};
    if (page == 5) {
        if (line.Y == 390 || line.Y == 420)
            return {c("page 5 lines y 390 and 420 normal"),
                    c("page 5 lines y 390 and 420 highlight (not used)"),
                    "page 5 lines y 390 and 420"};
        if (line.Y == 440 || line.Y == 460)
            return {c("page 5 lines y 440 and 460 normal"),
                    c("page 5 lines y 440 and 460 highlight"), "page 5 lines y 440 and 460"};
        if (line.Text.front() == '#')
            return {std::nullopt, c("page 5 unit names highlight (the whole name is between #)"),
                    "page 5 unit names"};
        if (line.Text == "=" || (before != nullptr && before->Text == "="))
            return {c("page 5 equals signs and values"), std::nullopt,
                    "page 5 equals signs and values"};
        return {c("page 5 headings normal"), c("page 5 headings highlight"), "page 5 headings"};
    }
    return {c("line normal colour unless stated otherwise"),
            marked ? std::optional(c("line highlight colour unless stated otherwise"))
                   : std::nullopt,
            "unless stated otherwise"};
}

TEST(InfoPagesTable, EveryPage) {
    for (int page = 1; page <= InfoPageCount; ++page) {
        const InfoPage* info = InfoPageFor(page);
        ASSERT_NE(info, nullptr) << "page " << page;
        const std::string at = "page " + std::to_string(page) + ": ";
        EXPECT_EQ(info->Title, Number(page, "title")) << "info_numbers.csv " << at << "title";
        EXPECT_EQ(info->Title,
                  tables::Text("TfrmInformation", "caption on page " + std::to_string(page)))
            << "texts.csv " << at << "caption";
        std::string pictures;
        for (const InfoPicture& p : InfoPictures())
            if (p.Page == page)
                pictures += (pictures.empty() ? "img" : " img") + std::to_string(p.Number);
        EXPECT_EQ(pictures, Number(page, "pictures")) << "info_numbers.csv " << at << "pictures";

        // Every line's place and the wording where the table gives it.
        std::vector<const CsvRow*> rows;
        for (const CsvRow& row : Rows("info_pages.csv"))
            if (row.Int("page") == page) rows.push_back(&row);
        const auto& lines = info->Lines;
        ASSERT_EQ(lines.size(), rows.size()) << "info_pages.csv " << at << "number of lines";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const CsvRow& row = *rows[i];
            const std::string where = "info_pages.csv line " + std::to_string(row.Line) + " (" +
                                      at + "line " + row["line"] + "): ";
            EXPECT_EQ(lines[i].Y, row.Int("y")) << where << "y";
            EXPECT_EQ(lines[i].X, row.Int("x")) << where << "x";
            if (!row["text"].empty()) {
                EXPECT_EQ(lines[i].Text, Mended(row["text"])) << where << "text";
            }
            const LineColours stated = Stated(page, lines[i], i > 0 ? &lines[i - 1] : nullptr);
            if (stated.Normal) {
                EXPECT_EQ(lines[i].Normal, *stated.Normal)
                    << where << "colours.csv " << stated.Rule
                    << " normal: " << tables::ToString(lines[i].Normal);
            }
            if (stated.Highlight) {
                EXPECT_EQ(lines[i].Highlight, *stated.Highlight)
                    << where << "colours.csv " << stated.Rule
                    << " highlight: " << tables::ToString(lines[i].Highlight);
            }
        }

        // The highlighted words in order (page 5: those of its explaining lines).
        std::vector<InfoLine> marked;
        if (page < 5) {
            EXPECT_EQ(lines.size(), std::size_t(Int(page, "line count")))
                << "info_numbers.csv " << at << "line count";
            std::vector<std::string> ys;
            for (const InfoLine& l : lines)
                ys.push_back(std::to_string(l.Y));
            EXPECT_EQ(ys, Words(Number(page, "line y"))) << "info_numbers.csv " << at << "line y";
            marked = lines;
        } else {
            for (const std::string& y : Words(Number(page, "explaining lines y")))
                for (const InfoLine& l : lines)
                    if (std::to_string(l.Y) == y && l.X == 10) marked.push_back(l);
        }
        EXPECT_EQ(Highlights(marked), ListedHighlights(page))
            << "info_numbers.csv " << at << "highlight g.k";
    }
    bool krypton = false;
    for (const InfoLine& l : InfoPageFor(1)->Lines)
        krypton =
            krypton || l.Text.find(Number(1, "markup (krypton mass number)")) != std::string::npos;
    EXPECT_TRUE(krypton) << "info_numbers.csv page 1 markup (krypton mass number)";
}

} // namespace
} // namespace quarvel
