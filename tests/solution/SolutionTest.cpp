// Worked solutions, diagnoses and hints of hand-picked tasks (tests/data/cases), then
// of every band: the steps' factors and the comma shift each turn the given into the
// answer. Last, over many generated tasks and wrong answers: a diagnosis and its hint
// are given only when the mistake, done on the task, gives exactly the typed text.
#include "Oracle.h"

#include "decadic/DecadicGenerators.h"
#include "decadic/PlaceValue.h"
#include "drill/Hint.h"
#include "generators/Generators.h"
#include "solution/Diagnosis.h"
#include "solution/WorkedSolution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

namespace quarvel {
namespace {

using oracle::Canonical;

using enum DekTraining;
const std::map<std::string, DekTraining, std::less<>> kTrainings = {
    {"DekNum", DekNum}, {"DekDek", DekDek}, {"DezNum", DezNum}, {"DezDez", DezDez}};

// The task of a row of the case tables as a measure or decadic record.
template <typename Record> Record Task(const testdata::CsvRow& c) {
    Record r;
    r.GivenText = c["given"], r.FromUnit = c["from"], r.ToUnit = c["to"];
    r.AnswerText = c["answer"];
    return r;
}

// One task for each kind of step, and the records that get no solution.
TEST(WorkedSolution, Sentences) {
    for (const testdata::CsvRow& c : testdata::ReadCsv("cases/solution_sentences.csv")) {
        std::optional<std::vector<std::string>> got;
        if (c["training"].empty()) {
            if (const auto s = SolveMeasureTask(Task<TTaskRecord>(c))) got = s->Sentences;
        } else if (const auto s =
                       SolveDekTask(Task<TDekTaskRecord>(c), kTrainings.at(c["training"]))) {
            got = s->Sentences;
            EXPECT_EQ(s->Given.empty() && s->Expected.empty(), c["from"] == "Md") << c.Where();
        }
        std::vector<std::string> want;
        std::istringstream sentences(c["sentences"]);
        for (std::string sentence; std::getline(sentences, sentence, '|');)
            want.push_back(oracle::Written(sentence));
        ASSERT_EQ(got.has_value(), !want.empty()) << c.Where() << ": a solution";
        if (!got) continue;
        const auto first =
            got->begin() + std::min(std::ssize(*got), std::ptrdiff_t{c.Int("first")});
        EXPECT_EQ(std::vector(first, first + std::min(std::ssize(want), got->end() - first)), want)
            << c.Where();
    }
}

// Every mistake the diagnosis names, for every kind of unit and training, in
// direction 1 (to a smaller unit or place, or notation to numeral) and 2.
TEST(Diagnosis, EveryKindInBothDirections) {
    for (const testdata::CsvRow& c : testdata::ReadCsv("cases/solution_diagnosis.csv")) {
        auto dek = Task<TDekTaskRecord>(c);
        dek.AnswerIsNotation = c["answer"].find_first_not_of("0123456789,") != std::string::npos;
        const auto d = c["training"].empty()
                           ? DiagnoseMeasureAnswer(Task<TTaskRecord>(c), c["typed"])
                           : DiagnoseDekAnswer(dek, kTrainings.at(c["training"]), c["typed"]);
        EXPECT_EQ(d ? d->Kind : "", c["kind"]) << c.Where();
        EXPECT_EQ(d ? d->Sentence : "", oracle::Written(c["sentence"])) << c.Where();
    }
}

TEST(Hints, PinnedOnHandPickedTasks) {
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/twin_hints.csv")) {
        std::istringstream in(row["draws"]);
        SeededRandom engine(1);
        ScriptedRandom script({std::istream_iterator<int>(in), {}}, &engine);
        const GeneratorFn measure = FindMeasureGenerator(row["generator"]);
        const AnyTask task =
            measure ? AnyTask(measure(script))
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
    }
}

TEST(SolutionSweep, EveryMeasureBandIsSolvedExactly) {
    SeededRandom digits(11);
    for (const GeneratorTable& table : AllTables()) {
        for (const PairBand& pair : table.Pairs) {
            for (const int direction : {1, 2}) {
                for (const PatternBand& band : direction == 1 ? pair.M : pair.D) {
                    ScriptedRandom drawn({direction - 1, pair.Lo - 1, band.Hi - 1}, &digits);
                    const TTaskRecord r = FindMeasureGenerator(table.Name)(drawn);
                    std::string value = r.GivenText.str(), unit = r.FromUnit.str();
                    const std::string task = std::string(table.Name) + ": " + value + " " + unit +
                                             " -> " + r.ToUnit.str();
                    const auto s = SolveMeasureTask(r);
                    ASSERT_TRUE(s) << task;
                    for (const ChainStep& step : s->Steps) {
                        const int exponent =
                            oracle::kExponent.at(unit) - oracle::kExponent.at(step.To);
                        EXPECT_EQ(step.From + step.Factor, unit + oracle::Shift("1", exponent));
                        value = oracle::Shift(value, exponent);
                        unit = step.To;
                    }
                    const std::string answer = Canonical(r.AnswerText.str());
                    EXPECT_EQ(unit + " " + value + " " + s->Result + " " +
                                  oracle::Shift(r.GivenText.str(), s->CommaShift),
                              r.ToUnit.str() + " " + answer + " " + answer + " " + answer)
                        << task << ": steps, result, comma shift";
                }
            }
        }
    }
}

// The digits of a table read as a count of the place `units`.
std::string TableNumeral(const std::vector<PlaceDigit>& cells, std::string_view units) {
    std::string numeral;
    for (const PlaceDigit& cell : cells) {
        numeral += cell.Count;
        if (cell.Place == units && &cell != &cells.back()) numeral += ',';
    }
    return numeral;
}

// Every decadic generator, every kind draw (1 to 100 in the unit trainings
// from level 3 on, else 1 or 2) and number draw, the rest from a seeded source.
TEST(SolutionSweep, EveryDecadicBandIsSolvedExactly) {
    SeededRandom rest(13);
    for (const NamedDecadicGenerator& gen : DecadicGenerators()) {
        const bool units = gen.Training == DekDek || gen.Training == DezDez;
        const bool decimal = gen.Training == DezNum || gen.Training == DezDez;
        for (int draw = 0; draw < (units && gen.Level > 2 ? 100 : 2) * 100; ++draw) {
            const int kind = draw / 100, p = draw % 100;
            ScriptedRandom drawn(units ? std::vector<int>{kind, p, p} : std::vector<int>{kind, p},
                                 &rest);
            const TDekTaskRecord r = gen.Generate(drawn);
            const std::string given = r.GivenText.str();
            const std::string task = std::string(gen.Name) + ": '" + given + "' " +
                                     r.FromUnit.str() + " -> " + r.ToUnit.str();
            const auto s = SolveDekTask(r, gen.Training);
            ASSERT_TRUE(s) << task;
            // The given number in its own unit, "E" for a notation.
            const std::string number = !s->NotationGiven ? given
                                       : decimal         ? ParseDecimalPlaceValue(given)
                                                         : std::to_string(ParsePlaceValue(given));
            const std::string numeral = r.AnswerIsNotation ? given : r.AnswerText.str();
            EXPECT_EQ(oracle::Shift(number, s->CommaShift), numeral) << task;
            // Only a count of a unit reaching beyond the chain's places has no table.
            if (s->Expected.empty() && units && !s->NotationGiven) continue;
            EXPECT_EQ(TableNumeral(s->Expected, units ? r.ToUnit.str() : "E"), numeral) << task;
            EXPECT_TRUE(s->NotationGiven ||
                        TableNumeral(s->Given, units ? r.FromUnit.str() : "E") == given)
                << task;
        }
    }
}

using oracle::Shift;

std::vector<std::string> Split(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), {}};
}

