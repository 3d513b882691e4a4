#pragma once
// The five levels of the mixed cubic and litre volume task generators. Each level is a
// table-driven GeneratorTable run by RunGenerator.

#include "generators/Scheme.h"

#include <span>

namespace quarvel {

// The generator tables of levels 1..5, in level order.
std::span<const GeneratorTable> RaumGemischtTables();

inline constexpr GeneratorFn GenerateRaumGemischt1 = RunLevel<RaumGemischtTables, 1>;
inline constexpr GeneratorFn GenerateRaumGemischt2 = RunLevel<RaumGemischtTables, 2>;
inline constexpr GeneratorFn GenerateRaumGemischt3 = RunLevel<RaumGemischtTables, 3>;
inline constexpr GeneratorFn GenerateRaumGemischt4 = RunLevel<RaumGemischtTables, 4>;
inline constexpr GeneratorFn GenerateRaumGemischt5 = RunLevel<RaumGemischtTables, 5>;

} // namespace quarvel
