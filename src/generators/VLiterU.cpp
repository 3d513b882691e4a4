#include "generators/VLiterU.h"

#include "generators/BandNotation.h"
#include "generators/VLiterTables.h"

#include <array>

namespace quarvel {

// Litre units step by 10 (hl to l by 100). From level 2 on answers are longer
// (wider field) and trimmed, and direction 1 with a factor of 1000 or more reads
// the given value back from its own text first. The pair table of each level
// names its pattern tables (VLiterTables.h) by the names they have in that level.

using notation::Factor;

// clang-format off
// GenerateLiter1
namespace liter1 {
constexpr PairBand Pairs[] = {
    {  1,  14, "hl", "l",  Factor(  100), M1, D1},
    { 15,  29, "l",  "dl", Factor(   10), M1, D2},
    { 30,  43, "l",  "cl", Factor(  100), M1, D1},
    { 44,  58, "l",  "ml", Factor(1'000), M1, D3},
    { 59,  72, "dl", "cl", Factor(   10), M1, D2},
    { 73,  87, "dl", "ml", Factor(  100), M1, D1},
    { 88, 100, "cl", "ml", Factor(   10), M1, D2},
};
} // namespace liter1

// GenerateLiter2
namespace liter2 {
constexpr PairBand Pairs[] = {
    {  1,  12, "hl", "l",  Factor(  100), M1, D1},
    { 13,  25, "hl", "dl", Factor(1'000), M2, D2},
    { 26,  37, "l",  "dl", Factor(   10), M3, D3},
    { 38,  50, "l",  "cl", Factor(  100), M1, D1},
    { 51,  62, "l",  "ml", Factor(1'000), M2, D2},
    { 63,  75, "dl", "cl", Factor(   10), M3, D3},
    { 76,  87, "dl", "ml", Factor(  100), M1, D1},
    { 88, 100, "cl", "ml", Factor(   10), M3, D3},
};
} // namespace liter2

// GenerateLiter3
namespace liter3 {
constexpr PairBand Pairs[] = {
    {  1,  10, "hl", "l",  Factor(    100), M1, D1},
    { 11,  20, "hl", "dl", Factor(  1'000), M1, D2},
    { 21,  30, "hl", "cl", Factor( 10'000), M2, D3},
    { 31,  40, "hl", "ml", Factor(100'000), M3, D4},
    { 41,  50, "l",  "dl", Factor(     10), M1, D5},
    { 51,  60, "l",  "cl", Factor(    100), M1, D6},
    { 61,  70, "l",  "ml", Factor(  1'000), M1, D2},
    { 71,  80, "dl", "cl", Factor(     10), M1, D5},
    { 81,  90, "dl", "ml", Factor(    100), M1, D1},
    { 91, 100, "cl", "ml", Factor(     10), M1, D5},
};
} // namespace liter3

// GenerateLiter4
namespace liter4 {
constexpr PairBand Pairs[] = {
    {  1,  10, "hl", "l",  Factor(    100), M1, D1},
    { 11,  20, "hl", "dl", Factor(  1'000), M2, D2},
    { 21,  30, "hl", "cl", Factor( 10'000), M3, D3},
    { 31,  40, "hl", "ml", Factor(100'000), M3, D4},
    { 41,  50, "l",  "dl", Factor(     10), M4, D5},
    { 51,  60, "l",  "cl", Factor(    100), M1, D6},
    { 61,  70, "l",  "ml", Factor(  1'000), M2, D2},
    { 71,  80, "dl", "cl", Factor(     10), M4, D5},
    { 81,  90, "dl", "ml", Factor(    100), M1, D6},
    { 91, 100, "cl", "ml", Factor(     10), M4, D5},
};
} // namespace liter4

// GenerateLiter5
namespace liter5 {
constexpr PairBand Pairs[] = {
    {  1,  10, "hl", "l",  Factor(    100), M1, D1},
    { 11,  20, "hl", "dl", Factor(  1'000), M2, D2},
    { 21,  30, "hl", "cl", Factor( 10'000), M3, D3},
    { 31,  40, "hl", "ml", Factor(100'000), M4, D4},
    { 41,  50, "l",  "dl", Factor(     10), M5, D5},
    { 51,  60, "l",  "cl", Factor(    100), M1, D1},
    { 61,  70, "l",  "ml", Factor(  1'000), M2, D2},
    { 71,  80, "dl", "cl", Factor(     10), M5, D5},
    { 81,  90, "dl", "ml", Factor(    100), M1, D1},
    { 91, 100, "cl", "ml", Factor(     10), M5, D5},
};
} // namespace liter5
// clang-format on

namespace {

constexpr auto kReadBack = GivenRounding::Direction1Large;

constexpr std::array<GeneratorTable, 5> kTables{{
    {"GenerateLiter1", liter1::Pairs},
    {"GenerateLiter2", liter2::Pairs, 190, true, kReadBack},
    {"GenerateLiter3", liter3::Pairs, 190, true, kReadBack},
    {"GenerateLiter4", liter4::Pairs, 190, true, kReadBack},
    {"GenerateLiter5", liter5::Pairs, 190, true, kReadBack},
}};

} // namespace

std::span<const GeneratorTable> LiterTables() {
    return kTables;
}

} // namespace quarvel
