#pragma once
// The dispatchers MixFR1 .. MixFR5 of the combination
// "Flächen und Raummaße", also the volume level "Gemischt": area and the three
// kinds of volume, a quarter each.

#include "core/AppState.h"
#include "generators/Dispatch.h"

#include <span>

namespace quarvel {

void MixFR1(AppState& state, int index);
void MixFR2(AppState& state, int index);
void MixFR3(AppState& state, int index);
void MixFR4(AppState& state, int index);
void MixFR5(AppState& state, int index);

std::span<const KindBand> MixFRBands();

} // namespace quarvel
