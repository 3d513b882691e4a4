// Shifting keeps the asked decimals plus sixteen zeros and exactly one new
// comma, whatever the text, the decimals and the shift.

#include "decadic/PlaceValue.h"

#include "FuzzInput.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarvel;
    fuzz::FuzzInput input(data, size);
    const int decimals = input.TakeInt();
    const int shift = input.TakeInt();
    const std::string_view text = input.Rest();
    const std::string out = ShiftDecimalDigits(text, decimals, shift);
    const std::size_t comma = text.find(',');
    std::string_view kept = text;
    if (comma != std::string_view::npos) {
        const auto afterComma = text.size() - comma - 1;
        kept = text.substr(
            comma + 1,
            std::min<std::size_t>(static_cast<std::size_t>(std::max(decimals, 0)), afterComma));
    }
    QUARVEL_FUZZ_CHECK(out.size() == kept.size() + 17);
    const std::size_t at =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(shift, 0)), kept.size() + 16);
    QUARVEL_FUZZ_CHECK(out[at] == ',');
    std::string rest = out;
    rest.erase(at, 1);
    QUARVEL_FUZZ_CHECK(rest == std::string(kept) + "0000000000000000");
    return 0;
}
