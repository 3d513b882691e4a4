#include "Dumpers.h"

#include "decadic/DecadicGenerators.h"
#include "decadic/PlaceValue.h"

namespace quarvel::taskdump {
namespace {

void WriteTaskRecord(const AppState& state, int line, JsonObject& out) {
    const TTaskRecord& r = state.TaskSheet[line];
    out.Add("GivenValue", r.GivenValue);
    out.Add("AnswerValue", r.AnswerValue);
    out.Add("GivenDecimals", r.GivenDecimals);
    out.Add("AnswerDecimals", r.AnswerDecimals);
    out.Add("GivenText", r.GivenText.str());
    out.Add("AnswerText", r.AnswerText.str());
    out.Add("FromUnit", r.FromUnit.str());
    out.Add("ToUnit", r.ToUnit.str());
    out.Add("Active", r.Active);
    out.Add("Solved", r.Solved);
    out.Add("AnswerLeft", r.AnswerLeft);
}

std::vector<std::string_view> MeasureNames() {
    std::vector<std::string_view> names;
    for (const NamedGenerator& g : MeasureGenerators())
        names.push_back(g.Name);
    return names;
}

void WriteDekTaskRecord(const AppState& state, int line, JsonObject& out) {
    const TDekTaskRecord& r = state.DekTaskSheet[line];
    out.Add("IntValue", r.IntValue);
    out.Add("DecValue", static_cast<double>(r.DecValue));
    out.Add("DecExact", FixedNumeral(r.DecExact, r.DecExact.Decimals));
    out.Add("FromUnit", r.FromUnit.str());
    out.Add("ToUnit", r.ToUnit.str());
    out.Add("GivenText", r.GivenText.str());
    out.Add("AnswerText", r.AnswerText.str());
    out.Add("AnswerIsNotation", r.AnswerIsNotation);
    out.Add("Active", r.Active);
    out.Add("Solved", r.Solved);
    out.Add("AnswerHasComma", r.AnswerHasComma);
    out.Add("AnswerLeft", r.AnswerLeft);
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
