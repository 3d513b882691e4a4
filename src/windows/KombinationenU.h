#pragma once
// The combination window: drills that mix two or more kinds of unit.

#include "windows/ExerciseWindow.h"

namespace quarvel {

class TfrmKombinationen : public ExerciseWindow {
    Q_OBJECT
  public:
    TfrmKombinationen(Windows& windows, std::shared_ptr<RandomSource> rng, QWidget* parent)
        : ExerciseWindow(windows, std::move(rng), parent, QStringLiteral("TfrmKombinationen"),
                         LevelGroup::Combination) {}
};

} // namespace quarvel
