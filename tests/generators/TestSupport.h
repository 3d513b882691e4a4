#pragma once
// Shared by the generator tests: scripted draw sources and decimal arithmetic
// on texts, written independently of the engine so that it can judge it.

#include "core/AppState.h"
#include "core/Random.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::testing {

// Always the smallest (0) or the largest (n-1) draw.
class ExtremeRandom final : public RandomSource {
  public:
    explicit ExtremeRandom(bool largest) : largest_(largest) {}
    int Random(int n) override { return largest_ ? n - 1 : 0; }

  private:
    bool largest_;
};

// Gives the state a script that continues from `fallback` once used up and
// returns it, so a test can read the calls afterwards.
inline std::shared_ptr<ScriptedRandom> UseScript(AppState& state, std::vector<int> draws,
                                                 RandomSource* fallback = nullptr) {
    auto rng = std::make_shared<ScriptedRandom>(std::move(draws), fallback);
    state.Rng = rng;
    return rng;
}

// "12,500" -> "12,5", "7,0" -> "7", "0,0" -> "0", "007" -> "7".
inline std::string Canonical(std::string_view text) {
    std::string s(text);
    if (s.find(',') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == ',') s.pop_back();
    }
    s.erase(0, std::min(s.find_first_not_of('0'), s.size()));
    if (s.empty() || s.front() == ',') s.insert(s.begin(), '0');
    return s;
}

inline int DecimalsOf(std::string_view text) {
    const std::size_t comma = text.find(',');
    return comma == std::string_view::npos ? 0 : static_cast<int>(text.size() - comma - 1);
}

// The decimal number `text` times 10^k (k may be negative), by moving the comma.
inline std::string ShiftComma(std::string_view text, int k) {
    std::string digits(text);
    std::erase(digits, ',');
    const int decimals = DecimalsOf(text) - k;
    digits.append(static_cast<std::size_t>(std::max(-decimals, 0)), '0');
    const auto fraction = static_cast<std::size_t>(std::max(decimals, 0));
    digits.insert(0, fraction + 1, '0'); // room for "0," in front; Canonical drops the rest
    return Canonical(digits.insert(digits.size() - fraction, ","));
}

} // namespace quarvel::testing
