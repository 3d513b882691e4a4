#pragma once
// "So geht's": how the expected answer of a task comes about, worked out from
// the task record alone, as data for drawing and as sentences for the pupil.
// A solution is only given when it leads exactly to the record's answer.

#include "core/TaskRecord.h"
#include "decadic/DekAnswer.h"
#include "decadic/DekTaskSheet.h"
#include "solution/UnitChain.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

// ---- Measure tasks ----------------------------------------------------------------

struct MeasureSolution {
    std::vector<ChainStep> Steps; // FromUnit to ToUnit along the chain
    std::string Factor;           // the product of the step factors: "1000", "0,01"
    std::string Relation;         // "1 km = 1000 m", from the larger unit down the path
    int CommaShift = 0;           // places the comma moves, positive to the right
    bool ZerosFilled = false;     // the shift passed the end of the given digits
    std::string Result;           // the given digits with the comma moved: "3500"
    std::vector<std::string> Sentences;
};

std::optional<MeasureSolution> SolveMeasureTask(const TTaskRecord& record);

// ---- Decadic tasks ----------------------------------------------------------------

// The symbol of a place by its power of ten: 0 "E", 3 "T", 9 "Md", 12 "B",
// -1 "z", -8 "hm"; empty outside -8 .. 14.
std::string_view PlaceSymbol(int exponent);
std::optional<int> PlaceExponent(std::string_view symbol);

// The places of the place-value table a training's chain window shows, as
// exponents: "E" to "HMd" for the decadic trainings, "hm" to "HT" for the
// decimal ones. A solution's table never reaches beyond them.
struct PlaceRange {
    int Lowest = 0;
    int Highest = 0;
};
PlaceRange TablePlaces(DekTraining training);

// A place counted like a unit, as a sentence names it: a decimal place by its
// name ("Hundertstel"), as "h", "t" or "m" alone would read like hours, tonnes
// or metres; a decadic place by its symbol ("HT").
std::string PlaceAsUnit(std::string_view symbol);
// "Von HM nach T", "Von Zehnteln zu Hundertsteln".
std::string FromPlaceToPlace(std::string_view from, std::string_view to);

// One cell of the place-value table: a count under its place. A given notation
// may hold a two-digit count ("73" under "HT"); a numeral one digit per place.
struct PlaceDigit {
    int Exponent = 0;
    std::string Place;
    std::string Count;
    friend bool operator==(const PlaceDigit&, const PlaceDigit&) = default;
};

struct DekSolution {
    // The given text in the table: a numeral digit by digit (its last digit
    // under FromUnit, else under "E"), a notation by its written places only.
    std::vector<PlaceDigit> Given;
    bool NotationGiven = false;
    // The expected answer digit by digit, highest place first, zeros included.
    // Given and Expected are both empty when the number reaches beyond the
    // table's places (a count of a large unit): the sentences do without it.
    std::vector<PlaceDigit> Expected;
    std::string FromUnit; // unit tasks with a numeral given; else empty
    std::string ToUnit;   // unit tasks; else empty
    int CommaShift = 0;   // unit tasks: places from the given unit to the asked one
    std::vector<std::string> Sentences;
};

std::optional<DekSolution> SolveDekTask(const TDekTaskRecord& record, DekTraining training);

} // namespace quarvel
