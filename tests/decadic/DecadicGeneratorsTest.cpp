#include "decadic/DecadicGenerators.h"
#include "decadic/DekDekU.h"
#include "decadic/DekNumU.h"
#include "decadic/DezDezU.h"
#include "decadic/DezNumU.h"
#include "drill/AnswerCheck.h"
#include "drill/Drill.h"

#include "NotationOracle.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace quarvel {
namespace {

using oracle::Pow10;

// An application state whose draws follow `script`, then `fallback` if given.
struct Scripted {
    AppState state;
    std::shared_ptr<ScriptedRandom> rng;

    explicit Scripted(std::vector<int> script, RandomSource* fallback = nullptr)
        : rng(std::make_shared<ScriptedRandom>(std::move(script), fallback)) {
        state.Rng = rng;
    }
    const TDekTaskRecord& Line(int i) const { return state.DekTaskSheet[i]; }
};

// ---- Worked examples: every draw scripted -------------------------------------------

struct WorkedTask {
    std::string_view Generator;
    int Line;
    std::vector<int> Script;
    std::string_view Given, From, To, Answer;
    int AnswerLeft, AnswerWidth;
};

// clang-format off
const WorkedTask kWorkedTasks[] = {
    // DekNum 2, band 14-25: RandFourDigitNoZero 3425 with the third digit zeroed.
    {"GenerateDekNum2", 3, {0, 13, 2, 3, 1, 4, 1}, "3T 4H 5E", "", "", "3405", 470, 170},
    // DekNum 3, direction 2, band 56-60: 7234415 with digits 2 and 4 zeroed.
    {"GenerateDekNum3", 1, {1, 55, 6, 1, 2, 3, 3, 0, 4, 0, 2}, "7030415", "", "",
     "7M 3ZT 4H 1Z 5E", 320, 450},
    // DekNum 4, band 91-95: 12345678, third place enlarged with 7.
    {"GenerateDekNum4", 5, {0, 90, 0, 1, 2, 3, 4, 5, 6, 7, 2, 6}, "1ZM 2M 73HT 4ZT 5T 6H 7Z 8E",
     "", "", "19345678", 670, 170},
    // DekDek 1, kind 1, band 21-40 RandTwoDigit 34, units 3 and 2.
    {"GenerateDekDek1", 2, {0, 77, 20, 2, 3, 2, 1}, "34", "H", "Z", "340", 400, 170},
    // Kind 2 draws the units (4 and 2) before RandTwoDigitE2.
    {"GenerateDekDek1", 4, {1, 0, 34, 3, 1, 2, 3}, "3400", "Z", "T", "34", 400, 170},
    // Level 2 allows distance 5: units 7 and 1 are drawn again, then 2 and 2, then 3 and 1.
    {"GenerateDekDek2", 1, {1, 0, 0, 6, 0, 1, 1, 2, 0, 4}, "500", "E", "H", "5", 400, 170},
    // Kind 3 asks for the notation in one unit.
    {"GenerateDekDek3", 1, {50, 0, 0, 3, 1, 3, 6}, "4T 7H", "", "Z", "470", 400, 200},
    // DezNum 1, band 41-60: RandDec1p2 4,15 with the tenth zeroed.
    {"GenerateDezNum1", 1, {0, 40, 31, 4, 0}, "4E 5h", "", "", "4,05", 400, 170},
    {"GenerateDezNum1", 2, {1, 60, 1, 2, 6, 4}, "2,375", "", "", "2E 3z 7h 5t", 400, 170},
    // DezNum 5, band 21-40: 1,234567, second place enlarged with 8, carried into the units.
    {"GenerateDezNum5", 3, {0, 20, 0, 1, 2, 3, 4, 5, 6, 1, 7}, "1E 82z 3h 4t 5zt 6ht 7m", "", "",
     "9,234567", 600, 170},
    // A float would turn 9,9999999 into 10 and 1,11111111 into 1,1111111.
    {"GenerateDezNum4", 1, {0, 45, 8, 8, 8, 8, 8, 8, 8, 8}, "9E 9z 9h 9t 9zt 9ht 9m 9zm", "", "",
     "9,9999999", 600, 170},
    {"GenerateDezNum4", 1, {1, 70, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "1,11111111", "", "",
     "1E 1z 1h 1t 1zt 1ht 1m 1zm 1hm", 320, 450},
    {"GenerateDezDez1", 1, {0, 0, 20, 2, 3, 1, 0}, "34", "z", "h", "340", 400, 170},
    {"GenerateDezDez1", 1, {1, 0, 34, 2, 0, 2, 3}, "3400", "t", "z", "34", 400, 170},
    // Kind 3 below one: RandDec0p2 0,34 in thousandths.
    {"GenerateDezDez3", 1, {50, 0, 0, 1, 2, 2, 3}, " 3z 4h", "", "t", "340", 400, 200},
    // Hundred-millionths give exactly eight digits.
    {"GenerateDezDez5", 1, {20, 0, 0, 0, 7, 2}, " 3z", "", "hm", "30000000", 450, 200},
    {"GenerateDezDez5", 1, {20, 0, 0, 6, 7, 234566, 8}, " 3z 3h 4t 5zt 6ht 6m 9zm", "", "hm",
     "33456690", 450, 200},
};
// clang-format on

TEST(DecadicGenerators, WorkedTasks) {
    for (const WorkedTask& t : kWorkedTasks) {
        SCOPED_TRACE(std::string(t.Generator) + " " + std::string(t.Given));
        Scripted s(t.Script);
        FindDecadicGenerator(t.Generator)->Generate(s.state, t.Line);
        const TDekTaskRecord& r = s.Line(t.Line);
        EXPECT_EQ(r.GivenText, t.Given);
        EXPECT_EQ(r.FromUnit, t.From);
        EXPECT_EQ(r.ToUnit, t.To);
        EXPECT_EQ(r.AnswerText, t.Answer);
        EXPECT_EQ(r.AnswerLeft, t.AnswerLeft);
        EXPECT_EQ(s.state.AnswerWidth, t.AnswerWidth);
        if (!t.To.empty()) {
            EXPECT_EQ(s.state.ToUnitLeft, t.AnswerLeft + t.AnswerWidth + 30);
        }
        EXPECT_EQ(s.rng->Remaining(), 0U);
    }
}

TEST(DecadicGenerators, AnEnlargedDecimalKeepsTheNumberDrawn) {
    Scripted s({0, 20, 0, 1, 2, 3, 4, 5, 6, 1, 7});
    GenerateDezNum5(s.state, 3);
    EXPECT_EQ(s.Line(3).DecExact, (ExactNumber{1234567, 6}));
}

TEST(DecadicGenerators, TheIndexIsCheckedBeforeAnythingIsDrawn) {
    Scripted s({});
    EXPECT_THROW(GenerateDekNum1(s.state, 0), std::out_of_range);
    EXPECT_THROW(GenerateDezDez5(s.state, 6), std::out_of_range);
    EXPECT_TRUE(s.rng->Calls().empty());
}

// ---- Sweeps over every generator, kind and band ------------------------------------

int DecadicIndex(std::string_view symbol) {
    for (int p = 1; p <= 10; ++p) {
        if (DecadicSymbol(p) == symbol) return p;
    }
    return 0;
}

int DecimalIndex(std::string_view symbol) {
    for (int p = 1; p <= 8; ++p) {
        if (DecimalSymbol(p) == symbol) return p;
    }
    return 0;
}

// What holds for every line of every generator.
void CheckCommon(const TDekTaskRecord& r, DekTraining training, const std::string& where) {
    SCOPED_TRACE(where + " given '" + r.GivenText.str() + "' answer '" + r.AnswerText.str() + "'");
    // BoundedText cuts at 40, so a text of 40 would hide a longer one.
    EXPECT_LT(r.GivenText.size(), 40U);
    EXPECT_LT(r.AnswerText.size(), 40U);
    EXPECT_FALSE(r.GivenText.empty());
    ASSERT_FALSE(r.AnswerText.empty());
    EXPECT_LE(CountCommas(r.AnswerText.str()), 1);
    EXPECT_NE(r.AnswerText.str().front(), '0');
    EXPECT_NE(r.AnswerText.str().front(), ' ');
    EXPECT_EQ(TrimTrailingZeros(r.AnswerText.str()), r.AnswerText.str());
    // The expected answer can be typed key by key and is then judged right.
    for (const char c : r.AnswerText.str()) {
        const auto key = static_cast<char32_t>(static_cast<unsigned char>(c));
        EXPECT_EQ(DekKeyFilter(training, r.AnswerIsNotation, r.AnswerHasComma, key), key) << c;
    }
    AppState judged;
    judged.DekTaskSheet[1] = r;
    DekAnswerRules rules(judged.DekTaskSheet);
    Drill drill(judged, rules);
    EXPECT_EQ(drill.Exit(1, r.AnswerText.str()).Outcome, ExitResult::Kind::RightFirst);
}

// The first draws are the generator's own, with these ranges.
void CheckLeadingDraws(const ScriptedRandom& rng, const std::vector<int>& ranges) {
    ASSERT_GE(rng.Calls().size(), ranges.size());
    for (std::size_t i = 0; i < ranges.size(); ++i)
        EXPECT_EQ(rng.Calls()[i].first, ranges[i]);
}

// DekNum and DezNum: every level, direction and PatternDraw, with three seeds
// for the rest of the draws.
void SweepNumeralTraining(DekTraining training) {
    const bool decimal = training == DekTraining::DezNum;
    for (int level = 1; level <= 5; ++level) {
        const NamedDecadicGenerator* gen = FindDecadicGenerator(training, level);
        const DirectionLayout& layout = decimal ? DezNumLayout(level) : DekNumLayout(level);
        for (int direction = 1; direction <= 2; ++direction) {
            const NumberTable table =
                decimal ? DezNumTable(level, direction) : DekNumTable(level, direction);
            for (int p = 1; p <= 100; ++p) {
                const NumberBand& band = FindBand(table, p);
                const std::string where = std::string(gen->Name) + " dir " +
                                          std::to_string(direction) + " p " + std::to_string(p);
                for (int seed = 0; seed < 3; ++seed) {
                    SeededRandom rest(static_cast<std::uint64_t>(seed * 1000 + p));
                    Scripted s({direction - 1, p - 1}, &rest);
                    gen->Generate(s.state, 1 + seed);
                    const TDekTaskRecord& r = s.Line(1 + seed);
                    CheckCommon(r, training, where);
                    CheckLeadingDraws(*s.rng, {2, 100});
                    EXPECT_EQ(r.AnswerIsNotation, direction == 2);
                    EXPECT_EQ(r.AnswerLeft, direction == 1 ? layout.Left1 : layout.Left2);
                    EXPECT_EQ(s.state.AnswerWidth, direction == 1 ? layout.Width1 : layout.Width2);
                    const std::string& notation = direction == 1 ? r.GivenText : r.AnswerText;
                    const std::string& numeral = direction == 1 ? r.AnswerText : r.GivenText;
                    const auto tokens =
                        decimal ? oracle::ReadDecimal(notation) : oracle::ReadDecadic(notation);
                    ASSERT_TRUE(tokens && !tokens->empty()) << where << " '" << notation << "'";
                    EXPECT_TRUE(oracle::Descending(*tokens, decimal)) << where;
                    int twoDigitCounts = 0;
                    for (const auto& t : *tokens)
                        twoDigitCounts += t.Count >= 10 ? 1 : 0;
                    EXPECT_EQ(twoDigitCounts, band.C == Change::Enlarge ? band.Count : 0) << where;
                    if (!decimal) {
                        EXPECT_EQ(oracle::DecadicValue(*tokens), r.IntValue) << where;
                        EXPECT_EQ(ParsePlaceValue(notation), r.IntValue) << where;
                        EXPECT_EQ(numeral, std::to_string(r.IntValue)) << where;
                        continue;
                    }
                    const int k = Info(band.P).Decimals;
                    EXPECT_EQ(tokens->front().Place, 0) << where; // starts with "E"
                    EXPECT_EQ(oracle::NumeralE8(numeral), oracle::DecimalValueE8(*tokens)) << where;
                    EXPECT_EQ(CountCommas(numeral), 1) << where;
                    EXPECT_EQ(r.AnswerHasComma, direction == 1);
                    EXPECT_EQ(r.DecExact.Decimals, k);
                    EXPECT_EQ(r.DecValue, r.DecExact.AsFloat());
                    if (band.C != Change::Enlarge) {
                        // Exactly the drawn number, with all k decimals.
                        EXPECT_EQ(numeral, FixedNumeral(r.DecExact, k)) << where;
                        EXPECT_EQ(tokens->back().Place, k) << where;
                    }
                }
            }
        }
    }
}

TEST(DecadicSweep, DekNumEveryLevelDirectionAndBand) {
    SweepNumeralTraining(DekTraining::DekNum);
}

TEST(DecadicSweep, DezNumEveryLevelDirectionAndBand) {
    SweepNumeralTraining(DekTraining::DezNum);
}

struct UnitTask {
    int Kind;
    int A = 0; // the unit indices scripted for kinds 2 and 3, in the order drawn
    int B = 0; // (0: kind 1, where the fallback draws them)
};

// Every kind draw band (its first and last draw), every p, and for kinds 2 and
// 3 every unit pair. Kind 3 draws the higher index first when `kind3HigherFirst`.
template <typename Check>
void SweepUnitGenerator(DekTraining training, const UnitLevel& row, int level,
                        bool kind3HigherFirst, Check check) {
    const NamedDecadicGenerator* gen = FindDecadicGenerator(training, level);
    std::set<int> kindsSeen;
    for (int kind = 1; kind <= 3; ++kind) {
        const int lo = kind == 1 ? 1 : kind == 2 ? row.Kind1Hi + 1 : row.Kind2Hi + 1;
        const int hi = kind == 1 ? row.Kind1Hi : kind == 2 ? row.Kind2Hi : row.KindDrawRange;
        std::vector<std::pair<int, int>> pairs;
        for (int a = 1; a <= 10; ++a) {
            for (int b = 1; b < a; ++b) {
                if (kind == 2 && a <= row.K && a - b <= row.MaxDistance) pairs.emplace_back(a, b);
                if (kind == 3 && a <= row.K3)
                    pairs.emplace_back(kind3HigherFirst ? a : b, kind3HigherFirst ? b : a);
            }
        }
        if (kind == 1) pairs.emplace_back(0, 0);
        for (const int kindDraw : {lo, hi}) {
            if (lo > hi) continue;
            for (int p = 1; p <= 100; ++p) {
                for (std::size_t i = 0; i < pairs.size(); ++i) {
                    const int seed = static_cast<int>(i) * 100 + p;
                    SeededRandom rest(static_cast<std::uint64_t>(seed));
                    std::vector<int> script{kindDraw - 1, seed % 100, p - 1};
                    if (kind != 1) {
                        script.push_back(pairs[i].first - 1);
                        script.push_back(pairs[i].second - 1);
                    }
                    Scripted s(script, &rest);
                    const int line = 1 + seed % 5;
                    gen->Generate(s.state, line);
                    CheckLeadingDraws(*s.rng, {row.KindDrawRange, 100, 100});
                    const TDekTaskRecord& r = s.Line(line);
                    const std::string where = std::string(gen->Name) + " kind " +
                                              std::to_string(kind) + " p " + std::to_string(p);
                    CheckCommon(r, training, where);
                    EXPECT_EQ(CountCommas(r.AnswerText.str()), 0);
                    EXPECT_FALSE(r.AnswerIsNotation || r.AnswerHasComma);
                    EXPECT_EQ(r.AnswerLeft, row.AnswerLeft);
                    EXPECT_EQ(s.state.AnswerWidth, row.AnswerWidth);
                    EXPECT_EQ(s.state.ToUnitLeft, row.AnswerLeft + row.AnswerWidth + 30);
                    kindsSeen.insert(kind);
                    check(r, UnitTask{kind, pairs[i].first, pairs[i].second},
                          std::stoll(r.AnswerText.str()), where);
                }
            }
        }
    }
    EXPECT_EQ(kindsSeen.size(), level <= 2 ? 2U : 3U) << level;
}

TEST(DecadicSweep, DekDekEveryLevelKindUnitPairAndBand) {
    for (int level = 1; level <= 5; ++level) {
        const UnitLevel& row = DekDekLevel(level);
        SweepUnitGenerator(DekTraining::DekDek, row, level, true,
                           [&](const TDekTaskRecord& r, const UnitTask& task, std::int64_t answer,
                               const std::string& where) {
                               const int from = DecadicIndex(r.FromUnit.str());
                               const int to = DecadicIndex(r.ToUnit.str());
                               EXPECT_EQ(r.GivenText.str(), task.Kind == 3
                                                                ? FormatPlaceValue(r.IntValue)
                                                                : std::to_string(r.IntValue));
                               if (task.Kind == 1) {
                                   EXPECT_TRUE(from > to && from <= row.K && to >= 1) << where;
                                   EXPECT_EQ(answer, r.IntValue * Pow10(from - to)) << where;
                               } else if (task.Kind == 2) {
                                   EXPECT_EQ(from, task.B) << where;
                                   EXPECT_EQ(to, task.A) << where;
                                   EXPECT_EQ(answer * Pow10(task.A - task.B), r.IntValue) << where;
                               } else {
                                   EXPECT_EQ(r.FromUnit, "") << where;
                                   EXPECT_EQ(to, task.B) << where;
                                   const auto tokens = oracle::ReadDecadic(r.GivenText.str());
                                   ASSERT_TRUE(tokens) << where;
                                   // The written places run from A down to the place above B.
                                   EXPECT_EQ(tokens->front().Place, task.A) << where;
                                   EXPECT_EQ(tokens->back().Place, task.B + 1) << where;
                                   EXPECT_EQ(answer * Pow10(task.B - 1), r.IntValue) << where;
                                   EXPECT_EQ(r.AnswerText.str().back(), '0') << where;
                               }
                           });
    }
}

TEST(DecadicSweep, DezDezEveryLevelKindUnitPairAndBand) {
    for (int level = 1; level <= 5; ++level) {
        const UnitLevel& row = DezDezLevel(level);
        SweepUnitGenerator(
            DekTraining::DezDez, row, level, false,
            [&](const TDekTaskRecord& r, const UnitTask& task, std::int64_t answer,
                const std::string& where) {
                const int from = DecimalIndex(r.FromUnit.str());
                const int to = DecimalIndex(r.ToUnit.str());
                if (task.Kind == 1) {
                    // A larger index is a smaller unit: the given unit has the smaller one.
                    EXPECT_TRUE(to > from && to <= row.K && from >= 1) << where;
                    EXPECT_EQ(r.GivenText.str(), std::to_string(r.IntValue));
                    EXPECT_EQ(answer, r.IntValue * Pow10(to - from)) << where;
                } else if (task.Kind == 2) {
                    EXPECT_EQ(from, task.A) << where;
                    EXPECT_EQ(to, task.B) << where;
                    EXPECT_EQ(r.GivenText.str(), std::to_string(r.IntValue));
                    EXPECT_EQ(answer * Pow10(task.A - task.B), r.IntValue) << where;
                } else {
                    // A: the decimals of the number, B: the unit asked for.
                    EXPECT_EQ(r.FromUnit, "") << where;
                    EXPECT_EQ(to, task.B) << where;
                    EXPECT_EQ(r.DecExact.Decimals, task.A) << where;
                    EXPECT_EQ(r.DecValue, r.DecExact.AsFloat());
                    ASSERT_EQ(r.GivenText.str().front(), ' ') << where;
                    const auto tokens = oracle::ReadDecimal(r.GivenText.str().substr(1));
                    ASSERT_TRUE(tokens) << where;
                    EXPECT_TRUE(oracle::Descending(*tokens, true));
                    EXPECT_EQ(tokens->front().Place, 1) << where; // the tenths are never 0
                    EXPECT_EQ(tokens->back().Place, task.A) << where;
                    const std::int64_t e8 = oracle::DecimalValueE8(*tokens);
                    EXPECT_EQ(e8, r.DecExact.Mantissa * Pow10(8 - task.A)) << where;
                    EXPECT_EQ(answer * Pow10(8 - task.B), e8) << where;
                    EXPECT_EQ(static_cast<int>(r.AnswerText.size()), task.B) << where;
                }
            });
    }
}

} // namespace
} // namespace quarvel
