#include "Dumpers.h"

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

// One row per family of generators; a family with a record of its own adds a
// row with its lookup and its record writer.
const Dumper kDumpers[] = {
    {FindMeasureGenerator, WriteTaskRecord, MeasureNames},
};

} // namespace

std::span<const Dumper> Dumpers() {
    return kDumpers;
}

} // namespace quarvel::taskdump
