#pragma once
// The dispatchers MixLF1 .. MixLF5 of the combination
// "Längen und Flächen": length and area, half each.

#include "core/AppState.h"
#include "generators/Dispatch.h"

#include <span>

namespace quarvel {

void MixLF1(AppState& state, int index);
void MixLF2(AppState& state, int index);
void MixLF3(AppState& state, int index);
void MixLF4(AppState& state, int index);
void MixLF5(AppState& state, int index);

std::span<const KindBand> MixLFBands();

} // namespace quarvel
