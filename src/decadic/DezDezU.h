#pragma once
// Tasks from one decimal unit to another ("34 z" in "h") and, from level 3 on,
// from decimal notation below 1 to a count of one unit.

#include "core/AppState.h"
#include "decadic/DecadicScheme.h"

namespace quarvel {

void GenerateDezDez1(AppState& state, int index);
void GenerateDezDez2(AppState& state, int index);
void GenerateDezDez3(AppState& state, int index);
void GenerateDezDez4(AppState& state, int index);
void GenerateDezDez5(AppState& state, int index);

const UnitLevel& DezDezLevel(int level);
// Kind 3: the number below 1 with `decimals` (1..7) decimals, RandDec0p1 .. RandDec0p7.
Pattern DecimalFractionPattern(int decimals);

} // namespace quarvel
