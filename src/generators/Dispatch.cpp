#include "generators/Dispatch.h"

namespace quarvel {

std::span<const DispatcherFamily> DispatcherFamilies() {
    static constexpr DispatcherFamily kFamilies[] = {
        {"MixLM", kMixLM}, {"MixLF", kMixLF},     {"MixLFM", kMixLFM},
        {"MixFR", kMixFR}, {"MixAlle", kMixAlle},
    };
    return kFamilies;
}

TTaskRecord DispatchLine(std::span<const KindBand> bands, int level, RandomSource& rng) {
    const KindTables kind = FindBand(bands, rng.Random(100) + 1).Kind;
    return RunGenerator(kind()[static_cast<std::size_t>(level - 1)], rng);
}

} // namespace quarvel
