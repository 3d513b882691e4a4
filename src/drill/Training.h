#pragma once
// The fifteen trainings of the start menu as a type: which level field holds a
// training's level, which window group it belongs to, what its drill window is
// called and which generator fills a line at each level. The generators are
// held as functions, so a missing one is a compile error, not an empty sheet.

#include "core/AppState.h"
#include "core/Selection.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quarvel {

// clang-format off
enum class Training {
    DekNum, DekDek, DezNum, DezDez,                   // Dekadisches Zahlensystem
    Laenge, Masse, Flaeche, Kubik, Liter, Gemischt,   // Maßeinheiten
    LM, LF, LFM, FR, Alle,                            // Kombinationstraining
};
// clang-format on

// Fills one line (1..5) of the sheet its window works on.
using LineGenerator = void (*)(AppState& state, int line);

struct TrainingInfo {
    Training Id;
    LevelGroup Group;
    int SelectionState::*Level;
    std::string_view CaptionPrefix; // "Längenmaße: "
    // Levels 1..6; nullptr where the training has no such level (only
    // "Masse" has the sixth, "Volksschüler").
    std::array<LineGenerator, 6> Generators;
};

// Every training, each group in the order its window fills and names itself.
std::span<const TrainingInfo> Trainings();
const TrainingInfo& InfoOf(Training training);
// nullptr for a level the training does not have.
LineGenerator GeneratorFor(Training training, int level);

// Empties the task records of the sheet `group` works on (measure or decadic).
void ClearTaskSheet(AppState& state, LevelGroup group);
// Fills line `line` of the sheet the training works on with a task of
// `level`, a level it has, and makes the line active.
void FillTaskLine(AppState& state, Training training, int level, int line);

// The training of `group` whose level is set, with its level: the decadic
// window takes the first with a level 1..5, the measure windows the last one
// set, as their captions always have. Nothing when no level is set.
struct ChosenTraining {
    Training Id;
    int Level;
};
std::optional<ChosenTraining> ChosenIn(const SelectionState& selection, LevelGroup group);

// The drill window's caption, "Flächenmaße: FORTGESCHRITTENER"; empty when no
// level of the group is set.
std::string DrillCaption(const SelectionState& selection, LevelGroup group);

} // namespace quarvel
