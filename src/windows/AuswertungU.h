#pragma once
// The evaluation shown at the end of a drill: points and tries, two gauges that
// grow to the shares of right and wrong answers, and a verdict sentence.
//
// The gauges are animated by a timer rather than a sleeping loop, so the
// program keeps repainting; until the animation is over the dialog cannot be
// closed and its close button stays unseen. A screen reader hears a few of
// the steps, not every one, and finds the focus on the close button from the
// start, which tells the verdict once it is there.

#include "drill/Drill.h"
#include "drill/Evaluation.h"
#include "windows/Accessible.h"
#include "windows/Windows.h"

#include <QColor>
#include <QRect>

#include <utility>
#include <vector>

class QLabel;
class QTimer;

namespace quarvel {

// A vertical bar gauge 0..100 without text: a bordered white box filled from
// the bottom in the bar colour. A screen reader finds a progress bar that is
// only read; its value is in its description, set by the dialog.
class BarGauge : public QWidget {
    Q_OBJECT
  public:
    BarGauge(const QColor& bar, QWidget* parent);
    QColor BarColour() const { return bar_; }
    int value() const { return value_; }
    // Redraws at once.
    void setValue(int value);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor bar_;
    int value_ = 0;
};

class TfrmAuswertung : public QuarvelDialog {
    Q_OBJECT
  public:
    static constexpr int kDefaultStepInterval = 100; // ms per percent

    TfrmAuswertung(Windows& windows, QWidget* parent);

    // Milliseconds between two animation steps; 0 runs them as fast as the
    // event loop allows.
    void SetStepInterval(int ms);
    int StepInterval() const { return stepInterval_; }
    bool Animating() const { return animating_; }
    // The figures the next showing evaluates, and for a coded drill its
    // result code, shown below the verdict (empty for a random drill).
    void SetScore(const ScoreState& score, const QString& resultCode = QString()) {
        score_ = score;
        resultCode_ = resultCode;
    }
    // The dialog's result when the pupil chose "Fehler üben".
    static constexpr int kPractise = 2;
    // The next showing offers "Fehler üben (n)" beside "Schließen" for the
    // `failed` tasks answered wrong twice; 0 offers nothing. Only for that showing.
    void SetFailed(int failed) { failed_ = failed; }
    // Of the last activation; kept until the next one.
    std::int32_t PercentRight() const { return evaluation_.PercentRight(); }

    SpokenLabel* lblAnzeige() const { return lblAnzeige_; }
    QLabel* lblRichtig() const { return lblRichtig_; }
    QLabel* lblFalsch() const { return lblFalsch_; }
    BarGauge* gauRichtig() const { return gauRichtig_; }
    BarGauge* gauFalsch() const { return gauFalsch_; }
    QLabel* lblPRichtig() const { return lblPRichtig_; }
    QLabel* lblPFalsch() const { return lblPFalsch_; }
    QLabel* pnlRichtig() const { return pnlRichtig_; }
    QLabel* pnlFalsch() const { return pnlFalsch_; }
    LatentButton* btnSchliessen() const { return btnSchliessen_; }
    LatentButton* btnFehler() const { return btnFehler_; }
    // "Ergebniscode: ..." of a coded drill, selectable so it can be copied.
    SpokenLabel* lblErgebniscode() const { return lblErgebniscode_; }

  signals:
    // The gauges and percentage labels now show step s (0 .. PercentRight).
    void StepShown(int s);
    // The verdict and the close button are shown.
    void AnimationFinished();

  protected:
    void FormActivate() override;
    void done(int result) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    ScoreState score_;
    QString resultCode_;
    int failed_ = 0;
    // The result code's line pushes everything below the verdict down by
    // `shift` and the client grows by as much.
    void PlaceBelowVerdict(int shift);
    // `tell`: a screen reader learns the frame too.
    void ShowFrame(const EvaluationFrame& frame, bool tell);
    void ShowStep(int s);
    void AnimationTimer();
    void FinishAnimation();

    SpokenLabel* lblAnzeige_;
    QLabel* lblRichtig_;
    QLabel* lblFalsch_;
    BarGauge* gauRichtig_;
    BarGauge* gauFalsch_;
    QLabel* lblPRichtig_;
    QLabel* lblPFalsch_;
    QLabel* pnlRichtig_;
    QLabel* pnlFalsch_;
    LatentButton* btnSchliessen_;
    LatentButton* btnFehler_;
    SpokenLabel* lblErgebniscode_;
    QTimer* timer_;
    // Everything below the verdict, at its place without a result code.
    std::vector<std::pair<QWidget*, QRect>> below_;

    Evaluation evaluation_{0.0F, 0};
    int step_ = 0;
    int stepInterval_ = kDefaultStepInterval;
    bool animating_ = false;
};

} // namespace quarvel
