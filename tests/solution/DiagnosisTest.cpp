// Over many generated tasks and wrong answers, a diagnosis is given only when its
// mistake, done on the task, gives exactly the typed text.
#include "Oracle.h"

#include "decadic/DecadicGenerators.h"
#include "drill/Hint.h"
#include "generators/Generators.h"
#include "solution/Diagnosis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

namespace quarvel {
namespace {

using oracle::Canonical;
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
