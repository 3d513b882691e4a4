#pragma once
// The conversion chain window: the chain of units of the chosen training on a
// horizontal axis with the factors between neighbours, or the place-value
// table for the number-system trainings. Opened modally from the exercise
// windows; nothing in it is interactive.

#include "drill/DrillSession.h"
#include "reference/ChainGeometry.h"
#include "reference/ChainSolution.h"
#include "windows/Windows.h"

#include <optional>

class QPainter;

namespace quarvel {

class ReadingPane;

class TfrmVerwandlungsketten : public QuarvelDialog {
    Q_OBJECT
  public:
    TfrmVerwandlungsketten(Windows& windows, QWidget* parent);

    // What the last activation chose to draw (nothing for AreaCode 0).
    const std::optional<ChainLayout>& Layout() const { return layout_; }
    int xMid() const { return xMid_; }
    int yMid() const { return yMid_; }

    // The chain of `area` the next showings draw, and the worked solution
    // below it; without one the chain is drawn alone.
    void SetChain(UnitArea area, std::optional<LineSolution> solution) {
        area_ = area;
        solution_ = std::move(solution);
    }
    // What the last activation draws below the chain.
    const std::optional<ChainSolution>& DrawnSolution() const { return drawn_; }

  protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void menSchliessenClick();
    void FormPaint();
    void PaintSolution(QPainter& canvas, const ChainSolution& drawn);

    std::optional<ChainLayout> layout_;
    UnitArea area_ = UnitArea::None;
    std::optional<LineSolution> solution_;
    std::optional<ChainSolution> drawn_;
    int xMid_ = 0;
    int yMid_ = 0;
    ReadingPane* pane_ = nullptr;
};

} // namespace quarvel
