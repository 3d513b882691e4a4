#pragma once
// The five levels of the length (km .. mm) task generators. Each level is a
// table-driven GeneratorTable run by RunGenerator.

#include "core/AppState.h"
#include "generators/Scheme.h"

#include <span>

namespace quarvel {

void GenerateLaenge1(AppState& state, int index);
void GenerateLaenge2(AppState& state, int index);
void GenerateLaenge3(AppState& state, int index);
void GenerateLaenge4(AppState& state, int index);
void GenerateLaenge5(AppState& state, int index);

// The tables of levels 1..5, in level order.
std::span<const GeneratorTable> LaengeTables();

} // namespace quarvel
