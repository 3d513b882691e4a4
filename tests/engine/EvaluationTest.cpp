// The evaluation's numbers: drills worked by hand, and every score a drill can
// reach animated soundly.
#include "drill/Evaluation.h"

#include "../TestData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
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

TEST(Evaluation, WorkedDrills) {
    std::map<int, std::string> verdict;
    for (const testdata::CsvRow& row : testdata::ReadCsv("verdicts.csv"))
        verdict[row.Int("lo")] = row["verdict"];
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/engine_evaluation.csv")) {
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

// Up to 10 passes of 5 tasks, two tries each: every step grows the gauge by
// one, the labels never shrink and always make 100 %, and the end is the
// exact share to half a thousandth.
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
            // In units of half a thousandth, so ties compare exactly.
            ASSERT_LE(std::abs(2 * Thousandths(last.LabelRight) * tries - 100'000L * half), tries);
            ASSERT_EQ(Thousandths(last.LabelRight) + Thousandths(last.LabelWrong), 100'000);
        }
    }
}

} // namespace
} // namespace quarvel
