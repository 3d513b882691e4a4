#pragma once
// The decadic window: the four number-system trainings on the shared drill,
// with their own sheet, key filter and answer comparison.

#include "decadic/DekAnswer.h"
#include "windows/ExerciseWindow.h"
#include "drill/LineLayout.h"

namespace quarvel {

// Where line `line` of the decadic sheet goes for the selected training, its
// given text and unit measured in the task font.
LinePlaces PlaceDekLine(const AppState& state, int line);

class TfrmDekEinheiten : public ExerciseWindow {
    Q_OBJECT
  public:
    TfrmDekEinheiten(AppState& state, Windows& windows, QWidget* parent);

  protected:
    QString Caption() const override;
    void FillLine(int line) override;
    void ClearRecords() override;
    void DrawLine(QPainter& painter, int line) override;
    int AnswerLeft(int line) const override;
    QString AccessibleTask(int line) const override;
    std::optional<char32_t> FilterKey(int line, char32_t key) const override;
    QString ChainCaption() const override { return QStringLiteral("Stellenwerttabelle"); }
    AnswerRules& Rules() override { return rules_; }

  private:
    DekAnswerRules rules_;
};

} // namespace quarvel
