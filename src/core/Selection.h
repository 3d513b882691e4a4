#pragma once
// The training selection: the start window's menu as data, and what its items
// do to the selection. The start window builds its QMenus from this tree and
// owns the selection; a window opened from the menu gets a copy.

#include <string_view>
#include <vector>

namespace quarvel {

// What the pupil has chosen in the start window's menu.
struct SelectionState {
    int AreaCode = 0;      // 0 none, 1..4 decadic trainings, 5 length, 6 mass, 7 area, 8 volume
    int KombiCategory = 0; // 0 none, 1..5 the combination trainings
    int LevelDekNum = 0;
    int LevelDekDek = 0;
    int LevelDezNum = 0;
    int LevelDezDez = 0;
    int LevelLaenge = 0;
    int LevelMasse = 0; // 6 = "Volksschüler"
    int LevelFlaeche = 0;
    int LevelKubik = 0;
    int LevelLiter = 0;
    int LevelGemischt = 0;
    int LevelLM = 0;
    int LevelLF = 0;
    int LevelLFM = 0;
    int LevelFR = 0;
    int LevelAlle = 0;
    int MaxPasses = 3;
    bool TimeDisplay = false;
};

// The kind of unit a submenu chose, as the chain window draws it; AreaCode
// holds its number (0 none, 1..4 the number-system trainings, 5..8 length,
// mass, area and volume).
enum class UnitArea { None, DekNum, DekDek, DezNum, DezDez, Laenge, Masse, Flaeche, Volumen };
// AreaCode as that kind; None for a number outside 1..8.
UnitArea AreaOf(const SelectionState& selection);

enum class TargetWindow { None, DekEinheiten, Einheiten, Kombinationen, Information };

// The three groups of exercise windows; a group never holds two levels at once.
enum class LevelGroup { Decadic, Measure, Combination };

enum class MenuAction {
    Submenu,     // only unfolds
    SetArea,     // unfolding sets AreaCode := Value
    SetKombi,    // unfolding sets KombiCategory := Value
    ChooseLevel, // sets *Level := Value, then opens Target
    PassCount,   // opens the pass count dialog over the start window
    Information, // opens the information window like an exercise window
    ToggleTime,  // inverts TimeDisplay
    Quit,        // closes the start window
};

struct MenuEntry {
    std::string_view Name;    // objectName of the item
    std::string_view Caption; // with the & mnemonic
    MenuAction Action = MenuAction::Submenu;
    int Value = 0;
    int SelectionState::*Level = nullptr;
    TargetWindow Target = TargetWindow::None;
    std::vector<MenuEntry> Children;
};

// The whole menu bar of the start window, in order.
const std::vector<MenuEntry>& StartMenu();

// Unfolding a submenu: sets AreaCode or KombiCategory where the entry says so.
void ApplyUnfold(SelectionState& s, const MenuEntry& entry);

// Choosing a level item: sets its level; a decadic level first zeroes the other
// three decadic levels.
void ApplyLevel(SelectionState& s, const MenuEntry& entry);

// "Zeitanzeige": inverts TimeDisplay; returns the item's new caption.
std::string_view ToggleTimeDisplay(SelectionState& s);
std::string_view TimeItemCaption(const SelectionState& s);

// Zeroes the levels of one group (the windows' "Schließen" and close box).
void ResetGroupLevels(SelectionState& s, LevelGroup group);

// Defaults on the start window's first activation. Returns true when the
// windows are to be maximised (a screen of exactly 1024 x 768).
bool ApplyStartupDefaults(SelectionState& s, int screenWidth, int screenHeight);

// The level words of the window captions, for levels 1..6.
std::string_view LevelWord(int level);

} // namespace quarvel
