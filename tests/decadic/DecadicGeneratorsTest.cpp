// The decadic and decimal generators: their tables, worked tasks with every
// draw scripted, and sweeps over every level, direction or kind, unit pair and
// band, read back with the independent notation reader.
#include "decadic/DecadicGenerators.h"
#include "decadic/DekDekU.h"
#include "decadic/DekNumU.h"
#include "decadic/DezDezU.h"
#include "decadic/DezNumU.h"
#include "drill/AnswerCheck.h"
#include "drill/Drill.h"

#include "../generators/TestSupport.h"
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
    // "34 H -> Z: 340 @400+170": given, units, answer, the answer's left and width.
    std::string Task(int line) const {
        const TDekTaskRecord& r = state.DekTaskSheet[line];
        const std::string from = r.FromUnit.empty() ? "" : " " + r.FromUnit.str();
        const std::string to = r.ToUnit.empty() ? "" : r.ToUnit.str() + ": ";
        return r.GivenText.str() + from + " -> " + to + r.AnswerText.str() + " @" +
               std::to_string(r.AnswerLeft) + "+" + std::to_string(state.AnswerWidth);
    }
};

// A gap between bands makes a generator throw, which the sweeps below would
// find; an overlap or a band out of order would quietly change the shares.
TEST(DecadicTables, EveryTableCoversOneToHundred) {
    using testing::CoversOneToHundred;
    for (int level = 1; level <= 5; ++level) {
        for (int direction = 1; direction <= 2; ++direction) {
            EXPECT_TRUE(CoversOneToHundred(DekNumTable(level, direction))) << level;
            EXPECT_TRUE(CoversOneToHundred(DezNumTable(level, direction))) << level;
        }
        EXPECT_TRUE(CoversOneToHundred(DekDekLevel(level).Kind1)) << level;
        EXPECT_TRUE(CoversOneToHundred(DezDezLevel(level).Kind1)) << level;
    }
    for (int d = 1; d <= 6; ++d)
        EXPECT_TRUE(CoversOneToHundred(DistanceTable(d))) << "distance " << d;
}

struct WorkedTask {
    std::string_view Generator;
    int Line;
    std::vector<int> Script;
    std::string Task;
};

// clang-format off
const WorkedTask kWorkedTasks[] = {
    // DekNum 2, band 14-25: RandFourDigitNoZero 3425 with the third digit zeroed.
    {"GenerateDekNum2", 3, {0, 13, 2, 3, 1, 4, 1}, "3T 4H 5E -> 3405 @470+170"},
    // DekNum 4, band 91-95: 12345678, third place enlarged with 7.
    {"GenerateDekNum4", 5, {0, 90, 0, 1, 2, 3, 4, 5, 6, 7, 2, 6},
     "1ZM 2M 73HT 4ZT 5T 6H 7Z 8E -> 19345678 @670+170"},
    // DekDek 1, kind 1, band 21-40 RandTwoDigit 34, units 3 and 2.
    {"GenerateDekDek1", 2, {0, 77, 20, 2, 3, 2, 1}, "34 H -> Z: 340 @400+170"},
    // Kind 2 draws the units (4 and 2) before RandTwoDigitE2.
    {"GenerateDekDek1", 4, {1, 0, 34, 3, 1, 2, 3}, "3400 Z -> T: 34 @400+170"},
    // Level 2 allows distance 5: units 7 and 1 are drawn again, then 2 and 2, then 3 and 1.
    {"GenerateDekDek2", 1, {1, 0, 0, 6, 0, 1, 1, 2, 0, 4}, "500 E -> H: 5 @400+170"},
    // Kind 3 asks for the notation in one unit.
    {"GenerateDekDek3", 1, {50, 0, 0, 3, 1, 3, 6}, "4T 7H -> Z: 470 @400+200"},
    // DezNum 5, band 21-40: 1,234567, second place enlarged with 8, carried into the units.
    {"GenerateDezNum5", 3, {0, 20, 0, 1, 2, 3, 4, 5, 6, 1, 7},
     "1E 82z 3h 4t 5zt 6ht 7m -> 9,234567 @600+170"},
    // A float would turn 9,9999999 into 10.
    {"GenerateDezNum4", 1, {0, 45, 8, 8, 8, 8, 8, 8, 8, 8},
     "9E 9z 9h 9t 9zt 9ht 9m 9zm -> 9,9999999 @600+170"},
    // Hundred-millionths give exactly eight digits.
    {"GenerateDezDez5", 1, {20, 0, 0, 6, 7, 234566, 8},
     " 3z 3h 4t 5zt 6ht 6m 9zm -> hm: 33456690 @450+200"},
};
// clang-format on

