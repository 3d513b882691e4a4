#pragma once
// The seeds of printed sheets. A sheet must come out the same on every
// machine for the same number: its tasks are drawn by a PortableRandom
// (core/Random.h) seeded from the series and the sheet's number.

#include "core/Random.h"

#include <cstdint>
#include <string>

namespace quarvel {

// The seed of sheet `number` (1, 2, ...) of the series `seed`: each sheet can
// be made again on its own from what is printed on it.
std::uint64_t SheetSeed(std::uint64_t seed, int number);

// "1234-3": the series and the sheet, as printed on the sheet.
std::string SheetId(std::uint64_t seed, int number);

// A fresh series number of four to six digits, short enough to type again.
std::uint64_t FreshSeed();

} // namespace quarvel
