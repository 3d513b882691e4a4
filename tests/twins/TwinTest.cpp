// A twin keeps generator, direction, units and the bands of its draws (tests/data's tables).
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

// The line of the row of `rows` whose range holds `draw`.
int LineHolding(const std::vector<CsvRow>& rows, const char* lo, const char* hi, int draw) {
    for (const CsvRow& row : rows)
        if (row.Int(lo) <= draw && draw <= row.Int(hi)) return row.Line;
    throw std::runtime_error("no row holds " + std::to_string(draw));
}

std::vector<CsvRow> Where(const std::vector<CsvRow>& rows, const char* column,
                          const std::string& value) {
    std::vector<CsvRow> kept;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(kept),
                 [&](const CsvRow& row) { return row[column] == value; });
    return kept;
}

template <class Task> Task TwinFor(const Task& task, RandomSource& rng) {
    const auto twin = TwinOf(task, rng);
    if (!twin || !std::holds_alternative<Task>(*twin))
        throw std::runtime_error("no twin of " + task.GivenText.str());
    return std::get<Task>(*twin);
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
                if (table == "none") // the other division table of the same factor
                    for (const CsvRow& other : Where(pairs, "generator", name))
                        if (other["factor"] == pair["factor"] && other["dtable"] != "none")
                            table = other["dtable"];
                for (const CsvRow& band : Where(Where(bands, "generator", name), "table", table)) {
                    const std::string where =
                        pair.Where() + " direction " + std::to_string(direction) + band.Where();
                    ScriptedRandom script({direction - 1, pair.Int("lo") - 1, band.Int("lo") - 1},
                                          &engine);
                    const TTaskRecord task = std::get<TTaskRecord>(AnyTask(generate(script)));
                    const TTaskRecord twin = TwinFor(task, engine);
                    const std::string given = twin.GivenText.str();
                    EXPECT_EQ(std::tuple(twin.Draws.Generator, twin.Draws.Direction,
                                         twin.FromUnit.str(), twin.ToUnit.str()),
                              std::tuple(name, direction, pair[direction == 1 ? "from" : "to"],
                                         pair[direction == 1 ? "to" : "from"]))
                        << where;
                    EXPECT_TRUE(pair.Int("lo") <= twin.Draws.Pair &&
                                twin.Draws.Pair <= pair.Int("hi") &&
                                band.Int("lo") <= twin.Draws.Pattern &&
                                twin.Draws.Pattern <= band.Int("hi"))
                        << where << " draws " << twin.Draws.Pair << " " << twin.Draws.Pattern;
                    EXPECT_NE(given, task.GivenText.str()) << where;
                    // The given number is one of the band's own pattern.
                    const CsvRow& p = patterns.at(band["pattern"]);
                    const std::size_t comma = given.find(',');
                    EXPECT_EQ(comma == std::string::npos ? 0 : int(given.size() - comma - 1),
                              p.Int("decimals"))
                        << where;
                    std::string dotted = given;
                    std::replace(dotted.begin(), dotted.end(), ',', '.');
                    EXPECT_GE(std::stod(dotted), std::stod(p["min"]) - 1e-9) << where;
                    EXPECT_LE(std::stod(dotted), std::stod(p["max"]) + 1e-9) << where;
                    ++twins;
                    newPair += twin.Draws.Pair != task.Draws.Pair;
                    newPattern += twin.Draws.Pattern != task.Draws.Pattern;
                }
            }
        }
    }
    // Drawn anew, not copied: most bands are wider than one draw.
    EXPECT_GT(newPair, twins / 2);
    EXPECT_GT(newPattern, twins / 2);
}

