#pragma once
// The program's pictures, decoded from the embedded JPEGs. A picture is drawn
// at its layout size times the window's scale; where that scale times the
// display's pixel ratio is above 1 the picture drawn at twice the size is
// taken, so it stays sharp.

#include <QPixmap>
#include <QString>

namespace quarvel {

// `name` as in the resources: "start", "img7". The pixmap measures the
// picture's layout size times `scale` in logical pixels.
QPixmap LoadPicture(const QString& name, qreal scale, qreal devicePixelRatio);

} // namespace quarvel
