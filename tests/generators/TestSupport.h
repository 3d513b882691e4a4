#pragma once
// Shared by the generator tests: scripted draw sources and the decimals of a text.

#include "core/Random.h"

#include <string_view>
#include <vector>

namespace quarvel::testing {

// Always the smallest (0) or the largest (n-1) draw.
struct ExtremeRandom final : RandomSource {
    explicit ExtremeRandom(bool largest) : Largest(largest) {}
    int Random(int n) override { return Largest ? n - 1 : 0; }
    bool Largest;
};

inline int DecimalsOf(std::string_view text) {
    const std::size_t comma = text.find(',');
    return comma == std::string_view::npos ? 0 : static_cast<int>(text.size() - comma - 1);
}

} // namespace quarvel::testing
