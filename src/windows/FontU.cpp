#include "windows/FontU.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace quarvel {

namespace {

enum class Mode { Normal, Raised, Lowered, Symbol };

// Points on a 96-dpi screen to pixels, rounded to nearest.
int PixelSize(int size) {
    return std::max(1, (size * 4 + 1) / 3);
}

void SetFamily(QFont& font) {
    // Arial where it is installed; Liberation Sans has the same metrics.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
}

QFont WithSize(QFont font, int size) {
    font.setPixelSize(PixelSize(size));
    return font;
}

// The symbol-set letters that have a picture; anything else in symbol mode
// only takes room.
QChar SymbolGlyph(QChar c) {
    switch (c.unicode()) {
    case u'a':
    case u'α':
        return u'α';
    case u'b':
    case u'β':
        return u'β';
    case u'g':
    case u'γ':
        return u'γ';
    case 0x00B9:
    case u'≠':
        return u'≠';
    default:
        return QChar();
    }
}

// Draws one character with its top at `top` in the painter's current font and
// returns its advance.
int DrawGlyph(QPainter& canvas, int x, int top, QChar c) {
    const QFontMetrics metrics = canvas.fontMetrics();
    const QString glyph(c);
    canvas.drawText(QPoint(x, top + metrics.ascent()), glyph);
    return metrics.horizontalAdvance(glyph);
}

int GlyphWidth(const QPainter& canvas, QChar c) {
    return canvas.fontMetrics().horizontalAdvance(QString(c));
}

// Raised and lowered characters, shared by task and information text.
int DrawSmall(QPainter& canvas, int x, int y, QChar c, const QFont& font, int size, Mode mode) {
    const int small = SmallSize(size);
    canvas.setFont(WithSize(font, small));
    const int top = mode == Mode::Raised ? y - small / 2 : y + small;
    const int advance = DrawGlyph(canvas, x, top, c);
    canvas.setFont(font);
    return advance;
}

// Walks marked-up text: "^" and "!" raise or lower the next character; "#"
// is passed to `onHash`, which returns the mode for the next character. Every
// other character goes to `onGlyph` with its mode, after which the mode is
// normal again.
template <typename OnHash, typename OnGlyph>
void WalkMarkup(const QString& text, OnHash onHash, OnGlyph onGlyph) {
    Mode mode = Mode::Normal;
    for (const QChar c : text) {
        if (c == u'!') {
            mode = Mode::Lowered;
        } else if (c == u'^') {
            mode = Mode::Raised;
        } else if (c == u'#') {
            mode = onHash(mode);
        } else {
            onGlyph(c, mode);
            mode = Mode::Normal;
        }
    }
}

} // namespace

int SmallSize(int size) {
    const int quarters = size * 3;
    const int whole = quarters / 4;
    const int rest = quarters % 4;
    if (rest > 2 || (rest == 2 && whole % 2 != 0)) return whole + 1;
    return whole;
}

QFont TaskFont(int size) {
    QFont font;
    SetFamily(font);
    font.setPixelSize(PixelSize(size));
    font.setBold(true);
    return font;
}

void DrawTaskText(QPainter& canvas, int x, int y, const QColor& colour, const QString& text,
                  int size) {
    const QPen oldPen = canvas.pen();
    canvas.setPen(colour);
    const QFont font = TaskFont(size);
    canvas.setFont(font);
    int offset = 0;
    WalkMarkup(
        text, [](Mode) { return Mode::Symbol; },
        [&](QChar c, Mode mode) {
            if (mode == Mode::Normal) {
                offset += DrawGlyph(canvas, x + offset, y, c);
            } else if (mode != Mode::Symbol) {
                offset += DrawSmall(canvas, x + offset, y, c, font, size, mode);
            } else if (const QChar glyph = SymbolGlyph(c); glyph.isNull()) {
                offset += GlyphWidth(canvas, c);
            } else {
                canvas.setFont(WithSize(font, size + 2));
                offset += DrawGlyph(canvas, x + offset, y - 3, glyph);
                canvas.setFont(font);
            }
        });
    canvas.setPen(oldPen);
}

int MeasureTaskText(QPainter& canvas, const QString& text, int size) {
    const QFont font = TaskFont(size);
    const QFont smallFont = TaskFont(SmallSize(size));
    canvas.setFont(font);
    int width = 0;
    WalkMarkup(
        text,
        [&width](Mode) {
            width += 3;
            return Mode::Normal;
        },
        [&](QChar c, Mode mode) {
            if (mode == Mode::Normal) {
                width += GlyphWidth(canvas, c);
                return;
            }
            canvas.setFont(smallFont);
            width += GlyphWidth(canvas, c);
            canvas.setFont(font);
        });
    return width;
}

int MeasureTaskText(const QString& text, int size) {
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&scratch);
    return MeasureTaskText(canvas, text, size);
}

QString ElideTaskText(QPainter& canvas, const QString& text, int size, int width) {
    if (MeasureTaskText(canvas, text, size) <= width) return text;
    const QString ellipsis(QChar(0x2026));
    QString kept = text;
    while (!kept.isEmpty()) {
        kept.chop(1);
        // A markup character at the end would act on the ellipsis.
        while (kept.endsWith(u'^') || kept.endsWith(u'!') || kept.endsWith(u'#'))
            kept.chop(1);
        if (MeasureTaskText(canvas, kept + ellipsis, size) <= width) return kept + ellipsis;
    }
    return {};
}

void DrawInfoText(QPainter& canvas, int x, int y, const QColor& normal, const QColor& highlight,
                  int size, const QString& text, bool bold) {
    const QPen oldPen = canvas.pen();
    QFont font = canvas.font();
    SetFamily(font);
    font.setPixelSize(PixelSize(size));
    font.setBold(bold);
    canvas.setFont(font);
    canvas.setPen(normal);
    bool highlighted = false;
    int offset = 0;
    WalkMarkup(
        text,
        [&](Mode mode) {
            highlighted = !highlighted;
            canvas.setPen(highlighted ? highlight : normal);
            return mode;
        },
        [&](QChar c, Mode mode) {
            offset += mode == Mode::Normal ? DrawGlyph(canvas, x + offset, y, c)
                                           : DrawSmall(canvas, x + offset, y, c, font, size, mode);
        });
    canvas.setPen(oldPen);
}

} // namespace quarvel
