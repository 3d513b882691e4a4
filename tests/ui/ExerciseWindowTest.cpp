// Whole drills in the unit-conversion and combination windows, driven with
// real key events on the offscreen platform.
#include "windows/AuswertungU.h"
#include "windows/EinheitenU.h"
#include "windows/KombinationenU.h"
#include "windows/MessageBox.h"
#include "windows/Program.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace quarvel;

namespace {

// Closes the next modal window as soon as it lets itself be closed (the
// evaluation only after its animation).
void CloseNextModal(std::function<void(QWidget*)> inspect = {}) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        auto* close = modal->findChild<LatentButton*>(QStringLiteral("btnSchliessen"));
        if (close != nullptr && !close->Shown()) return;
        if (inspect) inspect(modal);
        poll->stop();
        poll->deleteLater();
        if (close != nullptr) {
            close->click();
        } else {
            modal->close();
        }
    });
    poll->start();
}

struct Fixture {
    AppState state;
    Windows windows;
    std::unique_ptr<TfrmStart> start;
    QStringList messages;

    Fixture() {
        state.Rng = std::make_shared<SeededRandom>(7);
        start = CreateWindows(state, windows, [] { return QSize(1280, 800); });
        start->show();
        windows.Auswertung->SetStepInterval(0);
        SetInformationHandler([this](QWidget*, const QString& text) { messages << text; });
    }
    ~Fixture() { SetInformationHandler({}); }

    // Opens a window as its menu item would, but without a nested event loop.
    template <typename W> W* Open(W* window, int SelectionState::*level, int value) {
        state.Selection.*level = value;
        window->show();
        QApplication::setActiveWindow(window);
        window->activateWindow();
        QCoreApplication::processEvents();
        return window;
    }
};

QString Expected(const AppState& state, int line) {
    return QString::fromStdString(state.TaskSheet[line].AnswerText.str());
}

