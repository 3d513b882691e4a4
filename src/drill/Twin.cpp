#include "drill/Twin.h"

#include "decadic/DekDekU.h"
#include "decadic/DekNumU.h"
#include "decadic/DezDezU.h"
#include "decadic/DezNumU.h"
#include "decadic/PlaceValue.h"
#include "generators/Generators.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace quarvel {

namespace {

// One of the first draws of a generator: Random(N) + 1 kept inside Lo..Hi.
struct KeptDraw {
    int N;
    int Lo;
    int Hi;
};

// The first draws inside their bands, the rest straight from `rng`.
class BandedRandom final : public RandomSource {
  public:
    BandedRandom(const std::vector<KeptDraw>& kept, RandomSource& rng) : rng_(rng) {
        for (const KeptDraw& draw : kept)
            script_.push_back(draw.Lo - 1 +
                              (draw.Lo == draw.Hi ? 0 : rng_.Random(draw.Hi - draw.Lo + 1)));
    }
    int Random(int n) override {
        if (next_ < script_.size()) return script_[next_++];
        return rng_.Random(n);
    }

  private:
    RandomSource& rng_;
    std::vector<int> script_;
    std::size_t next_ = 0;
};

KeptDraw Exactly(int n, int draw) {
    return {n, draw, draw};
}

std::optional<AnyTask> MeasureTwin(const TTaskRecord& task, RandomSource& rng) {
    // A dispatcher's task names the generator it handed the line to.
    const GeneratorTable* table = FindTable(task.Draws.Generator);
    if (table == nullptr) return std::nullopt;
    const TaskDraws& d = task.Draws;
    const PairBand& pair = FindBand(table->Pairs, d.Pair);
    const PatternBand& pattern = FindBand(d.Direction == 1 ? pair.M : pair.D, d.Pattern);
    const std::vector<KeptDraw> kept = {
        Exactly(2, d.Direction), {100, pair.Lo, pair.Hi}, {100, pattern.Lo, pattern.Hi}};
    for (int i = 0; i < kTwinTries; ++i) {
        BandedRandom banded(kept, rng);
        const TTaskRecord twin = RunGenerator(*table, banded);
        if (twin.GivenText.str() != task.GivenText.str()) return twin;
    }
    return std::nullopt;
}

// The place of a unit symbol, 1-based; 0 for none (kind 3 gives no unit).
int PlaceOf(std::string_view symbol, std::string_view (*symbolOf)(int)) {
    for (int place = 1; !symbolOf(place).empty(); ++place)
        if (symbolOf(place) == symbol) return place;
    return 0;
}

// The kept draws of a unit-to-unit task (DekDek, DezDez): the kind band of
// its kind draw, and the number band of its pattern draw. The pair draw
// chooses nothing there, and kind 3 takes its number from its units alone.
// Which units a twin gets is drawn after the number, so no band can keep
// them: a twin of other units is drawn again (see SameUnits).
std::vector<KeptDraw> UnitToUnitDraws(const TDekTaskRecord& task, const UnitLevel& row,
                                      std::string_view (*symbolOf)(int)) {
    const TaskDraws& d = task.Draws;
    const int kind = row.KindOf(d.Direction);
    const int lo = kind == 1 ? 1 : kind == 2 ? row.Kind1Hi + 1 : row.Kind2Hi + 1;
    const int hi = kind == 1 ? row.Kind1Hi : kind == 2 ? row.Kind2Hi : row.KindDrawRange;
    KeptDraw number{100, 1, 100};
    if (kind != 3) {
        const int distance =
            std::abs(PlaceOf(task.FromUnit.str(), symbolOf) - PlaceOf(task.ToUnit.str(), symbolOf));
        const NumberBand& band =
            FindBand(kind == 1 ? row.Kind1 : DistanceTable(distance), d.Pattern);
        number = {100, band.Lo, band.Hi};
    }
    return {{row.KindDrawRange, lo, hi}, {100, 1, 100}, number};
}

// Both tasks ask between the same units. Kind 3 names only the unit asked
// for; its other unit is the highest place of the given notation (DekDek: the
// number's digits) or its lowest (DezDez: the number's decimals).
bool SameUnits(const TDekTaskRecord& a, const TDekTaskRecord& b, DekTraining training) {
    if (a.FromUnit.str() != b.FromUnit.str() || a.ToUnit.str() != b.ToUnit.str()) return false;
    if (training == DekTraining::DekDek)
        return std::to_string(a.IntValue).size() == std::to_string(b.IntValue).size();
    return training != DekTraining::DezDez || a.DecExact.Decimals == b.DecExact.Decimals;
}

std::optional<AnyTask> DecadicTwin(const TDekTaskRecord& task, RandomSource& rng) {
    const NamedDecadicGenerator* g = FindDecadicGenerator(task.Draws.Generator);
    if (g == nullptr) return std::nullopt;
    const TaskDraws& d = task.Draws;
    std::vector<KeptDraw> kept;
    switch (g->Training) {
    case DekTraining::DekNum:
    case DekTraining::DezNum: {
        const NumberTable table = g->Training == DekTraining::DekNum
                                      ? DekNumTable(g->Level, d.Direction)
                                      : DezNumTable(g->Level, d.Direction);
        const NumberBand& band = FindBand(table, d.Pair);
        kept = {Exactly(2, d.Direction), {100, band.Lo, band.Hi}};
        break;
    }
    case DekTraining::DekDek:
        kept = UnitToUnitDraws(task, DekDekLevel(g->Level), DecadicSymbol);
        break;
    case DekTraining::DezDez:
        kept = UnitToUnitDraws(task, DezDezLevel(g->Level), DecimalSymbol);
        break;
    }
    for (int i = 0; i < kTwinTries; ++i) {
        BandedRandom banded(kept, rng);
        const TDekTaskRecord twin = g->Generate(banded);
        if (SameUnits(twin, task, g->Training) && twin.GivenText.str() != task.GivenText.str())
            return twin;
    }
    return std::nullopt;
}

} // namespace

std::optional<AnyTask> TwinOf(const AnyTask& task, RandomSource& rng) {
    if (const auto* dek = std::get_if<TDekTaskRecord>(&task)) return DecadicTwin(*dek, rng);
    return MeasureTwin(std::get<TTaskRecord>(task), rng);
}

} // namespace quarvel
