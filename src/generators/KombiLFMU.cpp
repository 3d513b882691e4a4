#include "generators/KombiLFMU.h"

namespace quarvel {
namespace {

// clang-format off
constexpr KindBand kBands[] = {
    {  1,  33, kLaenge},
    { 34,  66, kFlaeche},
    { 67, 100, kMasse},
};
// clang-format on

} // namespace

void MixLFM1(AppState& state, int index) {
    DispatchLine(kBands, 1, state, index);
}
void MixLFM2(AppState& state, int index) {
    DispatchLine(kBands, 2, state, index);
}
void MixLFM3(AppState& state, int index) {
    DispatchLine(kBands, 3, state, index);
}
void MixLFM4(AppState& state, int index) {
    DispatchLine(kBands, 4, state, index);
}
void MixLFM5(AppState& state, int index) {
    DispatchLine(kBands, 5, state, index);
}

std::span<const KindBand> MixLFMBands() {
    return kBands;
}

} // namespace quarvel
