// The evaluation's numbers: worked examples, the verdict on both sides of each
// threshold, and every score a drill can reach.
#include "drill/Evaluation.h"

#include "../TestData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <tuple>

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

// Drills worked by hand: the panels, the rounded percentage and the labels at
// the end.
TEST(Evaluation, WorkedExamples) {
    const std::tuple<float, int, const char*> known[] = {
        {15.0F, 15, "15,0 / 15, 0,0 / 15: 100 (100,000 % 0,000 %)"},
        {0.0F, 30, "0,0 / 30, 30,0 / 30: 0 (0,000 % 100,000 %)"},
        {13.5F, 15, "13,5 / 15, 1,5 / 15: 90 (90,000 % 10,000 %)"},
        {12.5F, 17, "12,5 / 17, 4,5 / 17: 74 (73,529 % 26,471 %)"},
        // An exact half percent goes to the even neighbour, down and up.
        {6.5F, 20, "6,5 / 20, 13,5 / 20: 32 (32,500 % 67,500 %)"},
        {7.5F, 20, "7,5 / 20, 12,5 / 20: 38 (37,500 % 62,500 %)"},
        {99.5F, 100, "99,5 / 100, 0,5 / 100: 100 (99,500 % 0,500 %)"},
        // 0,5 % rounds to 0, but the labels still tell the true share.
        {0.5F, 100, "0,5 / 100, 99,5 / 100: 0 (0,500 % 99,500 %)"},
        // 23,9645 % and 76,0355 %: the single-precision share would print 76,035.
        {40.5F, 169, "40,5 / 169, 128,5 / 169: 24 (23,964 % 76,036 %)"},
        // No tries, more points than tries: no gauge out of range.
        {0.0F, 0, "0,0 / 0, 0,0 / 0: 0 (0,000 % 100,000 %)"},
        {20.0F, 10, "10,0 / 10, 0,0 / 10: 100 (100,000 % 0,000 %)"},
    };
    for (const auto& [points, tries, shown] : known)
        EXPECT_EQ(Shown(points, tries), shown);
    EXPECT_EQ(Evaluation(std::numeric_limits<float>::quiet_NaN(), 10).PercentRight(), 0);
    // Half way through the animation of 73,529 %.
    EXPECT_EQ(Evaluation(12.5F, 17).Step(37), (EvaluationFrame{37, 63, "36,765 %", "63,235 %"}));
}

// The verdict on both sides of every threshold, reached through the rounded
// percentage; halves that round across a threshold included. The sentences
// come from the hand-made table, by their lowest percentage.
TEST(Evaluation, VerdictAtEachThreshold) {
    std::map<int, std::string> sentence;
    for (const testdata::CsvRow& row : testdata::ReadCsv("verdicts.csv"))
        sentence[row.Int("lo")] = row["verdict"];
    struct Case {
        float Points;
        int Tries;
        int Percent;
        int Lowest; // of the verdict's range
    };
    const Case cases[] = {
        {0.0F, 1, 0, 0},      {1.5F, 100, 2, 0},    {2.5F, 100, 2, 0},      {30.0F, 100, 30, 0},
        {30.5F, 100, 30, 0},  {31.0F, 100, 31, 31}, {0.5F, 1, 50, 31},      {50.5F, 100, 50, 31},
        {51.0F, 100, 51, 51}, {65.0F, 100, 65, 51}, {65.5F, 100, 66, 66},   {2.0F, 3, 67, 66},
        {1.5F, 2, 75, 66},    {75.5F, 100, 76, 76}, {90.5F, 100, 90, 76},   {91.0F, 100, 91, 91},
        {99.0F, 100, 99, 91}, {98.5F, 99, 99, 91},  {99.5F, 100, 100, 100}, {1.0F, 1, 100, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Points << " points in " << c.Tries << " tries");
        const Evaluation e(c.Points, c.Tries);
        EXPECT_EQ(e.PercentRight(), c.Percent);
        EXPECT_EQ(e.Verdict(), sentence.at(c.Lowest));
    }
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
