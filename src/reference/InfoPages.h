#pragma once
// The five information pages as data: per page its window title and its lines
// (position, text with "#" highlight markup and "^" raised characters, normal
// and highlight colour), and the nineteen pictures with their places and the
// page each belongs to.

#include "core/Rgb.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

inline constexpr int InfoClientWidth = 1016;
inline constexpr int InfoClientHeight = 722;
inline constexpr int InfoTextSize = 12; // bold Arial, every line
inline constexpr int InfoPageCount = 5;

struct InfoPicture {
    int Number = 0; // img<Number>, resource :/pictures/img<Number>.jpg
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Page = 0;
    std::string_view Subject; // what it shows, as its name for screen readers
};

struct InfoLine {
    int Y = 0;
    int X = 10;
    std::string Text; // UTF-8
    Rgb Normal = Black;
    Rgb Highlight = Red;
};

struct InfoPage {
    std::string Title;
    std::vector<InfoLine> Lines;
};

// img1 .. img19, in that order.
std::span<const InfoPicture> InfoPictures();

// Pages 1..5; nullptr for any other number (page 0 draws nothing).
const InfoPage* InfoPageFor(int page);

// A page line as a screen reader reads it, at the place of its first part.
struct SpokenLine {
    std::string Text;
    int X = 0;
    int Y = 0;
};

// The page's lines without markup, for reading line by line and word by word:
// the parts of one table row joined ("1 Elle = 1,143 m"), a word hyphenated at
// a line end made whole on its first line ("aneinander-" + "gelegten"), and a
// raised mass number written out ("(^8^6Kr)" -> "(Krypton-86)").
std::vector<SpokenLine> SpokenPage(const InfoPage& page);

} // namespace quarvel
