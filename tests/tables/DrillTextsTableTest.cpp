// The drill's messages, their colours and the points of each judgement against
// texts.csv, colours.csv and pass_count.csv, as a drill produces them.
#include "Tables.h"

#include "drill/Drill.h"

#include <gtest/gtest.h>

#include <string>

namespace quarvel {
namespace {

using Kind = ExitResult::Kind;
using tables::Text;

float Score(const char* name) {
    return std::stof(tables::RowOf("pass_count.csv", "name", name)["value"]);
}

// The message of a judgement as texts.csv gives it for `window` ("exercise
// windows" or "TfrmDekEinheiten"), with its colour from colours.csv.
struct Expected {
    std::string Control; // texts.csv control
    std::string Text;
    std::string ColourKey; // colours.csv element
};

std::string WrongSecond(const std::string& prefix, const std::string& answer) {
    std::string text =
        Text("message", prefix + " wrong at the second try piece 1 of 5 (before AnswerText)") +
        answer;
    for (int piece = 2; piece <= 5; ++piece)
        text += Text("message", prefix + " wrong at the second try piece " + std::to_string(piece) +
                                    " of 5 (after AnswerText)");
    return text;
}

// One line of each outcome, judged as the three drill windows judge it.
TEST(DrillTextsTable, JudgementMessagesColoursAndPoints) {
    AppState state;
    MeasureRules rules(state.TaskSheet);
    Drill drill(state, rules);
    drill.StartDrill();
    drill.ClearLines();
    for (int i = 1; i <= kLines; ++i) {
        state.TaskSheet[i].AnswerText = "12,50";
        state.TaskSheet[i].Active = true;
    }
    struct Step {
        int Line;
        const char* Typed;
        Kind Outcome;
        const char* Key;    // texts.csv control after the prefix
        const char* Colour; // colours.csv element
        const char* Points; // pass_count.csv row
    };
    const Step steps[] = {
        {1, "12,5", Kind::RightFirst, " right at the first try",
         "lblAnzeige right at the first try", "score_points_right_first_try"},
        {2, "125", Kind::WrongFirst, " wrong at the first try", "lblAnzeige wrong at the first try",
         nullptr},
        {2, "012,500", Kind::RightSecond, " right at the second try",
         "lblAnzeige right at the second try", "score_points_right_second_try"},
        {3, "1,25", Kind::WrongFirst, " wrong at the first try",
         "lblAnzeige wrong at the first try", nullptr},
        {3, "1,25", Kind::WrongSecond, nullptr, "lblAnzeige wrong at the second try",
         "score_points_wrong_second_try"},
    };
    const int triesPer = static_cast<int>(Score("score_tries_per_judgement"));
    for (const Step& step : steps) {
        const float points = state.Score.TotalPoints;
        const int tries = state.Score.TotalTries;
        const ExitResult result = drill.Exit(step.Line, step.Typed);
        const std::string what =
            std::string("line ") + std::to_string(step.Line) + " \"" + step.Typed + "\": ";
        ASSERT_EQ(result.Outcome, step.Outcome) << what << "outcome";
        ASSERT_TRUE(result.Label.has_value()) << what << "a message";
        for (const std::string prefix : {"exercise windows lblAnzeige: edtExit",
                                         "TfrmDekEinheiten lblAnzeige: answer check"}) {
            const std::string expected = step.Key != nullptr ? Text("message", prefix + step.Key)
                                                             : WrongSecond(prefix, "12,5");
            EXPECT_EQ(result.Label->Text, expected)
                << what << "texts.csv message \"" << prefix
                << (step.Key ? step.Key : " wrong at the second try") << "\"";
        }
        EXPECT_EQ(result.Label->Colour, tables::Colour("exercise windows", step.Colour))
            << what << "colours.csv exercise windows, " << step.Colour << ": "
            << tables::ToString(result.Label->Colour);
        EXPECT_EQ(state.Score.TotalPoints - points, step.Points ? Score(step.Points) : 0.0F)
            << what << "pass_count.csv " << (step.Points ? step.Points : "(no points)");
        EXPECT_EQ(state.Score.TotalTries - tries, triesPer)
            << what << "pass_count.csv score_tries_per_judgement";
    }
    EXPECT_EQ(drill.Exit(4, "1,2,3").Outcome, Kind::TooManyCommas);
}

// The texts the windows show around the judgements.
TEST(DrillTextsTable, InstructionAndBoxMessages) {
    const std::string instruction =
        "exercise windows lblAnzeige: edtChange (every change of an answer field) and activation";
    EXPECT_EQ(drilltext::kInstruction, Text("message", instruction)) << "texts.csv " << instruction;
    EXPECT_EQ(drilltext::kInstruction, Text("message", "TfrmDekEinheiten lblAnzeige: activation"))
        << "texts.csv TfrmDekEinheiten lblAnzeige: activation";
    EXPECT_EQ(
        kInstructionColour,
        tables::Colour("exercise windows", "lblAnzeige instruction (edtChange and activation)"))
        << "colours.csv lblAnzeige instruction";
    for (const char* key :
         {"exercise windows message box: edtExit when the typed text holds more than one comma",
          "TfrmDekEinheiten message box: answer check when the typed text holds more than one "
          "comma"})
        EXPECT_EQ(drilltext::kTooManyCommas, Text("message", key)) << "texts.csv " << key;
    const std::string missing =
        "exercise windows message box: btnWeiterClick with empty answer fields piece ";
    const std::string also = " (also the decadic window)";
    for (const int count : {1, 2, 5})
        EXPECT_EQ(drilltext::MissingEntries(count),
                  Text("message", missing + "1 (before the count)" + also) + std::to_string(count) +
                      Text("message", missing + "2 (after the count)" + also))
            << "texts.csv " << missing << "1 and 2, count " << count;
}

} // namespace
} // namespace quarvel
