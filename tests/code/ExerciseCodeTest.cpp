// Exercise and result codes: round trips, and every typing slip refused; the
// coded drill shows, pass by pass, exactly the tasks `quarvel-arbeitsblatt
// --code CODE --json` prints; the worksheet program makes codes and checks
// result codes. The pinned codes were worked out apart from this program from
// the code's layout (mixed radix, base 31, weighted check character).

#include "../TestData.h"
#include "arbeitsblatt/Run.h"
#include "drill/DrillSession.h"
#include "worksheet/TaskRecordJson.h"

#include <gtest/gtest.h>

#include <ranges>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace quarvel {
namespace {

constexpr std::string_view kAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";

std::string Bare(std::string code) {
    std::erase(code, '-');
    return code;
}

// Every other character in each place, and every swap of unequal neighbours.
std::vector<std::string> Slips(const std::string& code) {
    std::vector<std::string> slips;
    for (std::size_t i = 0; i < code.size(); ++i) {
        for (const char c : kAlphabet)
            if (c != code[i]) (slips.emplace_back(code))[i] = c;
        if (i + 1 < code.size() && code[i] != code[i + 1]) {
            std::string& swapped = slips.emplace_back(code);
            std::swap(swapped[i], swapped[i + 1]);
        }
    }
    return slips;
}

// Reading back every code as what made it also proves no two share a code.
TEST(ExerciseCode, EveryExerciseRoundTripsAndEverySlipIsRefused) {
    for (int t = 0; t < 15; ++t) {
        const auto training = static_cast<Training>(t);
        for (int level = 1; level <= (training == Training::Masse ? 6 : 5); ++level) {
            for (const int passes : {3, 4, 7, 10}) {
                for (const std::uint32_t seed : {0U, 1U, 1234U, 0x800000U, 0xFFFFFFU}) {
                    const Exercise e{training, level, passes, seed};
                    const std::string code = ExerciseCode(e);
                    ASSERT_EQ(code.size(), 9U) << code;
                    EXPECT_EQ(code[4], '-') << code;
                    EXPECT_EQ(Bare(code).find_first_not_of(kAlphabet), std::string::npos);
                    const CodeReading<Exercise> back = ReadExerciseCode(code);
                    ASSERT_TRUE(back) << code << ": " << back.Refusal;
                    EXPECT_EQ(*back.Value, e) << code;
                    if (seed != 1234U || passes != 7) continue;
                    for (const std::string& slip : Slips(Bare(code)))
                        EXPECT_EQ(ReadExerciseCode(slip).Refusal, kCodeMistyped) << slip;
                }
            }
        }
    }
    EXPECT_EQ(ExerciseCode({Training::Laenge, 3, 3, 1234}), "5XWP-677V");
    EXPECT_EQ(ExerciseCode({Training::Masse, 6, 10, 0xFFFFFF}), "7FSZ-8DNH");
    EXPECT_EQ(ExerciseCode({Training::DekNum, 1, 3, 0}), "2222-2222");
    for (const Exercise& e : {Exercise{Training::Laenge, 6, 3, 0},
                              {Training::Laenge, 0, 3, 0},
                              {Training::Alle, 1, 2, 0},
                              {Training::Alle, 1, 11, 0},
                              {Training::Alle, 1, 3, 0x1000000}}) {
        EXPECT_FALSE(Codable(e));
        EXPECT_THROW(ExerciseCode(e), std::invalid_argument);
        EXPECT_THROW(ResultCode({e, 0, 0}), std::invalid_argument);
    }
}

TEST(ExerciseCode, TypedCodesAreReadOrRefusedWithTheirReason) {
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/code_exercise_readings.csv")) {
        const CodeReading<Exercise> r = ReadExerciseCode(row["typed"]);
        EXPECT_EQ(r.Refusal, row["refusal"]) << row.Where();
        EXPECT_EQ(r.Value, row["refusal"].empty()
                               ? std::optional<Exercise>(Exercise{Training::Laenge, 3, 3, 1234})
                               : std::nullopt)
            << row.Where();
    }
    EXPECT_NE(ReadExerciseCode(std::string_view("5XWP\0"
                                                "677V",
                                                9))
                  .Refusal.find("Steuerzeichen"),
              std::string::npos);
    EXPECT_NE(ReadExerciseCode("5XWP\xff-677V").Refusal.find("unlesbares"), std::string::npos);
}

// The check character over 14 digits, as a forger would work it out.
char CheckCharacter(const std::string& digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum += static_cast<int>(i + 1) * static_cast<int>(kAlphabet.find(digits[i]));
    return kAlphabet[static_cast<std::size_t>(sum % 31)];
}

TEST(ResultCode, EveryScoreRoundTripsAndEveryChangeIsRefused) {
    const Exercise e{Training::Laenge, 3, 3, 1234};
    for (int halves = 0; halves <= 30; ++halves) {
        for (int tries = 0; tries <= 30; ++tries) {
            const std::string code = ResultCode({e, halves, tries});
            ASSERT_EQ(code.size(), 17U);
            EXPECT_TRUE(code[5] == '-' && code[11] == '-') << code;
            const CodeReading<ExerciseResult> back = ReadResultCode(code);
            ASSERT_TRUE(back) << code << ": " << back.Refusal;
            EXPECT_EQ(*back.Value, (ExerciseResult{e, halves, tries})) << code;
        }
    }
    EXPECT_THROW(ResultCode({e, 31, 0}), std::invalid_argument);
    EXPECT_THROW(ResultCode({e, 0, -1}), std::invalid_argument);
    EXPECT_EQ(ResultCode({e, 27, 18}), "3CRWB-GJ69W-45EPT");

    for (const auto& [halves, tries] : {std::pair{0, 0}, {50, 25}, {37, 31}, {1, 50}}) {
        const std::string code = Bare(ResultCode({{Training::Kubik, 4, 5, 4321}, halves, tries}));
        for (std::string slip : Slips(code)) {
            EXPECT_EQ(ReadResultCode(slip).Refusal, kCodeMistyped) << code << " -> " << slip;
            if (slip.back() != code.back()) continue;
            // The same edit with its check character made right: the keyed check.
            slip.back() = CheckCharacter(slip.substr(0, 14));
            EXPECT_EQ(ReadResultCode(slip).Refusal, kResultNotGenuine) << slip;
        }
    }
    EXPECT_EQ(ReadResultCode("3CRWB-GJ69W-45EP").Refusal + ReadResultCode("5XWP-677V").Refusal,
              "Ein Ergebniscode hat 15 Zeichen, hier sind es 14."
              "Ein Ergebniscode hat 15 Zeichen, hier sind es 8.");
}

TEST(ExerciseSelection, ChoosesTheTrainingAsTheStartMenuWould) {
    const SelectionState s =
        ExerciseSelection({Training::Kubik, 2, 7, 5}, {.LevelLaenge = 4, .TimeDisplay = true});
    EXPECT_EQ(std::tuple(s.LevelKubik, s.LevelLaenge, s.AreaCode, s.MaxPasses, s.TimeDisplay),
              std::tuple(2, 0, 8, 7, true)); // area 8: volume
    EXPECT_EQ(ExerciseSelection({Training::LM, 5, 3, 5}).KombiCategory, 1);
}

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
    WriteTask(session.Group() == LevelGroup::Decadic ? AnyTask(session.DekSheet()[line])
                                                     : AnyTask(session.MeasureSheet()[line]),
              true, json);
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
        session.OpenExercise(e, {.MaxPasses = 8});
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
            EXPECT_EQ(session.Weiter().NextPass, pass < e.Passes);
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
    session.Open({.LevelLaenge = 3});
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
