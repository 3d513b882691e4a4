// Judging and scoring of one drill on the measure rules, line by line. Which
// line a second try belongs to and when the last pass ends, the drill-session
// fuzz target checks against its own tally.
#include "drill/Drill.h"
#include "drill/AnswerCheck.h"

#include <gtest/gtest.h>

#include <tuple>

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

    void SetUp() override {
        drill.StartDrill();
        drill.ClearLines();
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
};

TEST_F(DrillFixture, ZerosAtEitherEndDoNotMatter) {
    state.TaskSheet[1].AnswerText = "0,5";
    EXPECT_EQ(Type(1, "00,50").Outcome, Kind::RightFirst);
    EXPECT_EQ(drill.Line(1).FieldText, "0,5");
    EXPECT_EQ(Type(2, "5,").Outcome, Kind::RightFirst);
    EXPECT_EQ(state.TaskSheet[2].AnswerText, "5") << "the expected text is trimmed in place";
    EXPECT_EQ(Type(3, "50").Outcome, Kind::WrongFirst);
    EXPECT_EQ(Type(4, ",").Outcome, Kind::WrongFirst) << "a lone comma is simply wrong";
}

TEST_F(DrillFixture, FacesMarksAndCounters) {
    Type(1, "5");
    EXPECT_EQ(Looks(1), std::tuple(FaceKind::Happy, MarkKind::Tick, MarkKind::Empty, false));
    EXPECT_TRUE(Type(2, "4").KeepFocus);
    EXPECT_EQ(Looks(2), std::tuple(FaceKind::Sad, MarkKind::Cross, MarkKind::Empty, true));
    const ExitResult r = Type(2, "4"); // leaving the field unchanged is the second try
    EXPECT_EQ(Looks(2), std::tuple(FaceKind::Sad, MarkKind::Cross, MarkKind::Cross, false));
    EXPECT_NE(r.Label->Text.find("Das Ergebnis lautet 5!"), std::string::npos) << r.Label->Text;
    Type(3, "1");
    Type(3, "5,0");
    EXPECT_EQ(Looks(3), std::tuple(FaceKind::Frowning, MarkKind::Cross, MarkKind::Tick, false));
    EXPECT_EQ(drill.TriesText() + " " + drill.PointsText(), "5 1,5");
}

} // namespace
} // namespace quarvel
