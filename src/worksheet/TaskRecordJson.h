#pragma once
// A task record as one JSON object: every field under its own name, in the
// order of the record. taskdump and the worksheet program print tasks this
// way, so a script reads both alike.

#include "core/TaskRecord.h"
#include "decadic/DekTaskSheet.h"
#include "drill/Training.h"
#include "worksheet/Json.h"

namespace quarvel {

// How a task stands on its line: whether the line is in use and solved (a
// task fresh from its generator is neither), and where its field stands.
struct LineFacts {
    bool Active = false;
    bool Solved = false;
    AnswerField Field;
};

// The record's fields, with the line's among them (Active, Solved, AnswerLeft).
void WriteTaskRecord(const TTaskRecord& record, const LineFacts& line, JsonObject& out);
void WriteDekTaskRecord(const TDekTaskRecord& record, const LineFacts& line, JsonObject& out);

// The draws that chose the task and its field's width and unit column
// (DirectionDraw, PairDraw, PatternDraw, AnswerWidth, ToUnitLeft).
void WriteDrawsAndLayout(const TaskDraws& draws, const AnswerField& field, JsonObject& out);

// Generator, the record with the line's facts (`active`, unsolved, its
// generator's field), the draws and the layout: a task as taskdump and the
// worksheet program print it.
void WriteTask(const AnyTask& task, bool active, JsonObject& out);

} // namespace quarvel
