#pragma once
// The mixing dispatchers hand a line to the generator of one kind of unit at
// their own level; which kind is a band table over a draw 1..100.

#include "core/AppState.h"
#include "generators/FlaechenU.h"
#include "generators/Generators.h"
#include "generators/LaengenU.h"
#include "generators/MassenU.h"
#include "generators/VKubikU.h"
#include "generators/VLiterU.h"
#include "generators/VNurGemischtU.h"

#include <array>
#include <span>
#include <string_view>

namespace quarvel {

// One kind of unit: its generators of levels 1..5.
struct UnitKind {
    std::string_view Name;
    std::array<GeneratorFn, 5> Levels;
};

inline constexpr UnitKind kLaenge{
    "Länge", {GenerateLaenge1, GenerateLaenge2, GenerateLaenge3, GenerateLaenge4, GenerateLaenge5}};
inline constexpr UnitKind kMasse{
    "Masse", {GenerateMasse1, GenerateMasse2, GenerateMasse3, GenerateMasse4, GenerateMasse5}};
inline constexpr UnitKind kFlaeche{
    "Fläche",
    {GenerateFlaeche1, GenerateFlaeche2, GenerateFlaeche3, GenerateFlaeche4, GenerateFlaeche5}};
inline constexpr UnitKind kKubik{
    "Kubik", {GenerateKubik1, GenerateKubik2, GenerateKubik3, GenerateKubik4, GenerateKubik5}};
inline constexpr UnitKind kLiter{
    "Liter", {GenerateLiter1, GenerateLiter2, GenerateLiter3, GenerateLiter4, GenerateLiter5}};
inline constexpr UnitKind kRaumGemischt{"Gemischt",
                                        {GenerateRaumGemischt1, GenerateRaumGemischt2,
                                         GenerateRaumGemischt3, GenerateRaumGemischt4,
                                         GenerateRaumGemischt5}};

// PairDraw lo..hi hands the line to Kind.
struct KindBand {
    int Lo;
    int Hi;
    const UnitKind& Kind;
};

// A family of five dispatchers ("MixLM" for MixLM1 .. MixLM5) and its bands.
struct DispatcherFamily {
    std::string_view Name;
    std::span<const KindBand> Bands;
};

// MixLM, MixLF, MixLFM, MixFR, MixAlle.
std::span<const DispatcherFamily> DispatcherFamilies();

// Draws Random(100) + 1 into PairDraw and calls the level's generator of the
// kind whose band holds it. The generator draws PairDraw afresh, so the
// dispatcher's value only chooses the kind.
void DispatchLine(std::span<const KindBand> bands, int level, AppState& state, int index);

} // namespace quarvel
