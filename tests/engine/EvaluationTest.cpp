#include "drill/Evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quarvel {
namespace {

constexpr std::string_view kVerdict0 = "Du musst noch sehr viel üben!";
constexpr std::string_view kVerdict31 = "Du solltest noch viel üben!";
constexpr std::string_view kVerdict51 = "Nicht schlecht, aber du solltest noch etwas üben!";
constexpr std::string_view kVerdict66 =
    "Du bist schon recht gut. Ein wenig Übung wäre aber günstig.";
constexpr std::string_view kVerdict76 =
    "Du bist schon sehr gut, aber noch nicht Spitze! Übe noch etwas weiter.";
constexpr std::string_view kVerdict91 =
    "Du bist schon fast perfekt! Du gehörst schon zu den Profis.";
constexpr std::string_view kVerdict100 = "Sehr gut! Du bist ein Einheitenprofi.";

// "73,529 %" -> 73529
long Thousandths(const std::string& label) {
    const std::size_t comma = label.find(',');
    EXPECT_NE(comma, std::string::npos) << label;
    EXPECT_EQ(label.substr(comma + 4), " %") << label;
    return std::stol(label.substr(0, comma)) * 1000 + std::stol(label.substr(comma + 1, 3));
}

TEST(Evaluation, WorkedExamples) {
    struct Example {
        float Points;
        int Tries;
        std::string_view PanelRight, PanelWrong;
        int Percent;
        std::string_view Verdict, LabelRight, LabelWrong;
    };
    const Example examples[] = {
        {15.0F, 15, "15,0 / 15", "0,0 / 15", 100, kVerdict100, "100,000 %", "0,000 %"},
        {0.0F, 30, "0,0 / 30", "30,0 / 30", 0, kVerdict0, "0,000 %", "100,000 %"},
        {12.5F, 17, "12,5 / 17", "4,5 / 17", 74, kVerdict66, "73,529 %", "26,471 %"},
        // An exact half percent goes to the even neighbour.
        {6.5F, 20, "6,5 / 20", "13,5 / 20", 32, kVerdict31, "32,500 %", "67,500 %"},
        {7.5F, 20, "7,5 / 20", "12,5 / 20", 38, kVerdict31, "37,500 %", "62,500 %"},
        // 0,5 % rounds to 0: the verdict of 0, but the labels still tell the true share.
        {0.5F, 100, "0,5 / 100", "99,5 / 100", 0, kVerdict0, "0,500 %", "99,500 %"},
        // 23,9645 % and 76,0355 %: the single-precision share would print 76,035.
        {40.5F, 169, "40,5 / 169", "128,5 / 169", 24, kVerdict0, "23,964 %", "76,036 %"},
        // Exactly 1,5625 %.
        {0.5F, 32, "0,5 / 32", "31,5 / 32", 2, kVerdict0, "1,562 %", "98,438 %"},
    };
    for (const Example& x : examples) {
        const Evaluation e(x.Points, x.Tries);
        SCOPED_TRACE(e.PanelRight());
        EXPECT_EQ(e.PanelRight(), x.PanelRight);
        EXPECT_EQ(e.PanelWrong(), x.PanelWrong);
        EXPECT_EQ(e.PercentRight(), x.Percent);
        EXPECT_EQ(e.Verdict(), x.Verdict);
        EXPECT_EQ(e.Final(), (EvaluationFrame{x.Percent, 100 - x.Percent, std::string(x.LabelRight),
                                              std::string(x.LabelWrong)}));
        EXPECT_EQ(e.StepCount(), x.Percent == 0 ? 0 : x.Percent + 1);
        if (e.Animated()) {
            EXPECT_EQ(e.Step(0), (EvaluationFrame{0, 100, "0,000 %", "100,000 %"}));
            EXPECT_EQ(e.Final(), e.Step(x.Percent));
        }
    }
    EXPECT_EQ(Evaluation(15.0F, 15).Step(50), (EvaluationFrame{50, 50, "50,000 %", "50,000 %"}));
    // Half way the share is half of 73,529...: the single-precision value is
    // what the labels are written from.
    const Evaluation e(12.5F, 17);
    EXPECT_EQ(e.ShareRight(37), 0.5F * static_cast<float>(12.5 / 17.0));
    EXPECT_EQ(e.Step(37), (EvaluationFrame{37, 63, "36,765 %", "63,235 %"}));
    EXPECT_EQ(FormatPercent(static_cast<double>(Evaluation(40.5F, 169).ShareWrong(24)) * 100.0),
              "76,035 %");
    EXPECT_EQ(Evaluation(1.5F, 100).PercentRight(), 2);
    EXPECT_EQ(Evaluation(2.5F, 100).PercentRight(), 2);
}

TEST(Evaluation, VerdictBoundaries) {
    struct Case {
        int percent;
        std::string_view verdict;
    };
    const Case cases[] = {{0, kVerdict0},    {30, kVerdict0},  {31, kVerdict31}, {50, kVerdict31},
                          {51, kVerdict51},  {65, kVerdict51}, {66, kVerdict66}, {75, kVerdict66},
                          {76, kVerdict76},  {90, kVerdict76}, {91, kVerdict91}, {99, kVerdict91},
                          {100, kVerdict100}};
    for (const Case& c : cases) {
        EXPECT_EQ(VerdictFor(c.percent), c.verdict) << c.percent;
        // The same through a drill of 50 tasks with c.percent half-points each.
        const Evaluation e(static_cast<float>(c.percent) / 2.0F, 50);
        EXPECT_EQ(e.PercentRight(), c.percent);
        EXPECT_EQ(e.Verdict(), c.verdict) << c.percent;
    }
    // 99,5 % rounds to 100 (even), 98,5 % to 98.
    EXPECT_EQ(Evaluation(99.5F, 100).Verdict(), kVerdict100);
    EXPECT_EQ(Evaluation(98.5F, 100).Verdict(), kVerdict91);
}

TEST(Evaluation, ImpossibleInputsStayInRange) {
    const Evaluation none(0.0F, 0);
    EXPECT_EQ(none.PercentRight(), 0);
    EXPECT_EQ(none.PanelRight(), "0,0 / 0");
    EXPECT_EQ(none.PanelWrong(), "0,0 / 0");
    EXPECT_EQ(none.Final(), (EvaluationFrame{0, 100, "0,000 %", "100,000 %"}));
    EXPECT_EQ(Evaluation(3.0F, 0).Final(), none.Final());
    EXPECT_EQ(Evaluation(2.0F, -4).PercentRight(), 0);

    const Evaluation tooMany(20.0F, 10);
    EXPECT_EQ(tooMany.PercentRight(), 100);
    EXPECT_EQ(tooMany.PanelRight(), "10,0 / 10");
    EXPECT_EQ(tooMany.PanelWrong(), "0,0 / 10");

    EXPECT_EQ(Evaluation(-1.0F, 10).PanelRight(), "0,0 / 10");
    EXPECT_EQ(Evaluation(std::numeric_limits<float>::quiet_NaN(), 10).PercentRight(), 0);
    EXPECT_EQ(Evaluation(std::numeric_limits<float>::infinity(), 10).PercentRight(), 0);

    const Evaluation e(12.5F, 17);
    EXPECT_EQ(e.Step(-3), e.Step(0));
    EXPECT_EQ(e.Step(200), e.Final());
}

// Every drill a pupil can finish: up to 10 passes of 5 tasks, two tries each.
TEST(Evaluation, EveryReachableScoreAnimatesSoundly) {
    for (int tries = 1; tries <= 100; ++tries) {
        for (int half = 0; half <= 2 * tries; ++half) {
            const Evaluation e(static_cast<float>(half) / 2.0F, tries);
            SCOPED_TRACE(testing::Message() << half << " half points in " << tries);
            const double exact = 50.0 * half / tries;
            ASSERT_LE(std::abs(e.PercentRight() - exact), 0.5);
            long previous = -1;
            for (int s = 0; s < e.StepCount(); ++s) {
                const EvaluationFrame frame = e.Step(s);
                ASSERT_EQ(frame.GaugeRight, s);
                ASSERT_EQ(frame.GaugeWrong, 100 - s);
                const long right = Thousandths(frame.LabelRight);
                ASSERT_GE(right, previous);
                ASSERT_LE(std::abs(right + Thousandths(frame.LabelWrong) - 100'000), 1);
                previous = right;
            }
            const EvaluationFrame last = e.Final();
            ASSERT_EQ(last.GaugeRight, e.PercentRight());
            // Within half a thousandth of the exact share (in units of half
            // a thousandth, so ties compare exactly).
            const long twiceRight = 2 * Thousandths(last.LabelRight);
            ASSERT_LE(std::abs(twiceRight * tries - 100'000L * half), tries);
            // An exact half thousandth goes to the even side on one label and
            // so away from it on the other: the two always make 100,000 %.
            ASSERT_EQ(Thousandths(last.LabelRight) + Thousandths(last.LabelWrong), 100'000);
            // For these drills the single-precision share already prints the
            // exact texts, so the last step does not jump.
            if (e.Animated()) {
                const int p = e.PercentRight();
                ASSERT_EQ(FormatPercent(static_cast<double>(e.ShareRight(p)) * 100.0),
                          last.LabelRight);
                ASSERT_EQ(FormatPercent(static_cast<double>(e.ShareWrong(p)) * 100.0),
                          last.LabelWrong);
            }
        }
    }
}

TEST(Evaluation, NumberTexts) {
    EXPECT_EQ(FormatHalfPoints(0), "0,0");
    EXPECT_EQ(FormatHalfPoints(1), "0,5");
    EXPECT_EQ(FormatHalfPoints(200), "100,0");
    EXPECT_EQ(FormatPercent(0.0), "0,000 %");
    EXPECT_EQ(FormatPercent(-0.0), "0,000 %");
    EXPECT_EQ(FormatPercent(100.0), "100,000 %");
    EXPECT_EQ(FormatPercent(7.0), "7,000 %");
    EXPECT_EQ(FormatPercent(73.52941), "73,529 %");
}

} // namespace
} // namespace quarvel
