// "So geht's" in the drill and chain windows.
#include "drill/LineLayout.h"
#include "windows/EinheitenU.h"
#include "windows/Program.h"
#include "windows/VerwandlungskettenU.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace quarvel;

namespace {

struct Fixture {
    AppState state;
    Windows windows;
    std::unique_ptr<TfrmStart> start;
    TfrmEinheiten* w = nullptr;

    Fixture() {
        state.Rng = std::make_shared<SeededRandom>(5);
        start = CreateWindows(state, windows, [] { return QSize(1280, 800); });
        start->show();
        state.Selection.AreaCode = 5;
        state.Selection.LevelLaenge = 2;
        w = windows.Einheiten;
        w->show();
        QApplication::setActiveWindow(w);
        QCoreApplication::processEvents();
        TTaskRecord& r1 = state.TaskSheet[1];
        r1.GivenText = "3,5", r1.FromUnit = "km", r1.ToUnit = "m", r1.AnswerText = "3500";
        TTaskRecord& r2 = state.TaskSheet[2];
        r2.GivenText = "4", r2.FromUnit = "m", r2.ToUnit = "dm", r2.AnswerText = "40";
    }

    void Answer(int line, const QString& text) {
        QLineEdit* field = w->Field(line);
        field->setFocus();
        QCoreApplication::processEvents();
        field->setText(text);
        QTest::keyClick(field, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    // The chain window as the drill's menu item opens it, as drawn.
    QImage Chain() {
        QImage image;
        QTimer::singleShot(0, [&image, this] {
            image = windows.Verwandlungsketten->Client()->grab().toImage();
            QApplication::activeModalWidget()->close();
        });
        w->menVerwandlung()->trigger();
        return image;
    }

    // The tooltip a resting mouse brings up over the drill's paint box.
    QString TipAt(const QPoint& at) {
        QWidget* box = w->findChild<QWidget*>(QStringLiteral("pntEinheiten"));
        QHelpEvent help(QEvent::ToolTip, at, box->mapToGlobal(at));
        QCoreApplication::sendEvent(box, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
};

} // namespace

class SolutionWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // Only a revealed line explains itself: over its face and its given text,
    // and to a screen reader after its state. The chain window adds the latest
    // solution in room below the chain, whose drawing changes only by frames
    // round the path's units; without a revealed line it is the described one.
    void revealedLinesExplainTheirAnswers() {
        Fixture f;
        TfrmVerwandlungsketten* chain = f.windows.Verwandlungsketten;
        const QImage described = f.Chain();
        QCOMPARE(described.size(), QSize(350, ChainClientHeight));
        const QPoint given(kGivenLeft + 10, LineTop(1) + 10);
        f.Answer(1, QStringLiteral("350"));
        QVERIFY(f.w->FacePicture(1)->toolTip().isEmpty());
        QVERIFY(f.TipAt(given).isEmpty());
        f.Answer(1, QStringLiteral("350"));
        const QString tip = f.w->FacePicture(1)->toolTip();
        QVERIFY(tip.contains(
            QStringLiteral("drei\u00a0Stellen nach rechts: 3,5\u00a0km = 3500\u00a0m.")));
        QVERIFY(tip.contains(QStringLiteral("Dein Fehler: Deiner Zahl fehlt eine\u00a0Null.")));
        QCOMPARE(f.TipAt(given), tip);
        QTRY_VERIFY(f.TipAt(QPoint(300, LineTop(1) + 10)).isEmpty());
        const QString description = f.w->FacePicture(1)->accessibleDescription();
        QVERIFY(
            description.startsWith(QStringLiteral("zweimal falsch, das Ergebnis lautet 3500. "
                                                  "So geht's: 1\u00a0km = 1000\u00a0m. Von km")));
        QVERIFY(
            description.endsWith(QStringLiteral("Dein Fehler: Deiner Zahl fehlt eine\u00a0Null.")));

        f.Answer(2, QStringLiteral("4"));
        f.Answer(2, QStringLiteral("4"));
        const QImage solved = f.Chain();
        QCOMPARE(chain->DrawnSolution()->Sentences.back(),
                 "Du hängst eine\u00a0Null an: 4\u00a0m = 40\u00a0dm.");
        QCOMPARE(solved.width(), described.width());
        QVERIFY(solved.height() > described.height() && solved.height() < 3 * described.height());
        for (int y = 0; y < described.height(); ++y) {
            for (int x = 0; x < described.width(); ++x) {
                // Only the frames round "m" and "dm" are new on the chain.
                QVERIFY(solved.pixel(x, y) == described.pixel(x, y) ||
                        (std::abs(y - chain->yMid() - 20) < 15 &&
                         std::abs(x - chain->xMid() - 25) < 45));
            }
        }
        QVERIFY(solved.copy(described.rect()) != described);

        for (int i = 3; i <= kLines; ++i)
            f.Answer(i, QString::fromStdString(f.state.TaskSheet[i].AnswerText.str()));
        f.w->btnWeiter()->click();
        QVERIFY(f.w->FacePicture(1)->toolTip().isEmpty());
        QCOMPARE(f.Chain(), described);
        f.w->menSchliessenClick();
    }
};

QTEST_MAIN(SolutionWindowTest)
#include "SolutionWindowTest.moc"
