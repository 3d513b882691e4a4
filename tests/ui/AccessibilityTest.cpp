// What a screen reader learns from the windows: the five task lines, the
// counters, and the painted reference windows in words.
#include "windows/Program.h"
#include "windows/EinheitenU.h"
#include "windows/InformationU.h"
#include "windows/VerwandlungskettenU.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace quarvel;

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void taskLinesDescribeTheirTasks() {
        AppState state;
        state.Rng = std::make_shared<SeededRandom>(5);
        Windows windows;
        auto start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        state.Selection.LevelFlaeche = 2;
        TfrmEinheiten* w = windows.Einheiten;
        w->show();
        for (int i = 1; i <= 5; ++i) {
            const TTaskRecord& r = state.TaskSheet[i];
            QString from = QString::fromStdString(r.FromUnit.str()).replace("^2", "²");
            QString to = QString::fromStdString(r.ToUnit.str()).replace("^2", "²");
            const QString task =
                QStringLiteral("Aufgabe %1: %2 %3 in %4").arg(i).arg(QString::fromStdString(r.GivenText.str()), from, to);
            QCOMPARE(w->Field(i)->accessibleName(), task);
            QCOMPARE(w->FacePicture(i)->accessibleName(), task);
            QCOMPARE(w->FacePicture(i)->accessibleDescription(), QStringLiteral("noch nicht beantwortet"));
        }
        // A task answered wrongly twice says the result.
        QLineEdit* field = w->Field(1);
        QApplication::setActiveWindow(w);
        field->setFocus();
        for (int attempt = 0; attempt < 2; ++attempt) {
            field->setText(QStringLiteral("999999"));
            QTest::keyClick(field, Qt::Key_Return);
            QCoreApplication::processEvents();
            field->setFocus();
        }
        // ... and then how it comes about.
        QVERIFY(w->FacePicture(1)->accessibleDescription().startsWith(
            QStringLiteral("zweimal falsch, das Ergebnis lautet %1. So geht's: ")
                .arg(QString::fromStdString(state.TaskSheet[1].AnswerText.str()))));
        QCOMPARE(w->MarkPicture(1, 2)->accessibleDescription(), QStringLiteral("falsch"));
        QCOMPARE(w->lblAktVersuche()->accessibleName(), QStringLiteral("Versuche in diesem Durchgang: 2"));
        w->menSchliessenClick();
    }

    void referenceWindowsInWords() {
        AppState state;
        Windows windows;
        auto start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        state.Selection.AreaCode = 5;
        windows.Verwandlungsketten->show();
        QCOMPARE(windows.Verwandlungsketten->Client()->accessibleDescription(),
                 QStringLiteral("km, m, dm, cm, mm, 1000, 10, 10, 10"));
        windows.Verwandlungsketten->hide();

        windows.Information->show();
        const QString page = windows.Information->Client()->accessibleDescription();
        QVERIFY(page.startsWith(QStringLiteral("Schon im Altertum")));
        QVERIFY(!page.contains(QLatin1Char('#')));
        QVERIFY(page.contains(QStringLiteral("(86Kr)")));
        windows.Information->hide();
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