// Types into a line's field and presses Enter, as a pupil does.
void Answer(ExerciseWindow* w, int line, const QString& text) {
    QLineEdit* field = w->Field(line);
    field->setFocus();
    QCoreApplication::processEvents();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    QCoreApplication::processEvents();
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
    void twoCommasCostNothing() {
        Fixture f;
        auto* w = f.Open(f.windows.Einheiten, &SelectionState::LevelLaenge, 1);
        // Level 1 answers are whole numbers: no comma, no point, no letters.
        QTest::keyClicks(w->Field(1), "1,2.3 a-4");
        QCOMPARE(w->Field(1)->text(), QStringLiteral("1234"));
        w->Field(1)->clear(); // an empty field is not judged when it is left
        f.state.TaskSheet[3].AnswerDecimals = 2;
        // Pasted text with two commas: the message, nothing counted, focus stays.
        w->Field(3)->setFocus();
        w->Field(3)->setText(QStringLiteral("1,2,3"));
        QTest::keyClick(w->Field(3), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(f.messages,
                 QStringList{QStringLiteral("Es darf höchstens ein Komma vorhanden sein!")});
        QCOMPARE(w->lblAktVersuche()->text(), QStringLiteral("0"));
        QTRY_VERIFY(w->Field(3)->hasFocus());
        w->menSchliessenClick();
    }

    // The messages of one pass, and the evaluation's fresh start.
    void onePassAndAFreshStart() {
        Fixture f;
        f.state.Selection.MaxPasses = 3;
        auto* w = f.Open(f.windows.Einheiten, &SelectionState::LevelLaenge, 2);
        f.state.Selection.CurrentPass = 3; // the last pass
        Answer(w, 1, Expected(f.state, 1));
        Answer(w, 3, Expected(f.state, 3));
        Answer(w, 5, Expected(f.state, 5));
        w->btnWeiter()->click();
        QCOMPARE(f.messages, QStringList{QStringLiteral("Es fehlen noch 2 Einträge!")});
        QVERIFY(w->Field(2)->hasFocus());
        Answer(w, 2, Wrong(Expected(f.state, 2)));
        QCOMPARE(w->lblAnzeige()->text(),
                 QStringLiteral("Deine Eingabe ist leider falsch!\nÜberprüfe deine "
                                "Eingabe und versuche es noch einmal."));
        QTRY_VERIFY(w->Field(2)->hasFocus());
        Answer(w, 2, Expected(f.state, 2));
        QCOMPARE(w->lblAnzeige()->text(),
                 QStringLiteral("Beim zweiten Versuch ist deine Eingabe richtig!"));
        QVERIFY(!w->btnAuswertung()->isVisible());
        Answer(w, 4, Expected(f.state, 4));
        QCOMPARE(w->lblAktVersuche()->text(), QStringLiteral("6"));
        QCOMPARE(w->lblAktPunkte()->text(), QStringLiteral("4,5"));
        QVERIFY(w->btnAuswertung()->isVisible() && !w->btnWeiter()->isVisible());
        CloseNextModal();
        w->btnAuswertung()->click();
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("1 / 3"));
        QCOMPARE(f.state.Score.TotalTries, 0);
        QVERIFY(w->btnWeiter()->isVisible());
        QTRY_VERIFY(w->Field(1)->hasFocus());
        w->menSchliessenClick();
    }

    // A field is judged whenever the focus leaves it for good: through the
    // chain window, or when "Weiter" or "Auswertung" is pressed.
    void fieldsLeftAnyWayAreJudged() {
        Fixture f;
        f.state.Selection.MaxPasses = 3;
        auto* w = f.Open(f.windows.Einheiten, &SelectionState::LevelMasse, 4);
        // Typed without Enter, then the chain window: line 1 is judged when the
        // focus lands in line 2.
        QTest::keyClicks(w->Field(1), Expected(f.state, 1));
        CloseNextModal();
        w->menVerwandlung()->trigger();
        QTRY_VERIFY(w->Field(2)->hasFocus());
        QVERIFY(!w->Field(1)->isVisible());
        QCOMPARE(w->lblAktVersuche()->text(), QStringLiteral("1"));
        // Line 2 wrong with Enter waits for its second try; the chain window
        // then sends the focus to line 3, which makes it that second try.
        Answer(w, 2, Wrong(Expected(f.state, 2)));
        CloseNextModal();
        w->menVerwandlung()->trigger();
        QTRY_VERIFY(w->Field(3)->hasFocus());
        QVERIFY(!w->Field(2)->isVisible());
        QVERIFY(w->lblAnzeige()->text().contains(Expected(f.state, 2)));
        QCOMPARE(w->lblAktVersuche()->text(), QStringLiteral("3"));
        // Lines 3 and 4 answered; line 5 typed while the focus stays in line 4.
        Answer(w, 3, Expected(f.state, 3));
        Answer(w, 4, Expected(f.state, 4));
        QTest::keyClicks(w->Field(5), Expected(f.state, 5));
        w->btnWeiter()->click();
        QVERIFY(f.messages.isEmpty());
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("2 / 3"));
        QCOMPARE(f.state.Score.TotalTries, 6);
        QCOMPARE(f.state.Score.TotalPoints, 4.0F);

        // A click on "Weiter" that leaves a wrong first try holds: the pupil
        // gets the second try, and the next click judges it.
        for (int i = 1; i <= 4; ++i)
            Answer(w, i, Expected(f.state, i));
        w->Field(5)->setFocus();
        QTest::keyClicks(w->Field(5), Wrong(Expected(f.state, 5)));
        QTest::mouseClick(w->btnWeiter(), Qt::LeftButton);
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("2 / 3"));
        QTRY_VERIFY(w->Field(5)->hasFocus());
        QTest::mouseClick(w->btnWeiter(), Qt::LeftButton);
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("3 / 3"));
        QCOMPARE(f.state.Score.TotalTries, 6 + 6);

        // Last pass: line 5 typed but never left; "Auswertung" judges it (a
        // wrong first try, so it waits), and the next press its second try.
        QTest::keyClicks(w->Field(5), Wrong(Expected(f.state, 5)));
        for (int i = 1; i <= 4; ++i)
            Answer(w, i, Expected(f.state, i));
        QVERIFY(w->btnAuswertung()->isVisible());
        w->btnAuswertung()->click();
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("3 / 3"));
        QVERIFY(w->Field(5)->isVisible());
        int seenTries = -1;
        float seenPoints = -1;
        CloseNextModal([&](QWidget*) {
            seenTries = f.state.Score.TotalTries;
            seenPoints = f.state.Score.TotalPoints;
        });
        w->btnAuswertung()->click();
        QCOMPARE(seenTries, 12 + 6);
        QCOMPARE(seenPoints, 4.0F + 4.0F + 4.0F);
        w->menSchliessenClick();
    }

    // A held Enter acts once, where it was pressed: its repeats neither press
    // the button the focus moved to nor spend a line's second try; a fresh
    // Enter does both.
    void heldEnterActsOnce() {
        Fixture f;
        f.state.Selection.MaxPasses = 2;
        auto* w = f.Open(f.windows.Einheiten, &SelectionState::LevelKubik, 3);
        for (int i = 1; i <= 4; ++i)
            Answer(w, i, Expected(f.state, i));
        Answer(w, 5, Expected(f.state, 5));
        QCOMPARE(QApplication::focusWidget(), w->btnWeiter());
        HeldEnter(w->btnWeiter());
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("1 / 2"));
        QCOMPARE(w->lblAktPunkte()->text(), QStringLiteral("5,0"));
        QTest::keyClick(w->btnWeiter(), Qt::Key_Return);
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("2 / 2"));

        Answer(w, 1, Wrong(Expected(f.state, 1)));
        QTRY_VERIFY(w->Field(1)->hasFocus());
        HeldEnter(w->Field(1));
        QVERIFY(w->Field(1)->isVisible());
        QCOMPARE(w->lblAktVersuche()->text(), QStringLiteral("1"));
        for (int i = 1; i <= 4; ++i)
            Answer(w, i, Expected(f.state, i));
        bool evaluated = false;
        CloseNextModal([&](QWidget*) { evaluated = true; });
        Answer(w, 5, Expected(f.state, 5));
        QCOMPARE(QApplication::focusWidget(), w->btnAuswertung());
        HeldEnter(w->btnAuswertung());
        QVERIFY(!evaluated);
        QTest::keyClick(w->btnAuswertung(), Qt::Key_Return);
        QVERIFY(evaluated);
        QCOMPARE(w->lblDurchgang()->text(), QStringLiteral("1 / 2"));
        w->menSchliessenClick();
    }

    // Whatever way text arrives, a field holds only what its key filter admits.
    void fieldsHoldOnlyAdmittedText_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dead circumflex then 2") << "dead" << QStringLiteral("²") << "1";
        QTest::newRow("composed accent") << "ime" << QStringLiteral("é") << "1";
        QTest::newRow("input method digits") << "ime" << QStringLiteral("2,5") << "12,5";
        QTest::newRow("emoji key") << "key" << QStringLiteral("😀") << "1";
        QTest::newRow("emoji by input method") << "ime" << QStringLiteral("😀") << "1";
        QTest::newRow("pasted number") << "paste" << QStringLiteral("0,75") << "10,75";
        QTest::newRow("pasted with a letter") << "paste" << QStringLiteral("7a") << "1";
        QTest::newRow("pasted 50 digits") << "paste" << QString(50, QLatin1Char('9'))
                                          << QStringLiteral("1") + QString(39, QLatin1Char('9'));
    }
    void fieldsHoldOnlyAdmittedText() {
        QFETCH(QString, way);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        Fixture f;
        auto* w = f.Open(f.windows.Einheiten, &SelectionState::LevelFlaeche, 4);
        f.state.TaskSheet[1].AnswerDecimals = 2;
        QLineEdit* field = w->Field(1);
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("1"));
        if (way == QLatin1String("paste")) {
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
        QCOMPARE(field->text(), expected);
        w->menSchliessenClick();
    }

    void timeDisplay() {
        Fixture f;
        auto clock = std::make_shared<ManualClock>();
        f.windows.Einheiten->SetClock(clock);
        auto* w = f.Open(f.windows.Einheiten, &SelectionState::LevelLaenge, 1);
        QVERIFY(!w->pnlZeit()->isVisible());
        QVERIFY(!w->Timer1()->isActive());
        w->menSchliessenClick();

        f.state.Selection.TimeDisplay = true;
        f.state.Selection.MaxPasses = 3;
        // The panel shows the seconds measured at the previous tick. Each tick
        // is armed for the next whole second of the drill; one that comes a
        // little early or late still shows the right second.
        w = f.Open(f.windows.Einheiten, &SelectionState::LevelLaenge, 1);
        f.state.Selection.CurrentPass = 3;
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
        // Completing the drill at 5.9 s freezes the panel at what it took.
        clock->Advance(900);
        for (int i = 1; i <= 5; ++i)
            Answer(w, i, Expected(f.state, i));
        QVERIFY(w->btnAuswertung()->isVisible());
        QVERIFY(!w->Timer1()->isActive());
        QCOMPARE(w->pnlZeit()->text(), QStringLiteral("00:00:05"));
        w->menSchliessenClick();
    }
};

QTEST_MAIN(ExerciseWindowTest)
#include "ExerciseWindowTest.moc"
