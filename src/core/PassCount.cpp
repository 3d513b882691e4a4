#include "core/PassCount.h"

#include <charconv>
#include <cstdint>

namespace quarvel {

namespace {
// Reads a plain digit string into a 32-bit integer; nullopt-like -1 when it is
// not one (too long, empty or with other characters).
std::int64_t ReadWhole(std::string_view text) {
    std::int32_t value = 0;
    const auto* first = text.data();
    const auto* last = text.data() + text.size();
    if (text.empty()) return -1;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
    }
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) return -1; // beyond 32 bits counts as too large
    return value;
}
} // namespace

bool PassCountTextAdmitted(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

PassCountCheck CheckPassCount(std::string_view text) {
    if (text.empty()) return {"3", false, true};
    const std::int64_t value = ReadWhole(text);
    if (value < kMinPasses || value > kMaxPasses) return {"3", true, true};
    return {std::string(text), false, false};
}

int PassCountValue(std::string_view text) {
    const std::int64_t value = ReadWhole(text);
    return (value < kMinPasses || value > kMaxPasses) ? kMinPasses : static_cast<int>(value);
}

} // namespace quarvel
