// The scale a window opens at: the largest number of eighths at which the
// scaled layout and its frame fit the free screen. At the exact fit a scale is
// taken; one pixel less in either direction takes the next smaller one. Every
// expected size is worked out by hand.
#include "core/WindowFit.h"

#include <gtest/gtest.h>

namespace quarvel {
namespace {

Extent FixedChrome(int) {
    return {10, 60};
}
Extent NoChrome(int) {
    return {0, 0};
}
// A frame that grows with the scale, as a menu bar in a larger font does.
Extent GrowingChrome(int eighths) {
    return {eighths, 5 * eighths};
}

TEST(WindowFitRule, ExactFitAndOnePixelOver) {
    struct Case {
        const char* What;
        Extent Design;
        Extent (*Chrome)(int);
        Extent Available;
        int Most;
        int Eighths;
    };
    const Extent window{1016, 722};
    const Case cases[] = {
        // 1016 x 722 and a frame of 10 x 60.
        {"as drawn, exact", window, FixedChrome, {1026, 782}, 16, 8},
        {"as drawn, a pixel too narrow", window, FixedChrome, {1025, 782}, 16, 7},
        {"as drawn, a pixel too low", window, FixedChrome, {1026, 781}, 16, 7},
        {"1.5, exact", window, FixedChrome, {1534, 1143}, 16, 12},
        {"1.5, a pixel too narrow", window, FixedChrome, {1533, 1143}, 16, 11},
        {"1.5, a pixel too low", window, FixedChrome, {1534, 1142}, 16, 11},
        {"2, exact", window, FixedChrome, {2042, 1504}, 16, 16},
        {"2, a pixel too narrow", window, FixedChrome, {2041, 1504}, 16, 15},
        {"2, a pixel too low", window, FixedChrome, {2042, 1503}, 16, 15},
        {"never beyond the most", window, FixedChrome, {4000, 3000}, 11, 11},
        {"nothing fits", window, FixedChrome, {200, 150}, 16, 1},
        // 1013 x 723 at 1.5 is 1519.5 x 1084.5: halves are rounded up.
        {"halves, exact", {1013, 723}, NoChrome, {1520, 1085}, 16, 12},
        {"halves, a pixel too narrow", {1013, 723}, NoChrome, {1519, 1085}, 16, 11},
        {"halves, a pixel too low", {1013, 723}, NoChrome, {1520, 1084}, 16, 11},
        // The frame is the one at the scale tried: 12 x 60 at 1.5.
        {"growing frame, exact", window, GrowingChrome, {1536, 1143}, 16, 12},
        {"growing frame, a pixel too narrow", window, GrowingChrome, {1535, 1143}, 16, 11},
        {"growing frame, a pixel too low", window, GrowingChrome, {1536, 1142}, 16, 11},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitEighths(c.Design, c.Available, c.Most, c.Chrome), c.Eighths) << c.What;
}

} // namespace
} // namespace quarvel
