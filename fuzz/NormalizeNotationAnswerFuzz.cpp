// Normalising keeps every non-blank character in order, leaves single blanks
// only between characters, separates digits when asked, and is idempotent.

#include "decadic/PlaceValue.h"

#include "FuzzInput.h"

#include <algorithm>

namespace {

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return c != ' '; });
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarvel;
    fuzz::FuzzInput input(data, size);
    const bool spaceBeforeDigits = (input.TakeByte() & 1) != 0;
    const std::string_view text = input.Rest();
    const std::string out = NormalizeNotationAnswer(text, spaceBeforeDigits);
    QUARVEL_FUZZ_CHECK(WithoutBlanks(out) == WithoutBlanks(text));
    QUARVEL_FUZZ_CHECK(out.empty() || (out.front() != ' ' && out.back() != ' '));
    QUARVEL_FUZZ_CHECK(out.find("  ") == std::string::npos);
    if (spaceBeforeDigits) {
        for (std::size_t i = 1; i < out.size(); ++i) {
            if (out[i] >= '0' && out[i] <= '9') QUARVEL_FUZZ_CHECK(out[i - 1] == ' ');
        }
    }
    QUARVEL_FUZZ_CHECK(NormalizeNotationAnswer(out, spaceBeforeDigits) == out);
    return 0;
}
