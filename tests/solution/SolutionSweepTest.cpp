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

TTaskRecord Measure(const char* given, const char* from, const char* to, const char* answer) {
    TTaskRecord m;
    m.GivenText = given, m.FromUnit = from, m.ToUnit = to, m.AnswerText = answer;
    return m;
}

TDekTaskRecord Dek(const char* given, const char* from, const char* to, const char* answer) {
    TDekTaskRecord d;
    d.GivenText = given, d.FromUnit = from, d.ToUnit = to, d.AnswerText = answer;
    return d;
}

using Sentences = std::vector<std::string>;

// The sentences are written as oracle::Written reads them.
Sentences Texts(std::initializer_list<std::string_view> written) {
    Sentences texts;
    for (const std::string_view text : written)
        texts.push_back(oracle::Written(text));
    return texts;
}

// One task for each kind of step: multiply and append zeros, divide and strike
// zeros, the comma to the right and to the left, filling empty places, a bridge.
TEST(WorkedSolution, MeasureSentences) {
    EXPECT_FALSE(SolveMeasureTask(Measure("3,5", "m^3", "hl", "3,5"))); // never a wrong solution
    const std::pair<TTaskRecord, Sentences> cases[] = {
        {Measure("4", "m", "dm", "40"), Texts({"1~m = 10~dm.", "Von m nach dm rechnest du mal 10.",
                                               "Du hängst eine~Null an: 4~m = 40~dm."})},
        {Measure("70000000000", "mm^3", "m^3", "70"),
         Texts({"1~m³ = 1000~dm³ = 1_000_000~cm³ = 1_000_000_000~mm³.",
                "Von mm³ nach m³ rechnest du durch 1_000_000_000.",
                "Du streichst neun~Nullen: 70_000_000_000~mm³ = 70~m³."})},
        {Measure("59,07", "m^3", "cm^3", "59070000"),
         Texts({"1~m³ = 1000~dm³ = 1_000_000~cm³.", "Von m³ nach cm³ rechnest du mal 1_000_000.",
                "Das Komma rückt um sechs~Stellen nach rechts: 59,07~m³ = 59070000~cm³.",
                "Wo keine Ziffer steht, schreibst du eine 0."})},
        {Measure("45", "cm", "m", "0,45"),
         Texts({"1~m = 10~dm = 100~cm.", "Von cm nach m rechnest du durch 100.",
                "Das Komma rückt um zwei~Stellen nach links: 45~cm = 0,45~m."})},
        {Measure("5", "g", "kg", "0,005"),
         Texts({"1~kg = 100~dag = 1000~g.", "Von g nach kg rechnest du durch 1000.",
                "Das Komma rückt um drei~Stellen nach links: 5~g = 0,005~kg.",
                "Wo keine Ziffer steht, schreibst du eine 0."})},
        {Measure("3", "l", "dm^3", "3"),
         Texts({"1~l = 1~dm³.", "Die Zahl bleibt gleich: 3~l = 3~dm³."})},
    };
    for (const auto& [task, sentences] : cases) {
        const auto s = SolveMeasureTask(task);
        ASSERT_TRUE(s) << task.GivenText << " " << task.FromUnit;
        EXPECT_EQ(s->Sentences, sentences);
    }
}

TEST(WorkedSolution, DecadicSentences) {
    using enum DekTraining;
    const auto sentences = [](const TDekTaskRecord& r, DekTraining training) {
        const auto s = SolveDekTask(r, training);
        EXPECT_TRUE(s) << r.GivenText;
        return s ? s->Sentences : Sentences();
    };
    EXPECT_EQ(sentences(Dek("1ZM 2M 73HT 4ZT 5T 6H 7Z 8E", "", "", "19345678"), DekNum),
              (Sentences{"Schreib jede Anzahl unter ihre Stelle in der Stellenwerttabelle.",
                         "Bei einer zweistelligen Anzahl rückt der Zehner eine Stelle höher: "
                         "73HT = 7M 3HT.",
                         "Anzahlen an derselben Stelle zählst du zusammen: 2M + 7M = 9M.",
                         "1ZM 2M 73HT 4ZT 5T 6H 7Z 8E = 19345678."}));
    // Counts that meet at a place and make 10 or more carry on, up to HM.
    EXPECT_EQ(sentences(Dek("9ZM 8M 35HT 3ZT 9T 6H 3Z 8E", "", "", "101539638"), DekNum).at(3),
              "Sind es an einer Stelle 10 oder mehr, rückt der Zehner wieder eine Stelle höher: "
              "11M = 1ZM 1M, 9ZM + 1ZM = 10ZM = 1HM 0ZM.");
    // Decimal places are named, as "1 h = 10 t" would read as hours and tonnes.
    EXPECT_EQ(sentences(Dek("34", "z", "h", "340"), DezDez),
              Texts({"1~Zehntel = 10~Hundertstel.",
                     "Schreib 34 so in die Stellenwerttabelle, dass die letzte Ziffer unter z "
                     "steht, und lies die Zahl bis zur Stelle h ab: 34~Zehntel = 340~Hundertstel.",
                     "Von Zehnteln zu Hundertsteln hängst du eine~Null an."}));
    EXPECT_EQ(sentences(Dek("3400", "Z", "T", "34"), DekDek),
              Texts({"1~T = 100~Z.",
                     "Schreib 3400 so in die Stellenwerttabelle, dass die letzte Ziffer unter Z "
                     "steht, und lies die Zahl bis zur Stelle T ab: 3400~Z = 34~T.",
                     "Von Z nach T streichst du zwei~Nullen."}));
    EXPECT_FALSE(SolveDekTask(Dek("3450", "Z", "T", "34,5"), DekDek)); // no zeros to strike
    EXPECT_EQ(sentences(Dek("8300", "HM", "T", "830000000"), DekDek).at(0),
              "1\u00a0HM = 100\u202f000\u00a0T.");
}

// The chain window's table of the decadic trainings ends at HMd: 8300 Md
// (8 300 000 000 000) reaches beyond it, so its solution does without a table.
TEST(WorkedSolution, NoTableBeyondThePlacesOfTheChainWindow) {
    const auto s = SolveDekTask(Dek("8300", "Md", "ZT", "830000000"), DekTraining::DekDek);
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->Given.empty() && s->Expected.empty());
    EXPECT_EQ(s->Sentences, (Sentences{"1\u00a0Md = 100\u202f000\u00a0ZT.",
                                       "Von Md nach ZT hängst du fünf\u00a0Nullen an: "
                                       "8300\u00a0Md = 830000000\u00a0ZT."}));
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
        // Only a count of a unit may do without its table (when it reaches
        // beyond the chain window's places, which the chain test checks).
        if (s->Expected.empty() && units && !s->NotationGiven) return;
        EXPECT_EQ(TableNumeral(s->Expected, units ? r.ToUnit.str() : "E"), numeral) << task;
        if (!s->NotationGiven) {
            EXPECT_EQ(TableNumeral(s->Given, units ? r.FromUnit.str() : "E"), given);
        }
    });
}

} // namespace
} // namespace quarvel
