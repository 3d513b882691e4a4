// The number patterns and band tables of every measure generator and dispatcher
// against the transcription in tests/data: entry by entry, then through the
// generators at both edges of every band, checked with the tests' own arithmetic.
#include "drill/Twin.h"
#include "generators/Dispatch.h"
#include "generators/Generators.h"
#include "generators/GlobalU.h"

#include "../TestData.h"
#include "../solution/Oracle.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <tuple>

namespace quarvel {
namespace {

using testdata::CsvRow;
using testdata::ReadCsv;
using testing::DecimalsOf;

struct DataPair {
    int Lo, Hi;
    std::string From, To, MTable, DTable;
    int Exponent; // of the factor
};

struct DataBand {
    int Lo, Hi;
    std::string Pattern;
    int Note; // -1: no note
};

struct DataGenerator {
    std::vector<DataPair> Pairs;
    std::map<std::string, std::vector<DataBand>> Tables;
    int AnswerWidth = 0;
    bool Trim = false;
    std::string Rounding;
};

struct DataPattern {
    int Decimals;
    std::string Min, Max; // with a decimal comma, as a given text shows them
};

std::string Swap(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

// A number with a decimal comma, read as a double (or as a float first).
double Value(const std::string& text, bool single = false) {
    return single ? std::stof(Swap(text, ',', '.')) : std::stod(Swap(text, ',', '.'));
}

struct Data {
    std::map<std::string, DataGenerator, std::less<>> Generators;
    std::map<std::string, DataPattern, std::less<>> Patterns;

    Data() {
        for (const char* kind : {"laenge", "masse", "flaeche", "kubik", "liter", "gemischt"}) {
            const std::string stem = std::string("bands/") + kind;
            for (const CsvRow& row : ReadCsv(stem + "_pairs.csv")) {
                // The factor must be the power of ten the unit catalogue gives.
                const int e = oracle::kExponent.at(row["from"]) - oracle::kExponent.at(row["to"]);
                if (row["factor"] != oracle::Shift("1", e))
                    throw std::runtime_error(row.Where() + ": factor " + row["factor"]);
                Generators[row["generator"]].Pairs.push_back({row.Int("lo"), row.Int("hi"),
                                                              row["from"], row["to"], row["mtable"],
                                                              row["dtable"], e});
            }
            for (const CsvRow& row : ReadCsv(stem + "_patterns.csv"))
                Generators[row["generator"]].Tables[row["table"]].push_back(
                    {row.Int("lo"), row.Int("hi"), row["pattern"],
                     row["answer_decimals"].empty() ? -1 : row.Int("answer_decimals")});
            for (const CsvRow& row : ReadCsv(stem + "_generators.csv")) {
                Generators[row["generator"]].AnswerWidth = row.Int("answer_width");
                Generators[row["generator"]].Trim = row["trim_answer"] == "yes";
                Generators[row["generator"]].Rounding = row["given_rounding"];
            }
        }
        for (const CsvRow& row : ReadCsv("patterns.csv"))
            Patterns[row["name"]] = {row.Int("decimals"), Swap(row["min"], '.', ','),
                                     Swap(row["max"], '.', ',')};
    }
};

const Data& TheData() {
    static const Data data;
    return data;
}

// The given's rounding, by GivenRounding.
const char* const kRoundings[] = {"none", "direction1", "direction1 factor>=1000"};

std::string Band(int lo, int hi) {
    return std::to_string(lo) + "-" + std::to_string(hi);
}

// The pattern table a row names for a direction, and that name; a division row
// without one ("none") takes the level's other table for the same factor.
std::pair<std::string, const std::vector<DataBand>*> TableOf(const DataGenerator& generator,
                                                             const DataPair& pair, int direction) {
    std::string name = direction == 1 ? pair.MTable : pair.DTable;
    for (const DataPair& other : generator.Pairs) {
        if (name == "none" && other.Exponent == pair.Exponent && other.DTable != "none")
            name = other.DTable;
    }
    const auto it = generator.Tables.find(name);
    return {name, it == generator.Tables.end() ? nullptr : &it->second};
}

// Every pattern draws its transcribed smallest and largest value, and in between
// a 0 only where the largest has one, and always where both have one.
TEST(Patterns, EveryPatternDrawsWithinItsTranscribedRange) {
    std::vector<Pattern> all;
#define QUARVEL_LIST_PATTERN(name, decimals, exponent) all.push_back(Pattern::name);
    QUARVEL_PATTERNS(QUARVEL_LIST_PATTERN)
#undef QUARVEL_LIST_PATTERN
    EXPECT_EQ(all.size(), TheData().Patterns.size());
    // With the look-up of each program generator's data below: none missing, none extra.
    EXPECT_EQ(AllTables().size(), TheData().Generators.size());
    const auto digits = [](std::string text) {
        std::erase(text, ',');
        return text.substr(text.find_first_not_of('0'));
    };
    SeededRandom engine(20240611);
    for (const Pattern p : all) {
        const std::string name(Info(p).Name);
        const auto data = TheData().Patterns.find(name);
        ASSERT_NE(data, TheData().Patterns.end()) << name;
        const std::string min = digits(data->second.Min), max = digits(data->second.Max);
        const int decimals = data->second.Decimals;
        ASSERT_EQ(min.size(), max.size()) << name;
        EXPECT_EQ(Info(p).Decimals, decimals) << name;
        testing::ExtremeRandom smallest(false), largest(true);
        EXPECT_EQ(DrawPattern(p, smallest), (ExactNumber{std::stoll(min), decimals})) << name;
        EXPECT_EQ(DrawPattern(p, largest), (ExactNumber{std::stoll(max), decimals})) << name;
        std::string shape;
        for (std::size_t i = 0; i < min.size(); ++i)
            shape += min[i] != '0' ? "[1-9]" : max[i] == '0' ? "0" : "[0-9]";
        const std::regex regex(shape);
        for (int i = 0; i < 400; ++i) {
            const ExactNumber value = DrawPattern(p, engine);
            ASSERT_TRUE(std::regex_match(std::to_string(value.Mantissa), regex) &&
                        value.Decimals == decimals)
                << name << ": " << value.Mantissa;
        }
    }
}

// A pattern table as lines of text; neighbouring bands with the same pattern and
// note draw alike and are joined, as the data and the program split them differently.
std::vector<std::string> Lines(std::vector<DataBand> bands) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        DataBand& band = bands[i];
        for (; i + 1 < bands.size() && bands[i + 1].Lo == band.Hi + 1 &&
               bands[i + 1].Pattern == band.Pattern && bands[i + 1].Note == band.Note;)
            band.Hi = bands[++i].Hi;
        lines.push_back(Band(band.Lo, band.Hi) + " " + band.Pattern + " note " +
                        std::to_string(band.Note));
    }
    return lines;
}

// The pattern's own digits: all smallest, all largest, or from an engine.
enum class Digits { Smallest, Largest, Seeded };

// What is wrong with the task the generator draws at one band edge, or "".
std::string Check(std::string_view name, const DataGenerator& generator, const DataPair& pair,
                  int direction, const DataBand& band, int pairDraw, int patternDraw,
                  Digits digits) {
    const DataPattern& pattern = TheData().Patterns.at(band.Pattern);
    testing::ExtremeRandom extreme(digits == Digits::Largest);
    SeededRandom engine(static_cast<std::uint64_t>(pairDraw * 1000 + patternDraw));
    ScriptedRandom script({direction - 1, pairDraw - 1, patternDraw - 1},
                          digits == Digits::Seeded ? static_cast<RandomSource*>(&engine)
                                                   : &extreme);
    const TTaskRecord r = FindMeasureGenerator(name)(script);
    if (r.Draws.Generator != name) return "another generator ran";
    if (std::tuple(r.Draws.Direction, r.Draws.Pair, r.Draws.Pattern) !=
        std::tuple(direction, pairDraw, patternDraw))
        return "the draws it reports";
    const std::string from = r.FromUnit.str(), to = r.ToUnit.str();
    if (std::pair(from, to) !=
        (direction == 1 ? std::pair(pair.From, pair.To) : std::pair(pair.To, pair.From)))
        return "units " + from + " -> " + to;

    // The pattern: its decimals, and its smallest and largest value.
    const std::string given = r.GivenText.str();
    if (r.GivenDecimals != pattern.Decimals || DecimalsOf(given) != pattern.Decimals)
        return "decimals of the given " + given + " (pattern " + band.Pattern + ")";
    const std::string& bound = digits == Digits::Largest ? pattern.Max : pattern.Min;
    if (digits != Digits::Seeded && given != bound)
        return "given " + given + ", not " + bound + " of " + band.Pattern;
    if (Value(given) < Value(pattern.Min) || Value(given) > Value(pattern.Max) ||
        oracle::Canonical(given) != given)
        return "given " + given + " is no " + band.Pattern;

    // The factor and the note.
    const std::string exact = oracle::Shift(given, direction == 1 ? pair.Exponent : -pair.Exponent);
    const int decimals = band.Note >= 0 ? band.Note : DecimalsOf(exact);
    const std::string task = given + " " + from + " = " + r.AnswerText.str() + " " + to + " (" +
                             std::to_string(r.AnswerDecimals) + ")";
    if (r.AnswerDecimals != decimals)
        return "answer decimals of " + task + ", not " + std::to_string(decimals);
    std::string written = exact;
    if (!generator.Trim && decimals > DecimalsOf(exact)) {
        if (DecimalsOf(exact) == 0) written += ',';
        written.append(static_cast<std::size_t>(decimals - DecimalsOf(exact)), '0');
    }
    if (r.AnswerText.str() != written) return "answer text of " + task + ", not " + written;

    // The values: exact where the generator reads a direction-1 given back from
    // its text, otherwise a decimal pattern's single-precision value.
    const bool readBack =
        direction == 1 && (generator.Rounding == kRoundings[1] ||
                           (generator.Rounding == kRoundings[2] && pair.Exponent >= 3));
    const double answer = Value(exact);
    if (r.GivenValue != Value(given, !readBack && pattern.Decimals > 0))
        return "given value of " + task;
    if (readBack ? r.AnswerValue != answer : std::abs(r.AnswerValue - answer) > 1e-6 * answer)
        return "answer value of " + task;
    const AnswerField field = FieldOf(r);
    if (field.Left != 400 || field.Width != generator.AnswerWidth ||
        field.ToUnitLeft != 430 + generator.AnswerWidth)
        return "answer width or layout";
    return "";
}

// One generator's tables entry by entry, then through the generator at both edges
// of every band, and the twins of its tasks (counting twin draws, and redrawn ones).
void ExpectGeneratorMatches(const GeneratorTable& table, std::pair<int, int>& twins) {
    const std::string name(table.Name);
    const DataGenerator& data = TheData().Generators.at(name);
    EXPECT_EQ(std::tuple(table.AnswerWidth, table.TrimAnswer,
                         std::string(kRoundings[static_cast<int>(table.Rounding)])),
              std::tuple(data.AnswerWidth, data.Trim, data.Rounding))
        << name << ": answer width, trimming of the answer, rounding of the given";
    std::vector<std::string> program, transcribed;
    for (const PairBand& p : table.Pairs)
        program.push_back(Band(p.Lo, p.Hi) + " " + std::string(p.From) + " -> " +
                          std::string(p.To) + " 1e" + std::to_string(p.FactorExponent));
    for (const DataPair& p : data.Pairs)
        transcribed.push_back(Band(p.Lo, p.Hi) + " " + p.From + " -> " + p.To + " 1e" +
                              std::to_string(p.Exponent));
    ASSERT_EQ(program, transcribed) << name << ": pair bands";

    // A table shared by several rows is compared once, under its first row.
    std::set<std::tuple<const PatternBand*, std::size_t, std::string>> compared;
    int failures = 0;
    for (std::size_t i = 0; i < data.Pairs.size(); ++i) {
        const DataPair& pair = data.Pairs[i];
        for (const int direction : {1, 2}) {
            const auto [tableName, bands] = TableOf(data, pair, direction);
            ASSERT_NE(bands, nullptr) << name << " table " << tableName;
            const std::string where = name + " pair band " + program[i] + " direction " +
                                      std::to_string(direction) + " (table " + tableName + ")";
            const PatternTable patterns = direction == 1 ? table.Pairs[i].M : table.Pairs[i].D;
            if (compared.emplace(patterns.data(), patterns.size(), tableName).second) {
                std::vector<DataBand> have;
                for (const PatternBand& band : patterns)
                    have.push_back(
                        {band.Lo, band.Hi, std::string(Info(band.P).Name), band.AnswerDecimals});
                EXPECT_EQ(Lines(have), Lines(*bands))
                    << where << ": pattern bands (note: answer decimals, -1 none)";
            }
            for (const DataBand& band : *bands) {
                // The twin of the task at the low edges: the same generator, direction
                // and units, its draws again in both bands, another number.
                SeededRandom engine(static_cast<std::uint64_t>(pair.Lo * 100 + band.Lo));
                ScriptedRandom script({direction - 1, pair.Lo - 1, band.Lo - 1}, &engine);
                const TTaskRecord task = FindMeasureGenerator(name)(script);
                const auto twin = TwinOf(task, engine);
                ASSERT_TRUE(twin && std::holds_alternative<TTaskRecord>(*twin)) << where;
                const TTaskRecord& t = std::get<TTaskRecord>(*twin);
                const TaskDraws& d = t.Draws;
                EXPECT_EQ(std::tuple(d.Generator, d.Direction, t.FromUnit.str() + t.ToUnit.str(),
                                     t.GivenText.str() != task.GivenText.str(),
                                     pair.Lo <= d.Pair && d.Pair <= pair.Hi,
                                     band.Lo <= d.Pattern && d.Pattern <= band.Hi),
                          std::tuple(name, direction, task.FromUnit.str() + task.ToUnit.str(), true,
                                     true, true))
                    << where << " pattern band " << Band(band.Lo, band.Hi) << ": twin draws "
                    << d.Pair << " " << d.Pattern;
                twins.first += 2;
                twins.second += (d.Pair != pair.Lo) + (d.Pattern != band.Lo);
                for (const auto& [pairDraw, patternDraw] :
                     {std::pair(pair.Lo, band.Lo), std::pair(pair.Hi, band.Hi)}) {
                    for (const Digits digits :
                         {Digits::Smallest, Digits::Largest, Digits::Seeded}) {
                        const std::string fault =
                            Check(name, data, pair, direction, band, pairDraw, patternDraw, digits);
                        if (fault.empty()) continue;
                        ADD_FAILURE()
                            << where << " pattern band " << Band(band.Lo, band.Hi) << ", PairDraw "
                            << pairDraw << " PatternDraw " << patternDraw << ": " << fault;
                        if (++failures == 20) return;
                    }
                }
            }
        }
    }
}

TEST(BandData, EveryGeneratorMatchesTheTranscription) {
    std::pair<int, int> twins;
    for (const GeneratorTable& table : AllTables())
        ExpectGeneratorMatches(table, twins);
    EXPECT_GT(twins.second, twins.first / 2) << "twins are drawn anew, not copied";
}

// The generator that ran and the line it filled, with the draws of `script`
// and then those of an engine.
std::string Fill(std::string_view name, std::vector<int> script, int seed) {
    SeededRandom engine(static_cast<std::uint64_t>(seed));
    ScriptedRandom rng(std::move(script), &engine);
    const TTaskRecord r = FindMeasureGenerator(name)(rng);
    return std::string(r.Draws.Generator) + ": " + r.GivenText.str() + " " + r.FromUnit.str() +
           " = " + r.AnswerText.str() + " " + r.ToUnit.str() + " (" +
           std::to_string(r.AnswerDecimals) + ") width " + std::to_string(FieldOf(r).Width);
}

TEST(Dispatchers, BandsMatchTheTranscriptionAndTheirEdgesCallTheirGeneratorAlsoForATwin) {
    std::vector<std::string> program, data;
    for (const DispatcherFamily& family : DispatcherFamilies()) {
        for (std::size_t level = 1; level <= 5; ++level) {
            for (const KindBand& band : family.Bands)
                program.push_back(std::string(family.Name) + std::to_string(level) + " " +
                                  Band(band.Lo, band.Hi) + " " +
                                  std::string(band.Kind()[level - 1].Name));
        }
    }
    for (const CsvRow& row : ReadCsv("bands/dispatchers.csv")) {
        const std::string& name = row["dispatcher"];
        data.push_back(name + " " + Band(row.Int("lo"), row.Int("hi")) + " " + row["generator"]);
        // The edge draws pick the transcribed generator, which fills the line as it does alone.
        ASSERT_NE(FindMeasureGenerator(name), nullptr) << name;
        // Its twin stays with that generator, direction and units.
        for (const int d : {row.Int("lo"), row.Int("hi")}) {
            EXPECT_EQ(Fill(name, {d - 1}, d), Fill(row["generator"], {}, d))
                << data.back() << " draw " << d;
            SeededRandom engine(static_cast<std::uint64_t>(d));
            ScriptedRandom rng({d - 1}, &engine);
            const TTaskRecord task = FindMeasureGenerator(name)(rng);
            const auto twin = TwinOf(task, engine);
            ASSERT_TRUE(twin && std::holds_alternative<TTaskRecord>(*twin)) << data.back();
            const TTaskRecord& t = std::get<TTaskRecord>(*twin);
            EXPECT_EQ(std::tuple(t.Draws.Generator, t.Draws.Direction, t.FromUnit.str(),
                                 t.ToUnit.str(), t.GivenText.str() != task.GivenText.str()),
                      std::tuple(row["generator"], task.Draws.Direction, task.FromUnit.str(),
                                 task.ToUnit.str(), true))
                << data.back() << " draw " << d << ": twin";
        }
    }
    std::sort(program.begin(), program.end());
    std::sort(data.begin(), data.end());
    EXPECT_EQ(program, data);
}

} // namespace
} // namespace quarvel
