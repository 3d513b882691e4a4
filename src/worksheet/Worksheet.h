#pragma once
// What a printed sheet holds, without Qt: for a training and level, sheets of
// ten or twenty tasks (two or four rounds of the drill's five-line sheet),
// each task with the text to print, the asked unit and the key's answer. No
// task stands twice on a sheet. The same series number, training, level and
// counts give the same sheets.

#include "drill/ExerciseCode.h"
#include "drill/Training.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quarvel {

inline constexpr int kMaxSheets = 50;

struct WorksheetRequest {
    Training Id = Training::Laenge;
    int Level = 1;
    int Sheets = 1;         // 1..kMaxSheets
    int Tasks = 20;         // 10 or 20
    std::uint64_t Seed = 0; // the series; sheet k is made from SheetSeed(Seed, k)
    std::string Title;      // a free line for the head of each sheet
    bool Key = false;       // add the answer key after the sheets
};

// The request that describes a coded exercise's sheet: its training, level
// and task count, one sheet, with its key.
WorksheetRequest ExerciseRequest(const Exercise& exercise);

struct WorksheetTask {
    std::string Given;  // the given value (or notation) with its unit, in task-text markup
    std::string ToUnit; // the asked unit; empty where the answer has none
    std::string Answer; // the expected answer as the drill would show it
    std::string Json;   // the record as taskdump prints it, with sheet and task number
};

struct Worksheet {
    int Number = 1; // 1..Sheets
    std::string Id; // "1234-3"
    std::vector<WorksheetTask> Tasks;
    int Passes = 0; // a coded exercise's sheet: its passes, and Id is its code
};

// Whether the training has the level (1..5, and 6 for "Masse").
bool HasLevel(Training training, int level);

// A line whose task already stands on its sheet is drawn again, at most this
// often: a training with fewer tasks than a sheet has lines keeps a repeat.
inline constexpr int kMostRedraws = 50;

// Every sheet of the request. The level must be one the training has.
std::vector<Worksheet> MakeWorksheets(const WorksheetRequest& request);

// The one sheet of a coded exercise, Id its code: the tasks just as the drill
// draws them, pass after pass, five a pass, a task repeated where the drill
// repeats it. Its JSON records name Code, Pass and Line. The exercise must be
// Codable.
std::vector<Worksheet> MakeExerciseSheets(const Exercise& exercise);

// The training without its menu group: "Länge", "Volumen · Kubik".
std::string ExerciseTrainingName(Training training);

// What the teacher's check says of a result:
// "K7QX-93PF · Länge · Fortgeschrittener · 13,5 von 15 Punkten (90 %) · 18 Versuche".
// The percentage is of the points the exercise can give.
std::string ResultSummary(const ExerciseResult& result);

} // namespace quarvel
