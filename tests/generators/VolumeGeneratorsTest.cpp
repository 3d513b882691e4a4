// The cubic, litre and mixed volume generators: their tables, scripted tasks
// with known answers, and sweeps over every draw that check each answer
// against the given value by moving the decimal comma.

#include "generators/VKubikU.h"
#include "generators/VLiterU.h"
#include "generators/VNurGemischtU.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using Generator = void (*)(AppState&, int);

struct Level {
    std::string_view Name;
    Generator Generate;
    const GeneratorSpec* Tables;
};

std::vector<Level> AllLevels() {
    const Generator kubik[] = {GenerateKubik1, GenerateKubik2, GenerateKubik3, GenerateKubik4,
                               GenerateKubik5};
    const Generator liter[] = {GenerateLiter1, GenerateLiter2, GenerateLiter3, GenerateLiter4,
                               GenerateLiter5};
    const Generator gemischt[] = {GenerateRaumGemischt1, GenerateRaumGemischt2,
                                  GenerateRaumGemischt3, GenerateRaumGemischt4,
                                  GenerateRaumGemischt5};
    std::vector<Level> levels;
    for (std::size_t i = 0; i < 5; ++i) {
        levels.push_back({KubikSpecs()[i].Name, kubik[i], &KubikSpecs()[i]});
        levels.push_back({LiterSpecs()[i].Name, liter[i], &LiterSpecs()[i]});
        levels.push_back({RaumGemischtSpecs()[i].Name, gemischt[i], &RaumGemischtSpecs()[i]});
    }
    return levels;
}

std::int64_t Pow10(std::size_t k) {
    std::int64_t result = 1;
    for (std::size_t i = 0; i < k; ++i)
        result *= 10;
    return result;
}

// The draws that make a base pattern return `base`. Scaled and decimal patterns
// draw exactly like the base pattern they are built on, and so do RandTensTenths
// and RandTensHundredths with the two digits they show ("40,3" is base 43).
std::vector<int> BaseDraws(std::int64_t base) {
    const std::size_t n = std::to_string(base).size();
    const int last = static_cast<int>(base % 10) - 1;
    if (n == 1) return {last};
    if (n == 2) return {static_cast<int>(base / 10) - 1, last};
    if (n <= 7) return {static_cast<int>(base / 10 - Pow10(n - 2)), last};
    std::vector<int> draws = BaseDraws(base / 10);
    draws.push_back(last);
    return draws;
}

struct Task {
    TTaskRecord Record;
    int AnswerWidth = 0;
    int ToUnitLeft = 0;
    std::string_view LastGenerator;
};

// Runs one generator on line 3 with scripted draws; the script must be used up
// exactly, which proves the generator called one pattern and only one.
Task Generate(Generator generate, int direction, int pairDraw, int patternDraw, std::int64_t base) {
    std::vector<int> script{direction - 1, pairDraw - 1, patternDraw - 1};
    for (const int draw : BaseDraws(base))
        script.push_back(draw);
    auto rng = std::make_shared<ScriptedRandom>(script);
    AppState state;
    state.Rng = rng;
    generate(state, 3);
    EXPECT_EQ(rng->Remaining(), 0U) << "draws left over";
    return {state.TaskSheet[3], state.AnswerWidth, state.ToUnitLeft, state.Draws.LastGenerator};
}

void ExpectTask(const Task& task, std::string_view given, std::string_view from,
                std::string_view answer, std::string_view to, int answerDecimals) {
    EXPECT_EQ(task.Record.GivenText.str(), given);
    EXPECT_EQ(task.Record.FromUnit.str(), from);
    EXPECT_EQ(task.Record.AnswerText.str(), answer);
    EXPECT_EQ(task.Record.ToUnit.str(), to);
    EXPECT_EQ(task.Record.AnswerDecimals, answerDecimals);
}

