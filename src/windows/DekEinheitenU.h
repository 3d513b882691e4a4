#pragma once
// The decadic window: place-value notation, numerals and decimal units.

#include "windows/ExerciseWindow.h"

namespace quarvel {

class TfrmDekEinheiten : public ExerciseWindow {
    Q_OBJECT
  public:
    TfrmDekEinheiten(AppState& state, Windows& windows, QWidget* parent)
        : ExerciseWindow(state, windows, parent, QStringLiteral("TfrmDekEinheiten"),
                         LevelGroup::Decadic) {}
};

} // namespace quarvel
