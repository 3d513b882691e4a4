#pragma once
// The row faces and the try marks of the exercise windows, drawn by the
// program itself at the display's pixel density so they stay crisp.

#include <QPixmap>

namespace quarvel {

enum class Face { Neutral, Happy, Frowning, Sad }; // imgB blue, imgG green, imgO orange, imgR red
enum class Mark { Cross, Tick };                   // imgLstZ image 0 red cross, image 1 green tick

// 63 x 69 logical pixels on a transparent background.
QPixmap FacePixmap(Face face, qreal devicePixelRatio);
// 40 x 40 logical pixels on a transparent background.
QPixmap MarkPixmap(Mark mark, qreal devicePixelRatio);

} // namespace quarvel
