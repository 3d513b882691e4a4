#pragma once
// The dispatchers MixAlle1 .. MixAlle5 of the combination
// "Alle metrischen Einheiten": every kind; here mass comes before area.

#include "core/AppState.h"
#include "generators/Dispatch.h"

#include <span>

namespace quarvel {

void MixAlle1(AppState& state, int index);
void MixAlle2(AppState& state, int index);
void MixAlle3(AppState& state, int index);
void MixAlle4(AppState& state, int index);
void MixAlle5(AppState& state, int index);

std::span<const KindBand> MixAlleBands();

} // namespace quarvel
