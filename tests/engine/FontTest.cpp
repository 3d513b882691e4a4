// The task-line renderer, checked through a paint device that records every
// text call (text, position, font, colour) instead of rasterising it.
#include "windows/FontU.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTest>

#include <vector>

namespace quarvel {
namespace {

struct TextCall {
    QString Text;
    QPointF Baseline;
    QFont Font;
    QColor Colour;
};

class RecordingEngine : public QPaintEngine {
  public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyPen) pen_ = state.pen();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    // Underlines and opaque text boxes arrive here; only text is of interest.
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        Calls.push_back({item.text(), p, item.font(), pen_.color()});
    }
    Type type() const override { return QPaintEngine::User; }

    std::vector<TextCall> Calls;

  private:
    QPen pen_;
};

class RecordingDevice : public QPaintDevice {
  public:
    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<TextCall>& Calls() { return engine_.Calls; }

  protected:
    // A 400 x 400 screen at 96 dpi.
    int metric(PaintDeviceMetric m) const override {
        if (m == PdmWidth || m == PdmHeight) return 400;
        if (m == PdmWidthMM || m == PdmHeightMM) return 106;
        if (m == PdmDepth) return 32;
        if (m == PdmNumColors) return 0x7fffffff;
        if (m == PdmDevicePixelRatio) return 1;
        if (m == PdmDevicePixelRatioScaled) return static_cast<int>(devicePixelRatioFScale());
        return 96;
    }

  private:
    mutable RecordingEngine engine_;
};

// The text calls of one drawing.
template <typename Draw> std::vector<TextCall> Recorded(Draw draw) {
    RecordingDevice device;
    {
        QPainter p(&device);
        draw(p);
    }
    return device.Calls();
}

