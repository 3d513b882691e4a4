#pragma once
// Tasks between place-value notation and the numeral ("3T 4H 5E" <-> 3405).

#include "core/AppState.h"
#include "decadic/DecadicScheme.h"

namespace quarvel {

void GenerateDekNum1(AppState& state, int index);
void GenerateDekNum2(AppState& state, int index);
void GenerateDekNum3(AppState& state, int index);
void GenerateDekNum4(AppState& state, int index);
void GenerateDekNum5(AppState& state, int index);

// The numbers of `level` (1..5) for `direction` 1 (notation given) or 2
// (numeral given).
NumberTable DekNumTable(int level, int direction);
const DirectionLayout& DekNumLayout(int level);

} // namespace quarvel
