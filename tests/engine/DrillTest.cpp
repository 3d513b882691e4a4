#include "drill/AnswerCheck.h"
#include "drill/Drill.h"

#include <gtest/gtest.h>

namespace quarvel {
namespace {

using Kind = ExitResult::Kind;

TEST(AnswerTexts, TrimmingFollowsTheWrittenExamples) {
    EXPECT_EQ(TrimTrailingZeros("12,500"), "12,5");
    EXPECT_EQ(TrimTrailingZeros("7,000"), "7");
    EXPECT_EQ(TrimTrailingZeros("100"), "100");
    EXPECT_EQ(TrimTrailingZeros(",0"), "");
    EXPECT_EQ(TrimTrailingZeros("5,"), "5");
    EXPECT_EQ(TrimLeadingZeros("007"), "7");
    EXPECT_EQ(TrimLeadingZeros("000"), "0");
    EXPECT_EQ(TrimLeadingZeros("00,5"), "0,5");
    EXPECT_EQ(TrimLeadingZeros(",25"), "0,25");
    EXPECT_EQ(TrimLeadingZeros("0,5"), "0,5");
    EXPECT_EQ(TrimLeadingZeros(""), "");
    EXPECT_EQ(CountCommas("1,2,3"), 2);
    // Longer input is cut to 40 characters first.
    EXPECT_EQ(TrimTrailingZeros(std::string(39, '1') + ",5000").size(), 39U);
    EXPECT_EQ(CountCommas(std::string(40, '1') + ",,"), 0);
}

TEST(AnswerTexts, CommaKeyOnlyWhereTheAnswerHasDecimals) {
    EXPECT_TRUE(MeasureKeyAccepted(U',', 2));
    EXPECT_FALSE(MeasureKeyAccepted(U',', 0));
    for (char32_t key : {U'0', U'9', U'\b', U'\r'}) EXPECT_TRUE(MeasureKeyAccepted(key, 0));
    for (char32_t key : {U'.', U'-', U' ', U'a', U'e', U'+', U'²'}) EXPECT_FALSE(MeasureKeyAccepted(key, 3));
}

struct DrillFixture : ::testing::Test {
    AppState state;
    MeasureRules rules{state.TaskSheet};
    Drill drill{state, rules};

    void SetUp() override {
        state.Selection.MaxPasses = 3;
        drill.StartDrill();
        drill.ClearLines();
        for (int i = 1; i <= kLines; ++i) {
            state.TaskSheet[i].AnswerText = "5,00";
            state.TaskSheet[i].Active = true;
        }
    }
    ExitResult Type(int line, const std::string& text) { return drill.Exit(line, text); }
};

TEST_F(DrillFixture, TrailingAndLeadingZerosDoNotMatter) {
    state.TaskSheet[1].AnswerText = "0,5";
    for (const char* typed : {"0,50", "00,5", ",5", ",50"}) {
        drill.ClearLines();
        EXPECT_EQ(Type(1, typed).Outcome, Kind::RightFirst) << typed;
        EXPECT_EQ(drill.Line(1).FieldText, "0,5");
    }
    for (const char* typed : {"5", "5,0", "5,", "05"}) {
        drill.ClearLines();
        EXPECT_EQ(Type(2, typed).Outcome, Kind::RightFirst) << typed;
    }
    EXPECT_EQ(state.TaskSheet[2].AnswerText, "5") << "the expected text is trimmed in place";
    drill.ClearLines();
    EXPECT_EQ(Type(3, "50").Outcome, Kind::WrongFirst);
    EXPECT_EQ(Type(3, ",").Outcome, Kind::WrongSecond) << "a lone comma is simply wrong";
}

TEST_F(DrillFixture, TwoCommasCountNothing) {
    const ExitResult r = Type(1, "1,2,3");
    EXPECT_EQ(r.Outcome, Kind::TooManyCommas);
    EXPECT_TRUE(r.KeepFocus);
    EXPECT_EQ(state.Score.PassTries, 0);
    EXPECT_EQ(state.Score.TotalTries, 0);
    EXPECT_EQ(state.Score.TryNumber, 1);
    EXPECT_TRUE(drill.Line(1).FieldVisible);
}

TEST_F(DrillFixture, CountersAfterFiveLines) {
    for (int i = 1; i <= 5; ++i) Type(i, "5");
    EXPECT_EQ(drill.TriesText(), "5");
    EXPECT_EQ(drill.PointsText(), "5,0");

    drill.StartDrill();
    drill.ClearLines();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(Type(i, "7").Outcome, Kind::WrongFirst);
        EXPECT_EQ(Type(i, "8").Outcome, Kind::WrongSecond);
        EXPECT_FALSE(state.TaskSheet[i].Solved);
        EXPECT_FALSE(drill.Line(i).FieldVisible);
    }
    EXPECT_EQ(drill.TriesText(), "10");
    EXPECT_EQ(drill.PointsText(), "0,0");