// Size of every volume unit in cubic millimetres (1 ml = 1 cm^3 = 1000 mm^3).
const std::map<std::string_view, std::int64_t> kUnitSize{
    {"m^3", 1'000'000'000}, {"hl", 100'000'000}, {"dm^3", 1'000'000},
    {"l", 1'000'000},       {"dl", 100'000},     {"cl", 10'000},
    {"cm^3", 1'000},        {"ml", 1'000},       {"mm^3", 1}};

// ---------------------------------------------------------------------------
// Tables

void ExpectCovers1To100(auto bands, const std::string& what) {
    int next = 1;
    for (const auto& band : bands) {
        EXPECT_EQ(band.Lo, next) << what << ": gap or overlap";
        EXPECT_LE(band.Lo, band.Hi) << what;
        next = band.Hi + 1;
    }
    EXPECT_EQ(next, 101) << what << ": does not end at 100";
}

TEST(VolumeTables, EveryPairAndPatternTableCovers1To100) {
    for (const Level& level : AllLevels()) {
        const std::string name(level.Name);
        ExpectCovers1To100(level.Tables->Pairs, name + " pairs");
        for (const PairBand& pair : level.Tables->Pairs) {
            const std::string row = name + " row " + std::to_string(pair.Lo);
            ExpectCovers1To100(pair.M, row + " direction 1");
            ExpectCovers1To100(pair.D, row + " direction 2");
        }
    }
}

TEST(VolumeTables, FactorsFollowTheUnitCatalogue) {
    for (const Level& level : AllLevels()) {
        for (const PairBand& pair : level.Tables->Pairs) {
            SCOPED_TRACE(std::string(level.Name) + " " + std::string(pair.From) + " to " +
                         std::string(pair.To));
            ASSERT_TRUE(kUnitSize.contains(pair.From));
            ASSERT_TRUE(kUnitSize.contains(pair.To));
            EXPECT_EQ(kUnitSize.at(pair.From),
                      kUnitSize.at(pair.To) * Pow10(static_cast<std::size_t>(pair.FactorExponent)));
        }
    }
}

// A note may only add decimals; one giving fewer than the exact answer needs
// would cut digits off.
TEST(VolumeTables, AnswerDecimalNotesNeverDropDigits) {
    for (const Level& level : AllLevels()) {
        for (const PairBand& pair : level.Tables->Pairs) {
            for (int direction : {1, 2}) {
                for (const PatternBand& band : direction == 1 ? pair.M : pair.D) {
                    if (band.AnswerDecimals < 0) continue;
                    EXPECT_GT(band.AnswerDecimals,
                              RuleAnswerDecimals(band.P, pair.FactorExponent, direction))
                        << level.Name << " row " << pair.Lo << " direction " << direction
                        << " band " << band.Lo;
                }
            }
        }
    }
}

TEST(VolumeTables, LayoutTrimmingAndRoundingPerLevel) {
    struct Expected {
        int Width;
        bool Trim;
        GivenRounding Rounding;
    };
    using enum GivenRounding;
    const Expected kubik[] = {{170, false, None},
                              {170, false, None},
                              {170, true, Direction1},
                              {170, true, Direction1},
                              {170, true, Direction1}};
    const Expected liter[] = {{170, false, None},
                              {190, true, Direction1Large},
                              {190, true, Direction1Large},
                              {190, true, Direction1Large},
                              {190, true, Direction1Large}};
    const Expected gemischt[] = {{170, false, Direction1Large},
                                 {190, true, Direction1Large},
                                 {190, true, Direction1Large},
                                 {190, true, Direction1Large},
                                 {190, true, Direction1Large}};
    const auto check = [](std::span<const GeneratorSpec> levels, const Expected* expected,
                          std::string_view prefix) {
        ASSERT_EQ(levels.size(), 5U);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(levels[i].Name, std::string(prefix) + std::to_string(i + 1));
            EXPECT_EQ(levels[i].AnswerWidth, expected[i].Width) << levels[i].Name;
            EXPECT_EQ(levels[i].TrimAnswer, expected[i].Trim) << levels[i].Name;
            EXPECT_EQ(levels[i].Rounding, expected[i].Rounding) << levels[i].Name;
        }
    };
    check(KubikSpecs(), kubik, "GenerateKubik");
    check(LiterSpecs(), liter, "GenerateLiter");
    check(RaumGemischtSpecs(), gemischt, "GenerateRaumGemischt");
}

