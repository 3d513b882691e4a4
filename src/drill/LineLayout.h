#pragma once
// Where the parts of a task line go across the sheet. Every line draws its
// given text at x = 120; the answer field (and the answer drawn in its place
// once the task is closed) and the unit after it have their places from the
// generator. A given text too long for the room before the field pushes what
// follows it to the right, so that nothing the pupil must read lies under the
// field.

namespace quarvel {

inline constexpr int kGivenLeft = 120;  // x of every given text
inline constexpr int kTextGap = 10;     // the least room between two things on a line
inline constexpr int kMarkColumn = 900; // x of the first try mark

struct LinePlaces {
    int AnswerLeft = 0;      // the answer field and the drawn answer
    int ToUnitLeft = 0;      // the unit after the field
    int AnswerRoomRight = 0; // the drawn answer ends before this: the unit, or the try marks
};

// The places of a line whose given text is `givenWidth` pixels wide, from
// those the generator wrote. A text that ends kTextGap before the field keeps
// them; a longer one moves field, answer and unit right by its overflow.
LinePlaces PlaceTaskLine(int givenWidth, int answerLeft, int toUnitLeft, bool hasUnit);

} // namespace quarvel
