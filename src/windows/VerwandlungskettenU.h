#pragma once
// The conversion chain window: the chain of units of the chosen training on a
// horizontal axis with the factors between neighbours, or the place-value
// table for the number-system trainings. Opened modally from the exercise
// windows; nothing in it is interactive.

#include "windows/Windows.h"
#include "reference/ChainGeometry.h"

#include <optional>

namespace quarvel {

class TfrmVerwandlungsketten : public QuarvelDialog {
    Q_OBJECT
  public:
    TfrmVerwandlungsketten(AppState& state, Windows& windows, QWidget* parent);

    // What the last activation chose to draw (nothing for AreaCode 0).
    const std::optional<ChainLayout>& Layout() const { return layout_; }
    int xMid() const { return xMid_; }
    int yMid() const { return yMid_; }

  protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void menSchliessenClick();
    void FormPaint();

    std::optional<ChainLayout> layout_;
    int xMid_ = 0;
    int yMid_ = 0;
};

} // namespace quarvel