TEST(DecadicGenerators, WorkedTasks) {
    for (const WorkedTask& t : kWorkedTasks) {
        Scripted s(t.Script);
        FindDecadicGenerator(t.Generator)->Generate(s.state, t.Line);
        EXPECT_EQ(s.Task(t.Line), t.Task) << t.Generator;
        EXPECT_EQ(s.rng->Remaining(), 0U) << t.Task;
    }
    // An enlarged decimal keeps the number drawn.
    Scripted s({0, 20, 0, 1, 2, 3, 4, 5, 6, 1, 7});
    GenerateDezNum5(s.state, 3);
    EXPECT_EQ(s.state.DekTaskSheet[3].DecExact, (ExactNumber{1234567, 6}));
}

// What holds for every line of every generator; the first draws are the
// generator's own, with these ranges.
void CheckCommon(const Scripted& s, int line, DekTraining training, std::vector<int> ranges) {
    const TDekTaskRecord& r = s.state.DekTaskSheet[line];
    const std::string& answer = r.AnswerText.str();
    SCOPED_TRACE("given '" + r.GivenText.str() + "' answer '" + answer + "'");
    // BoundedText cuts at 40, so a text of 40 would hide a longer one.
    EXPECT_TRUE(!r.GivenText.empty() && r.GivenText.size() < 40U && answer.size() < 40U);
    ASSERT_FALSE(answer.empty());
    EXPECT_TRUE(answer.front() != '0' && answer.front() != ' ');
    EXPECT_EQ(TrimTrailingZeros(answer), answer);
    // The expected answer can be typed key by key and is then judged right.
    for (const char c : answer) {
        const auto key = static_cast<char32_t>(static_cast<unsigned char>(c));
        EXPECT_EQ(DekKeyFilter(training, r.AnswerIsNotation, r.AnswerHasComma, key), key) << c;
    }
    AppState judged;
    judged.DekTaskSheet[1] = r;
    DekAnswerRules rules(judged.DekTaskSheet);
    EXPECT_EQ(Drill(judged, rules).Exit(1, answer).Outcome, ExitResult::Kind::RightFirst);
    std::vector<int> drawn;
    for (std::size_t i = 0; i < ranges.size() && i < s.rng->Calls().size(); ++i)
        drawn.push_back(s.rng->Calls()[i].first);
    EXPECT_EQ(drawn, ranges);
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
                for (int seed = 0; seed < 3; ++seed) {
                    SCOPED_TRACE(::testing::Message()
                                 << gen->Name << " direction " << direction << " p " << p);
                    SeededRandom rest(static_cast<std::uint64_t>(seed * 1000 + p));
                    Scripted s({direction - 1, p - 1}, &rest);
                    gen->Generate(s.state, 1 + seed);
                    const TDekTaskRecord& r = s.state.DekTaskSheet[1 + seed];
                    CheckCommon(s, 1 + seed, training, {2, 100});
                    EXPECT_EQ(r.AnswerIsNotation, direction == 2);
                    EXPECT_EQ(r.AnswerLeft, direction == 1 ? layout.Left1 : layout.Left2);
                    EXPECT_EQ(s.state.AnswerWidth, direction == 1 ? layout.Width1 : layout.Width2);
                    const std::string& notation = direction == 1 ? r.GivenText : r.AnswerText;
                    const std::string& numeral = direction == 1 ? r.AnswerText : r.GivenText;
                    const auto tokens = oracle::Read(notation, decimal);
                    ASSERT_TRUE(tokens && !tokens->empty()) << "'" << notation << "'";
                    EXPECT_TRUE(oracle::Descending(*tokens, decimal));
                    const auto twoDigitCounts = std::count_if(tokens->begin(), tokens->end(),
                                                              [](auto t) { return t.Count >= 10; });
                    // A band asks no more than its number allows, so no clamp engages:
                    // as many counts enlarged (only where the notation is given) or
                    // digits zeroed as it says (a decimal keeps its first and last
                    // digit and may draw a place twice).
                    EXPECT_EQ(twoDigitCounts, band.C == Change::Enlarge ? band.Count : 0);
                    EXPECT_TRUE(band.C != Change::Enlarge || direction == 1);
                    const std::string digits =
                        std::to_string(decimal ? r.DecExact.Mantissa : r.IntValue);
                    const auto zeros = std::count(digits.begin() + 1, digits.end(), '0');
                    const auto room = decimal ? std::ssize(digits) - 2 : zeros;
                    EXPECT_TRUE(band.C != Change::Zero || room >= band.Count) << digits;
                    if (!decimal) {
                        EXPECT_EQ(oracle::DecadicValue(*tokens), r.IntValue);
                        EXPECT_EQ(ParsePlaceValue(notation), r.IntValue);
                        EXPECT_EQ(numeral, std::to_string(r.IntValue));
                        continue;
                    }
                    const int k = Info(band.P).Decimals;
                    EXPECT_EQ(tokens->front().Place, 0); // starts with "E"
                    EXPECT_EQ(oracle::NumeralE8(numeral), oracle::DecimalValueE8(*tokens));
                    EXPECT_EQ(CountCommas(numeral), 1);
                    EXPECT_EQ(r.AnswerHasComma, direction == 1);
                    EXPECT_EQ(r.DecExact.Decimals, k);
                    if (band.C == Change::Enlarge) continue;
                    // Exactly the drawn number, with all k decimals.
                    EXPECT_EQ(numeral, FixedNumeral(r.DecExact, k));
                    EXPECT_EQ(tokens->back().Place, k);
                }
            }
        }
    }
}

