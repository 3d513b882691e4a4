#include "generators/KombiFRU.h"

namespace quarvel {
namespace {

// clang-format off
constexpr KindBand kBands[] = {
    {  1,  25, kFlaeche},
    { 26,  50, kKubik},
    { 51,  75, kLiter},
    { 76, 100, kRaumGemischt},
};
// clang-format on

} // namespace

void MixFR1(AppState& state, int index) {
    DispatchLine(kBands, 1, state, index);
}
void MixFR2(AppState& state, int index) {
    DispatchLine(kBands, 2, state, index);
}
void MixFR3(AppState& state, int index) {
    DispatchLine(kBands, 3, state, index);
}
void MixFR4(AppState& state, int index) {
    DispatchLine(kBands, 4, state, index);
}
void MixFR5(AppState& state, int index) {
    DispatchLine(kBands, 5, state, index);
}

std::span<const KindBand> MixFRBands() {
    return kBands;
}

} // namespace quarvel
