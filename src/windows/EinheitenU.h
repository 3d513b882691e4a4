#pragma once
// The unit-conversion window: drills of length, mass, area and volume.

#include "windows/ExerciseWindow.h"

namespace quarvel {

class TfrmEinheiten : public ExerciseWindow {
    Q_OBJECT
  public:
    TfrmEinheiten(Windows& windows, std::shared_ptr<RandomSource> rng, QWidget* parent)
        : ExerciseWindow(windows, std::move(rng), parent, QStringLiteral("TfrmEinheiten"),
                         LevelGroup::Measure) {}
};

} // namespace quarvel
