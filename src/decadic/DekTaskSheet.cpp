#include "decadic/DekTaskSheet.h"

namespace quarvel {

void ClearDekTaskRecords(TDekTaskSheet& sheet) {
    for (TDekTaskRecord& r : sheet) {
        r.IntValue = 0;
        r.DecValue = 0.0F;
        r.DecExact = {};
        r.GivenText.clear();
        r.AnswerText.clear();
        r.AnswerIsNotation = false;
        r.Active = false;
        r.Solved = false;
        r.AnswerHasComma = false;
    }
}

} // namespace quarvel
