// Exercise and result codes read from arbitrary text: reading never fails other
// than by a refusal, and what is read is codable and writes back to a code that
// reads the same. (That every exercise and score round-trips is the code test's.)

#include "drill/ExerciseCode.h"

#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarvel;
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    const CodeReading<Exercise> exercise = ReadExerciseCode(typed);
    QUARVEL_FUZZ_CHECK(exercise.Value.has_value() == exercise.Refusal.empty());
    if (exercise) {
        QUARVEL_FUZZ_CHECK(Codable(*exercise.Value));
        QUARVEL_FUZZ_CHECK(ReadExerciseCode(ExerciseCode(*exercise.Value)).Value == exercise.Value);
    }
    const CodeReading<ExerciseResult> result = ReadResultCode(typed);
    QUARVEL_FUZZ_CHECK(result.Value.has_value() == result.Refusal.empty());
    if (result) {
        const ExerciseResult& r = *result.Value;
        QUARVEL_FUZZ_CHECK(Codable(r.Task) && r.HalfPoints <= 10 * r.Task.Passes &&
                           r.Tries <= 10 * r.Task.Passes);
        QUARVEL_FUZZ_CHECK(ReadResultCode(ResultCode(r)).Value == result.Value);
    }
    return 0;
}