// ---------------------------------------------------------------------------
// Pair shares, seen through the generators

// PairDraw 1..100 in both directions: how often each pair comes up, keyed by
// the direction-1 pair; direction 2 must be the same pair reversed.
std::map<std::pair<std::string, std::string>, int> PairShares(Generator generate) {
    SeededRandom digits(7);
    auto rng = std::make_shared<ScriptedRandom>(std::vector<int>{}, &digits);
    AppState state;
    state.Rng = rng;
    std::map<std::pair<std::string, std::string>, int> shares;
    for (int pairDraw = 1; pairDraw <= 100; ++pairDraw) {
        rng->Append({0, pairDraw - 1, 49});
        generate(state, 1);
        const TTaskRecord forth = state.TaskSheet[1];
        rng->Append({1, pairDraw - 1, 49});
        generate(state, 1);
        const TTaskRecord back = state.TaskSheet[1];
        EXPECT_EQ(back.FromUnit, forth.ToUnit) << "PairDraw " << pairDraw;
        EXPECT_EQ(back.ToUnit, forth.FromUnit) << "PairDraw " << pairDraw;
        EXPECT_GE(kUnitSize.at(forth.FromUnit.str()), kUnitSize.at(forth.ToUnit.str()));
        ++shares[{forth.FromUnit.str(), forth.ToUnit.str()}];
    }
    return shares;
}

void ExpectShares(Generator generate, std::size_t pairs, int smallest, int largest) {
    const auto shares = PairShares(generate);
    EXPECT_EQ(shares.size(), pairs);
    for (const auto& [pair, count] : shares) {
        EXPECT_GE(count, smallest) << pair.first << " to " << pair.second;
        EXPECT_LE(count, largest) << pair.first << " to " << pair.second;
    }
}

TEST(VolumePairShares, Kubik) {
    ExpectShares(GenerateKubik1, 3, 33, 34);
    ExpectShares(GenerateKubik2, 3, 33, 34);
    ExpectShares(GenerateKubik3, 5, 20, 20);
    ExpectShares(GenerateKubik4, 6, 16, 17);
    ExpectShares(GenerateKubik5, 6, 16, 17);
    const auto level4 = PairShares(GenerateKubik4);
    EXPECT_EQ(level4.at({"m^3", "mm^3"}), 17);
}

TEST(VolumePairShares, Liter) {
    ExpectShares(GenerateLiter1, 7, 13, 15);
    ExpectShares(GenerateLiter2, 8, 12, 13);
    for (Generator level : {GenerateLiter3, GenerateLiter4, GenerateLiter5})
        ExpectShares(level, 10, 10, 10);
    EXPECT_TRUE(PairShares(GenerateLiter2).contains({"hl", "dl"}));
    EXPECT_FALSE(PairShares(GenerateLiter1).contains({"hl", "dl"}));
}

TEST(VolumePairShares, RaumGemischt) {
    ExpectShares(GenerateRaumGemischt1, 10, 10, 10);
    ExpectShares(GenerateRaumGemischt2, 12, 8, 9);
    ExpectShares(GenerateRaumGemischt3, 12, 8, 9);
    ExpectShares(GenerateRaumGemischt4, 16, 6, 7);
    ExpectShares(GenerateRaumGemischt5, 20, 5, 5);
    EXPECT_TRUE(PairShares(GenerateRaumGemischt3).contains({"hl", "cm^3"}));
    EXPECT_FALSE(PairShares(GenerateRaumGemischt3).contains({"l", "dm^3"}));
    EXPECT_TRUE(PairShares(GenerateRaumGemischt5).contains({"l", "mm^3"}));
}

// ---------------------------------------------------------------------------
// Scripted tasks: Generate(generator, direction, PairDraw, PatternDraw, base)

TEST(VolumeKubik, WholeNumbersAtTheFirstLevels) {
    ExpectTask(Generate(GenerateKubik1, 1, 50, 5, 4), "4", "dm^3", "4000", "cm^3", 0);
    ExpectTask(Generate(GenerateKubik1, 2, 80, 30, 3), "30000", "mm^3", "30", "cm^3", 0);
    // A note keeps one decimal at level 2, untrimmed; the answer check trims it.
    ExpectTask(Generate(GenerateKubik2, 2, 50, 70, 3), "300000", "cm^3", "300,0", "dm^3", 1);
}

