// Any text parses to a value in range; a value the notation can write reads
// back from its own text.

#include "decadic/PlaceValue.h"

#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarvel;
    const fuzz::FuzzInput input(data, size);
    const std::int64_t value = ParsePlaceValue(input.Rest());
    QUARVEL_FUZZ_CHECK(value >= 0);
    const std::string text = FormatPlaceValue(value);
    QUARVEL_FUZZ_CHECK(text.size() <= 34);
    if (value <= kMaxPlaceValue) QUARVEL_FUZZ_CHECK(ParsePlaceValue(text) == value);
    return 0;
}
