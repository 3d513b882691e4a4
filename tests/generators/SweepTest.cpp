// The sweep: every generator, both directions, both ends of every pair band and
// of every pattern band, with the pattern's own draws at their smallest, their
// largest and at random. Each task is judged against a unit catalogue and
// decimal arithmetic on texts that are written here, independently of the
// tables and the engine.

#include "generators/Generators.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using testing::Canonical;
using testing::DecimalsOf;
using testing::ExtremeRandom;
using testing::ShiftComma;
using testing::UseScript;
using testing::ValueOf;

struct Unit {
    std::string_view Kind;
    int Exponent; // the unit is 10^Exponent of the kind's smallest unit
    bool Litre;   // a litre unit among the volumes
};

// The unit catalogue: 1 km = 1000 m, 1 t = 1000 kg, 1 ha = 100 a, 1 m^3 = 1000 l ...
const std::map<std::string, Unit, std::less<>> kCatalogue = {
    {"km", {"length", 6, false}},   {"m", {"length", 3, false}},    {"dm", {"length", 2, false}},
    {"cm", {"length", 1, false}},   {"mm", {"length", 0, false}},   {"t", {"mass", 9, false}},
    {"kg", {"mass", 6, false}},     {"dag", {"mass", 4, false}},    {"g", {"mass", 3, false}},
    {"dg", {"mass", 2, false}},     {"cg", {"mass", 1, false}},     {"mg", {"mass", 0, false}},
    {"km^2", {"area", 12, false}},  {"ha", {"area", 10, false}},    {"a", {"area", 8, false}},
    {"m^2", {"area", 6, false}},    {"dm^2", {"area", 4, false}},   {"cm^2", {"area", 2, false}},
    {"mm^2", {"area", 0, false}},   {"m^3", {"volume", 9, false}},  {"dm^3", {"volume", 6, false}},
    {"cm^3", {"volume", 3, false}}, {"mm^3", {"volume", 0, false}}, {"hl", {"volume", 8, true}},
    {"l", {"volume", 6, true}},     {"dl", {"volume", 5, true}},    {"cl", {"volume", 4, true}},
    {"ml", {"volume", 3, true}},
};

enum class Units { Length, Mass, MassBasic, Area, Cubic, Litre, CubicAndLitre };

// What each generator promises: its units, its answer field, whether it trims
// the answer, the most decimals its given values and its answers have, and
// whether direction 1 reads the given value back from its text (always, or
// only for factors of 1000 and more) instead of keeping a pattern's float.
struct Promise {
    Units Kind;
    int AnswerWidth;
    bool Trims;
    int MaxGivenDecimals;
    int MaxAnswerDecimals;
    GivenRounding Rounding = GivenRounding::None;
};

constexpr auto kAlways = GivenRounding::Direction1;
constexpr auto kLarge = GivenRounding::Direction1Large;

const std::map<std::string, Promise, std::less<>> kPromises = {
    {"GenerateLaenge1", {Units::Length, 170, false, 0, 0}},
    {"GenerateLaenge2", {Units::Length, 170, false, 3, 3}},
    {"GenerateLaenge3", {Units::Length, 170, false, 3, 3}},
    {"GenerateLaenge4", {Units::Length, 170, false, 3, 5}},
    {"GenerateLaenge5", {Units::Length, 170, false, 5, 8}},
    {"GenerateMasse1", {Units::Mass, 170, false, 0, 0}},
    {"GenerateMasse2", {Units::Mass, 170, false, 3, 3}},
    {"GenerateMasse3", {Units::Mass, 170, false, 3, 3}},
    {"GenerateMasse4", {Units::Mass, 170, false, 3, 5}},
    {"GenerateMasse5", {Units::Mass, 170, false, 5, 8}},
    {"GenerateMasse6", {Units::MassBasic, 170, false, 0, 0}},
    {"GenerateFlaeche1", {Units::Area, 170, false, 0, 0}},
    {"GenerateFlaeche2", {Units::Area, 170, true, 3, 3}},
    {"GenerateFlaeche3", {Units::Area, 170, true, 3, 4}},
    {"GenerateFlaeche4", {Units::Area, 170, true, 5, 7}},
    {"GenerateFlaeche5", {Units::Area, 190, true, 5, 10}},
    {"GenerateKubik1", {Units::Cubic, 170, false, 0, 0}},
    {"GenerateKubik2", {Units::Cubic, 170, false, 2, 3}},
    {"GenerateKubik3", {Units::Cubic, 170, true, 3, 6, kAlways}},
    {"GenerateKubik4", {Units::Cubic, 170, true, 5, 9, kAlways}},
    {"GenerateKubik5", {Units::Cubic, 170, true, 5, 10, kAlways}},
    {"GenerateLiter1", {Units::Litre, 170, false, 0, 0}},
    {"GenerateLiter2", {Units::Litre, 190, true, 3, 3, kLarge}},
    {"GenerateLiter3", {Units::Litre, 190, true, 3, 5, kLarge}},
    {"GenerateLiter4", {Units::Litre, 190, true, 5, 6, kLarge}},
    {"GenerateLiter5", {Units::Litre, 190, true, 5, 9, kLarge}},
    {"GenerateRaumGemischt1", {Units::CubicAndLitre, 170, false, 0, 0, kLarge}},
    {"GenerateRaumGemischt2", {Units::CubicAndLitre, 190, true, 3, 4, kLarge}},
    {"GenerateRaumGemischt3", {Units::CubicAndLitre, 190, true, 3, 5, kLarge}},
    {"GenerateRaumGemischt4", {Units::CubicAndLitre, 190, true, 5, 7, kLarge}},
    {"GenerateRaumGemischt5", {Units::CubicAndLitre, 190, true, 5, 10, kLarge}},
};

