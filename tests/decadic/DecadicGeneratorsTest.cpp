#include "decadic/DecadicGenerators.h"
#include "decadic/DekDekU.h"
#include "decadic/DekNumU.h"
#include "decadic/DezDezU.h"
#include "decadic/DezNumU.h"
#include "engine/AnswerCheck.h"

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

TEST(GenerateDekNum, NotationGivenWithAZeroPlaceLeftOut) {
    // Level 2, direction 1, band 14-25: RandFourDigitNoZero 3425 with the third digit zeroed.
    Scripted s({0, 13, 2, 3, 1, 4, 1});
    GenerateDekNum2(s.state, 3);
    const TDekTaskRecord& r = s.Line(3);
    EXPECT_EQ(r.GivenText, "3T 4H 5E");
    EXPECT_EQ(r.AnswerText, "3405");
    EXPECT_EQ(r.IntValue, 3405);
    EXPECT_FALSE(r.AnswerIsNotation);
    EXPECT_EQ(r.AnswerLeft, 470);
    EXPECT_EQ(s.state.AnswerWidth, 170);
    EXPECT_EQ(s.state.Draws.DirectionDraw, 1);
    EXPECT_EQ(s.state.Draws.PairDraw, 14);
    EXPECT_EQ(s.state.Draws.LastGenerator, "GenerateDekNum2");
    EXPECT_EQ(s.rng->Remaining(), 0U);
}

TEST(GenerateDekNum, NumeralGivenWithTwoZeros) {
    // Level 3, direction 2, band 56-60: 7234415 with digits 2 and 4 zeroed.
    Scripted s({1, 55, 6, 1, 2, 3, 3, 0, 4, 0, 2});
    GenerateDekNum3(s.state, 1);
    const TDekTaskRecord& r = s.Line(1);
    EXPECT_EQ(r.GivenText, "7030415");
    EXPECT_EQ(r.AnswerText, "7M 3ZT 4H 1Z 5E");
    EXPECT_TRUE(r.AnswerIsNotation);
    EXPECT_EQ(r.AnswerLeft, 320);
    EXPECT_EQ(s.state.AnswerWidth, 450);
    EXPECT_EQ(s.rng->Remaining(), 0U);
}

TEST(GenerateDekNum, EnlargedCountChangesTheExpectedNumber) {
    // Level 4, band 91-95: 12345678, third place enlarged with 7.
    Scripted s({0, 90, 0, 1, 2, 3, 4, 5, 6, 7, 2, 6});
    GenerateDekNum4(s.state, 5);
    const TDekTaskRecord& r = s.Line(5);
    EXPECT_EQ(r.GivenText, "1ZM 2M 73HT 4ZT 5T 6H 7Z 8E");
    EXPECT_EQ(r.AnswerText, "19345678");
    EXPECT_EQ(r.IntValue, 19'345'678);
    EXPECT_EQ(r.AnswerLeft, 670);
    EXPECT_EQ(s.rng->Remaining(), 0U);
}

TEST(GenerateDekNum, TheIndexIsCheckedBeforeAnythingIsDrawn) {
    Scripted s({});
    EXPECT_THROW(GenerateDekNum1(s.state, 0), std::out_of_range);
    EXPECT_THROW(GenerateDezDez5(s.state, 6), std::out_of_range);
    EXPECT_TRUE(s.rng->Calls().empty());
}

TEST(GenerateDekDek, KindOneBiggerUnitToSmaller) {
    // Level 1, kind 1, band 21-40 RandTwoDigit 34, a = 3, b = 2.
    Scripted s({0, 77, 20, 2, 3, 2, 1});
    GenerateDekDek1(s.state, 2);
    const TDekTaskRecord& r = s.Line(2);
    EXPECT_EQ(r.GivenText, "34");
    EXPECT_EQ(r.FromUnit, "H");
    EXPECT_EQ(r.ToUnit, "Z");
    EXPECT_EQ(r.AnswerText, "340");
    EXPECT_EQ(r.IntValue, 34);
    EXPECT_EQ(s.state.ToUnitLeft, 600);
    EXPECT_EQ(s.state.Draws.PairDraw, 78);
    EXPECT_EQ(s.state.Draws.PatternDraw, 21);
    EXPECT_EQ(s.rng->Remaining(), 0U);
}

