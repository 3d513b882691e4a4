// The drill line by line, whole drills through the session, the evaluation.
#include "drill/Drill.h"
#include "core/AnswerText.h"
#include "core/PassCount.h"
#include "drill/DrillSession.h"
#include "drill/Evaluation.h"

#include "../tables/Tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <regex>
#include <tuple>
#include <vector>

namespace quarvel {
namespace {

using Kind = ExitResult::Kind;
using F = FaceKind;
using M = MarkKind;

TEST(DrillTexts, Trimming) {
    std::string trimmed;
    for (const char* t : {"12,500", "7,000", "100", ",0", "5,"})
        trimmed += TrimTrailingZeros(t) + "|";
    for (const char* t : {"007", "000", "00,5", ",25", ""})
        trimmed += TrimLeadingZeros(t) + "|";
    EXPECT_EQ(trimmed, "12,5|7|100||5|7|0|0,5|0,25||");
    // A longer input is cut to 40 characters first.
    EXPECT_EQ(TrimTrailingZeros(std::string(39, '1') + ",5000").size(), 39U);
}

struct DrillFixture : ::testing::Test {
    TTaskSheet sheet;
    MeasureRules rules{sheet};
    Drill drill{rules};
    const ScoreState& score = drill.Score();

    // A drill of `passes` in `pass`, the passes before answered right, every line expecting 5.
    void SetUp() override { Start(1); }
    void Start(int pass, int passes = 3) {
        drill.StartDrill(passes);
        drill.ClearLines();
        for (int p = 1;; ++p) {
            for (int i = 1; i <= kLines; ++i)
                sheet[i].AnswerText = "5,00";
            if (p == pass) return;
            for (int i = 1; i <= kLines; ++i)
                drill.Exit(i, "5");
            drill.Weiter();
        }
    }
    auto Looks(int line) {
        const DrillLine& l = drill.Line(line);
        return std::tuple(l.Face, l.FirstMark, l.SecondMark, l.FieldVisible);
    }
};

// Every try: its outcome, the line's look, the pass's points and tries after it,
// and its message and colour as texts.csv and colours.csv give them for the
// measure and the decadic windows alike.
TEST_F(DrillFixture, EachTryScoresLooksAndSays) {
    const std::tuple<int, const char*, Kind, std::tuple<F, M, M, bool>, float> tries[] = {
        {1, "005,0", Kind::RightFirst, {F::Happy, M::Tick, M::Empty, false}, 1.0F},
        {2, "50", Kind::WrongFirst, {F::Sad, M::Cross, M::Empty, true}, 1.0F},
        {2, "5,0", Kind::RightSecond, {F::Frowning, M::Cross, M::Tick, false}, 1.5F},
        {3, ",", Kind::WrongFirst, {F::Sad, M::Cross, M::Empty, true}, 1.5F},
        {3, "6", Kind::WrongSecond, {F::Sad, M::Cross, M::Cross, false}, 1.5F},
        {4, "4", Kind::WrongFirst, {F::Sad, M::Cross, M::Empty, true}, 1.5F},
        {4, "4", Kind::WrongSecond, {F::Sad, M::Cross, M::Cross, false}, 1.5F},
        {5, "5,", Kind::RightFirst, {F::Happy, M::Tick, M::Empty, false}, 2.5F},
    };
    const std::map<Kind, std::string> said = {{Kind::RightFirst, "right at the first try"},
                                              {Kind::WrongFirst, "wrong at the first try"},
                                              {Kind::RightSecond, "right at the second try"},
                                              {Kind::WrongSecond, "wrong at the second try"}};
    EXPECT_EQ(drill.Exit(1, "1,2,3").Outcome, Kind::TooManyCommas);
    int count = 0;
    for (const auto& [line, typed, outcome, look, points] : tries) {
        const std::string& words = said.at(outcome);
        SCOPED_TRACE(testing::Message() << "line " << line << " typed " << typed);
        const float before = score.PassPoints;
        const ExitResult r = drill.Exit(line, typed);
        EXPECT_EQ(std::tuple(r.Outcome, r.KeepFocus, Looks(line)),
                  std::tuple(outcome, outcome == Kind::WrongFirst, look));
        ++count;
        EXPECT_EQ(
            std::tuple(score.PassPoints, score.TotalPoints, score.PassTries, score.TotalTries),
            std::tuple(points, points, count, count));
        ASSERT_TRUE(r.Label.has_value());
        for (const std::string prefix :
             {"exercise windows lblAnzeige: edtExit", "TfrmDekEinheiten lblAnzeige: answer check"})
            EXPECT_EQ(r.Label->Text, outcome == Kind::WrongSecond
                                         ? tables::WrongTwice(prefix, "5")
                                         : tables::Text("message", prefix + " " + words))
                << prefix;
        EXPECT_EQ(r.Label->Colour, tables::Colour("exercise windows", "lblAnzeige " + words));
        const std::string row = std::regex_replace(words, std::regex(" at the | "), "_");
        EXPECT_EQ(score.PassPoints - before,
                  outcome == Kind::WrongFirst
                      ? 0.0F
                      : std::stof(tables::RowOf("pass_count.csv", "name",
                                                "score_points_" + row)["value"]));
    }
    EXPECT_EQ(drill.TriesText() + " " + drill.PointsText(), "8 2,5");
    EXPECT_EQ(drill.Line(1).FieldText, "5");
    EXPECT_EQ(sheet[5].AnswerText, "5") << "the expected text is trimmed in place";
}

// The pass count as the dialog leaves it. "Weiter" keeps a pass with an empty
// field and leads to the next but from the last. Line 1 waits for its second
// try and counts as filled: the next pass asks it afresh, and in the last the
// fifth filled field ends the drill, the waiting try still judged after.
TEST_F(DrillFixture, DrillEndsExactlyAfterItsLastPass) {
    const std::pair<const char*, int> counts[] = {{"2", 3}, {"3", 3}, {"10", 10}, {"11", 3}};
    for (const auto& [typed, passes] : counts) {
        SCOPED_TRACE(testing::Message() << "pass count typed " << typed);
        Start(1, PassCountValue(CheckPassCount(typed).Text));
        for (int pass = 1; pass <= passes; ++pass) {
            EXPECT_EQ(drill.PassText(), std::to_string(pass) + " / " + std::to_string(passes));
            EXPECT_EQ(drill.Exit(1, "4").Outcome, Kind::WrongFirst) << "a first try";
            for (int line = 2; line <= kLines; ++line) {
                if (line == kLines) {
                    const WeiterResult early = drill.Weiter();
                    EXPECT_TRUE(early.Missing == 1 && early.FocusLine == kLines && !early.NextPass);
                }
                EXPECT_EQ(drill.Exit(line, "5").DrillComplete, pass == passes && line == kLines);
            }
            EXPECT_EQ(drill.Complete(), pass == passes);
            const WeiterResult w = drill.Weiter();
            EXPECT_EQ(w.Missing, 0);
            ASSERT_EQ(w.NextPass, pass < passes) << "pass " << pass;
        }
        EXPECT_EQ(drill.Exit(1, "5").Outcome, Kind::RightSecond);
        EXPECT_EQ(score.PassPoints, 4.5F);
        EXPECT_EQ(Looks(5), std::tuple(F::Happy, M::Tick, M::Empty, false)) << "the last sheet";
        EXPECT_EQ(score.TotalTries, 5 * passes + 1);
    }
}

// Three passes of every training and level: line 1 right at the second try. A
// measure sheet's asked units stand in one column, 30 px right of the field of
// its last line's generator, also where its lines' fields differ in width.
TEST(DrillSession, WholeDrillOfEveryTrainingAtEveryLevel) {
    int mixed = 0;
    for (const TrainingInfo& info : Trainings()) {
        for (int level = 1; level <= (info.Generators[5] ? 6 : 5); ++level) {
            SCOPED_TRACE(testing::Message()
                         << "training " << static_cast<int>(info.Id) << " level " << level);
            SelectionState selection;
            selection.*info.Level = level;
            DrillSession session(
                info.Group, std::make_shared<SeededRandom>(static_cast<std::uint64_t>(level * 31) +
                                                           static_cast<std::uint64_t>(info.Id)));
            session.Open(selection);
            const ScoreState& score = session.State().Score();
            for (int pass = 1; pass <= 3; ++pass) {
                EXPECT_EQ(session.State().Pass(), pass);
                EXPECT_EQ(session.Weiter().Missing, kLines);
                EXPECT_EQ(session.Exit(1, "9999999999,9").Outcome, Kind::WrongFirst);
                const int last = session.View(kLines).AnswerWidth;
                mixed += info.Group != LevelGroup::Decadic && session.View(1).AnswerWidth != last;
                for (int line = 1; line <= kLines; ++line) {
                    const LineView view = session.View(line);
                    EXPECT_TRUE(view.Active && !view.Given.empty() && view.AnswerWidth > 0);
                    EXPECT_TRUE(info.Group == LevelGroup::Decadic ||
                                view.ToUnitLeft == 400 + last + 30)
                        << "units of line " << line;
                    const std::string answer = info.Group == LevelGroup::Decadic
                                                   ? session.DekSheet()[line].AnswerText.str()
                                                   : session.MeasureSheet()[line].AnswerText.str();
                    session.Typed(line, answer);
                    EXPECT_FALSE(session.EvaluationDue());
                    const ExitResult result = session.Exit(line, answer);
                    EXPECT_EQ(result.Outcome, line == 1 ? Kind::RightSecond : Kind::RightFirst);
                    EXPECT_EQ(result.DrillComplete, pass == 3 && line == kLines);
                    EXPECT_TRUE(session.View(line).Solved);
                }
                EXPECT_EQ(session.State().PointsText(), "4,5");
                EXPECT_EQ(session.Weiter().NextPass, pass < 3);
            }
            EXPECT_EQ(std::tuple(session.EvaluationDue(), score.TotalTries, score.TotalPoints),
                      std::tuple(true, 18, 13.5F));
            session.Restart();
            EXPECT_EQ(std::tuple(session.EvaluationDue(), score.TotalTries, session.State().Pass()),
                      std::tuple(false, 0, 1));
        }
    }
    EXPECT_GT(mixed, 0) << "no sheet mixes field widths";
}

TEST(DrillSession, SaysWhatEachLineShowsAndHowItStands) {
    SelectionState selection;
    selection.LevelFlaeche = 2;
    DrillSession session(LevelGroup::Measure, std::make_shared<SeededRandom>(3));
    session.Open(selection);
    TTaskRecord r;
    r.GivenText = "3", r.FromUnit = "m^2", r.ToUnit = "dm^2", r.AnswerText = "300,00";
    session.PutTask(2, r);
    EXPECT_EQ(session.View(2).Given + "|" + session.View(2).Task, "3 m^2|Aufgabe 2: 3 m² in dm²");
    session.Exit(2, "30");
    EXPECT_EQ(session.View(2).State, "falsch, noch ein Versuch");
    EXPECT_FALSE(session.Solution(2)); // not before the answer is revealed
    session.Exit(2, "3000");
    const LineView view = session.View(2); // the pupil's answer stays in the red
    EXPECT_EQ(std::tuple(view.State, view.Solved, view.Answer, session.LastRevealed()),
              std::tuple("zweimal falsch, das Ergebnis lautet 300", false, "3000", 2));
    const auto solution = session.Solution(2);
    ASSERT_TRUE(solution);
    EXPECT_EQ(solution->Text(), "So geht's:\n1\u00a0m² = 100\u00a0dm².\n"
                                "Von m² nach dm² rechnest du mal 100.\n"
                                "Du hängst zwei\u00a0Nullen an: 3\u00a0m² = 300\u00a0dm².\n"
                                "Dein Fehler: Deine Zahl hat eine\u00a0Null zu viel.");
    session.Restart();
    EXPECT_EQ(session.LastRevealed(), 0);

    selection.LevelDekNum = 1;
    DrillSession decadic(LevelGroup::Decadic, std::make_shared<SeededRandom>(3));
    decadic.Open(selection);
    TDekTaskRecord d;
    d.GivenText = "3405", d.AnswerIsNotation = true, d.AnswerText = "3T 4H 5E";
    decadic.PutTask(1, d);
    EXPECT_EQ(decadic.View(1).Task, "Aufgabe 1: 3405 in Stellenwertschreibweise");
    decadic.Exit(1, "5E 4H 3T");
    decadic.Exit(1, "5E 4H 3T");
    const auto explained = decadic.Solution(1);
    ASSERT_TRUE(explained && explained->Mistake);
    EXPECT_TRUE(std::holds_alternative<DekSolution>(explained->Worked));
    EXPECT_EQ(explained->Mistake->Kind, "place-order");
}

// Two passes with one task failed in each; "Fehler üben" holds exactly their twins, and
// both twins failed again come back once, where one is solved and the other fails for good.
TEST(DrillSession, PractisesTwinsOfTheFailedTasks) {
    SelectionState selection;
    selection.LevelLaenge = 3, selection.MaxPasses = 2;
    DrillSession session(LevelGroup::Measure, std::make_shared<SeededRandom>(17));
    session.Open(selection);
    const TTaskSheet& sheet = session.MeasureSheet();
    const auto answer = [&](int line) { return sheet[line].AnswerText.str(); };
    const auto fail = [&](int line) {
        session.Exit(line, answer(line) + "1");
        session.Exit(line, answer(line) + "1");
    };
    std::vector<TTaskRecord> failed, twins;
    for (const int wrongLine : {2, 4}) {
        failed.push_back(sheet[wrongLine]);
        for (int line = 1; line <= kLines; ++line)
            line == wrongLine ? fail(line) : void(session.Exit(line, answer(line)));
        session.Weiter();
    }
    ASSERT_TRUE(session.EvaluationDue());
    ASSERT_EQ(session.Failed().size(), 2U);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(std::get<TTaskRecord>(session.Failed()[i]).GivenText, failed[i].GivenText);
    session.StartPractice();
    EXPECT_EQ(session.PassText(), "1 / 1");
    for (int line = 1; line <= 2; ++line) {
        const TTaskRecord &twin = sheet[line], &original = failed[line - 1U];
        EXPECT_TRUE(session.View(line).Active && session.Line(line).FieldVisible);
        EXPECT_EQ(std::tuple(twin.Draws.Generator, twin.FromUnit, twin.ToUnit, true),
                  std::tuple(original.Draws.Generator, original.FromUnit, original.ToUnit,
                             twin.GivenText != original.GivenText));
        twins.push_back(twin);
        fail(line);
    }
    EXPECT_FALSE(session.Line(3).FieldVisible);
    EXPECT_EQ(session.PassText(), "1 / 2");
    ASSERT_TRUE(!session.PracticeDone() && session.Weiter().NextPass);
    for (int line = 1; line <= 2; ++line)
        EXPECT_EQ(sheet[line].GivenText, twins[line - 1U].GivenText);
    session.Exit(1, answer(1));
    fail(2);
    EXPECT_TRUE(session.PracticeDone()) << "a second failure of a twin does not come back";
    EXPECT_EQ(session.PracticeSummary(), "Von 2 Fehleraufgaben hast du jetzt 1 richtig gelöst.");
    EXPECT_TRUE(session.Failed().empty());
}

TEST(Evaluation, WorkedDrills) {
    std::map<int, std::string> verdict;
    for (const tables::CsvRow& row : tables::Rows("verdicts.csv"))
        verdict[row.Int("lo")] = row["verdict"];
    for (const tables::CsvRow& row : tables::Rows("cases/engine_evaluation.csv")) {
        const Evaluation e(std::stof(row["points"]), row.Int("tries"));
        EXPECT_EQ(e.PanelRight() + ", " + e.PanelWrong() + ": " + std::to_string(e.PercentRight()) +
                      " (" + e.Final().LabelRight + " " + e.Final().LabelWrong + ")",
                  row["shown"])
            << row.Where();
        EXPECT_EQ(e.Verdict(), verdict.at(row.Int("verdict_from"))) << row.Where();
    }
    EXPECT_EQ(Evaluation(std::numeric_limits<float>::quiet_NaN(), 10).PercentRight(), 0);
    // Half way through the animation of 73,529 %.
    EXPECT_EQ(Evaluation(12.5F, 17).Step(37), (EvaluationFrame{37, 63, "36,765 %", "63,235 %"}));
}

// "73,529 %" -> 73529
long Thousandths(const std::string& label) {
    const std::size_t comma = label.find(',');
    EXPECT_TRUE(comma != std::string::npos && label.substr(comma + 4) == " %") << label;
    return std::stol(label.substr(0, comma)) * 1000 + std::stol(label.substr(comma + 1, 3));
}

// Up to 100 tries: each step grows the gauge by one, the labels never shrink and
// make 100 %, and the end is the exact share to half a thousandth.
TEST(Evaluation, EveryReachableScoreAnimatesSoundly) {
    for (int tries = 1; tries <= 100; ++tries) {
        for (int half = 0; half <= 2 * tries; ++half) {
            const Evaluation e(static_cast<float>(half) / 2.0F, tries);
            SCOPED_TRACE(testing::Message() << half << " half points in " << tries);
            const int percent = e.PercentRight();
            ASSERT_LE(std::abs(percent - 50.0 * half / tries), 0.5);
            ASSERT_EQ(e.StepCount(), percent == 0 ? 0 : percent + 1);
            long previous = -1;
            for (int s = 0; s < e.StepCount(); ++s) {
                const EvaluationFrame frame = e.Step(s);
                ASSERT_EQ(std::pair(frame.GaugeRight, frame.GaugeWrong), std::pair(s, 100 - s));
                const long right = Thousandths(frame.LabelRight);
                ASSERT_GE(right, previous);
                ASSERT_LE(std::abs(right + Thousandths(frame.LabelWrong) - 100'000), 1);
                previous = right;
            }
            const EvaluationFrame last = e.Final();
            ASSERT_EQ(std::pair(last.GaugeRight, last.GaugeWrong),
                      std::pair(percent, 100 - percent));
            ASSERT_TRUE(!e.Animated() || last == e.Step(percent)) << "a jump at the end";
            // In units of half a thousandth, so ties compare exactly.
            ASSERT_LE(std::abs(2 * Thousandths(last.LabelRight) * tries - 100'000L * half), tries);
            ASSERT_EQ(Thousandths(last.LabelRight) + Thousandths(last.LabelWrong), 100'000);
        }
    }
}

} // namespace
} // namespace quarvel
