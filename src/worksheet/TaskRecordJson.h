#pragma once
// A task record as one JSON object: every field under its own name, in the
// order of the record. taskdump and the worksheet program print tasks this
// way, so a script reads both alike.

#include "core/AppState.h"
#include "worksheet/Json.h"

namespace quarvel {

void WriteTaskRecord(const TTaskRecord& record, JsonObject& out);
void WriteDekTaskRecord(const TDekTaskRecord& record, JsonObject& out);

// What the last generator left besides the record: its draws and the layout
// values (DirectionDraw, PairDraw, PatternDraw, AnswerWidth, ToUnitLeft).
void WriteDrawsAndLayout(const AppState& state, JsonObject& out);

} // namespace quarvel
