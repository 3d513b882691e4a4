#include "windows/KombinationenU.h"

#include "core/Selection.h"

namespace quarvel {

TfrmKombinationen::TfrmKombinationen(AppState& state, Windows& windows, QWidget* parent)
    : MeasureWindow(state, windows, parent, QStringLiteral("TfrmKombinationen"), LevelGroup::Combination,
                    {{&SelectionState::LevelLM, "MixLM"},
                     {&SelectionState::LevelLF, "MixLF"},
                     {&SelectionState::LevelLFM, "MixLFM"},
                     {&SelectionState::LevelFR, "MixFR"},
                     {&SelectionState::LevelAlle, "MixAlle"}}) {}

QString TfrmKombinationen::Caption() const {
    return LevelCaption(
        {{&SelectionState::LevelLM, QStringLiteral("Kombination-Längennmaße und Massemaße: ")},
         {&SelectionState::LevelLF, QStringLiteral("Kombination-Längennmaße und Flächenmaße: ")},
         {&SelectionState::LevelLFM, QStringLiteral("Kombination-Längennmaße, Flächenmaße und Massemaße: ")},
         {&SelectionState::LevelFR, QStringLiteral("Kombination-Flächenmaße und Raummaße: ")},
         {&SelectionState::LevelAlle, QStringLiteral("Kombination-Alle metrischen Einheiten: ")}});
}

} // namespace quarvel
