#pragma once
// The draws of a printed sheet. A sheet must come out the same on every
// machine for the same number, so the draw from the engine is our own: the
// 64-bit Mersenne Twister's output is fixed by the C++ standard, while
// std::uniform_int_distribution differs between standard libraries.

#include "core/Random.h"

#include <cstdint>
#include <random>
#include <string>

namespace quarvel {

class PortableRandom final : public RandomSource {
  public:
    explicit PortableRandom(std::uint64_t seed) : engine_(seed) {}
    int Random(int n) override;

  private:
    std::mt19937_64 engine_;
};

// The seed of sheet `number` (1, 2, ...) of the series `seed`: each sheet can
// be made again on its own from what is printed on it.
std::uint64_t SheetSeed(std::uint64_t seed, int number);

// "1234-3": the series and the sheet, as printed on the sheet.
std::string SheetId(std::uint64_t seed, int number);

// A fresh series number of four to six digits, short enough to type again.
std::uint64_t FreshSeed();

} // namespace quarvel
