// The evaluation's numbers: worked examples, the verdict boundaries, and every
// score a drill can reach.
#include "drill/Evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quarvel {
namespace {

// "73,529 %" -> 73529
long Thousandths(const std::string& label) {
    const std::size_t comma = label.find(',');
    EXPECT_NE(comma, std::string::npos) << label;
    EXPECT_EQ(label.substr(comma + 4), " %") << label;
    return std::stol(label.substr(0, comma)) * 1000 + std::stol(label.substr(comma + 1, 3));
}

// The panels, the rounded percentage and the labels at the end.
std::string Shown(float points, int tries) {
    const Evaluation e(points, tries);
    return e.PanelRight() + ", " + e.PanelWrong() + ": " + std::to_string(e.PercentRight()) + " (" +
           e.Final().LabelRight + " " + e.Final().LabelWrong + ")";
}

TEST(Evaluation, WorkedExamples) {
    EXPECT_EQ(Shown(12.5F, 17), "12,5 / 17, 4,5 / 17: 74 (73,529 % 26,471 %)");
    // An exact half percent goes to the even neighbour.
    EXPECT_EQ(Shown(6.5F, 20), "6,5 / 20, 13,5 / 20: 32 (32,500 % 67,500 %)");
    EXPECT_EQ(Shown(99.5F, 100), "99,5 / 100, 0,5 / 100: 100 (99,500 % 0,500 %)");
    // 0,5 % rounds to 0, but the labels still tell the true share.
    EXPECT_EQ(Shown(0.5F, 100), "0,5 / 100, 99,5 / 100: 0 (0,500 % 99,500 %)");
    // 23,9645 % and 76,0355 %: the single-precision share would print 76,035.
    EXPECT_EQ(Shown(40.5F, 169), "40,5 / 169, 128,5 / 169: 24 (23,964 % 76,036 %)");
    // No tries, more points than tries or no number cannot push a gauge out of range.
    EXPECT_EQ(Shown(0.0F, 0), "0,0 / 0, 0,0 / 0: 0 (0,000 % 100,000 %)");
    EXPECT_EQ(Shown(20.0F, 10), "10,0 / 10, 0,0 / 10: 100 (100,000 % 0,000 %)");
    EXPECT_EQ(Evaluation(std::numeric_limits<float>::quiet_NaN(), 10).PercentRight(), 0);
    // Half way through the animation of 73,529 %.
    EXPECT_EQ(Evaluation(12.5F, 17).Step(37), (EvaluationFrame{37, 63, "36,765 %", "63,235 %"}));
}

TEST(Evaluation, VerdictsChangeAtTheirLowestPercentage) {
    std::string lowest;
    for (int percent = 1; percent <= 100; ++percent)
        if (VerdictFor(percent) != VerdictFor(percent - 1)) lowest += std::to_string(percent) + " ";
    EXPECT_EQ(lowest, "31 51 66 76 91 100 ");
    EXPECT_EQ(VerdictFor(0), "Du musst noch sehr viel üben!");
    EXPECT_EQ(VerdictFor(66), "Du bist schon recht gut. Ein wenig Übung wäre aber günstig.");
    EXPECT_EQ(VerdictFor(100), "Sehr gut! Du bist ein Einheitenprofi.");
}

// Every drill a pupil can finish: up to 10 passes of 5 tasks, two tries each.
TEST(Evaluation, EveryReachableScoreAnimatesSoundly) {
    for (int tries = 1; tries <= 100; ++tries) {
        for (int half = 0; half <= 2 * tries; ++half) {
            const Evaluation e(static_cast<float>(half) / 2.0F, tries);
            SCOPED_TRACE(testing::Message() << half << " half points in " << tries);
            ASSERT_LE(std::abs(e.PercentRight() - 50.0 * half / tries), 0.5);
            ASSERT_EQ(e.StepCount(), e.PercentRight() == 0 ? 0 : e.PercentRight() + 1);
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
            ASSERT_EQ(e.Verdict(), VerdictFor(e.PercentRight()));
            const EvaluationFrame last = e.Final();
            ASSERT_EQ(last.GaugeRight, e.PercentRight());
            ASSERT_EQ(last.GaugeWrong, 100 - last.GaugeRight);
            ASSERT_TRUE(!e.Animated() || last == e.Step(e.PercentRight())) << "a jump at the end";
            // Within half a thousandth of the exact share (in units of half
            // a thousandth, so ties compare exactly).
            const long twiceRight = 2 * Thousandths(last.LabelRight);
            ASSERT_LE(std::abs(twiceRight * tries - 100'000L * half), tries);
            // An exact half thousandth goes to the even side on one label and
            // so away from it on the other: the two always make 100,000 %.
            ASSERT_EQ(Thousandths(last.LabelRight) + Thousandths(last.LabelWrong), 100'000);
        }
    }
}

} // namespace
} // namespace quarvel
