// The drill windows driven with real key events on the offscreen platform:
// fields judged however they are left, a held Enter, what a field admits, the
// time panel, the worked solution of a revealed line, and the evaluation
// dialog showing every step the evaluation computes.
#include "Drive.h"

#include "../TestData.h"
#include "windows/VerwandlungskettenU.h"

#include <QClipboard>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <functional>
#include <map>

using namespace quarvel;
using namespace quarvel::test;

namespace {

// A key held down: the repeats the keyboard sends after the first press,
// marked as repeats or not, each a release and a press at the same instant.
void Held(QWidget* target, Qt::Key held = Qt::Key_Return) {
    static quint64 at = 1000;
    for (const bool marked : {true, false, true, false}) {
        at += 40;
        for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent key(type, held, Qt::NoModifier, held == Qt::Key_Tab ? "\t" : "\r", marked);
            key.setTimestamp(at);
            QCoreApplication::sendEvent(target, &key);
        }
        QCoreApplication::processEvents();
    }
}

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

// The evaluation dialog on its own, every step it shows noted, each checked to
// come unseen with the focus on the close button, so that a screen reader is on it.
struct Evaluating {
    Windows windows;
    QWidget start;
    TfrmAuswertung* dialog = new TfrmAuswertung(windows, &start);
    LatentButton* close = Named<LatentButton>(dialog, "Schließen");
    QStringList steps;

    Evaluating() {
        dialog->SetStepInterval(0);
        QObject::connect(dialog, &TfrmAuswertung::StepShown, [this](int s) {
            QCOMPARE(qsizetype(s), steps.size());
            QVERIFY(!close->Shown() && dialog->focusWidget() == close);
            steps << Gauges(dialog);
        });
    }
    // Shows the dialog for this score, lets the animation run to its end and
    // compares each step shown, the end and what a screen reader learns of it
    // with the evaluation's.
    void Run(float points, int tries) {
        ScoreState score;
        score.TotalPoints = points;
        score.TotalTries = tries;
        dialog->SetScore(score);
        steps.clear();
        QSignalSpy finished(dialog, &TfrmAuswertung::AnimationFinished);
        dialog->show();
        if (finished.isEmpty()) QVERIFY(finished.wait(5000));
        const Evaluation e(points, tries);
        QStringList expected;
        for (int s = 0; s < e.StepCount(); ++s)
            expected << Gauges(e.Step(s));
        QCOMPARE(steps, expected);
        QCOMPARE(Gauges(dialog), Gauges(e.Final()));
        QVERIFY(close->Shown());
        QCOMPARE(dialog->lblAnzeige()->text().toStdString(), std::string(e.Verdict()));
        QCOMPARE(Named<BarGauge>(dialog, "Richtig")->accessibleDescription(),
                 "Richtig: " + QString::fromStdString(e.Final().LabelRight));
        QCOMPARE(Named<QLabel>(dialog, "Punkte und Versuche")->text() + ", " +
                     Named<QLabel>(dialog, "Verlorene Punkte und Versuche")->text(),
                 QString::fromStdString(e.PanelRight() + ", " + e.PanelWrong()));
    }
};

} // namespace

class ExerciseWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // tests/data/cases/ui_drill_scenario.csv step by step.
    void drillScenario() {
        test::Program p;
        p.selection.MaxPasses = 3;
        p.selection.TimeDisplay = true;
        auto clock = std::make_shared<ManualClock>();
        p.windows.Einheiten->SetClock(clock);
        auto* w = p.Open(p.windows.Einheiten, &SelectionState::LevelMasse, 4);
        // The evaluation, whenever it comes, is noted and closed at its end.
        QString evaluated;
        QTimer watch;
        watch.callOnTimeout([&] {
            LatentButton* close = p.windows.Auswertung->btnSchliessen();
            if (QApplication::activeModalWidget() != p.windows.Auswertung || !close->Shown())
                return;
            const ScoreState& score = w->Session().State().Score();
            evaluated = QStringLiteral("%1 %2")
                            .arg(score.TotalTries)
                            .arg(QString::fromStdString(Drill::FormatPoints(score.TotalPoints)));
            close->click();
        });
        watch.start(5);
        QWidget* target = nullptr;
        QString right;
        const auto yes = [](bool b) { return QString(b ? "yes" : "no"); };
        const auto* time = Named<QLabel>(w, "Benötigte Zeit");
        const auto* message = Child<QLabel>(w, "lblAnzeige");
        const auto* timer = Child<QTimer>(w, "Timer1");
        const auto counter = [w](const char* label) { return Child<QLabel>(w, label)->text(); };
        // What the window shows, for the steps that check it.
        const std::map<std::string, std::function<QString()>> shows = {
            {"time", [&] { return time->isVisible() ? time->text() : "hidden"; }},
            {"ticking", [&] { return yes(timer->isActive()); }},
            {"shown", [&] { return yes(target->isVisible()); }},
            {"pass", [&] { return counter("lblDurchgang"); }},
            {"tries", [&] { return counter("lblAktVersuche"); }},
            {"points", [&] { return counter("lblAktPunkte"); }},
            {"messages", [&] { return p.messages.join('|'); }},
            {"says answer of",
             [&] { return message->text().contains(right) ? "" : message->text(); }},
            {"evaluated", [&] { return evaluated; }}};
        for (const testdata::CsvRow& row : testdata::ReadCsv("cases/ui_drill_scenario.csv")) {
            const std::string& step = row["step"];
            const QString on = QString::fromStdString(row["on"]);
            const QString value = QString::fromStdString(row["value"]);
            const int line = on.toInt();
            target = on == "Weiter"       ? Named<QPushButton>(w, "Weiter")
                     : on == "Auswertung" ? Named<QPushButton>(w, "Auswertung")
                     : line > 0           ? static_cast<QWidget*>(Field(w, line))
                                          : nullptr;
            right = line > 0 ? p.Right(line) : QString();
            const QString text = value == "right" ? right : right == "7" ? "8" : "7";
            const QByteArray where = QByteArray::fromStdString(row.Where() + ": " + step);
            if (shows.count(step) != 0) {
                const QString shown = shows.at(step)();
                QVERIFY2(shown == value, where + " shows " + shown.toUtf8());
            } else if (step == "type") {
                QTest::keyClicks(target, text);
            } else if (step == "answer") {
                Answer(w, line, text);
            } else if (step == "return") {
                QTest::keyClick(target, Qt::Key_Return);
            } else if (step == "escape" || step == "tab") {
                QTest::keyClick(target, step == "tab" ? Qt::Key_Tab : Qt::Key_Escape);
            } else if (step == "held") {
                Held(target, value == "Tab" ? Qt::Key_Tab : Qt::Key_Return);
            } else if (step == "click") {
                QTest::mouseClick(target, Qt::LeftButton);
            } else if (step == "press") {
                qobject_cast<QPushButton*>(target)->click();
            } else if (step == "go to") {
                target->setFocus();
            } else if (step == "set") {
                qobject_cast<QLineEdit*>(target)->setText(value);
            } else if (step == "clock" || step == "tick") {
                const int at = value.toInt();
                clock->Advance(at - clock->NowMilliseconds());
                if (step == "tick") w->Timer1Timer();
                QVERIFY2(step == "clock" ||
                             (timer->isActive() &&
                              at + timer->interval() == (at + 100) / 1000 * 1000 + 1000),
                         where);
            } else if (step == "chain") {
                test::WhenModal(nullptr, [](QWidget* chain) { chain->close(); });
                Child<QAction>(w, "menVerwandlung")->trigger();
            } else if (step == "focus") {
                QTRY_VERIFY2(QApplication::focusWidget() == target, where);
            } else {
                QFAIL(where + ": no such step");
            }
        }
        w->menSchliessenClick();
    }

    // Whatever way text arrives, a field holds only what its key filter admits
    // (tests/data/cases/ui_admitted_text.csv). Without the time display its panel stays hidden.
    void fieldsHoldOnlyAdmittedText() {
        test::Program p;
        auto* measure = p.Open(p.windows.Einheiten, &SelectionState::LevelFlaeche, 4);
        auto* decadic = p.Open(p.windows.DekEinheiten, &SelectionState::LevelDekNum, 1);
        QVERIFY(!Named<QLabel>(measure, "Benötigte Zeit")->isVisible() &&
                !Child<QTimer>(measure, "Timer1")->isActive());
        for (const int line : {1, 2}) {
            TTaskRecord task = measure->Session().MeasureSheet()[line];
            task.AnswerDecimals = line == 1 ? 2 : 0;
            measure->PutTask(line, task);
        }
        TDekTaskRecord notation = decadic->Session().DekSheet()[1];
        notation.AnswerIsNotation = true;
        decadic->PutTask(1, notation);
        const std::map<std::string, QLineEdit*> fields = {{"measure", Field(measure, 1)},
                                                          {"whole", Field(measure, 2)},
                                                          {"decadic", Field(decadic, 1)}};
        for (const testdata::CsvRow& row : testdata::ReadCsv("cases/ui_admitted_text.csv")) {
            QLineEdit* field = fields.at(row["field"]);
            const QString way = QString::fromStdString(row["way"]);
            const QString input = QString::fromStdString(row["input"]);
            QApplication::setActiveWindow(field->window());
            field->setFocus();
            QTest::keyClicks(field, QString::fromStdString(row["before"]));
            if (way == "paste") {
                QGuiApplication::clipboard()->setText(input);
                field->paste();
            } else if (way == "key") {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, input);
                QCoreApplication::sendEvent(field, &press);
            } else if (way != "typed") {
                QKeyEvent dead(QEvent::KeyPress, Qt::Key_Dead_Circumflex, Qt::NoModifier);
                if (way == "dead") QCoreApplication::sendEvent(field, &dead);
                QInputMethodEvent commit;
                commit.setCommitString(input);
                QCoreApplication::sendEvent(field, &commit);
            }
            QVERIFY2(field->text() == QString::fromStdString(row["holds"]),
                     qPrintable(QString::fromStdString(row.Where()) + ": " + field->text()));
            field->clear(); // an empty field is not judged when it is left
        }
        measure->menSchliessenClick();
        decadic->menSchliessenClick();
    }

    // Only a revealed line explains itself: over its face and its given text,
    // and to a screen reader after its state. The chain window adds the latest
    // solution below the chain; without a revealed line it is the described one.
    void revealedLinesExplainTheirAnswers() {
        test::Program p(5);
        p.selection.AreaCode = 5;
        auto* w = p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 2);
        TTaskRecord r1 = w->Session().MeasureSheet()[1], r2 = w->Session().MeasureSheet()[2];
        r1.GivenText = "3,5", r1.FromUnit = "km", r1.ToUnit = "m", r1.AnswerText = "3500";
        r2.GivenText = "4", r2.FromUnit = "m", r2.ToUnit = "dm", r2.AnswerText = "40";
        w->PutTask(1, r1);
        w->PutTask(2, r2);
        TfrmVerwandlungsketten* chain = p.windows.Verwandlungsketten;
        const auto drawnChain = [&] {
            QImage image;
            test::WhenModal(nullptr, [&](QWidget* modal) {
                image = chain->Client()->grab().toImage();
                modal->close();
            });
            Child<QAction>(w, "menVerwandlung")->trigger();
            return image;
        };
        QWidget* box = Child(w, "pntEinheiten");
        const auto tipAt = [box](int x) {
            const QPoint at(x, LineTop(1) + 10);
            QHelpEvent help(QEvent::ToolTip, at, box->mapToGlobal(at));
            QCoreApplication::sendEvent(box, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        const QImage described = drawnChain();
        Answer(w, 1, QStringLiteral("350"));
        QVERIFY(!Face(w, 1)->toolTip().contains("So geht's") && tipAt(kGivenLeft + 10).isEmpty());
        QTest::keyClick(Field(w, 1), Qt::Key_Return);
        const QString tip = Face(w, 1)->toolTip();
        QVERIFY(tip.contains("drei\u00a0Stellen nach rechts: 3,5\u00a0km = 3500\u00a0m."));
        QCOMPARE(tipAt(kGivenLeft + 10), tip);
        QTRY_VERIFY(tipAt(300).isEmpty());
        QVERIFY(Face(w, 1)->accessibleDescription().startsWith(
            "zweimal falsch, das Ergebnis lautet 3500. So geht's: "));

        Answer(w, 2, QStringLiteral("4"));
        QTest::keyClick(Field(w, 2), Qt::Key_Return);
        const QImage solved = drawnChain();
        QVERIFY(chain->DrawnSolution() && !chain->DrawnSolution()->Sentences.empty());
        QCOMPARE(chain->DrawnSolution()->Sentences.back(),
                 "Du hängst eine\u00a0Null an: 4\u00a0m = 40\u00a0dm.");
        QVERIFY(solved.height() > described.height() && solved.copy(described.rect()) != described);
        for (int i = 3; i <= kLines; ++i)
            Answer(w, i, p.Right(i));
        Named<QPushButton>(w, "Weiter")->click();
        QVERIFY(Face(w, 1)->toolTip().isEmpty());
        QCOMPARE(drawnChain(), described);
        w->menSchliessenClick();
    }

    // A recognised wrong first try names its rule below the task lines, over its face and to a
    // screen reader, never with the answer; a changed digit, the next judgement, the worked
    // solution and a fresh drill show none.
    void recognisedMistakesGetAHint() {
        test::Program p(5);
        auto* w = p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 2);
        TTaskRecord r = w->Session().MeasureSheet()[1];
        r.GivenText = "4", r.FromUnit = "m", r.ToUnit = "dm", r.AnswerText = "40";
        for (const int line : {1, 2, 3})
            w->PutTask(line, r);
        const auto* hint = Child<QLabel>(w, "lblTipp");
        const QString rule = QStringLiteral("Tipp: Von m nach dm wird die Zahl größer.");
        const auto shows = [&](int line, const QString& text) {
            return hint->text() == text && hint->isVisible() &&
                   Face(w, line)->toolTip().contains(text) &&
                   Field(w, line)->accessibleDescription().contains(text) &&
                   !Face(w, line)->toolTip().contains("40");
        };
        const auto none = [&](int line) {
            return hint->text().isEmpty() && Face(w, line)->toolTip().isEmpty();
        };
        Answer(w, 1, QStringLiteral("0,4"));
        QVERIFY(shows(1, rule));
        QCOMPARE(Child<QLabel>(w, "lblAnzeige")->text(),
                 QStringLiteral("Deine Eingabe ist leider falsch!\nÜberprüfe deine "
                                "Eingabe und versuche es noch einmal."));
        Answer(w, 1, QStringLiteral("40"));
        QVERIFY(none(1));
        Answer(w, 2, QStringLiteral("41"));
        QVERIFY(none(2));
        Answer(w, 2, QStringLiteral("0,4"));
        QVERIFY(hint->text().isEmpty() && Face(w, 2)->toolTip().contains("So geht's"));
        Answer(w, 3, QStringLiteral("0,4"));
        QVERIFY(shows(3, rule));
        w->menSchliessenClick();
        p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 2);
        QVERIFY(none(3));
        w->menSchliessenClick();
    }

    // Two tasks failed: the evaluation offers "Fehler üben (2)" by keyboard; the round shows
    // twins of exactly those, brings a twin failed twice back once, and ends with its summary.
    void failedTasksComeBackAsTwins() {
        test::Program p(11);
        p.selection.MaxPasses = 1;
        auto* w = p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 2);
        const TTaskSheet& sheet = w->Session().MeasureSheet();
        const std::vector<TTaskRecord> failed = {sheet[2], sheet[4]};
        const auto fail = [&](int line) {
            for (int i = 0; i < 2; ++i)
                Answer(w, line, p.Right(line) == "7" ? "8" : "7");
        };
        for (int line = 1; line <= kLines; ++line)
            line == 2 || line == 4 ? fail(line) : Answer(w, line, p.Right(line));
        TfrmAuswertung* d = p.windows.Auswertung;
        QString offered;
        test::WhenModal(nullptr, [&](QWidget*) {
            QTRY_VERIFY(d->btnSchliessen()->Shown() && d->btnFehler()->Shown());
            offered =
                QAccessible::queryAccessibleInterface(d->btnFehler())->text(QAccessible::Name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), d->btnFehler());
            QTest::keyClick(d->btnFehler(), Qt::Key_Space);
        });
        Named<QPushButton>(w, "Auswertung")->click();
        QCOMPARE(offered, QStringLiteral("Fehler üben (2)"));
        QVERIFY(w->isVisible() && w->Session().Practising());
        for (int line = 1; line <= kLines; ++line) {
            const bool twin = line <= 2;
            QCOMPARE(Field(w, line)->isVisible(), twin);
            QVERIFY(twin || !Face(w, line)->isVisible());
            QVERIFY(!twin || (sheet[line].FromUnit == failed[line - 1U].FromUnit &&
                              sheet[line].ToUnit == failed[line - 1U].ToUnit &&
                              sheet[line].GivenText != failed[line - 1U].GivenText));
        }
        const auto* pass = Child<QLabel>(w, "lblDurchgang");
        QCOMPARE(pass->text(), QStringLiteral("1 / 1"));
        const TTaskRecord again = sheet[2];
        Answer(w, 1, p.Right(1));
        fail(2);
        QCOMPARE(pass->text(), QStringLiteral("1 / 2"));
        Named<QPushButton>(w, "Weiter")->click();
        QVERIFY(sheet[1].GivenText == again.GivenText && sheet[1].ToUnit == again.ToUnit &&
                !Field(w, 2)->isVisible());
        fail(1);
        QVERIFY(p.messages.isEmpty());
        Named<QPushButton>(w, "Weiter")->click();
        QCOMPARE(p.messages, QStringList{QStringLiteral(
                                 "Von 2 Fehleraufgaben hast du jetzt 1 richtig gelöst.")});
        QVERIFY(!w->isVisible());
    }

    // A fixed dialog's title bar: a close box, no other buttons. Nothing closes
    // the evaluation during its animation, not even the window manager's close;
    // each showing starts without the last verdict. Afterwards an Enter held
    // since "Auswertung" does not close it; a fresh Enter, Escape or the close box do.
    void evaluationClosesOnlyAfterItsAnimation() {
        Evaluating v;
        const Qt::WindowFlags flags = v.dialog->windowFlags();
        QVERIFY(v.dialog->windowType() == Qt::Dialog &&
                flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowCloseButtonHint) &&
                !(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
        QString verdictAtStart = QStringLiteral("unset");
        QObject::connect(v.dialog, &TfrmAuswertung::StepShown, [&](int s) {
            if (s == 0) verdictAtStart = v.dialog->lblAnzeige()->text();
            if (s != 10) return;
            QTest::keyClick(v.dialog, Qt::Key_Escape);
            QTest::keyClick(v.close, Qt::Key_Space);
            QTest::mouseClick(v.close, Qt::LeftButton);
            v.dialog->windowHandle()->close();
            QVERIFY(!v.dialog->close());
            v.dialog->reject();
            v.dialog->accept();
            QVERIFY(v.dialog->isVisible() && v.dialog->Animating());
        });
        v.Run(6.5F, 20);
        QCOMPARE(v.steps.size(), qsizetype(33));
        Held(v.close);
        Held(v.dialog);
        QVERIFY(v.dialog->isVisible());
        QTest::keyClick(v.close, Qt::Key_Return);
        QVERIFY(!v.dialog->isVisible() && v.dialog->result() == QDialog::Accepted);
        v.Run(15.0F, 15);
        QVERIFY(verdictAtStart.isEmpty());
        QTest::keyClick(v.dialog, Qt::Key_Escape);
        QVERIFY(!v.dialog->isVisible());
        v.Run(12.5F, 17);
        v.dialog->windowHandle()->close();
        QVERIFY(!v.dialog->isVisible());
        v.Run(0.0F, 30);
    }
};

QTEST_MAIN(ExerciseWindowTest)
#include "ExerciseWindowTest.moc"
