#include "generators/LaengenU.h"

#include "generators/BandNotation.h"
#include "generators/LaengenTables.h"

#include <array>

namespace quarvel {
namespace {

using notation::Factor;

// Every length level offers the same seven pairs; only the number shapes
// differ, and those depend on the direction and the factor alone.
constexpr std::array<PairBand, 7> LengthPairs(const LevelTables& t) {
    // clang-format off
    return {{
        {  1,  14, "km", "m",  Factor(1'000), t.M1000, t.D1000},
        { 15,  28, "m",  "dm", Factor(10),    t.M10,   t.D10},
        { 29,  42, "m",  "cm", Factor(100),   t.M100,  t.D100},
        { 43,  56, "m",  "mm", Factor(1'000), t.M1000, t.D1000},
        { 57,  70, "dm", "cm", Factor(10),    t.M10,   t.D10},
        { 71,  84, "dm", "mm", Factor(100),   t.M100,  t.D100},
        { 85, 100, "cm", "mm", Factor(10),    t.M10,   t.D10},
    }};
    // clang-format on
}

constexpr auto kPairs1 = LengthPairs(laenge1::Tables);
constexpr auto kPairs2 = LengthPairs(laenge2::Tables);
constexpr auto kPairs3 = LengthPairs(laenge3::Tables);
constexpr auto kPairs4 = LengthPairs(laenge4::Tables);
constexpr auto kPairs5 = LengthPairs(laenge5::Tables);

// Length answers are neither trimmed nor rounded through their text.
constexpr std::array<GeneratorTable, 5> kTables{{
    {"GenerateLaenge1", kPairs1},
    {"GenerateLaenge2", kPairs2},
    {"GenerateLaenge3", kPairs3},
    {"GenerateLaenge4", kPairs4},
    {"GenerateLaenge5", kPairs5},
}};

} // namespace

std::span<const GeneratorTable> LaengeTables() {
    return kTables;
}

} // namespace quarvel
