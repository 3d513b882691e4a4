// Every window whole inside the free screen at the most eighths (up to 16)
// that fit; dialogs, boxes and menus at their window's scale. Run again at
// QT_SCALE_FACTOR=2.
#include "Drive.h"
#include "generators/Generators.h"

#include "../TestData.h"

#include "core/WindowFit.h"
#include "windows/VerwandlungskettenU.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <cstdio>

using namespace quarvel;
using test::Face;
using test::Field;
using test::Named;

namespace {

const auto EighthsOf = [](const QWidget* window) { return WindowScale::Of(window)->Eighths(); };

// Whether `font` is the desktop's font for `kind` at `factor`, by pixels or points.
bool Scaled(const QFont& font, const char* kind, qreal factor) {
    const QFont normal = QApplication::font(kind);
    return normal.pixelSize() > 0 ? font.pixelSize() == qRound(normal.pixelSize() * factor)
                                  : qFuzzyCompare(font.pointSizeF(), normal.pointSizeF() * factor);
}

// "W x H" or "X,Y W x H" of a data file.
QRect Area(const std::string& text) {
    int x = 0, y = 0, w = 0, h = 0;
    if (std::sscanf(text.c_str(), "%d,%d %dx%d", &x, &y, &w, &h) != 4)
        std::sscanf(text.c_str(), "%dx%d", &w, &h);
    return QRect(x, y, w, h);
}

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

  private slots:
    // cases/ui_window_fit.csv: the exact fit and one pixel over.
    void fitRuleAtTheExactFitAndOnePixelOver() {
        const auto extent = [](const std::string& text) {
            return Extent{Area(text).width(), Area(text).height()};
        };
        for (const testdata::CsvRow& row : testdata::ReadCsv("cases/ui_window_fit.csv")) {
            const std::string frame = row["frame"];
            const int eighths = FitEighths(extent(row["design"]), extent(row["available"]),
                                           row.Int("most"), [&](int e) {
                                               return frame == "none"      ? Extent{0, 0}
                                                      : frame == "growing" ? Extent{e, 5 * e}
                                                                           : Extent{10, 60};
                                           });
            QVERIFY2(eighths == row.Int("eighths"),
                     qPrintable(QString::fromStdString(row.Where() + ": " + row["case"]) +
                                " gives " + QString::number(eighths)));
        }
    }

