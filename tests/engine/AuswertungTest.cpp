// The evaluation dialog shows every step the evaluation computes and cannot be
// closed before the last.
#include "windows/AuswertungU.h"

#include "../WidgetLookup.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

namespace quarvel {
namespace {

using test::Named;

// The gauges and percentages as the evaluation computes them, and as drawn.
QString Gauges(const EvaluationFrame& f) {
    return QStringLiteral("%1/%2 %3 %4")
        .arg(f.GaugeRight)
        .arg(f.GaugeWrong)
        .arg(QString::fromStdString(f.LabelRight), QString::fromStdString(f.LabelWrong));
}
QString Gauges(const TfrmAuswertung* d) {
    return Gauges({Named<BarGauge>(d, "Richtig")->value(), Named<BarGauge>(d, "Falsch")->value(),
                   d->lblPRichtig()->text().toStdString(), d->lblPFalsch()->text().toStdString()});
}

} // namespace

class AuswertungTest : public QObject {
    Q_OBJECT

    AppState state_;
    Windows windows_;
    std::unique_ptr<QWidget> start_;
    TfrmAuswertung* dialog_ = nullptr;
    QStringList steps_;

    // Shows the dialog for this score and lets the animation run to its end.
    void Run(float points, int tries) {
        state_.Score.TotalPoints = points;
        state_.Score.TotalTries = tries;
        steps_.clear();
        QSignalSpy finished(dialog_, &TfrmAuswertung::AnimationFinished);
        dialog_->show();
        if (finished.isEmpty()) QVERIFY(finished.wait(5000));
    }
    LatentButton* Close() const { return Named<LatentButton>(dialog_, "Schließen"); }

  private slots:
    void init() {
        start_ = std::make_unique<QWidget>();
        dialog_ = new TfrmAuswertung(state_, windows_, start_.get());
        dialog_->SetStepInterval(0);
        connect(dialog_, &TfrmAuswertung::StepShown, this, [this](int s) {
            QCOMPARE(qsizetype(s), steps_.size());
            // Unseen, but with the focus, so that a screen reader is on it.
            QVERIFY(!Close()->Shown() && dialog_->focusWidget() == Close());
            steps_ << Gauges(dialog_);
        });
    }
    void cleanup() { start_.reset(); }

    void showsEveryStepOfTheEvaluation_data() {
        QTest::addColumn<float>("points");
        QTest::addColumn<int>("tries");
        QTest::newRow("all wrong") << 0.0F << 30;
        QTest::newRow("12,5 of 17") << 12.5F << 17;
    }
    void showsEveryStepOfTheEvaluation() {
        QFETCH(float, points);
        QFETCH(int, tries);
        Run(points, tries);
        const Evaluation e(points, tries);
        QStringList expected;
        for (int s = 0; s < e.StepCount(); ++s)
            expected << Gauges(e.Step(s));
        QCOMPARE(steps_, expected);
        QCOMPARE(Gauges(dialog_), Gauges(e.Final()));
        QVERIFY(Close()->Shown());
        QCOMPARE(dialog_->lblAnzeige()->text().toStdString(), std::string(e.Verdict()));
        // A screen reader learns the end from the gauges.
        QCOMPARE(Named<BarGauge>(dialog_, "Richtig")->accessibleDescription(),
                 "Richtig: " + QString::fromStdString(e.Final().LabelRight));
        QCOMPARE(Named<QLabel>(dialog_, "Punkte und Versuche")->text().toStdString(),
                 e.PanelRight());
        QCOMPARE(Named<QLabel>(dialog_, "Verlorene Punkte und Versuche")->text().toStdString(),
                 e.PanelWrong());
    }

    // The title bar of a fixed dialog: a close box, no minimise or maximise
    // button. Nothing closes the dialog during the animation, not even the
    // close box as the window manager sends it; each showing starts afresh,
    // without the last verdict. Once it is over, an Enter held down since
    // "Auswertung" was pressed does not close it; a fresh Enter, Escape or the
    // close box do.
    void closesOnlyAfterTheAnimation() {
        const Qt::WindowFlags flags = dialog_->windowFlags();
        QCOMPARE(dialog_->windowType(), Qt::Dialog);
        QVERIFY(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
        QString verdictAtStart = QStringLiteral("unset");
        connect(dialog_, &TfrmAuswertung::StepShown, this, [&](int s) {
            if (s == 0) verdictAtStart = dialog_->lblAnzeige()->text();
            if (s != 10) return;
            QTest::keyClick(dialog_, Qt::Key_Escape);
            QTest::keyClick(Close(), Qt::Key_Space);
            QTest::mouseClick(Close(), Qt::LeftButton);
            dialog_->windowHandle()->close();
            QVERIFY(!dialog_->close());
            dialog_->reject();
            dialog_->accept();
            QVERIFY(dialog_->isVisible() && dialog_->Animating());
        });
        Run(6.5F, 20);
        QCOMPARE(steps_.size(), qsizetype(33));
        // Marked as a repeat, or a release and a press at the same instant.
        for (const bool marked : {true, false}) {
            for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
                QKeyEvent held(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), marked);
                held.setTimestamp(5000);
                QCoreApplication::sendEvent(Close(), &held);
                if (type == QEvent::KeyPress) QCoreApplication::sendEvent(dialog_, &held);
            }
        }
        QVERIFY(dialog_->isVisible());
        QTest::keyClick(Close(), Qt::Key_Return);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        Run(15.0F, 15);
        QVERIFY(verdictAtStart.isEmpty());
        QTest::keyClick(dialog_, Qt::Key_Escape);
        QVERIFY(!dialog_->isVisible());
        Run(12.5F, 17);
        dialog_->windowHandle()->close();
        QVERIFY(!dialog_->isVisible());
    }
};

} // namespace quarvel

QTEST_MAIN(quarvel::AuswertungTest)
#include "AuswertungTest.moc"
