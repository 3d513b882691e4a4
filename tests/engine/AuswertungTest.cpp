#include "windows/AuswertungU.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

namespace quarvel {
namespace {

// What the pupil sees at one step.
struct Seen {
    int GaugeRight;
    int GaugeWrong;
    QString LabelRight;
    QString LabelWrong;
    bool CloseVisible;

    bool operator==(const Seen&) const = default;
};

Seen Observe(const TfrmAuswertung& dialog) {
    return {dialog.gauRichtig()->value(), dialog.gauFalsch()->value(), dialog.lblPRichtig()->text(),
            dialog.lblPFalsch()->text(), dialog.btnSchliessen()->isVisible()};
}

char* toString(const Seen& seen) {
    return QTest::toString(QStringLiteral("%1/%2 %3 %4 close %5")
                               .arg(seen.GaugeRight)
                               .arg(seen.GaugeWrong)
                               .arg(seen.LabelRight, seen.LabelWrong)
                               .arg(seen.CloseVisible));
}

} // namespace

class AuswertungTest : public QObject {
    Q_OBJECT

    AppState state_;
    Windows windows_;
    std::unique_ptr<QWidget> start_;
    TfrmAuswertung* dialog_ = nullptr;
    std::vector<Seen> steps_;

    void Score(float points, int tries) {
        state_.Score.TotalPoints = points;
        state_.Score.TotalTries = tries;
    }

    // Shows the dialog and lets the animation run to its end.
    void Run() {
        QSignalSpy finished(dialog_, &TfrmAuswertung::AnimationFinished);
        dialog_->show();
        if (finished.isEmpty()) QVERIFY(finished.wait(5000));
        QVERIFY(!dialog_->Animating());
    }

  private slots:
    void init() {
        state_ = AppState{};
        start_ = std::make_unique<QWidget>();
        dialog_ = new TfrmAuswertung(state_, windows_, start_.get());
        dialog_->SetStepInterval(0);
        steps_.clear();
        connect(dialog_, &TfrmAuswertung::StepShown, this, [this](int s) {
            QCOMPARE(s, static_cast<int>(steps_.size()));
            steps_.push_back(Observe(*dialog_));
        });
    }
    void cleanup() { start_.reset(); }