    // tests/data/cases/ui_screens.csv, the rows of this run's pixel ratio.
    void everyWindowFitsEveryScreen_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<int>("eighths");
        for (const testdata::CsvRow& row : testdata::ReadCsv("cases/ui_screens.csv"))
            if (row.Int("ratio") == qRound(qApp->devicePixelRatio()))
                QTest::newRow(row["case"].c_str())
                    << Area(row["screen"]).size() << Area(row["available"]) << row.Int("eighths");
    }
    // On the screen the layouts were made for the big windows are maximised.
    void everyWindowFitsEveryScreen() {
        QFETCH(QSize, screen);
        QFETCH(QRect, available);
        QFETCH(int, eighths);
        const bool designScreen = screen == QSize(1024, 768);
        test::Program p(7, ScreenArea(screen, available));
        const auto verifyInside = [&](const QWidget* window) {
            QVERIFY2(available.contains(OuterGeometry(window)), qPrintable(window->objectName()));
        };
        QCOMPARE(EighthsOf(p.start.get()), eighths);
        if (!designScreen) verifyInside(p.start.get());
        const qreal factor = eighths / 8.0;
        QVERIFY(Scaled(p.start->menuBar()->font(), "QMenuBar", factor));
        // Every menu is in reach: none hides behind the menu bar's arrow.
        QVERIFY(p.start->menuBar()->sizeHint().width() <= p.start->menuBar()->width());
        // The picture has a pixel for each pixel of the display, at any scale.
        QTRY_VERIFY(!p.start->imgBild()->pixmap().isNull());
        const qreal density = eighths / 8.0 * p.start->devicePixelRatioF();
        QCOMPARE(p.start->imgBild()->pixmap().width(), qRound(603 * density));

        // The big windows have the start window's size and so its scale.
        const Windows& w = p.windows;
        SelectionState s{.AreaCode = 3}; // the widest chain
        s.LevelLaenge = s.LevelLM = s.LevelDekNum = 2;
        for (ExerciseWindow* drill :
             std::initializer_list<ExerciseWindow*>{w.Einheiten, w.Kombinationen, w.DekEinheiten})
            drill->Begin(s);
        w.Verwandlungsketten->SetChain(AreaOf(s), std::nullopt);
        w.Auswertung->SetScore(ScoreState{.TotalPoints = 1, .TotalTries = 1});
        for (QDialog* window : std::initializer_list<QDialog*>{
                 w.Einheiten, w.Kombinationen, w.DekEinheiten, w.Information, w.Maxanzahl,
                 w.Auswertung, w.Verwandlungsketten}) {
            window->show();
            QCOMPARE(EighthsOf(window), eighths);
            const bool big = window == w.Einheiten || window == w.Kombinationen ||
                             window == w.DekEinheiten || window == w.Information;
            if (big) QCOMPARE(bool(window->windowState() & Qt::WindowMaximized), designScreen);
            if (!big || !designScreen) verifyInside(window);
            if (window == w.Einheiten) {
                // Faces, boxes, menu bar, menus and a field's context menu too.
                QCOMPARE(Face(w.Einheiten, 1)->pixmap().width(), qRound(63 * density));
                QVERIFY(Scaled(w.Einheiten->MenuBar()->font(), "QMenuBar", factor));
                QMenu plain;
                plain.addAction("Länge");
                const auto itemHeight = [](QMenu* m) {
                    return m->actionGeometry(m->actions().constFirst()).height();
                };
                std::unique_ptr<QMenu> context(Field(w.Einheiten, 1)->createStandardContextMenu());
                for (QMenu* menu : {p.start->Submenu("menEinheiten"), p.start->Submenu("menLaenge"),
                                    context.get()}) {
                    menu->popup(p.start->mapToGlobal(QPoint(20, 20)));
                    QCoreApplication::processEvents();
                    QVERIFY(Scaled(menu->font(), "QMenu", factor) &&
                            itemHeight(menu) * 8 >= itemHeight(&plain) * (eighths - 1));
                    menu->close();
                }
                const QString text = QStringLiteral("Es fehlen noch 2 Einträge!");
                int scaled = 0;
                test::WhenModal(nullptr, [&](QWidget* box) {
                    box->close();
                    for (const QLabel* label : box->findChildren<QLabel*>())
                        scaled += label->text() == text &&
                                  Scaled(label->font(), "QLabel", WindowScale::FactorOf(window));
                    verifyInside(box);
                });
                SetInformationHandler({});
                ShowInformation(window, text);
                QCOMPARE(scaled, 1);
            }
            window->hide();
        }
    }

    // At 12/8 on 1600 x 1200 the drill's landmarks and text at 1.5 times.
    void drillGrowsWithItsWindow() {
        if (qApp->devicePixelRatio() != 1.0) QSKIP("once is enough");
        test::Program big(7, QSize(1600, 1200));
        big.selection.TimeDisplay = true;
        auto* w = big.Open(big.windows.Einheiten, &SelectionState::LevelFlaeche, 3);
        QVERIFY(EighthsOf(w) == 12 && w->Client()->size() == QSize(1524, 1083));
        QCOMPARE(Field(w, 1)->geometry(),
                 QRect(600, 171, FieldOf(w->Session().MeasureSheet()[1]).Width * 3 / 2, 60));
        QCOMPARE(Named<QPushButton>(w, "Weiter")->geometry(), QRect(1200, 1005, 300, 60));
        QCOMPARE(Field(w, 1)->font().pixelSize(), 41); // 27 px at 1.5, rounded
        // The given text of line 1 begins at 1.5 x 120.
        const QImage image = w->Client()->grab().toImage();
        int left = -1;
        for (int x = 160; x < 560 && left < 0; ++x)
            for (int y = 180; y < 225 && left < 0; ++y)
                if (qGray(image.pixel(x, y)) < 100) left = x;
        QVERIFY2(left >= 180 && left <= 184, qPrintable(QString::number(left)));
        w->menSchliessenClick();
    }
};

QTEST_MAIN(WindowFitTest)
#include "WindowFitTest.moc"
