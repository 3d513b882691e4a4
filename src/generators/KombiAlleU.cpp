#include "generators/KombiAlleU.h"

namespace quarvel {
namespace {

// clang-format off
constexpr KindBand kBands[] = {
    {  1,  16, kLaenge},
    { 17,  33, kMasse},
    { 34,  49, kFlaeche},
    { 50,  66, kKubik},
    { 67,  82, kLiter},
    { 83, 100, kRaumGemischt},
};
// clang-format on

} // namespace

void MixAlle1(AppState& state, int index) {
    DispatchLine(kBands, 1, state, index);
}
void MixAlle2(AppState& state, int index) {
    DispatchLine(kBands, 2, state, index);
}
void MixAlle3(AppState& state, int index) {
    DispatchLine(kBands, 3, state, index);
}
void MixAlle4(AppState& state, int index) {
    DispatchLine(kBands, 4, state, index);
}
void MixAlle5(AppState& state, int index) {
    DispatchLine(kBands, 5, state, index);
}

std::span<const KindBand> MixAlleBands() {
    return kBands;
}

} // namespace quarvel
