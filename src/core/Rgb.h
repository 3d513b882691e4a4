#pragma once
// A colour as (red, green, blue), for drawing data kept free of the toolkit.

namespace quarvel {

struct Rgb {
    int R = 0;
    int G = 0;
    int B = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb White{255, 255, 255};

} // namespace quarvel
