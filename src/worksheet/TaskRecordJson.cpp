#include "worksheet/TaskRecordJson.h"

#include "decadic/PlaceValue.h"

namespace quarvel {

void WriteTaskRecord(const TTaskRecord& r, JsonObject& out) {
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

void WriteDekTaskRecord(const TDekTaskRecord& r, JsonObject& out) {
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

void WriteDrawsAndLayout(const AppState& state, JsonObject& out) {
    out.Add("DirectionDraw", state.Draws.DirectionDraw);
    out.Add("PairDraw", state.Draws.PairDraw);
    out.Add("PatternDraw", state.Draws.PatternDraw);
    out.Add("AnswerWidth", state.AnswerWidth);
    out.Add("ToUnitLeft", state.ToUnitLeft);
}

} // namespace quarvel
