#include "SolutionJson.h"

#include "decadic/DecadicGenerators.h"
#include "drill/Hint.h"
#include "solution/Diagnosis.h"
#include "solution/WorkedSolution.h"

namespace quarvel::taskdump {
namespace {

std::string Row(std::initializer_list<std::string_view> texts) {
    std::string row;
    for (const std::string_view text : texts)
        row += (row.empty() ? "[" : ", ") + JsonString(text);
    return row + "]";
}

template <typename Cells, typename RowOf> std::string Rows(const Cells& cells, RowOf rowOf) {
    std::string rows;
    for (const auto& cell : cells)
        rows += (rows.empty() ? "" : ", ") + rowOf(cell);
    return "[" + rows + "]";
}

template <typename Solution>
void WriteSteps(const std::optional<Solution>& solution, const std::string& steps,
                JsonObject& out) {
    out.AddRaw("Steps", solution ? steps : "null");
    if (solution) {
        out.Add("CommaShift", solution->CommaShift);
        out.AddRaw("Sentences", Rows(solution->Sentences, [](const std::string& sentence) {
                       return JsonString(sentence);
                   }));
    } else {
        out.AddRaw("CommaShift", "null");
        out.AddRaw("Sentences", "null");
    }
}

} // namespace

void WriteSolution(const AnyTask& task, const std::optional<std::string>& typed, JsonObject& out) {
    std::optional<Diagnosis> diagnosis;
    if (const auto* dek = std::get_if<TDekTaskRecord>(&task)) {
        const TDekTaskRecord& r = *dek;
        const NamedDecadicGenerator* g = FindDecadicGenerator(r.Draws.Generator);
        const auto s = SolveDekTask(r, g->Training);
        const auto cell = [](const PlaceDigit& c) { return Row({c.Place, c.Count}); };
        WriteSteps(s, s ? Rows(s->Expected, cell) : "", out);
        if (typed) diagnosis = DiagnoseDekAnswer(r, g->Training, *typed);
    } else {
        const TTaskRecord& r = std::get<TTaskRecord>(task);
        const auto s = SolveMeasureTask(r);
        const auto step = [](const ChainStep& c) { return Row({c.From, c.To, c.Factor}); };
        WriteSteps(s, s ? Rows(s->Steps, step) : "", out);
        if (typed) diagnosis = DiagnoseMeasureAnswer(r, *typed);
    }
    if (!typed) return;
    out.Add("Diagnosis", diagnosis ? diagnosis->Sentence : "");
    out.Add("DiagnosisKind", diagnosis ? diagnosis->Kind : "");
    out.Add("Hint", HintFor(task, *typed).value_or(""));
}

} // namespace quarvel::taskdump
