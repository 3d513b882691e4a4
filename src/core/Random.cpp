#include "core/Random.h"

#include <chrono>

namespace quarvel {

namespace {
int Draw(std::mt19937_64& engine, int n) {
    if (n < 1) throw std::invalid_argument("Random(n) needs n >= 1");
    return std::uniform_int_distribution<int>(0, n - 1)(engine);
}
} // namespace

ClockRandom::ClockRandom() {
    Randomize();
}

int ClockRandom::Random(int n) {
    return Draw(engine_, n);
}

void ClockRandom::Randomize() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint64_t>(now));
}

int SeededRandom::Random(int n) {
    return Draw(engine_, n);
}

int PortableRandom::Random(int n) {
    if (n < 1) throw std::invalid_argument("Random(n) needs n >= 1");
    const auto range = static_cast<std::uint64_t>(n);
    // Values below 2^64 mod n would make the low results likelier; drawing
    // again leaves 2^64 - reject values, a whole multiple of n.
    const std::uint64_t reject = (0 - range) % range;
    std::uint64_t value = engine_();
    while (value < reject)
        value = engine_();
    return static_cast<int>(value % range);
}

ScriptedRandom::ScriptedRandom(std::vector<int> draws, RandomSource* fallback)
    : script_(draws.begin(), draws.end()), fallback_(fallback) {}

int ScriptedRandom::Random(int n) {
    int value = 0;
    if (!script_.empty()) {
        value = script_.front();
        if (value < 0 || value >= n) {
            throw ScriptError("draw " + std::to_string(calls_.size() + 1) + ": value " +
                              std::to_string(value) + " is outside 0.." + std::to_string(n - 1) +
                              " of Random(" + std::to_string(n) + ")");
        }
        script_.pop_front();
    } else if (fallback_ != nullptr) {
        value = fallback_->Random(n);
    } else {
        throw ScriptError("draw " + std::to_string(calls_.size() + 1) +
                          ": script ran out at Random(" + std::to_string(n) + ")");
    }
    calls_.emplace_back(n, value);
    return value;
}

} // namespace quarvel
