// The worked solution of every task the generators can make: every band of
// every measure table in both directions, every level, kind and number band of
// the decadic trainings. The steps' factors (each the catalogue's) and the comma
// shift must each turn the given number exactly into the expected answer.

#include "DecadicTasks.h"
#include "Oracle.h"

#include "decadic/PlaceValue.h"
#include "generators/Generators.h"
#include "solution/WorkedSolution.h"

#include <gtest/gtest.h>

namespace quarvel {
namespace {

using oracle::Canonical;

TEST(WorkedSolution, SentencesForThePupil) {
    TTaskRecord m;
    m.GivenText = "3,5", m.FromUnit = "m^3", m.ToUnit = "hl", m.AnswerText = "3,5";
    EXPECT_FALSE(SolveMeasureTask(m)); // never a solution that misses the answer
    TDekTaskRecord d;
    d.GivenText = "1ZM 2M 73HT 4ZT 5T 6H 7Z 8E", d.AnswerText = "19345678";
    EXPECT_EQ(SolveDekTask(d, DekTraining::DekNum).value().Sentences,
              (std::vector<std::string>{
                  "Schreib jede Anzahl unter ihre Stelle in der Stellenwerttabelle.",
                  "Bei einer zweistelligen Anzahl rückt der Zehner eine Stelle höher: 73HT = 7M "
                  "3HT.",
                  "Anzahlen an derselben Stelle zählst du zusammen.",
                  "1ZM 2M 73HT 4ZT 5T 6H 7Z 8E = 19345678."}));
}

TEST(SolutionSweep, EveryMeasureBandIsSolvedExactly) {
    SeededRandom digits(11);
    for (const GeneratorTable& table : AllTables()) {
        for (const PairBand& pair : table.Pairs) {
            for (const int direction : {1, 2}) {
                for (const PatternBand& band : direction == 1 ? pair.M : pair.D) {
                    AppState state;
                    state.Rng = std::make_shared<ScriptedRandom>(
                        std::vector<int>{direction - 1, pair.Lo - 1, band.Hi - 1}, &digits);
                    FindMeasureGenerator(table.Name)(state, 1);
                    const TTaskRecord& r = state.TaskSheet[1];
                    const std::string task = std::string(table.Name) + ": " + r.GivenText.str() +
                                             " " + r.FromUnit.str() + " -> " + r.ToUnit.str();
                    const auto s = SolveMeasureTask(r);
                    ASSERT_TRUE(s) << task;
                    std::string value = r.GivenText.str();
                    std::string unit = r.FromUnit.str();
                    for (const ChainStep& step : s->Steps) {
                        const int exponent =
                            oracle::kExponent.at(unit) - oracle::kExponent.at(step.To);
                        EXPECT_EQ(step.From + step.Factor, unit + oracle::Shift("1", exponent));
                        value = oracle::Shift(value, exponent);
                        unit = step.To;
                    }
                    const std::string answer = Canonical(r.AnswerText.str());
                    EXPECT_EQ(unit + " " + value, r.ToUnit.str() + " " + answer) << task;
                    EXPECT_EQ(oracle::Shift(r.GivenText.str(), s->CommaShift), answer) << task;
                    EXPECT_EQ(s->Result, answer) << task;
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

TEST(SolutionSweep, EveryDecadicBandIsSolvedExactly) {
    oracle::ForEachDecadicTask(1, 13, [](auto& gen, bool units, const TDekTaskRecord& r) {
        const bool decimal =
            gen.Training == DekTraining::DezNum || gen.Training == DekTraining::DezDez;
        const std::string given = r.GivenText.str();
        const std::string task = std::string(gen.Name) + ": '" + given + "' " + r.FromUnit.str() +
                                 " -> " + r.ToUnit.str();
        const auto s = SolveDekTask(r, gen.Training);
        ASSERT_TRUE(s) << task;
        // The given number in its own unit, "E" for a notation.
        const std::string number = !s->NotationGiven ? given
                                   : decimal         ? ParseDecimalPlaceValue(given)
                                                     : std::to_string(ParsePlaceValue(given));
        const std::string numeral = r.AnswerIsNotation ? given : r.AnswerText.str();
        EXPECT_EQ(oracle::Shift(number, s->CommaShift), numeral) << task;
        EXPECT_EQ(TableNumeral(s->Expected, units ? r.ToUnit.str() : "E"), numeral) << task;
        if (!s->NotationGiven) {
            EXPECT_EQ(TableNumeral(s->Given, units ? r.FromUnit.str() : "E"), given);
        }
    });
}

} // namespace
} // namespace quarvel
