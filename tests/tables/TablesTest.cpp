// The program's tables and texts against the hand-made ones of tests/data.
#include "Tables.h"

#include "core/PassCount.h"
#include "core/Selection.h"
#include "drill/Drill.h"
#include "drill/Evaluation.h"
#include "reference/ChainGeometry.h"
#include "reference/ChainSolution.h"
#include "reference/InfoPages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ranges>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace quarvel {
namespace {

using tables::CsvRow;
using tables::Rows;
using tables::Text;

void Flatten(const std::vector<MenuEntry>& entries, std::vector<const MenuEntry*>& items) {
    for (const MenuEntry& e : entries) {
        items.push_back(&e);
        Flatten(e.Children, items);
    }
}

#define LEVEL(name)                                                                                \
    { #name, &SelectionState::name }
const std::map<std::string, int SelectionState::*, std::less<>> kLevelFields = {
    LEVEL(LevelDekNum), LEVEL(LevelDekDek),   LEVEL(LevelDezNum),  LEVEL(LevelDezDez),
    LEVEL(LevelLaenge), LEVEL(LevelMasse),    LEVEL(LevelFlaeche), LEVEL(LevelKubik),
    LEVEL(LevelLiter),  LEVEL(LevelGemischt), LEVEL(LevelLM),      LEVEL(LevelLF),
    LEVEL(LevelLFM),    LEVEL(LevelFR),       LEVEL(LevelAlle)};
#undef LEVEL

// "LevelMasse=6" for every level field that is set.
std::string LevelsSet(const SelectionState& s) {
    std::string set;
    for (const auto& [name, field] : kLevelFields)
        if (s.*field != 0) set += (set.empty() ? "" : " ") + name + "=" + std::to_string(s.*field);
    return set;
}

// What unfolding or choosing each item does to the selection.
TEST(MenuTable, WhatEveryItemDoesAndTheTimeSwitchSays) {
    std::vector<const MenuEntry*> items;
    Flatten(StartMenu(), items);
    const auto& rows = Rows("menu.csv");
    ASSERT_EQ(items.size(), rows.size()) << "menu.csv: number of menu items";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CsvRow& row = rows[i];
        const MenuEntry& e = *items[i];
        SCOPED_TRACE(row.Where() + " (" + row["name"] + ")");
        ASSERT_EQ(e.Name, row["name"]);
        // Choosing sets exactly its level field, a decadic one clearing the others.
        const auto orZero = [&row](const char* c) { return row[c].empty() ? 0 : row.Int(c); };
        SelectionState unfolded, chosen;
        ApplyUnfold(unfolded, e);
        EXPECT_EQ(std::pair(unfolded.AreaCode, unfolded.KombiCategory),
                  std::pair(orZero("area_code"), orZero("kombi_code")));
        chosen.LevelDekDek = chosen.LevelDezDez = chosen.LevelLaenge = chosen.LevelLM = 9;
        SelectionState want = chosen;
        ApplyLevel(chosen, e);
        if (!row["level"].empty()) {
            const std::string& field = row["level_field"];
            if (field.rfind("LevelDe", 0) == 0) want.LevelDekDek = want.LevelDezDez = 0;
            want.*kLevelFields.at(field) = row.Int("level");
        }
        EXPECT_EQ(LevelsSet(chosen), LevelsSet(want)) << "level and level_field";
    }
    // The time switch's caption at start and after each click.
    SelectionState s;
    ApplyStartupDefaults(s, 1280, 1024);
    EXPECT_EQ(TimeItemCaption(s), Text("TfrmStart", "menZeitart"));
    for (const char* state : {"on", "off"})
        EXPECT_EQ(ToggleTimeDisplay(s),
                  Text("TfrmStart", "menZeitart while the time display is " + std::string(state)));
}

// Every percentage, each verdict at its edges and one beyond.
TEST(VerdictTable, EveryPercentage) {
    int percent = 0;
    for (const CsvRow& row : Rows("verdicts.csv")) {
        ASSERT_EQ(row.Int("lo"), percent) << row.Where() << ": the rows leave a gap";
        for (; percent <= row.Int("hi"); ++percent) {
            SCOPED_TRACE(row.Where() + " at " + std::to_string(percent) + " %");
            EXPECT_EQ(VerdictFor(percent), row["verdict"]);
            const Evaluation e(static_cast<float>(percent), 100);
            EXPECT_EQ(e.PercentRight(), percent);
            EXPECT_EQ(e.Verdict(), row["verdict"]);
        }
    }
    EXPECT_EQ(percent, 101);
}

std::string Value(const std::string& name) {
    return tables::RowOf("pass_count.csv", "name", name)["value"];
}

// The check when the field is left, and the number OK takes.
TEST(PassCountTable, CheckAndDefault) {
    for (const CsvRow& row : Rows("cases/tables_pass_count.csv")) {
        SCOPED_TRACE(row.Where() + ": \"" + row["typed"] + "\"");
        const PassCountCheck check = CheckPassCount(row["typed"]);
        EXPECT_EQ(check.Text, row["text"]);
        EXPECT_EQ(check.Message, row["message"] == "1");
        EXPECT_EQ(check.Refocus, row["refocus"] == "1");
        EXPECT_EQ(PassCountValue(check.Text), row.Int("text"));
    }
    EXPECT_EQ(Value("replacement_text"), CheckPassCount("").Text);
    EXPECT_EQ(kPassCountOutOfRange, Value("message"));
    SelectionState s;
    s.MaxPasses = 7;
    ApplyStartupDefaults(s, 800, 600);
    EXPECT_EQ(std::to_string(s.MaxPasses), Value("default"));
    // Only digits may stand in the field.
    for (const char16_t* text : {u"1 0", u"1,0", u"-3", u"3a", u"\t3", u"3\n"})
        EXPECT_FALSE(PassCountTextAdmitted(text)) << "accepted keys";
    EXPECT_TRUE(PassCountTextAdmitted(u"0123456789")) << "accepted keys";
}

// The message boxes of the drill windows.
TEST(DrillTextsTable, BoxMessages) {
    for (const char* key :
         {"exercise windows message box: edtExit when the typed text holds more than one comma",
          "TfrmDekEinheiten message box: answer check when the typed text holds more than one "
          "comma"})
        EXPECT_EQ(drilltext::kTooManyCommas, Text("message", key)) << key;
    const std::string missing =
        "exercise windows message box: btnWeiterClick with empty answer fields piece ";
    for (const int count : {1, 2, 5})
        EXPECT_EQ(drilltext::MissingEntries(count),
                  Text("message", missing + "1 (before the count) (also the decadic window)") +
                      std::to_string(count) +
                      Text("message", missing + "2 (after the count) (also the decadic window)"));
}

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
    EXPECT_EQ(std::tuple(InfoClientWidth, InfoClientHeight, InfoTextSize, InfoPageCount),
              std::tuple(Int(0, "client width"), Int(0, "client height"), Int(0, "font size"),
                         Int(0, "page count")));
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
        EXPECT_EQ(info->Title, Text("TfrmInformation", "caption on page " + std::to_string(page)));
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

// One drawn thing as a line of text.
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

std::vector<std::string> Split(const std::string& text, char at) {
    std::vector<std::string> parts;
    for (const auto part : std::views::split(text, at))
        parts.emplace_back(part.begin(), part.end());
    return parts;
}

TEST(ChainGeometry, SpokenChainPairsFactorsWithTheirUnits) {
    for (const CsvRow& row : Rows("cases/tables_spoken_chains.csv"))
        EXPECT_EQ(SpokenChain(ChainFor(UnitArea(row.Int("area_code"))).value()),
                  Split(row["spoken"], '|'))
            << row.Where();
}

// Each digit, black given and blue expected, under its place, the comma in a
// column between E and z; no digits where a place is not on the chain.
TEST(ChainSolution, DecadicDigitsStandInTheColumnsOfTheirPlaces) {
    const auto digits = [](const std::string& triples) {
        std::vector<PlaceDigit> cells;
        std::istringstream in(triples);
        for (PlaceDigit d; in >> d.Exponent >> d.Place >> d.Count;)
            cells.push_back(d);
        return cells;
    };
    for (const CsvRow& row : Rows("cases/tables_chain_digits.csv")) {
        const DekSolution s{
            digits(row["given"]), row["notation"] == "yes", digits(row["expected"]), "", "", 0, {}};
        std::vector<std::string> drawn;
        for (const ChainLabel& l :
             SolutionOnChain(ChainFor(UnitArea(row.Int("area_code"))).value(), s).Labels)
            drawn.push_back((l.Colour == Blue    ? "blue "
                             : l.Colour == Black ? "black "
                                                 : "other ") +
                            l.Text + " " + std::to_string(l.X));
        EXPECT_THAT(drawn, ::testing::UnorderedElementsAreArray(Split(row["drawn"], '|')))
            << row.Where();
    }
}

// Read line by line a page has no markup and no word cut at a line end, a table
// row is one line, every picture is named; the years (most lines' texts are not
// transcribed) stand in the pages' order.
TEST(InfoPages, SpokenLinesAndYears) {
    EXPECT_TRUE(InfoPageFor(0) == nullptr && InfoPageFor(InfoPageCount + 1) == nullptr);
    const std::regex markupOrCut("[#^!]|[A-Za-z]-$");
    const std::regex year("(?:^|[^0-9,])(1[2-9][0-9]{2}|20[0-9]{2}|2100)(?=[^0-9,]|$)");
    std::string all, years;
    for (int page = 1; page <= InfoPageCount; ++page) {
        for (const SpokenLine& line : SpokenPage(*InfoPageFor(page))) {
            EXPECT_FALSE(std::regex_search(line.Text, markupOrCut)) << line.Text;
            all += line.Text + "\n";
        }
        for (const InfoLine& l : InfoPageFor(page)->Lines)
            for (std::sregex_iterator m(l.Text.begin(), l.Text.end(), year), end; m != end; ++m)
                years += (*m)[1].str() + " ";
        years += "| ";
    }
    EXPECT_EQ(years, "1793 1799 1960 1983 | 2019 2019 | | 1763 1939 | | ");
    for (const char* whole : {"drei aneinandergelegten\nGerstenkörnern", "die Meterstäbe,\n",
                              "(Krypton-86)", "der Fundamentalkonstanten\nder Physik",
                              "\n1 Elle = 1,143 m\n", "Dezimal- und Küchenwaage"})
        EXPECT_NE(all.find(whole), std::string::npos) << whole;
    for (const InfoPicture& picture : InfoPictures())
        EXPECT_FALSE(picture.Subject.empty());
}

} // namespace
} // namespace quarvel
