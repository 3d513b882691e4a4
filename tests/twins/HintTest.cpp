#include "drill/Hint.h"
#include "generators/Generators.h"
#include "solution/Diagnosis.h"

#include "../TestData.h"
#include "../solution/Oracle.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

namespace quarvel {
namespace {

std::string AnswerOf(const AnyTask& task) {
    return std::visit([](const auto& t) { return t.AnswerText.str(); }, task);
}

// Asserts a hint that does not give the answer away; returns it and notes its kind in `seen`.
std::string ExpectHint(const AnyTask& task, const std::string& typed, const std::string& where,
                       std::set<std::string>& seen) {
    const auto hint = HintFor(task, typed);
    const std::string answer = AnswerOf(task);
    EXPECT_TRUE(hint && hint->starts_with("Tipp: ")) << where << " typed " << typed;
    if (!hint) return {};
    EXPECT_FALSE(std::regex_search(*hint, std::regex("(^|[^0-9,])" + answer + "(?!,?[0-9])")))
        << where << ": " << *hint;
    const auto diagnosis =
        std::holds_alternative<TTaskRecord>(task)
            ? DiagnoseMeasureAnswer(std::get<TTaskRecord>(task), typed)
            : DiagnoseDekAnswer(std::get<TDekTaskRecord>(task),
                                FindDecadicGenerator(DrawsOf(task).Generator)->Training, typed);
    if (diagnosis) seen.insert(std::regex_replace(diagnosis->Kind, std::regex("-[0-9]+$"), ""));
    return *hint;
}

TEST(Hints, EveryMistakeOnEveryGeneratorGetsAHintThatKeepsTheAnswer) {
    std::set<std::string> seen;
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/twin_hints.csv")) {
        std::vector<int> draws;
        std::istringstream in(row["draws"]);
        for (int d; in >> d;)
            draws.push_back(d);
        SeededRandom engine(1);
        ScriptedRandom script(std::move(draws), &engine);
        const AnyTask task =
            FindMeasureGenerator(row["generator"])
                ? AnyTask(FindMeasureGenerator(row["generator"])(script))
                : AnyTask(FindDecadicGenerator(row["generator"])->Generate(script));
        const std::string shows = std::visit(
            [](const auto& t) {
                return t.GivenText.str() + "|" + t.FromUnit.str() + "|" + t.ToUnit.str();
            },
            task);
        ASSERT_EQ(shows, row["shows"]) << row.Where();
        const std::string hint = ExpectHint(task, row["typed"], row.Where(), seen);
        EXPECT_TRUE(row["hint"].empty() || hint == row["hint"]) << row.Where() << ": " << hint;
    }
    SeededRandom engine(5);
    for (const NamedGenerator& g : MeasureGenerators()) {
        for (int i = 0; i < 40; ++i) {
            const TTaskRecord t = g.Fn(engine);
            const std::string from = t.FromUnit.str(), to = t.ToUnit.str();
            const int s = oracle::kExponent.at(from) - oracle::kExponent.at(to);
            std::vector<int> shifts = {s + 1, s - 1, s + 2};
            if (s != 0) shifts.push_back(-s);
            if (from.ends_with("^2") && to.ends_with("^2")) shifts.push_back(s / 2);
            if (from.ends_with("^3") && to.ends_with("^3"))
                shifts.insert(shifts.end(), {s / 3, 2 * s / 3});
            if (from.ends_with("^3") != to.ends_with("^3"))
                shifts.insert(shifts.end(), {s + 3, s - 3});
            for (const int k : shifts) {
                if (k == s) continue;
                ExpectHint(t, oracle::Shift(t.GivenText.str(), k),
                           std::string(g.Name) + " " + t.GivenText.str() + " " + from + "->" + to,
                           seen);
            }
        }
    }
    // Numerals from notation with the zeros left out, and ten times too large.
    for (int i = 0, zeros = 0; zeros < 20 && i < 2000; ++i) {
        const TDekTaskRecord t = FindDecadicGenerator("GenerateDekNum3")->Generate(engine);
        std::string answer = t.AnswerText.str();
        if (t.AnswerIsNotation) continue;
        EXPECT_EQ(ExpectHint(t, answer + "0", t.GivenText.str(), seen),
                  "Tipp: Deine Zahl hat zu viele Nullen – zähle die Stellen nach.");
        if (answer.find('0') == std::string::npos) continue;
        ++zeros;
        std::erase(answer, '0');
        EXPECT_EQ(ExpectHint(t, answer, t.GivenText.str(), seen),
                  "Tipp: Eine Stelle ohne Anzahl schreibst du als 0.");
    }
    EXPECT_EQ(seen, (std::set<std::string>{"area-factor-on-volume", "comma-left", "comma-right",
                                           "length-factor-on-area", "length-factor-on-volume",
                                           "litre-dm3", "place-order", "place-shift",
                                           "reverse-direction", "zero-place"}));
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
