#pragma once
// Tasks from one decadic unit to another ("34 H" in "Z") and, from level 3 on,
// from place-value notation to a count of one unit.

#include "core/Random.h"
#include "decadic/DecadicScheme.h"
#include "decadic/DekTaskSheet.h"

namespace quarvel {

TDekTaskRecord GenerateDekDek1(RandomSource& rng);
TDekTaskRecord GenerateDekDek2(RandomSource& rng);
TDekTaskRecord GenerateDekDek3(RandomSource& rng);
TDekTaskRecord GenerateDekDek4(RandomSource& rng);
TDekTaskRecord GenerateDekDek5(RandomSource& rng);

const UnitLevel& DekDekLevel(int level);
// Kind 1 (bigger unit to smaller): five bands on levels 1 to 3, ten on 4 and 5.
NumberTable Kind1FiveBands();
NumberTable Kind1TenBands();
// Kind 2 (smaller unit to bigger): the numbers for a distance d of 1..6
// places, each a multiple of 10^d. The decimal trainings use them too.
NumberTable DistanceTable(int distance);
// Kind 3: the pattern of `digits` digits (1..9) scaled by 10^exponent
// (1..10-digits), "RandTwoDigitE3" for 2 and 3.
Pattern ScaledPattern(int digits, int exponent);

} // namespace quarvel
