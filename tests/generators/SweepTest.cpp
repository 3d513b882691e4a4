// The sweep: every generator, both directions, both ends of every pair band and
// of every pattern band, with the pattern's own draws at their smallest, their
// largest and at random. Each task is judged against a unit catalogue and
// decimal arithmetic on texts that are written here, independently of the
// tables and the engine.

#include "generators/Generators.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

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
// the answer, and the most decimals its given values and its answers have.
struct Promise {
    Units Kind;
    int AnswerWidth;
    bool Trims;
    int MaxGivenDecimals;
    int MaxAnswerDecimals;
};

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
    {"GenerateKubik3", {Units::Cubic, 170, true, 3, 6}},
    {"GenerateKubik4", {Units::Cubic, 170, true, 5, 9}},
    {"GenerateKubik5", {Units::Cubic, 170, true, 5, 10}},
    {"GenerateLiter1", {Units::Litre, 170, false, 0, 0}},
    {"GenerateLiter2", {Units::Litre, 190, true, 3, 3}},
    {"GenerateLiter3", {Units::Litre, 190, true, 3, 5}},
    {"GenerateLiter4", {Units::Litre, 190, true, 5, 6}},
    {"GenerateLiter5", {Units::Litre, 190, true, 5, 9}},
    {"GenerateRaumGemischt1", {Units::CubicAndLitre, 170, false, 0, 0}},
    {"GenerateRaumGemischt2", {Units::CubicAndLitre, 190, true, 3, 4}},
    {"GenerateRaumGemischt3", {Units::CubicAndLitre, 190, true, 3, 5}},
    {"GenerateRaumGemischt4", {Units::CubicAndLitre, 190, true, 5, 7}},
    {"GenerateRaumGemischt5", {Units::CubicAndLitre, 190, true, 5, 10}},
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
                                Check(direction, pairDraw, patternDraw, band.AnswerDecimals,
                                      digits);
                            }
                        }
                    }
                }
            }
        }
        return observed_;
    }

  private:
    void Check(int direction, int pairDraw, int patternDraw, int note, Digits digits) {
        SCOPED_TRACE(std::string(spec_.Name) + " direction " + std::to_string(direction) +
                     " PairDraw " + std::to_string(pairDraw) + " PatternDraw " +
                     std::to_string(patternDraw));
        RandomSource* source = &engine_;
        if (digits == Digits::Smallest) source = &smallest_;
        if (digits == Digits::Largest) source = &largest_;
        AppState state;
        state.TaskSheet[3].Active = true;
        const auto rng = UseScript(state, {direction - 1, pairDraw - 1, patternDraw - 1}, source);
        fn_(state, 3);
        const TTaskRecord& r = state.TaskSheet[3];
        ++observed_.Tasks;

        ASSERT_EQ(state.Draws.LastGenerator, spec_.Name);
        ASSERT_EQ(rng->Calls().at(0).first, 2);
        ASSERT_EQ(rng->Calls().at(1).first, 100);
        ASSERT_EQ(rng->Calls().at(2).first, 100);
        ASSERT_GT(rng->Calls().size(), 3U) << "no pattern was drawn";
        ASSERT_TRUE(r.Active);
        ASSERT_FALSE(r.Solved);

        // Units: one kind, the right family, direction 1 from the larger unit.
        const auto from = kCatalogue.find(r.FromUnit.str());
        const auto to = kCatalogue.find(r.ToUnit.str());
        ASSERT_NE(from, kCatalogue.end()) << r.FromUnit.str();
        ASSERT_NE(to, kCatalogue.end()) << r.ToUnit.str();
        ASSERT_EQ(from->second.Kind, to->second.Kind);
        ASSERT_TRUE(UnitsFit(promise_.Kind, from->second, to->second, from->first, to->first))
            << from->first << " -> " << to->first;
        const int shift = from->second.Exponent - to->second.Exponent;
        if (direction == 1) {
            ASSERT_GE(shift, 0) << "direction 1 must start from the larger unit";
        } else {
            ASSERT_LE(shift, 0) << "direction 2 must start from the smaller unit";
        }

        // The given text is the pattern's value with its own decimals.
        const std::string given = r.GivenText.str();
        ASSERT_LT(given.size(), r.GivenText.capacity()) << "given text may have been cut";
        ASSERT_EQ(DecimalsOf(given), r.GivenDecimals) << given;
        ASSERT_EQ(Canonical(given), given) << "a given value never ends in a zero decimal";

        // The answer is the given text with the comma moved by the catalogue's factor.
        const std::string expected = ShiftComma(given, shift);
        const std::string answer = r.AnswerText.str();
        ASSERT_LT(answer.size(), r.AnswerText.capacity()) << "answer text may have been cut";
        ASSERT_EQ(Canonical(answer), expected)
            << given << " " << from->first << " -> " << to->first;
        const int needed = DecimalsOf(expected);
        ASSERT_EQ(r.AnswerDecimals, std::max(note, needed)) << "decimals of " << expected;
        if (promise_.Trims) {
            ASSERT_EQ(answer, expected) << "the answer text is trimmed";
        } else {
            ASSERT_EQ(DecimalsOf(answer), r.AnswerDecimals) << answer;
        }

        // The values follow the texts: exactly where a level reads the given value
        // back from its text, otherwise up to the float of a decimal pattern.
        const bool readBack =
            direction == 1 && (spec_.Rounding == GivenRounding::Direction1 ||
                               (spec_.Rounding == GivenRounding::Direction1Large && shift >= 3));
        if (readBack || r.GivenDecimals == 0) {
            ASSERT_EQ(r.GivenValue, ValueOf(given));
        } else {
            std::string dotted = given;
            dotted[dotted.find(',')] = '.';
            ASSERT_EQ(r.GivenValue, static_cast<double>(std::strtof(dotted.c_str(), nullptr)));
        }
        if (readBack) {
            ASSERT_EQ(r.AnswerValue, ValueOf(expected));
        } else {
            ASSERT_NEAR(r.AnswerValue, ValueOf(expected), 1e-6 * ValueOf(expected));
        }

        // Layout.
        ASSERT_EQ(r.AnswerLeft, 400);
        ASSERT_EQ(state.AnswerWidth, promise_.AnswerWidth);
        ASSERT_EQ(state.ToUnitLeft, 400 + promise_.AnswerWidth + 30);

        observed_.MaxGivenDecimals = std::max(observed_.MaxGivenDecimals, r.GivenDecimals);
        observed_.MaxAnswerDecimals = std::max(observed_.MaxAnswerDecimals, needed);
    }

    const GeneratorSpec& spec_;
    const Promise& promise_;
    GeneratorFn fn_;
    ExtremeRandom smallest_{false};
    ExtremeRandom largest_{true};
    SeededRandom engine_{4711};
    Observed observed_;
};

