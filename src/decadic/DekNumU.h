#pragma once
// Tasks between place-value notation and the numeral ("3T 4H 5E" <-> 3405).

#include "core/Random.h"
#include "decadic/DecadicScheme.h"
#include "decadic/DekTaskSheet.h"

namespace quarvel {

TDekTaskRecord GenerateDekNum1(RandomSource& rng);
TDekTaskRecord GenerateDekNum2(RandomSource& rng);
TDekTaskRecord GenerateDekNum3(RandomSource& rng);
TDekTaskRecord GenerateDekNum4(RandomSource& rng);
TDekTaskRecord GenerateDekNum5(RandomSource& rng);

// The numbers of `level` (1..5) for `direction` 1 (notation given) or 2
// (numeral given).
NumberTable DekNumTable(int level, int direction);
const DirectionLayout& DekNumLayout(int level);

} // namespace quarvel
