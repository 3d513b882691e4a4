// The task-line renderer, checked through a paint device that records every
// text call instead of rasterising it, and the faces and marks beside the lines.
#include "windows/Faces.h"
#include "windows/FontU.h"

#include "../TestData.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QTest>

namespace quarvel {
namespace {

struct Record {
    QStringList Layout;
    QList<int> Starts, Ends;
    QList<QFont> Fonts;
};

// Notes each text call as "text, pixel size, top of its font box" (and its
// colour unless black), where it starts and where its advance ends.
class RecordingEngine : public QPaintEngine {
  public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& s) override {
        if (s.state() & QPaintEngine::DirtyPen) colour_ = s.pen().color();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    // Underlines and opaque text boxes arrive here; only text is of interest.
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QFontMetrics metrics(item.font());
        const QString colour = colour_.name() == "#000000" ? QString() : " " + colour_.name();
        const int top = qRound(p.y()) - metrics.ascent();
        Calls.Layout
            << QStringLiteral("%1 %2 %3").arg(item.text()).arg(item.font().pixelSize()).arg(top) +
                   colour;
        Calls.Starts << qRound(p.x());
        Calls.Ends << Calls.Starts.back() + metrics.horizontalAdvance(item.text());
        Calls.Fonts << item.font();
    }
    Type type() const override { return QPaintEngine::User; }

    Record Calls;

  private:
    QColor colour_;
};

// A 400 x 400 screen image whose painting is recorded instead.
class RecordingDevice : public QImage {
  public:
    RecordingDevice() : QImage(400, 400, QImage::Format_RGB32) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    mutable RecordingEngine engine_;
};

template <typename Draw> Record Recorded(Draw draw) {
    RecordingDevice device;
    {
        QPainter p(&device);
        draw(p);
    }
    return device.engine_.Calls;
}

} // namespace

class FontTest : public QObject {
    Q_OBJECT
  private slots:
    // tests/data/cases/engine_task_text.csv row by row. Each glyph starts
    // where the one before it ends; the text ends where it is measured to end
    // (a symbol is measured as its letter plus 3).
    void taskTextGlyphByGlyph() {
        for (const testdata::CsvRow& row : testdata::ReadCsv("cases/engine_task_text.csv")) {
            const QString text = QString::fromStdString(row["text"]);
            const Record r = Recorded(
                [&](QPainter& p) { DrawTaskText(p, 10, 50, Qt::black, text, row.Int("size")); });
            QVERIFY2(r.Layout.join('|') == QString::fromStdString(row["glyphs"]),
                     qPrintable(QString::fromStdString(row.Where()) + ": " + r.Layout.join('|')));
            QCOMPARE(r.Starts, (QList<int>{10} + r.Ends).mid(0, r.Starts.size()));
            if (!text.contains('#'))
                QCOMPARE(10 + MeasureTaskText(text, row.Int("size")), r.Ends.back());
        }
    }

    // Each "#" flips the colour, taking no room; every call starts over in the
    // normal one. The bold switch keeps the painter's other styles.
    void infoTextColoursAndStyles() {
        const Record r = Recorded([](QPainter& p) {
            QFont font = p.font();
            font.setItalic(true);
            p.setFont(font);
            DrawInfoText(p, 5, 10, Qt::black, Qt::red, 12, "a#b#c#d^2", true);
            DrawInfoText(p, 5, 40, Qt::black, Qt::red, 12, "e", false);
        });
        QCOMPARE(r.Layout, (QStringList{"a 16 10", "b 16 10 #ff0000", "c 16 10", "d 16 10 #ff0000",
                                        "2 12 6 #ff0000", "e 16 40"}));
        QCOMPARE(r.Starts[1], r.Ends[0]);
        QVERIFY(r.Fonts[0].bold() && r.Fonts[0].italic());
        QVERIFY(!r.Fonts[5].bold() && r.Fonts[5].italic());
    }

    // Every face and mark keeps its logical size and transparent corners and
    // is drawn over its whole area on a screen of twice the density, not into a
    // corner (a painter left unscaled would do that); no two are alike.
    void facesAndMarksFollowThePixelRatio() {
        const QList<QPixmap> pictures = {
            FacePixmap(FaceKind::Neutral, 1.0, 2.0),  FacePixmap(FaceKind::Happy, 1.0, 2.0),
            FacePixmap(FaceKind::Frowning, 1.0, 2.0), FacePixmap(FaceKind::Sad, 1.0, 2.0),
            MarkPixmap(MarkKind::Cross, 1.0, 2.0),    MarkPixmap(MarkKind::Tick, 1.0, 2.0)};
        for (qsizetype i = 0; i < pictures.size(); ++i) {
            QCOMPARE(pictures[i].deviceIndependentSize().toSize(),
                     i < 4 ? QSize(63, 69) : QSize(40, 40));
            const QImage image = pictures[i].toImage().convertToFormat(QImage::Format_ARGB32);
            const QPoint far(image.width() - 1, image.height() - 1);
            QVERIFY(image.pixelColor(0, 0).alpha() == 0 && image.pixelColor(far).alpha() == 0);
            QVERIFY(image.pixelColor(far / 2).alpha() > 0);
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY(pictures[j].toImage() != pictures[i].toImage());
        }
    }
};

} // namespace quarvel

QTEST_MAIN(quarvel::FontTest)
#include "FontTest.moc"
