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
        {DekNum, "3405", "", "", "3T 4H 5E", "5E 4H 3T", "place-order"},
        {DekNum, "3405", "", "", "3T 4H 5E", "3ZT 4T 5Z", "place-shift"},
        {DekNum, "3T 5E", "", "", "3005", "35", "zero-place"},
        {DezNum, "1E 91z", "", "", "10,1", "1,1", ""}, // that 0 comes from a carry
    };
    for (const Case& c : cases) {
        auto dek = Task<TDekTaskRecord>(c);
        dek.AnswerIsNotation =
            std::string_view(c.Answer).find_first_of("EZHT") != std::string::npos;
        const auto d = c.Training ? DiagnoseDekAnswer(dek, *c.Training, c.Typed)
                                  : DiagnoseMeasureAnswer(Task<TTaskRecord>(c), c.Typed);
        EXPECT_EQ(d ? d->Kind : "", c.Kind) << c.Given << " " << c.From << ": " << c.Typed;
    }
    const auto r = Task<TTaskRecord>(cases[0]);
    EXPECT_EQ(DiagnoseMeasureAnswer(r, "35")->Sentence, "Deiner Zahl fehlen 2 Nullen.");
    EXPECT_EQ(DiagnoseMeasureAnswer(r, "3,5")->Sentence,
              "Deine Zahl ist 1000-mal zu klein: Das Komma gehört 3 Stellen weiter nach rechts.");
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
    const bool cubic = from.ends_with("^3") && to.ends_with("^3");
    if (kind == "reverse-direction") return Shift(given, -s) == typed;
    if (kind == "length-factor-on-area")
        return area(from) && area(to) && Shift(given, s / 2) == typed;
    if (kind == "length-factor-on-volume") return cubic && Shift(given, s / 3) == typed;
    if (kind == "area-factor-on-volume") return cubic && Shift(given, 2 * s / 3) == typed;
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
    if (kind != "zero-place") return MistakeGives(kind, answer, typed);
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
        }
    }
    for (const NamedDecadicGenerator& gen : DecadicGenerators()) {
        for (int task = 0; task < 200; ++task) {
            AppState state;
            state.Rng = std::make_shared<SeededRandom>(task);
            gen.Generate(state, 1);
            const TDekTaskRecord& r = state.DekTaskSheet[1];
            for (const std::string& typed : WrongAnswers(r.AnswerText.str(), rng)) {
                const auto d = DiagnoseDekAnswer(r, gen.Training, typed);
                check(r, d, d && DekMistakeGives(d->Kind, r, typed), typed);
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
