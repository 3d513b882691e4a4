// The decadic and decimal generators against the transcription of their tables
// (tests/data/decadic): entry by entry, then at both edges of every band, judged
// with the notation oracle; then the tasks the edges miss, every draw scripted.
// Last, place-value notation, the operations that make a decadic task harder, the
// keys a decadic field takes and how its answers are judged.
#include "core/AnswerText.h"
#include "decadic/DecadicGenerators.h"
#include "decadic/DekAnswer.h"
#include "decadic/DekDekU.h"
#include "decadic/DekNumU.h"
#include "decadic/DezDezU.h"
#include "decadic/DezNumU.h"
#include "decadic/PlaceValue.h"
#include "drill/Drill.h"
#include "drill/Twin.h"

#include "../TestData.h"
#include "../generators/TestSupport.h"
#include "../solution/Oracle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <tuple>

namespace quarvel {
namespace {

using oracle::Pow10;
using testdata::CsvRow;
using testdata::ReadCsv;

struct DataBand {
    int Lo, Hi;
    std::string Pattern;
    int Decimals = -1; // -1: an integer pattern
    int Zero = 0;      // digits set to zero
    int Enlarge = 0;   // place counts enlarged
    std::string Name() const { return "band " + std::to_string(Lo) + "-" + std::to_string(Hi); }
};
using DataTable = std::vector<DataBand>;

struct DataPattern {
    std::string Min, Max; // with a decimal point
};

using Key = std::pair<std::string, int>; // generator and direction

// The transcription, read once.
struct Data {
    std::map<Key, DataTable> Numbers;
    std::map<Key, std::pair<int, int>> Layouts;       // AnswerLeft and AnswerWidth
    std::map<std::string, CsvRow> Units;              // a row of *_levels.csv
    std::map<std::string, std::vector<CsvRow>> Kinds; // rows of *_kind_bands.csv
    std::map<std::string, DataTable> Kind1;
    std::map<int, DataTable> Distances;
    std::map<std::pair<int, int>, std::string> DekKind3; // (a, b)
    std::map<int, std::string> DezKind3;                 // a
    std::map<std::string, std::vector<int>> DrawRanges;  // the n of the first Random(n) calls
    std::map<std::string, DataPattern> Patterns;
    Data();
};

const Data& TheData() {
    static const Data data;
    return data;
}

Data::Data() {
    for (const std::string file : {"deknum", "deznum"}) {
        for (const CsvRow& r : ReadCsv("decadic/" + file + "_bands.csv"))
            Numbers[{r["generator"], r.Int("direction")}].push_back(
                {r.Int("p_from"), r.Int("p_to"), r["pattern"],
                 file == "deznum" ? r.Int("decimals") : -1, r.Int("zero"), r.Int("enlarge")});
        for (const CsvRow& r : ReadCsv("decadic/" + file + "_layout.csv"))
            Layouts[{r["generator"], r.Int("direction")}] = {r.Int("answer_left"),
                                                             r.Int("answer_width")};
    }
    for (const std::string family : {"dekdek", "dezdez"}) {
        for (const CsvRow& r : ReadCsv("decadic/" + family + "_levels.csv"))
            Units.emplace(r["generator"], r);
        for (const CsvRow& r : ReadCsv("decadic/" + family + "_kind_bands.csv"))
            Kinds[r["generator"]].push_back(r);
    }
    for (const CsvRow& r : ReadCsv("decadic/kind1_bands.csv"))
        Kind1[r["table"]].push_back({r.Int("p_from"), r.Int("p_to"), r["pattern"]});
    for (const CsvRow& r : ReadCsv("decadic/distance_bands.csv"))
        Distances[r.Int("d")].push_back({r.Int("p_from"), r.Int("p_to"), r["pattern"]});
    for (const CsvRow& r : ReadCsv("decadic/dekdek_kind3_patterns.csv"))
        DekKind3[{r.Int("a"), r.Int("b")}] = r["pattern"];
    for (const CsvRow& r : ReadCsv("decadic/dezdez_kind3_patterns.csv"))
        DezKind3[r.Int("a")] = r["pattern"];
    const std::regex random(R"(Random\((\d+)\))");
    for (const CsvRow& r : ReadCsv("decadic/generators.csv")) {
        for (const char* column : {"DirectionDraw", "PairDraw", "PatternDraw"}) {
            std::smatch m;
            if (std::regex_search(r[column], m, random))
                DrawRanges[r["generator"]].push_back(std::stoi(m[1]));
        }
    }
    for (const CsvRow& r : ReadCsv("patterns.csv"))
        Patterns[r["name"]] = {r["min"], r["max"]};
}

int K3(const CsvRow& level) { // 0: no kind 3
    return level["k3"].empty() ? 0 : level.Int("k3");
}

// The digits of a numeral or a pattern bound, without its separator.
std::string Digits(std::string text) {
    std::erase_if(text, [](char c) { return c == ',' || c == '.'; });
    return text;
}

int TrailingZeros(std::int64_t v) {
    int n = 0;
    for (; v != 0 && v % 10 == 0; v /= 10)
        ++n;
    return n;
}

// A numeral the pattern can draw: within its bounds, as many trailing zeros as its
// smallest value (the last significant digit of a pattern is never 0).
bool Fits(const std::string& numeral, const DataPattern& pattern) {
    const std::int64_t v = oracle::NumeralE8(numeral);
    const std::int64_t min = oracle::NumeralE8(pattern.Min);
    return min <= v && v <= oracle::NumeralE8(pattern.Max) &&
           TrailingZeros(v) == TrailingZeros(min);
}

// A band table compared as sorted lines: "1-20 RandDigitE1 zero 0 enlarge 0".
void ExpectTable(const std::string& where, NumberTable table, const DataTable& data) {
    const bool decimals = data.front().Decimals >= 0;
    const auto lines = [decimals](const DataTable& bands) {
        std::vector<std::string> lines;
        for (const DataBand& b : bands)
            lines.push_back(b.Name() + " " + b.Pattern + " zero " + std::to_string(b.Zero) +
                            " enlarge " + std::to_string(b.Enlarge) +
                            (decimals ? " decimals " + std::to_string(b.Decimals) : ""));
        std::sort(lines.begin(), lines.end());
        return lines;
    };
    DataTable program;
    for (const NumberBand& b : table)
        program.push_back({b.Lo, b.Hi, std::string(Info(b.P).Name), Info(b.P).Decimals,
                           b.C == Change::Zero ? b.Count : 0,
                           b.C == Change::Enlarge ? b.Count : 0});
    EXPECT_EQ(lines(program), lines(data)) << where;
}

TEST(DecadicData, TablesEntryByEntry) {
    const Data& data = TheData();
    // Every generator the tables name exists (below), and no other.
    EXPECT_EQ(DecadicGenerators().size(), data.DrawRanges.size());

    for (const auto& [key, bands] : data.Numbers) {
        const auto& [name, direction] = key;
        const NamedDecadicGenerator& gen = *FindDecadicGenerator(name);
        ExpectTable(name + " direction " + std::to_string(direction),
                    gen.Training == DekTraining::DezNum ? DezNumTable(gen.Level, direction)
                                                        : DekNumTable(gen.Level, direction),
                    bands);
    }

    for (const auto& [name, want] : data.Units) {
        const NamedDecadicGenerator& gen = *FindDecadicGenerator(name);
        const UnitLevel& row =
            gen.Training == DekTraining::DekDek ? DekDekLevel(gen.Level) : DezDezLevel(gen.Level);
        EXPECT_EQ(
            (std::vector{row.K, row.MaxDistance, row.K3, row.AnswerLeft, row.AnswerWidth,
                         row.Field().ToUnitLeft, row.KindDrawRange}),
            (std::vector{want.Int("k"), want.Int("max_distance"), K3(want), want.Int("answer_left"),
                         want.Int("answer_width"), want.Int("to_unit_left"),
                         data.Kinds.at(name).back().Int("draw_to")}))
            << name << ": K, maximum distance, K3, AnswerLeft, AnswerWidth, ToUnitLeft, kind draws";
        ExpectTable(name + " kind 1", row.Kind1, data.Kind1.at(want["kind1_table"]));
    }

    for (const auto& [d, bands] : data.Distances)
        ExpectTable("distance " + std::to_string(d), DistanceTable(d), bands);
}

// 0, 1, 2, ... modulo n: repeated position draws never hit one digit twice, so
// a task shows exactly as many zeros and enlarged counts as its band asks.
struct Counting final : RandomSource {
    explicit Counting(int start) : Next(start) {}
    int Random(int n) override {
        if (++Calls > 10000) throw std::runtime_error("drawing without end");
        return Next++ % n;
    }
    int Next, Calls = 0;
};

// Every task: a short answer without leading zero or blank, typed key by key and
// judged right; the first draws in the ranges the transcription names.
void CheckCommon(const ScriptedRandom& rng, const TDekTaskRecord& r,
                 const NamedDecadicGenerator& gen) {
    const std::string& answer = r.AnswerText.str();
    // BoundedText cuts at 40, so a text of 40 would hide a longer one.
    EXPECT_TRUE(!r.GivenText.empty() && r.GivenText.size() < 40U && answer.size() < 40U);
    ASSERT_FALSE(answer.empty());
    EXPECT_TRUE(answer.front() != '0' && answer.front() != ' ');
    EXPECT_EQ(TrimTrailingZeros(answer), answer);
    for (const char c : answer) {
        const auto key = static_cast<char32_t>(static_cast<unsigned char>(c));
        EXPECT_EQ(DekKeyFilter(gen.Training, r.AnswerIsNotation, r.AnswerHasComma, key), key) << c;
    }
    TDekTaskSheet judged;
    judged[1] = r;
    DekAnswerRules rules(judged);
    EXPECT_EQ(Drill(rules).Exit(1, answer).Outcome, ExitResult::Kind::RightFirst);
    const std::vector<int>& ranges = TheData().DrawRanges.at(std::string(gen.Name));
    ASSERT_GE(rng.Calls().size(), ranges.size());
    for (std::size_t i = 0; i < ranges.size(); ++i)
        EXPECT_EQ(rng.Calls()[i].first, ranges[i]) << "draw range " << i;
}

// DekNum and DezNum: the direction shows in which text is notation, the band
// in the numeral's digits, decimals and zeros and in the enlarged counts.
void CheckNumeralTask(const TDekTaskRecord& r, bool decimal, int direction, const DataBand& band,
                      const std::pair<int, int>& layout) {
    const DataPattern& pattern = TheData().Patterns.at(band.Pattern);
    EXPECT_EQ(r.AnswerIsNotation, direction == 2) << "direction";
    EXPECT_EQ(std::pair(FieldOf(r).Left, FieldOf(r).Width), layout) << "AnswerLeft and AnswerWidth";
    const std::string notation = (direction == 1 ? r.GivenText : r.AnswerText).str();
    const std::string numeral = (direction == 1 ? r.AnswerText : r.GivenText).str();
    const auto tokens = oracle::Read(notation, decimal);
    ASSERT_TRUE(tokens && !tokens->empty() && oracle::Descending(*tokens, decimal))
        << "place symbols of '" << notation << "'";
    const auto enlarged = std::count_if(tokens->begin(), tokens->end(),
                                        [](oracle::Token t) { return t.Count >= 10; });
    EXPECT_EQ(enlarged, band.Enlarge) << "enlarge count";
    if (decimal) {
        EXPECT_EQ(r.AnswerHasComma, direction == 1) << "direction";
        EXPECT_EQ(oracle::NumeralE8(numeral), oracle::Value(*tokens, true)) << "value";
        EXPECT_EQ(
            std::tuple(tokens->front().Place, tokens->back().Place, testing::DecimalsOf(numeral)),
            std::tuple(0, band.Decimals, band.Decimals))
            << "units first, decimals";
    } else {
        EXPECT_EQ(numeral, std::to_string(oracle::Value(*tokens, false))) << "value";
        EXPECT_EQ(r.IntValue, oracle::Value(*tokens, false)) << "value";
    }
    const std::string patternDigits = Digits(pattern.Max);
    if (band.Enlarge > 0) { // every place of the number is written
        EXPECT_EQ(tokens->size(), patternDigits.size()) << "number of places";
        return;
    }
    const std::string digits = Digits(numeral);
    EXPECT_EQ(digits.size(), patternDigits.size()) << "number of digits";
    const auto zeros = std::count(digits.begin(), digits.end(), '0');
    // Where the pattern has no digit 0, each zero a task shows was set.
    const bool zeroFree = Digits(pattern.Min + pattern.Max).find('0') == std::string::npos;
    EXPECT_TRUE(zeroFree ? zeros == band.Zero : zeros >= band.Zero) << "zero count";
    EXPECT_TRUE(band.Zero > 0 || Fits(numeral, pattern)) << "pattern " << band.Pattern;
}

bool In(int lo, int draw, int hi) {
    return lo <= draw && draw <= hi;
}

// The twin of a task: the same generator, units and kind of answer, another
// number; the caller checks that its draws stay in the task's bands.
TDekTaskRecord Twin(const TDekTaskRecord& r, int seed) {
    SeededRandom engine(static_cast<std::uint64_t>(seed));
    const auto twin = TwinOf(r, engine);
    if (!twin || !std::holds_alternative<TDekTaskRecord>(*twin))
        throw std::runtime_error("no twin of " + r.GivenText.str());
    const TDekTaskRecord& t = std::get<TDekTaskRecord>(*twin);
    EXPECT_EQ(
        std::tuple(t.Draws.Generator, t.FromUnit.str(), t.ToUnit.str(), t.AnswerIsNotation,
                   t.GivenText.str() != r.GivenText.str()),
        std::tuple(r.Draws.Generator, r.FromUnit.str(), r.ToUnit.str(), r.AnswerIsNotation, true))
        << "twin " << t.GivenText.str();
    return t;
}

TEST(DecadicData, EveryNumberBandAtBothEdgesAndItsTwins) {
    for (const auto& [key, bands] : TheData().Numbers) {
        const auto& [name, direction] = key;
        const NamedDecadicGenerator& gen = *FindDecadicGenerator(name);
        for (const DataBand& band : bands) {
            for (const int p : {band.Lo, band.Hi}) {
                SCOPED_TRACE(name + " direction " + std::to_string(direction) + " " + band.Name() +
                             " p " + std::to_string(p));
                Counting rest(p);
                ScriptedRandom rng({direction - 1, p - 1}, &rest);
                const TDekTaskRecord r = gen.Generate(rng);
                CheckCommon(rng, r, gen);
                CheckNumeralTask(r, gen.Training == DekTraining::DezNum, direction, band,
                                 TheData().Layouts.at(key));
                const TDekTaskRecord t = Twin(r, p);
                EXPECT_TRUE(t.Draws.Direction == direction && In(band.Lo, t.Draws.Pair, band.Hi))
                    << "twin draws " << t.Draws.Direction << " " << t.Draws.Pair;
            }
        }
    }
}

// A unit task as drawn: its kind, its band (none in kind 3) and the unit
// indices a and b in the order drawn (kind 1 leaves them to the random source).
struct UnitTask {
    int Kind, P, Lo, Hi; // Lo..Hi: the band of P
    std::string Pattern;
    int A, B;
    std::string Where;
};

// Decadic units grow with their place, decimal ones shrink. Kind 1 turns a
// count into a smaller unit, kind 2 into a bigger one; kind 3 asks for a
// notation (DekDek: places A down to B + 1) or a decimal below one (DezDez: A
// decimals) in unit B.
void CheckUnitTask(const TDekTaskRecord& r, bool decadic, const CsvRow& level,
                   const UnitTask& task) {
    const AnswerField field = FieldOf(r);
    EXPECT_EQ((std::tuple(field.Left, field.Width, field.ToUnitLeft,
                          r.AnswerIsNotation || r.AnswerHasComma)),
              (std::tuple(level.Int("answer_left"), level.Int("answer_width"),
                          level.Int("to_unit_left"), false)))
        << "AnswerLeft, AnswerWidth, ToUnitLeft, a plain number";
    ASSERT_EQ(r.FromUnit.empty(), task.Kind == 3) << "kind";
    const std::string given = r.GivenText.str();
    ASSERT_EQ(CountCommas(r.AnswerText.str()), 0);
    const std::int64_t answer = std::stoll(r.AnswerText.str());
    const DataPattern& pattern = TheData().Patterns.at(task.Pattern);
    const auto symbol = [decadic](int place) { return oracle::Symbol(place, !decadic); };
    if (task.Kind != 3) {
        const auto from = oracle::PlaceOf(r.FromUnit.str(), !decadic);
        const auto to = oracle::PlaceOf(r.ToUnit.str(), !decadic);
        ASSERT_TRUE(from && to) << "place symbols " << r.FromUnit.str() << ", " << r.ToUnit.str();
        const int shift = decadic ? *from - *to : *to - *from; // > 0: to a smaller unit
        EXPECT_TRUE(Fits(given, pattern)) << "pattern " << task.Pattern << ": " << given;
        EXPECT_EQ(answer * Pow10(-shift), std::stoll(given) * Pow10(shift)) << "answer";
        if (task.Kind == 1) {
            EXPECT_GT(shift, 0) << "kind";
            EXPECT_LE(std::max(*from, *to), level.Int("k")) << "K";
        } else {
            EXPECT_EQ(
                std::pair(r.FromUnit.str(), r.ToUnit.str()),
                std::pair(symbol(decadic ? task.B : task.A), symbol(decadic ? task.A : task.B)))
                << "units: from the smaller to the bigger";
        }
        return;
    }
    EXPECT_EQ(r.ToUnit.str(), symbol(task.B)) << "units";
    // A decimal below one is written with the blank that heads every decimal place.
    ASSERT_TRUE(decadic || given.starts_with(' ')) << given;
    const auto tokens = oracle::Read(decadic ? given : given.substr(1), !decadic);
    ASSERT_TRUE(tokens && !tokens->empty() && oracle::Descending(*tokens, !decadic))
        << "place symbols of '" << given << "'";
    EXPECT_EQ(std::pair(tokens->front().Place, tokens->back().Place),
              decadic ? std::pair(task.A, task.B + 1) : std::pair(1, task.A))
        << "places";
    const std::int64_t value = oracle::Value(*tokens, !decadic); // decimal: in 1e-8
    const std::string numeral =
        decadic ? std::to_string(value) : "0," + std::to_string(value + Pow10(8)).substr(1);
    EXPECT_TRUE(Fits(numeral, pattern)) << "pattern " << task.Pattern;
    EXPECT_EQ(answer * Pow10(decadic ? task.B - 1 : 8 - task.B), value) << "answer";
    EXPECT_TRUE(decadic || static_cast<int>(r.AnswerText.size()) == task.B) << "answer";
}

// The tasks of one kind at both band edges: kind 1 of the level's count table,
// kind 2 from the biggest unit to each distance d by its distance table, kind 3
// for every unit pair.
std::vector<UnitTask> UnitTasks(const CsvRow& level, int kind, bool decadic) {
    const Data& data = TheData();
    std::vector<UnitTask> tasks;
    const auto atEdges = [&tasks](const std::string& table, const DataTable& bands, int k, int a,
                                  int b) {
        for (const DataBand& band : bands)
            for (const int p : {band.Lo, band.Hi})
                tasks.push_back({k, p, band.Lo, band.Hi, band.Pattern, a, b,
                                 table + " " + band.Name() + " p " + std::to_string(p)});
    };
    const int k = level.Int("k"), k3 = K3(level);
    if (kind == 1) atEdges("kind 1", data.Kind1.at(level["kind1_table"]), 1, 0, 0);
    for (int d = 1; kind == 2 && d <= level.Int("max_distance"); ++d)
        atEdges("kind 2 distance " + std::to_string(d), data.Distances.at(d), 2, k, k - d);
    for (int a = 1; kind == 3 && a <= k3; ++a) {
        for (int b = 1; b <= k3; ++b) {
            if (decadic ? a <= b : b <= a) continue;
            tasks.push_back({3, 1, 1, 1, decadic ? data.DekKind3.at({a, b}) : data.DezKind3.at(a),
                             a, b, "kind 3 units " + std::to_string(a) + ", " + std::to_string(b)});
        }
    }
    return tasks;
}

TEST(DecadicData, EveryKindAndBandAtBothEdgesAndItsTwins) {
    for (const auto& [name, level] : TheData().Units) {
        const NamedDecadicGenerator& gen = *FindDecadicGenerator(name);
        const bool decadic = gen.Training == DekTraining::DekDek;
        for (const CsvRow& kinds : TheData().Kinds.at(name)) {
            const int lo = kinds.Int("draw_from"), hi = kinds.Int("draw_to");
            for (const int draw : std::set{lo, hi}) {
                int seed = 0;
                for (const UnitTask& task : UnitTasks(level, kinds.Int("kind"), decadic)) {
                    SCOPED_TRACE(kinds.Where() + " draw " + std::to_string(draw) + " " +
                                 task.Where);
                    SeededRandom rest(static_cast<std::uint64_t>(++seed));
                    ScriptedRandom rng({draw - 1, seed % 100, task.P - 1}, &rest);
                    if (task.Kind != 1) rng.Append({task.A - 1, task.B - 1});
                    const TDekTaskRecord r = gen.Generate(rng);
                    CheckCommon(rng, r, gen);
                    CheckUnitTask(r, decadic, level, task);
                    // A kind 3 twin takes its number from the same units: the same
                    // highest place (DekDek) or number of decimals (DezDez).
                    const TDekTaskRecord t = Twin(r, seed);
                    const auto head = [](const TDekTaskRecord& x) { // "ZT" of "8ZT 2T 1H"
                        const std::string g = x.GivenText.str();
                        const std::size_t at = g.find_first_not_of("0123456789");
                        return g.substr(at, g.find(' ') - at);
                    };
                    EXPECT_TRUE(In(lo, t.Draws.Direction, hi) &&
                                (task.Kind != 3 ? In(task.Lo, t.Draws.Pattern, task.Hi)
                                 : decadic      ? head(t) == head(r)
                                                : t.DecExact.Decimals == r.DecExact.Decimals))
                        << "twin draws " << t.Draws.Direction << " " << t.Draws.Pattern;
                }
            }
        }
    }
}

TEST(DecadicGenerators, WorkedTasks) {
    for (const CsvRow& row : ReadCsv("cases/decadic_tasks.csv")) {
        std::istringstream draws(row["draws"]);
        ScriptedRandom rng({std::istream_iterator<int>(draws), {}});
        const TDekTaskRecord r = FindDecadicGenerator(row["generator"])->Generate(rng);
        const std::string units = r.FromUnit.empty() ? "" : " " + r.FromUnit.str();
        EXPECT_EQ(r.GivenText.str() + units + " -> " +
                      (r.ToUnit.empty() ? "" : r.ToUnit.str() + ": ") + r.AnswerText.str() + " @" +
                      std::to_string(FieldOf(r).Left) + "+" + std::to_string(FieldOf(r).Width),
                  row["task"])
            << row.Where();
        EXPECT_EQ(rng.Remaining(), 0U) << row.Where();
        // An enlarged decimal keeps the number drawn.
        const std::string exact = std::to_string(r.DecExact.Mantissa) + " decimals " +
                                  std::to_string(r.DecExact.Decimals);
        EXPECT_EQ(row["exact"].empty() ? "" : exact, row["exact"]) << row.Where();
    }
}

using enum DekTraining;
using Kind = ExitResult::Kind;

// "3,45" as an exact number.
ExactNumber Exact(const std::string& numeral) {
    const std::size_t comma = numeral.find(',');
    if (comma == std::string::npos) return {std::stoll(numeral), 0};
    return {std::stoll(numeral.substr(0, comma) + numeral.substr(comma + 1)),
            static_cast<int>(numeral.size() - comma - 1)};
}

// The worked examples of the hand-made tables, each through its operation.
TEST(PlaceValue, WorkedExamples) {
    for (const char* file : {"decadic/place_value_examples.csv", "cases/decadic_place_value.csv"})
        for (const CsvRow& row : ReadCsv(file)) {
            const std::string &op = row["operation"], &arg = row["arg1"], &result = row["result"];
            SCOPED_TRACE(row.Where() + " " + op + "('" + arg + "')");
            if (op == "FormatPlaceValue") {
                EXPECT_EQ(FormatPlaceValue(std::stoll(arg)), result);
            } else if (op == "FormatDecimalPlaceValue") {
                EXPECT_EQ(FormatDecimalPlaceValue(Exact(arg), row.Int("arg2")), result);
            } else if (op == "ParsePlaceValue") {
                EXPECT_EQ(ParsePlaceValue(arg), std::stoll(result));
            } else if (op == "ParseDecimalPlaceValue") {
                EXPECT_EQ(ParseDecimalPlaceValue(arg), result);
            } else if (op == "DropZeroPlaces") {
                EXPECT_EQ(DropZeroPlaces(arg), result);
            } else if (op == "NormalizeNotationAnswer") {
                EXPECT_EQ(NormalizeNotationAnswer(arg, row["arg2"] == "true"), result);
            } else if (op == "ShiftDecimalDigits") {
                EXPECT_EQ(ShiftDecimalDigits(arg, row.Int("arg2"), row.Int("arg3")), result);
            } else if (op == "EnlargePlaceCounts") {
                // Scripted: the ordinals of the result's two-digit counts, then their leading
                // digits.
                const auto tokens = oracle::Read(result, false);
                ASSERT_TRUE(tokens);
                std::vector<int> ordinals, leads;
                for (std::size_t i = 0; i < tokens->size(); ++i)
                    if ((*tokens)[i].Count >= 10)
                        ordinals.push_back(static_cast<int>(i)),
                            leads.push_back((*tokens)[i].Count / 10 - 1);
                ordinals.insert(ordinals.end(), leads.begin(), leads.end());
                ScriptedRandom rng(ordinals);
                std::int64_t value = std::stoll(arg);
                EXPECT_EQ(EnlargePlaceCounts(value, row.Int("arg2"), rng), result);
                EXPECT_EQ(value, oracle::Value(*tokens, false));
            } else {
                ADD_FAILURE() << "no check for " << op;
            }
        }
    EXPECT_EQ(ParseDecimalPlaceValue(std::string(1000, '9') + "z"), "99999999999999999,9");
}

// A place drawn twice is drawn anew; each operation takes its draws and no more.
TEST(PlaceValue, APlaceDrawnTwiceIsDrawnAnew) {
    ScriptedRandom rng({2, 2, 0, 8, 6}); // ordinal 3, 3 again, 1; digits from ordinal 1
    std::int64_t value = 12'345'678;
    EXPECT_EQ(EnlargePlaceCounts(value, 2, rng), "91ZM 2M 73HT 4ZT 5T 6H 7Z 8E");
    EXPECT_EQ(value, 919'345'678);
    rng.Append({0, 0, 1}); // in 105 position 2 holds 0 and is drawn anew
    EXPECT_EQ(ZeroRandomDigits(1, 105, rng), 100);
    rng.Append({0, 2}); // a decimal keeps its first and last digit
    EXPECT_EQ(ZeroRandomDecimalDigits(2, 4, {12345, 4}, rng), (ExactNumber{10305, 4}));
    EXPECT_EQ(rng.Remaining(), 0U);
}

// What a field of this kind makes of every key of a keyboard row ("?" for a
// key that passes as a character beyond ASCII).
std::string Filtered(DekTraining training, bool notation, bool comma) {
    std::string out;
    for (const char32_t key : U"0123456789 ,.-+EZHTMDdezhtmxyä\u20ac\b\r\t") {
        const std::optional<char32_t> k = DekKeyFilter(training, notation, comma, key);
        if (k) out += *k < 0x80 ? static_cast<char>(*k) : '?';
    }
    return out;
}

TEST(DekKeyFilter, EachFieldTakesTheKeysOfItsAnswer) {
    // Notation: upper-case place letters ("Md" typed m, d) or lower-case decimal ones, and E.
    EXPECT_EQ(Filtered(DekNum, true, false), "0123456789 EZHTMdEZHTM\b\r");
    EXPECT_EQ(Filtered(DezNum, true, false), "0123456789 EzhtmEzhtm\b\r");
    // Numerals: the blank only in DekNum, the comma only where DezNum expects one.
    EXPECT_EQ(Filtered(DekNum, false, false), "0123456789 \b\r");
    EXPECT_EQ(Filtered(DezNum, false, true), "0123456789 ,\b\r");
    EXPECT_EQ(Filtered(DekDek, false, true) + Filtered(DezDez, false, true),
              "0123456789\b\r0123456789\b\r");
}

// Each answer judged as the window judges it: the drill with the decadic rules.
TEST(DekAnswerRules, JudgedThroughTheDrill) {
    const std::map<std::string, Kind, std::less<>> outcomes = {
        {"RightFirst", Kind::RightFirst},
        {"WrongFirst", Kind::WrongFirst},
        {"Nothing", Kind::Nothing},
        {"TooManyCommas", Kind::TooManyCommas}};
    for (const CsvRow& row : ReadCsv("cases/decadic_answers.csv")) {
        TDekTaskSheet sheet;
        TDekTaskRecord& r = sheet[1];
        r.AnswerText = row["expected"], r.AnswerIsNotation = row["notation"] == "yes";
        r.AnswerHasComma = !r.AnswerIsNotation;
        DekAnswerRules rules(sheet);
        EXPECT_EQ(Drill(rules).Exit(1, row["typed"]).Outcome, outcomes.at(row["outcome"]))
            << row.Where();
    }
}

} // namespace
} // namespace quarvel
