#include "generators/VKubikU.h"

#include "generators/BandNotation.h"
#include "generators/VKubikTables.h"

#include <array>

namespace quarvel {

// Cubic units step by 1000. From level 3 on the given value of direction 1 is
// read back from its own text before multiplying, so a decimal pattern's
// single-precision error cannot reach the answer, and answers are trimmed.
// The pair table of each level names its pattern tables (VKubikTables.h) by the
// names they have in that level.

using notation::Factor;

// clang-format off
// GenerateKubik1
namespace kubik1 {
constexpr PairBand Pairs[] = {
    {  1,  33, "m^3",  "dm^3", Factor(1'000), M1, D1},
    { 34,  66, "dm^3", "cm^3", Factor(1'000), M1, D1},
    { 67, 100, "cm^3", "mm^3", Factor(1'000), M1, D1},
};
} // namespace kubik1

// GenerateKubik2
namespace kubik2 {
constexpr PairBand Pairs[] = {
    {  1,  33, "m^3",  "dm^3", Factor(1'000), M1, D1},
    { 34,  66, "dm^3", "cm^3", Factor(1'000), M1, D1},
    { 67, 100, "cm^3", "mm^3", Factor(1'000), M1, D1},
};
} // namespace kubik2

// GenerateKubik3
namespace kubik3 {
constexpr PairBand Pairs[] = {
    {  1,  20, "m^3",  "dm^3", Factor(    1'000), M1, D1},
    { 21,  40, "m^3",  "cm^3", Factor(1'000'000), M2, D2},
    { 41,  60, "dm^3", "cm^3", Factor(    1'000), M2, D3},
    { 61,  80, "dm^3", "mm^3", Factor(1'000'000), M2, D2},
    { 81, 100, "cm^3", "mm^3", Factor(    1'000), M2, D1},
};
} // namespace kubik3

// GenerateKubik4
namespace kubik4 {
constexpr PairBand Pairs[] = {
    {  1,  16, "m^3",  "dm^3", Factor(        1'000), M1, D1},
    { 17,  33, "m^3",  "cm^3", Factor(    1'000'000), M2, D2},
    { 34,  50, "m^3",  "mm^3", Factor(1'000'000'000), M3, D3},
    { 51,  66, "dm^3", "cm^3", Factor(        1'000), M1, D1},
    { 67,  83, "dm^3", "mm^3", Factor(    1'000'000), M2, D2},
    { 84, 100, "cm^3", "mm^3", Factor(        1'000), M1, D1},
};
} // namespace kubik4

// GenerateKubik5
namespace kubik5 {
constexpr PairBand Pairs[] = {
    {  1,  16, "m^3",  "dm^3", Factor(        1'000), M1, D1},
    { 17,  33, "m^3",  "cm^3", Factor(    1'000'000), M2, D2},
    { 34,  50, "m^3",  "mm^3", Factor(1'000'000'000), M3, D3},
    { 51,  66, "dm^3", "cm^3", Factor(        1'000), M1, D1},
    { 67,  83, "dm^3", "mm^3", Factor(    1'000'000), M2, D2},
    { 84, 100, "cm^3", "mm^3", Factor(        1'000), M1, D1},
};
} // namespace kubik5
// clang-format on

namespace {

constexpr auto kReadBack = GivenRounding::Direction1;

constexpr std::array<GeneratorTable, 5> kTables{{
    {"GenerateKubik1", kubik1::Pairs},
    {"GenerateKubik2", kubik2::Pairs},
    {"GenerateKubik3", kubik3::Pairs, 170, true, kReadBack},
    {"GenerateKubik4", kubik4::Pairs, 170, true, kReadBack},
    {"GenerateKubik5", kubik5::Pairs, 170, true, kReadBack},
}};

} // namespace

std::span<const GeneratorTable> KubikTables() {
    return kTables;
}

} // namespace quarvel