bool UnitsFit(Units kind, const Unit& from, const Unit& to, std::string_view a,
              std::string_view b) {
    const auto basicMass = [](std::string_view u) {
        return u == "t" || u == "kg" || u == "dag" || u == "g";
    };
    switch (kind) {
    case Units::Length:
        return from.Kind == "length";
    case Units::Mass:
        return from.Kind == "mass";
    case Units::MassBasic:
        return from.Kind == "mass" && basicMass(a) && basicMass(b);
    case Units::Area:
        return from.Kind == "area";
    case Units::Cubic:
        return from.Kind == "volume" && !from.Litre && !to.Litre;
    case Units::Litre:
        return from.Kind == "volume" && from.Litre && to.Litre;
    case Units::CubicAndLitre:
        return from.Kind == "volume" && from.Litre != to.Litre;
    }
    return false;
}

// Where the sweep takes a pattern's own draws from.
enum class Digits { Smallest, Largest, Random };

struct Observed {
    int MaxGivenDecimals = 0;
    int MaxAnswerDecimals = 0;
    std::size_t Tasks = 0;
};

// One fault makes a message; the text is built only then, since the sweep
// judges some ninety thousand tasks.
#define SWEEP_EXPECT(condition, message)                                                           \
    if (!(condition)) return std::string(message)

class Sweep {
  public:
    Sweep(const GeneratorSpec& spec, const Promise& promise)
        : spec_(spec), promise_(promise), fn_(FindMeasureGenerator(spec.Name)) {}

    Observed Run() {
        for (const PairBand& pair : spec_.Pairs) {
            for (const int direction : {1, 2}) {
                for (const PatternBand& band : direction == 1 ? pair.M : pair.D) {
                    for (const int pairDraw : {pair.Lo, pair.Hi}) {
                        for (const int patternDraw : {band.Lo, band.Hi}) {
                            for (const Digits digits :
                                 {Digits::Smallest, Digits::Largest, Digits::Random}) {
                                const std::string fault = Check(direction, pairDraw, patternDraw,
                                                                band.AnswerDecimals, digits);
                                ++observed_.Tasks;
                                if (!fault.empty()) {
                                    ADD_FAILURE() << spec_.Name << " direction " << direction
                                                  << " PairDraw " << pairDraw << " PatternDraw "
                                                  << patternDraw << ": " << fault;
                                    return observed_;
                                }
                            }
                        }
                    }
                }
            }
        }
        return observed_;
    }

