#pragma once
// Tasks between decimal place-value notation and the decimal numeral
// ("3E 4z 5h" <-> 3,45).

#include "core/Random.h"
#include "decadic/DecadicScheme.h"
#include "decadic/DekTaskSheet.h"

namespace quarvel {

TDekTaskRecord GenerateDezNum1(RandomSource& rng);
TDekTaskRecord GenerateDezNum2(RandomSource& rng);
TDekTaskRecord GenerateDezNum3(RandomSource& rng);
TDekTaskRecord GenerateDezNum4(RandomSource& rng);
TDekTaskRecord GenerateDezNum5(RandomSource& rng);

// The numbers of `level` (1..5) for `direction` 1 (notation given) or 2
// (numeral given). A band's decimals are its pattern's.
NumberTable DezNumTable(int level, int direction);
const DirectionLayout& DezNumLayout(int level);

} // namespace quarvel