TEST(DecadicSweep, DekNumAndDezNumEveryLevelDirectionAndBand) {
    SweepNumeralTraining(DekTraining::DekNum);
    SweepNumeralTraining(DekTraining::DezNum);
}

// A unit task as scripted: its kind and, for kinds 2 and 3, the unit indices
// in the order drawn (kind 1 leaves them to the fallback).
struct UnitTask {
    int Kind;
    int A = 0;
    int B = 0;
};

// Decadic units grow with their index, decimal ones shrink. Kinds 1 and 2 turn
// a number into a smaller or a larger unit; kind 3 asks for a notation (DekDek:
// places A down to B + 1) or a decimal below one (DezDez: A decimals) in unit B.
void CheckUnitTask(bool decadic, const UnitLevel& row, const TDekTaskRecord& r, UnitTask task) {
    const auto index = [decadic](const std::string& unit) {
        return oracle::PlaceOf(unit, !decadic).value_or(0);
    };
    const int from = index(r.FromUnit.str());
    const int to = index(r.ToUnit.str());
    const std::int64_t answer = std::stoll(r.AnswerText.str());
    if (task.Kind != 3) {
        const int shift = decadic ? from - to : to - from;
        EXPECT_TRUE(std::min(from, to) >= 1 && std::max(from, to) <= row.K);
        EXPECT_EQ(r.GivenText.str(), std::to_string(r.IntValue));
        // The same quantity in both units; kind 1 turns it into a smaller unit.
        EXPECT_EQ(answer * Pow10(std::max(-shift, 0)), r.IntValue * Pow10(std::max(shift, 0)));
        EXPECT_EQ(shift > 0, task.Kind == 1);
        if (task.Kind == 2) {
            EXPECT_EQ(std::pair(std::min(from, to), std::max(from, to)), std::pair(task.B, task.A));
        }
        return;
    }
    EXPECT_EQ(std::pair(r.FromUnit.str(), to), std::pair(std::string(), task.B));
    if (decadic) {
        EXPECT_EQ(r.GivenText.str(), FormatPlaceValue(r.IntValue));
        const auto tokens = oracle::Read(r.GivenText.str(), false);
        ASSERT_TRUE(tokens);
        EXPECT_EQ(std::pair(tokens->front().Place, tokens->back().Place),
                  std::pair(task.A, task.B + 1));
        EXPECT_EQ(answer * Pow10(task.B - 1), r.IntValue);
        return;
    }
    EXPECT_EQ(r.DecExact.Decimals, task.A);
    ASSERT_EQ(r.GivenText.str().front(), ' ');
    const auto tokens = oracle::Read(r.GivenText.str().substr(1), true);
    ASSERT_TRUE(tokens && oracle::Descending(*tokens, true));
    // The tenths are never 0.
    EXPECT_EQ(std::pair(tokens->front().Place, tokens->back().Place), std::pair(1, task.A));
    const std::int64_t e8 = oracle::DecimalValueE8(*tokens);
    EXPECT_EQ(e8, r.DecExact.Mantissa * Pow10(8 - task.A));
    EXPECT_EQ(answer * Pow10(8 - task.B), e8);
    EXPECT_EQ(static_cast<int>(r.AnswerText.size()), task.B);
}