TEST(GenerateDekDek, KindTwoDrawsTheUnitsBeforeTheNumber) {
    // Level 1, kind 2: a = 4, b = 2 (distance 2), band 35-50 RandTwoDigitE2 3400.
    Scripted s({1, 0, 34, 3, 1, 2, 3});
    GenerateDekDek1(s.state, 4);
    const TDekTaskRecord& r = s.Line(4);
    EXPECT_EQ(r.GivenText, "3400");
    EXPECT_EQ(r.FromUnit, "Z");
    EXPECT_EQ(r.ToUnit, "T");
    EXPECT_EQ(r.AnswerText, "34");
    EXPECT_EQ(s.rng->Remaining(), 0U);
}

TEST(GenerateDekDek, KindTwoRedrawsUnitsTooFarApart) {
    // Level 2 allows distance 5: a = 7, b = 1 is drawn again, then a = 2, b = 2,
    // then a = 3, b = 1; band 1-17 of distance 2 is RandDigitE2.
    Scripted s({1, 0, 0, 6, 0, 1, 1, 2, 0, 4});
    GenerateDekDek2(s.state, 1);
    EXPECT_EQ(s.Line(1).GivenText, "500");
    EXPECT_EQ(s.Line(1).FromUnit, "E");
    EXPECT_EQ(s.Line(1).ToUnit, "H");
    EXPECT_EQ(s.Line(1).AnswerText, "5");
    EXPECT_EQ(s.rng->Remaining(), 0U);
}

TEST(GenerateDekDek, KindThreeAsksForTheNotationInOneUnit) {
    // Level 3, kind draw 51: a = 4, b = 2, RandTwoDigitE2 4700.
    Scripted s({50, 0, 0, 3, 1, 3, 6});
    GenerateDekDek3(s.state, 1);
    const TDekTaskRecord& r = s.Line(1);
    EXPECT_EQ(r.GivenText, "4T 7H");
    EXPECT_EQ(r.FromUnit, "");
    EXPECT_EQ(r.ToUnit, "Z");
    EXPECT_EQ(r.AnswerText, "470");
    EXPECT_EQ(r.AnswerLeft, 400);
    EXPECT_EQ(s.state.AnswerWidth, 200);
    EXPECT_EQ(s.state.ToUnitLeft, 630);
    EXPECT_EQ(s.rng->Remaining(), 0U);
}

