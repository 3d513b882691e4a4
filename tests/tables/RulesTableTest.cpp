// The evaluation's verdicts against verdicts.csv, and the pass count rule
// against pass_count.csv, each at its edges and one beyond. (The rounding of
// the percentage at each threshold is tests/engine/EvaluationTest's.)
#include "Tables.h"

#include "core/PassCount.h"
#include "core/Selection.h"
#include "drill/Evaluation.h"

#include <gtest/gtest.h>

#include <string>

namespace quarvel {
namespace {

using tables::CsvRow;
using tables::Rows;

// The verdicts.csv row whose range holds `percent`.
const CsvRow* VerdictRow(int percent) {
    for (const CsvRow& row : Rows("verdicts.csv"))
        if (row.Int("lo") <= percent && percent <= row.Int("hi")) return &row;
    return nullptr;
}

// Every whole percentage, so each threshold is met at its edge and one off.
TEST(VerdictTable, EveryPercentage) {
    for (int percent = 0; percent <= 100; ++percent) {
        const CsvRow* row = VerdictRow(percent);
        ASSERT_NE(row, nullptr) << "verdicts.csv: no row holds " << percent << " %";
        const std::string where = "verdicts.csv line " + std::to_string(row->Line) + " (" +
                                  (*row)["lo"] + " to " + (*row)["hi"] + ") at " +
                                  std::to_string(percent) + " %: verdict";
        EXPECT_EQ(VerdictFor(percent), (*row)["verdict"]) << where;
        // percent points in 100 tries
        const Evaluation e(static_cast<float>(percent), 100);
        EXPECT_EQ(e.PercentRight(), percent) << where;
        EXPECT_EQ(e.Verdict(), (*row)["verdict"]) << where;
    }
}

int Limit(const char* name) {
    return tables::RowOf("pass_count.csv", "name", name).Int("value");
}
std::string Value(const char* name) {
    return tables::RowOf("pass_count.csv", "name", name)["value"];
}

// The check when the field is left, at both limits and one beyond, and as the
// number OK takes.
TEST(PassCountTable, LimitsAndReplacement) {
    const int min = Limit("min");
    const int max = Limit("max");
    const std::string replacement = Value("replacement_text");
    struct Case {
        std::string Typed;
        bool Accepted;
    };
    const Case cases[] = {
        {std::to_string(min - 1), false},
        {std::to_string(min), true},
        {std::to_string(max), true},
        {std::to_string(max + 1), false},
        {"0" + std::to_string(min), true},
        {"0", false},
        {"007000", false},
        {"99999999999", false}, // beyond 32 bits
    };
    for (const Case& c : cases) {
        const PassCountCheck check = CheckPassCount(c.Typed);
        const std::string where = "pass_count.csv min " + std::to_string(min) + ", max " +
                                  std::to_string(max) + ": \"" + c.Typed + "\"";
        EXPECT_EQ(check.Message, !c.Accepted) << where << " message";
        EXPECT_EQ(check.Refocus, !c.Accepted) << where << " focus back";
        EXPECT_EQ(check.Text, c.Accepted ? c.Typed : replacement) << where << " replacement_text";
        if (c.Accepted) {
            EXPECT_EQ(PassCountValue(check.Text), std::stoi(c.Typed)) << where;
        }
    }
    const PassCountCheck empty = CheckPassCount("");
    EXPECT_TRUE(empty.Text == replacement && !empty.Message && empty.Refocus)
        << "pass_count.csv replacement_text: an empty field is replaced silently";
    EXPECT_EQ(kPassCountOutOfRange, Value("message")) << "pass_count.csv message";
    SelectionState s;
    s.MaxPasses = 7;
    ApplyStartupDefaults(s, 800, 600);
    EXPECT_EQ(s.MaxPasses, Limit("default")) << "pass_count.csv default";
    // Only digits may stand in the field.
    for (const char16_t* text : {u"1 0", u"1,0", u"-3", u"3a", u"\t3", u"3\n"})
        EXPECT_FALSE(PassCountTextAdmitted(text)) << "pass_count.csv accepted keys";
    EXPECT_TRUE(PassCountTextAdmitted(u"0123456789")) << "pass_count.csv accepted keys";
}

} // namespace
} // namespace quarvel
