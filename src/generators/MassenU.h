#pragma once
// The mass (t .. mg) task generators: levels 1 to 5 and the easier level 6.
// Each level is a table-driven GeneratorTable run by RunGenerator.

#include "core/AppState.h"
#include "generators/Scheme.h"

#include <span>

namespace quarvel {

void GenerateMasse1(AppState& state, int index);
void GenerateMasse2(AppState& state, int index);
void GenerateMasse3(AppState& state, int index);
void GenerateMasse4(AppState& state, int index);
void GenerateMasse5(AppState& state, int index);
void GenerateMasse6(AppState& state, int index);

// The tables of levels 1..6, in level order.
std::span<const GeneratorTable> MasseTables();

} // namespace quarvel