TEST(VolumeKubik, MillionsAndThousandths) {
    ExpectTask(Generate(GenerateKubik3, 1, 30, 58, 2345), "2,345", "m^3", "2345000", "cm^3", 0);
    ExpectTask(Generate(GenerateKubik3, 2, 30, 50, 4321), "4321", "cm^3", "0,004321", "m^3", 6);
    // Note of 6 decimals, trimmed from level 3 on: 0,000050 becomes 0,00005.
    ExpectTask(Generate(GenerateKubik4, 2, 20, 2, 5), "50", "cm^3", "0,00005", "m^3", 6);
}

TEST(VolumeKubik, LongestAnswersOfLevelFive) {
    const Task up = Generate(GenerateKubik5, 1, 40, 55, 1234);
    ExpectTask(up, "1234", "m^3", "1234000000000", "mm^3", 0);
    EXPECT_EQ(up.Record.AnswerValue, 1.234e12);
    ExpectTask(Generate(GenerateKubik5, 2, 40, 5, 7), "70000", "mm^3", "0,00007", "m^3", 5);
}

TEST(VolumeKubik, GivenValueReadBackFromItsTextFromLevelThree) {
    const Task rounded = Generate(GenerateKubik3, 1, 10, 48, 11);
    ExpectTask(rounded, "1,1", "m^3", "1100", "dm^3", 0);
    EXPECT_EQ(rounded.Record.GivenValue, 1.1);
    EXPECT_EQ(rounded.Record.AnswerValue, 1100.0);
    // Level 2 keeps the pattern's single-precision value; only the text is exact.
    const Task plain = Generate(GenerateKubik2, 1, 10, 60, 11);
    ExpectTask(plain, "1,1", "m^3", "1100", "dm^3", 0);
    EXPECT_NE(plain.Record.AnswerValue, 1100.0);
    EXPECT_NEAR(plain.Record.AnswerValue, 1100.0, 1e-3);
}

TEST(VolumeKubik, LayoutAndName) {
    for (const Task& task :
         {Generate(GenerateKubik1, 1, 1, 1, 1), Generate(GenerateKubik5, 1, 1, 1, 11)}) {
        EXPECT_EQ(task.AnswerWidth, 170);
        EXPECT_EQ(task.ToUnitLeft, 600);
        EXPECT_EQ(task.Record.AnswerLeft, 400);
    }
    EXPECT_EQ(Generate(GenerateKubik4, 1, 1, 1, 11).LastGenerator, "GenerateKubik4");
}

TEST(VolumeLiter, FirstLevel) {
    const Task task = Generate(GenerateLiter1, 1, 95, 95, 4321);
    ExpectTask(task, "4321", "cl", "43210", "ml", 0);
    EXPECT_EQ(task.AnswerWidth, 170);
    EXPECT_EQ(task.ToUnitLeft, 600);
    ExpectTask(Generate(GenerateLiter1, 2, 50, 70, 3), "300000", "ml", "300", "l", 0);
}

TEST(VolumeLiter, HectolitresAtLevelTwo) {
    const Task task = Generate(GenerateLiter2, 2, 5, 45, 123);
    ExpectTask(task, "123", "l", "1,23", "hl", 2);
    EXPECT_EQ(task.AnswerWidth, 190);
    EXPECT_EQ(task.ToUnitLeft, 620);
    // The note asks for two decimals; the text 0,50 is trimmed at once.
    ExpectTask(Generate(GenerateLiter2, 2, 5, 5, 5), "50", "l", "0,5", "hl", 2);
}

TEST(VolumeLiter, LargeFactors) {
    ExpectTask(Generate(GenerateLiter3, 1, 35, 43, 9999), "9999", "hl", "999900000", "ml", 0);
    ExpectTask(Generate(GenerateLiter4, 2, 25, 78, 15), "1,5", "cl", "0,00015", "hl", 5);
    // Ten decimals by the note, one more than needed; trimming leaves nine.
    const Task longest = Generate(GenerateLiter5, 2, 35, 99, 12345);
    ExpectTask(longest, "1,2345", "ml", "0,000012345", "hl", 10);
}

