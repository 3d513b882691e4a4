#pragma once
// Shared by the generator tests: scripted draw sources, the decimals of a text
// and the band check of the draw tables.

#include "core/AppState.h"
#include "core/Random.h"

#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace quarvel::testing {

// Always the smallest (0) or the largest (n-1) draw.
struct ExtremeRandom final : RandomSource {
    explicit ExtremeRandom(bool largest) : Largest(largest) {}
    int Random(int n) override { return Largest ? n - 1 : 0; }
    bool Largest;
};

// Gives the state a script that continues from `fallback` once used up and
// returns it, so a test can read the calls afterwards.
inline std::shared_ptr<ScriptedRandom> UseScript(AppState& state, std::vector<int> draws,
                                                 RandomSource* fallback = nullptr) {
    auto rng = std::make_shared<ScriptedRandom>(std::move(draws), fallback);
    state.Rng = rng;
    return rng;
}

inline int DecimalsOf(std::string_view text) {
    const std::size_t comma = text.find(',');
    return comma == std::string_view::npos ? 0 : static_cast<int>(text.size() - comma - 1);
}

// Bands must follow each other from 1 to 100, without gap or overlap.
template <typename Band> bool CoversOneToHundred(std::span<const Band> bands) {
    int next = 1;
    for (const Band& band : bands)
        next = band.Lo == next && band.Hi >= band.Lo ? band.Hi + 1 : 0; // 0: no band fits
    return next == 101;
}

} // namespace quarvel::testing
