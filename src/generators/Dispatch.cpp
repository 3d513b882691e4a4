#include "generators/Dispatch.h"

#include "generators/KombiAlleU.h"
#include "generators/KombiFRU.h"
#include "generators/KombiLFMU.h"
#include "generators/KombiLFU.h"
#include "generators/KombiLMU.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace quarvel {

std::span<const DispatcherFamily> DispatcherFamilies() {
    static const std::vector<DispatcherFamily> families{
        {"MixLM", MixLMBands()}, {"MixLF", MixLFBands()},     {"MixLFM", MixLFMBands()},
        {"MixFR", MixFRBands()}, {"MixAlle", MixAlleBands()},
    };
    return families;
}

void DispatchLine(std::span<const KindBand> bands, int level, AppState& state, int index) {
    state.Draws.PairDraw = state.Random(100) + 1;
    const int draw = state.Draws.PairDraw;
    const auto band = std::find_if(bands.begin(), bands.end(), [draw](const KindBand& b) {
        return b.Lo <= draw && draw <= b.Hi;
    });
    if (band == bands.end()) {
        throw std::logic_error("dispatcher has no band for draw " + std::to_string(draw));
    }
    band->Kind.Levels.at(static_cast<std::size_t>(level - 1))(state, index);
}

} // namespace quarvel
