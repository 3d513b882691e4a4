#include "windows/Pictures.h"

#include <cmath>

namespace quarvel {

QPixmap LoadPicture(const QString& name, qreal scale, qreal devicePixelRatio) {
    if (!(devicePixelRatio > 0.0)) devicePixelRatio = 1.0;
    const qreal density = scale * devicePixelRatio;
    QPixmap picture;
    qreal drawnAt = 1.0;
    if (density > 1.0) {
        picture = QPixmap(QStringLiteral(":/pictures/%1@2x.jpg").arg(name));
        drawnAt = 2.0;
    }
    if (picture.isNull()) {
        picture = QPixmap(QStringLiteral(":/pictures/%1.jpg").arg(name));
        drawnAt = 1.0;
    }
    if (picture.isNull()) return picture;
    const QSize pixels(static_cast<int>(std::lround(picture.width() / drawnAt * density)),
                       static_cast<int>(std::lround(picture.height() / drawnAt * density)));
    if (pixels != picture.size()) {
        picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace quarvel
