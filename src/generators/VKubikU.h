#pragma once
// The five levels of the cubic-volume (m^3 .. mm^3) task generators. Each level is a
// table-driven GeneratorTable run by RunGenerator.

#include "generators/Scheme.h"

#include <span>

namespace quarvel {

// The generator tables of levels 1..5, in level order.
std::span<const GeneratorTable> KubikTables();

inline constexpr GeneratorFn GenerateKubik1 = RunLevel<KubikTables, 1>;
inline constexpr GeneratorFn GenerateKubik2 = RunLevel<KubikTables, 2>;
inline constexpr GeneratorFn GenerateKubik3 = RunLevel<KubikTables, 3>;
inline constexpr GeneratorFn GenerateKubik4 = RunLevel<KubikTables, 4>;
inline constexpr GeneratorFn GenerateKubik5 = RunLevel<KubikTables, 5>;

} // namespace quarvel
