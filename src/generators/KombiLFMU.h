#pragma once
// The dispatchers MixLFM1 .. MixLFM5 of the combination
// "Längen, Flächen und Massen": area takes the middle band, mass the top one.

#include "core/AppState.h"
#include "generators/Dispatch.h"

#include <span>

namespace quarvel {

void MixLFM1(AppState& state, int index);
void MixLFM2(AppState& state, int index);
void MixLFM3(AppState& state, int index);
void MixLFM4(AppState& state, int index);
void MixLFM5(AppState& state, int index);

std::span<const KindBand> MixLFMBands();

} // namespace quarvel
