// The formatters and the operations that make tasks harder, on arbitrary
// numbers, decimals and counts: bounded texts, values that agree with their
// texts, digit counts that stay.

#include "decadic/PlaceValue.h"

#include "FuzzInput.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarvel;
    fuzz::FuzzInput input(data, size);
    const std::int64_t value = input.TakeInt64();
    const int count = input.TakeInt();
    const int decimals = input.TakeInt();
    const int pointShift = input.TakeInt();
    const auto seed = static_cast<std::uint64_t>(input.TakeInt64());
    SeededRandom rng(seed);

    const std::string text = FormatPlaceValue(value);
    QUARVEL_FUZZ_CHECK(text.size() <= 34);

    std::int64_t enlarged = value;
    const std::string more = EnlargePlaceCounts(enlarged, count, rng);
    QUARVEL_FUZZ_CHECK(more.size() <= text.size() + 3);
    QUARVEL_FUZZ_CHECK(ParsePlaceValue(more) == enlarged);

    const std::int64_t zeroed = ZeroRandomDigits(count, value, rng);
    const std::string digits = std::to_string(value);
    QUARVEL_FUZZ_CHECK(std::to_string(zeroed).size() == digits.size());
    QUARVEL_FUZZ_CHECK((zeroed < 0) == (value < 0));

    const ExactNumber exact{value, pointShift};
    const std::string notation = FormatDecimalPlaceValue(exact, decimals);
    QUARVEL_FUZZ_CHECK(notation.size() <= 36);
    const std::string enlargedNotation = EnlargeDecimalPlaceCounts(exact, decimals, count, rng);
    QUARVEL_FUZZ_CHECK(enlargedNotation.size() <= notation.size() + 3);
    ParseDecimalPlaceValue(enlargedNotation);

    const ExactNumber thinned = ZeroRandomDecimalDigits(count, decimals, exact, rng);
    QUARVEL_FUZZ_CHECK(thinned == exact || thinned.Decimals == std::clamp(decimals, 0, 8));

    return 0;
}
