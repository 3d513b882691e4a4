// Dropping zero places leaves single-blank-separated tokens of the input,
// none starting with "0", and is idempotent.

#include "decadic/PlaceValue.h"

#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarvel;
    const fuzz::FuzzInput input(data, size);
    const std::string_view text = input.Rest();
    const std::string out = DropZeroPlaces(text);
    QUARVEL_FUZZ_CHECK(out.size() <= text.size());
    QUARVEL_FUZZ_CHECK(out.empty() || (out.front() != ' ' && out.back() != ' '));
    QUARVEL_FUZZ_CHECK(out.find("  ") == std::string::npos);
    QUARVEL_FUZZ_CHECK(out.empty() || out.front() != '0');
    QUARVEL_FUZZ_CHECK(out.find(" 0") == std::string::npos);
    QUARVEL_FUZZ_CHECK(DropZeroPlaces(out) == out);
    return 0;
}
