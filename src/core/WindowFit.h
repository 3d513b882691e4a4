#pragma once
// How large a window opens: its layout, drawn for a 1024 x 768 screen, scales
// as a whole in steps of one eighth, up to twice its size, to the largest
// scale at which the window with its frame fits the free part of the screen.

#include <functional>

namespace quarvel {

// A width and a height in logical pixels.
struct Extent {
    int Width = 0;
    int Height = 0;
};

inline constexpr int kDesignEighths = 8; // scale 1: the layouts as drawn
inline constexpr int kMostEighths = 16;  // scale 2

// A coordinate or length of the drawn layout at `eighths`/8, rounded to the
// nearest pixel (halves away from zero). Scaling both edges of a box, not its
// size, keeps boxes that touch touching.
int ScaledLength(int length, int eighths);

// The largest scale in eighths, at most `most`, at which a window fits
// `available`. Its scalable part measures `design` at scale 1; `chromeAt` tells
// what the frame, title bar and menu bar add at a scale (a menu bar may need a
// second row in a narrow window). 1 when not even one eighth fits.
int FitEighths(Extent design, Extent available, int most,
               const std::function<Extent(int eighths)>& chromeAt);

} // namespace quarvel
