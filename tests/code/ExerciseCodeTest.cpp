// Exercise and result codes: round trips, and every typing slip refused.
// The pinned codes were worked out apart from this program, from the code's
// layout (mixed radix, base 31, weighted check character); a change that
// would make the codes teachers have handed out mean something else fails.

#include "drill/ExerciseCode.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quarvel {
namespace {

constexpr std::string_view kAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";

std::vector<Exercise> EveryExercise() {
    std::vector<Exercise> all;
    for (int t = 0; t < 15; ++t) {
        const auto training = static_cast<Training>(t);
        const int levels = training == Training::Masse ? 6 : 5;
        for (int level = 1; level <= levels; ++level) {
            for (const int passes : {3, 4, 7, 10}) {
                for (const std::uint32_t seed : {0U, 1U, 1234U, 0x800000U, 0xFFFFFFU})
                    all.push_back({training, level, passes, seed});
            }
        }
    }
    return all;
}

// The code without its dash.
std::string Bare(std::string code) {
    std::erase(code, '-');
    return code;
}

TEST(ExerciseCode, EveryExerciseRoundTripsUnderItsOwnCode) {
    std::set<std::string> seen;
    for (const Exercise& e : EveryExercise()) {
        const std::string code = ExerciseCode(e);
        ASSERT_EQ(code.size(), 9U) << code;
        EXPECT_EQ(code[4], '-') << code;
        EXPECT_EQ(Bare(code).find_first_not_of(kAlphabet), std::string::npos) << code;
        const CodeReading<Exercise> back = ReadExerciseCode(code);
        ASSERT_TRUE(back) << code << ": " << back.Refusal;
        EXPECT_EQ(*back.Value, e) << code;
        EXPECT_TRUE(seen.insert(code).second) << "two exercises share " << code;
    }
}

TEST(ExerciseCode, PinnedCodesAndTheWaysTheyMayBeTyped) {
    const Exercise laenge{Training::Laenge, 3, 3, 1234};
    EXPECT_EQ(ExerciseCode(laenge), "5XWP-677V");
    EXPECT_EQ(ExerciseCode({Training::Masse, 6, 10, 0xFFFFFF}), "7FSZ-8DNH");
    EXPECT_EQ(ExerciseCode({Training::DekNum, 1, 3, 0}), "2222-2222");
    for (const char* typed :
         {"5xwp-677v", " 5XWP677V ", "5x wp 6-7-7v", "5XWP–677V", "5XWP\t677V"}) {
        const CodeReading<Exercise> r = ReadExerciseCode(typed);
        EXPECT_TRUE(r && *r.Value == laenge) << typed << ": " << r.Refusal;
    }
}

TEST(ExerciseCode, ExercisesThatCannotBeCodedAreRejected) {
    for (const Exercise& e :
         {Exercise{Training::Laenge, 6, 3, 0}, Exercise{Training::Laenge, 0, 3, 0},
          Exercise{Training::Alle, 1, 2, 0}, Exercise{Training::Alle, 1, 11, 0},
          Exercise{Training::Alle, 1, 3, 0x1000000}}) {
        EXPECT_FALSE(Codable(e));
        EXPECT_THROW(ExerciseCode(e), std::invalid_argument);
        EXPECT_THROW(ResultCode({e, 0, 0}), std::invalid_argument);
    }
}

TEST(ExerciseCode, EverySingleSlipAndNeighbourSwapIsRefused) {
    for (const Exercise& e :
         {Exercise{Training::Laenge, 3, 3, 1234}, Exercise{Training::DezDez, 5, 10, 7},
          Exercise{Training::Masse, 6, 4, 0xABCDEF}, Exercise{Training::LFM, 2, 8, 99}}) {
        const std::string code = Bare(ExerciseCode(e));
        for (std::size_t i = 0; i < code.size(); ++i) {
            for (const char c : kAlphabet) {
                if (c == code[i]) continue;
                std::string slip = code;
                slip[i] = c;
                EXPECT_FALSE(ReadExerciseCode(slip)) << code << " -> " << slip;
            }
            if (i + 1 < code.size() && code[i] != code[i + 1]) {
                std::string swapped = code;
                std::swap(swapped[i], swapped[i + 1]);
                const CodeReading<Exercise> r = ReadExerciseCode(swapped);
                EXPECT_FALSE(r) << code << " -> " << swapped;
                EXPECT_EQ(r.Refusal, kCodeMistyped);
            }
        }
    }
}

TEST(ExerciseCode, RefusalsSayWhatIsWrong) {
    const struct {
        const char* Typed;
        const char* Refusal;
    } cases[] = {
        {"5XWP-677", "Ein Übungscode hat 8 Zeichen, hier sind es 7."},
        {"5XWP-677VV", "Ein Übungscode hat 8 Zeichen, hier sind es 9."},
        {" - ", "Bitte den Übungscode eingeben."},
        {"5XWP-6O7V", "Das Zeichen „O“ kommt in keinem Code vor: 0 und O, 1, I und L werden nicht "
                      "verwendet, damit nichts verwechselt wird."},
        {"5xwp-l77v", "Das Zeichen „l“ kommt in keinem Code vor: 0 und O, 1, I und L werden nicht "
                      "verwendet, damit nichts verwechselt wird."},
        {"5XWP-6Ä7V", "Das Zeichen „Ä“ kommt in keinem Code vor: nur die Ziffern 2 bis 9 und die "
                      "Buchstaben außer I, L und O."},
        {"5XWP-677X", "Der Code ist nicht gültig – bitte Zeichen für Zeichen prüfen."},
        // Check characters right, but Länge has no sixth level, and the
        // largest payloads name no training at all.
        {"6DYP-2USA", "Diesen Übungscode gibt es nicht – bitte Zeichen für Zeichen prüfen."},
        {"FMXY-2FNV", "Diesen Übungscode gibt es nicht – bitte Zeichen für Zeichen prüfen."},
        {"ZZZZ-ZZZ5", "Diesen Übungscode gibt es nicht – bitte Zeichen für Zeichen prüfen."},
    };
    for (const auto& c : cases) {
        const CodeReading<Exercise> r = ReadExerciseCode(c.Typed);
        EXPECT_FALSE(r.Value.has_value()) << c.Typed;
        EXPECT_EQ(r.Refusal, c.Refusal) << c.Typed;
    }
    EXPECT_NE(ReadExerciseCode(std::string_view("5XWP\0677V", 9)).Refusal.find("Steuerzeichen"),
              std::string::npos);
    EXPECT_NE(ReadExerciseCode("5XWP\xff"
                               "677V")
                  .Refusal.find("unlesbares"),
              std::string::npos);
}

TEST(ResultCode, EveryScoreOfAThreePassDrillRoundTrips) {
    const Exercise e{Training::Laenge, 3, 3, 1234};
    std::set<std::string> seen;
    for (int halves = 0; halves <= 30; ++halves) {
        for (int tries = 0; tries <= 30; ++tries) {
            const ExerciseResult result{e, halves, tries};
            const std::string code = ResultCode(result);
            ASSERT_EQ(code.size(), 17U);
            EXPECT_TRUE(code[5] == '-' && code[11] == '-') << code;
            const CodeReading<ExerciseResult> back = ReadResultCode(code);
            ASSERT_TRUE(back) << code << ": " << back.Refusal;
            EXPECT_EQ(*back.Value, result) << code;
            EXPECT_TRUE(seen.insert(code).second) << code;
        }
    }
    EXPECT_THROW(ResultCode({e, 31, 0}), std::invalid_argument);
    EXPECT_THROW(ResultCode({e, 0, -1}), std::invalid_argument);
    EXPECT_EQ(ResultCode({e, 27, 18}), "3CRWB-GJ69W-45EPT");
}

// The check character over 14 digits, as a forger would work it out.
char CheckCharacter(const std::string& digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum += static_cast<int>(i + 1) * static_cast<int>(kAlphabet.find(digits[i]));
    return kAlphabet[static_cast<std::size_t>(sum % 31)];
}

TEST(ResultCode, SlipsAreRefusedAndEditedFiguresAreNotGenuine) {
    const Exercise e{Training::Kubik, 4, 5, 4321};
    for (const auto& [halves, tries] : {std::pair{0, 0}, {50, 25}, {37, 31}, {1, 50}}) {
        const std::string code = Bare(ResultCode({e, halves, tries}));
        for (std::size_t i = 0; i < code.size(); ++i) {
            for (const char c : kAlphabet) {
                if (c == code[i]) continue;
                std::string slip = code;
                slip[i] = c;
                const CodeReading<ExerciseResult> r = ReadResultCode(slip);
                EXPECT_EQ(r.Refusal, kCodeMistyped) << code << " -> " << slip;
                // The same edit with its check character made right is caught
                // by the keyed check.
                slip.back() = CheckCharacter(slip.substr(0, 14));
                if (i < 14) {
                    EXPECT_EQ(ReadResultCode(slip).Refusal, kResultNotGenuine) << slip;
                }
            }
            if (i + 1 < code.size() && code[i] != code[i + 1]) {
                std::string swapped = code;
                std::swap(swapped[i], swapped[i + 1]);
                EXPECT_FALSE(ReadResultCode(swapped)) << code << " -> " << swapped;
            }
        }
    }
    EXPECT_EQ(ReadResultCode("3CRWB-GJ69W-45EP").Refusal,
              "Ein Ergebniscode hat 15 Zeichen, hier sind es 14.");
    EXPECT_EQ(ReadResultCode("5XWP-677V").Refusal,
              "Ein Ergebniscode hat 15 Zeichen, hier sind es 8.");
}

TEST(ExerciseSelection, ChoosesTheTrainingAsTheStartMenuWould) {
    SelectionState base;
    base.LevelLaenge = 4;
    base.LevelDekNum = 2;
    base.AreaCode = 1;
    base.TimeDisplay = true;
    const SelectionState kubik = ExerciseSelection({Training::Kubik, 2, 7, 5}, base);
    EXPECT_EQ(kubik.LevelKubik, 2);
    EXPECT_EQ(kubik.LevelLaenge + kubik.LevelDekNum, 0);
    EXPECT_EQ(kubik.AreaCode, 8); // volume
    EXPECT_EQ(kubik.MaxPasses, 7);
    EXPECT_TRUE(kubik.TimeDisplay);
    const SelectionState lm = ExerciseSelection({Training::LM, 5, 3, 5});
    EXPECT_EQ(lm.LevelLM, 5);
    EXPECT_EQ(lm.KombiCategory, 1);
    EXPECT_EQ(ExerciseSelection({Training::DezNum, 1, 3, 0}).AreaCode, 3);
}

} // namespace
} // namespace quarvel
