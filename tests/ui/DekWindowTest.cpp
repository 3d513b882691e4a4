// The decadic window: its key filters and its judging through real keys.
#include "windows/DekEinheitenU.h"
#include "windows/Program.h"

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
        start = CreateWindows(state, windows, [] { return QSize(1280, 800); });
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
    // Leaving a field through the place-value table judges it; "Weiter"
    // judges what is typed but not yet left.
    void fieldsLeftAnyWayAreJudged() {
        Fixture f(&SelectionState::LevelDekNum, 1);
        const auto openTable = [&f] {
            QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
            f.w->menVerwandlung()->trigger();
            QCoreApplication::processEvents();
        };
        for (int i = 1; i <= 5; ++i)
            f.Task(i, "3405", "3T 4H 5E", true);
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
};

QTEST_MAIN(DekWindowTest)
#include "DekWindowTest.moc"