int Width(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

int Ascent(int size) {
    return QFontMetrics(TaskFont(size)).ascent();
}

// Bounding box of the pixels that are not white.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Qt::white) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class FontTest : public QObject {
    Q_OBJECT
  private slots:
    // Three quarters of the size, an exact half to the even neighbour.
    void smallSizeRoundsHalvesToEven() {
        const std::pair<int, int> sizes[] = {{20, 15}, {12, 9},  {14, 10}, {18, 14},
                                             {11, 8},  {13, 10}, {2, 2},   {6, 4}};
        for (const auto& [size, small] : sizes)
            QCOMPARE(SmallSize(size), small);
    }

    void raisedExponentFollowsTheBaseCharacter() {
        const auto calls = Recorded(
            [](QPainter& p) { DrawTaskText(p, 10, 50, Qt::black, QStringLiteral("km^2"), 20); });
        QCOMPARE(calls.size(), std::size_t{3});
        const QFont big = TaskFont(20);
        QCOMPARE(calls[0].Text, QStringLiteral("k"));
        QCOMPARE(calls[1].Text, QStringLiteral("m"));
        QCOMPARE(calls[2].Text, QStringLiteral("2"));
        QCOMPARE(calls[0].Baseline, QPointF(10, 50 + Ascent(20)));
        QCOMPARE(calls[1].Baseline, QPointF(10 + Width(big, "k"), 50 + Ascent(20)));
        QCOMPARE(calls[2].Baseline.x(), 10.0 + Width(big, "k") + Width(big, "m"));
        QCOMPARE(calls[2].Baseline.y(), 50.0 - 7 + Ascent(15));
        QCOMPARE(calls[0].Font.pixelSize(), 27);
        QCOMPARE(calls[2].Font.pixelSize(), 20);
        QVERIFY(calls[2].Font.bold());
        for (const TextCall& call : calls)
            QCOMPARE(call.Colour, QColor(Qt::black));
    }

    void loweredCharacterSitsBelowAndSizeReturns() {
        const auto calls = Recorded(
            [](QPainter& p) { DrawTaskText(p, 0, 30, Qt::red, QStringLiteral("H!2O"), 12); });
        QCOMPARE(calls.size(), std::size_t{3});
        QCOMPARE(calls[1].Baseline.y(), 30.0 + 9 + Ascent(9));
        QCOMPARE(calls[1].Font.pixelSize(), 12);
        QCOMPARE(calls[2].Font.pixelSize(), 16);
        QCOMPARE(calls[2].Baseline.x(), 0.0 + Width(TaskFont(12), "H") + Width(TaskFont(9), "2"));
        QCOMPARE(calls[2].Colour, QColor(Qt::red));
    }

    void measureIsTheSumOfGlyphWidths() {
        QImage image(10, 10, QImage::Format_RGB32);
        QPainter p(&image);
        const QFont big = TaskFont(20);
        const QFont small = TaskFont(15);
        QCOMPARE(MeasureTaskText(p, QStringLiteral("m^2"), 20),
                 Width(big, "m") + Width(small, "2"));
        QCOMPARE(MeasureTaskText(p, QStringLiteral("dm^3"), 12),
                 Width(TaskFont(12), "d") + Width(TaskFont(12), "m") + Width(TaskFont(9), "3"));
        QCOMPARE(MeasureTaskText(p, QStringLiteral("#a"), 12), 3 + Width(TaskFont(12), "a"));
        QCOMPARE(MeasureTaskText(p, QString(), 12), 0);
        QCOMPARE(MeasureTaskText(p, QStringLiteral("^"), 12), 0);
        // Glyph by glyph: no kerning pair may shrink the sum.
        const QString word = QStringLiteral("AVAToWa");
        int sum = 0;
        for (const QChar c : word)
            sum += Width(TaskFont(12), QString(c));
        QCOMPARE(MeasureTaskText(p, word, 12), sum);
        QCOMPARE(p.font(), TaskFont(12));
    }

    // Markup with nothing to act on draws nothing.
    void markupAtTheEndDrawsOnlyWhatCameBefore() {
        for (const char* text : {"ab^", "ab!", "ab#"}) {
            const auto calls = Recorded([&](QPainter& p) {
                DrawTaskText(p, 0, 0, Qt::black, QString::fromLatin1(text), 12);
            });
            QCOMPARE(calls.size(), std::size_t{2});
            QCOMPARE(calls[1].Text, QStringLiteral("b"));
        }
        QVERIFY(Recorded([](QPainter& p) {
                    DrawTaskText(p, 0, 0, Qt::black, QString(), 12);
                    DrawInfoText(p, 0, 0, Qt::black, Qt::red, 12, QString(), true);
                    DrawInfoText(p, 0, 0, Qt::black, Qt::red, 12, QStringLiteral("##"), true);
                }).empty());
    }

    void symbolLettersBecomeGreekAndOthersOnlyAdvance() {
        const auto calls = Recorded([](QPainter& p) {
            DrawTaskText(p, 0, 20, Qt::black, QStringLiteral("#x.#a#b#g#") + QChar(0xB9) + "!", 12);
        });
        QCOMPARE(calls.size(), std::size_t{5});
        const QFont normal = TaskFont(12);
        const QFont symbol = TaskFont(14);
        // "#x" leaves a gap as wide as "x" and draws nothing.
        QCOMPARE(calls[0].Text, QStringLiteral("."));
        QCOMPARE(calls[0].Baseline.x(), double(Width(normal, "x")));
        QCOMPARE(calls[1].Text, QStringLiteral("α"));
        QCOMPARE(calls[2].Text, QStringLiteral("β"));
        QCOMPARE(calls[3].Text, QStringLiteral("γ"));
        QCOMPARE(calls[4].Text, QStringLiteral("≠"));
        QCOMPARE(calls[1].Font.pixelSize(), 19);
        QCOMPARE(calls[1].Baseline.y(), 20.0 - 3 + Ascent(14));
        QCOMPARE(calls[2].Baseline.x(), calls[1].Baseline.x() + Width(symbol, "α"));
    }

    void infoTextFlipsColourAtEveryHash() {
        const auto calls = Recorded([](QPainter& p) {
            DrawInfoText(p, 5, 10, Qt::black, Qt::red, 12, QStringLiteral("a#b#c#d^2"), true);
            DrawInfoText(p, 5, 40, Qt::black, Qt::red, 12, QStringLiteral("e"), true);
        });
        QCOMPARE(calls.size(), std::size_t{6});
        QCOMPARE(calls[0].Colour, QColor(Qt::black));
        QCOMPARE(calls[1].Colour, QColor(Qt::red));
        QCOMPARE(calls[2].Colour, QColor(Qt::black));
        // After the third "#" the rest of the line stays highlighted...
        QCOMPARE(calls[3].Colour, QColor(Qt::red));
        QCOMPARE(calls[4].Colour, QColor(Qt::red));
        QCOMPARE(calls[4].Baseline.y(), 10.0 - 4 + Ascent(9));
        // ...and the next call starts over in the normal colour.
        QCOMPARE(calls[5].Colour, QColor(Qt::black));
        // "#" takes no room.
        QCOMPARE(calls[1].Baseline.x(), 5.0 + Width(TaskFont(12), "a"));
    }

    void infoTextBoldSwitchKeepsOtherStyles() {
        const auto calls = Recorded([](QPainter& p) {
            QFont font = p.font();
            font.setItalic(true);
            font.setUnderline(true);
            font.setBold(true);
            p.setFont(font);
            DrawInfoText(p, 0, 0, Qt::black, Qt::red, 12, QStringLiteral("x"), false);
            DrawInfoText(p, 0, 0, Qt::black, Qt::red, 12, QStringLiteral("y"), true);
        });
        QCOMPARE(calls.size(), std::size_t{2});
        QVERIFY(!calls[0].Font.bold());
        QVERIFY(calls[0].Font.italic());
        QVERIFY(calls[0].Font.underline());
        QVERIFY(calls[1].Font.bold());
        QVERIFY(calls[1].Font.italic());
        QCOMPARE(calls[0].Font.pixelSize(), 16);
    }

    void pixelsLandWhereTheTopIsGiven() {
        // A real raster: the ink of a capital starts a little below y (the
        // font's internal leading) and never above it.
        QImage image(200, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            DrawTaskText(p, 20, 30, Qt::black, QStringLiteral("HE"), 12);
        }
        const QRect ink = InkBox(image);
        QVERIFY(ink.isValid());
        QVERIFY2(ink.top() >= 30 && ink.top() <= 36, qPrintable(QString::number(ink.top())));
        QVERIFY(ink.left() >= 20 && ink.left() <= 23);
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter measure(&scratch);
        QVERIFY(ink.right() < 20 + MeasureTaskText(measure, QStringLiteral("HE"), 12));
    }

};

} // namespace quarvel

QTEST_MAIN(quarvel::FontTest)
#include "FontTest.moc"
