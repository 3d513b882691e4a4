// Hints after a first wrong try: each typical mistake, made by the tests' own
// arithmetic on tasks of every generator, gets a hint that does not give the
// answer away; an answer with one digit changed gets none.
#include "drill/Hint.h"
#include "generators/Generators.h"
#include "solution/Diagnosis.h"

#include "../solution/Oracle.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace quarvel {
namespace {

using oracle::kExponent;
using oracle::Shift;

// `answer` stands in `hint` as a number or notation of its own.
bool GivesAway(const std::string& hint, const std::string& answer) {
    return std::regex_search(hint, std::regex("(^|[^0-9,])" + answer + "(?!,?[0-9])"));
}

bool IsArea(const std::string& unit) {
    return unit.ends_with("^2");
}
bool IsCubic(const std::string& unit) {
    return unit.ends_with("^3");
}

// Every kind of mistake the diagnosis names, hit by the cases below.
std::set<std::string>& Seen() {
    static std::set<std::string> seen;
    return seen;
}

void ExpectHint(const AnyTask& task, const std::string& typed, const std::string& where) {
    const auto hint = HintFor(task, typed);
    const std::string answer = std::visit([](const auto& t) { return t.AnswerText.str(); }, task);
    ASSERT_TRUE(hint) << where << " typed " << typed;
    EXPECT_TRUE(hint->starts_with("Tipp: ")) << *hint;
    EXPECT_FALSE(GivesAway(*hint, answer)) << where << ": " << *hint;
    const auto diagnosis =
        std::holds_alternative<TTaskRecord>(task)
            ? DiagnoseMeasureAnswer(std::get<TTaskRecord>(task), typed)
            : DiagnoseDekAnswer(std::get<TDekTaskRecord>(task),
                                FindDecadicGenerator(DrawsOf(task).Generator)->Training, typed);
    if (diagnosis) Seen().insert(std::regex_replace(diagnosis->Kind, std::regex("-[0-9]+$"), ""));
}

TTaskRecord Measure(std::string_view name, std::vector<int> draws, std::uint64_t seed = 1) {
    SeededRandom engine(seed);
    ScriptedRandom script(std::move(draws), &engine);
    return FindMeasureGenerator(name)(script);
}

TDekTaskRecord Decadic(std::string_view name, std::vector<int> draws, std::uint64_t seed = 1) {
    SeededRandom engine(seed);
    ScriptedRandom script(std::move(draws), &engine);
    return FindDecadicGenerator(name)->Generate(script);
}

TEST(Hints, NameTheRuleOfEachMeasureMistake) {
    // 16,2 km² in m²: the length factor, and the wrong way round.
    const TTaskRecord area = Measure("GenerateFlaeche4", {0, 14, 45, 6, 1});
    ASSERT_EQ(area.GivenText.str(), "16,2");
    EXPECT_EQ(HintFor(area, "16200"),
              "Tipp: Bei Flächenmaßen ist die Umrechnungszahl 100, nicht 10.");
    EXPECT_EQ(HintFor(area, "0,0000162"), "Tipp: Von km² nach m² wird die Zahl größer.");
    EXPECT_EQ(HintFor(area, "1620000"),
              "Tipp: Deiner Zahl fehlen Nullen – zähle die Stellen nach.");
    EXPECT_EQ(HintFor(area, "162000000"),
              "Tipp: Deine Zahl hat zu viele Nullen – zähle die Stellen nach.");
    // mm in m taken the wrong way.
    const TTaskRecord length = Measure("GenerateLaenge1", {1, 42, 0});
    ASSERT_EQ(length.FromUnit.str(), "mm");
    EXPECT_EQ(HintFor(length, Shift(length.GivenText.str(), 3)),
              "Tipp: Von mm nach m wird die Zahl kleiner.");
    // 5 l and 1 l in dm³ typed as if 1 l were 1 cm³: where the answer is 1 the
    // rule is told in words.
    const TTaskRecord five = Measure("GenerateRaumGemischt1", {0, 70, 0, 4});
    const TTaskRecord one = Measure("GenerateRaumGemischt1", {0, 70, 0, 0});
    ASSERT_EQ(five.GivenText.str() + five.FromUnit.str() + five.ToUnit.str(), "5ldm^3");
    ASSERT_EQ(one.AnswerText.str(), "1");
    EXPECT_EQ(HintFor(five, "5000"), "Tipp: 1\u00a0l ist 1\u00a0dm³.");
    EXPECT_EQ(HintFor(one, "1000"), "Tipp: Ein Liter ist ein Kubikdezimeter.");
}

TEST(Hints, EveryMistakeOnEveryGeneratorGetsAHintThatKeepsTheAnswer) {
    SeededRandom engine(5);
    for (const NamedGenerator& g : MeasureGenerators()) {
        for (int i = 0; i < 40; ++i) {
            const TTaskRecord t = g.Fn(engine);
            const std::string from = t.FromUnit.str(), to = t.ToUnit.str();
            const std::string given = t.GivenText.str();
            const int s = kExponent.at(from) - kExponent.at(to);
            const std::string where = std::string(g.Name) + " " + given + " " + from + "->" + to;
            std::vector<int> shifts = {s + 1, s - 1, s + 2};
            if (s != 0) shifts.push_back(-s);
            if (IsArea(from) && IsArea(to)) shifts.push_back(s / 2);
            if (IsCubic(from) && IsCubic(to)) shifts.insert(shifts.end(), {s / 3, 2 * s / 3});
            if (IsCubic(from) != IsCubic(to)) shifts.insert(shifts.end(), {s + 3, s - 3});
            for (const int k : shifts) {
                if (k != s) ExpectHint(t, Shift(given, k), where);
            }
        }
    }
    // A number typed in place value notation: 307 with the zero's place left
    // out, in the wrong order, each digit a place too high; 8,032 likewise.
    const TDekTaskRecord notation = Decadic("GenerateDekNum2", {1, 3, 20, 6});
    ASSERT_EQ(notation.GivenText.str() + " " + notation.AnswerText.str(), "307 3H 7E");
    for (const char* typed : {"3Z 7E", "7E 3H", "3T 7Z"})
        ExpectHint(notation, typed, "307");
    EXPECT_EQ(HintFor(notation, "3Z 7E"), "Tipp: Auch eine 0 besetzt eine Stelle.");
    const TDekTaskRecord decimal = Decadic("GenerateDezNum2", {1, 85, 7, 8, 2, 1, 0});
    ASSERT_EQ(decimal.GivenText.str(), "8,032");
    ExpectHint(decimal, "8E 3z 2h", "8,032");
    EXPECT_EQ(HintFor(decimal, "8Z 3z 2h"), "Tipp: Die letzte Ziffer vor dem Komma gehört zu E.");
    // 8300 HM in T the wrong way round.
    const TDekTaskRecord units = Decadic("GenerateDekDek4", {10, 37, 62, 7, 2, 0, 1, 0, 7, 8, 3});
    ASSERT_EQ(units.GivenText.str() + units.FromUnit.str() + units.ToUnit.str(), "8300HMT");
    ExpectHint(units, "83", "8300 HM");
    EXPECT_EQ(HintFor(units, "83"), "Tipp: Von HM nach T wird die Zahl größer.");
    // Numerals from notation with the zeros left out, and ten times too large.
    for (int i = 0, zeros = 0; zeros < 20 && i < 2000; ++i) {
        const TDekTaskRecord t = FindDecadicGenerator("GenerateDekNum3")->Generate(engine);
        std::string answer = t.AnswerText.str();
        if (t.AnswerIsNotation) continue;
        ExpectHint(t, answer + "0", t.GivenText.str());
        EXPECT_EQ(HintFor(t, answer + "0"),
                  "Tipp: Deine Zahl hat zu viele Nullen – zähle die Stellen nach.");
        if (answer.find('0') == std::string::npos) continue;
        ++zeros;
        std::erase(answer, '0');
        ExpectHint(t, answer, t.GivenText.str());
        EXPECT_EQ(HintFor(t, answer), "Tipp: Eine Stelle ohne Anzahl schreibst du als 0.");
    }
    EXPECT_EQ(Seen(), (std::set<std::string>{"area-factor-on-volume", "comma-left", "comma-right",
                                             "length-factor-on-area", "length-factor-on-volume",
                                             "litre-dm3", "place-order", "place-shift",
                                             "reverse-direction", "zero-place"}));
}

TEST(Hints, NoneForAnAnswerWithOneDigitChanged) {
    SeededRandom engine(3);
    const auto check = [&engine](const AnyTask& task, const std::string& where) {
        std::string typed = std::visit([](const auto& t) { return t.AnswerText.str(); }, task);
        std::vector<std::size_t> digits;
        for (std::size_t i = 0; i < typed.size(); ++i)
            if (std::isdigit(static_cast<unsigned char>(typed[i]))) digits.push_back(i);
        const std::size_t at =
            digits[static_cast<std::size_t>(engine.Random(static_cast<int>(digits.size())))];
        const bool leading = at == 0 || typed[at - 1] == ' ';
        const int step = 1 + engine.Random(8);
        char digit = static_cast<char>('0' + (typed[at] - '0' + step) % 10);
        if (leading && digit == '0') digit = typed[at] == '9' ? '8' : '9';
        typed[at] = digit;
        EXPECT_EQ(HintFor(task, typed), std::nullopt) << where << " typed " << typed;
    };
    for (const NamedGenerator& g : MeasureGenerators())
        for (int i = 0; i < 30; ++i)
            check(g.Fn(engine), std::string(g.Name));
    for (const NamedDecadicGenerator& g : DecadicGenerators())
        for (int i = 0; i < 30; ++i)
            check(g.Generate(engine), std::string(g.Name));
}

} // namespace
} // namespace quarvel
