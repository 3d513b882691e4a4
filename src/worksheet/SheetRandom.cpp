#include "worksheet/SheetRandom.h"

#include <random>

namespace quarvel {

std::uint64_t SheetSeed(std::uint64_t seed, int number) {
    // SplitMix64 of the pair, so neighbouring series and sheets get engines
    // that have nothing in common.
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ULL * static_cast<std::uint64_t>(number);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::string SheetId(std::uint64_t seed, int number) {
    return std::to_string(seed) + "-" + std::to_string(number);
}

std::uint64_t FreshSeed() {
    std::random_device device;
    return 1000 + device() % 999000;
}

} // namespace quarvel
