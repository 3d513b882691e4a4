#pragma once
// The data behind the decadic and decimal generators: number tables over a
// draw 1..100, and the level rows of the unit-to-unit trainings.

#include "core/TaskRecord.h"
#include "generators/GlobalU.h"

#include <span>
#include <string_view>

namespace quarvel {

// What happens to a drawn number before it is written: nothing, some digits
// set to zero, or some place counts enlarged to two digits.
enum class Change { None, Zero, Enlarge };

// Draw lo..hi takes pattern P, changed by C with Count.
struct NumberBand {
    int Lo;
    int Hi;
    Pattern P;
    Change C = Change::None;
    int Count = 0;
};
using NumberTable = std::span<const NumberBand>;

// The band holding `draw`; the tables cover 1..100, so a draw outside is a
// programming error (std::out_of_range).
const NumberBand& FindBand(NumberTable table, int draw);

// One level of the unit-to-unit trainings (DekDek, DezDez).
struct UnitLevel {
    int KindDrawRange; // the kind is drawn as Random(KindDrawRange)+1
    int Kind1Hi;       // draws 1..Kind1Hi are kind 1
    int Kind2Hi;       // Kind1Hi+1..Kind2Hi kind 2, the rest kind 3
    int K;             // unit indices 1..K in kinds 1 and 2
    int MaxDistance;   // kind 2: the largest distance between the units
    int K3;            // kind 3: unit indices 1..K3 (0 on levels without kind 3)
    NumberTable Kind1; // the numbers of kind 1
    int AnswerLeft;
    int AnswerWidth;

    int KindOf(int draw) const { return draw <= Kind1Hi ? 1 : draw <= Kind2Hi ? 2 : 3; }
    AnswerField Field() const {
        return {AnswerLeft, AnswerWidth, UnitColumnAfter(AnswerLeft, AnswerWidth)};
    }
};

// Column offset and width of the answer field per direction (DekNum, DezNum).
// The unit column stays where it is: these tasks ask for no unit.
struct DirectionLayout {
    int Left1;
    int Width1;
    int Left2;
    int Width2;

    AnswerField Field(int direction) const {
        AnswerField field;
        field.Left = direction == 1 ? Left1 : Left2;
        field.Width = direction == 1 ? Width1 : Width2;
        return field;
    }
};

std::int64_t PowerOfTen(int exponent);

} // namespace quarvel
