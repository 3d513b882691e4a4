#pragma once
// The unit-conversion window: drills of length, mass, area and volume.

#include "windows/MeasureWindow.h"

namespace quarvel {

class TfrmEinheiten : public MeasureWindow {
    Q_OBJECT
  public:
    TfrmEinheiten(AppState& state, Windows& windows, QWidget* parent);

  protected:
    QString Caption() const override;
    QString ChainCaption() const override { return QStringLiteral("Umwandlungskette"); }
};

} // namespace quarvel
