#pragma once
// The five levels of the area (km^2 .. mm^2) task generators. Each level is a
// table-driven GeneratorTable run by RunGenerator.

#include "core/AppState.h"
#include "generators/Scheme.h"

#include <span>

namespace quarvel {

void GenerateFlaeche1(AppState& state, int index);
void GenerateFlaeche2(AppState& state, int index);
void GenerateFlaeche3(AppState& state, int index);
void GenerateFlaeche4(AppState& state, int index);
void GenerateFlaeche5(AppState& state, int index);

// The tables of levels 1..5, in level order.
std::span<const GeneratorTable> FlaecheTables();

} // namespace quarvel
