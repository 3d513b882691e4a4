// Every window opens whole inside the free part of the screen, at the largest
// scale in eighths (up to 2) at which it fits; the dialogs at the scale of the
// window they belong to. Run once more with QT_SCALE_FACTOR=2 for a display
// with twice the pixel density.
#include "windows/AuswertungU.h"
#include "windows/DekEinheitenU.h"
#include "windows/EinheitenU.h"
#include "windows/InformationU.h"
#include "windows/KombinationenU.h"
#include "windows/MaxanzahlU.h"
#include "windows/MessageBox.h"
#include "windows/Program.h"
#include "windows/StartU.h"
#include "windows/VerwandlungskettenU.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace quarvel;

namespace {

// The frame as the windows reckon with it lies inside the free area.
void VerifyInside(const QRect& available, const QWidget* window) {
    const QRect outer = OuterGeometry(window);
    QVERIFY2(available.contains(outer), qPrintable(QStringLiteral("%1: %2,%3 %4x%5")
                                                       .arg(window->objectName())
                                                       .arg(outer.x())
                                                       .arg(outer.y())
                                                       .arg(outer.width())
                                                       .arg(outer.height())));
}

int EighthsOf(const QWidget* window) {
    return WindowScale::Of(window)->Eighths();
}

// The information box `parent` would show, looked at while it is up.
void VerifyMessageBox(QWidget* parent, const QRect& available) {
    QFont font;
    QRect outer;
    const QString text = QStringLiteral("Es fehlen noch 2 Einträge!");
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text() == text) font = label->font();
        }
        outer = OuterGeometry(box);
        box->close();
    });
    ShowInformation(parent, text);
    QVERIFY(available.contains(outer));
    const QFont normal = QApplication::font();
    const qreal scale = WindowScale::FactorOf(parent);
    if (normal.pixelSize() > 0) {
        QCOMPARE(font.pixelSize(), qRound(normal.pixelSize() * scale));
    } else {
        QCOMPARE(font.pointSizeF(), normal.pointSizeF() * scale);
    }
}

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

  private slots:
    void everyWindowFitsEveryScreen_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<int>("eighths");
        if (qApp->devicePixelRatio() == 2.0) {
            // 3840 x 2160 device pixels are 1920 x 1080 logical ones.
            QTest::newRow("3840x2160@2") << QSize(1920, 1080) << QRect(0, 0, 1920, 1080) << 11;
            return;
        }
        QTest::newRow("800x600") << QSize(800, 600) << QRect(0, 0, 800, 600) << 6;
        QTest::newRow("1024x768") << QSize(1024, 768) << QRect(0, 0, 1024, 768) << 8;
        QTest::newRow("1280x720") << QSize(1280, 720) << QRect(0, 0, 1280, 720) << 7;
        QTest::newRow("1366x768, panel") << QSize(1366, 768) << QRect(0, 48, 1366, 720) << 7;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << QRect(0, 0, 1920, 1080) << 11;
    }

    void everyWindowFitsEveryScreen() {
        QFETCH(QSize, screen);
        QFETCH(QRect, available);
        QFETCH(int, eighths);
        // The screen the layouts were made for: maximised, as drawn.
        const bool designScreen = screen == QSize(1024, 768);
        AppState state;
        Windows windows;
        auto start = CreateWindows(state, windows, [=] { return ScreenArea(screen, available); });
        windows.Auswertung->SetStepInterval(0);
        start->show();
        QCOMPARE(EighthsOf(start.get()), eighths);
        if (!designScreen) VerifyInside(available, start.get());
        // Every menu is in reach: none hides behind the menu bar's arrow.
        QVERIFY(start->menuBar()->sizeHint().width() <= start->menuBar()->width());
        // The picture has a pixel for each pixel of the display, at any scale.
        QTRY_VERIFY(!start->imgBild()->pixmap().isNull());
        const qreal density = eighths / 8.0 * start->devicePixelRatioF();
        QCOMPARE(start->imgBild()->pixmap().width(), qRound(603 * density));

        // The big windows have the start window's size and so its scale.
        state.Selection.LevelLaenge = 2;
        state.Selection.LevelLM = 2;
        state.Selection.LevelDekNum = 2;
        for (QDialog* window :
             std::initializer_list<QDialog*>{windows.Einheiten, windows.Kombinationen,
                                             windows.DekEinheiten, windows.Information}) {
            window->show();
            QCOMPARE(EighthsOf(window), eighths);
            QCOMPARE(bool(window->windowState() & Qt::WindowMaximized), designScreen);
            if (!designScreen) VerifyInside(available, window);
            if (window == windows.Einheiten) {
                const QPixmap face = windows.Einheiten->FacePicture(1)->pixmap();
                QCOMPARE(face.width(), qRound(63 * density));
                VerifyMessageBox(window, available);
            }
            window->hide();
        }

        state.Score.TotalPoints = 1;
        state.Score.TotalTries = 1;
        state.Selection.AreaCode = 3; // the widest chain
        for (QDialog* dialog : std::initializer_list<QDialog*>{
                 windows.Maxanzahl, windows.Auswertung, windows.Verwandlungsketten}) {
            dialog->show();
            QCOMPARE(EighthsOf(dialog), eighths);
            VerifyInside(available, dialog);
            dialog->hide();
        }
    }

    // At 11/8 on 1920 x 1080 the menus grow with their window as the rest
    // does: the menu bars, the menus that open from them and the context menu
    // of an answer field, their items laid out in the larger font.
    void menusScaleWithTheirWindow() {
        if (qApp->devicePixelRatio() != 1.0) QSKIP("once is enough");
        AppState state;
        Windows windows;
        auto start = CreateWindows(state, windows, [] { return QSize(1920, 1080); });
        start->show();
        QCOMPARE(EighthsOf(start.get()), 11);
        const auto verifyScaled = [](const QWidget* widget, const char* kind) {
            const QFont normal = QApplication::font(kind);
            const QFont font = widget->font();
            if (normal.pixelSize() > 0) {
                QCOMPARE(font.pixelSize(), qRound(normal.pixelSize() * 11 / 8.0));
            } else {
                QCOMPARE(font.pointSizeF(), normal.pointSizeF() * 11 / 8.0);
            }
        };
        const auto itemHeight = [](QMenu* menu) {
            return menu->actionGeometry(menu->actions().constFirst()).height();
        };
        verifyScaled(start->menuBar(), "QMenuBar");
        QMenu plain;
        plain.addAction(QStringLiteral("Länge"));
        for (QMenu* menu : {start->Submenu(QStringLiteral("menEinheiten")),
                            start->Submenu(QStringLiteral("menLaenge"))}) {
            menu->popup(start->mapToGlobal(QPoint(20, 20)));
            QCoreApplication::processEvents();
            verifyScaled(menu, "QMenu");
            QVERIFY(itemHeight(menu) * 8 >= itemHeight(&plain) * 10);
            menu->close();
        }
        state.Selection.LevelLaenge = 2;
        windows.Einheiten->show();
        verifyScaled(windows.Einheiten->MenuBar(), "QMenuBar");
        std::unique_ptr<QMenu> context(windows.Einheiten->Field(1)->createStandardContextMenu());
        context->popup(windows.Einheiten->mapToGlobal(QPoint(20, 20)));
        QCoreApplication::processEvents();
        verifyScaled(context.get(), "QMenu");
        context->close();
        windows.Einheiten->hide();
    }

    // At 1.5 the landmarks sit at 1.5 times their places, the text is painted
    // there, and a drill runs with the keyboard as at scale 1.
    void drillAtOneAndAHalf() {
        if (qApp->devicePixelRatio() != 1.0) QSKIP("once is enough");
        AppState state;
        state.Rng = std::make_shared<SeededRandom>(7);
        Windows windows;
        auto start = CreateWindows(state, windows, [] { return QSize(1600, 1200); });
        start->show();
        state.Selection.LevelFlaeche = 3;
        state.Selection.TimeDisplay = true;
        TfrmEinheiten* w = windows.Einheiten;
        w->show();
        QApplication::setActiveWindow(w);
        QCoreApplication::processEvents();
        QCOMPARE(EighthsOf(w), 12);
        QCOMPARE(w->Client()->size(), QSize(1524, 1083));
        QCOMPARE(w->Field(1)->geometry(), QRect(600, 171, state.AnswerWidth * 3 / 2, 60));
        QCOMPARE(w->btnWeiter()->geometry(), QRect(1200, 1005, 300, 60));
        QCOMPARE(w->Field(1)->font().pixelSize(), 41); // 27 px at 1.5, rounded

        // The given text of line 1 begins at 1.5 x 120.
        const QImage image = w->Client()->grab().toImage();
        int left = -1;
        for (int x = 160; x < 560 && left < 0; ++x) {
            for (int y = 180; y < 225; ++y) {
                if (qGray(image.pixel(x, y)) < 100) {
                    left = x;
                    break;
                }
            }
        }
        QVERIFY2(left >= 180 && left <= 184, qPrintable(QString::number(left)));

        // The keyboard walks the lines and then reaches "Weiter" as at scale 1.
        for (int line = 1; line <= 5; ++line) {
            QCOMPARE(QApplication::focusWidget(), w->Field(line));
            QTest::keyClicks(w->Field(line),
                             QString::fromStdString(state.TaskSheet[line].AnswerText.str()));
            QTest::keyClick(w->Field(line), Qt::Key_Return);
        }
        QCOMPARE(w->lblAktPunkte()->text(), QStringLiteral("5,0"));
        QCOMPARE(QApplication::focusWidget(), w->btnWeiter());
        w->menSchliessenClick();
    }
};

QTEST_MAIN(WindowFitTest)
#include "WindowFitTest.moc"
