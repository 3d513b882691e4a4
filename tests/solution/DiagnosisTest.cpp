// The catalogue of typical mistakes, one case for each, and the promise behind
// it: over many generated tasks and wrong answers, a diagnosis is only ever
// given when its mistake, applied to the task, gives exactly the typed text.

#include "Oracle.h"

#include "decadic/DecadicGenerators.h"
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

struct Case {
    std::optional<DekTraining> Training; // none for a measure task
    const char *Given, *From, *To, *Answer, *Typed, *Kind;
};

template <typename Record> Record Task(const Case& c) {
    Record r;
    r.GivenText = c.Given, r.FromUnit = c.From, r.ToUnit = c.To, r.AnswerText = c.Answer;
    return r;
}

TEST(Diagnosis, Catalogue) {
    using enum DekTraining;
    const Case cases[] = {
        {{}, "3,5", "km", "m", "3500", "350000", "comma-right-2"},
        {{}, "45", "cm", "m", "0,45", "0,00045", "comma-left-3"},
        {{}, "45", "cm", "m", "0,45", "4500", "reverse-direction"},
        {{}, "2", "ha", "m^2", "20000", "200", "length-factor-on-area"},
        {{}, "3", "m^3", "cm^3", "3000000", "300", "length-factor-on-volume"},
        {{}, "3", "m^3", "cm^3", "3000000", "30000", "area-factor-on-volume"},
        {{}, "25", "dl", "cm^3", "2500", "2,5", "litre-dm3"},
        {{}, "3,5", "km", "m", "3500", "03500,0", ""},
        // Between cubic and litre units the cubic steps are taken with the
        // factor of length or area, the rest right.
        {{}, "1,4", "m^3", "l", "1400", "14", "length-factor-on-volume"},
        {{}, "1,4", "m^3", "l", "1400", "140", "area-factor-on-volume"},
        {{}, "2,5", "l", "cm^3", "2500", "25", "length-factor-on-volume"},
        {DekNum, "3405", "", "", "3T 4H 5E", "5E 4H 3T", "place-order"},
        {DekNum, "3405", "", "", "3T 4H 5E", "3ZT 4T 5Z", "place-shift"},
        {DekNum, "3T 5E", "", "", "3005", "35", "zero-place"},
        {DezNum, "1E 91z", "", "", "10,1", "1,1", ""}, // that 0 comes from a carry
        // A notation asked: the zero's place left out.
        {DekNum, "307", "", "", "3H 7E", "3Z 7E", "zero-place"},
        {DekNum, "70305", "", "", "7ZT 3H 5E", "7H 3Z 5E", "zero-place"},
        {DezNum, "8,032", "", "", "8E 3h 2t", "8E 3z 2h", "zero-place"},
        {DekNum, "307", "", "", "3H 7E", "4Z 7E", ""},
        // The other way round between places: the field takes no comma, so
        // 8300 HM in T the wrong way (0,083) is typed 83.
        {DekDek, "8300", "HM", "T", "830000000", "83", "reverse-direction"},
        {DekDek, "3400", "Z", "T", "34", "340000", "reverse-direction"},
        {DezDez, "3400", "t", "z", "34", "340000", "reverse-direction"},
        {DezDez, "34", "z", "h", "340", "34", "comma-left-1"}, // the given number copied
    };
    for (const Case& c : cases) {
        auto dek = Task<TDekTaskRecord>(c);
        dek.AnswerIsNotation =
            std::string_view(c.Answer).find_first_of("EZHT") != std::string::npos;
        const auto d = c.Training ? DiagnoseDekAnswer(dek, *c.Training, c.Typed)
                                  : DiagnoseMeasureAnswer(Task<TTaskRecord>(c), c.Typed);
        EXPECT_EQ(d ? d->Kind : "", c.Kind) << c.Given << " " << c.From << ": " << c.Typed;
    }
}

