// The menu as data and what its items do to the selection; the pass count rules.
#include "core/Selection.h"
#include "core/PassCount.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quarvel {
namespace {

void Walk(const std::vector<MenuEntry>& entries, const std::function<void(const MenuEntry&)>& f) {
    for (const MenuEntry& e : entries) {
        f(e);
        Walk(e.Children, f);
    }
}

const MenuEntry& Item(std::string_view name) {
    const MenuEntry* found = nullptr;
    Walk(StartMenu(), [&](const MenuEntry& e) { found = e.Name == name ? &e : found; });
    if (found == nullptr) throw std::runtime_error("no menu item " + std::string(name));
    return *found;
}

// A copied line in the menu table would set one level from two items, or
// another level than the item's name says.
TEST(StartMenu, EachLevelItemSetsItsOwnLevelAsItsNameSays) {
    std::vector<std::pair<int SelectionState::*, int>> seen;
    Walk(StartMenu(), [&](const MenuEntry& e) {
        if (e.Action != MenuAction::ChooseLevel) return;
        SelectionState s;
        ApplyLevel(s, e);
        const int digit = e.Name.back() - '0';
        EXPECT_EQ(s.*e.Level, digit == 0 ? 6 : digit) << e.Name;
        for (const auto& [level, value] : seen)
            EXPECT_FALSE(level == e.Level && value == s.*e.Level) << e.Name;
        seen.emplace_back(e.Level, s.*e.Level);
    });
    EXPECT_EQ(seen.size(), 4U * 5 + 6 * 5 + 1 + 5 * 5);
}

TEST(Selection, OnlyADecadicLevelClearsTheOtherLevelsOfItsGroup) {
    SelectionState s{.LevelDekNum = 2, .LevelLaenge = 3};
    ApplyLevel(s, Item("menFlaeche5"));
    EXPECT_EQ(s.LevelLaenge, 3);
    ApplyLevel(s, Item("menDezNum1"));
    EXPECT_EQ(s.LevelDekNum, 0);
    EXPECT_EQ(s.LevelDezNum, 1);
    EXPECT_EQ(s.LevelFlaeche, 5);
}

TEST(Selection, StartupDefaultsMaximiseOnlyOnA1024By768Screen) {
    SelectionState s{.AreaCode = 5, .LevelLF = 2, .CurrentPass = 4, .MaxPasses = 8};
    EXPECT_TRUE(ApplyStartupDefaults(s, 1024, 768) && s.FullScreen);
    EXPECT_EQ(s.AreaCode + s.LevelLF, 0);
    EXPECT_EQ(s.CurrentPass, 1);
    EXPECT_EQ(s.MaxPasses, 3);
    for (auto [w, h] : {std::pair{1280, 1024}, {1024, 600}, {768, 1024}})
        EXPECT_FALSE(ApplyStartupDefaults(s, w, h) || s.FullScreen) << w << "x" << h;
}

// The dialog's rows type 7, 11 and 007000; here the edges, numbers beyond
// 32 bits and the empty field, which is filled in silently.
TEST(PassCount, LeavingTheFieldChecksTheRange) {
    const auto looks = [](const char* typed) {
        const PassCountCheck c = CheckPassCount(typed);
        return c.Text + (c.Message ? " message" : "") + (c.Refocus ? " refocus" : "");
    };
    EXPECT_EQ(looks("03") + ", " + looks("10") + ", " + looks(""), "03, 10, 3 refocus");
    EXPECT_EQ(PassCountValue("03"), 3);
    for (const char* typed : {"2", "2147483648", "99999999999999999999", "1a"})
        EXPECT_EQ(looks(typed), "3 message refocus") << typed;
}

} // namespace
} // namespace quarvel
