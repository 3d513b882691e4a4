#include "generators/Dispatch.h"

namespace quarvel {

std::span<const DispatcherFamily> DispatcherFamilies() {
    static constexpr DispatcherFamily kFamilies[] = {
        {"MixLM", kMixLM}, {"MixLF", kMixLF},     {"MixLFM", kMixLFM},
        {"MixFR", kMixFR}, {"MixAlle", kMixAlle},
    };
    return kFamilies;
}

void DispatchLine(std::span<const KindBand> bands, int level, AppState& state, int index) {
    state.Draws.PairDraw = state.Random(100) + 1;
    const KindTables kind = FindBand(bands, state.Draws.PairDraw).Kind;
    RunGenerator(kind()[static_cast<std::size_t>(level - 1)], state, index);
}

} // namespace quarvel
