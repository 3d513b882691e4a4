// Whole drills through the session, for every training at every level, without
// a window.
#include "drill/DrillSession.h"

#include <gtest/gtest.h>

namespace quarvel {
namespace {

int MaxLevel(const TrainingInfo& t) {
    return t.Generators[5] != nullptr ? 6 : 5;
}

// A whole drill of three passes: line 1 right at the second try, the others
// at the first; the sheet, the counters and when the evaluation comes due.
void WorkDrill(Training training, int level) {
    SCOPED_TRACE(testing::Message()
                 << "training " << static_cast<int>(training) << " level " << level);
    AppState state;
    state.Rng = std::make_shared<SeededRandom>(static_cast<std::uint64_t>(level) * 31U +
                                               static_cast<std::uint64_t>(training));
    const TrainingInfo& info = InfoOf(training);
    state.Selection.*info.Level = level;
    state.Selection.MaxPasses = 3;
    DrillSession session(state, info.Group);
    session.Open();
    EXPECT_FALSE(session.Caption().empty());
    for (int pass = 1; pass <= 3; ++pass) {
        EXPECT_EQ(state.Selection.CurrentPass, pass);
        for (int line = 1; line <= kLines; ++line) {
            const LineView view = session.View(line);
            ASSERT_TRUE(view.Active);
            EXPECT_FALSE(view.Given.empty());
            EXPECT_GT(view.AnswerWidth, 0);
            EXPECT_EQ(view.State, "noch nicht beantwortet");
        }
        EXPECT_EQ(session.Weiter().Missing, kLines);
        EXPECT_EQ(session.Exit(1, "9999999999,9").Outcome, ExitResult::Kind::WrongFirst);
        for (int line = 1; line <= kLines; ++line) {
            const std::string answer = info.Group == LevelGroup::Decadic
                                           ? state.DekTaskSheet[line].AnswerText.str()
                                           : state.TaskSheet[line].AnswerText.str();
            session.Typed(line, answer);
            EXPECT_FALSE(session.EvaluationDue());
            const ExitResult result = session.Exit(line, answer);
            EXPECT_EQ(result.Outcome,
                      line == 1 ? ExitResult::Kind::RightSecond : ExitResult::Kind::RightFirst);
            EXPECT_EQ(result.DrillComplete, pass == 3 && line == kLines);
            EXPECT_TRUE(session.View(line).Solved);
        }
        EXPECT_EQ(state.Score.PassTries, 6);
        EXPECT_EQ(session.State().PointsText(), "4,5");
        const WeiterResult next = session.Weiter();
        EXPECT_EQ(next.Missing, 0);
        EXPECT_EQ(next.NextPass, pass < 3);
    }
    EXPECT_TRUE(session.EvaluationDue());
    EXPECT_EQ(state.Score.TotalTries, 18);
    EXPECT_FLOAT_EQ(state.Score.TotalPoints, 13.5F);
    session.Restart();
    EXPECT_EQ(state.Selection.CurrentPass, 1);
    EXPECT_FALSE(session.EvaluationDue());
    EXPECT_EQ(state.Score.TotalTries, 0);
}

TEST(DrillSession, WholeDrillOfEveryTrainingAtEveryLevel) {
    for (const TrainingInfo& t : Trainings()) {
        for (int level = 1; level <= MaxLevel(t); ++level)
            WorkDrill(t.Id, level);
    }
}

TEST(DrillSession, SaysWhatEachLineShowsAndHowItStands) {
    AppState state;
    state.Rng = std::make_shared<SeededRandom>(3);
    state.Selection.LevelFlaeche = 2;
    DrillSession session(state, LevelGroup::Measure);
    session.Open();
    TTaskRecord& r = state.TaskSheet[2];
    r.GivenText = "3", r.FromUnit = "m^2", r.ToUnit = "dm^2", r.AnswerText = "300,00";
    EXPECT_EQ(session.View(2).Given, "3 m^2");
    EXPECT_EQ(session.View(2).Task, "Aufgabe 2: 3 m² in dm²");
    session.Exit(2, "30");
    EXPECT_EQ(session.View(2).State, "falsch, noch ein Versuch");
    EXPECT_FALSE(session.Solution(2)); // not before the answer is revealed
    session.Exit(2, "3000");
    const LineView view = session.View(2);
    EXPECT_EQ(view.State, "zweimal falsch, das Ergebnis lautet 300");
    EXPECT_FALSE(view.Solved);
    EXPECT_EQ(view.Answer, "3000"); // the pupil's answer stays in the red
    EXPECT_EQ(session.LastRevealed(), 2);
    const auto solution = session.Solution(2);
    ASSERT_TRUE(solution);
    EXPECT_EQ(solution->Text(), "So geht's:\n1\u00a0m² = 100\u00a0dm².\n"
                                "Von m² nach dm² rechnest du mal 100.\n"
                                "Du hängst zwei\u00a0Nullen an: 3\u00a0m² = 300\u00a0dm².\n"
                                "Dein Fehler: Deine Zahl hat eine\u00a0Null zu viel.");
    session.Restart();
    EXPECT_EQ(session.LastRevealed(), 0);

    AppState dek;
    dek.Selection.LevelDekNum = 1;
    DrillSession decadic(dek, LevelGroup::Decadic);
    decadic.Open();
    TDekTaskRecord& d = dek.DekTaskSheet[1];
    d.GivenText = "3405", d.AnswerIsNotation = true, d.AnswerText = "3T 4H 5E";
    EXPECT_EQ(decadic.View(1).Task, "Aufgabe 1: 3405 in Stellenwertschreibweise");
    decadic.Exit(1, "5E 4H 3T");
    decadic.Exit(1, "5E 4H 3T");
    const auto explained = decadic.Solution(1);
    ASSERT_TRUE(explained && explained->Mistake);
    EXPECT_TRUE(std::holds_alternative<DekSolution>(explained->Worked));
    EXPECT_EQ(explained->Mistake->Kind, "place-order");
}

} // namespace
} // namespace quarvel
