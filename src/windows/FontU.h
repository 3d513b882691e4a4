#pragma once
// Character-by-character text drawing with a small markup, for task lines, the
// conversion chain and the information pages:
//   "^"  the next character is raised and small
//   "!"  the next character is lowered and small
//   "#"  task text: the next character comes from the symbol set (a, b, g and
//        U+00B9 show as α, β, γ and ≠); information text: toggles between the
//        normal and the highlight colour
// Sizes are points on a 96-dpi screen. Fonts are set by pixel size so that a
// picture looks the same whatever resolution the display reports. y is always
// the top of the text. Each glyph advances by its own width (no kerning), so a
// measured width matches the drawing exactly.
//
// The painter's background mode and brush are left as the caller set them: a
// window that wants the glyph boxes filled sets an opaque background itself.

#include "core/Rgb.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <string_view>

class QPainter;

namespace quarvel {

// The logic's UTF-8 texts and colours as Qt's.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline QColor ToColor(Rgb c) {
    return QColor(c.R, c.G, c.B);
}

// round(size * 0.75), ties to even: 20 -> 15, 12 -> 9, 14 -> 10, 18 -> 14.
int SmallSize(int size);

// Bold "Arial" (or its metric twin Liberation Sans) at `size` points.
QFont TaskFont(int size);

// Draws a task text with its upper left corner at (x, y) in bold at `size`.
// The painter's pen colour is restored afterwards; its font stays the task font.
void DrawTaskText(QPainter& canvas, int x, int y, const QColor& colour, const QString& text,
                  int size);

// The width DrawTaskText needs for `text` ("#" counts 3 pixels, the symbol
// character after it counts as an ordinary one). Leaves TaskFont(size) set.
int MeasureTaskText(QPainter& canvas, const QString& text, int size);

// The same width where no canvas is at hand (placing a widget beside a text):
// measured on a scratch image, whose metrics are those of any screen painter
// since the task fonts are set by pixel size.
int MeasureTaskText(const QString& text, int size);

// `text` shortened at its end to at most `width` pixels as DrawTaskText draws
// it, with "…" where it was cut; a text that fits comes back as it is.
QString ElideTaskText(QPainter& canvas, const QString& text, int size, int width);

// Draws an information line at (x, y). Each "#" flips between `normal` and
// `highlight`; every call starts in `normal`. Only the bold flag of the
// painter's font follows `bold`; italic, underline and the like are kept.
void DrawInfoText(QPainter& canvas, int x, int y, const QColor& normal, const QColor& highlight,
                  int size, const QString& text, bool bold);

} // namespace quarvel