TEST(MeasureTwins, DispatcherTwinsStayWithTheGeneratorTheDispatcherChose) {
    SeededRandom engine(11);
    const auto kept = [](const TTaskRecord& t) {
        return std::tuple(t.Draws.Generator, t.Draws.Direction, t.FromUnit.str(), t.ToUnit.str());
    };
    for (const NamedGenerator& g : MeasureGenerators())
        for (int i = 0; i < 20 && g.Name.starts_with("Mix"); ++i) {
            const TTaskRecord task = g.Fn(engine), twin = TwinFor(task, engine);
            EXPECT_TRUE(twin.Draws.Generator.starts_with("Generate")) << g.Name;
            EXPECT_EQ(kept(twin), kept(task)) << g.Name;
            EXPECT_NE(twin.GivenText.str(), task.GivenText.str()) << g.Name;
        }
}

TEST(DecadicTwins, NumberTasksKeepDirectionAndNumberBand) {
    SeededRandom engine(13);
    for (const char* file : {"decadic/deknum_bands.csv", "decadic/deznum_bands.csv"}) {
        const auto rows = ReadCsv(file);
        for (const CsvRow& row : rows) {
            const auto* g = FindDecadicGenerator(row["generator"]);
            ASSERT_NE(g, nullptr) << row.Where();
            const auto same =
                Where(Where(rows, "generator", row["generator"]), "direction", row["direction"]);
            for (const int p : {row.Int("p_from"), row.Int("p_to")}) {
                ScriptedRandom script({row.Int("direction") - 1, p - 1}, &engine);
                const TDekTaskRecord task = g->Generate(script);
                const TDekTaskRecord twin = TwinFor(task, engine);
                EXPECT_EQ(std::tuple(twin.Draws.Generator, twin.Draws.Direction,
                                     twin.AnswerIsNotation,
                                     LineHolding(same, "p_from", "p_to", twin.Draws.Pair)),
                          std::tuple(row["generator"], row.Int("direction"), task.AnswerIsNotation,
                                     row.Line))
                    << row.Where() << " twin draw " << twin.Draws.Pair;
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
    // The symbol of the first token of a notation: "ZT" of "8ZT 2T 1H".
    const auto highestPlace = [](const std::string& notation) {
        const std::string first = notation.substr(0, notation.find(' '));
        return first.substr(first.find_first_not_of("0123456789"));
    };
    SeededRandom engine(17);
    for (const std::string family : {"dekdek", "dezdez"}) {
        const auto levels = ReadCsv("decadic/" + family + "_levels.csv");
        const auto kinds = ReadCsv("decadic/" + family + "_kind_bands.csv");
        for (const CsvRow& row : kinds) {
            const auto* g = FindDecadicGenerator(row["generator"]);
            ASSERT_NE(g, nullptr) << row.Where();
            const std::string table =
                Where(levels, "generator", row["generator"]).at(0)["kind1_table"];
            const auto same = Where(kinds, "generator", row["generator"]);
            for (int i = 0; i < 30; ++i) {
                ScriptedRandom script({row.Int(i % 2 == 0 ? "draw_from" : "draw_to") - 1}, &engine);
                const TDekTaskRecord task = g->Generate(script);
                const TDekTaskRecord twin = TwinFor(task, engine);
                const std::string given = task.GivenText.str(), got = twin.GivenText.str();
                const std::string where = row.Where() + " " + given;
                EXPECT_EQ(
                    std::tuple(twin.Draws.Generator, twin.FromUnit.str(), twin.ToUnit.str(),
                               LineHolding(same, "draw_from", "draw_to", twin.Draws.Direction)),
                    std::tuple(row["generator"], task.FromUnit.str(), task.ToUnit.str(), row.Line))
                    << where;
                EXPECT_NE(got, given) << where;
                if (row["kind"] == "3") { // its number comes from its units alone
                    if (family == "dekdek")
                        EXPECT_EQ(highestPlace(got), highestPlace(given)) << where;
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
                EXPECT_EQ(LineHolding(bands, "p_from", "p_to", twin.Draws.Pattern),
                          LineHolding(bands, "p_from", "p_to", task.Draws.Pattern))
                    << where;
            }
        }
    }
}

} // namespace
} // namespace quarvel