  private:
    std::string Check(int direction, int pairDraw, int patternDraw, int note, Digits digits) {
        RandomSource* source = &engine_;
        if (digits == Digits::Smallest) source = &smallest_;
        if (digits == Digits::Largest) source = &largest_;
        AppState state;
        state.TaskSheet[3].Active = true;
        const auto rng = UseScript(state, {direction - 1, pairDraw - 1, patternDraw - 1}, source);
        fn_(state, 3);
        const TTaskRecord& r = state.TaskSheet[3];
        const auto& calls = rng->Calls();

        SWEEP_EXPECT(state.Draws.LastGenerator == spec_.Name, "LastGenerator is wrong");
        SWEEP_EXPECT(calls.size() > 3 && calls[0].first == 2 && calls[1].first == 100 &&
                         calls[2].first == 100,
                     "not three draws before the pattern's own");
        SWEEP_EXPECT(r.Active && !r.Solved, "Active or Solved changed");

        // Units: one kind, the right family, direction 1 from the larger unit.
        const auto from = kCatalogue.find(r.FromUnit.str());
        const auto to = kCatalogue.find(r.ToUnit.str());
        SWEEP_EXPECT(from != kCatalogue.end() && to != kCatalogue.end(),
                     "unknown unit " + r.FromUnit.str() + " or " + r.ToUnit.str());
        const std::string units = from->first + " -> " + to->first;
        SWEEP_EXPECT(from->second.Kind == to->second.Kind, "units of two kinds: " + units);
        SWEEP_EXPECT(UnitsFit(promise_.Kind, from->second, to->second, from->first, to->first),
                     "units not of this generator: " + units);
        const int shift = from->second.Exponent - to->second.Exponent;
        SWEEP_EXPECT(direction == 1 ? shift >= 0 : shift <= 0,
                     "direction " + std::to_string(direction) + " goes " + units);

        // The given text is the pattern's value with its own decimals.
        const std::string given = r.GivenText.str();
        SWEEP_EXPECT(given.size() < r.GivenText.capacity(), "given text may be cut: " + given);
        SWEEP_EXPECT(DecimalsOf(given) == r.GivenDecimals, "GivenDecimals of " + given);
        SWEEP_EXPECT(Canonical(given) == given, "given value ends in a zero decimal: " + given);

        // The answer is the given text with the comma moved by the catalogue's factor.
        const std::string expected = ShiftComma(given, shift);
        const std::string answer = r.AnswerText.str();
        const std::string task = given + " " + units + " gave " + answer + ", not " + expected;
        SWEEP_EXPECT(answer.size() < r.AnswerText.capacity(), "answer text may be cut: " + task);
        SWEEP_EXPECT(Canonical(answer) == expected, task);
        const int needed = DecimalsOf(expected);
        SWEEP_EXPECT(r.AnswerDecimals == std::max(note, needed),
                     "AnswerDecimals " + std::to_string(r.AnswerDecimals) + " for " + task);
        if (promise_.Trims) {
            SWEEP_EXPECT(answer == expected, "answer text not trimmed: " + task);
        } else {
            SWEEP_EXPECT(DecimalsOf(answer) == r.AnswerDecimals, "answer text trimmed: " + task);
        }

        // The values follow the texts: exactly where a level reads the given value
        // back from its text, otherwise up to the float of a decimal pattern.
        const bool readBack = direction == 1 && (promise_.Rounding == kAlways ||
                                                 (promise_.Rounding == kLarge && shift >= 3));
        if (readBack || r.GivenDecimals == 0) {
            SWEEP_EXPECT(r.GivenValue == ValueOf(given), "GivenValue of " + task);
        } else {
            std::string dotted = given;
            dotted[dotted.find(',')] = '.';
            SWEEP_EXPECT(r.GivenValue == static_cast<double>(std::strtof(dotted.c_str(), nullptr)),
                         "GivenValue is not the float of " + given);
        }
        const double exact = ValueOf(expected);
        if (readBack) {
            SWEEP_EXPECT(r.AnswerValue == exact, "AnswerValue of " + task);
        } else {
            SWEEP_EXPECT(std::abs(r.AnswerValue - exact) <= 1e-6 * exact, "AnswerValue of " + task);
        }

        SWEEP_EXPECT(r.AnswerLeft == 400 && state.AnswerWidth == promise_.AnswerWidth &&
                         state.ToUnitLeft == 400 + promise_.AnswerWidth + 30,
                     "layout");

        observed_.MaxGivenDecimals = std::max(observed_.MaxGivenDecimals, r.GivenDecimals);
        observed_.MaxAnswerDecimals = std::max(observed_.MaxAnswerDecimals, needed);
        return "";
    }

    const GeneratorSpec& spec_;
    const Promise& promise_;
    GeneratorFn fn_;
    ExtremeRandom smallest_{false};
    ExtremeRandom largest_{true};
    SeededRandom engine_{4711};
    Observed observed_;
};

#undef SWEEP_EXPECT

class SweepGenerator : public ::testing::TestWithParam<std::string> {};

TEST_P(SweepGenerator, EveryBandGivesAnExactAnswer) {
    const GeneratorSpec* spec = FindSpec(GetParam());
    const auto promise = kPromises.find(GetParam());
    ASSERT_NE(promise, kPromises.end()) << "no promise for " << GetParam();
    const Observed observed = Sweep(*spec, promise->second).Run();
    EXPECT_EQ(observed.MaxGivenDecimals, promise->second.MaxGivenDecimals);
    EXPECT_EQ(observed.MaxAnswerDecimals, promise->second.MaxAnswerDecimals);
    EXPECT_GT(observed.Tasks, 100U);
}

// Every table-driven generator the program has; one without a promise fails.
std::vector<std::string> GeneratorNames() {
    std::vector<std::string> names;
    for (const GeneratorSpec& spec : AllSpecs())
        names.emplace_back(spec.Name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(AllGenerators, SweepGenerator, ::testing::ValuesIn(GeneratorNames()),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace quarvel
