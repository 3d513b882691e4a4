#include "worksheet/TaskRecordJson.h"

#include "decadic/PlaceValue.h"

namespace quarvel {

void WriteTaskRecord(const TTaskRecord& r, const LineFacts& line, JsonObject& out) {
    out.Add("GivenValue", r.GivenValue);
    out.Add("AnswerValue", r.AnswerValue);
    out.Add("GivenDecimals", r.GivenDecimals);
    out.Add("AnswerDecimals", r.AnswerDecimals);
    out.Add("GivenText", r.GivenText.str());
    out.Add("AnswerText", r.AnswerText.str());
    out.Add("FromUnit", r.FromUnit.str());
    out.Add("ToUnit", r.ToUnit.str());
    out.Add("Active", line.Active);
    out.Add("Solved", line.Solved);
    out.Add("AnswerLeft", line.Field.Left);
}

void WriteDekTaskRecord(const TDekTaskRecord& r, const LineFacts& line, JsonObject& out) {
    out.Add("IntValue", r.IntValue);
    out.Add("DecValue", static_cast<double>(r.DecValue));
    out.Add("DecExact", FixedNumeral(r.DecExact, r.DecExact.Decimals));
    out.Add("FromUnit", r.FromUnit.str());
    out.Add("ToUnit", r.ToUnit.str());
    out.Add("GivenText", r.GivenText.str());
    out.Add("AnswerText", r.AnswerText.str());
    out.Add("AnswerIsNotation", r.AnswerIsNotation);
    out.Add("Active", line.Active);
    out.Add("Solved", line.Solved);
    out.Add("AnswerHasComma", r.AnswerHasComma);
    out.Add("AnswerLeft", line.Field.Left);
}

void WriteDrawsAndLayout(const TaskDraws& draws, const AnswerField& field, JsonObject& out) {
    out.Add("DirectionDraw", draws.Direction);
    out.Add("PairDraw", draws.Pair);
    out.Add("PatternDraw", draws.Pattern);
    out.Add("AnswerWidth", field.Width);
    out.Add("ToUnitLeft", field.ToUnitLeft);
}

void WriteTask(const AnyTask& task, bool active, JsonObject& out) {
    out.Add("Generator", DrawsOf(task).Generator);
    const LineFacts facts{active, false, FieldOf(task)};
    if (const auto* dek = std::get_if<TDekTaskRecord>(&task)) {
        WriteDekTaskRecord(*dek, facts, out);
    } else {
        WriteTaskRecord(std::get<TTaskRecord>(task), facts, out);
    }
    WriteDrawsAndLayout(DrawsOf(task), facts.Field, out);
}

} // namespace quarvel
