// The drill windows driven with real key events on the offscreen platform:
// fields judged however they are left, a held Enter, what a field admits, the
// time panel and the worked solution of a revealed line.
#include "Drive.h"

#include "../TestData.h"
#include "windows/VerwandlungskettenU.h"

#include <QClipboard>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>

#include <functional>
#include <map>

using namespace quarvel;
using test::Answer;

namespace {

// Closes the next modal window once it lets itself be closed (the evaluation
// only after its animation), after `inspect` has looked at it.
void CloseNextModal(std::function<void(QWidget*)> inspect = {}) {
    test::WhenModal(nullptr, [inspect](QWidget* modal) {
        auto* close = modal->findChild<LatentButton*>(QStringLiteral("btnSchliessen"));
        if (close != nullptr) QTRY_VERIFY(close->Shown());
        if (inspect) inspect(modal);
        close != nullptr ? close->click() : (void)modal->close();
    });
}

// Enter held down: the repeats the keyboard sends after the first press,
// marked as repeats or not, each a release and a press at the same instant.
void HeldEnter(QWidget* target) {
    static quint64 at = 1000;
    for (const bool marked : {true, false, true, false}) {
        at += 40;
        for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), marked);
            key.setTimestamp(at);
            QCoreApplication::sendEvent(target, &key);
        }
        QCoreApplication::processEvents();
    }
}

QString Wrong(const QString& right) {
    return right == QStringLiteral("7") ? QStringLiteral("8") : QStringLiteral("7");
}

} // namespace

class ExerciseWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // A field is judged whenever the focus leaves it for good: through the
    // chain window, or when "Weiter" or "Auswertung" is pressed. A held Enter
    // acts once, where it was pressed: its repeats neither spend a line's
    // second try nor press the button the focus moved to. After the
    // evaluation a fresh drill begins.
    void fieldsLeftAnyWayAreJudged() {
        test::Program p;
        p.state.Selection.MaxPasses = 3;
        auto* w = p.Open(p.windows.Einheiten, &SelectionState::LevelMasse, 4);
        // Typed without Enter, then the chain window: line 1 is judged when the
        // focus lands in line 2.
        QTest::keyClicks(w->Field(1), p.Right(1));
        CloseNextModal();
        w->menVerwandlung()->trigger();
        QTRY_VERIFY(w->Field(2)->hasFocus());
        QVERIFY(!w->Field(1)->isVisible());
        // Line 2 wrong with Enter waits for its second try, which the Enter
        // held down does not spend; the chain window then sends the focus to
        // line 3, which makes it that second try.
        Answer(w, 2, Wrong(p.Right(2)));
        QTRY_VERIFY(w->Field(2)->hasFocus());
        HeldEnter(w->Field(2));
        QVERIFY(w->Field(2)->isVisible());
        QCOMPARE(w->lblAktVersuche()->text(), QStringLiteral("2"));
        CloseNextModal();
        w->menVerwandlung()->trigger();
        QTRY_VERIFY(w->Field(3)->hasFocus());
        QVERIFY(!w->Field(2)->isVisible());
        QVERIFY(w->lblAnzeige()->text().contains(p.Right(2)));
        QCOMPARE(w->lblAktVersuche()->text(), QStringLiteral("3"));
        // Enter in line 5 moves on to "Weiter"; held down it does not press it.
        for (int i = 3; i <= 5; ++i)
            Answer(w, i, p.Right(i));
        QCOMPARE(QApplication::focusWidget(), w->btnWeiter());
        HeldEnter(w->btnWeiter());
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("1 / 3"));
        QCOMPARE(w->lblAktPunkte()->text(), QStringLiteral("4,0"));
        QTest::keyClick(w->btnWeiter(), Qt::Key_Return);
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("2 / 3"));
        QCOMPARE(p.state.Score.TotalTries, 6);

        // "Weiter" with empty fields says how many and goes to the first.
        for (const int i : {1, 2, 4})
            Answer(w, i, p.Right(i));
        QVERIFY(p.messages.isEmpty());
        w->btnWeiter()->click();
        QCOMPARE(p.messages, QStringList{QStringLiteral("Es fehlen noch 2 Einträge!")});
        QTRY_VERIFY(w->Field(3)->hasFocus());
        Answer(w, 3, p.Right(3));
        // A click on "Weiter" that leaves a wrong first try holds: the pupil
        // gets the second try, and the next click judges it.
        w->Field(5)->setFocus();
        QTest::keyClicks(w->Field(5), Wrong(p.Right(5)));
        QTest::mouseClick(w->btnWeiter(), Qt::LeftButton);
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("2 / 3"));
        QTRY_VERIFY(w->Field(5)->hasFocus());
        QTest::mouseClick(w->btnWeiter(), Qt::LeftButton);
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("3 / 3"));
        QCOMPARE(p.state.Score.TotalTries, 6 + 6);

        // Last pass: line 5 typed but never left; "Auswertung" judges it (a
        // wrong first try, so it waits). Its second try ends the drill; the
        // Enter held there does not press "Auswertung", a fresh one does.
        QTest::keyClicks(w->Field(5), Wrong(p.Right(5)));
        for (int i = 1; i <= 4; ++i)
            Answer(w, i, p.Right(i));
        QVERIFY(w->btnAuswertung()->isVisible() && !w->btnWeiter()->isVisible());
        w->btnAuswertung()->click();
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("3 / 3"));
        QVERIFY(w->Field(5)->isVisible());
        bool evaluated = false;
        ScoreState seen;
        CloseNextModal([&](QWidget*) { evaluated = true, seen = p.state.Score; });
        Answer(w, 5, p.Right(5));
        QCOMPARE(QApplication::focusWidget(), w->btnAuswertung());
        HeldEnter(w->btnAuswertung());
        QVERIFY(!evaluated);
        QTest::keyClick(w->btnAuswertung(), Qt::Key_Return);
        QVERIFY(evaluated);
        QCOMPARE(seen.TotalTries, 12 + 6);
        QCOMPARE(seen.TotalPoints, 4.0F + 4.0F + 4.5F);
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("1 / 3"));
        QCOMPARE(p.state.Score.TotalTries, 0);
        QVERIFY(w->btnWeiter()->isVisible());
        QTRY_VERIFY(w->Field(1)->hasFocus());
        w->menSchliessenClick();
    }

    // Whatever way text arrives, a field holds only what its key filter admits
    // (tests/data/cases/ui_admitted_text.csv). Two commas that got in all the
    // same cost no try: a message, and the focus stays.
    void fieldsHoldOnlyAdmittedText() {
        test::Program p;
        auto* measure = p.Open(p.windows.Einheiten, &SelectionState::LevelFlaeche, 4);
        auto* decadic = p.Open(p.windows.DekEinheiten, &SelectionState::LevelDekNum, 1);
        p.state.TaskSheet[1].AnswerDecimals = 2;
        p.state.TaskSheet[2].AnswerDecimals = 0;
        p.state.DekTaskSheet[1].AnswerIsNotation = true;
        const std::map<std::string, QLineEdit*> fields = {{"measure", measure->Field(1)},
                                                          {"whole", measure->Field(2)},
                                                          {"decadic", decadic->Field(1)}};
        for (const testdata::CsvRow& row : testdata::ReadCsv("cases/ui_admitted_text.csv")) {
            QLineEdit* field = fields.at(row["field"]);
            const QString way = QString::fromStdString(row["way"]);
            const QString input = QString::fromStdString(row["input"]);
            QApplication::setActiveWindow(field->window());
            field->setFocus();
            QTest::keyClicks(field, QString::fromStdString(row["before"]));
            if (way == QLatin1String("typed")) {
                QTest::keyClicks(field, input);
            } else if (way == QLatin1String("paste")) {
                QGuiApplication::clipboard()->setText(input);
                field->paste();
            } else if (way == QLatin1String("key")) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, input);
                QCoreApplication::sendEvent(field, &press);
            } else {
                if (way == QLatin1String("dead")) {
                    QKeyEvent dead(QEvent::KeyPress, Qt::Key_Dead_Circumflex, Qt::NoModifier);
                    QCoreApplication::sendEvent(field, &dead);
                }
                QInputMethodEvent commit;
                commit.setCommitString(input);
                QCoreApplication::sendEvent(field, &commit);
            }
            QVERIFY2(field->text() == QString::fromStdString(row["holds"]),
                     qPrintable(QString::fromStdString(row.Where()) + ": " + field->text()));
            field->clear(); // an empty field is not judged when it is left
        }
        QApplication::setActiveWindow(measure);
        measure->Field(3)->setFocus();
        measure->Field(3)->setText(QStringLiteral("1,2,3"));
        QTest::keyClick(measure->Field(3), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(p.messages,
                 QStringList{QStringLiteral("Es darf höchstens ein Komma vorhanden sein!")});
        QCOMPARE(measure->lblAktVersuche()->text(), QStringLiteral("0"));
        QTRY_VERIFY(measure->Field(3)->hasFocus());
        measure->menSchliessenClick();
        decadic->menSchliessenClick();
    }

    // The panel shows the seconds measured at the previous tick. Each tick is
    // armed for the next whole second of the drill; one that comes a little
    // early or late still shows the right second. Completing the drill
    // freezes the panel at what it took.
    void timeDisplay() {
        test::Program p;
        auto clock = std::make_shared<ManualClock>();
        p.windows.Einheiten->SetClock(clock);
        auto* w = p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 1);
        QVERIFY(!w->pnlZeit()->isVisible() && !w->Timer1()->isActive());
        w->menSchliessenClick();

        p.state.Selection.TimeDisplay = true;
        w = p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 1);
        p.state.Selection.CurrentPass = 3;
        QVERIFY(w->pnlZeit()->isVisible());
        QCOMPARE(w->pnlZeit()->text(), QStringLiteral("00:00:00"));
        QCOMPARE(w->Timer1()->interval(), 1000);
        const std::pair<int, const char*> ticks[] = {{1000, "00:00:00"},
                                                     {1990, "00:00:01"},
                                                     {3040, "00:00:02"},
                                                     {3995, "00:00:03"},
                                                     {5000, "00:00:04"}};
        int at = 0;
        for (const auto& [when, shown] : ticks) {
            clock->Advance(when - at);
            at = when;
            w->Timer1Timer();
            QCOMPARE(w->pnlZeit()->text(), QString::fromLatin1(shown));
            QVERIFY(w->Timer1()->isActive());
            QCOMPARE(at + w->Timer1()->interval(), (at + 100) / 1000 * 1000 + 1000);
        }
        clock->Advance(900);
        for (int i = 1; i <= 5; ++i)
            Answer(w, i, p.Right(i));
        QVERIFY(w->btnAuswertung()->isVisible() && !w->Timer1()->isActive());
        QCOMPARE(w->pnlZeit()->text(), QStringLiteral("00:00:05"));
        w->menSchliessenClick();
    }

    // Only a revealed line explains itself: over its face and its given text,
    // and to a screen reader after its state. The chain window adds the latest
    // solution in room below the chain; without a revealed line it is the
    // described one.
    void revealedLinesExplainTheirAnswers() {
        test::Program p(5);
        p.state.Selection.AreaCode = 5;
        auto* w = p.Open(p.windows.Einheiten, &SelectionState::LevelLaenge, 2);
        TTaskRecord& r1 = p.state.TaskSheet[1];
        r1.GivenText = "3,5", r1.FromUnit = "km", r1.ToUnit = "m", r1.AnswerText = "3500";
        TTaskRecord& r2 = p.state.TaskSheet[2];
        r2.GivenText = "4", r2.FromUnit = "m", r2.ToUnit = "dm", r2.AnswerText = "40";
        TfrmVerwandlungsketten* chain = p.windows.Verwandlungsketten;
        const auto drawnChain = [&] {
            QImage image;
            test::WhenModal(nullptr, [&](QWidget* modal) {
                image = chain->Client()->grab().toImage();
                modal->close();
            });
            w->menVerwandlung()->trigger();
            return image;
        };
        QWidget* box = w->findChild<QWidget*>(QStringLiteral("pntEinheiten"));
        const auto tipAt = [box](const QPoint& at) {
            QHelpEvent help(QEvent::ToolTip, at, box->mapToGlobal(at));
            QCoreApplication::sendEvent(box, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        const QImage described = drawnChain();
        const QPoint given(kGivenLeft + 10, LineTop(1) + 10);
        Answer(w, 1, QStringLiteral("350"));
        QVERIFY(w->FacePicture(1)->toolTip().isEmpty() && tipAt(given).isEmpty());
        QTest::keyClick(w->Field(1), Qt::Key_Return);
        const QString tip = w->FacePicture(1)->toolTip();
        QVERIFY(tip.contains(
            QStringLiteral("drei\u00a0Stellen nach rechts: 3,5\u00a0km = 3500\u00a0m.")));
        QCOMPARE(tipAt(given), tip);
        QTRY_VERIFY(tipAt(QPoint(300, LineTop(1) + 10)).isEmpty());
        QVERIFY(w->FacePicture(1)->accessibleDescription().startsWith(
            "zweimal falsch, das Ergebnis lautet 3500. So geht's: "));

        Answer(w, 2, QStringLiteral("4"));
        QTest::keyClick(w->Field(2), Qt::Key_Return);
        const QImage solved = drawnChain();
        QCOMPARE(chain->DrawnSolution()->Sentences.back(),
                 "Du hängst eine\u00a0Null an: 4\u00a0m = 40\u00a0dm.");
        QVERIFY(solved.height() > described.height() && solved.copy(described.rect()) != described);

        for (int i = 3; i <= kLines; ++i)
            Answer(w, i, p.Right(i));
        w->btnWeiter()->click();
        QVERIFY(w->FacePicture(1)->toolTip().isEmpty());
        QCOMPARE(drawnChain(), described);
        w->menSchliessenClick();
    }
};

QTEST_MAIN(ExerciseWindowTest)
#include "ExerciseWindowTest.moc"
