#include "generators/KombiLMU.h"

namespace quarvel {
namespace {

// clang-format off
constexpr KindBand kBands[] = {
    {  1,  50, kLaenge},
    { 51, 100, kMasse},
};
// clang-format on

} // namespace

void MixLM1(AppState& state, int index) {
    DispatchLine(kBands, 1, state, index);
}
void MixLM2(AppState& state, int index) {
    DispatchLine(kBands, 2, state, index);
}
void MixLM3(AppState& state, int index) {
    DispatchLine(kBands, 3, state, index);
}
void MixLM4(AppState& state, int index) {
    DispatchLine(kBands, 4, state, index);
}
void MixLM5(AppState& state, int index) {
    DispatchLine(kBands, 5, state, index);
}

std::span<const KindBand> MixLMBands() {
    return kBands;
}

} // namespace quarvel
