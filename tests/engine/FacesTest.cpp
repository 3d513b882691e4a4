#include "engine/Faces.h"

#include <QImage>
#include <QTest>

#include <vector>

namespace quarvel {
namespace {

const Face kFaces[] = {Face::Neutral, Face::Happy, Face::Frowning, Face::Sad};

QImage ImageOf(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Opaque pixels close to the colour of eyes, brows and mouth: the expression
// without the colour of the face.
std::vector<bool> FeatureMask(const QImage& image) {
    std::vector<bool> mask;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            mask.push_back(c.alpha() > 200 && c.red() < 90 && c.green() < 80 && c.blue() < 100);
        }
    }
    return mask;
}

int Differences(const std::vector<bool>& a, const std::vector<bool>& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        count += a[i] != b[i] ? 1 : 0;
    return count;
}

// Mean colour of the opaque pixels that are not features.
QColor MeanFill(const QImage& image) {
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 255 || (c.red() < 90 && c.green() < 80 && c.blue() < 100)) continue;
            r += c.red();
            g += c.green();
            b += c.blue();
            ++n;
        }
    }
    return n == 0 ? QColor() : QColor(int(r / n), int(g / n), int(b / n));
}

} // namespace

class FacesTest : public QObject {
    Q_OBJECT
  private slots:
    void SizesFollowThePixelRatio_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("1.5x") << 1.5;
        QTest::newRow("2x") << 2.0;
    }
    // Every picture at every pixel ratio: its size, and a transparent background.
    void SizesFollowThePixelRatio() {
        QFETCH(qreal, ratio);
        std::vector<std::pair<QPixmap, QSize>> pictures;
        for (const Face face : kFaces)
            pictures.emplace_back(FacePixmap(face, ratio), QSize(63, 69));
        for (const Mark mark : {Mark::Cross, Mark::Tick})
            pictures.emplace_back(MarkPixmap(mark, ratio), QSize(40, 40));
        for (const auto& [pixmap, size] : pictures) {
            QCOMPARE(pixmap.devicePixelRatio(), ratio);
            QCOMPARE(pixmap.size(),
                     QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)));
            QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
            const QImage image = ImageOf(pixmap);
            const int w = image.width() - 1;
            const int h = image.height() - 1;
            for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
                QCOMPARE(image.pixelColor(corner).alpha(), 0);
        }
    }

    void FacesDifferInColourAndExpression() {
        std::vector<QColor> fills;
        std::vector<std::vector<bool>> masks;
        for (const Face face : kFaces) {
            const QImage image = ImageOf(FacePixmap(face, 1.0));
            fills.push_back(MeanFill(image));
            masks.push_back(FeatureMask(image));
        }
        const QColor& blue = fills[0];
        const QColor& green = fills[1];
        const QColor& orange = fills[2];
        const QColor& red = fills[3];
        QVERIFY2(blue.blue() > blue.red() + 60 && blue.blue() > blue.green() + 30,
                 qPrintable(blue.name()));
        QVERIFY2(green.green() > green.red() + 60 && green.green() > green.blue() + 60,
                 qPrintable(green.name()));
        QVERIFY2(orange.red() > orange.green() + 40 && orange.green() > orange.blue() + 60,
                 qPrintable(orange.name()));
        QVERIFY2(red.red() > red.green() + 100 && qAbs(red.green() - red.blue()) < 30,
                 qPrintable(red.name()));
        // Expressions: the features alone tell every pair apart.
        for (std::size_t a = 0; a < masks.size(); ++a) {
            for (std::size_t b = a + 1; b < masks.size(); ++b) {
                QVERIFY2(Differences(masks[a], masks[b]) > 40,
                         qPrintable(QStringLiteral("faces %1 and %2").arg(a).arg(b)));
            }
        }
    }

    void MarksAreRedCrossAndGreenTick() {
        const QImage cross = ImageOf(MarkPixmap(Mark::Cross, 1.0));
        const QImage tick = ImageOf(MarkPixmap(Mark::Tick, 1.0));
        QVERIFY(cross != tick);
        // The cross meets in the middle; the tick leaves the middle of the top
        // row free and bends near the bottom left.
        const QColor middle = cross.pixelColor(20, 20);
        QCOMPARE(middle.alpha(), 255);
        QVERIFY(middle.red() > 180 && middle.green() < 80);
        const QColor bend = tick.pixelColor(17, 29);
        QCOMPARE(bend.alpha(), 255);
        QVERIFY(bend.green() > 120 && bend.red() < 80);
        QCOMPARE(tick.pixelColor(20, 3).alpha(), 0);
    }

    void DoubleRatioDrawsTheSamePicture() {
        // Drawn in logical coordinates: the 2x face, brought back to 1x, covers
        // the same pixels as the 1x face (not a corner of it, not twice its size).
        const QImage once = ImageOf(FacePixmap(Face::Sad, 1.0));
        const QImage twice =
            ImageOf(FacePixmap(Face::Sad, 2.0))
                .scaled(once.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        long difference = 0;
        for (int y = 0; y < once.height(); ++y)
            for (int x = 0; x < once.width(); ++x)
                difference += qAbs(once.pixelColor(x, y).alpha() - twice.pixelColor(x, y).alpha());
        QVERIFY2(difference / (once.width() * once.height()) < 10,
                 qPrintable(QString::number(difference)));
    }
};

} // namespace quarvel

QTEST_MAIN(quarvel::FacesTest)
#include "FacesTest.moc"
