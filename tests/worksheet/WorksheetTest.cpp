// Worksheet content and the command line, without Qt.
#include "../TestData.h"
#include "drill/DrillSession.h"
#include "worksheet/CommandLine.h"
#include "worksheet/OutputPath.h"
#include "worksheet/SheetRandom.h"
#include "worksheet/TaskRecordJson.h"
#include "worksheet/TrainingNames.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <ranges>
#include <set>
#include <tuple>
#include <vector>

namespace quarvel {
namespace {

// What a line asks, and the body of its record's JSON object.
template <typename Record, typename Write>
std::pair<std::string, std::string> Asked(const Record& r, Write write) {
    JsonObject json;
    write(r, LineFacts{true, false, FieldOf(r)}, json);
    const std::string text = json.str();
    return {r.GivenText.str() + "|" + r.FromUnit.str() + "|" + r.ToUnit.str(),
            text.substr(1, text.size() - 2)};
}

// A drill session's tasks, five a round, up to the first that asks again.
std::vector<std::string> DrillRecords(Training training, int level, std::uint64_t seed, int sheet,
                                      int tasks) {
    const TrainingInfo& info = InfoOf(training);
    SelectionState selection;
    selection.*info.Level = level;
    DrillSession session(info.Group, std::make_shared<PortableRandom>(SheetSeed(seed, sheet)));
    session.Open(selection);
    std::vector<std::string> records;
    std::set<std::string> asked;
    while (static_cast<int>(records.size()) < tasks) {
        for (int line = 1; line <= kLines; ++line) {
            const auto [question, json] =
                info.Group == LevelGroup::Decadic
                    ? Asked(session.DekSheet()[line], WriteDekTaskRecord)
                    : Asked(session.MeasureSheet()[line], WriteTaskRecord);
            if (!asked.insert(question).second) return records;
            records.push_back(json);
        }
        session.Restart();
    }
    return records;
}

// Sheet n of a series holds what a drill seeded with SheetSeed(series, n) draws,
// until a task would repeat.
TEST(Worksheets, HoldWhatTheDrillDrawsForEveryTrainingAndLevel) {
    std::size_t compared = 0;
    for (const TrainingWord& word : TrainingWords()) {
        for (const LevelName& level : LevelsOf(word.Id)) {
            for (const std::uint64_t seed : {1U, 4711U}) {
                SCOPED_TRACE(testing::Message() << word.Word << " " << level.Level << " " << seed);
                WorksheetRequest request{word.Id, level.Level, 2, 10, seed, "", true};
                const std::vector<Worksheet> sheets = MakeWorksheets(request);
                ASSERT_EQ(sheets.size(), 2U);
                for (const Worksheet& sheet : sheets) {
                    EXPECT_EQ(sheet.Id, std::to_string(seed) + "-" + std::to_string(sheet.Number));
                    const std::vector<std::string> drill =
                        DrillRecords(word.Id, level.Level, seed, sheet.Number, 10);
                    ASSERT_EQ(sheet.Tasks.size(), 10U);
                    compared += drill.size();
                    for (std::size_t i = 0; i < drill.size(); ++i) {
                        const std::string& json = sheet.Tasks[i].Json;
                        EXPECT_NE(json.find(drill[i]), std::string::npos) << json << "\n"
                                                                          << drill[i];
                        EXPECT_NE(json.find("\"Task\": " + std::to_string(i + 1) + ","),
                                  std::string::npos);
                    }
                }
            }
        }
    }
    EXPECT_GT(compared, 2900U); // nearly all of the 3040 tasks
}

// No task stands twice on a sheet, in any training and level; 5-3 of kubik 1
// once asked the same in tasks 2 and 19.
TEST(Worksheets, NeverAskTheSameTwiceOnASheet) {
    for (const TrainingWord& word : TrainingWords()) {
        for (const LevelName& level : LevelsOf(word.Id)) {
            SCOPED_TRACE(testing::Message() << word.Word << " " << level.Level);
            const WorksheetRequest request{word.Id, level.Level, 12, 20, 5, "", false};
            for (const Worksheet& sheet : MakeWorksheets(request)) {
                std::set<std::pair<std::string, std::string>> asked;
                for (const WorksheetTask& task : sheet.Tasks)
                    EXPECT_TRUE(asked.emplace(task.Given, task.ToUnit).second)
                        << sheet.Id << ": " << task.Given << " in " << task.ToUnit;
            }
        }
    }
}

// A printed series gives the same sheets on every machine and version (figures
// from a separate implementation of SplitMix64, MT19937-64 and the rejection).
TEST(Worksheets, DrawsArePinned) {
    EXPECT_EQ(SheetSeed(1234, 3), 3728693401281897946U);
    PortableRandom rng(SheetSeed(1234, 1));
    std::vector<int> draws;
    for (const int n : {100, 100, 2, 9, 1000000})
        draws.push_back(rng.Random(n));
    EXPECT_EQ(draws, (std::vector<int>{87, 70, 1, 3, 897575}));
}

TEST(TrainingNames, WordsAndCaptionsComeFromTheStartMenu) {
    EXPECT_EQ(std::tuple(TrainingByWord("Länge"), TrainingByWord("FLÄCHEN-RAUMMASSE")),
              std::tuple(Training::Laenge, Training::FR));
    EXPECT_EQ(TrainingByWord("laenge "), std::nullopt);
    for (const TrainingWord& w : TrainingWords())
        EXPECT_EQ(TrainingByWord(w.Word), w.Id);
    EXPECT_EQ(TrainingTitle(Training::Kubik), "Maßeinheiten · Volumen · Kubik");
    EXPECT_EQ(LevelCaption(Training::Masse, 6), "Volksschüler");
    EXPECT_EQ(LevelCaption(Training::DezDez, 3), "Fortgeschritten");
    EXPECT_EQ(LevelCaption(Training::LFM, 3), "Fortgeschrittener");
    EXPECT_EQ(LevelCaption(Training::Laenge, 6), "");
}

std::optional<CommandLine> Parse(std::vector<std::string_view> args, std::string& error) {
    return ParseCommandLine(args, error);
}

// The PDF tests run the other options end to end.
TEST(CommandLine, TakesEveryOption) {
    std::string error;
    const auto line = Parse({"--training=masse", "--level=6", "--tasks", "10", "--json"}, error);
    ASSERT_TRUE(line) << error;
    EXPECT_EQ(std::tuple(line->What, line->Request.Id, line->Request.Level, line->Request.Tasks),
              std::tuple(Command::Make, Training::Masse, 6, 10));
    EXPECT_TRUE(line->Json && !line->SeedGiven && line->Output.empty());
    EXPECT_EQ(Parse({}, error)->What, Command::Window);
    EXPECT_EQ(Parse({"--list"}, error)->What, Command::List);
}

TEST(CommandLine, RefusesWhatItCannotMake) {
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/worksheet_refused_options.csv")) {
        std::vector<std::string_view> args;
        for (const auto word : std::views::split(std::string_view(row["args"]), ' '))
            args.emplace_back(word.begin(), word.end());
        std::string error;
        EXPECT_FALSE(Parse(args, error)) << row.Where();
        EXPECT_NE(error.find(row["message"]), std::string::npos) << row.Where() << ": " << error;
    }
}

// The kinds of path no test may write to, and the reasons for a system error.
TEST(OutputPath, TellsInGermanWhyAPathCannotTakeThePdf) {
    EXPECT_EQ(UnwritableReason("/dev/null"), "das ist ein Gerät, keine Datei");
    EXPECT_EQ(UnwritableReason("/"), "das ist ein Ordner, keine Datei");
    EXPECT_EQ(UnwritableReason("/gibt/es/nicht/blatt.pdf"), "den Ordner gibt es nicht");
    EXPECT_EQ(UnwritableReason("/dev/null/blatt.pdf"), "„/dev/null“ ist kein Ordner");
    if (::geteuid() != 0) {
        EXPECT_EQ(UnwritableReason("/proc/version"), "keine Schreibrechte");
        EXPECT_EQ(UnwritableReason("/blatt.pdf"), "keine Schreibrechte im Ordner");
    }
    EXPECT_EQ(ReasonOfError(ENOSPC), "kein Platz mehr auf dem Datenträger");
    EXPECT_EQ(ReasonOfError(EDQUOT), "kein Platz mehr auf dem Datenträger");
    EXPECT_EQ(ReasonOfError(EACCES), "keine Schreibrechte");
    EXPECT_EQ(ReasonOfError(EROFS), "der Datenträger ist schreibgeschützt");
    EXPECT_EQ(ReasonOfError(ENOENT), "den Ordner gibt es nicht");
}

} // namespace
} // namespace quarvel
