// Exercise and result codes read from arbitrary text: reading never fails
// other than by a refusal; what is read is codable and writes back to a code
// that reads the same; and every exercise and result made from the input's
// last bytes round-trips.

#include "drill/ExerciseCode.h"

#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarvel;
    fuzz::FuzzInput input(data, size);
    // An exercise and a result from the last bytes.
    Exercise made;
    made.Id = static_cast<Training>(input.TakeByte() % 15);
    made.Level = input.TakeByte() % 7;
    made.Passes = 2 + input.TakeByte() % 10;
    made.Seed = input.TakeByte();
    made.Seed =
        made.Seed << 16 | static_cast<std::uint32_t>(input.TakeByte()) << 8 | input.TakeByte();
    const int halves = input.TakeByte() % 102;
    const int tries = input.TakeByte() % 102;
    if (Codable(made)) {
        const CodeReading<Exercise> back = ReadExerciseCode(ExerciseCode(made));
        QUARVEL_FUZZ_CHECK(back && *back.Value == made);
        const ExerciseResult result{made, halves, tries};
        if (halves <= 10 * made.Passes && tries <= 10 * made.Passes) {
            const CodeReading<ExerciseResult> read = ReadResultCode(ResultCode(result));
            QUARVEL_FUZZ_CHECK(read && *read.Value == result);
        }
    }

    // The rest as typed text.
    const CodeReading<Exercise> exercise = ReadExerciseCode(input.Rest);
    QUARVEL_FUZZ_CHECK(exercise.Value.has_value() == exercise.Refusal.empty());
    if (exercise) {
        QUARVEL_FUZZ_CHECK(Codable(*exercise.Value));
        QUARVEL_FUZZ_CHECK(*ReadExerciseCode(ExerciseCode(*exercise.Value)).Value ==
                           *exercise.Value);
    }
    const CodeReading<ExerciseResult> result = ReadResultCode(input.Rest);
    QUARVEL_FUZZ_CHECK(result.Value.has_value() == result.Refusal.empty());
    if (result) {
        const ExerciseResult& r = *result.Value;
        QUARVEL_FUZZ_CHECK(Codable(r.Task) && r.HalfPoints <= 10 * r.Task.Passes &&
                           r.Tries <= 10 * r.Task.Passes);
        QUARVEL_FUZZ_CHECK(*ReadResultCode(ResultCode(r)).Value == r);
    }
    return 0;
}
