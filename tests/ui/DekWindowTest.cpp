// The decadic window: its key filter and answer comparison through real keys.
#include "windows/MessageBox.h"
#include "windows/Program.h"
#include "windows/DekEinheitenU.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace quarvel;

namespace {

struct Fixture {
    AppState state;
    Windows windows;
    std::unique_ptr<TfrmStart> start;
    TfrmDekEinheiten* w = nullptr;

    explicit Fixture(int SelectionState::*level, int value = 1) {
        state.Rng = std::make_shared<SeededRandom>(11);
        start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        start->show();
        state.Selection.*level = value;
        w = windows.DekEinheiten;
        w->show();
        QApplication::setActiveWindow(w);
        QCoreApplication::processEvents();
    }

    // Puts a known task on a line.
    void Task(int line, const char* given, const char* answer, bool notation, bool comma = false) {
        TDekTaskRecord& r = state.DekTaskSheet[line];
        r.GivenText = given;
        r.AnswerText = answer;
        r.AnswerIsNotation = notation;
        r.AnswerHasComma = comma;
    }

    QString Type(int line, const char* keys) {
        QLineEdit* field = w->Field(line);
        field->setFocus();
        QCoreApplication::processEvents();
        QTest::keyClicks(field, QString::fromUtf8(keys));
        return field->text();
    }

    void Enter(int line) {
        QTest::keyClick(w->Field(line), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
};

} // namespace

class DekWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void captionsAndChainItem() {
        Fixture f(&SelectionState::LevelDezDez, 4);
        QCOMPARE(f.w->windowTitle(), QStringLiteral("Dezimale Einheiten: KÖNNER"));
        QCOMPARE(f.w->menVerwandlung()->text(), QStringLiteral("Stellenwerttabelle"));
        for (int i = 1; i <= 5; ++i) {
            QVERIFY(f.state.DekTaskSheet[i].Active);
            QCOMPARE(f.w->Field(i)->x(), f.state.DekTaskSheet[i].AnswerLeft);
        }
        f.w->menSchliessenClick();
        QCOMPARE(f.state.Selection.LevelDezDez, 0);
    }

    void dekNumNotationKeysAndJudgement() {
        Fixture f(&SelectionState::LevelDekNum, 1);
        f.Task(1, "3405", "3T 4H 5E", true);
        // Lower-case place letters become capitals; "D" and other letters are swallowed.
        QCOMPARE(f.Type(1, "3t4hD5eq"), QStringLiteral("3T4H5E"));
        f.Enter(1);
        QVERIFY(f.state.DekTaskSheet[1].Solved);
        QCOMPARE(f.w->lblAnzeige()->text(), QStringLiteral("Bravo, deine Eingabe ist richtig!"));

        f.Task(2, "3405", "3T 4H 5E", true);
        QCOMPARE(f.Type(2, "  3T   4H 0Z 5E "), QStringLiteral("  3T   4H 0Z 5E "));
        f.Enter(2);
        QVERIFY(f.state.DekTaskSheet[2].Solved); // extra blanks and zero places do not matter

        f.Task(3, "3405", "3T 4H 5E", true);
        f.Type(3, "4H 3T 5E");
        f.Enter(3);
        QVERIFY(!f.state.DekTaskSheet[3].Solved); // the order of the places must match
        QCOMPARE(f.state.Score.TryNumber, 2);

        // A numeral answer takes digits and blanks only.
        f.Task(4, "3T 4H 5E", "3405", false);
        QCOMPARE(f.Type(4, "3T4,05"), QStringLiteral("3405"));
        f.w->menSchliessenClick();
    }

