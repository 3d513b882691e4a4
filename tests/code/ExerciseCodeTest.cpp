// Exercise and result codes: round trips, and every typing slip refused. The
// pinned codes were worked out apart from this program from the code's layout
// (mixed radix, base 31, weighted check character), so codes already handed
// out keep their meaning.

#include "drill/ExerciseCode.h"
#include "../TestData.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
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

TEST(ExerciseCode, EveryExerciseRoundTripsAndEverySlipIsRefused) {
    std::set<std::string> seen;
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
                    EXPECT_TRUE(seen.insert(code).second) << "two exercises share " << code;
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
    EXPECT_NE(ReadExerciseCode(std::string_view("5XWP\0677V", 9)).Refusal.find("Steuerzeichen"),
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
    std::set<std::string> seen;
    for (int halves = 0; halves <= 30; ++halves) {
        for (int tries = 0; tries <= 30; ++tries) {
            const std::string code = ResultCode({e, halves, tries});
            ASSERT_EQ(code.size(), 17U);
            EXPECT_TRUE(code[5] == '-' && code[11] == '-') << code;
            const CodeReading<ExerciseResult> back = ReadResultCode(code);
            ASSERT_TRUE(back) << code << ": " << back.Refusal;
            EXPECT_EQ(*back.Value, (ExerciseResult{e, halves, tries})) << code;
            EXPECT_TRUE(seen.insert(code).second) << code;
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
    EXPECT_EQ(ReadResultCode("3CRWB-GJ69W-45EP").Refusal,
              "Ein Ergebniscode hat 15 Zeichen, hier sind es 14.");
    EXPECT_EQ(ReadResultCode("5XWP-677V").Refusal,
              "Ein Ergebniscode hat 15 Zeichen, hier sind es 8.");
}

TEST(ExerciseSelection, ChoosesTheTrainingAsTheStartMenuWould) {
    SelectionState base;
    base.LevelLaenge = base.AreaCode = 1;
    base.TimeDisplay = true;
    const SelectionState kubik = ExerciseSelection({Training::Kubik, 2, 7, 5}, base);
    EXPECT_EQ(kubik.LevelKubik, 2);
    EXPECT_EQ(kubik.LevelLaenge, 0);
    EXPECT_EQ(kubik.AreaCode, 8); // volume
    EXPECT_EQ(kubik.MaxPasses, 7);
    EXPECT_TRUE(kubik.TimeDisplay);
    const SelectionState lm = ExerciseSelection({Training::LM, 5, 3, 5});
    EXPECT_EQ(lm.LevelLM * 10 + lm.KombiCategory, 51);
    EXPECT_EQ(ExerciseSelection({Training::DezNum, 1, 3, 0}).AreaCode, 3);
}

} // namespace
} // namespace quarvel