TEST(GenerateDekDek, KindThreeOnLevelFiveSpansMdDownToZ) {
    SeededRandom rest(11);
    Scripted s({99, 0, 0, 9, 0}, &rest);
    GenerateDekDek5(s.state, 1);
    const TDekTaskRecord& r = s.Line(1);
    const auto tokens = oracle::ReadDecadic(r.GivenText.str());
    ASSERT_TRUE(tokens);
    EXPECT_EQ(tokens->front().Place, 10);
    EXPECT_EQ(tokens->back().Place, 2);
    EXPECT_EQ(r.ToUnit, "E");
    EXPECT_EQ(r.AnswerText, std::to_string(r.IntValue));
    EXPECT_EQ(r.IntValue % 10, 0);
    EXPECT_GE(r.IntValue, 1'000'000'000);
    EXPECT_EQ(r.AnswerLeft, 550);
    EXPECT_EQ(s.state.ToUnitLeft, 780);
}

TEST(GenerateDezNum, NotationGivenWithAZeroedTenth) {
    // Level 1, band 41-60: RandDec1p2 4,15 with the tenth zeroed.
    Scripted s({0, 40, 31, 4, 0});
    GenerateDezNum1(s.state, 1);
    const TDekTaskRecord& r = s.Line(1);
    EXPECT_EQ(r.GivenText, "4E 5h");
    EXPECT_EQ(r.AnswerText, "4,05");
    EXPECT_FALSE(r.AnswerIsNotation);
    EXPECT_TRUE(r.AnswerHasComma);
    EXPECT_EQ(r.DecExact, (ExactNumber{405, 2}));
    EXPECT_FLOAT_EQ(r.DecValue, 4.05F);
    EXPECT_EQ(s.rng->Remaining(), 0U);
}

TEST(GenerateDezNum, NumeralGiven) {
    // Level 1, direction 2, band 61-80: RandDec1p3NoZero 2,375.
    Scripted s({1, 60, 1, 2, 6, 4});
    GenerateDezNum1(s.state, 2);
    const TDekTaskRecord& r = s.Line(2);
    EXPECT_EQ(r.GivenText, "2,375");
    EXPECT_EQ(r.AnswerText, "2E 3z 7h 5t");
    EXPECT_TRUE(r.AnswerIsNotation);
    EXPECT_FALSE(r.AnswerHasComma);
    EXPECT_EQ(s.rng->Remaining(), 0U);
}

TEST(GenerateDezNum, EnlargedTenthsCarryIntoTheUnits) {
    // Level 5, band 21-40: 1,234567, second place enlarged with 8.
    Scripted s({0, 20, 0, 1, 2, 3, 4, 5, 6, 1, 7});
    GenerateDezNum5(s.state, 3);
    const TDekTaskRecord& r = s.Line(3);
    EXPECT_EQ(r.GivenText, "1E 82z 3h 4t 5zt 6ht 7m");
    EXPECT_EQ(r.AnswerText, "9,234567");
    EXPECT_EQ(r.DecExact, (ExactNumber{1234567, 6})); // the number before enlarging
    EXPECT_EQ(r.AnswerLeft, 600);
    EXPECT_EQ(s.rng->Remaining(), 0U);
}

TEST(GenerateDezNum, SevenAndEightDecimalsKeepEveryDigit) {
    // A float would turn 9,9999999 into 10 and 1,11111111 into 1,1111111.
    Scripted nines({0, 45, 8, 8, 8, 8, 8, 8, 8, 8});
    GenerateDezNum4(nines.state, 1);
    EXPECT_EQ(nines.Line(1).GivenText, "9E 9z 9h 9t 9zt 9ht 9m 9zm");
    EXPECT_EQ(nines.Line(1).AnswerText, "9,9999999");
    Scripted ones({1, 70, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    GenerateDezNum4(ones.state, 1);
    EXPECT_EQ(ones.Line(1).GivenText, "1,11111111");
    EXPECT_EQ(ones.Line(1).AnswerText, "1E 1z 1h 1t 1zt 1ht 1m 1zm 1hm");
    EXPECT_EQ(ones.rng->Remaining(), 0U);
}

TEST(GenerateDezDez, KindOneAndKindTwo) {
    Scripted one({0, 0, 20, 2, 3, 1, 0});
    GenerateDezDez1(one.state, 1);
    EXPECT_EQ(one.Line(1).GivenText, "34");
    EXPECT_EQ(one.Line(1).FromUnit, "z");
    EXPECT_EQ(one.Line(1).ToUnit, "h");
    EXPECT_EQ(one.Line(1).AnswerText, "340");
    EXPECT_EQ(one.rng->Remaining(), 0U);

    Scripted two({1, 0, 34, 2, 0, 2, 3});
    GenerateDezDez1(two.state, 1);
    EXPECT_EQ(two.Line(1).GivenText, "3400");
    EXPECT_EQ(two.Line(1).FromUnit, "t");
    EXPECT_EQ(two.Line(1).ToUnit, "z");
    EXPECT_EQ(two.Line(1).AnswerText, "34");
    EXPECT_EQ(two.rng->Remaining(), 0U);
}

TEST(GenerateDezDez, KindThreeGivesNotationBelowOne) {
    // Level 3, kind draw 51: a = 2, b = 3, RandDec0p2 0,34.
    Scripted s({50, 0, 0, 1, 2, 2, 3});
    GenerateDezDez3(s.state, 1);
    const TDekTaskRecord& r = s.Line(1);
    EXPECT_EQ(r.GivenText, " 3z 4h");
    EXPECT_EQ(r.FromUnit, "");
    EXPECT_EQ(r.ToUnit, "t");
    EXPECT_EQ(r.AnswerText, "340");
    EXPECT_EQ(r.DecExact, (ExactNumber{34, 2}));
    EXPECT_EQ(s.state.ToUnitLeft, 630);
    EXPECT_EQ(s.rng->Remaining(), 0U);
}

TEST(GenerateDezDez, HundredMillionthsGiveExactlyEightDigits) {
    // Level 5, kind draw 21: a = 1, b = 8, RandDec0p1 0,3.
    Scripted s({20, 0, 0, 0, 7, 2});
    GenerateDezDez5(s.state, 1);
    EXPECT_EQ(s.Line(1).AnswerText, "30000000");
    // a = 7, b = 8: RandDec0p7 0,3345669 shifted by eight places.
    Scripted seven({20, 0, 0, 6, 7, 234566, 8});
    GenerateDezDez5(seven.state, 1);
    EXPECT_EQ(seven.Line(1).GivenText, " 3z 3h 4t 5zt 6ht 6m 9zm");
    EXPECT_EQ(seven.Line(1).AnswerText, "33456690");
    EXPECT_EQ(seven.rng->Remaining(), 0U);
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
    EXPECT_EQ(JudgeDekAnswer(r.AnswerText.str(), r).Outcome, DekJudgement::Kind::Right);
}

// The first draws are the generator's own, with these ranges.
void CheckLeadingDraws(const ScriptedRandom& rng, const std::vector<int>& ranges) {
    ASSERT_GE(rng.Calls().size(), ranges.size());
    for (std::size_t i = 0; i < ranges.size(); ++i)
        EXPECT_EQ(rng.Calls()[i].first, ranges[i]);
}

constexpr int kSeeds = 3;

TEST(DecadicSweep, DekNumEveryLevelDirectionAndBand) {
    for (int level = 1; level <= 5; ++level) {
        const NamedDecadicGenerator* gen = FindDecadicGenerator(DekTraining::DekNum, level);
        for (int direction = 1; direction <= 2; ++direction) {
            for (int p = 1; p <= 100; ++p) {
                const NumberBand& band = FindBand(DekNumTable(level, direction), p);
                for (int seed = 0; seed < kSeeds; ++seed) {
                    SeededRandom rest(static_cast<std::uint64_t>(seed * 1000 + p));
                    Scripted s({direction - 1, p - 1}, &rest);
                    gen->Generate(s.state, 1 + seed);
                    const TDekTaskRecord& r = s.Line(1 + seed);
                    const std::string where = std::string(gen->Name) + " dir " +
                                              std::to_string(direction) + " p " + std::to_string(p);
                    CheckCommon(r, DekTraining::DekNum, where);
                    CheckLeadingDraws(*s.rng, {2, 100});
                    const std::string& notation = direction == 1 ? r.GivenText : r.AnswerText;
                    const std::string& numeral = direction == 1 ? r.AnswerText : r.GivenText;
                    const auto tokens = oracle::ReadDecadic(notation);
                    ASSERT_TRUE(tokens) << where << " '" << notation << "'";
                    EXPECT_TRUE(oracle::Descending(*tokens, false)) << where;
                    EXPECT_EQ(oracle::DecadicValue(*tokens), r.IntValue) << where;
                    EXPECT_EQ(ParsePlaceValue(notation), r.IntValue) << where;
                    EXPECT_EQ(numeral, std::to_string(r.IntValue)) << where;
                    EXPECT_EQ(r.AnswerIsNotation, direction == 2);
                    int twoDigitCounts = 0;
                    for (const auto& t : *tokens)
                        twoDigitCounts += t.Count >= 10 ? 1 : 0;
                    EXPECT_EQ(twoDigitCounts, band.C == Change::Enlarge ? band.Count : 0) << where;
                    const DirectionLayout& layout = DekNumLayout(level);
                    EXPECT_EQ(r.AnswerLeft, direction == 1 ? layout.Left1 : layout.Left2);
                    EXPECT_EQ(s.state.AnswerWidth, direction == 1 ? layout.Width1 : layout.Width2);
                }
            }
        }
    }
}

TEST(DecadicSweep, DezNumEveryLevelDirectionAndBand) {
    for (int level = 1; level <= 5; ++level) {
        const NamedDecadicGenerator* gen = FindDecadicGenerator(DekTraining::DezNum, level);
        for (int direction = 1; direction <= 2; ++direction) {
            for (int p = 1; p <= 100; ++p) {
                const NumberBand& band = FindBand(DezNumTable(level, direction), p);
                const int k = Info(band.P).Decimals;
                for (int seed = 0; seed < kSeeds; ++seed) {
                    SeededRandom rest(static_cast<std::uint64_t>(seed * 1000 + p));
                    Scripted s({direction - 1, p - 1}, &rest);
                    gen->Generate(s.state, 1 + seed);
                    const TDekTaskRecord& r = s.Line(1 + seed);
                    const std::string where = std::string(gen->Name) + " dir " +
                                              std::to_string(direction) + " p " + std::to_string(p);
                    CheckCommon(r, DekTraining::DezNum, where);
                    CheckLeadingDraws(*s.rng, {2, 100});
                    const std::string& notation = direction == 1 ? r.GivenText : r.AnswerText;
                    const std::string& numeral = direction == 1 ? r.AnswerText : r.GivenText;
                    const auto tokens = oracle::ReadDecimal(notation);
                    ASSERT_TRUE(tokens) << where << " '" << notation << "'";
                    EXPECT_TRUE(oracle::Descending(*tokens, true)) << where;
                    ASSERT_FALSE(tokens->empty());
                    EXPECT_EQ(tokens->front().Place, 0) << where; // starts with "E"
                    EXPECT_EQ(oracle::NumeralE8(numeral), oracle::DecimalValueE8(*tokens)) << where;
                    EXPECT_EQ(CountCommas(numeral), 1) << where;
                    EXPECT_EQ(r.DecExact.Decimals, k);
                    EXPECT_EQ(r.DecValue, r.DecExact.AsFloat());
                    if (band.C != Change::Enlarge) {
                        // Exactly the drawn number, with all k decimals.
                        EXPECT_EQ(numeral, FixedNumeral(r.DecExact, k)) << where;
                        EXPECT_EQ(tokens->back().Place, k) << where;
                        for (const auto& t : *tokens)
                            EXPECT_LE(t.Count, 9) << where;
                    } else {
                        int twoDigitCounts = 0;
                        for (const auto& t : *tokens)
                            twoDigitCounts += t.Count >= 10 ? 1 : 0;
                        EXPECT_EQ(twoDigitCounts, band.Count) << where;
                        EXPECT_EQ(direction, 1) << where;
                    }
                    EXPECT_EQ(r.AnswerIsNotation, direction == 2);
                    EXPECT_EQ(r.AnswerHasComma, direction == 1);
                    const DirectionLayout& layout = DezNumLayout(level);
                    EXPECT_EQ(r.AnswerLeft, direction == 1 ? layout.Left1 : layout.Left2);
                    EXPECT_EQ(s.state.AnswerWidth, direction == 1 ? layout.Width1 : layout.Width2);
                }
            }
        }
    }
}

// Kind draws that reach each kind of a level: the first and last of each range.
std::vector<int> KindDraws(const UnitLevel& row, int kind) {
    const int lo = kind == 1 ? 1 : kind == 2 ? row.Kind1Hi + 1 : row.Kind2Hi + 1;
    const int hi = kind == 1 ? row.Kind1Hi : kind == 2 ? row.Kind2Hi : row.KindDrawRange;
    if (lo > hi) return {};
    return lo == hi ? std::vector<int>{lo} : std::vector<int>{lo, hi};
}

struct UnitTask {
    int Kind;
    int A = 0; // the unit indices scripted for kinds 2 and 3, in the order drawn
    int B = 0; // (0: kind 1, where the fallback draws them)
};

// Every kind draw band, every p, and for kinds 2 and 3 every unit pair. Kind 3
// draws the higher index first when `kind3HigherFirst`.
template <typename Check>
void SweepUnitGenerator(const UnitLevel& row, DecadicGenerator generate, bool kind3HigherFirst,
                        Check check) {
    for (int kind = 1; kind <= 3; ++kind) {
        for (const int kindDraw : KindDraws(row, kind)) {
            std::vector<std::pair<int, int>> pairs{{0, 0}};
            if (kind == 2) {
                pairs.clear();
                for (int a = 1; a <= row.K; ++a) {
                    for (int b = 1; b < a && a - b <= row.MaxDistance; ++b)
                        pairs.emplace_back(a, b);
                }
            } else if (kind == 3) {
                pairs.clear();
                for (int lo = 1; lo <= row.K3; ++lo) {
                    for (int hi = lo + 1; hi <= row.K3; ++hi) {
                        if (kind3HigherFirst) {
                            pairs.emplace_back(hi, lo);
                        } else {
                            pairs.emplace_back(lo, hi);
                        }
                    }
                }
            }
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
                    generate(s.state, line);
                    CheckLeadingDraws(*s.rng, {row.KindDrawRange, 100, 100});
                    check(s.state, s.Line(line), UnitTask{kind, pairs[i].first, pairs[i].second});
                }
            }
        }
    }
}

TEST(DecadicSweep, DekDekEveryLevelKindUnitPairAndBand) {
    for (int level = 1; level <= 5; ++level) {
        const UnitLevel& row = DekDekLevel(level);
        const NamedDecadicGenerator* gen = FindDecadicGenerator(DekTraining::DekDek, level);
        std::set<int> kindsSeen;
        SweepUnitGenerator(
            row, gen->Generate, true,
            [&](const AppState& state, const TDekTaskRecord& r, const UnitTask& task) {
                const std::string where =
                    std::string(gen->Name) + " kind " + std::to_string(task.Kind);
                CheckCommon(r, DekTraining::DekDek, where);
                kindsSeen.insert(task.Kind);
                EXPECT_EQ(r.GivenText.str(), task.Kind == 3 ? FormatPlaceValue(r.IntValue)
                                                            : std::to_string(r.IntValue));
                EXPECT_EQ(CountCommas(r.AnswerText.str()), 0);
                const std::int64_t answer = std::stoll(r.AnswerText.str());
                if (task.Kind == 1) {
                    const int a = DecadicIndex(r.FromUnit.str());
                    const int b = DecadicIndex(r.ToUnit.str());
                    EXPECT_GT(a, b) << where;
                    EXPECT_LE(a, row.K) << where;
                    EXPECT_GE(b, 1) << where;
                    EXPECT_EQ(answer, r.IntValue * Pow10(a - b)) << where;
                } else if (task.Kind == 2) {
                    EXPECT_EQ(DecadicIndex(r.FromUnit.str()), task.B) << where;
                    EXPECT_EQ(DecadicIndex(r.ToUnit.str()), task.A) << where;
                    const std::int64_t factor = Pow10(task.A - task.B);
                    EXPECT_EQ(r.IntValue % factor, 0) << where << " " << r.IntValue;
                    EXPECT_EQ(answer, r.IntValue / factor) << where;
                } else {
                    const int a = task.A;
                    const int b = task.B;
                    EXPECT_EQ(r.FromUnit, "") << where;
                    EXPECT_EQ(DecadicIndex(r.ToUnit.str()), b) << where;
                    const auto tokens = oracle::ReadDecadic(r.GivenText.str());
                    ASSERT_TRUE(tokens) << where;
                    EXPECT_TRUE(oracle::Descending(*tokens, false));
                    for (const auto& t : *tokens)
                        EXPECT_LE(t.Count, 9);
                    // The written places run from a down to the place above the unit asked for.
                    EXPECT_EQ(tokens->front().Place, a) << where;
                    EXPECT_EQ(tokens->back().Place, b + 1) << where;
                    EXPECT_EQ(answer, r.IntValue / Pow10(b - 1)) << where;
                    EXPECT_EQ(answer * Pow10(b - 1), r.IntValue) << where;
                    EXPECT_EQ(r.AnswerText.str().back(), '0') << where;
                }
                EXPECT_FALSE(r.AnswerIsNotation);
                EXPECT_EQ(r.AnswerLeft, row.AnswerLeft);
                EXPECT_EQ(state.AnswerWidth, row.AnswerWidth);
                EXPECT_EQ(state.ToUnitLeft, row.AnswerLeft + row.AnswerWidth + 30);
            });
        EXPECT_EQ(kindsSeen.size(), level <= 2 ? 2U : 3U) << level;
    }
}

TEST(DecadicSweep, DezDezEveryLevelKindUnitPairAndBand) {
    for (int level = 1; level <= 5; ++level) {
        const UnitLevel& row = DezDezLevel(level);
        const NamedDecadicGenerator* gen = FindDecadicGenerator(DekTraining::DezDez, level);
        std::set<int> kindsSeen;
        SweepUnitGenerator(
            row, gen->Generate, false,
            [&](const AppState& state, const TDekTaskRecord& r, const UnitTask& task) {
                const std::string where =
                    std::string(gen->Name) + " kind " + std::to_string(task.Kind);
                CheckCommon(r, DekTraining::DezDez, where);
                kindsSeen.insert(task.Kind);
                EXPECT_EQ(CountCommas(r.AnswerText.str()), 0);
                const std::int64_t answer = std::stoll(r.AnswerText.str());
                if (task.Kind == 1) {
                    // A larger index is a smaller unit: the given unit has the smaller one.
                    const int b = DecimalIndex(r.FromUnit.str());
                    const int a = DecimalIndex(r.ToUnit.str());
                    EXPECT_GT(a, b) << where;
                    EXPECT_LE(a, row.K) << where;
                    EXPECT_GE(b, 1) << where;
                    EXPECT_EQ(r.GivenText.str(), std::to_string(r.IntValue));
                    EXPECT_EQ(answer, r.IntValue * Pow10(a - b)) << where;
                } else if (task.Kind == 2) {
                    EXPECT_EQ(DecimalIndex(r.FromUnit.str()), task.A) << where;
                    EXPECT_EQ(DecimalIndex(r.ToUnit.str()), task.B) << where;
                    const std::int64_t factor = Pow10(task.A - task.B);
                    EXPECT_EQ(r.GivenText.str(), std::to_string(r.IntValue));
                    EXPECT_EQ(r.IntValue % factor, 0) << where << " " << r.IntValue;
                    EXPECT_EQ(answer, r.IntValue / factor) << where;
                } else {
                    const int a = task.A; // decimals of the number
                    const int b = task.B; // the unit asked for
                    EXPECT_EQ(r.FromUnit, "") << where;
                    EXPECT_EQ(DecimalIndex(r.ToUnit.str()), b) << where;
                    EXPECT_EQ(r.DecExact.Decimals, a) << where;
                    EXPECT_EQ(r.DecValue, r.DecExact.AsFloat());
                    ASSERT_EQ(r.GivenText.str().front(), ' ') << where;
                    const auto tokens = oracle::ReadDecimal(r.GivenText.str().substr(1));
                    ASSERT_TRUE(tokens) << where;
                    EXPECT_TRUE(oracle::Descending(*tokens, true));
                    EXPECT_EQ(tokens->front().Place, 1) << where; // the tenths are never 0
                    EXPECT_EQ(tokens->back().Place, a) << where;
                    const std::int64_t e8 = oracle::DecimalValueE8(*tokens);
                    EXPECT_EQ(e8, r.DecExact.Mantissa * Pow10(8 - a)) << where;
                    EXPECT_EQ(e8 * Pow10(b) % Pow10(8), 0) << where;
                    EXPECT_EQ(answer, e8 * Pow10(b) / Pow10(8)) << where;
                    EXPECT_EQ(static_cast<int>(r.AnswerText.size()), b) << where;
                }
                EXPECT_FALSE(r.AnswerIsNotation);
                EXPECT_FALSE(r.AnswerHasComma);
                EXPECT_EQ(r.AnswerLeft, row.AnswerLeft);
                EXPECT_EQ(state.AnswerWidth, row.AnswerWidth);
                EXPECT_EQ(state.ToUnitLeft, row.AnswerLeft + row.AnswerWidth + 30);
            });
        EXPECT_EQ(kindsSeen.size(), level <= 2 ? 2U : 3U) << level;
    }
}

} // namespace
} // namespace quarvel
