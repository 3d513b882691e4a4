#pragma once
// The pass count dialog: sets MaxPasses to a whole number from 3 to 10.

#include "app/Windows.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace quarvel {

class TfrmMaxanzahl : public QuarvelDialog {
    Q_OBJECT
  public:
    TfrmMaxanzahl(AppState& state, Windows& windows, QWidget* parent);

    QLineEdit* edtMaxzahl() const { return edtMaxzahl_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn2() const { return bitBtn2_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void FormActivate() override;

  private:
    void edtMaxzahlExit();
    void BitBtn2Click();

    QGroupBox* grpMax_;
    QLineEdit* edtMaxzahl_;
    QPushButton* bitBtn1_;
    QPushButton* bitBtn2_;
    bool checking_ = false;
};

} // namespace quarvel
