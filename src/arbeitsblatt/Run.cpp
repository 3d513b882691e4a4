#include "arbeitsblatt/Run.h"

#include "arbeitsblatt/SheetPainter.h"
#include "worksheet/OutputPath.h"
#include "worksheet/SheetRandom.h"

#include <ostream>
#include <string>

namespace quarvel {
namespace {

void CannotWrite(const std::string& path, const std::string& reason, std::ostream& err) {
    err << "quarvel-arbeitsblatt: " << path << " lässt sich nicht schreiben: " << reason << "\n";
}

} // namespace

int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<CommandLine> line = ParseCommandLine(args, error);
    if (!line) {
        err << "quarvel-arbeitsblatt: " << error << "\n"
            << "quarvel-arbeitsblatt --help zeigt alle Optionen.\n";
        return kExitUsage;
    }
    return Run(*line, out, err);
}

int Run(CommandLine line, std::ostream& out, std::ostream& err) {
    switch (line.What) {
    case Command::Window:
    case Command::Help:
        out << Usage();
        return 0;
    case Command::List:
        out << TrainingList();
        return 0;
    case Command::ExerciseCode: {
        const WorksheetRequest& r = line.Request;
        const std::uint32_t seed =
            line.SeedGiven ? static_cast<std::uint32_t>(r.Seed) : FreshExerciseSeed();
        out << ExerciseCode({r.Id, r.Level, line.Passes, seed}) << "\n";
        return 0;
    }
    case Command::Check: {
        const CodeReading<ExerciseResult> reading = ReadResultCode(line.ResultText);
        if (!reading) {
            err << "quarvel-arbeitsblatt: " << reading.Refusal << "\n";
            return kExitNotGenuine;
        }
        out << ResultSummary(*reading.Value) << "\n";
        return 0;
    }
    case Command::Make:
        break;
    }
    // A target that cannot take the PDF is told before anything is printed.
    if (!line.Output.empty()) {
        if (const std::optional<std::string> reason = UnwritableReason(line.Output)) {
            CannotWrite(line.Output, *reason, err);
            return kExitWrite;
        }
    }
    WorksheetRequest& request = line.Request;
    if (!line.SeedGiven && !line.Coded) request.Seed = FreshSeed();
    const std::vector<Worksheet> sheets =
        line.Coded ? MakeExerciseSheets(*line.Coded) : MakeWorksheets(request);
    if (line.Json) {
        for (const Worksheet& sheet : sheets) {
            for (const WorksheetTask& task : sheet.Tasks)
                out << task.Json << '\n';
        }
    }
    if (line.Output.empty()) return 0;
    QString reason;
    if (!WritePdfFile(QString::fromStdString(line.Output), request, sheets, reason)) {
        CannotWrite(line.Output, reason.toStdString(), err);
        return kExitWrite;
    }
    if (!line.Json) {
        if (line.Coded) {
            out << line.Output << ": Übungscode " << sheets.front().Id << ", "
                << sheets.front().Tasks.size() << " Aufgaben in " << line.Coded->Passes
                << " Durchgängen mit Lösungen\n";
            return 0;
        }
        out << line.Output << ": " << sheets.size() << (sheets.size() == 1 ? " Blatt" : " Blätter")
            << " (" << sheets.front().Id;
        if (sheets.size() > 1) out << " bis " << sheets.back().Id;
        out << ")" << (request.Key ? " mit Lösungen" : "") << "\n";
    }
    return 0;
}

} // namespace quarvel
