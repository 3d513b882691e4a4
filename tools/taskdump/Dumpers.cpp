#include "Dumpers.h"

#include "decadic/DecadicGenerators.h"
#include "generators/Generators.h"

namespace quarvel::taskdump {
namespace {

LineGenerator FindMeasure(std::string_view name) {
    return FindMeasureGenerator(name);
}

std::vector<std::string_view> MeasureNames() {
    std::vector<std::string_view> names;
    for (const NamedGenerator& g : MeasureGenerators())
        names.push_back(g.Name);
    return names;
}

LineGenerator FindDecadic(std::string_view name) {
    const NamedDecadicGenerator* g = FindDecadicGenerator(name);
    return g == nullptr ? LineGenerator() : LineGenerator(g->Generate);
}

std::vector<std::string_view> DecadicNames() {
    std::vector<std::string_view> names;
    for (const NamedDecadicGenerator& g : DecadicGenerators())
        names.push_back(g.Name);
    return names;
}

// One row per family of generators.
const Dumper kDumpers[] = {
    {FindMeasure, MeasureNames},
    {FindDecadic, DecadicNames},
};

} // namespace

std::span<const Dumper> Dumpers() {
    return kDumpers;
}

} // namespace quarvel::taskdump
