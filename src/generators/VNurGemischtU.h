#pragma once
// The five levels of the mixed cubic and litre volume task generators. Each level is a
// table-driven GeneratorTable run by RunGenerator.

#include "core/AppState.h"
#include "generators/Scheme.h"

#include <span>

namespace quarvel {

void GenerateRaumGemischt1(AppState& state, int index);
void GenerateRaumGemischt2(AppState& state, int index);
void GenerateRaumGemischt3(AppState& state, int index);
void GenerateRaumGemischt4(AppState& state, int index);
void GenerateRaumGemischt5(AppState& state, int index);

// The generator tables of levels 1..5, in level order.
std::span<const GeneratorTable> RaumGemischtTables();

} // namespace quarvel
