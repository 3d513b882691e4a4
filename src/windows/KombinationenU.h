#pragma once
// The combination window: drills mixing several kinds of unit.

#include "windows/MeasureWindow.h"

namespace quarvel {

class TfrmKombinationen : public MeasureWindow {
    Q_OBJECT
  public:
    TfrmKombinationen(AppState& state, Windows& windows, QWidget* parent);

  protected:
    QString Caption() const override;
    QString ChainCaption() const override { return {}; }
};

} // namespace quarvel
