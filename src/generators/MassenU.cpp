#include "generators/MassenU.h"

#include "generators/BandNotation.h"
#include "generators/LaengenTables.h"

#include <array>

namespace quarvel {
namespace {

using enum Pattern;
using notation::Factor;

// Mass levels 1 to 5 draw their numbers exactly like the length level of the
// same number, from the tables for the same direction and factor. Only level 2
// gives "mg" -> "dg" a division table of its own.
constexpr std::array<PairBand, 9> MassPairs(const LevelTables& t, PatternTable mgToDg) {
    // clang-format off
    return {{
        {  1,  10, "t",  "kg",  Factor(1'000), t.M1000, t.D1000},
        { 11,  20, "kg", "dag", Factor(100),   t.M100,  t.D100},
        { 21,  30, "kg", "g",   Factor(1'000), t.M1000, t.D1000},
        { 31,  40, "g",  "dg",  Factor(10),    t.M10,   t.D10},
        { 41,  52, "g",  "cg",  Factor(100),   t.M100,  t.D100},
        { 53,  65, "g",  "mg",  Factor(1'000), t.M1000, t.D1000},
        { 66,  78, "dg", "cg",  Factor(10),    t.M10,   t.D10},
        { 79,  90, "dg", "mg",  Factor(100),   t.M100,  mgToDg},
        { 91, 100, "cg", "mg",  Factor(10),    t.M10,   t.D10},
    }};
    // clang-format on
}

// clang-format off
// GenerateMasse2, direction 2, "mg" -> "dg"
constexpr PatternBand MgToDg2[] = {
    {  1,  16, RandDigitE2},
    { 17,  33, RandTwoDigitE1},
    { 34,  50, RandThreeDigit},
    { 51,  66, RandDigitE3},
    { 67,  83, RandTwoDigitE2},
    { 84, 100, RandFourDigit},
};

// GenerateMasse6: only "t", "kg", "dag" and "g", with the tables of level 1.
constexpr PairBand kPairs6[] = {
    {  1,  33, "t",  "kg",  Factor(1'000), laenge1::Tables.M1000, laenge1::Tables.D1000},
    { 34,  66, "kg", "dag", Factor(100),   laenge1::Tables.M100,  laenge1::Tables.D100},
    { 67, 100, "kg", "g",   Factor(1'000), laenge1::Tables.M1000, laenge1::Tables.D1000},
};
// clang-format on

constexpr auto kPairs1 = MassPairs(laenge1::Tables, laenge1::Tables.D100);
constexpr auto kPairs2 = MassPairs(laenge2::Tables, MgToDg2);
constexpr auto kPairs3 = MassPairs(laenge3::Tables, laenge3::Tables.D100);
constexpr auto kPairs4 = MassPairs(laenge4::Tables, laenge4::Tables.D100);
constexpr auto kPairs5 = MassPairs(laenge5::Tables, laenge5::Tables.D100);

// Mass answers are neither trimmed nor rounded through their text.
constexpr std::array<GeneratorTable, 6> kTables{{
    {"GenerateMasse1", kPairs1},
    {"GenerateMasse2", kPairs2},
    {"GenerateMasse3", kPairs3},
    {"GenerateMasse4", kPairs4},
    {"GenerateMasse5", kPairs5},
    {"GenerateMasse6", kPairs6},
}};

} // namespace

std::span<const GeneratorTable> MasseTables() {
    return kTables;
}

} // namespace quarvel
