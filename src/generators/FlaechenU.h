#pragma once
// The five levels of the area (km^2 .. mm^2) task generators. Each level is a
// table-driven GeneratorTable run by RunGenerator.

#include "generators/Scheme.h"

#include <span>

namespace quarvel {

// The tables of levels 1..5, in level order.
std::span<const GeneratorTable> FlaecheTables();

inline constexpr GeneratorFn GenerateFlaeche1 = RunLevel<FlaecheTables, 1>;
inline constexpr GeneratorFn GenerateFlaeche2 = RunLevel<FlaecheTables, 2>;
inline constexpr GeneratorFn GenerateFlaeche3 = RunLevel<FlaecheTables, 3>;
inline constexpr GeneratorFn GenerateFlaeche4 = RunLevel<FlaecheTables, 4>;
inline constexpr GeneratorFn GenerateFlaeche5 = RunLevel<FlaecheTables, 5>;

} // namespace quarvel