// Every kind draw band (its first and last draw), every p, and for kinds 2 and
// 3 every unit pair.
void SweepUnitTraining(DekTraining training) {
    const bool decadic = training == DekTraining::DekDek;
    for (int level = 1; level <= 5; ++level) {
        const UnitLevel& row = decadic ? DekDekLevel(level) : DezDezLevel(level);
        const NamedDecadicGenerator* gen = FindDecadicGenerator(training, level);
        std::set<int> kindsSeen;
        for (int kind = 1; kind <= 3; ++kind) {
            const int lo = kind == 1 ? 1 : kind == 2 ? row.Kind1Hi + 1 : row.Kind2Hi + 1;
            const int hi = kind == 1 ? row.Kind1Hi : kind == 2 ? row.Kind2Hi : row.KindDrawRange;
            std::vector<UnitTask> tasks;
            for (int a = 1; a <= 10; ++a) {
                for (int b = 1; b < a; ++b) {
                    if (kind == 2 && a <= row.K && a - b <= row.MaxDistance)
                        tasks.push_back({2, a, b});
                    if (kind == 3 && a <= row.K3)
                        tasks.push_back({3, decadic ? a : b, decadic ? b : a});
                }
            }
            if (kind == 1) tasks.push_back({1});
            for (const int kindDraw : {lo, hi}) {
                for (int p = 1; p <= 100 && lo <= hi; ++p) {
                    for (std::size_t i = 0; i < tasks.size(); ++i) {
                        SCOPED_TRACE(::testing::Message()
                                     << gen->Name << " kind " << kind << " p " << p << " units "
                                     << tasks[i].A << ", " << tasks[i].B);
                        const int seed = static_cast<int>(i) * 100 + p;
                        SeededRandom rest(static_cast<std::uint64_t>(seed));
                        Scripted s({kindDraw - 1, seed % 100, p - 1}, &rest);
                        if (kind != 1) s.rng->Append({tasks[i].A - 1, tasks[i].B - 1});
                        const int line = 1 + seed % 5;
                        gen->Generate(s.state, line);
                        const TDekTaskRecord& r = s.state.DekTaskSheet[line];
                        CheckCommon(s, line, training, {row.KindDrawRange, 100, 100});
                        EXPECT_EQ(CountCommas(r.AnswerText.str()), 0);
                        EXPECT_FALSE(r.AnswerIsNotation || r.AnswerHasComma);
                        EXPECT_EQ(s.state.ToUnitLeft, r.AnswerLeft + s.state.AnswerWidth + 30);
                        kindsSeen.insert(kind);
                        CheckUnitTask(decadic, row, r, tasks[i]);
                    }
                }
            }
        }
        EXPECT_EQ(kindsSeen.size(), level <= 2 ? 2U : 3U) << level;
    }
}

TEST(DecadicSweep, DekDekAndDezDezEveryLevelKindUnitPairAndBand) {
    SweepUnitTraining(DekTraining::DekDek);
    SweepUnitTraining(DekTraining::DezDez);
}

} // namespace
} // namespace quarvel
