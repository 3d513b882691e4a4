#pragma once
// The combination window: drills that mix two or more kinds of unit.

#include "windows/ExerciseWindow.h"

namespace quarvel {

class TfrmKombinationen : public ExerciseWindow {
    Q_OBJECT
  public:
    TfrmKombinationen(AppState& state, Windows& windows, QWidget* parent)
        : ExerciseWindow(state, windows, parent, QStringLiteral("TfrmKombinationen"),
                         LevelGroup::Combination) {}
};

} // namespace quarvel
