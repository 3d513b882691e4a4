#pragma once
// The five levels of the length (km .. mm) task generators. Each level is a
// table-driven GeneratorTable run by RunGenerator.

#include "generators/Scheme.h"

#include <span>

namespace quarvel {

// The tables of levels 1..5, in level order.
std::span<const GeneratorTable> LaengeTables();

inline constexpr GeneratorFn GenerateLaenge1 = RunLevel<LaengeTables, 1>;
inline constexpr GeneratorFn GenerateLaenge2 = RunLevel<LaengeTables, 2>;
inline constexpr GeneratorFn GenerateLaenge3 = RunLevel<LaengeTables, 3>;
inline constexpr GeneratorFn GenerateLaenge4 = RunLevel<LaengeTables, 4>;
inline constexpr GeneratorFn GenerateLaenge5 = RunLevel<LaengeTables, 5>;

} // namespace quarvel
