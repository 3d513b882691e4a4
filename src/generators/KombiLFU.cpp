#include "generators/KombiLFU.h"

namespace quarvel {
namespace {

// clang-format off
constexpr KindBand kBands[] = {
    {  1,  50, kLaenge},
    { 51, 100, kFlaeche},
};
// clang-format on

} // namespace

void MixLF1(AppState& state, int index) {
    DispatchLine(kBands, 1, state, index);
}
void MixLF2(AppState& state, int index) {
    DispatchLine(kBands, 2, state, index);
}
void MixLF3(AppState& state, int index) {
    DispatchLine(kBands, 3, state, index);
}
void MixLF4(AppState& state, int index) {
    DispatchLine(kBands, 4, state, index);
}
void MixLF5(AppState& state, int index) {
    DispatchLine(kBands, 5, state, index);
}

std::span<const KindBand> MixLFBands() {
    return kBands;
}

} // namespace quarvel