TEST(VolumeLiter, GivenValueReadBackOnlyForFactorsOfAThousandAndMore) {
    const Task large = Generate(GenerateLiter2, 1, 20, 60, 11);
    ExpectTask(large, "1,1", "hl", "1100", "dl", 0);
    EXPECT_EQ(large.Record.AnswerValue, 1100.0);
    const Task small = Generate(GenerateLiter2, 1, 40, 65, 11);
    ExpectTask(small, "1,1", "l", "110", "cl", 0);
    EXPECT_NE(small.Record.AnswerValue, 110.0);
    EXPECT_NEAR(small.Record.AnswerValue, 110.0, 1e-4);
}

TEST(VolumeRaumGemischt, EquallyLargeUnitsMultiplyByOneBothWays) {
    ExpectTask(Generate(GenerateRaumGemischt1, 1, 15, 55, 345), "345", "dm^3", "345", "l", 0);
    ExpectTask(Generate(GenerateRaumGemischt1, 2, 15, 5, 7), "70", "l", "70", "dm^3", 0);
    ExpectTask(Generate(GenerateRaumGemischt5, 2, 28, 50, 12345), "12,345", "l", "12,345", "dm^3",
               3);
    ExpectTask(Generate(GenerateRaumGemischt4, 2, 100, 30, 11), "1,1", "cm^3", "1,1", "ml", 1);
}

TEST(VolumeRaumGemischt, AcrossTheTwoFamilies) {
    const Task first = Generate(GenerateRaumGemischt1, 2, 45, 70, 3);
    ExpectTask(first, "300000", "ml", "300", "dm^3", 0);
    EXPECT_EQ(first.AnswerWidth, 170);
    ExpectTask(Generate(GenerateRaumGemischt3, 2, 5, 20, 45), "45", "hl", "4,5", "m^3", 1);
    ExpectTask(Generate(GenerateRaumGemischt3, 1, 20, 15, 37), "37", "m^3", "370000", "dl", 0);
    ExpectTask(Generate(GenerateRaumGemischt4, 2, 30, 2, 7), "70", "ml", "0,00007", "m^3", 5);
    const Task longest = Generate(GenerateRaumGemischt5, 1, 23, 18, 8);
    ExpectTask(longest, "80000", "m^3", "80000000000", "ml", 0);
    EXPECT_EQ(longest.AnswerWidth, 190);
    EXPECT_EQ(longest.ToUnitLeft, 620);
}

// The ml -> dm^3 row of level 2 divides by 1000 with the level's l -> m^3 table.
TEST(VolumeRaumGemischt, MillilitresToCubicDecimetresAtLevelTwo) {
    ExpectTask(Generate(GenerateRaumGemischt2, 2, 55, 30, 4321), "4321", "ml", "4,321", "dm^3", 3);
    ExpectTask(Generate(GenerateRaumGemischt2, 2, 55, 5, 4), "4000", "ml", "4", "dm^3", 0);
    ExpectTask(Generate(GenerateRaumGemischt2, 2, 12, 30, 4321), "4321", "l", "4,321", "m^3", 3);
}

TEST(VolumeRaumGemischt, GivenValueReadBackAtEveryLevelForLargeFactors) {
    const Task large = Generate(GenerateRaumGemischt2, 1, 12, 60, 11);
    ExpectTask(large, "1,1", "m^3", "1100", "l", 0);
    EXPECT_EQ(large.Record.AnswerValue, 1100.0);
    const Task small = Generate(GenerateRaumGemischt2, 1, 5, 40, 11);
    ExpectTask(small, "1,1", "m^3", "11", "hl", 0);
    EXPECT_NE(small.Record.AnswerValue, 11.0);
}

// ---------------------------------------------------------------------------
// Sweeps over every direction, pair band and pattern band

struct Decimal {
    std::string Digits; // without leading zeros, "0" for zero
    int Decimals = 0;   // without trailing zeros
    friend bool operator==(const Decimal&, const Decimal&) = default;
};

