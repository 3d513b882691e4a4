#pragma once
// The program's pictures, decoded from the embedded JPEGs. On a screen that
// scales the windows the picture drawn at twice the size is taken, so it stays
// sharp.

#include <QPixmap>
#include <QString>

namespace quarvel {

// `name` as in the resources: "start", "img7".
QPixmap LoadPicture(const QString& name, qreal devicePixelRatio);

} // namespace quarvel
