// The start menu, the verdicts, the pass count rule and the drill's messages
// against menu.csv, texts.csv, verdicts.csv, pass_count.csv and colours.csv.
#include "Tables.h"

#include "core/PassCount.h"
#include "core/Selection.h"
#include "drill/Drill.h"
#include "drill/Evaluation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace quarvel {
namespace {

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

// What unfolding or choosing each item does to the selection (captions and
// places: on the real menu bar).
TEST(MenuTable, WhatEveryItemDoes) {
    std::vector<const MenuEntry*> items;
    Flatten(StartMenu(), items);
    const auto& rows = tables::Rows("menu.csv");
    ASSERT_EQ(items.size(), rows.size()) << "menu.csv: number of menu items";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const tables::CsvRow& row = rows[i];
        const MenuEntry& e = *items[i];
        SCOPED_TRACE(row.Where() + " (" + row["name"] + ")");
        ASSERT_EQ(e.Name, row["name"]);
        // Unfolding sets AreaCode or KombiCategory where the table gives one;
        // choosing sets exactly its level field to its level, a decadic level
        // clearing the other decadic levels first.
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
}

// The time switch's caption at start and after each click.
TEST(MenuTable, TimeSwitchCaptions) {
    SelectionState s;
    ApplyStartupDefaults(s, 1280, 1024);
    EXPECT_EQ(TimeItemCaption(s), tables::Text("TfrmStart", "menZeitart"));
    for (const char* state : {"on", "off"})
        EXPECT_EQ(ToggleTimeDisplay(s),
                  tables::Text("TfrmStart",
                               "menZeitart while the time display is " + std::string(state)));
}

// Every percentage, each verdict at its edges and one beyond.
TEST(VerdictTable, EveryPercentage) {
    int percent = 0;
    for (const tables::CsvRow& row : tables::Rows("verdicts.csv")) {
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
    for (const tables::CsvRow& row : tables::Rows("cases/tables_pass_count.csv")) {
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

using Kind = ExitResult::Kind;
using tables::Text;

// One line of each outcome, judged as the three drill windows judge it.
TEST(DrillTextsTable, JudgementMessagesColoursAndPoints) {
    AppState state;
    MeasureRules rules(state.TaskSheet);
    Drill drill(state, rules);
    drill.StartDrill();
    drill.ClearLines();
    for (int i = 1; i <= kLines; ++i)
        state.TaskSheet[i].AnswerText = "12,50", state.TaskSheet[i].Active = true;
    // A line, the typed text, the outcome, its words in texts.csv and
    // colours.csv, and its points row of pass_count.csv.
    const std::tuple<int, const char*, Kind, std::string, const char*> steps[] = {
        {1, "12,5", Kind::RightFirst, "right at the first try", "score_points_right_first_try"},
        {2, "125", Kind::WrongFirst, "wrong at the first try", nullptr},
        {2, "012,500", Kind::RightSecond, "right at the second try",
         "score_points_right_second_try"},
        {3, "1,25", Kind::WrongFirst, "wrong at the first try", nullptr},
        {3, "1,25", Kind::WrongSecond, "wrong at the second try", "score_points_wrong_second_try"}};
    for (const auto& [line, typed, outcome, words, points] : steps) {
        SCOPED_TRACE("line " + std::to_string(line) + " \"" + typed + "\": " + words);
        const float before = state.Score.TotalPoints;
        const int tries = state.Score.TotalTries;
        const ExitResult result = drill.Exit(line, typed);
        ASSERT_EQ(result.Outcome, outcome);
        ASSERT_TRUE(result.Label.has_value());
        for (const std::string prefix :
             {"exercise windows lblAnzeige: edtExit", "TfrmDekEinheiten lblAnzeige: answer check"})
            EXPECT_EQ(result.Label->Text, outcome == Kind::WrongSecond
                                              ? tables::WrongTwice(prefix, "12,5")
                                              : Text("message", prefix + " " + words))
                << prefix;
        EXPECT_EQ(result.Label->Colour, tables::Colour("exercise windows", "lblAnzeige " + words));
        EXPECT_EQ(state.Score.TotalPoints - before, points ? std::stof(Value(points)) : 0.0F);
        EXPECT_EQ(state.Score.PassPoints, state.Score.TotalPoints) << "one pass";
        EXPECT_EQ(state.Score.TotalTries - tries, std::stoi(Value("score_tries_per_judgement")));
    }
    EXPECT_EQ(drill.Exit(4, "1,2,3").Outcome, Kind::TooManyCommas);
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

} // namespace
} // namespace quarvel
