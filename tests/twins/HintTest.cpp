// Hints pinned on hand-picked tasks (tests/data/cases/twin_hints.csv); that every
// diagnosed mistake gets a hint without the answer is swept in tests/solution.
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

TEST(Hints, NoneForAnAnswerWithOneDigitChanged) {
    SeededRandom engine(3);
    const auto check = [&engine](const AnyTask& task, const std::string& where) {
        std::string typed = AnswerOf(task);
        std::size_t at = 0;
        do
            at = static_cast<std::size_t>(engine.Random(static_cast<int>(typed.size())));
        while (!std::isdigit(static_cast<unsigned char>(typed[at])));
        char digit = static_cast<char>('0' + (typed[at] - '0' + 1 + engine.Random(8)) % 10);
        if ((at == 0 || typed[at - 1] == ' ') && digit == '0') digit = typed[at] == '9' ? '8' : '9';
        typed[at] = digit;
        EXPECT_EQ(HintFor(task, typed), std::nullopt) << where << " typed " << typed;
    };
    for (int i = 0; i < 30; ++i) {
        for (const NamedGenerator& g : MeasureGenerators())
            check(g.Fn(engine), std::string(g.Name));
        for (const NamedDecadicGenerator& g : DecadicGenerators())
            check(g.Generate(engine), std::string(g.Name));
    }
}

} // namespace
} // namespace quarvel
