#pragma once
// The twenty generators of the decadic window by name, training and level,
// and what the window needs to fill its sheet and name itself.

#include "core/AppState.h"
#include "decadic/DekAnswer.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quarvel {

using DecadicGenerator = void (*)(AppState& state, int index);

struct NamedDecadicGenerator {
    std::string_view Name; // "GenerateDekNum1"
    DecadicGenerator Generate;
    DekTraining Training;
    int Level; // 1..5
};

std::span<const NamedDecadicGenerator> DecadicGenerators();
const NamedDecadicGenerator* FindDecadicGenerator(std::string_view name);
const NamedDecadicGenerator* FindDecadicGenerator(DekTraining training, int level);

// The training whose level field holds 1..5 (DekNum, DekDek, DezNum, DezDez in
// this order), with that level.
struct DekSelection {
    DekTraining Training;
    int Level;
};
std::optional<DekSelection> SelectedDekTraining(const SelectionState& selection);

// "Dekadische Einheiten: ANFÄNGER", "Dezimale Einheiten: PROFI"; empty when no
// decadic training is selected.
std::string DekWindowTitle(const SelectionState& selection);

// The record side of filling one line: every decadic training with a level
// 1..5 generates in turn and the line becomes active. AnswerWidth then holds
// this line's field width (the width is shared and changes from line to line).
void FillDekLine(AppState& state, int line);

} // namespace quarvel
