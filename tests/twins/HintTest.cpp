// Hints pinned on hand-picked tasks (tests/data/cases/twin_hints.csv); that a hint
// comes exactly with a diagnosis and never names the answer is swept in tests/solution.
#include "drill/Hint.h"
#include "generators/Generators.h"

#include "../TestData.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace quarvel {
namespace {

std::string AnswerOf(const AnyTask& task) {
    return std::visit([](const auto& t) { return t.AnswerText.str(); }, task);
}

TEST(Hints, PinnedOnHandPickedTasks) {
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/twin_hints.csv")) {
        std::istringstream in(row["draws"]);
        SeededRandom engine(1);
        ScriptedRandom script({std::istream_iterator<int>(in), {}}, &engine);
        const AnyTask task =
            FindMeasureGenerator(row["generator"])
                ? AnyTask(FindMeasureGenerator(row["generator"])(script))
                : AnyTask(FindDecadicGenerator(row["generator"])->Generate(script));
        ASSERT_EQ(std::visit(
                      [](const auto& t) {
                          return t.GivenText.str() + "|" + t.FromUnit.str() + "|" + t.ToUnit.str();
                      },
                      task),
                  row["shows"])
            << row.Where();
        const auto hint = HintFor(task, row["typed"]);
        ASSERT_TRUE(hint) << row.Where();
        EXPECT_EQ(row["hint"].empty() ? *hint : row["hint"], *hint) << row.Where();
        EXPECT_FALSE(
            std::regex_search(*hint, std::regex("(^|[^0-9,])" + AnswerOf(task) + "(?!,?[0-9])")))
            << row.Where() << ": " << *hint;
    }
}

} // namespace
} // namespace quarvel
