#pragma once
// The common scheme of the measure task generators. Every generator is data: a
// pair table over PairDraw 1..100 whose rows name a unit pair, a factor and the
// pattern tables for both directions. One engine runs that data.

#include "core/Random.h"
#include "core/TaskRecord.h"
#include "generators/GlobalU.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quarvel {

// PatternDraw lo..hi selects Pattern. AnswerDecimals >= 0 is a band's note that
// sets the answer's decimals; -1 leaves them to the rule.
struct PatternBand {
    int Lo;
    int Hi;
    Pattern P;
    int AnswerDecimals = -1;
};
using PatternTable = std::span<const PatternBand>;

// PairDraw lo..hi: direction 1 converts From -> To (multiply by 10^FactorExponent),
// direction 2 To -> From (divide). M serves direction 1, D direction 2.
struct PairBand {
    int Lo;
    int Hi;
    std::string_view From; // the larger (or equally large) unit
    std::string_view To;
    int FactorExponent;
    PatternTable M;
    PatternTable D;
};

enum class GivenRounding {
    None,            // the answer comes from the pattern's value as it is
    Direction1,      // direction 1 reads the given value back from its text first
    Direction1Large, // the same, only for factors of 1000 and more
};

struct GeneratorTable {
    std::string_view Name; // "GenerateLaenge3"
    std::span<const PairBand> Pairs;
    int AnswerWidth = 170;   // ToUnitLeft = AnswerLeft + AnswerWidth + 30
    bool TrimAnswer = false; // pass AnswerText through TrimTrailingZeros
    GivenRounding Rounding = GivenRounding::None;
};

constexpr int kAnswerLeft = 400;

// value x 10^shift in fixed-point notation with exactly `places` decimals:
// decimal comma, no thousands separator, every integer digit, "0" before the
// comma below 1. Works on the digits, so no value is ever rounded through a
// float; digits beyond `places` are rounded half up (the generators always
// ask for enough places, so this never happens there).
std::string WriteDecimal(const ExactNumber& value, int shift, int places);

// The answer's decimals as the generators derive them from the pattern alone:
// direction 1 multiplies by 10^k, direction 2 divides.
int RuleAnswerDecimals(Pattern pattern, int factorExponent, int direction);

// The band of a pair, pattern or dispatcher table holding `draw`; throws
// std::logic_error for a table with a gap.
template <typename Band> const Band& FindBand(std::span<const Band> bands, int draw) {
    const auto it = std::find_if(bands.begin(), bands.end(),
                                 [draw](const Band& b) { return b.Lo <= draw && draw <= b.Hi; });
    if (it == bands.end()) {
        throw std::logic_error("band table has no band for draw " + std::to_string(draw));
    }
    return *it;
}

// A task from a generator's tables: draws DirectionDraw, PairDraw and
// PatternDraw (in that order), then the pattern's own digits.
TTaskRecord RunGenerator(const GeneratorTable& table, RandomSource& rng);

// Where the answer field of a task of `table` stands.
AnswerField FieldOf(const GeneratorTable& table);

// A generator or dispatcher: a task drawn from `rng`, nothing else read or
// written.
using GeneratorFn = TTaskRecord (*)(RandomSource&);

// The tables of one kind of unit, levels in order (LaengeTables, ...).
using KindTables = std::span<const GeneratorTable> (*)();

// The generator of one level of a kind as a plain function: the generators'
// names (GenerateLaenge1 ...) are constants bound to it and need no body.
template <KindTables Kind, int Level> TTaskRecord RunLevel(RandomSource& rng) {
    return RunGenerator(Kind()[Level - 1], rng);
}

} // namespace quarvel
