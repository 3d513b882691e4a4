#include "drill/TaskSheet.h"

namespace quarvel {

void ClearTaskRecords(TTaskSheet& sheet) {
    for (TTaskRecord& r : sheet) {
        r.FromUnit.clear();
        r.ToUnit.clear();
        r.AnswerText.clear();
        r.GivenDecimals = 0;
        r.AnswerDecimals = 0;
        r.GivenValue = 0.0;
        r.AnswerValue = 0.0;
        r.Active = false;
        r.Solved = false;
    }
}

} // namespace quarvel
