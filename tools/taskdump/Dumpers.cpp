#include "Dumpers.h"

#include "decadic/DecadicGenerators.h"
#include "worksheet/TaskRecordJson.h"

namespace quarvel::taskdump {
namespace {

void WriteTaskRecord(const AppState& state, int line, JsonObject& out) {
    quarvel::WriteTaskRecord(state.TaskSheet[line], out);
}

std::vector<std::string_view> MeasureNames() {
    std::vector<std::string_view> names;
    for (const NamedGenerator& g : MeasureGenerators())
        names.push_back(g.Name);
    return names;
}

void WriteDekTaskRecord(const AppState& state, int line, JsonObject& out) {
    quarvel::WriteDekTaskRecord(state.DekTaskSheet[line], out);
}

GeneratorFn FindDecadic(std::string_view name) {
    const NamedDecadicGenerator* g = FindDecadicGenerator(name);
    return g == nullptr ? nullptr : g->Generate;
}

std::vector<std::string_view> DecadicNames() {
    std::vector<std::string_view> names;
    for (const NamedDecadicGenerator& g : DecadicGenerators())
        names.push_back(g.Name);
    return names;
}

// One row per family of generators; a family with a record of its own adds a
// row with its lookup and its record writer.
const Dumper kDumpers[] = {
    {FindMeasureGenerator, WriteTaskRecord, MeasureNames},
    {FindDecadic, WriteDekTaskRecord, DecadicNames},
};

} // namespace

std::span<const Dumper> Dumpers() {
    return kDumpers;
}

} // namespace quarvel::taskdump
