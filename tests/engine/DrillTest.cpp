// Judging, scoring and passes of one drill on the measure rules, line by line:
// what each try is worth, what "Weiter" does in every pass with full, empty and
// waiting fields, and that a drill ends exactly after its last pass.
#include "drill/Drill.h"
#include "core/PassCount.h"
#include "drill/AnswerCheck.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace quarvel {
namespace {

using Kind = ExitResult::Kind;

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
    AppState state;
    MeasureRules rules{state.TaskSheet};
    Drill drill{state, rules};

    // A fresh drill in `pass`, every line expecting 5.
    void SetUp() override { Start(1); }
    void Start(int pass) {
        drill.StartDrill();
        drill.ClearLines();
        state.Selection.CurrentPass = pass;
        for (int i = 1; i <= kLines; ++i) {
            state.TaskSheet[i].AnswerText = "5,00";
            state.TaskSheet[i].Active = true;
        }
    }
    ExitResult Type(int line, const std::string& text) { return drill.Exit(line, text); }
    auto Looks(int line) {
        const DrillLine& l = drill.Line(line);
        return std::tuple(l.Face, l.FirstMark, l.SecondMark, l.FieldVisible);
    }
    void AnswerRight(int from = 1) {
        for (int line = from; line <= kLines; ++line)
            Type(line, "5");
    }
};

// Every try: its outcome, the line's look, and the points and tries of the pass
// after it. 1 point at the first try, 0,5 at the second, nothing when wrong
// twice; zeros at either end and a trailing comma do not matter.
TEST_F(DrillFixture, EachTryScoresAndLooks) {
    using F = FaceKind;
    using M = MarkKind;
    const std::tuple<int, const char*, Kind, std::tuple<F, M, M, bool>, float> tries[] = {
        {1, "005,0", Kind::RightFirst, {F::Happy, M::Tick, M::Empty, false}, 1.0F},
        {2, "50", Kind::WrongFirst, {F::Sad, M::Cross, M::Empty, true}, 1.0F},
        {2, "5,0", Kind::RightSecond, {F::Frowning, M::Cross, M::Tick, false}, 1.5F},
        {3, ",", Kind::WrongFirst, {F::Sad, M::Cross, M::Empty, true}, 1.5F},
        {3, "6", Kind::WrongSecond, {F::Sad, M::Cross, M::Cross, false}, 1.5F},
        // Leaving the field with its text unchanged is the second try.
        {4, "4", Kind::WrongFirst, {F::Sad, M::Cross, M::Empty, true}, 1.5F},
        {4, "4", Kind::WrongSecond, {F::Sad, M::Cross, M::Cross, false}, 1.5F},
        {5, "5,", Kind::RightFirst, {F::Happy, M::Tick, M::Empty, false}, 2.5F},
    };
    int count = 0;
    for (const auto& [line, typed, outcome, look, points] : tries) {
        SCOPED_TRACE(testing::Message() << "line " << line << " typed " << typed);
        const ExitResult r = Type(line, typed);
        EXPECT_EQ(r.Outcome, outcome);
        EXPECT_EQ(r.KeepFocus, outcome == Kind::WrongFirst);
        EXPECT_EQ(Looks(line), look);
        EXPECT_EQ(state.Score.PassPoints, points);
        EXPECT_EQ(state.Score.TotalPoints, points);
        EXPECT_EQ(state.Score.PassTries, ++count);
        EXPECT_EQ(state.Score.TotalTries, count);
        if (outcome == Kind::WrongSecond) {
            ASSERT_TRUE(r.Label);
            EXPECT_NE(r.Label->Text.find("Das Ergebnis lautet 5!"), std::string::npos);
        }
    }
    EXPECT_EQ(drill.TriesText() + " " + drill.PointsText(), "8 2,5");
    EXPECT_EQ(drill.Line(1).FieldText, "5");
    EXPECT_EQ(state.TaskSheet[5].AnswerText, "5") << "the expected text is trimmed in place";
}

// The pass count as the dialog leaves it reaches the drill: "Weiter" keeps a
// pass with empty fields, leads from a full one to the next but for the last,
// which ends the drill at its fifth answer.
TEST_F(DrillFixture, DrillEndsExactlyAfterItsLastPass) {
    const std::pair<const char*, int> counts[] = {{"2", 3}, {"3", 3}, {"10", 10}, {"11", 3}};
    for (const auto& [typed, passes] : counts) {
        SCOPED_TRACE(testing::Message() << "pass count typed " << typed);
        Start(1);
        state.Selection.MaxPasses = PassCountValue(CheckPassCount(typed).Text);
        for (int pass = 1; pass <= passes; ++pass) {
            EXPECT_EQ(drill.PassText(), std::to_string(pass) + " / " + std::to_string(passes));
            for (int line = 1; line <= kLines; ++line) {
                if (line == kLines) {
                    const WeiterResult early = drill.Weiter();
                    EXPECT_TRUE(early.Missing == 1 && early.FocusLine == kLines && !early.NextPass);
                }
                EXPECT_EQ(Type(line, "5").DrillComplete, pass == passes && line == kLines);
            }
            EXPECT_EQ(drill.Complete(), pass == passes);
            const WeiterResult w = drill.Weiter();
            EXPECT_EQ(w.Missing, 0);
            ASSERT_EQ(w.NextPass, pass < passes) << "pass " << pass;
        }
        EXPECT_EQ(Looks(5), std::tuple(FaceKind::Happy, MarkKind::Tick, MarkKind::Empty, false))
            << "the last sheet stays as answered";
        EXPECT_EQ(state.Score.TotalTries, 5 * passes);
    }
}

// A line still waiting for its second try holds text, so it counts as filled.
TEST_F(DrillFixture, WeiterWhileALineWaitsForItsSecondTry) {
    // Before the last pass the next pass begins, with a first try again.
    Type(1, "4");
    AnswerRight(2);
    EXPECT_FALSE(drill.Complete());
    const WeiterResult w = drill.Weiter();
    EXPECT_EQ(w.Missing, 0);
    ASSERT_TRUE(w.NextPass);
    EXPECT_EQ(Type(1, "4").Outcome, Kind::WrongFirst);

    // In the last pass the fifth filled field ends the drill although line 1
    // waits; "Weiter" leads nowhere, and the waiting try is still judged.
    Start(3);
    Type(1, "4");
    for (int line = 2; line <= kLines; ++line)
        EXPECT_EQ(Type(line, "5").DrillComplete, line == kLines);
    EXPECT_FALSE(drill.Weiter().NextPass);
    EXPECT_EQ(drill.PassText(), "3 / 3");
    EXPECT_EQ(Type(1, "5").Outcome, Kind::RightSecond);
    EXPECT_EQ(state.Score.PassPoints, 4.5F);
}

} // namespace
} // namespace quarvel
