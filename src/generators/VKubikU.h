#pragma once
// The five levels of the cubic-volume (m^3 .. mm^3) task generators. Each level is a
// table-driven GeneratorTable run by RunGenerator.

#include "core/AppState.h"
#include "generators/Scheme.h"

#include <span>

namespace quarvel {

void GenerateKubik1(AppState& state, int index);
void GenerateKubik2(AppState& state, int index);
void GenerateKubik3(AppState& state, int index);
void GenerateKubik4(AppState& state, int index);
void GenerateKubik5(AppState& state, int index);

// The generator tables of levels 1..5, in level order.
std::span<const GeneratorTable> KubikTables();

} // namespace quarvel
