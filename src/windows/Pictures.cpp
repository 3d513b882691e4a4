#include "windows/Pictures.h"

#include <QImageReader>

#include <cmath>

namespace quarvel {

QPixmap LoadPicture(const QString& name, qreal scale, qreal devicePixelRatio) {
    if (!(devicePixelRatio > 0.0)) devicePixelRatio = 1.0;
    const qreal density = scale * devicePixelRatio;
    QImageReader reader;
    qreal drawnAt = 1.0;
    if (density > 1.0) {
        reader.setFileName(QStringLiteral(":/pictures/%1@2x.jpg").arg(name));
        drawnAt = 2.0;
    }
    if (!reader.canRead()) {
        reader.setFileName(QStringLiteral(":/pictures/%1.jpg").arg(name));
        drawnAt = 1.0;
    }
    const QSize drawn = reader.size();
    const QSize pixels(static_cast<int>(std::lround(drawn.width() / drawnAt * density)),
                       static_cast<int>(std::lround(drawn.height() / drawnAt * density)));
    // Decoded straight to the size it is shown at: no full-size copy of a
    // large picture is held on the way.
    reader.setQuality(100); // smooth scaling
    if (pixels != drawn) reader.setScaledSize(pixels);
    QImage image = reader.read();
    if (image.isNull()) return {};
    if (image.size() != pixels) {
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap picture = QPixmap::fromImage(std::move(image));
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace quarvel
