#pragma once
// The five levels of the litre-volume (hl .. ml) task generators. Each level is a
// table-driven GeneratorTable run by RunGenerator.

#include "generators/Scheme.h"

#include <span>

namespace quarvel {

// The generator tables of levels 1..5, in level order.
std::span<const GeneratorTable> LiterTables();

inline constexpr GeneratorFn GenerateLiter1 = RunLevel<LiterTables, 1>;
inline constexpr GeneratorFn GenerateLiter2 = RunLevel<LiterTables, 2>;
inline constexpr GeneratorFn GenerateLiter3 = RunLevel<LiterTables, 3>;
inline constexpr GeneratorFn GenerateLiter4 = RunLevel<LiterTables, 4>;
inline constexpr GeneratorFn GenerateLiter5 = RunLevel<LiterTables, 5>;

} // namespace quarvel
