#pragma once
// The mixing dispatchers MixLM1 .. MixAlle5 hand a line to the generator of one
// kind of unit at their own level. Which kind is a band table over a draw
// 1..100, one table per family and the same for all five levels; one function
// runs every table.

#include "generators/FlaechenU.h"
#include "generators/LaengenU.h"
#include "generators/MassenU.h"
#include "generators/Scheme.h"
#include "generators/VKubikU.h"
#include "generators/VLiterU.h"
#include "generators/VNurGemischtU.h"

#include <span>
#include <string_view>

namespace quarvel {

// PairDraw lo..hi hands the line to Kind.
struct KindBand {
    int Lo;
    int Hi;
    KindTables Kind;
};

// clang-format off
// "Längen und Massen": length and mass, half each.
inline constexpr KindBand kMixLM[] = {
    {  1,  50, LaengeTables},
    { 51, 100, MasseTables},
};

// "Längen und Flächen": length and area, half each.
inline constexpr KindBand kMixLF[] = {
    {  1,  50, LaengeTables},
    { 51, 100, FlaecheTables},
};

// "Längen, Flächen und Massen": area takes the middle band, mass the top one.
inline constexpr KindBand kMixLFM[] = {
    {  1,  33, LaengeTables},
    { 34,  66, FlaecheTables},
    { 67, 100, MasseTables},
};

// "Flächen und Raummaße", also the volume level "Gemischt": area and the three
// kinds of volume, a quarter each.
inline constexpr KindBand kMixFR[] = {
    {  1,  25, FlaecheTables},
    { 26,  50, KubikTables},
    { 51,  75, LiterTables},
    { 76, 100, RaumGemischtTables},
};

// "Alle metrischen Einheiten": every kind; here mass comes before area.
inline constexpr KindBand kMixAlle[] = {
    {  1,  16, LaengeTables},
    { 17,  33, MasseTables},
    { 34,  49, FlaecheTables},
    { 50,  66, KubikTables},
    { 67,  82, LiterTables},
    { 83, 100, RaumGemischtTables},
};
// clang-format on

// A family of five dispatchers ("MixLM" for MixLM1 .. MixLM5) and its bands.
struct DispatcherFamily {
    std::string_view Name;
    std::span<const KindBand> Bands;
};

// MixLM, MixLF, MixLFM, MixFR, MixAlle.
std::span<const DispatcherFamily> DispatcherFamilies();

// Draws Random(100) + 1 and runs the level's generator of the kind whose band
// holds it. The generator draws its PairDraw afresh, so the dispatcher's value
// only chooses the kind.
TTaskRecord DispatchLine(std::span<const KindBand> bands, int level, RandomSource& rng);

template <const auto& Bands, int Level> TTaskRecord RunDispatcher(RandomSource& rng) {
    return DispatchLine(Bands, Level, rng);
}

inline constexpr GeneratorFn MixLM1 = RunDispatcher<kMixLM, 1>;
inline constexpr GeneratorFn MixLM2 = RunDispatcher<kMixLM, 2>;
inline constexpr GeneratorFn MixLM3 = RunDispatcher<kMixLM, 3>;
inline constexpr GeneratorFn MixLM4 = RunDispatcher<kMixLM, 4>;
inline constexpr GeneratorFn MixLM5 = RunDispatcher<kMixLM, 5>;
inline constexpr GeneratorFn MixLF1 = RunDispatcher<kMixLF, 1>;
inline constexpr GeneratorFn MixLF2 = RunDispatcher<kMixLF, 2>;
inline constexpr GeneratorFn MixLF3 = RunDispatcher<kMixLF, 3>;
inline constexpr GeneratorFn MixLF4 = RunDispatcher<kMixLF, 4>;
inline constexpr GeneratorFn MixLF5 = RunDispatcher<kMixLF, 5>;
inline constexpr GeneratorFn MixLFM1 = RunDispatcher<kMixLFM, 1>;
inline constexpr GeneratorFn MixLFM2 = RunDispatcher<kMixLFM, 2>;
inline constexpr GeneratorFn MixLFM3 = RunDispatcher<kMixLFM, 3>;
inline constexpr GeneratorFn MixLFM4 = RunDispatcher<kMixLFM, 4>;
inline constexpr GeneratorFn MixLFM5 = RunDispatcher<kMixLFM, 5>;
inline constexpr GeneratorFn MixFR1 = RunDispatcher<kMixFR, 1>;
inline constexpr GeneratorFn MixFR2 = RunDispatcher<kMixFR, 2>;
inline constexpr GeneratorFn MixFR3 = RunDispatcher<kMixFR, 3>;
inline constexpr GeneratorFn MixFR4 = RunDispatcher<kMixFR, 4>;
inline constexpr GeneratorFn MixFR5 = RunDispatcher<kMixFR, 5>;
inline constexpr GeneratorFn MixAlle1 = RunDispatcher<kMixAlle, 1>;
inline constexpr GeneratorFn MixAlle2 = RunDispatcher<kMixAlle, 2>;
inline constexpr GeneratorFn MixAlle3 = RunDispatcher<kMixAlle, 3>;
inline constexpr GeneratorFn MixAlle4 = RunDispatcher<kMixAlle, 4>;
inline constexpr GeneratorFn MixAlle5 = RunDispatcher<kMixAlle, 5>;

} // namespace quarvel
