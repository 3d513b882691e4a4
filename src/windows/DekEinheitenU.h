#pragma once
// The decadic window: place-value notation, numerals and decimal units.

#include "windows/ExerciseWindow.h"

namespace quarvel {

class TfrmDekEinheiten : public ExerciseWindow {
    Q_OBJECT
  public:
    TfrmDekEinheiten(Windows& windows, std::shared_ptr<RandomSource> rng, QWidget* parent)
        : ExerciseWindow(windows, std::move(rng), parent, QStringLiteral("TfrmDekEinheiten"),
                         LevelGroup::Decadic) {}
};

} // namespace quarvel
