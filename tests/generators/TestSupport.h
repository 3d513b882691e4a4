#pragma once
// Shared by the generator tests: scripted draw sources and the decimals of a text.

#include "core/AppState.h"
#include "core/Random.h"

#include <memory>
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

} // namespace quarvel::testing
