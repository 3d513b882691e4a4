#include "windows/Pictures.h"

namespace quarvel {

QPixmap LoadPicture(const QString& name, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        QPixmap sharp(QStringLiteral(":/pictures/%1@2x.jpg").arg(name));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(QStringLiteral(":/pictures/%1.jpg").arg(name));
}

} // namespace quarvel
