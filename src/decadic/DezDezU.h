#pragma once
// Tasks from one decimal unit to another ("34 z" in "h") and, from level 3 on,
// from decimal notation below 1 to a count of one unit.

#include "core/Random.h"
#include "decadic/DecadicScheme.h"
#include "decadic/DekTaskSheet.h"

namespace quarvel {

TDekTaskRecord GenerateDezDez1(RandomSource& rng);
TDekTaskRecord GenerateDezDez2(RandomSource& rng);
TDekTaskRecord GenerateDezDez3(RandomSource& rng);
TDekTaskRecord GenerateDezDez4(RandomSource& rng);
TDekTaskRecord GenerateDezDez5(RandomSource& rng);

const UnitLevel& DezDezLevel(int level);
// Kind 3: the number below 1 with `decimals` (1..7) decimals, RandDec0p1 .. RandDec0p7.
Pattern DecimalFractionPattern(int decimals);

} // namespace quarvel
