#pragma once
// What the drill window's source files share: the client width and each task line's band.

#include <QRect>

namespace quarvel::exercise_detail {

inline constexpr int kClientWidth = 1016;

// The band of the paint box that line `line` draws in.
inline QRect LineBand(int line) {
    return {0, 100 * line, kClientWidth, 100};
}

} // namespace quarvel::exercise_detail