TEST(Diagnosis, Sentences) {
    using enum DekTraining;
    const auto measure = [](const Case& c) {
        return DiagnoseMeasureAnswer(Task<TTaskRecord>(c), c.Typed).value().Sentence;
    };
    const auto dek = [](const Case& c, bool notation) {
        auto r = Task<TDekTaskRecord>(c);
        r.AnswerIsNotation = notation;
        return DiagnoseDekAnswer(r, *c.Training, c.Typed).value().Sentence;
    };
    // Counts of zeros and places in words, never parted from their noun.
    EXPECT_EQ(measure({{}, "3,5", "km", "m", "3500", "35", ""}),
              "Deiner Zahl fehlen zwei\u00a0Nullen.");
    EXPECT_EQ(measure({{}, "3,5", "km", "m", "3500", "3,5", ""}),
              "Deine Zahl ist 1000-mal zu klein: Das Komma gehört drei\u00a0Stellen weiter nach "
              "rechts.");
    EXPECT_EQ(measure({{}, "7", "m^3", "mm^3", "7000000000", "0,7", ""}),
              "Deine Zahl ist 10\u202f000\u202f000\u202f000-mal zu klein: Das Komma gehört "
              "zehn\u00a0Stellen weiter nach rechts.");
    EXPECT_EQ(measure({{}, "25", "dl", "cm^3", "2500", "2,5", ""}),
              "Denk daran: 1\u00a0l = 1\u00a0dm³ und 1\u00a0ml = 1\u00a0cm³.");
    // A whole number has no comma to speak of.
    EXPECT_EQ(dek({DekNum, "3405", "", "", "3T 4H 5E", "3ZT 4T 5Z", ""}, true),
              "Jede Ziffer steht bei dir eine Stelle zu hoch – die letzte Ziffer gehört zu E.");
    EXPECT_EQ(dek({DezNum, "3,45", "", "", "3E 4z 5h", "3z 4h 5t", ""}, true),
              "Jede Ziffer steht bei dir eine Stelle zu tief – die letzte Ziffer vor dem Komma "
              "gehört zu E.");
    EXPECT_EQ(dek({DekNum, "307", "", "", "3H 7E", "3Z 7E", ""}, true),
              "Auch eine 0 besetzt eine Stelle: In der Stellenschreibweise lässt du sie weg, aber "
              "die anderen Ziffern behalten ihre Stellen.");
    EXPECT_EQ(dek({DekDek, "8300", "HM", "T", "830000000", "83", ""}, false),
              "Du hast in die falsche Richtung umgerechnet: Von HM nach T wird die Zahl größer.");
    // "h" and "t" alone would read as hours and tonnes.
    EXPECT_EQ(dek({DezDez, "3400", "t", "z", "34", "340000", ""}, false),
              "Du hast in die falsche Richtung umgerechnet: Von Tausendsteln zu Zehnteln wird die "
              "Zahl kleiner.");
}

// ---- The promise --------------------------------------------------------------------

std::vector<std::string> Split(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), {}};
}

// Places from the lowest up, so that neighbours are one index apart.
const std::vector<std::string> kPlaces = {"hm", "zm", "m",  "ht", "zt", "t",  "h",  "z",  "E",  "Z",
                                          "H",  "T",  "ZT", "HT", "M",  "ZM", "HM", "Md", "ZMd"};

// Every token of a notation moved `by` places, in reverse order if asked.
std::string Moved(const std::string& notation, int by, bool reverse = false) {
    std::string text;
    for (const std::string& t : Split(notation)) {
        const std::size_t count = t.find_first_not_of("0123456789");
        const auto place = std::find(kPlaces.begin(), kPlaces.end(), t.substr(count)) + by;
        const std::string token =
            t.substr(0, count) + (place >= kPlaces.begin() && place < kPlaces.end() ? *place : "?");
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
    std::vector<std::string> shorter = {""};
    std::vector<bool> dropped = {false};
    for (const char c : numeral) {
        const std::size_t n = shorter.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (c == '0') {
                shorter.push_back(shorter[i]);
                dropped.push_back(true);
            }
            shorter[i] += c;
        }
    }
    std::vector<std::string> out;
    for (std::size_t i = 0; i < shorter.size(); ++i)
        if (dropped[i] && !shorter[i].starts_with(",")) out.push_back(shorter[i]);
    return out;
}

int PlaceIndex(const std::string& symbol) {
    return static_cast<int>(std::find(kPlaces.begin(), kPlaces.end(), symbol) - kPlaces.begin());
}

// A count of one place turned into the other the wrong way, typed into a field
// that takes no comma: 8300 HM in T -> 0,083 -> "83".
std::string Reversed(const TDekTaskRecord& r) {
    std::string digits = Shift(r.GivenText.str(), PlaceIndex(r.ToUnit) - PlaceIndex(r.FromUnit));
    std::erase(digits, ',');
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1));
}

// The shifts of a cubic <-> litre task whose cubic steps are taken with the
// factor 10^k (k 1: length, 2: area) and its other steps right, over either
// bridge (l = dm^3 at 6, ml = cm^3 at 3).
std::vector<int> CubicMistakes(const std::string& from, const std::string& to, int k) {
    const auto e = [](const std::string& unit) { return oracle::kExponent.at(unit); };
    std::vector<int> shifts;
    if (from.ends_with("^3") == to.ends_with("^3")) {
        if (from.ends_with("^3")) shifts.push_back((e(from) - e(to)) / 3 * k);
        return shifts;
    }
    const std::set<std::string> litre = {"hl", "l", "dl", "cl", "ml"};
    if (!litre.contains(from.ends_with("^3") ? to : from)) return shifts;
    for (const int bridge : {6, 3}) {
        shifts.push_back(from.ends_with("^3") ? (e(from) - bridge) / 3 * k + (bridge - e(to))
                                              : (e(from) - bridge) + (bridge - e(to)) / 3 * k);
    }
    return shifts;
}