// Places from the lowest up, so that neighbours are one index apart.
const std::vector<std::string> kPlaces = {"hm", "zm", "m",  "ht", "zt", "t",  "h",  "z",  "E",  "Z",
                                          "H",  "T",  "ZT", "HT", "M",  "ZM", "HM", "Md", "ZMd"};

int PlaceIndex(const std::string& symbol) {
    return static_cast<int>(std::find(kPlaces.begin(), kPlaces.end(), symbol) - kPlaces.begin());
}

// Every token of a notation moved `by` places, in reverse order if asked.
std::string Moved(const std::string& notation, int by, bool reverse = false) {
    std::string text;
    for (const std::string& t : Split(notation)) {
        const std::size_t count = t.find_first_not_of("0123456789");
        const auto place = static_cast<std::size_t>(PlaceIndex(t.substr(count)) + by); // < 0: big
        const std::string token =
            t.substr(0, count) + (place < kPlaces.size() ? kPlaces[place] : "?");
        text = text.empty() ? token : reverse ? token + " " + text : text + " " + token;
    }
    return text;
}

// Wrong answers a pupil might type: the answer with the comma moved or a zero
// left out, a notation with its places moved or reversed, any other number.
std::vector<std::string> WrongAnswers(const std::string& answer, RandomSource& rng) {
    const bool notation = answer.find_first_of("EZHTMdzhtm") != std::string::npos;
    std::vector<std::string> typed = {std::to_string(rng.Random(100000))};
    for (int k = -4; k <= 4; ++k)
        typed.push_back(notation ? Moved(answer, k, k == 0) : Shift(answer, k));
    for (std::size_t i = answer.find('0'); i != std::string::npos; i = answer.find('0', i + 1))
        typed.push_back(answer.substr(0, i) + answer.substr(i + 1));
    return typed;
}

