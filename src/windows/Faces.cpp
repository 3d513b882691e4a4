#include "windows/Faces.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>

#include <functional>

namespace quarvel {

namespace {

constexpr QSize kFaceSize(63, 69);
constexpr QSize kMarkSize(40, 40);
constexpr QPointF kCentre(31.5, 35.0);
constexpr qreal kRadius = 28.5;

// Eyes, brows and mouth share one ink so every face reads the same way.
const QColor kInk(45, 35, 55);

struct FaceColours {
    QColor Fill;
    QColor Rim;
};

FaceColours ColoursOf(FaceKind face) {
    switch (face) {
    case FaceKind::Neutral:
        return {QColor(80, 145, 240), QColor(30, 80, 170)};
    case FaceKind::Happy:
        return {QColor(80, 190, 75), QColor(30, 120, 40)};
    case FaceKind::Frowning:
        return {QColor(255, 155, 40), QColor(195, 100, 0)};
    case FaceKind::Sad:
        return {QColor(235, 65, 65), QColor(155, 25, 25)};
    }
    return {};
}

// Draws `paint` in layout coordinates into a transparent pixmap of `size`
// times `scale` logical pixels at the display's pixel ratio; the result is kept
// in Qt's pixmap cache.
QPixmap Drawn(const QString& key, QSize size, qreal scale, qreal ratio,
              const std::function<void(QPainter&)>& paint) {
    if (!(ratio > 0.0)) ratio = 1.0;
    if (!(scale > 0.0)) scale = 1.0;
    const QString cacheKey =
        key + QLatin1Char('@') + QString::number(scale) + QLatin1Char('x') + QString::number(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(cacheKey, &pixmap)) return pixmap;
    pixmap = QPixmap(qRound(size.width() * scale * ratio), qRound(size.height() * scale * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        paint(painter);
    }
    QPixmapCache::insert(cacheKey, pixmap);
    return pixmap;
}

QPen InkPen(qreal width) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawHead(QPainter& p, const FaceColours& colours) {
    // A soft light from the upper left makes the flat disc look like a ball.
    QRadialGradient light(kCentre + QPointF(-9, -11), kRadius * 1.35);
    light.setColorAt(0.0, colours.Fill.lighter(150));
    light.setColorAt(0.55, colours.Fill);
    light.setColorAt(1.0, colours.Fill.darker(115));
    p.setPen(QPen(colours.Rim, 2.0));
    p.setBrush(light);
    p.drawEllipse(kCentre, kRadius, kRadius);
}

void DrawEyes(QPainter& p, qreal top) {
    for (const qreal x : {22.0, 41.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(x, top + 4.5), 3.6, 5.0);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + 1.1, top + 2.8), 1.2, 1.4);
    }
}

// One brow above each eye, from its outer end at outerY to its inner end at innerY.
void DrawBrows(QPainter& p, qreal outerY, qreal innerY) {
    p.setPen(InkPen(2.6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(15.5, outerY), QPointF(26.0, innerY));
    p.drawLine(QPointF(47.5, outerY), QPointF(37.0, innerY));
}

// A mouth from the left to the right corner, bent through `control`.
void DrawMouth(QPainter& p, QPointF left, QPointF control, QPointF right) {
    QPainterPath path(left);
    path.quadTo(control, right);
    p.setPen(InkPen(3.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// A wide open smile: a deep lower lip under a gently curved upper one.
void DrawSmile(QPainter& p) {
    QPainterPath mouth(QPointF(17.5, 42.0));
    mouth.quadTo(QPointF(31.5, 47.0), QPointF(45.5, 42.0));
    mouth.quadTo(QPointF(31.5, 65.0), QPointF(17.5, 42.0));
    p.setPen(InkPen(2.4));
    p.setBrush(kInk);
    p.drawPath(mouth);
    // The tongue, clipped to the mouth so it never spills over the lip.
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 110, 120));
    p.drawEllipse(QPointF(31.5, 56.5), 7.5, 4.5);
    p.restore();
}

void DrawTear(QPainter& p) {
    const qreal top = 35.0; // just below the right eye
    QPainterPath drop(QPointF(44.0, top));
    drop.cubicTo(QPointF(46.5, top + 5.0), QPointF(48.0, top + 7.0), QPointF(48.0, top + 9.0));
    drop.arcTo(QRectF(40.0, top + 5.0, 8.0, 8.0), 0.0, -180.0);
    drop.cubicTo(QPointF(40.0, top + 7.0), QPointF(41.5, top + 5.0), QPointF(44.0, top));
    p.setPen(QPen(QColor(40, 110, 190), 1.0));
    p.setBrush(QColor(170, 220, 255));
    p.drawPath(drop);
}

void PaintFace(QPainter& p, FaceKind face) {
    DrawHead(p, ColoursOf(face));
    switch (face) {
    case FaceKind::Neutral:
        DrawEyes(p, 23.0);
        DrawMouth(p, {21.0, 49.0}, {31.5, 49.0}, {42.0, 49.0});
        break;
    case FaceKind::Happy:
        DrawEyes(p, 21.0);
        DrawSmile(p);
        break;
    case FaceKind::Frowning:
        // Lowered inner brows and a small downturn: not pleased, not unhappy.
        DrawBrows(p, 18.0, 20.5);
        DrawEyes(p, 24.0);
        DrawMouth(p, {21.0, 51.5}, {31.5, 44.5}, {42.0, 51.5});
        break;
    case FaceKind::Sad:
        // Raised inner brows, a deep downturn and a tear.
        DrawBrows(p, 21.0, 16.5);
        DrawEyes(p, 24.0);
        DrawMouth(p, {18.5, 55.0}, {31.5, 38.0}, {44.5, 55.0});
        DrawTear(p);
        break;
    }
}

void PaintMark(QPainter& p, MarkKind mark) {
    const QColor colour = mark == MarkKind::Cross ? QColor(215, 30, 40) : QColor(25, 155, 55);
    // A pale halo keeps the mark readable on any background colour.
    const QPen halo(QColor(255, 255, 255, 170), 9.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen ink(colour, 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPainterPath path;
    if (mark == MarkKind::Cross) {
        path.moveTo(10.5, 10.5);
        path.lineTo(29.5, 29.5);
        path.moveTo(29.5, 10.5);
        path.lineTo(10.5, 29.5);
    } else {
        path.moveTo(8.5, 21.0);
        path.lineTo(16.5, 29.5);
        path.lineTo(32.0, 10.0);
    }
    p.setBrush(Qt::NoBrush);
    for (const QPen& pen : {halo, ink}) {
        p.setPen(pen);
        p.drawPath(path);
    }
}

} // namespace

QPixmap FacePixmap(FaceKind face, qreal scale, qreal devicePixelRatio) {
    return Drawn(QStringLiteral("quarvel-face-%1").arg(static_cast<int>(face)), kFaceSize, scale,
                 devicePixelRatio, [face](QPainter& p) { PaintFace(p, face); });
}

QPixmap MarkPixmap(MarkKind mark, qreal scale, qreal devicePixelRatio) {
    if (mark == MarkKind::Empty) return {};
    return Drawn(QStringLiteral("quarvel-mark-%1").arg(static_cast<int>(mark)), kMarkSize, scale,
                 devicePixelRatio, [mark](QPainter& p) { PaintMark(p, mark); });
}

} // namespace quarvel
