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

// A drill session's 20 tasks, five a round, up to the first that asks again.
std::vector<std::string> DrillRecords(Training training, int level, std::uint64_t seed) {
    const TrainingInfo& info = InfoOf(training);
    SelectionState selection;
    selection.*info.Level = level;
    DrillSession session(info.Group, std::make_shared<PortableRandom>(seed));
    session.Open(selection);
    std::vector<std::string> records;
    std::set<std::string> asked;
    while (records.size() < 20) {
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

// Sheet n of series 5 holds what a drill seeded with SheetSeed(5, n) draws up to
// its first repeat, and no task twice (5-3 of kubik 1 once asked the same in
// tasks 2 and 19), in every training and level.
TEST(Worksheets, HoldWhatTheDrillDrawsAndNoTaskTwice) {
    std::size_t compared = 0, tasks = 0;
    for (const TrainingWord& word : TrainingWords()) {
        for (const LevelName& level : LevelsOf(word.Id)) {
            const std::vector<Worksheet> sheets =
                MakeWorksheets({word.Id, level.Level, 12, 20, 5, "", true});
            ASSERT_EQ(sheets.size(), 12U);
            for (const Worksheet& sheet : sheets) {
                SCOPED_TRACE(testing::Message()
                             << word.Word << " " << level.Level << " " << sheet.Id);
                EXPECT_EQ(sheet.Id, "5-" + std::to_string(sheet.Number));
                ASSERT_EQ(sheet.Tasks.size(), 20U);
                const auto drill = DrillRecords(word.Id, level.Level, SheetSeed(5, sheet.Number));
                std::set<std::pair<std::string, std::string>> asked;
                for (std::size_t i = 0; i < 20; ++i) {
                    const WorksheetTask& task = sheet.Tasks[i];
                    EXPECT_TRUE(asked.emplace(task.Given, task.ToUnit).second)
                        << task.Given << " in " << task.ToUnit;
                    EXPECT_NE(task.Json.find("\"Task\": " + std::to_string(i + 1) + ","),
                              std::string::npos);
                    EXPECT_TRUE(i >= drill.size() || task.Json.find(drill[i]) != std::string::npos)
                        << task.Json << "\n"
                        << drill[i];
                }
                compared += drill.size();
                tasks += 20;
            }
        }
    }
    EXPECT_GT(compared, tasks * 19 / 20); // nearly all
}

// A printed series gives the same sheets on every machine and version (figures
// from a separate implementation of SplitMix64, MT19937-64 and the rejection).
TEST(Worksheets, DrawsArePinned) {
    EXPECT_EQ(SheetSeed(1234, 3), 3728693401281897946U);
    PortableRandom rng(SheetSeed(1234, 1)); // a braced list draws from left to right
    EXPECT_EQ((std::vector{rng.Random(100), rng.Random(100), rng.Random(2), rng.Random(9),
                           rng.Random(1000000)}),
              (std::vector{87, 70, 1, 3, 897575}));
}

TEST(TrainingNames, WordsAndCaptionsComeFromTheStartMenu) {
    EXPECT_EQ(std::tuple(TrainingByWord("Länge"), TrainingByWord("FLÄCHEN-RAUMMASSE"),
                         TrainingByWord("laenge ")),
              std::tuple(Training::Laenge, Training::FR, std::optional<Training>()));
    for (const TrainingWord& w : TrainingWords())
        EXPECT_EQ(TrainingByWord(w.Word), w.Id);
    EXPECT_EQ(TrainingTitle(Training::Kubik), "Maßeinheiten · Volumen · Kubik");
    EXPECT_EQ(std::tuple(LevelCaption(Training::Masse, 6), LevelCaption(Training::DezDez, 3),
                         LevelCaption(Training::LFM, 3), LevelCaption(Training::Laenge, 6)),
              std::tuple("Volksschüler", "Fortgeschritten", "Fortgeschrittener", ""));
}

// The PDF tests run the other options end to end.
TEST(CommandLine, TakesEveryOptionAndRefusesWhatItCannotMake) {
    std::string error;
    const auto parse = [&](std::vector<std::string_view> a) { return ParseCommandLine(a, error); };
    const auto line = parse({"--training=masse", "--level=6", "--tasks", "10", "--json"});
    const auto none = parse({}), list = parse({"--list"});
    ASSERT_TRUE(line && none && list) << error;
    EXPECT_EQ(std::tuple(line->What, line->Request.Id, line->Request.Level, line->Request.Tasks,
                         line->Json, line->SeedGiven, line->Output, none->What, list->What),
              std::tuple(Command::Make, Training::Masse, 6, 10, true, false, "", Command::Window,
                         Command::List));
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/worksheet_refused_options.csv")) {
        std::vector<std::string_view> args;
        for (const auto word : std::views::split(std::string_view(row["args"]), ' '))
            args.emplace_back(word.begin(), word.end());
        EXPECT_FALSE(parse(args)) << row.Where();
        EXPECT_NE(error.find(row["message"]), std::string::npos) << row.Where() << ": " << error;
    }
}

// The kinds of path no test may write to; system errors are checked with the PDF writer.
TEST(OutputPath, TellsInGermanWhyAPathCannotTakeThePdf) {
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/ws-unwritable-paths.csv")) {
        if (row["as root"] == "no" && ::geteuid() == 0) continue;
        EXPECT_EQ(UnwritableReason(row["path"]), row["reason"]) << row.Where();
    }
}

} // namespace
} // namespace quarvel
