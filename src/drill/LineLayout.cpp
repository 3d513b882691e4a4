#include "drill/LineLayout.h"

#include <algorithm>

namespace quarvel {

LinePlaces PlaceTaskLine(int givenWidth, int answerLeft, int toUnitLeft, bool hasUnit) {
    const int shift = std::max(0, kGivenLeft + givenWidth + kTextGap - answerLeft);
    LinePlaces places{answerLeft + shift, toUnitLeft + shift, 0};
    places.AnswerRoomRight = (hasUnit ? places.ToUnitLeft : kMarkColumn) - kTextGap;
    return places;
}

} // namespace quarvel
