// The drill opened with a code shows, pass by pass, exactly the tasks
// `quarvel-arbeitsblatt --code CODE --json` prints; the worksheet program
// makes codes and checks result codes.

#include "../TestData.h"
#include "arbeitsblatt/Run.h"
#include "drill/DrillSession.h"
#include "worksheet/TaskRecordJson.h"

#include <gtest/gtest.h>

#include <ranges>
#include <sstream>
#include <string>
#include <vector>

namespace quarvel {
namespace {

struct Ran {
    int Status;
    std::string Out, Err;
};

Ran RunArgs(const std::vector<std::string_view>& args) {
    std::ostringstream out, err;
    const int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

// The record of line `line` as WriteTask writes it, without its braces.
std::string RecordOf(const DrillSession& session, int line) {
    JsonObject json;
    if (session.Group() == LevelGroup::Decadic) {
        WriteTask(session.DekSheet()[line], true, json);
    } else {
        WriteTask(session.MeasureSheet()[line], true, json);
    }
    const std::string text = json.str();
    return text.substr(1, text.size() - 2);
}

TEST(CodedDrill, ShowsPassByPassTheTasksOfTheCodesSheetAndAgainOnRestart) {
    for (const Exercise& e :
         {Exercise{Training::Laenge, 3, 3, 1234}, Exercise{Training::DekDek, 4, 4, 77},
          Exercise{Training::Alle, 5, 10, 0xFFFFFF}, Exercise{Training::Masse, 6, 3, 5}}) {
        const std::string code = ExerciseCode(e);
        SCOPED_TRACE(code);
        const Ran sheet = RunArgs({"--code", code, "--json"});
        ASSERT_EQ(sheet.Status, 0) << sheet.Err;
        std::istringstream printed(sheet.Out);

        // Not the window's own source of random draws, nor its pass count.
        DrillSession session(InfoOf(e.Id).Group, std::make_shared<SeededRandom>(99));
        SelectionState base;
        base.MaxPasses = 8;
        session.OpenExercise(e, base);
        ASSERT_EQ(session.CurrentExercise(), e);
        ASSERT_EQ(session.State().MaxPasses(), e.Passes);
        std::vector<std::string> drilled;
        for (int pass = 1; pass <= e.Passes; ++pass) {
            EXPECT_EQ(session.State().Pass(), pass);
            for (int line = 1; line <= kLines; ++line) {
                drilled.push_back(RecordOf(session, line));
                std::string record;
                ASSERT_TRUE(std::getline(printed, record)) << "pass " << pass;
                EXPECT_NE(record.find("\"Pass\": " + std::to_string(pass) +
                                      ", \"Line\": " + std::to_string(line) + ","),
                          std::string::npos)
                    << record;
                EXPECT_TRUE(record.ends_with(", " + drilled.back() + "}")) << record;
                session.Exit(line, "987654321"); // twice wrong
                session.Exit(line, "987654321");
            }
            if (pass < e.Passes) {
                EXPECT_TRUE(session.Weiter().NextPass);
            }
        }
        EXPECT_TRUE(printed.peek() == EOF) << "more printed than drilled";

        ASSERT_TRUE(session.EvaluationDue());
        const std::optional<std::string> result = session.ExerciseResultCode();
        ASSERT_TRUE(result);
        const CodeReading<ExerciseResult> read = ReadResultCode(*result);
        ASSERT_TRUE(read) << read.Refusal;
        EXPECT_EQ(*read.Value, (ExerciseResult{e, 0, 10 * e.Passes}));

        session.Restart();
        EXPECT_FALSE(session.ExerciseResultCode());
        EXPECT_EQ(RecordOf(session, 1), drilled[0]);
        EXPECT_EQ(RecordOf(session, 5), drilled[4]);
    }
}

TEST(CodedDrill, OpenWithoutACodeIsRandomAgainAndAForeignExerciseIsRefused) {
    DrillSession session(LevelGroup::Measure, std::make_shared<SeededRandom>(1));
    session.OpenExercise({Training::Laenge, 3, 3, 1234});
    SelectionState selection;
    selection.LevelLaenge = 3;
    session.Open(selection);
    EXPECT_FALSE(session.CurrentExercise());
    EXPECT_THROW(session.OpenExercise({Training::LM, 3, 3, 1}), std::invalid_argument);
    EXPECT_THROW(session.OpenExercise({Training::Laenge, 6, 3, 1}), std::invalid_argument);
}

TEST(WorksheetProgram, MakesCodesAndChecksResultCodes) {
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/code_worksheet_program.csv")) {
        std::vector<std::string_view> args;
        for (const auto word : std::views::split(std::string_view(row["args"]), '|'))
            args.emplace_back(word.begin(), word.end());
        const Ran ran = RunArgs(args);
        EXPECT_EQ(ran.Status, row.Int("status")) << row.Where() << ran.Err;
        EXPECT_EQ(ran.Out, row["out"].empty() ? "" : row["out"] + "\n") << row.Where();
        EXPECT_NE(ran.Err.find(row["err"]), std::string::npos) << row.Where() << ran.Err;
    }
    const std::vector<std::string_view> fresh = {"--training", "alle", "--level", "1", "--code"};
    EXPECT_NE(RunArgs(fresh).Out, RunArgs(fresh).Out) << "without --seed, a new code each time";
}

} // namespace
} // namespace quarvel
