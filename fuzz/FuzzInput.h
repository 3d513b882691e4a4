#pragma once
// Parameters taken from the end of the input (so a text file is mostly text), and
// a check that aborts, which libFuzzer and the corpus runner both report.

#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define QUARVEL_FUZZ_CHECK(condition)                                                              \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace quarvel::fuzz {

struct FuzzInput {
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : Rest(reinterpret_cast<const char*>(data), size) {}

    // The last byte, removed from the text; 0 once the input is used up.
    std::uint8_t TakeByte() {
        if (Rest.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(Rest.back());
        Rest.remove_suffix(1);
        return b;
    }
    // Mostly small values around the useful range, sometimes an extreme one.
    int TakeInt() {
        static constexpr std::array<int, 16> kExtremes = {
            INT_MIN, INT_MIN + 1, INT_MAX, INT_MAX - 1, -1'000'000, 1'000'000, 65'536, -65'536,
            1 << 30, -(1 << 30),  100,     1000,        -100,       255,       256,    -256};
        const std::uint8_t b = TakeByte();
        return b >= 0xF0 ? kExtremes[b - 0xF0] : static_cast<int>(b) - 8;
    }
    std::int64_t TakeInt64() {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i)
            v = (v << 8) | TakeByte();
        return static_cast<std::int64_t>(v);
    }

    std::string_view Rest; // what is left of the input
};

} // namespace quarvel::fuzz