// A numeral in notation, its last whole digit on E: "307" -> "3H 7E".
std::string Notation(const std::string& numeral) {
    auto place = static_cast<std::ptrdiff_t>(std::min(numeral.find(','), numeral.size())) + 8;
    std::string text;
    for (const char c : numeral) {
        if (c == ',') continue;
        if (--place < 0 || place >= static_cast<std::ptrdiff_t>(kPlaces.size())) return "?";
        if (c != '0') text += (text.empty() ? "" : " ") + std::string(1, c) + kPlaces[place];
    }
    return text;
}

// The numeral with one or more of its zeros left out, as if a 0 took no place.
std::vector<std::string> WithoutZeros(const std::string& numeral) {
    std::vector<std::size_t> zeros;
    std::vector<std::string> out;
    for (std::size_t i = numeral.find('0'); i != std::string::npos; i = numeral.find('0', i + 1))
        zeros.push_back(i);
    for (std::size_t mask = 1; mask < (std::size_t{1} << zeros.size()); ++mask) {
        std::string shorter = numeral;
        for (std::size_t z = zeros.size(); z-- > 0;)
            if ((mask >> z & 1) != 0) shorter.erase(zeros[z], 1);
        if (!shorter.starts_with(",")) out.push_back(shorter);
    }
    return out;
}

// A count of one place turned into the other the wrong way, typed into a field
// that takes no comma: 8300 HM in T -> 0,083 -> "83".
std::string Reversed(const TDekTaskRecord& r) {
    std::string digits = Shift(r.GivenText.str(), PlaceIndex(r.ToUnit) - PlaceIndex(r.FromUnit));
    std::erase(digits, ',');
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1));
}

// The shifts of a cubic task whose cubic steps take the factor 10^k (k 1: length,
// 2: area), the others right, over either bridge (l = dm^3 at 6, ml = cm^3 at 3).
std::vector<int> CubicMistakes(const std::string& from, const std::string& to, int k) {
    const auto e = [](const std::string& unit) { return oracle::kExponent.at(unit); };
    const bool cubicFrom = from.ends_with("^3");
    if (cubicFrom == to.ends_with("^3"))
        return cubicFrom ? std::vector<int>{(e(from) - e(to)) / 3 * k} : std::vector<int>{};
    if (!std::set<std::string>{"hl", "l", "dl", "cl", "ml"}.contains(cubicFrom ? to : from))
        return {};
    const auto over = [&](int bridge) {
        return cubicFrom ? (e(from) - bridge) / 3 * k + (bridge - e(to))
                         : (e(from) - bridge) + (bridge - e(to)) / 3 * k;
    };
    return {over(6), over(3)};
}

