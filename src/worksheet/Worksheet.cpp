#include "worksheet/Worksheet.h"

#include "core/AnswerText.h"
#include "decadic/DekAnswer.h"
#include "drill/Evaluation.h"
#include "worksheet/SheetRandom.h"
#include "worksheet/TaskRecordJson.h"
#include "worksheet/TrainingNames.h"

#include <algorithm>
#include <stdexcept>
#include <variant>

namespace quarvel {
namespace {

bool IsDecadic(Training training) {
    return InfoOf(training).Group == LevelGroup::Decadic;
}

// Only the unit-to-unit trainings of the number system name units.
bool NamesUnits(Training training) {
    return !IsDecadic(training) || training == Training::DekDek || training == Training::DezDez;
}

std::string Trimmed(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string GivenWithUnit(std::string given, const std::string& unit) {
    given = Trimmed(std::move(given));
    return unit.empty() ? given : given + " " + unit;
}

WorksheetTask TaskOf(const AnyTask& drawn, Training training) {
    WorksheetTask task;
    if (const auto* dek = std::get_if<TDekTaskRecord>(&drawn)) {
        const TDekTaskRecord& r = *dek;
        const bool units = NamesUnits(training);
        task.Given = GivenWithUnit(r.GivenText.str(), units ? r.FromUnit.str() : std::string());
        task.ToUnit = units ? r.ToUnit.str() : std::string();
        task.Answer = DekExpectedAnswer(r.AnswerText.str());
    } else {
        const TTaskRecord& r = std::get<TTaskRecord>(drawn);
        task.Given = GivenWithUnit(r.GivenText.str(), r.FromUnit.str());
        task.ToUnit = r.ToUnit.str();
        task.Answer = TrimTrailingZeros(r.AnswerText.str());
    }
    return task;
}

std::string TaskJson(const AnyTask& drawn, const WorksheetRequest& request, const Worksheet& sheet,
                     int number, int line) {
    JsonObject json;
    json.Add("Sheet", sheet.Id);
    json.Add("Task", number);
    json.Add("Training", WordOf(request.Id));
    json.Add("Level", request.Level);
    json.Add("Line", line);
    WriteTask(drawn, true, json); // on a sheet every task stands on a line in use
    return json.str();
}

// Whether the sheet already asks the same: the same given value and unit, the
// same unit asked for.
bool OnSheet(const Worksheet& sheet, const WorksheetTask& task) {
    return std::any_of(sheet.Tasks.begin(), sheet.Tasks.end(), [&](const WorksheetTask& other) {
        return other.Given == task.Given && other.ToUnit == task.ToUnit;
    });
}

} // namespace

WorksheetRequest ExerciseRequest(const Exercise& exercise) {
    WorksheetRequest request;
    request.Id = exercise.Id;
    request.Level = exercise.Level;
    request.Sheets = 1;
    request.Tasks = kLines * exercise.Passes;
    request.Seed = exercise.Seed;
    request.Key = true;
    return request;
}

std::vector<Worksheet> MakeExerciseSheets(const Exercise& exercise) {
    std::vector<Worksheet> sheets(1);
    Worksheet& sheet = sheets.front();
    sheet.Id = ExerciseCode(exercise);
    sheet.Passes = exercise.Passes;
    // As the drill fills its lines: one engine for the whole exercise.
    PortableRandom rng(EngineSeed(exercise));
    const LineGenerator generate = GeneratorFor(exercise.Id, exercise.Level);
    for (int pass = 1; pass <= exercise.Passes; ++pass) {
        for (int line = 1; line <= kLines; ++line) {
            const AnyTask drawn = generate(rng);
            WorksheetTask task = TaskOf(drawn, exercise.Id);
            JsonObject json;
            json.Add("Code", sheet.Id);
            json.Add("Task", static_cast<int>(sheet.Tasks.size()) + 1);
            json.Add("Pass", pass);
            json.Add("Line", line);
            json.Add("Training", WordOf(exercise.Id));
            json.Add("Level", exercise.Level);
            WriteTask(drawn, true, json);
            task.Json = json.str();
            sheet.Tasks.push_back(std::move(task));
        }
    }
    return sheets;
}

std::string ExerciseTrainingName(Training training) {
    const std::vector<std::string_view> path = MenuPath(training);
    std::string name;
    for (std::size_t i = 1; i < path.size(); ++i)
        name += (name.empty() ? "" : " · ") + std::string(path[i]);
    return name;
}

std::string ResultSummary(const ExerciseResult& result) {
    const Exercise& e = result.Task;
    const int most = kLines * e.Passes; // one point a task
    // A whole percentage, an exact half to the even neighbour, as the
    // evaluation rounds.
    const int part = result.HalfPoints * 100;
    const int whole = 2 * most;
    int percent = part / whole;
    const int twiceRest = 2 * (part % whole);
    if (twiceRest > whole || (twiceRest == whole && percent % 2 != 0)) ++percent;
    return ExerciseCode(e) + " · " + ExerciseTrainingName(e.Id) + " · " +
           std::string(LevelCaption(e.Id, e.Level)) + " · " + FormatHalfPoints(result.HalfPoints) +
           " von " + std::to_string(most) + " Punkten (" + std::to_string(percent) + " %) · " +
           std::to_string(result.Tries) + (result.Tries == 1 ? " Versuch" : " Versuche");
}

bool HasLevel(Training training, int level) {
    return static_cast<bool>(GeneratorFor(training, level));
}

std::vector<Worksheet> MakeWorksheets(const WorksheetRequest& request) {
    if (!HasLevel(request.Id, request.Level))
        throw std::invalid_argument("the training has no such level");
    std::vector<Worksheet> sheets;
    sheets.reserve(static_cast<std::size_t>(request.Sheets));
    for (int number = 1; number <= request.Sheets; ++number) {
        Worksheet& sheet = sheets.emplace_back();
        sheet.Number = number;
        sheet.Id = SheetId(request.Seed, number);
        PortableRandom rng(SheetSeed(request.Seed, number));
        const LineGenerator generate = GeneratorFor(request.Id, request.Level);
        // Rounds of five lines, as the drill fills its sheet.
        while (static_cast<int>(sheet.Tasks.size()) < request.Tasks) {
            for (int line = 1; line <= kLines; ++line) {
                AnyTask drawn;
                WorksheetTask task;
                for (int draw = 0; draw <= kMostRedraws; ++draw) {
                    drawn = generate(rng);
                    task = TaskOf(drawn, request.Id);
                    if (!OnSheet(sheet, task)) break;
                }
                const int taskNumber = static_cast<int>(sheet.Tasks.size()) + 1;
                task.Json = TaskJson(drawn, request, sheet, taskNumber, line);
                sheet.Tasks.push_back(std::move(task));
            }
        }
    }
    return sheets;
}

} // namespace quarvel
