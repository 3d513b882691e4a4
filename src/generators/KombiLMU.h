#pragma once
// The dispatchers MixLM1 .. MixLM5 of the combination
// "Längen und Massen": length and mass, half each.

#include "core/AppState.h"
#include "generators/Dispatch.h"

#include <span>

namespace quarvel {

void MixLM1(AppState& state, int index);
void MixLM2(AppState& state, int index);
void MixLM3(AppState& state, int index);
void MixLM4(AppState& state, int index);
void MixLM5(AppState& state, int index);

std::span<const KindBand> MixLMBands();

} // namespace quarvel