// The mistakes done on the task: comma-left-2 etc. on the answer, others on the given.
bool CommaMistakeGives(const std::string& kind, const std::string& answer,
                       const std::string& typed) {
    const int k = kind.starts_with("comma-") ? std::stoi(kind.substr(kind.rfind('-') + 1)) : 0;
    return Shift(answer, kind.starts_with("comma-right") ? k : -k) == typed;
}

bool MeasureMistakeGives(const std::string& kind, const TTaskRecord& r, const std::string& typed) {
    const std::string from = r.FromUnit, to = r.ToUnit, given = r.GivenText;
    const int s = oracle::kExponent.at(from) - oracle::kExponent.at(to);
    const auto area = [](const std::string& u) { return u.ends_with("^2") || u.ends_with("a"); };
    const auto cubic = [&](int k) {
        return std::ranges::any_of(CubicMistakes(from, to, k),
                                   [&](int x) { return Shift(given, x) == typed; });
    };
    if (kind == "reverse-direction") return Shift(given, -s) == typed;
    if (kind == "length-factor-on-area")
        return area(from) && area(to) && Shift(given, s / 2) == typed;
    if (kind == "length-factor-on-volume") return cubic(1);
    if (kind == "area-factor-on-volume") return cubic(2);
    if (kind == "litre-dm3")
        return from.ends_with("^3") != to.ends_with("^3") &&
               (Shift(given, s + 3) == typed || Shift(given, s - 3) == typed);
    return CommaMistakeGives(kind, Canonical(r.AnswerText.str()), typed);
}

bool DekMistakeGives(const std::string& kind, const TDekTaskRecord& r, const std::string& typed) {
    const std::string answer = r.AnswerText.str();
    auto want = Split(answer), got = Split(typed);
    std::sort(want.begin(), want.end());
    std::sort(got.begin(), got.end());
    if (kind == "place-order") return want == got;
    if (kind == "place-shift") return Moved(answer, 1) == typed || Moved(answer, -1) == typed;
    if (kind == "reverse-direction")
        return !r.FromUnit.str().empty() && Reversed(r) == typed && typed != r.GivenText.str();
    if (kind != "zero-place") return CommaMistakeGives(kind, answer, typed);
    if (r.AnswerIsNotation) {
        return std::ranges::any_of(WithoutZeros(r.GivenText.str()),
                                   [&](const std::string& n) { return Notation(n) == typed; });
    }
    // Without two-digit counts, every 0 of the answer is a place the notation leaves out.
    for (const std::string& t : Split(r.GivenText.str()))
        if (t.find_first_not_of("0123456789") != 1) return false;
    std::string someZeros;
    for (const char c : answer)
        someZeros += c == '0' ? std::string("0?") : std::string(1, c);
    return std::regex_match(typed, std::regex(someZeros));
}

