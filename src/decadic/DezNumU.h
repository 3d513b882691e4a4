#pragma once
// Tasks between decimal place-value notation and the decimal numeral
// ("3E 4z 5h" <-> 3,45).

#include "core/AppState.h"
#include "decadic/DecadicScheme.h"

namespace quarvel {

void GenerateDezNum1(AppState& state, int index);
void GenerateDezNum2(AppState& state, int index);
void GenerateDezNum3(AppState& state, int index);
void GenerateDezNum4(AppState& state, int index);
void GenerateDezNum5(AppState& state, int index);

// The numbers of `level` (1..5) for `direction` 1 (notation given) or 2
// (numeral given). A band's decimals are its pattern's.
NumberTable DezNumTable(int level, int direction);
const DirectionLayout& DezNumLayout(int level);

} // namespace quarvel
