#pragma once
// The mass (t .. mg) task generators: levels 1 to 5 and the easier level 6.
// Each level is a table-driven GeneratorTable run by RunGenerator.

#include "generators/Scheme.h"

#include <span>

namespace quarvel {

// The tables of levels 1..6, in level order.
std::span<const GeneratorTable> MasseTables();

inline constexpr GeneratorFn GenerateMasse1 = RunLevel<MasseTables, 1>;
inline constexpr GeneratorFn GenerateMasse2 = RunLevel<MasseTables, 2>;
inline constexpr GeneratorFn GenerateMasse3 = RunLevel<MasseTables, 3>;
inline constexpr GeneratorFn GenerateMasse4 = RunLevel<MasseTables, 4>;
inline constexpr GeneratorFn GenerateMasse5 = RunLevel<MasseTables, 5>;
inline constexpr GeneratorFn GenerateMasse6 = RunLevel<MasseTables, 6>;

} // namespace quarvel