// "0,00050" -> {"5", 4}; shift moves the comma to the right.
Decimal ReadDecimal(const std::string& text, int shift = 0) {
    const auto comma = text.find(',');
    std::string digits = text;
    int decimals = 0;
    if (comma != std::string::npos) {
        digits.erase(comma, 1);
        decimals = static_cast<int>(text.size() - comma - 1);
    }
    decimals -= shift;
    while (decimals > 0 && digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        --decimals;
    }
    if (decimals < 0) digits.append(static_cast<std::size_t>(-decimals), '0');
    decimals = std::max(decimals, 0);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits == "0") decimals = 0;
    return {digits, decimals};
}

int DecimalsWritten(const std::string& text) {
    const auto comma = text.find(',');
    return comma == std::string::npos ? 0 : static_cast<int>(text.size() - comma - 1);
}

void CheckTask(const GeneratorSpec& level, const PairBand& pair, int direction,
               const PatternBand& band, const TTaskRecord& record) {
    const std::string answer = record.AnswerText.str();
    const int k = pair.FactorExponent;
    EXPECT_EQ(ReadDecimal(answer), ReadDecimal(record.GivenText.str(), direction == 1 ? k : -k))
        << record.GivenText.str() << " " << record.FromUnit.str() << " = " << answer << " "
        << record.ToUnit.str();
    EXPECT_LE(answer.size(), 20U);
    EXPECT_EQ(record.GivenDecimals, Info(band.P).Decimals);
    EXPECT_EQ(record.AnswerDecimals,
              std::max(band.AnswerDecimals, RuleAnswerDecimals(band.P, k, direction)));
    if (level.TrimAnswer) {
        EXPECT_LE(DecimalsWritten(answer), record.AnswerDecimals) << answer;
        EXPECT_TRUE(answer.find(',') == std::string::npos ||
                    (answer.back() != '0' && answer.back() != ','))
            << answer;
    } else {
        EXPECT_EQ(DecimalsWritten(answer), record.AnswerDecimals) << answer;
    }
    // The double nearest to the answer text; from_chars ignores the C locale.
    std::string point = answer;
    std::replace(point.begin(), point.end(), ',', '.');
    double exact = 0.0;
    std::from_chars(point.data(), point.data() + point.size(), exact);
    const bool readBack =
        direction == 1 && (level.Rounding == GivenRounding::Direction1 ||
                           (level.Rounding == GivenRounding::Direction1Large && k >= 3));
    if (readBack) {
        EXPECT_EQ(record.AnswerValue, exact) << answer;
    } else {
        // A decimal pattern's single-precision error stays in the value.
        const double tolerance = Info(band.P).Decimals > 0 ? 1e-6 : 1e-15;
        EXPECT_NEAR(record.AnswerValue, exact, exact * tolerance) << answer;
    }
}

TEST(VolumeSweep, EveryBandGivesAnExactAnswer) {
    SeededRandom digits(2024);
    auto rng = std::make_shared<ScriptedRandom>(std::vector<int>{}, &digits);
    AppState state;
    state.Rng = rng;
    for (const Level& level : AllLevels()) {
        std::set<std::pair<int, int>> seen;
        for (int direction : {1, 2}) {
            for (int pairDraw = 1; pairDraw <= 100; ++pairDraw) {
                for (int patternDraw = 1; patternDraw <= 100; ++patternDraw) {
                    rng->Append({direction - 1, pairDraw - 1, patternDraw - 1});
                    level.Generate(state, 2);
                    const PairBand& pair = FindPairBand(level.Tables->Pairs, pairDraw);
                    const PatternBand& band =
                        FindPatternBand(direction == 1 ? pair.M : pair.D, patternDraw);
                    SCOPED_TRACE(std::string(level.Name) + " direction " +
                                 std::to_string(direction) + " PairDraw " +
                                 std::to_string(pairDraw) + " PatternDraw " +
                                 std::to_string(patternDraw));
                    CheckTask(*level.Tables, pair, direction, band, state.TaskSheet[2]);
                    if (::testing::Test::HasFailure()) return;
                }
            }
        }
    }
}

} // namespace
} // namespace quarvel
