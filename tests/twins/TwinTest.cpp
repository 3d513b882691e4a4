// Twins against the transcribed band tables (tests/data): for every band of
// every generator a twin keeps the generator, the direction, the units and the
// bands of its draws, takes its numbers from its own pattern and differs from
// the task it twins.
#include "drill/Twin.h"
#include "generators/Generators.h"

#include "../TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using testdata::CsvRow;
using testdata::ReadCsv;

struct Range {
    int Lo, Hi;
    bool Holds(int draw) const { return Lo <= draw && draw <= Hi; }
};

// The row of `rows` whose range holds `draw`.
const CsvRow& RowHolding(const std::vector<CsvRow>& rows, const char* lo, const char* hi,
                         int draw) {
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const CsvRow& row) {
        return row.Int(lo) <= draw && draw <= row.Int(hi);
    });
    if (it == rows.end()) throw std::runtime_error("no row holds " + std::to_string(draw));
    return *it;
}

std::vector<CsvRow> Where(const std::vector<CsvRow>& rows, const char* column,
                          const std::string& value) {
    std::vector<CsvRow> kept;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(kept),
                 [&](const CsvRow& row) { return row[column] == value; });
    return kept;
}

// A decimal-comma number as a double, and its count of decimals.
double Number(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return std::stod(text);
}
int Decimals(const std::string& text) {
    const std::size_t comma = text.find(',');
    return comma == std::string::npos ? 0 : static_cast<int>(text.size() - comma - 1);
}

// The symbol of the first token of a notation: "ZT" of "8ZT 2T 1H".
std::string HighestPlace(const std::string& notation) {
    const std::string first = notation.substr(0, notation.find(' '));
    return first.substr(first.find_first_not_of("0123456789"));
}

TTaskRecord MeasureTwin(const TTaskRecord& task, RandomSource& rng) {
    const auto twin = TwinOf(task, rng);
    if (!twin || !std::holds_alternative<TTaskRecord>(*twin))
        throw std::runtime_error("no measure twin of " + task.GivenText.str());
    return std::get<TTaskRecord>(*twin);
}

TDekTaskRecord DekTwin(const TDekTaskRecord& task, RandomSource& rng) {
    const auto twin = TwinOf(task, rng);
    if (!twin || !std::holds_alternative<TDekTaskRecord>(*twin))
        throw std::runtime_error("no decadic twin of " + task.GivenText.str());
    return std::get<TDekTaskRecord>(*twin);
}

TEST(MeasureTwins, EveryBandKeepsGeneratorDirectionUnitsAndPatternBand) {
    std::map<std::string, CsvRow> patterns;
    for (const CsvRow& row : ReadCsv("patterns.csv"))
        patterns.emplace(row["name"], row);
    SeededRandom engine(7);
    int twins = 0, newPair = 0, newPattern = 0;
    for (const char* kind : {"laenge", "masse", "flaeche", "kubik", "liter", "gemischt"}) {
        const std::string stem = std::string("bands/") + kind;
        const auto pairs = ReadCsv(stem + "_pairs.csv");
        const auto bands = ReadCsv(stem + "_patterns.csv");
        for (const CsvRow& pair : pairs) {
            const std::string name = pair["generator"];
            const GeneratorFn generate = FindMeasureGenerator(name);
            ASSERT_NE(generate, nullptr) << name;
            for (const int direction : {1, 2}) {
                std::string table = pair[direction == 1 ? "mtable" : "dtable"];
                if (table == "none") { // the other division table of the same factor
                    for (const CsvRow& other : Where(pairs, "generator", name))
                        if (other["factor"] == pair["factor"] && other["dtable"] != "none")
                            table = other["dtable"];
                }
                for (const CsvRow& band : Where(Where(bands, "generator", name), "table", table)) {
                    const std::string where = pair.Where() + " direction " +
                                              std::to_string(direction) + " " + band.Where();
                    ScriptedRandom script({direction - 1, pair.Int("lo") - 1, band.Int("lo") - 1},
                                          &engine);
                    const TTaskRecord task = std::get<TTaskRecord>(AnyTask(generate(script)));
                    const TTaskRecord twin = MeasureTwin(task, engine);
                    ++twins;
                    EXPECT_EQ(twin.Draws.Generator, name) << where;
                    EXPECT_EQ(twin.Draws.Direction, direction) << where;
                    EXPECT_EQ(twin.FromUnit.str(), pair[direction == 1 ? "from" : "to"]) << where;
                    EXPECT_EQ(twin.ToUnit.str(), pair[direction == 1 ? "to" : "from"]) << where;
                    EXPECT_TRUE((Range{pair.Int("lo"), pair.Int("hi")}.Holds(twin.Draws.Pair)))
                        << where << " pair draw " << twin.Draws.Pair;
                    EXPECT_TRUE((Range{band.Int("lo"), band.Int("hi")}.Holds(twin.Draws.Pattern)))
                        << where << " pattern draw " << twin.Draws.Pattern;
                    EXPECT_NE(twin.GivenText.str(), task.GivenText.str()) << where;
                    // The given number is one of the band's own pattern.
                    const CsvRow& p = patterns.at(band["pattern"]);
                    const double given = Number(twin.GivenText.str());
                    EXPECT_EQ(Decimals(twin.GivenText.str()), p.Int("decimals")) << where;
                    EXPECT_GE(given, std::stod(p["min"]) - 1e-9) << where;
                    EXPECT_LE(given, std::stod(p["max"]) + 1e-9) << where;
                    newPair += twin.Draws.Pair != task.Draws.Pair;
                    newPattern += twin.Draws.Pattern != task.Draws.Pattern;
                }
            }
        }
    }
    // The draws are new, not the task's own: most bands are wider than one draw.
    EXPECT_GT(newPair, twins / 2);
    EXPECT_GT(newPattern, twins / 2);
}

