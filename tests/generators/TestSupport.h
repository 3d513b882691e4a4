#pragma once
// Shared by the generator tests: scripted draw sources and decimal arithmetic
// on texts, written independently of the engine so that it can judge it.

#include "core/AppState.h"
#include "core/Random.h"

#include <cstdint>
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
    const std::size_t comma = s.find(',');
    const std::size_t intEnd = comma == std::string::npos ? s.size() : comma;
    std::size_t lead = 0;
    while (lead + 1 < intEnd && s[lead] == '0')
        ++lead;
    s.erase(0, lead);
    if (s.empty() || s.front() == ',') s.insert(s.begin(), '0');
    return s;
}

inline int DecimalsOf(std::string_view text) {
    const std::size_t comma = text.find(',');
    return comma == std::string_view::npos ? 0 : static_cast<int>(text.size() - comma - 1);
}

// The decimal number `text` times 10^k (k may be negative), by moving the comma.
inline std::string ShiftComma(std::string_view text, int k) {
    std::string digits;
    int decimals = DecimalsOf(text);
    for (const char c : text) {
        if (c != ',') digits += c;
    }
    decimals -= k;
    if (decimals < 0) {
        digits.append(static_cast<std::size_t>(-decimals), '0');
        decimals = 0;
    }
    if (static_cast<int>(digits.size()) <= decimals) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    const std::size_t point = digits.size() - static_cast<std::size_t>(decimals);
    return Canonical(decimals == 0 ? digits : digits.substr(0, point) + "," + digits.substr(point));
}

// The draws that make a base pattern return `base` ("40,3" of RandTensTenths is
// base 43): up to seven digits draw the part above the units, then the units.
inline std::vector<int> BaseDraws(std::int64_t base) {
    const auto n = std::to_string(base).size();
    const int units = static_cast<int>(base % 10) - 1;
    if (n == 1) return {units};
    if (n > 7) {
        std::vector<int> draws = BaseDraws(base / 10);
        draws.push_back(units);
        return draws;
    }
    std::int64_t lowest = n == 2 ? 1 : 10;
    for (std::size_t i = 3; i < n; ++i)
        lowest *= 10;
    return {static_cast<int>(base / 10 - lowest), units};
}

// Parses a decimal-comma text for comparisons with the double fields.
inline double ValueOf(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c == ',') c = '.';
    }
    return std::stod(s);
}

} // namespace quarvel::testing
