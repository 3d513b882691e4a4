#pragma once
// The decadic tasks the sweeps walk: every generator, every kind draw (the
// unit trainings from level 3 on draw kinds 1 to 100, the others 1 or 2) and
// every `step`-th number draw, the rest of the draws from one seeded source.

#include "decadic/DecadicGenerators.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace quarvel::oracle {

template <typename Visit> void ForEachDecadicTask(int step, std::uint64_t seed, Visit visit) {
    SeededRandom rest(seed);
    for (const NamedDecadicGenerator& gen : DecadicGenerators()) {
        const bool units =
            gen.Training == DekTraining::DekDek || gen.Training == DekTraining::DezDez;
        for (int kind = 0; kind < (units && gen.Level > 2 ? 100 : 2); ++kind) {
            for (int p = 0; p < 100; p += step) {
                AppState state;
                state.Rng = std::make_shared<ScriptedRandom>(
                    units ? std::vector<int>{kind, p, p} : std::vector<int>{kind, p}, &rest);
                gen.Generate(state, 1);
                visit(gen, units, state.DekTaskSheet[1]);
            }
        }
    }
}

} // namespace quarvel::oracle