TEST(MeasureTwins, DispatcherTwinsStayWithTheGeneratorTheDispatcherChose) {
    SeededRandom engine(11);
    for (const NamedGenerator& g : MeasureGenerators()) {
        if (!g.Name.starts_with("Mix")) continue;
        for (int i = 0; i < 20; ++i) {
            const TTaskRecord task = g.Fn(engine);
            const TTaskRecord twin = MeasureTwin(task, engine);
            EXPECT_TRUE(twin.Draws.Generator.starts_with("Generate")) << g.Name;
            EXPECT_EQ(twin.Draws.Generator, task.Draws.Generator) << g.Name;
            EXPECT_EQ(twin.Draws.Direction, task.Draws.Direction) << g.Name;
            EXPECT_EQ(twin.FromUnit.str(), task.FromUnit.str()) << g.Name;
            EXPECT_EQ(twin.ToUnit.str(), task.ToUnit.str()) << g.Name;
            EXPECT_NE(twin.GivenText.str(), task.GivenText.str()) << g.Name;
        }
    }
}

TEST(DecadicTwins, NumberTasksKeepDirectionAndNumberBand) {
    SeededRandom engine(13);
    for (const char* file : {"decadic/deknum_bands.csv", "decadic/deznum_bands.csv"}) {
        const auto rows = ReadCsv(file);
        for (const CsvRow& row : rows) {
            const auto* g = FindDecadicGenerator(row["generator"]);
            ASSERT_NE(g, nullptr) << row.Where();
            const int direction = row.Int("direction");
            for (const int p : {row.Int("p_from"), row.Int("p_to")}) {
                ScriptedRandom script({direction - 1, p - 1}, &engine);
                const TDekTaskRecord task = g->Generate(script);
                const TDekTaskRecord twin = DekTwin(task, engine);
                EXPECT_EQ(twin.Draws.Generator, row["generator"]) << row.Where();
                EXPECT_EQ(twin.Draws.Direction, direction) << row.Where();
                const auto same = Where(Where(rows, "generator", row["generator"]), "direction",
                                        row["direction"]);
                EXPECT_EQ(RowHolding(same, "p_from", "p_to", twin.Draws.Pair).Line, row.Line)
                    << row.Where() << " twin draw " << twin.Draws.Pair;
                EXPECT_EQ(twin.AnswerIsNotation, task.AnswerIsNotation) << row.Where();
                EXPECT_NE(twin.GivenText.str(), task.GivenText.str()) << row.Where();
            }
        }
    }
}

TEST(DecadicTwins, UnitTasksKeepKindUnitsAndNumberBand) {
    std::map<std::string, int> exponent;
    for (const CsvRow& row : ReadCsv("place_symbols.csv"))
        exponent[row["symbol"]] = row.Int("exponent");
    const auto kind1 = ReadCsv("decadic/kind1_bands.csv");
    const auto distance = ReadCsv("decadic/distance_bands.csv");
    SeededRandom engine(17);
    for (const char* family : {"dekdek", "dezdez"}) {
        const std::string stem = std::string("decadic/") + family;
        const auto levels = ReadCsv(stem + "_levels.csv");
        const auto kinds = ReadCsv(stem + "_kind_bands.csv");
        for (const CsvRow& row : kinds) {
            const auto* g = FindDecadicGenerator(row["generator"]);
            ASSERT_NE(g, nullptr) << row.Where();
            const std::string table =
                Where(levels, "generator", row["generator"]).at(0)["kind1_table"];
            const auto same = Where(kinds, "generator", row["generator"]);
            for (int i = 0; i < 30; ++i) {
                ScriptedRandom script({row.Int(i % 2 == 0 ? "draw_from" : "draw_to") - 1}, &engine);
                const TDekTaskRecord task = g->Generate(script);
                const TDekTaskRecord twin = DekTwin(task, engine);
                const std::string where = row.Where() + " " + task.GivenText.str();
                EXPECT_EQ(twin.Draws.Generator, row["generator"]) << where;
                EXPECT_EQ(RowHolding(same, "draw_from", "draw_to", twin.Draws.Direction).Line,
                          row.Line)
                    << where;
                EXPECT_EQ(twin.FromUnit.str(), task.FromUnit.str()) << where;
                EXPECT_EQ(twin.ToUnit.str(), task.ToUnit.str()) << where;
                EXPECT_NE(twin.GivenText.str(), task.GivenText.str()) << where;
                if (row["kind"] == "3") { // its number comes from its units alone
                    const std::string given = task.GivenText.str();
                    const std::string got = twin.GivenText.str();
                    if (std::string(family) == "dekdek") // the same highest place
                        EXPECT_EQ(HighestPlace(got), HighestPlace(given)) << where;
                    else
                        EXPECT_EQ(twin.DecExact.Decimals, task.DecExact.Decimals) << where;
                    continue;
                }
                const auto bands =
                    row["kind"] == "1"
                        ? Where(kind1, "table", table)
                        : Where(distance, "d",
                                std::to_string(std::abs(exponent.at(task.FromUnit.str()) -
                                                        exponent.at(task.ToUnit.str()))));
                EXPECT_EQ(RowHolding(bands, "p_from", "p_to", twin.Draws.Pattern).Line,
                          RowHolding(bands, "p_from", "p_to", task.Draws.Pattern).Line)
                    << where;
            }
        }
    }
}

} // namespace
} // namespace quarvel
