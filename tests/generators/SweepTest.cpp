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

// The unit catalogue, each unit as a power of ten of the smallest unit of its
// kind: 1 km = 1000 m, 1 t = 1000 kg, 1 ha = 100 a, 1 m^3 = 1000 l ...
const std::map<std::string, int, std::less<>> kExponent = {
    {"km", 6},   {"m", 3},    {"dm", 2},   {"cm", 1},   {"mm", 0},   {"t", 9},     {"kg", 6},
    {"dag", 4},  {"g", 3},    {"dg", 2},   {"cg", 1},   {"mg", 0},   {"km^2", 12}, {"ha", 10},
    {"a", 8},    {"m^2", 6},  {"dm^2", 4}, {"cm^2", 2}, {"mm^2", 0}, {"m^3", 9},   {"dm^3", 6},
    {"cm^3", 3}, {"mm^3", 0}, {"hl", 8},   {"l", 6},    {"dl", 5},   {"cl", 4},    {"ml", 3}};

// The units a generator may use, between blanks.
constexpr std::string_view kLength = " km m dm cm mm ";
constexpr std::string_view kMass = " t kg dag g dg cg mg ";
constexpr std::string_view kBasicMass = " t kg dag g ";
constexpr std::string_view kArea = " km^2 ha a m^2 dm^2 cm^2 mm^2 ";
constexpr std::string_view kCubic = " m^3 dm^3 cm^3 mm^3 ";
constexpr std::string_view kLitre = " hl l dl cl ml ";
constexpr std::string_view kMixed = " m^3 dm^3 cm^3 mm^3 hl l dl cl ml "; // one of each

// What each generator promises: its units, its answer field, whether it trims
// the answer, the most decimals its given values and its answers have, and
// whether direction 1 reads the given value back from its text (always, or
// only for factors of 1000 and more) instead of keeping a pattern's float.
struct Promise {
    std::string_view Units;
    int AnswerWidth;
    bool Trims;
    int MaxGivenDecimals;
    int MaxAnswerDecimals;
    GivenRounding Rounding = GivenRounding::None;
};

constexpr auto kAlways = GivenRounding::Direction1;
constexpr auto kLarge = GivenRounding::Direction1Large;

const std::map<std::string, Promise, std::less<>> kPromises = {
    {"GenerateLaenge1", {kLength, 170, false, 0, 0}},
    {"GenerateLaenge2", {kLength, 170, false, 3, 3}},
    {"GenerateLaenge3", {kLength, 170, false, 3, 3}},
    {"GenerateLaenge4", {kLength, 170, false, 3, 5}},
    {"GenerateLaenge5", {kLength, 170, false, 5, 8}},
    {"GenerateMasse1", {kMass, 170, false, 0, 0}},
    {"GenerateMasse2", {kMass, 170, false, 3, 3}},
    {"GenerateMasse3", {kMass, 170, false, 3, 3}},
    {"GenerateMasse4", {kMass, 170, false, 3, 5}},
    {"GenerateMasse5", {kMass, 170, false, 5, 8}},
    {"GenerateMasse6", {kBasicMass, 170, false, 0, 0}},
    {"GenerateFlaeche1", {kArea, 170, false, 0, 0}},
    {"GenerateFlaeche2", {kArea, 170, true, 3, 3}},
    {"GenerateFlaeche3", {kArea, 170, true, 3, 4}},
    {"GenerateFlaeche4", {kArea, 170, true, 5, 7}},
    {"GenerateFlaeche5", {kArea, 190, true, 5, 10}},
    {"GenerateKubik1", {kCubic, 170, false, 0, 0}},
    {"GenerateKubik2", {kCubic, 170, false, 2, 3}},
    {"GenerateKubik3", {kCubic, 170, true, 3, 6, kAlways}},
    {"GenerateKubik4", {kCubic, 170, true, 5, 9, kAlways}},
    {"GenerateKubik5", {kCubic, 170, true, 5, 10, kAlways}},
    {"GenerateLiter1", {kLitre, 170, false, 0, 0}},
    {"GenerateLiter2", {kLitre, 190, true, 3, 3, kLarge}},
    {"GenerateLiter3", {kLitre, 190, true, 3, 5, kLarge}},
    {"GenerateLiter4", {kLitre, 190, true, 5, 6, kLarge}},
    {"GenerateLiter5", {kLitre, 190, true, 5, 9, kLarge}},
    {"GenerateRaumGemischt1", {kMixed, 170, false, 0, 0, kLarge}},
    {"GenerateRaumGemischt2", {kMixed, 190, true, 3, 4, kLarge}},
    {"GenerateRaumGemischt3", {kMixed, 190, true, 3, 5, kLarge}},
    {"GenerateRaumGemischt4", {kMixed, 190, true, 5, 7, kLarge}},
    {"GenerateRaumGemischt5", {kMixed, 190, true, 5, 10, kLarge}},
};

bool Lists(std::string_view units, const std::string& unit) {
    return units.find(" " + unit + " ") != std::string_view::npos;
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
    Sweep(const GeneratorTable& table, const Promise& promise)
        : table_(table), promise_(promise), fn_(FindMeasureGenerator(table.Name)) {}

    Observed Run() {
        for (const PairBand& pair : table_.Pairs) {
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
                                    ADD_FAILURE() << table_.Name << " direction " << direction
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

        SWEEP_EXPECT(state.Draws.LastGenerator == table_.Name, "LastGenerator is wrong");
        SWEEP_EXPECT(calls.size() > 3 && calls[0].first == 2 && calls[1].first == 100 &&
                         calls[2].first == 100,
                     "not three draws before the pattern's own");
        SWEEP_EXPECT(r.Active && !r.Solved, "Active or Solved changed");

        // Units: both of this generator, a cubic and a litre unit where it
        // mixes them, direction 1 from the larger unit.
        const std::string from = r.FromUnit.str();
        const std::string to = r.ToUnit.str();
        const std::string units = from + " -> " + to;
        SWEEP_EXPECT(Lists(promise_.Units, from) && Lists(promise_.Units, to),
                     "units not of this generator: " + units);
        SWEEP_EXPECT(promise_.Units != kMixed || Lists(kLitre, from) != Lists(kLitre, to),
                     "not one cubic and one litre unit: " + units);
        const int shift = kExponent.at(from) - kExponent.at(to);
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

    const GeneratorTable& table_;
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
    const GeneratorTable* table = FindTable(GetParam());
    const auto promise = kPromises.find(GetParam());
    ASSERT_NE(promise, kPromises.end()) << "no promise for " << GetParam();
    const Observed observed = Sweep(*table, promise->second).Run();
    EXPECT_EQ(observed.MaxGivenDecimals, promise->second.MaxGivenDecimals);
    EXPECT_EQ(observed.MaxAnswerDecimals, promise->second.MaxAnswerDecimals);
    EXPECT_GT(observed.Tasks, 100U);
}

// Every table-driven generator the program has; one without a promise fails.
std::vector<std::string> GeneratorNames() {
    std::vector<std::string> names;
    for (const GeneratorTable& table : AllTables())
        names.emplace_back(table.Name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(AllGenerators, SweepGenerator, ::testing::ValuesIn(GeneratorNames()),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace quarvel
