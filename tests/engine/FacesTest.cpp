#include "windows/Faces.h"

#include <QImage>
#include <QTest>

#include <vector>

namespace quarvel {

class FacesTest : public QObject {
    Q_OBJECT
  private slots:
    // Every picture at every pixel ratio keeps its logical size and its
    // transparent background, and is drawn over its whole area, not into a
    // corner (a painter left unscaled would do that).
    void PicturesFollowThePixelRatio() {
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            std::vector<std::pair<QPixmap, QSize>> pictures;
            for (const FaceKind face : {FaceKind::Neutral, FaceKind::Happy, FaceKind::Frowning, FaceKind::Sad})
                pictures.emplace_back(FacePixmap(face, ratio), QSize(63, 69));
            for (const MarkKind mark : {MarkKind::Cross, MarkKind::Tick})
                pictures.emplace_back(MarkPixmap(mark, ratio), QSize(40, 40));
            for (const auto& [pixmap, size] : pictures) {
                QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
                const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
                const int w = image.width() - 1;
                const int h = image.height() - 1;
                QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
                QCOMPARE(image.pixelColor(w, h).alpha(), 0);
                QVERIFY(image.pixelColor(w / 2, h / 2).alpha() > 0);
            }
        }
    }

    // The four faces and the two marks are six different pictures.
    void PicturesDiffer() {
        std::vector<QImage> images;
        for (const FaceKind face : {FaceKind::Neutral, FaceKind::Happy, FaceKind::Frowning, FaceKind::Sad})
            images.push_back(FacePixmap(face, 1.0).toImage());
        for (std::size_t a = 0; a < images.size(); ++a)
            for (std::size_t b = a + 1; b < images.size(); ++b) QVERIFY(images[a] != images[b]);
        QVERIFY(MarkPixmap(MarkKind::Cross, 1.0).toImage() != MarkPixmap(MarkKind::Tick, 1.0).toImage());
        // Red cross, green tick.
        const QColor cross = MarkPixmap(MarkKind::Cross, 1.0).toImage().pixelColor(20, 20);
        QVERIFY(cross.red() > 180 && cross.green() < 80);
    }
};

} // namespace quarvel

QTEST_MAIN(quarvel::FacesTest)
#include "FacesTest.moc"
