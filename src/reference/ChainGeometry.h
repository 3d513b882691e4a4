#pragma once
// What the conversion chain window draws for each training, as plain data:
// the window's width and title, the labels and the short vertical strokes.
// x values are offsets from the middle of the client area, y values offsets
// from the axis (negative = above). A label is centred on its x unless that
// would hide a mark (ChainLabelLeft); its y is the top of the text.

#include "core/Rgb.h"
#include "core/Selection.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

enum class ChainSide { Above, Below };

struct ChainLabel {
    std::string Text; // UTF-8, with "^" before a raised exponent
    int X = 0;
    int Y = 0;
    Rgb Colour;
    int Size = 12;
    ChainSide Side = ChainSide::Below;
};

// A vertical line from (X, Top) to (X, Bottom).
struct ChainStroke {
    int X = 0;
    int Top = 0;
    int Bottom = 0;
    Rgb Colour;
};

struct ChainLayout {
    int Width = 0;
    std::string Title;
    std::vector<ChainLabel> Labels;
    std::vector<ChainStroke> Ticks;   // black, across the axis
    std::vector<ChainStroke> Strokes; // coloured markers off the axis
};

// The client width and title the window keeps when no training is chosen.
inline constexpr int ChainDefaultWidth = 367;
inline constexpr int ChainClientHeight = 154;
inline constexpr int ChainAxisMargin = 15;
inline constexpr int ChainPenWidth = 2;
inline constexpr Rgb ChainBackground{255, 255, 200};
// The least room between a label's box and a stroke or tick beside it.
inline constexpr int ChainLabelGap = 4;

// The drawing for a kind of unit; nothing for None.
std::optional<ChainLayout> ChainFor(UnitArea area);

// The measure chain (length, mass, area or volume) that names `unit` as
// stored in a task record ("ha", "cm^3", "l"); None for a unit of no chain.
UnitArea MeasureChainOf(std::string_view unit);

// Where a label drawn `width` pixels wide, its box reaching from `top` to
// `bottom` (offsets from the axis, bottom exclusive), starts: centred on its x,
// unless the box there would cover a tick or stroke of the layout drawn with
// ChainPenWidth. Then it moves sideways to the nearest place inside the window
// that keeps ChainLabelGap pixels clear of every mark; where there is none it
// stays centred.
int ChainLabelLeft(const ChainLayout& layout, const ChainLabel& label, int width, int top,
                   int bottom);

// The drawing in lines a screen reader can read one by one: each row of names
// from left to right ("km, m, dm, cm, mm"), then what a coloured label says of
// the names beside it, a factor of its two neighbours ("1 km = 1000 m") or a
// group name of the names between its two markers ("Millionen: HM, ZM, M"), and
// last the names that stand over one another ("1 l = 1 dm³").
std::vector<std::string> SpokenChain(const ChainLayout& layout);

} // namespace quarvel
