#include "core/WindowFit.h"

#include <cmath>

namespace quarvel {

int ScaledLength(int length, int eighths) {
    return static_cast<int>(std::lround(length * eighths / 8.0));
}

int FitEighths(Extent design, Extent available, int most,
               const std::function<Extent(int eighths)>& chromeAt) {
    for (int eighths = most; eighths > 1; --eighths) {
        const Extent chrome = chromeAt(eighths);
        if (ScaledLength(design.Width, eighths) + chrome.Width <= available.Width &&
            ScaledLength(design.Height, eighths) + chrome.Height <= available.Height) {
            return eighths;
        }
    }
    return 1;
}

} // namespace quarvel