// The mistakes, done on the task: comma-left-2 etc. on the answer, the others
// on the given number with the power of ten the mistake uses.
bool MistakeGives(const std::string& kind, const std::string& answer, const std::string& typed) {
    const int k = kind.starts_with("comma-") ? std::stoi(kind.substr(kind.rfind('-') + 1)) : 0;
    return Shift(answer, kind.starts_with("comma-right") ? k : -k) == typed;
}

bool MeasureMistakeGives(const std::string& kind, const TTaskRecord& r, const std::string& typed) {
    const std::string from = r.FromUnit, to = r.ToUnit, given = r.GivenText;
    const int s = oracle::kExponent.at(from) - oracle::kExponent.at(to);
    const auto area = [](const std::string& u) { return u.ends_with("^2") || u.ends_with("a"); };
    const auto cubic = [&](int k) {
        const auto shifts = CubicMistakes(from, to, k);
        return std::any_of(shifts.begin(), shifts.end(),
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
    return MistakeGives(kind, Canonical(r.AnswerText.str()), typed);
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
    if (kind != "zero-place") return MistakeGives(kind, answer, typed);
    if (r.AnswerIsNotation) {
        const auto shorter = WithoutZeros(r.GivenText.str());
        return std::any_of(shorter.begin(), shorter.end(),
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
    const auto check = [&](const auto& r, const std::optional<Diagnosis>& d, bool exact,
                           const std::string& typed) {
        if (!d) return;
        kinds.insert(d->Kind.starts_with("comma-") ? d->Kind.substr(0, d->Kind.rfind('-'))
                                                   : d->Kind);
        EXPECT_TRUE(exact) << d->Kind << ": '" << r.GivenText << "' " << r.FromUnit << " -> "
                           << r.AnswerText << " " << r.ToUnit << ", typed " << typed;
    };
    for (const GeneratorTable& table : AllTables()) {
        for (int task = 0; task < 40; ++task) {
            AppState state;
            state.Rng = std::make_shared<SeededRandom>(task);
            FindMeasureGenerator(table.Name)(state, 1);
            const TTaskRecord& r = state.TaskSheet[1];
            auto wrong = WrongAnswers(Canonical(r.AnswerText.str()), rng);
            for (int k = -4; k <= 4; ++k)
                wrong.push_back(Shift(r.GivenText.str(), k));
            for (const std::string& typed : wrong) {
                const auto d = DiagnoseMeasureAnswer(r, typed);
                check(r, d, d && MeasureMistakeGives(d->Kind, r, typed), typed);
            }
            // A cubic step taken with the factor of length or area is named.
            for (const int k : {1, 2}) {
                for (const int x : CubicMistakes(r.FromUnit, r.ToUnit, k)) {
                    const std::string typed = Shift(r.GivenText.str(), x);
                    if (typed == Canonical(r.AnswerText.str())) continue;
                    EXPECT_TRUE(DiagnoseMeasureAnswer(r, typed))
                        << r.GivenText << " " << r.FromUnit << " -> " << r.ToUnit << ": " << typed;
                }
            }
        }
    }
    for (const NamedDecadicGenerator& gen : DecadicGenerators()) {
        for (int task = 0; task < 200; ++task) {
            AppState state;
            state.Rng = std::make_shared<SeededRandom>(task);
            gen.Generate(state, 1);
            const TDekTaskRecord& r = state.DekTaskSheet[1];
            // Mistakes that must be named: a zero's place left out of a
            // notation, a count of a place turned the wrong way.
            std::vector<std::string> named;
            if (r.AnswerIsNotation) {
                for (const std::string& shorter : WithoutZeros(r.GivenText.str()))
                    named.push_back(Notation(shorter));
            }
            if (!r.FromUnit.str().empty() && Reversed(r) != r.GivenText.str())
                named.push_back(Reversed(r));
            auto wrong = WrongAnswers(r.AnswerText.str(), rng);
            wrong.insert(wrong.end(), named.begin(), named.end());
            wrong.push_back(r.GivenText.str());
            for (const std::string& typed : wrong) {
                const auto d = DiagnoseDekAnswer(r, gen.Training, typed);
                check(r, d, d && DekMistakeGives(d->Kind, r, typed), typed);
            }
            for (const std::string& typed : named) {
                EXPECT_TRUE(DiagnoseDekAnswer(r, gen.Training, typed))
                    << gen.Name << ": '" << r.GivenText << "' " << r.FromUnit << ", typed "
                    << typed;
            }
        }
    }
    EXPECT_EQ(kinds, (std::set<std::string>{"area-factor-on-volume", "comma-left", "comma-right",
                                            "length-factor-on-area", "length-factor-on-volume",
                                            "litre-dm3", "place-order", "place-shift",
                                            "reverse-direction", "zero-place"}));
}

} // namespace
} // namespace quarvel
