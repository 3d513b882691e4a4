#pragma once
// The fifteen trainings of the start menu as a type: which level field holds a
// training's level, which window group it belongs to, what its drill window is
// called and which generator fills a line at each level. The generators are
// held as functions, so a missing one is a compile error, not an empty sheet.

#include "core/Selection.h"
#include "decadic/DecadicGenerators.h"
#include "generators/Scheme.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace quarvel {

// clang-format off
enum class Training {
    DekNum, DekDek, DezNum, DezDez,                   // Dekadisches Zahlensystem
    Laenge, Masse, Flaeche, Kubik, Liter, Gemischt,   // Maßeinheiten
    LM, LF, LFM, FR, Alle,                            // Kombinationstraining
};
// clang-format on

// A task of a measure or of a decadic sheet.
using AnyTask = std::variant<TTaskRecord, TDekTaskRecord>;

// The generator of one level: a measure generator or dispatcher, or a decadic
// generator; empty where a training has no such level.
struct LineGenerator {
    GeneratorFn Measure = nullptr;
    DecadicGenerator Decadic = nullptr;

    constexpr LineGenerator() = default;
    constexpr LineGenerator(GeneratorFn measure) : Measure(measure) {}
    constexpr LineGenerator(DecadicGenerator decadic) : Decadic(decadic) {}
    explicit constexpr operator bool() const { return Measure != nullptr || Decadic != nullptr; }
    // A task drawn from `rng`; the generator must not be empty.
    AnyTask operator()(RandomSource& rng) const;
};

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
// Empty for a level the training does not have.
LineGenerator GeneratorFor(Training training, int level);

// Where the answer field of a task stands, as its generator places it.
AnswerField FieldOf(const AnyTask& task);
// The generator that made a task, and its draws.
const TaskDraws& DrawsOf(const AnyTask& task);

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
