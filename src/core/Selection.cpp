#include "core/Selection.h"

#include <array>
#include <deque>
#include <string>

namespace quarvel {

UnitArea AreaOf(const SelectionState& selection) {
    const int code = selection.AreaCode;
    return code >= 1 && code <= 8 ? static_cast<UnitArea>(code) : UnitArea::None;
}

namespace {

using Field = int SelectionState::*;

std::vector<MenuEntry> Levels(std::string_view prefix, Field field, TargetWindow target,
                              bool shortThird) {
    // Names are prefix + level number; the decadic submenus say "Fortgeschritten".
    static const std::array<std::string_view, 5> captions = {
        "Neueinsteiger", "Anfänger", "Fortgeschrittener", "Könner", "Profi"};
    static std::deque<std::string> names; // stable storage for the generated names
    std::vector<MenuEntry> items;
    for (int level = 1; level <= 5; ++level) {
        names.push_back(std::string(prefix) + std::to_string(level));
        std::string_view caption = captions[static_cast<std::size_t>(level - 1)];
        if (shortThird && level == 3) caption = "Fortgeschritten";
        items.push_back({names.back(), caption, MenuAction::ChooseLevel, level, field, target, {}});
    }
    return items;
}

std::vector<MenuEntry> BuildMenu() {
    const auto dek = TargetWindow::DekEinheiten;
    const auto ein = TargetWindow::Einheiten;
    const auto kom = TargetWindow::Kombinationen;
    using A = MenuAction;

    std::vector<MenuEntry> masse = Levels("menMasse", &SelectionState::LevelMasse, ein, false);
    masse.insert(
        masse.begin(),
        {"menMasse0", "Volksschüler", A::ChooseLevel, 6, &SelectionState::LevelMasse, ein, {}});

    // One menu entry a line, as the menu reads.
    // clang-format off
    return {
        {"menBeenden", "&Beenden", A::Quit, 0, nullptr, TargetWindow::None, {}},
        {"menZahlensystem", "&Dekadisches Zahlensystem", A::Submenu, 0, nullptr, dek,
         {
             {"menDekNum", "Dekadisch <--> Numerisch", A::SetArea, 1, nullptr, dek,
              Levels("menDekNum", &SelectionState::LevelDekNum, dek, true)},
             {"menDekDek", "Dekadisch <--> Dekadisch", A::SetArea, 2, nullptr, dek,
              Levels("menDekDek", &SelectionState::LevelDekDek, dek, true)},
             {"menDezNum", "Dezimal <--> Numerisch", A::SetArea, 3, nullptr, dek,
              Levels("menDezNum", &SelectionState::LevelDezNum, dek, true)},
             {"menDezDez", "Dezimal <--> Dezimal", A::SetArea, 4, nullptr, dek,
              Levels("menDezDez", &SelectionState::LevelDezDez, dek, true)},
         }},
        {"menEinheiten", "Maßeinheiten", A::Submenu, 0, nullptr, ein,
         {
             {"menLaenge", "Länge", A::SetArea, 5, nullptr, ein,
              Levels("menLaenge", &SelectionState::LevelLaenge, ein, false)},
             {"menMasse", "Masse", A::SetArea, 6, nullptr, ein, masse},
             {"menFlaeche", "Fläche", A::SetArea, 7, nullptr, ein,
              Levels("menFlaeche", &SelectionState::LevelFlaeche, ein, false)},
             {"menVolumen", "Volumen", A::SetArea, 8, nullptr, ein,
              {
                  {"menVolumen1", "Kubik", A::Submenu, 0, nullptr, ein,
                   Levels("menKubik", &SelectionState::LevelKubik, ein, false)},
                  {"menVolumen2", "Liter", A::Submenu, 0, nullptr, ein,
                   Levels("menLiter", &SelectionState::LevelLiter, ein, false)},
                  {"menVolumen3", "Gemischt", A::Submenu, 0, nullptr, ein,
                   Levels("menGemischt", &SelectionState::LevelGemischt, ein, false)},
              }},
         }},
        {"menKombi", "Kombinationstraining", A::Submenu, 0, nullptr, kom,
         {
             {"menKombitraining1", "Längen und Massen", A::SetKombi, 1, nullptr, kom,
              Levels("menLM", &SelectionState::LevelLM, kom, false)},
             {"menKombitraining2", "Längen und Flächen", A::SetKombi, 2, nullptr, kom,
              Levels("menLF", &SelectionState::LevelLF, kom, false)},
             {"menKombitraining3", "Längen, Flächen und Massen", A::SetKombi, 3, nullptr, kom,
              Levels("menLFM", &SelectionState::LevelLFM, kom, false)},
             {"menKombitraining4", "Flächen und Raummaße", A::SetKombi, 4, nullptr, kom,
              Levels("menFR", &SelectionState::LevelFR, kom, false)},
             {"menKombitraining5", "Alle metrischen Einheiten", A::SetKombi, 5, nullptr, kom,
              Levels("menAlle", &SelectionState::LevelAlle, kom, false)},
         }},
        {"menDurchgang", "Anzahl der Durchgänge", A::PassCount, 0, nullptr, TargetWindow::None, {}},
        {"menInformation", "Informationen", A::Information, 0, nullptr, TargetWindow::Information,
         {}},
        {"menZeit", "Zeitanzeige", A::Submenu, 0, nullptr, TargetWindow::None,
         {{"menZeitart", "Ein", A::ToggleTime, 0, nullptr, TargetWindow::None, {}}}},
    };
    // clang-format on
}

constexpr std::array<Field, 4> kDecadic = {
    &SelectionState::LevelDekNum, &SelectionState::LevelDekDek, &SelectionState::LevelDezNum,
    &SelectionState::LevelDezDez};
constexpr std::array<Field, 6> kMeasure = {
    &SelectionState::LevelLaenge, &SelectionState::LevelMasse, &SelectionState::LevelFlaeche,
    &SelectionState::LevelKubik,  &SelectionState::LevelLiter, &SelectionState::LevelGemischt};
constexpr std::array<Field, 5> kCombination = {&SelectionState::LevelLM, &SelectionState::LevelLF,
                                               &SelectionState::LevelLFM, &SelectionState::LevelFR,
                                               &SelectionState::LevelAlle};

} // namespace

const std::vector<MenuEntry>& StartMenu() {
    static const std::vector<MenuEntry> menu = BuildMenu();
    return menu;
}

void ApplyUnfold(SelectionState& s, const MenuEntry& entry) {
    if (entry.Action == MenuAction::SetArea) s.AreaCode = entry.Value;
    if (entry.Action == MenuAction::SetKombi) s.KombiCategory = entry.Value;
}

void ApplyLevel(SelectionState& s, const MenuEntry& entry) {
    if (entry.Action != MenuAction::ChooseLevel || entry.Level == nullptr) return;
    for (Field f : kDecadic) {
        if (f == entry.Level) {
            for (Field other : kDecadic)
                s.*other = 0;
        }
    }
    s.*entry.Level = entry.Value;
}

std::string_view TimeItemCaption(const SelectionState& s) {
    return s.TimeDisplay ? "Aus" : "Ein";
}

std::string_view ToggleTimeDisplay(SelectionState& s) {
    s.TimeDisplay = !s.TimeDisplay;
    return TimeItemCaption(s);
}

void ResetGroupLevels(SelectionState& s, LevelGroup group) {
    switch (group) {
    case LevelGroup::Decadic:
        for (Field f : kDecadic)
            s.*f = 0;
        break;
    case LevelGroup::Measure:
        for (Field f : kMeasure)
            s.*f = 0;
        break;
    case LevelGroup::Combination:
        for (Field f : kCombination)
            s.*f = 0;
        break;
    }
}

bool ApplyStartupDefaults(SelectionState& s, int screenWidth, int screenHeight) {
    s.AreaCode = 0;
    ResetGroupLevels(s, LevelGroup::Decadic);
    ResetGroupLevels(s, LevelGroup::Measure);
    ResetGroupLevels(s, LevelGroup::Combination);
    s.MaxPasses = 3;
    s.TimeDisplay = false;
    return screenWidth == 1024 && screenHeight == 768;
}

std::string_view LevelWord(int level) {
    static constexpr std::array<std::string_view, 6> words = {
        "NEUEINSTEIGER", "ANFÄNGER", "FORTGESCHRITTENER", "KÖNNER", "PROFI", "VOLKSSCHÜLER"};
    if (level < 1 || level > 6) return {};
    return words[static_cast<std::size_t>(level - 1)];
}

} // namespace quarvel
