// Worked solutions, diagnoses and hints of hand-picked tasks (tests/data/cases), then
// of every band: the steps' factors and the comma shift each turn the given into the
// answer. That a hint comes exactly with a diagnosis and never names the answer is
// swept in DiagnosisTest.
#include "Oracle.h"

#include "decadic/DecadicGenerators.h"
#include "decadic/PlaceValue.h"
#include "drill/Hint.h"
#include "generators/Generators.h"
#include "solution/Diagnosis.h"
#include "solution/WorkedSolution.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
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

} // namespace
} // namespace quarvel