    // Leaving a field through the place-value table judges it; "Weiter"
    // judges what is typed but not yet left.
    void fieldsLeftAnyWayAreJudged() {
        Fixture f(&SelectionState::LevelDekNum, 1);
        const auto openTable = [&f] {
            QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
            f.w->menVerwandlung()->trigger();
            QCoreApplication::processEvents();
        };
        for (int i = 1; i <= 5; ++i) f.Task(i, "3405", "3T 4H 5E", true);
        f.Type(1, "3t4h5e");
        openTable();
        QTRY_VERIFY(f.w->Field(2)->hasFocus());
        QVERIFY(f.state.DekTaskSheet[1].Solved);
        f.Type(2, "3T");
        f.Enter(2); // wrong: waits for the second try
        openTable();
        QTRY_VERIFY(f.w->Field(3)->hasFocus());
        QVERIFY(!f.w->Field(2)->isVisible()); // the second try was judged
        QCOMPARE(f.state.Score.TotalTries, 3);
        for (int i = 3; i <= 4; ++i) {
            f.Type(i, "3T 4H 5E");
            f.Enter(i);
        }
        QTest::keyClicks(f.w->Field(5), QStringLiteral("3T4H5E"));
        f.w->btnWeiter()->click();
        QCOMPARE(f.w->lblDurchgang()->text(), QStringLiteral("2 / 3"));
        QCOMPARE(f.state.Score.TotalTries, 6);
        QCOMPARE(f.state.Score.TotalPoints, 4.0F);
        // Escape leaves the drill as it is.
        QTest::keyClick(f.w->Field(1), Qt::Key_Escape);
        QVERIFY(f.w->isVisible());
        // Composed or pasted text obeys the key filter, letters changed alike.
        f.Task(1, "3405", "3T 4H 5E", true);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("3t4hx"));
        QCoreApplication::sendEvent(f.w->Field(1), &commit);
        QCOMPARE(f.w->Field(1)->text(), QString());
        commit.setCommitString(QStringLiteral("3t4h"));
        QCoreApplication::sendEvent(f.w->Field(1), &commit);
        QCOMPARE(f.w->Field(1)->text(), QStringLiteral("3T4H"));
        f.w->menSchliessenClick();
    }

    void dezNumKeys() {
        Fixture f(&SelectionState::LevelDezNum, 2);
        f.Task(1, "2,375", "2E 3z 7h 5t", true);
        // Capitals become the lower-case decimal symbols, "e" the capital E.
        QCOMPARE(f.Type(1, "2e3Z7H5T"), QStringLiteral("2E3z7h5t"));
        f.Enter(1);
        QVERIFY(f.state.DekTaskSheet[1].Solved);

        f.Task(2, "4E 5h", "4,05", false, true);
        QCOMPARE(f.Type(2, "04,050x"), QStringLiteral("04,050"));
        f.Enter(2);
        QVERIFY(f.state.DekTaskSheet[2].Solved);
        QCOMPARE(f.w->Field(2)->text(), QStringLiteral("4,05"));

        f.Task(3, "4E 5h", "4,05", false, true);
        f.Type(3, "4,5");
        f.Enter(3);
        QVERIFY(!f.state.DekTaskSheet[3].Solved);
        f.w->menSchliessenClick();
    }

    void dekDekTakesDigitsOnlyAndTwoCommasCostNothing() {
        Fixture f(&SelectionState::LevelDekDek, 2);
        f.Task(1, "34", "340", false);
        QCOMPARE(f.Type(1, "3 4,0a"), QStringLiteral("340"));
        f.w->Field(1)->clear();
        QStringList messages;
        SetInformationHandler([&](QWidget*, const QString& text) { messages << text; });
        f.w->Field(2)->setFocus();
        f.w->Field(2)->setText(QStringLiteral("1,2,3")); // pasted
        f.Enter(2);
        SetInformationHandler({});
        QCOMPARE(messages, QStringList{QStringLiteral("Es darf höchstens ein Komma vorhanden sein!")});
        QCOMPARE(f.state.Score.TotalTries, 0);
        f.w->menSchliessenClick();
    }
};

QTEST_MAIN(DekWindowTest)
#include "DekWindowTest.moc"