TEST(Diagnosis, OnlyAnExactMistakeIsNamed) {
    SeededRandom rng(5);
    std::set<std::string> kinds;
    // Each wrong answer is diagnosed only exactly, the `named` ones always, the
    // answer with one digit changed (not to a leading 0) never.
    const auto judge = [&](const auto& r, std::vector<std::string> wrong,
                           const std::vector<std::string>& named, auto diagnose, auto exact) {
        wrong.insert(wrong.end(), named.begin(), named.end());
        std::string slip = r.AnswerText.str();
        std::size_t at = 0;
        do
            at = static_cast<std::size_t>(rng.Random(static_cast<int>(slip.size())));
        while (!std::isdigit(static_cast<unsigned char>(slip[at])));
        char digit = static_cast<char>('0' + (slip[at] - '0' + 1 + rng.Random(8)) % 10);
        if ((at == 0 || slip[at - 1] == ' ') && digit == '0') digit = slip[at] == '9' ? '8' : '9';
        slip[at] = digit;
        wrong.push_back(slip);
        const std::regex answerIn("(^|[^0-9,])" + r.AnswerText.str() + "(?!,?[0-9])");
        for (const std::string& typed : wrong) {
            const std::optional<Diagnosis> d = diagnose(typed);
            const std::string task = "'" + r.GivenText.str() + "' " + r.FromUnit.str() + " -> " +
                                     r.AnswerText.str() + " " + r.ToUnit.str() + ", typed " + typed;
            EXPECT_TRUE(d ? typed != slip
                          : std::find(named.begin(), named.end(), typed) == named.end())
                << task;
            // A hint names the mistake's rule, but never the answer.
            const auto hint = HintFor(AnyTask(r), typed);
            EXPECT_EQ(hint.has_value(), d.has_value()) << task;
            if (!d || !hint) continue;
            EXPECT_TRUE(hint->starts_with("Tipp: ") && !std::regex_search(*hint, answerIn))
                << task << ": " << *hint;
            kinds.insert(d->Kind.substr(0, d->Kind.starts_with("comma-") ? d->Kind.rfind('-')
                                                                         : std::string::npos));
            EXPECT_TRUE(exact(d->Kind, r, typed)) << d->Kind << ": " << task;
        }
    };
    for (const GeneratorTable& table : AllTables()) {
        for (int task = 0; task < 40; ++task) {
            SeededRandom drawn(static_cast<std::uint64_t>(task));
            const TTaskRecord r = FindMeasureGenerator(table.Name)(drawn);
            const std::string given = r.GivenText.str(), answer = Canonical(r.AnswerText.str());
            std::vector<std::string> wrong = WrongAnswers(answer, rng), named;
            for (int k = -4; k <= 4; ++k)
                wrong.push_back(Shift(given, k));
            // The comma one or two places off, the wrong direction, a square or cubic
            // step taken with the factor of length or area, litres taken for cm^3 or m^3.
            const std::string from = r.FromUnit, to = r.ToUnit;
            const int s = oracle::kExponent.at(from) - oracle::kExponent.at(to);
            std::vector<int> shifts = {s + 1, s - 1, s + 2, -s};
            if (from.ends_with("^2") && to.ends_with("^2")) shifts.push_back(s / 2);
            if (from.ends_with("^3") != to.ends_with("^3"))
                shifts.insert(shifts.end(), {s + 3, s - 3});
            for (const int k : {1, 2})
                for (const int x : CubicMistakes(from, to, k))
                    shifts.push_back(x);
            for (const int x : shifts)
                if (x != s) named.push_back(Shift(given, x));
            judge(
                r, wrong, named, [&r](const auto& t) { return DiagnoseMeasureAnswer(r, t); },
                MeasureMistakeGives);
        }
    }
    for (const NamedDecadicGenerator& gen : DecadicGenerators()) {
        for (int task = 0; task < 200; ++task) {
            SeededRandom drawn(static_cast<std::uint64_t>(task));
            const TDekTaskRecord r = gen.Generate(drawn);
            // A zero's place left out of a notation, a count of a place turned the wrong way.
            std::vector<std::string> named;
            if (r.AnswerIsNotation)
                for (const std::string& shorter : WithoutZeros(r.GivenText.str()))
                    named.push_back(Notation(shorter));
            if (!r.FromUnit.str().empty() && Reversed(r) != r.GivenText.str())
                named.push_back(Reversed(r));
            std::vector<std::string> wrong = WrongAnswers(r.AnswerText.str(), rng);
            wrong.push_back(r.GivenText.str());
            judge(
                r, wrong, named,
                [&](const auto& t) { return DiagnoseDekAnswer(r, gen.Training, t); },
                DekMistakeGives);
        }
    }
    EXPECT_EQ(kinds, (std::set<std::string>{"area-factor-on-volume", "comma-left", "comma-right",
                                            "length-factor-on-area", "length-factor-on-volume",
                                            "litre-dm3", "place-order", "place-shift",
                                            "reverse-direction", "zero-place"}));
}

} // namespace
} // namespace quarvel
