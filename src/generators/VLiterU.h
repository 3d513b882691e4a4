#pragma once
// The five levels of the litre-volume (hl .. ml) task generators. Each level is a
// table-driven GeneratorTable run by RunGenerator.

#include "core/AppState.h"
#include "generators/Scheme.h"

#include <span>

namespace quarvel {

void GenerateLiter1(AppState& state, int index);
void GenerateLiter2(AppState& state, int index);
void GenerateLiter3(AppState& state, int index);
void GenerateLiter4(AppState& state, int index);
void GenerateLiter5(AppState& state, int index);

// The generator tables of levels 1..5, in level order.
std::span<const GeneratorTable> LiterTables();

} // namespace quarvel
