#pragma once
// "Übungscode": one exercise for a whole class in eight characters, and the
// result code a pupil reads at its end.
//
// An exercise code fixes the training, the level, the number of passes and a
// 24-bit seed; every machine draws the same tasks from it, pass by pass. It is
// written with 31 characters that cannot be mistaken for each other (no 0, 1,
// I, L, O) as two groups of four, "K7QX-93PF": seven characters of payload and
// a check character that refuses any single mistyped character and any swap
// of two neighbours.
//
// A result code carries the exercise, the points (in halves) and the tries,
// with a keyed check over all of them and a check character. The keyed check
// makes a code that was typed wrong or edited by hand fail; it is no security
// against a determined cheat, who can read the key out of this program.
//
// Nothing here is stored or sent anywhere.

#include "core/Selection.h"
#include "drill/Training.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarvel {

// The characters of both codes, in the order of their values 0..30.
inline constexpr std::string_view kCodeAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
inline constexpr std::uint32_t kExerciseSeeds = 1U << 24; // seeds are 0 .. 2^24 - 1

struct Exercise {
    Training Id = Training::Laenge;
    int Level = 1;
    int Passes = 3; // 3..10
    std::uint32_t Seed = 0;

    bool operator==(const Exercise&) const = default;
};

// What a pupil reached in an exercise: points in halves (0 .. 10 x passes)
// and tries (0 .. 10 x passes).
struct ExerciseResult {
    Exercise Task;
    int HalfPoints = 0;
    int Tries = 0;

    bool operator==(const ExerciseResult&) const = default;
};

// A code read from what someone typed: the value, or why it was refused, in
// German, for the pupil or the teacher to read.
template <typename T> struct CodeReading {
    std::optional<T> Value;
    std::string Refusal;

    explicit operator bool() const { return Value.has_value(); }
};

// Whether the exercise can be coded: a level its training has, 3 to 10
// passes, a seed below 2^24.
bool Codable(const Exercise& exercise);

// "K7QX-93PF". Throws std::invalid_argument for an exercise that is not
// Codable.
std::string ExerciseCode(const Exercise& exercise);

// Reads an exercise code: upper or lower case, blanks and dashes anywhere.
CodeReading<Exercise> ReadExerciseCode(std::string_view text);

// "XXXXX-XXXXX-XXXXX". Throws std::invalid_argument for an exercise that is
// not Codable or figures outside 0 .. 10 x passes.
std::string ResultCode(const ExerciseResult& result);

// Reads a result code as ReadExerciseCode reads an exercise code.
CodeReading<ExerciseResult> ReadResultCode(std::string_view text);

// The refusals that are not about single characters or the length.
inline constexpr std::string_view kCodeMistyped =
    "Der Code ist nicht gültig – bitte Zeichen für Zeichen prüfen.";
inline constexpr std::string_view kResultNotGenuine = "Dieser Ergebniscode ist nicht echt.";

// The seed of the PortableRandom that draws the exercise's tasks.
std::uint64_t EngineSeed(const Exercise& exercise);

// A fresh seed for a new exercise, 0 .. 2^24 - 1.
std::uint32_t FreshExerciseSeed();

// `base` with the exercise chosen as the start menu would choose it: every
// level cleared, then the training's area or combination unfolded, its level
// set, and the passes.
SelectionState ExerciseSelection(const Exercise& exercise, SelectionState base = {});

} // namespace quarvel