TEST(Sweep, EveryBandOfEveryGeneratorGivesAnExactAnswer) {
    ASSERT_EQ(AllSpecs().size(), kPromises.size());
    std::size_t tasks = 0;
    for (const GeneratorSpec& spec : AllSpecs()) {
        const auto promise = kPromises.find(spec.Name);
        ASSERT_NE(promise, kPromises.end()) << spec.Name;
        ASSERT_NE(FindMeasureGenerator(spec.Name), nullptr) << spec.Name;
        const Observed observed = Sweep(spec, promise->second).Run();
        tasks += observed.Tasks;
        EXPECT_EQ(observed.MaxGivenDecimals, promise->second.MaxGivenDecimals) << spec.Name;
        EXPECT_EQ(observed.MaxAnswerDecimals, promise->second.MaxAnswerDecimals) << spec.Name;
        if (::testing::Test::HasFatalFailure()) return;
    }
    EXPECT_GT(tasks, 80000U);
}

// Level 6 of mass stays with t, kg, dag and g: every pair band in both directions.
TEST(Sweep, MassLevelSixNeverUsesTheSmallUnits) {
    GeneratorFn fn = FindMeasureGenerator("GenerateMasse6");
    SeededRandom engine(3);
    for (int pairDraw = 1; pairDraw <= 100; ++pairDraw) {
        for (const int direction : {1, 2}) {
            AppState state;
            UseScript(state, {direction - 1, pairDraw - 1}, &engine);
            fn(state, 1);
            for (const std::string& unit :
                 {state.TaskSheet[1].FromUnit.str(), state.TaskSheet[1].ToUnit.str()}) {
                EXPECT_TRUE(unit == "t" || unit == "kg" || unit == "dag" || unit == "g") << unit;
            }
            const bool withG =
                state.TaskSheet[1].FromUnit == "g" || state.TaskSheet[1].ToUnit == "g";
            if (withG) {
                EXPECT_TRUE(state.TaskSheet[1].FromUnit == "kg" ||
                            state.TaskSheet[1].ToUnit == "kg");
            }
        }
    }
}

} // namespace
} // namespace quarvel
