#pragma once
// The information window: five reading pages (history of length and mass
// units, instruments for measuring length and weight, other units) with their
// pictures, chosen through the menu. Every opening starts on the first page.

#include "windows/Windows.h"

#include <array>

class QLabel;

namespace quarvel {

class ReadingPane;

class TfrmInformation : public QuarvelDialog {
    Q_OBJECT
  public:
    TfrmInformation(Windows& windows, QWidget* parent);

    int Page() const { return page_; }
    // img1 .. img19.
    QLabel* Picture(int number) const;
    // What the page items of the menu do: title, pictures, then the lines.
    void ShowPage(int page);

  protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenu();
    void FormPaint();

    int page_ = 0;
    std::array<QLabel*, 19> pictures_{};
    ReadingPane* pane_ = nullptr;
};

} // namespace quarvel
