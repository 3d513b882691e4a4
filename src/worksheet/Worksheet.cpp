#include "worksheet/Worksheet.h"

#include "core/AnswerText.h"
#include "decadic/DekAnswer.h"
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
