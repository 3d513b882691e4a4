// The conversion chain window and the information window on screen: sizes,
// titles, placement, pictures, and what actually lands on the pixels.
#include "windows/StartU.h"
#include "windows/FontU.h"
#include "reference/ChainGeometry.h"
#include "reference/InfoPages.h"
#include "windows/InformationU.h"
#include "windows/VerwandlungskettenU.h"

#include <QAction>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <memory>

namespace quarvel {
namespace {

const QColor Yellow(255, 255, 200);

bool IsRed(QColor c) {
    return c.red() > 180 && c.green() < 120 && c.blue() < 120;
}
bool IsBlue(QColor c) {
    return c.blue() > 180 && c.red() < 120 && c.green() < 120;
}
bool IsDark(QColor c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

// Pixels matching `pick` in a rectangle of the image.
template <typename Pick> int Count(const QImage& image, const QRect& area, Pick pick) {
    int n = 0;
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += pick(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

// Middle of the dark ink in a rectangle.
double InkCentre(const QImage& image, const QRect& area) {
    int left = area.right();
    int right = area.left();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsDark(image.pixelColor(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return (left + right) / 2.0;
}

QImage Picture(QWidget* w) {
    return w->grab().toImage();
}

} // namespace

class ReferenceWindowsTest : public QObject {
    Q_OBJECT

    AppState state_;
    Windows windows_;
    std::unique_ptr<TfrmStart> start_;

    TfrmVerwandlungsketten* Chain() { return windows_.Verwandlungsketten; }
    TfrmInformation* Info() { return windows_.Information; }

    QImage ShowChain(int area) {
        Chain()->hide();
        state_.Selection.AreaCode = area;
        Chain()->show();
        return Picture(Chain()->Client());
    }

    void ShowInfoPage(const char* item) {
        QAction* action = Info()->findChild<QAction*>(QString::fromLatin1(item));
        QVERIFY2(action != nullptr, item);
        action->trigger();
    }

  private slots:
    void init() {
        state_ = AppState{};
        windows_ = Windows{};
        start_ = std::make_unique<TfrmStart>(state_, windows_, [] { return QSize(1280, 1024); });
        windows_.Start = start_.get();
        windows_.Verwandlungsketten = new TfrmVerwandlungsketten(state_, windows_, start_.get());
        windows_.Information = new TfrmInformation(state_, windows_, start_.get());
        // Hidden, as behind an exercise window; its place still counts.
        start_->setGeometry(40, 30, 1016, 722);
    }

    void cleanup() { start_.reset(); }

    // Each training's chain sets the size and title and centres the window
    // over the (hidden) start window.
    void chainWidthTitleAndCentre() {
        for (int area = 1; area <= 8; ++area) {
            const ChainLayout layout = *ChainFor(area);
            ShowChain(area);
            QCOMPARE(Chain()->Client()->size(), QSize(layout.Width, ChainClientHeight));
            QCOMPARE(Chain()->windowTitle(), QString::fromStdString(layout.Title));
            QCOMPARE(QPoint(Chain()->xMid(), Chain()->yMid()), QPoint(layout.Width / 2, 77));
            const QPoint offset =
                Chain()->frameGeometry().center() - start_->frameGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 2,
                     qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
        }
    }

    void chainActivationRecomputesAndAreaZeroKeepsTheLast() {
        QImage image = ShowChain(0);
        QCOMPARE(Chain()->windowTitle(), QStringLiteral("Umwandlungskette"));
        QCOMPARE(Chain()->Client()->size(), QSize(367, 154));
        QCOMPARE(Count(image, image.rect(), [](QColor c) { return c != Yellow; }), 0);

        ShowChain(5);
        QCOMPARE(Chain()->Client()->width(), 350);
        ShowChain(7);
        QCOMPARE(Chain()->Client()->width(), 650);
        image = ShowChain(0);
        QCOMPARE(Chain()->Client()->width(), 650);
        QCOMPARE(Chain()->windowTitle(), QStringLiteral("Umwandlungskette für Flächenmaße"));
        QCOMPARE(Count(image, image.rect(), [](QColor c) { return c != Yellow; }), 0);
    }

    void chainLengthPixels() {
        const QImage image = ShowChain(5);
        const int xm = Chain()->xMid();
        const int ym = Chain()->yMid();
        // The axis runs from 15 to width - 15.
        QVERIFY(IsDark(image.pixelColor(16, ym)) || IsDark(image.pixelColor(16, ym - 1)));
        QVERIFY(IsDark(image.pixelColor(350 - 16, ym)) ||
                IsDark(image.pixelColor(350 - 16, ym - 1)));
        QCOMPARE(image.pixelColor(8, ym), Yellow);
        // Unnamed ticks at -100 and -50: a tick, but no ink below it.
        for (const int x : {-100, -50}) {
            QVERIFY(Count(image, QRect(xm + x - 1, ym - 3, 3, 7), IsDark) > 0);
            QCOMPARE(Count(image, QRect(xm + x - 12, ym + 8, 25, 25), IsDark), 0);
        }
        // Red markers above the named units only.
        for (const int x : {-150, 0, 50, 100, 150})
            QVERIFY(Count(image, QRect(xm + x - 1, ym - 21, 3, 8), IsRed) > 10);
        QCOMPARE(Count(image, QRect(xm - 101, ym - 21, 3, 8), IsRed), 0);
        // "m" sits centred under its tick, "1000" midway between km and m.
        QVERIFY(std::abs(InkCentre(image, QRect(xm - 20, ym + 8, 41, 25)) - xm) <= 2.0);
        QVERIFY(Count(image, QRect(xm - 95, ym - 25, 40, 20), IsRed) > 30);
    }

    void chainVolumeLabelsAboveAndBelow() {
        const QImage image = ShowChain(8);
        const int xm = Chain()->xMid();
        const int ym = Chain()->yMid();
        // "l" over "dm^3", both centred on -75.
        QVERIFY(std::abs(InkCentre(image, QRect(xm - 75 - 24, ym + 6, 49, 22)) - (xm - 75)) <= 2.5);
        QVERIFY(std::abs(InkCentre(image, QRect(xm - 75 - 10, ym - 25, 21, 18)) - (xm - 75)) <=
                2.0);
        // Factors: "1000" below, "100" and "10" higher up, none in the usual row.
        QVERIFY(Count(image, QRect(xm - 20, ym + 27, 40, 18), IsRed) > 30);
        QVERIFY(Count(image, QRect(xm - 140, ym - 48, 30, 18), IsRed) > 20);
        QCOMPARE(Count(image, QRect(xm - 150, ym - 24, 20, 12), IsRed), 0);
    }

    // Every tick and marker is a whole line of its colour with the background
    // on both sides: no label box hides it and no text runs into it.
    void chainMarksStandFree_data() {
        QTest::addColumn<int>("area");
        for (int area = 1; area <= 8; ++area)
            QTest::addRow("AreaCode %d", area) << area;
    }

    void chainMarksStandFree() {
        QFETCH(int, area);
        const QImage image = ShowChain(area);
        const ChainLayout layout = *ChainFor(area);
        for (const auto* marks : {&layout.Ticks, &layout.Strokes}) {
            for (const ChainStroke& mark : *marks) {
                const QColor colour(mark.Colour.R, mark.Colour.G, mark.Colour.B);
                // A pen two pixels wide covers the columns x - 1 and x.
                const int x = Chain()->xMid() + mark.X - 1;
                for (int dy = mark.Top; dy <= mark.Bottom; ++dy) {
                    const int y = Chain()->yMid() + dy;
                    const bool axis = dy == -1 || dy == 0;
                    QVERIFY2(image.pixelColor(x, y) == colour &&
                                 image.pixelColor(x + 1, y) == colour &&
                                 (axis || (image.pixelColor(x - 2, y) == Yellow &&
                                           image.pixelColor(x + 3, y) == Yellow)),
                             qPrintable(QStringLiteral("x %1, y %2").arg(mark.X).arg(dy)));
                }
            }
        }
    }

    void chainDecimalTableHasBlueGroups() {
        const QImage image = ShowChain(4);
        const int xm = Chain()->xMid();
        const int ym = Chain()->yMid();
        // "Dekadische Einheiten" between the markers at HT and Z.
        QVERIFY(Count(image, QRect(xm - 322, ym + 30, 194, 20), IsBlue) > 100);
        QVERIFY(Count(image, QRect(xm + 60, ym + 32, 180, 18), IsBlue) > 100);
    }

    // Every opening starts on page 1; each menu item shows its page with its
    // title and its pictures only.
    void infoPagesShowTheirPicturesOnly() {
        const auto expectPage = [this](int page) {
            QCOMPARE(Info()->Page(), page);
            QCOMPARE(Info()->windowTitle(), QString::fromStdString(InfoPageFor(page)->Title));
            for (const InfoPicture& p : InfoPictures())
                QCOMPARE(Info()->Picture(p.Number)->isVisible(), p.Page == page);
        };
        const std::pair<const char*, int> items[] = {{"menMasseM", 4},
                                                     {"menLaengeG", 1},
                                                     {"menEinheiten", 5},
                                                     {"menLaengeM", 3},
                                                     {"menMasseG", 2}};
        for (int round = 0; round < 2; ++round) {
            Info()->show();
            expectPage(1);
            for (const auto& [item, page] : items) {
                ShowInfoPage(item);
                expectPage(page);
            }
            Info()->hide();
        }
        // Opened modally, as the start window does.
        QTimer::singleShot(0, Info(), [this] {
            QCOMPARE(Info()->Page(), 1);
            Info()->findChild<QAction*>(QStringLiteral("menSchliessen"))->trigger();
        });
        QCOMPARE(Info()->exec(), int(QDialog::Accepted));
        QCOMPARE(Info()->Client()->size(), QSize(InfoClientWidth, InfoClientHeight));
    }

    void infoPicturesAreJpegsOfTheListedSize() {
        for (const InfoPicture& p : InfoPictures()) {
            const QString path = QStringLiteral(":/pictures/img%1.jpg").arg(p.Number);
            QImageReader reader(path);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(path + ": " + reader.errorString()));
            QCOMPARE(image.size(), QSize(p.Width, p.Height));
            QLabel* label = Info()->Picture(p.Number);
            QCOMPARE(label->objectName(), QStringLiteral("img%1").arg(p.Number));
            QCOMPARE(label->geometry(), QRect(p.Left, p.Top, p.Width, p.Height));
            Info()->ShowPage(p.Page); // decoded when its page is first shown
            QVERIFY(!label->pixmap().isNull());
        }
    }

    // Each line ends before the window edge, the next column of its row and
    // any picture beside it.
    void infoLinesFitTheirRoom() {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter canvas(&scratch);
        const int height = QFontMetrics(TaskFont(InfoTextSize)).height();
        for (int page = 1; page <= InfoPageCount; ++page) {
            const InfoPage* content = InfoPageFor(page);
            for (const InfoLine& line : content->Lines) {
                const QString text = QString::fromStdString(line.Text).remove(u'#');
                const int right = line.X + MeasureTaskText(canvas, text, InfoTextSize);
                // A raised character reaches SmallSize div 2 above the line.
                const int top = text.contains(u'^') ? line.Y - SmallSize(InfoTextSize) / 2 : line.Y;
                int limit = InfoClientWidth - 10;
                for (const InfoLine& other : content->Lines)
                    if (other.Y == line.Y && other.X > line.X) limit = std::min(limit, other.X - 4);
                for (const InfoPicture& p : InfoPictures()) {
                    const bool beside = p.Page == page && p.Left > line.X &&
                                        p.Top < line.Y + height && top < p.Top + p.Height;
                    if (beside) limit = std::min(limit, p.Left - 6);
                }
                QVERIFY2(right <= limit, qPrintable(QStringLiteral("page %1, y %2: %3 > %4: %5")
                                                        .arg(page)
                                                        .arg(line.Y)
                                                        .arg(right)
                                                        .arg(limit)
                                                        .arg(text)));
            }
        }
    }

};

} // namespace quarvel

QTEST_MAIN(quarvel::ReferenceWindowsTest)
#include "ReferenceWindowsTest.moc"
