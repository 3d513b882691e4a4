#pragma once
// The pass count dialog: asks for a whole number of passes from 3 to 10.

#include "windows/Windows.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace quarvel {

class TfrmMaxanzahl : public QuarvelDialog {
    Q_OBJECT
  public:
    TfrmMaxanzahl(Windows& windows, QWidget* parent);

    QLineEdit* edtMaxzahl() const { return Built().edtMaxzahl_; }
    QPushButton* BitBtn1() const { return Built().bitBtn1_; }
    QPushButton* BitBtn2() const { return Built().bitBtn2_; }
    void setVisible(bool visible) override;
    // The count given when the dialog was last closed with OK.
    int Passes() const { return passes_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void FormActivate() override;

  private:
    // Built when first shown or asked for, to keep the program start cheap.
    const TfrmMaxanzahl& Built() const;
    void BuildLayout();
    void edtMaxzahlExit();
    void BitBtn2Click();

    QGroupBox* grpMax_ = nullptr;
    QLineEdit* edtMaxzahl_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    bool checking_ = false;
    int passes_ = 3;
};

} // namespace quarvel