    drill.StartDrill();
    drill.ClearLines();
    EXPECT_EQ(Type(1, "6").Outcome, Kind::WrongFirst);
    EXPECT_EQ(Type(1, "5").Outcome, Kind::RightSecond);
    for (int i = 2; i <= 5; ++i) Type(i, "5");
    EXPECT_EQ(drill.TriesText(), "6");
    EXPECT_EQ(drill.PointsText(), "4,5");
    EXPECT_FLOAT_EQ(state.Score.TotalPoints, 4.5F);
    EXPECT_EQ(state.Score.TotalTries, 6);
}

TEST_F(DrillFixture, FacesMarksAndMessages) {
    ExitResult r = Type(1, "5");
    EXPECT_EQ(drill.Line(1).Face, FaceKind::Happy);
    EXPECT_EQ(drill.Line(1).FirstMark, MarkKind::Tick);
    EXPECT_EQ(r.Label->Text, drilltext::kRightFirst);
    EXPECT_EQ(r.Label->Colour, (Rgb{102, 51, 255}));

    r = Type(2, "4");
    EXPECT_EQ(drill.Line(2).Face, FaceKind::Sad);
    EXPECT_EQ(drill.Line(2).FirstMark, MarkKind::Cross);
    EXPECT_TRUE(r.KeepFocus);
    EXPECT_TRUE(drill.Line(2).FieldVisible);
    EXPECT_EQ(r.Label->Colour, (Rgb{255, 0, 102}));

    r = Type(2, "3");
    EXPECT_EQ(drill.Line(2).Face, FaceKind::Sad);
    EXPECT_EQ(drill.Line(2).SecondMark, MarkKind::Cross);
    EXPECT_EQ(r.Label->Text,
              "Deine Eingabe ist leider wieder falsch!\nDas Ergebnis lautet 5!\nVergleiche das Ergebnis mit "
              "deiner Eingabe und überlege, warum du den Fehler begangen hast!");

    Type(3, "1");
    r = Type(3, "5,0");
    EXPECT_EQ(drill.Line(3).Face, FaceKind::Frowning);
    EXPECT_EQ(drill.Line(3).FirstMark, MarkKind::Cross);
    EXPECT_EQ(drill.Line(3).SecondMark, MarkKind::Tick);
    EXPECT_EQ(r.Label->Text, drilltext::kRightSecond);
}

TEST_F(DrillFixture, SecondTryBelongsToItsLine) {
    EXPECT_EQ(Type(1, "9").Outcome, Kind::WrongFirst);
    EXPECT_EQ(state.Score.TryNumber, 2);
    EXPECT_EQ(Type(1, "").Outcome, Kind::Nothing) << "emptied and left: no judgement";
    // Another line answered right is a first try, worth a whole point.
    EXPECT_EQ(Type(2, "5").Outcome, Kind::RightFirst);
    EXPECT_FLOAT_EQ(state.Score.PassPoints, 1.0F);
    EXPECT_EQ(state.Score.TryNumber, 2) << "line 1 still waits";
    // Line 1 keeps its second try whenever it is judged next.
    EXPECT_EQ(Type(1, "5").Outcome, Kind::RightSecond);
    EXPECT_FLOAT_EQ(state.Score.PassPoints, 1.5F);
    EXPECT_EQ(state.Score.TryNumber, 1);
}

TEST_F(DrillFixture, LeavingUnchangedCountsAsTheSecondTry) {
    Type(1, "9");
    EXPECT_EQ(Type(1, "9").Outcome, Kind::WrongSecond);
    EXPECT_EQ(state.Score.TotalTries, 2);
}

TEST_F(DrillFixture, PassesAndTheEndOfTheDrill) {
    EXPECT_EQ(drill.PassText(), "1 / 3");
    Type(1, "5");
    Type(3, "5");
    WeiterResult w = drill.Weiter();
    EXPECT_EQ(w.Missing, 3);
    EXPECT_EQ(w.FocusLine, 2);
    EXPECT_EQ(drilltext::MissingEntries(1), "Es fehlen noch 1 Einträge!");

    for (int pass = 1; pass <= 3; ++pass) {
        if (pass > 1) {
            EXPECT_EQ(drill.Weiter().Missing, 0);
            EXPECT_EQ(drill.PassText(), std::to_string(pass) + " / 3");
            EXPECT_EQ(drill.TriesText(), "0");
            EXPECT_EQ(drill.PointsText(), "0,0");
        }
        for (int i = 1; i <= 5; ++i) {
            if (drill.Line(i).FieldVisible) {
                const ExitResult r = Type(i, "5");
                EXPECT_EQ(r.DrillComplete, pass == 3 && i == 5) << pass << "/" << i;
            }
        }
    }
    EXPECT_TRUE(drill.Complete());
    EXPECT_EQ(state.Score.TotalTries, 15);
    EXPECT_FLOAT_EQ(state.Score.TotalPoints, 15.0F);
}

TEST_F(DrillFixture, LastPassEndsOnceEveryFieldHoldsTextEvenIfOneWaits) {
    state.Selection.MaxPasses = 3;
    state.Selection.CurrentPass = 3;
    Type(1, "7"); // waits for its second try, but holds text
    for (int i = 2; i <= 4; ++i) EXPECT_FALSE(Type(i, "5").DrillComplete);
    EXPECT_TRUE(Type(5, "5").DrillComplete);
}

TEST(DrillFormat, PointsAndElapsedTime) {
    EXPECT_EQ(Drill::FormatPoints(0.0F), "0,0");
    EXPECT_EQ(Drill::FormatPoints(3.5F), "3,5");
    EXPECT_EQ(Drill::FormatPoints(12.0F), "12,0");
    EXPECT_EQ(FormatElapsed(36000 + 61), "10:01:01");
}

} // namespace
} // namespace quarvel
