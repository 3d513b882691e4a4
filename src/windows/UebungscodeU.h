#pragma once
// The dialog behind "Übungscode…": the pupil types the code the teacher gave;
// a code that cannot be read is refused with the reason in the dialog, which
// stays open, and a good one closes it with its exercise.

#include "drill/ExerciseCode.h"
#include "windows/Accessible.h"
#include "windows/Windows.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quarvel {

class TfrmUebungscode : public QuarvelDialog {
    Q_OBJECT
  public:
    TfrmUebungscode(Windows& windows, QWidget* parent);

    // The field holds `code` when the dialog opens next. A code given is read
    // at once, so a refused one opens with its refusal.
    void SetCode(const QString& code);
    // The exercise of the code the dialog was last closed with by OK.
    const std::optional<Exercise>& Chosen() const { return chosen_; }

  protected:
    void FormActivate() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // OK: closes the dialog with a readable code, else says why not.
    void Check();
    void Refuse(const QString& refusal);

    QLineEdit* edtCode_;
    SpokenLabel* lblHinweis_;
    QPushButton* btnAbbrechen_;
    QPushButton* btnOk_;
    std::optional<Exercise> chosen_;
    bool checkOnShow_ = false;
};

} // namespace quarvel
