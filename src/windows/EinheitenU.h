#pragma once
// The unit-conversion window: drills of length, mass, area and volume.

#include "windows/ExerciseWindow.h"

namespace quarvel {

class TfrmEinheiten : public ExerciseWindow {
    Q_OBJECT
  public:
    TfrmEinheiten(AppState& state, Windows& windows, QWidget* parent)
        : ExerciseWindow(state, windows, parent, QStringLiteral("TfrmEinheiten"),
                         LevelGroup::Measure) {}
};

} // namespace quarvel
