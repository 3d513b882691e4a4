#include "generators/FlaechenU.h"

#include "generators/BandNotation.h"
#include "generators/FlaechenTables.h"

#include <array>

namespace quarvel {

// Each area unit is 100 of the next smaller one. Levels 1 and 2 convert only
// between neighbours, level 3 adds two steps (10 000), levels 4 and 5 three
// steps (1 000 000). The pair table of each level names its pattern tables
// (FlaechenTables.h) by the names they have in that level.

using notation::Factor;

// clang-format off
// GenerateFlaeche1
namespace flaeche1 {
constexpr PairBand Pairs[] = {
    {  1,  16, "km^2", "ha",   Factor(100),         M1, D1},
    { 17,  32, "ha",   "a",    Factor(100),         M1, D1},
    { 33,  48, "a",    "m^2",  Factor(100),         M1, D1},
    { 49,  64, "m^2",  "dm^2", Factor(100),         M1, D1},
    { 65,  80, "dm^2", "cm^2", Factor(100),         M1, D1},
    { 81, 100, "cm^2", "mm^2", Factor(100),         M1, D1},
};
} // namespace flaeche1

// GenerateFlaeche2
namespace flaeche2 {
constexpr PairBand Pairs[] = {
    {  1,  16, "km^2", "ha",   Factor(100),         M1, D1},
    { 17,  32, "ha",   "a",    Factor(100),         M1, D1},
    { 33,  48, "a",    "m^2",  Factor(100),         M1, D1},
    { 49,  64, "m^2",  "dm^2", Factor(100),         M1, D1},
    { 65,  80, "dm^2", "cm^2", Factor(100),         M1, D1},
    { 81, 100, "cm^2", "mm^2", Factor(100),         M1, D1},
};
} // namespace flaeche2

// GenerateFlaeche3
namespace flaeche3 {
constexpr PairBand Pairs[] = {
    {  1,   9, "km^2", "ha",   Factor(100),         M1, D1},
    { 10,  18, "km^2", "a",    Factor(10'000),      M2, D2},
    { 19,  27, "ha",   "a",    Factor(100),         M1, D1},
    { 28,  36, "ha",   "m^2",  Factor(10'000),      M2, D2},
    { 37,  45, "a",    "m^2",  Factor(100),         M1, D1},
    { 46,  54, "a",    "dm^2", Factor(10'000),      M2, D2},
    { 55,  63, "m^2",  "dm^2", Factor(100),         M1, D1},
    { 64,  72, "m^2",  "cm^2", Factor(10'000),      M2, D2},
    { 73,  81, "dm^2", "cm^2", Factor(100),         M1, D1},
    { 82,  90, "dm^2", "mm^2", Factor(10'000),      M2, D2},
    { 91, 100, "cm^2", "mm^2", Factor(100),         M1, D1},
};
} // namespace flaeche3

// GenerateFlaeche4
namespace flaeche4 {
constexpr PairBand Pairs[] = {
    {  1,   7, "km^2", "ha",   Factor(100),         M1, D1},
    {  8,  14, "km^2", "a",    Factor(10'000),      M2, D2},
    { 15,  20, "km^2", "m^2",  Factor(1'000'000),   M2, D3},
    { 21,  27, "ha",   "a",    Factor(100),         M1, D1},
    { 28,  34, "ha",   "m^2",  Factor(10'000),      M2, D2},
    { 35,  40, "ha",   "dm^2", Factor(1'000'000),   M2, D3},
    { 41,  47, "a",    "m^2",  Factor(100),         M1, D1},
    { 48,  54, "a",    "dm^2", Factor(10'000),      M3, D2},
    { 55,  60, "a",    "cm^2", Factor(1'000'000),   M4, D3},
    { 61,  67, "m^2",  "dm^2", Factor(100),         M1, D1},
    { 68,  74, "m^2",  "cm^2", Factor(10'000),      M2, D2},
    { 75,  80, "m^2",  "mm^2", Factor(1'000'000),   M2, D3},
    { 81,  86, "dm^2", "cm^2", Factor(100),         M1, D1},
    { 87,  94, "dm^2", "mm^2", Factor(10'000),      M2, D2},
    { 95, 100, "cm^2", "mm^2", Factor(100),         M1, D1},
};
} // namespace flaeche4

// GenerateFlaeche5
namespace flaeche5 {
constexpr PairBand Pairs[] = {
    {  1,   7, "km^2", "ha",   Factor(100),         M1, D1},
    {  8,  14, "km^2", "a",    Factor(10'000),      M2, D2},
    { 15,  20, "km^2", "m^2",  Factor(1'000'000),   M3, D3},
    { 21,  27, "ha",   "a",    Factor(100),         M1, D1},
    { 28,  34, "ha",   "m^2",  Factor(10'000),      M2, D2},
    { 35,  40, "ha",   "dm^2", Factor(1'000'000),   M3, D3},
    { 41,  47, "a",    "m^2",  Factor(100),         M1, D1},
    { 48,  54, "a",    "dm^2", Factor(10'000),      M2, D2},
    { 55,  60, "a",    "cm^2", Factor(1'000'000),   M3, D3},
    { 61,  67, "m^2",  "dm^2", Factor(100),         M1, D1},
    { 68,  74, "m^2",  "cm^2", Factor(10'000),      M2, D2},
    { 75,  80, "m^2",  "mm^2", Factor(1'000'000),   M3, D3},
    { 81,  86, "dm^2", "cm^2", Factor(100),         M1, D1},
    { 87,  94, "dm^2", "mm^2", Factor(10'000),      M2, D2},
    { 95, 100, "cm^2", "mm^2", Factor(100),         M1, D1},
};
} // namespace flaeche5
// clang-format on

namespace {

// From level 2 on the answer text loses its trailing zeros; level 5 has the
// longest answers and so the wider answer field.
constexpr std::array<GeneratorTable, 5> kTables{{
    {"GenerateFlaeche1", flaeche1::Pairs},
    {"GenerateFlaeche2", flaeche2::Pairs, 170, true},
    {"GenerateFlaeche3", flaeche3::Pairs, 170, true},
    {"GenerateFlaeche4", flaeche4::Pairs, 170, true},
    {"GenerateFlaeche5", flaeche5::Pairs, 190, true},
}};

} // namespace

std::span<const GeneratorTable> FlaecheTables() {
    return kTables;
}

} // namespace quarvel
