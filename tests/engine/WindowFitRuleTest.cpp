// The scale a window opens at: the largest number of eighths at which the
// scaled layout and its frame fit the free screen, at the exact fit and one
// pixel over (tests/data/cases/engine_window_fit.csv).
#include "core/WindowFit.h"

#include "../TestData.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace quarvel {
namespace {

Extent ExtentOf(const std::string& text) {
    Extent e{};
    EXPECT_EQ(std::sscanf(text.c_str(), "%dx%d", &e.Width, &e.Height), 2) << text;
    return e;
}

TEST(WindowFitRule, ExactFitAndOnePixelOver) {
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/engine_window_fit.csv")) {
        Extent (*frame)(int) = [](int) { return Extent{10, 60}; };
        if (row["frame"] == "none") frame = [](int) { return Extent{0, 0}; };
        if (row["frame"] == "growing") frame = [](int e) { return Extent{e, 5 * e}; };
        EXPECT_EQ(
            FitEighths(ExtentOf(row["design"]), ExtentOf(row["available"]), row.Int("most"), frame),
            row.Int("eighths"))
            << row.Where() << ": " << row["case"];
    }
}

} // namespace
} // namespace quarvel
