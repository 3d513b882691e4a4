#include "drill/Evaluation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace quarvel {

namespace {

// Rounds numerator / denominator (both >= 0, denominator > 0) to a whole
// number; an exact half goes to the even neighbour.
std::int64_t RoundHalfEven(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t quotient = numerator / denominator;
    const std::int64_t twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0)) ++quotient;
    return quotient;
}

std::int32_t ToHalfPoints(float points, std::int32_t tries) {
    if (!std::isfinite(points) || points <= 0.0F) return 0;
    const double half = std::round(static_cast<double>(points) * 2.0);
    const double most = 2.0 * static_cast<double>(tries);
    return static_cast<std::int32_t>(std::min(half, most));
}

std::string Panel(std::int32_t halfPoints, std::int32_t tries) {
    return FormatHalfPoints(halfPoints) + " / " + std::to_string(tries);
}

// part / whole x 100 (0 <= part, 0 < whole) to three decimals, an exact half
// to the even neighbour, written as "d,ddd %".
std::string FormatExactPercent(std::int64_t part, std::int64_t whole) {
    const std::int64_t thousandths = RoundHalfEven(part * 100'000, whole);
    std::string decimals = std::to_string(thousandths % 1000);
    decimals.insert(0, 3 - decimals.size(), '0');
    return std::to_string(thousandths / 1000) + "," + decimals + " %";
}

} // namespace

Evaluation::Evaluation(float totalPoints, std::int32_t totalTries)
    : halfPoints_(0), tries_(std::max<std::int32_t>(totalTries, 0)), percentRight_(0) {
    halfPoints_ = ToHalfPoints(totalPoints, tries_);
    // points / tries x 100 = half points x 100 / (2 x tries), in integers so a
    // share like 32,5 % is an exact tie and goes to 32, not wherever binary
    // floating point happens to land.
    if (tries_ > 0) {
        percentRight_ = static_cast<std::int32_t>(
            RoundHalfEven(std::int64_t{halfPoints_} * 100, std::int64_t{tries_} * 2));
    }
}

std::string Evaluation::PanelRight() const {
    return Panel(halfPoints_, tries_);
}

std::string Evaluation::PanelWrong() const {
    return Panel(2 * tries_ - halfPoints_, tries_);
}

std::string_view Evaluation::Verdict() const {
    return VerdictFor(percentRight_);
}

float Evaluation::ShareRight(int s) const {
    if (!Animated()) return 0.0F;
    const double share = static_cast<double>(halfPoints_) / (2.0 * tries_);
    return static_cast<float>(static_cast<double>(s) / percentRight_ * share);
}

float Evaluation::ShareWrong(int s) const {
    return 1.0F - ShareRight(s);
}

EvaluationFrame Evaluation::Step(int s) const {
    s = std::clamp(s, 0, percentRight_);
    if (s == percentRight_) return Final();
    return {s, 100 - s, FormatPercent(static_cast<double>(ShareRight(s)) * 100.0),
            FormatPercent(static_cast<double>(ShareWrong(s)) * 100.0)};
}

EvaluationFrame Evaluation::Final() const {
    // Written from the exact fraction: from about 170 tries on, the
    // single-precision share would print a wrong last digit, and the final
    // labels are the numbers a pupil may check by hand.
    if (tries_ == 0) return {0, 100, FormatPercent(0.0), FormatPercent(100.0)};
    const std::int64_t whole = std::int64_t{tries_} * 2;
    return {percentRight_, 100 - percentRight_, FormatExactPercent(halfPoints_, whole),
            FormatExactPercent(whole - halfPoints_, whole)};
}

std::string FormatHalfPoints(std::int32_t halfPoints) {
    return std::to_string(halfPoints / 2) + (halfPoints % 2 != 0 ? ",5" : ",0");
}

std::string FormatPercent(double percent) {
    std::array<char, 64> buffer{};
    // to_chars ignores the locale, so the separator is always ours to set.
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), percent,
                                      std::chars_format::fixed, 3);
    std::string text(buffer.data(), result.ptr);
    if (text == "-0.000") text = "0.000";
    std::replace(text.begin(), text.end(), '.', ',');
    return text + " %";
}

std::string_view VerdictFor(std::int32_t percentRight) {
    if (percentRight <= 30) return "Du musst noch sehr viel üben!";
    if (percentRight <= 50) return "Du solltest noch viel üben!";
    if (percentRight <= 65) return "Nicht schlecht, aber du solltest noch etwas üben!";
    if (percentRight <= 75) return "Du bist schon recht gut. Ein wenig Übung wäre aber günstig.";
    if (percentRight <= 90)
        return "Du bist schon sehr gut, aber noch nicht Spitze! Übe noch etwas weiter.";
    if (percentRight <= 99) return "Du bist schon fast perfekt! Du gehörst schon zu den Profis.";
    return "Sehr gut! Du bist ein Einheitenprofi.";
}

} // namespace quarvel
