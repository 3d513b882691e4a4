// The start menu against menu.csv: every item's caption, place, name and what
// unfolding or choosing it does to the selection.
#include "Tables.h"

#include "core/Selection.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using tables::Rows;

struct Item {
    std::string Path; // captions of the submenus above, joined with " > "
    const MenuEntry* Entry;
};

void Flatten(const std::vector<MenuEntry>& entries, const std::string& path,
             std::vector<Item>& items) {
    for (const MenuEntry& e : entries) {
        items.push_back({path, &e});
        const std::string caption(e.Caption);
        Flatten(e.Children, path.empty() ? caption : path + " > " + caption, items);
    }
}

using Field = int SelectionState::*;
const std::map<std::string, Field, std::less<>> kLevelFields = {
    {"LevelDekNum", &SelectionState::LevelDekNum},
    {"LevelDekDek", &SelectionState::LevelDekDek},
    {"LevelDezNum", &SelectionState::LevelDezNum},
    {"LevelDezDez", &SelectionState::LevelDezDez},
    {"LevelLaenge", &SelectionState::LevelLaenge},
    {"LevelMasse", &SelectionState::LevelMasse},
    {"LevelFlaeche", &SelectionState::LevelFlaeche},
    {"LevelKubik", &SelectionState::LevelKubik},
    {"LevelLiter", &SelectionState::LevelLiter},
    {"LevelGemischt", &SelectionState::LevelGemischt},
    {"LevelLM", &SelectionState::LevelLM},
    {"LevelLF", &SelectionState::LevelLF},
    {"LevelLFM", &SelectionState::LevelLFM},
    {"LevelFR", &SelectionState::LevelFR},
    {"LevelAlle", &SelectionState::LevelAlle},
};

// "LevelMasse=6" for every level field that is set.
std::string LevelsSet(const SelectionState& s) {
    std::string set;
    for (const auto& [name, field] : kLevelFields)
        if (s.*field != 0) set += (set.empty() ? "" : " ") + name + "=" + std::to_string(s.*field);
    return set;
}

TEST(MenuTable, EveryItemInOrderWithWhatItDoes) {
    std::vector<Item> items;
    Flatten(StartMenu(), "", items);
    const auto& rows = Rows("menu.csv");
    ASSERT_EQ(items.size(), rows.size()) << "menu.csv: number of menu items";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const tables::CsvRow& row = rows[i];
        const MenuEntry& e = *items[i].Entry;
        const std::string where =
            "menu.csv line " + std::to_string(row.Line) + " (" + row["name"] + "): ";
        EXPECT_EQ(e.Name, row["name"]) << where << "name";
        EXPECT_EQ(e.Caption, row["caption"]) << where << "caption";
        EXPECT_EQ(items[i].Path, row["path"]) << where << "path";

        // Unfolding sets AreaCode or KombiCategory where the table gives one, and
        // nothing else.
        SelectionState unfolded;
        ApplyUnfold(unfolded, e);
        EXPECT_EQ(unfolded.AreaCode, row["area_code"].empty() ? 0 : row.Int("area_code"))
            << where << "area_code";
        EXPECT_EQ(unfolded.KombiCategory, row["kombi_code"].empty() ? 0 : row.Int("kombi_code"))
            << where << "kombi_code";

        // Choosing sets exactly its level field to its level; a decadic level
        // clears the other decadic levels first.
        SelectionState chosen;
        chosen.LevelDekDek = chosen.LevelDezDez = chosen.LevelLaenge = chosen.LevelLM = 9;
        SelectionState want = chosen;
        ApplyLevel(chosen, e);
        if (!row["level"].empty()) {
            const std::string& field = row["level_field"];
            if (field.rfind("LevelDe", 0) == 0) want.LevelDekDek = want.LevelDezDez = 0;
            want.*kLevelFields.at(field) = row.Int("level");
        }
        const std::string expected = LevelsSet(want);
        EXPECT_EQ(LevelsSet(chosen), expected) << where << "level and level_field";
    }
}

// The time switch's caption at start and after each click.
TEST(MenuTable, TimeSwitchCaptions) {
    SelectionState s;
    ApplyStartupDefaults(s, 1280, 1024);
    EXPECT_EQ(TimeItemCaption(s), tables::Text("TfrmStart", "menZeitart"))
        << "texts.csv menZeitart";
    EXPECT_EQ(ToggleTimeDisplay(s),
              tables::Text("TfrmStart", "menZeitart while the time display is on"))
        << "texts.csv menZeitart while the time display is on";
    EXPECT_EQ(ToggleTimeDisplay(s),
              tables::Text("TfrmStart", "menZeitart while the time display is off"))
        << "texts.csv menZeitart while the time display is off";
}

} // namespace
} // namespace quarvel
