#include "core/PassCount.h"
#include "core/Selection.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quarvel {
namespace {

const MenuEntry* Find(const std::vector<MenuEntry>& entries, std::string_view name) {
    for (const MenuEntry& e : entries) {
        if (e.Name == name) return &e;
        if (const MenuEntry* inner = Find(e.Children, name)) return inner;
    }
    return nullptr;
}

const MenuEntry& Item(std::string_view name) {
    const MenuEntry* e = Find(StartMenu(), name);
    if (e == nullptr) throw std::runtime_error("no menu item " + std::string(name));
    return *e;
}

SelectionState Started() {
    SelectionState s;
    ApplyStartupDefaults(s, 1280, 1024);
    return s;
}

TEST(Selection, LevelItemsSetOnlyTheirOwnFieldOutsideTheDecadicGroup) {
    SelectionState s = Started();
    ApplyLevel(s, Item("menLaenge3"));
    ApplyLevel(s, Item("menLM2"));
    ApplyLevel(s, Item("menDekNum4"));
    EXPECT_EQ(s.LevelLaenge, 3);
    EXPECT_EQ(s.LevelLM, 2);
    EXPECT_EQ(s.LevelDekNum, 4);
    ApplyLevel(s, Item("menFlaeche5"));
    EXPECT_EQ(s.LevelLaenge, 3) << "a measure level leaves the other measure levels alone";
    EXPECT_EQ(s.LevelFlaeche, 5);
    ApplyLevel(s, Item("menMasse0"));
    EXPECT_EQ(s.LevelMasse, 6) << "Volksschüler";
}

TEST(Selection, DecadicLevelZeroesTheOtherThreeFirst) {
    SelectionState s = Started();
    s.LevelDekNum = 2;
    s.LevelDekDek = 3;
    s.LevelDezNum = 4;
    s.LevelDezDez = 5;
    ApplyLevel(s, Item("menDezNum1"));
    EXPECT_EQ(s.LevelDekNum, 0);
    EXPECT_EQ(s.LevelDekDek, 0);
    EXPECT_EQ(s.LevelDezNum, 1);
    EXPECT_EQ(s.LevelDezDez, 0);
}

TEST(Selection, EveryLevelItemSetsItsNumber) {
    int items = 0;
    std::function<void(const std::vector<MenuEntry>&)> walk = [&](const auto& entries) {
        for (const MenuEntry& e : entries) {
            walk(e.Children);
            if (e.Action != MenuAction::ChooseLevel) continue;
            SelectionState s = Started();
            ApplyLevel(s, e);
            EXPECT_EQ(s.*e.Level, e.Value) << e.Name;
            ++items;
        }
    };
    walk(StartMenu());
    EXPECT_EQ(items, 4 * 5 + 6 * 5 + 1 + 5 * 5);
}

TEST(Selection, UnfoldingChangesOnlyAreaOrCategory) {
    SelectionState s = Started();
    s.LevelLaenge = 2;
    const SelectionState before = s;
    ApplyUnfold(s, Item("menFlaeche"));
    EXPECT_EQ(s.AreaCode, 7);
    ApplyUnfold(s, Item("menKombitraining4"));
    EXPECT_EQ(s.KombiCategory, 4);
    EXPECT_EQ(s.AreaCode, 7) << "a combination submenu does not touch AreaCode";
    ApplyUnfold(s, Item("menVolumen1"));
    EXPECT_EQ(s.AreaCode, 7) << "the volume submenus set no state themselves";
    s.AreaCode = before.AreaCode;
    s.KombiCategory = before.KombiCategory;
    EXPECT_EQ(s.LevelLaenge, 2);
    EXPECT_EQ(s.MaxPasses, before.MaxPasses);
}

TEST(Selection, StartupDefaultsAndTheFullScreenRule) {
    SelectionState s;
    s.AreaCode = 5;
    s.LevelLF = 2;
    s.MaxPasses = 8;
    s.TimeDisplay = true;
    s.CurrentPass = 4;
    EXPECT_TRUE(ApplyStartupDefaults(s, 1024, 768));
    EXPECT_TRUE(s.FullScreen);
    EXPECT_EQ(s.AreaCode, 0);
    EXPECT_EQ(s.LevelLF, 0);
    EXPECT_EQ(s.MaxPasses, 3);
    EXPECT_EQ(s.CurrentPass, 1);
    EXPECT_FALSE(s.TimeDisplay);
    for (auto [w, h] : {std::pair{1280, 1024}, std::pair{1024, 600}, std::pair{768, 1024}, std::pair{1920, 1080}}) {
        EXPECT_FALSE(ApplyStartupDefaults(s, w, h)) << w << "x" << h;
        EXPECT_FALSE(s.FullScreen);
    }
}

TEST(PassCount, FieldHoldsOnlyDigits) {
    EXPECT_TRUE(PassCountTextAdmitted(u"0123456789"));
    EXPECT_TRUE(PassCountTextAdmitted(u""));
    for (const std::u16string_view text :
         {u"1a", u"-5", u" 7", u"3,", u"\u0663", u"\u00b2", u"\U0001F600"}) {
        EXPECT_FALSE(PassCountTextAdmitted(text)) << text.size();
    }
}

TEST(PassCount, LeavingTheFieldChecksTheRange) {
    struct Case {
        const char* typed;
        const char* text;
        bool message;
    };
    for (const Case& c : {Case{"7", "7", false}, Case{"10", "10", false}, Case{"03", "03", false},
                          Case{"3", "3", false}, Case{"11", "3", true}, Case{"0", "3", true},
                          Case{"2", "3", true}, Case{"007000", "3", true},
                          Case{"99999999999999999999", "3", true}, Case{"2147483648", "3", true},
                          Case{"1a", "3", true}, Case{"-5", "3", true}, Case{" 7", "3", true},
                          Case{"", "3", false}}) {
        const PassCountCheck check = CheckPassCount(c.typed);
        EXPECT_EQ(check.Text, c.text) << c.typed;
        EXPECT_EQ(check.Message, c.message) << c.typed;
    }
    EXPECT_TRUE(CheckPassCount("").Refocus);
    EXPECT_FALSE(CheckPassCount("5").Refocus);
    EXPECT_EQ(PassCountValue("03"), 3);
    EXPECT_EQ(PassCountValue("10"), 10);
}

} // namespace
} // namespace quarvel
