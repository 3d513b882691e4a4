#include "windows/EinheitenU.h"

#include "core/Selection.h"

namespace quarvel {

TfrmEinheiten::TfrmEinheiten(AppState& state, Windows& windows, QWidget* parent)
    : MeasureWindow(state, windows, parent, QStringLiteral("TfrmEinheiten"), LevelGroup::Measure,
                    {{&SelectionState::LevelLaenge, "GenerateLaenge"},
                     {&SelectionState::LevelMasse, "GenerateMasse"},
                     {&SelectionState::LevelFlaeche, "GenerateFlaeche"},
                     {&SelectionState::LevelKubik, "GenerateKubik"},
                     {&SelectionState::LevelLiter, "GenerateLiter"},
                     // the mixed volume level draws through the area/volume mix
                     {&SelectionState::LevelGemischt, "MixFR"}}) {}

QString TfrmEinheiten::Caption() const {
    return LevelCaption({{&SelectionState::LevelLaenge, QStringLiteral("Längenmaße: ")},
                         {&SelectionState::LevelMasse, QStringLiteral("Massenmaße: ")},
                         {&SelectionState::LevelFlaeche, QStringLiteral("Flächenmaße: ")},
                         {&SelectionState::LevelKubik, QStringLiteral("Volumenmaße-Kubik: ")},
                         {&SelectionState::LevelLiter, QStringLiteral("Volumenmaße-Liter: ")},
                         {&SelectionState::LevelGemischt, QStringLiteral("Volumenmaße-Gemischt: ")}});
}

} // namespace quarvel
