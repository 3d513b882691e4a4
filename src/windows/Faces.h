#pragma once
// The row faces and the try marks of the exercise windows, drawn by the
// program itself at the window's scale and the display's pixel density so
// they stay crisp.

#include "drill/Drill.h"

#include <QPixmap>

namespace quarvel {

// 63 x 69 layout pixels times `scale` on a transparent background: imgB blue
// (neutral), imgG green (happy), imgO orange (frowning), imgR red (sad).
QPixmap FacePixmap(FaceKind face, qreal scale, qreal devicePixelRatio);
// 40 x 40 layout pixels times `scale` on a transparent background: the red
// cross or the green tick of imgLstZ; nothing for an empty mark.
QPixmap MarkPixmap(MarkKind mark, qreal scale, qreal devicePixelRatio);

} // namespace quarvel