    void Layout() {
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Auswertung"));
        QCOMPARE(dialog_->Client()->size(), QSize(392, 433));
        QVERIFY(!(dialog_->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(dialog_->windowFlags() & Qt::WindowMinMaxButtonsHint));
        const TfrmAuswertung fresh(state_, windows_, nullptr);
        QCOMPARE(fresh.StepInterval(), 100);

        struct Place {
            const char* name;
            QRect geometry;
        };
        const Place places[] = {
            {"lblAnzeige", {0, 0, 392, 44}},     {"lblRichtig", {90, 56, 100, 25}},
            {"lblFalsch", {210, 56, 100, 25}},   {"gauRichtig", {90, 88, 100, 250}},
            {"gauFalsch", {210, 88, 100, 250}},  {"lblPRichtig", {90, 204, 100, 19}},
            {"lblPFalsch", {210, 204, 100, 19}}, {"pnlRichtig", {90, 352, 100, 32}},
            {"pnlFalsch", {210, 352, 100, 32}},  {"btnSchliessen", {90, 392, 220, 36}},
        };
        for (const Place& place : places) {
            const auto* widget = dialog_->findChild<QWidget*>(QString::fromLatin1(place.name));
            QVERIFY2(widget != nullptr, place.name);
            QCOMPARE(widget->geometry(), place.geometry);
        }
        QCOMPARE(dialog_->lblRichtig()->text(), QStringLiteral("Richtig"));
        QCOMPARE(dialog_->lblFalsch()->text(), QStringLiteral("Falsch"));
        QCOMPARE(dialog_->btnSchliessen()->text(), QStringLiteral("Schließen"));
        QVERIFY(dialog_->btnSchliessen()->isHidden());
    }

    // Every step and the end show exactly what the evaluation computes; its
    // values are checked on their own in the logic tests.
    void ShowsEveryStepOfTheEvaluation_data() {
        QTest::addColumn<float>("points");
        QTest::addColumn<int>("tries");
        QTest::newRow("all right") << 15.0F << 15;
        QTest::newRow("all wrong") << 0.0F << 30;
        QTest::newRow("12,5 of 17") << 12.5F << 17;
    }
    void ShowsEveryStepOfTheEvaluation() {
        QFETCH(float, points);
        QFETCH(int, tries);
        Score(points, tries);
        Run();
        const Evaluation e(points, tries);
        const auto seen = [](const EvaluationFrame& f, bool close) {
            return Seen{f.GaugeRight, f.GaugeWrong, QString::fromStdString(f.LabelRight),
                        QString::fromStdString(f.LabelWrong), close};
        };
        QCOMPARE(steps_.size(), std::size_t(e.StepCount()));
        for (int s = 0; s < e.StepCount(); ++s)
            QCOMPARE(steps_[s], seen(e.Step(s), false));
        QCOMPARE(Observe(*dialog_), seen(e.Final(), true));
        QCOMPARE(dialog_->pnlRichtig()->text(), QString::fromStdString(e.PanelRight()));
        QCOMPARE(dialog_->pnlFalsch()->text(), QString::fromStdString(e.PanelWrong()));
        QCOMPARE(dialog_->lblAnzeige()->text(), QString::fromStdString(std::string(e.Verdict())));
        QCOMPARE(dialog_->gauRichtig()->accessibleDescription(),
                 "Richtig: " + QString::fromStdString(e.Final().LabelRight));
        QCOMPARE(dialog_->pnlFalsch()->accessibleDescription(),
                 "Falsch: " + QString::fromStdString(e.PanelWrong()));
    }

    void CannotBeClosedDuringTheAnimation() {
        Score(6.5F, 20); // 32 steps
        bool tried = false;
        connect(dialog_, &TfrmAuswertung::StepShown, this, [&](int s) {
            if (s != 10) return;
            tried = true;
            QTest::keyClick(dialog_, Qt::Key_Escape);
            QVERIFY(dialog_->isVisible());
            QVERIFY(!dialog_->close());
            QVERIFY(dialog_->isVisible());
            dialog_->reject();
            dialog_->accept();
            QVERIFY(dialog_->isVisible());
            QVERIFY(dialog_->Animating());
        });
        Run();
        QVERIFY(tried);
        QCOMPARE(steps_.size(), std::size_t{33});
        QVERIFY(dialog_->btnSchliessen()->isVisible());
        QTest::mouseClick(dialog_->btnSchliessen(), Qt::LeftButton);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    }

    void EachShowingStartsAfresh() {
        Score(15.0F, 15);
        Run();
        QTest::mouseClick(dialog_->btnSchliessen(), Qt::LeftButton);
        QVERIFY(!dialog_->isVisible());

        Score(2.0F, 10);
        steps_.clear();
        QString verdictAtStart = QStringLiteral("unset");
        bool closeHiddenAtStart = false;
        connect(dialog_, &TfrmAuswertung::StepShown, this, [&](int s) {
            if (s != 0) return;
            verdictAtStart = dialog_->lblAnzeige()->text();
            closeHiddenAtStart = dialog_->btnSchliessen()->isHidden();
        });
        Run();
        QVERIFY(verdictAtStart.isEmpty());
        QVERIFY(closeHiddenAtStart);
        QCOMPARE(steps_.size(), std::size_t{21});
        QCOMPARE(steps_.front(), (Seen{0, 100, "0,000 %", "100,000 %", false}));
        // Done: Escape may now close it like the button.
        QTest::keyClick(dialog_, Qt::Key_Escape);
        QVERIFY(!dialog_->isVisible());
    }

    void PaceFollowsTheStepInterval() {
        Score(1.0F, 100); // PercentRight 1: two steps, then the end
        dialog_->SetStepInterval(40);
        QElapsedTimer clock;
        clock.start();
        Run();
        QCOMPARE(steps_.size(), std::size_t{2});
        // Two intervals pass: after step 0 and after the last step.
        QVERIFY(clock.elapsed() >= 70);
    }
};

} // namespace quarvel

QTEST_MAIN(quarvel::AuswertungTest)
#include "AuswertungTest.moc"
