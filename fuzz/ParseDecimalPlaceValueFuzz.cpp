// Any text parses to a well-formed numeral; one with a single integer digit
// reads back from its own notation.

#include "decadic/PlaceValue.h"

#include "FuzzInput.h"

#include <algorithm>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarvel;
    const fuzz::FuzzInput input(data, size);
    const std::string numeral = ParseDecimalPlaceValue(input.Rest());
    QUARVEL_FUZZ_CHECK(!numeral.empty() && numeral.size() <= 28);
    const std::size_t comma = numeral.find(',');
    const std::string whole = numeral.substr(0, comma);
    QUARVEL_FUZZ_CHECK(!whole.empty() && std::all_of(whole.begin(), whole.end(), IsDigit));
    QUARVEL_FUZZ_CHECK(whole == "0" || whole.front() != '0');
    int decimals = 0;
    if (comma != std::string::npos) {
        const std::string frac = numeral.substr(comma + 1);
        QUARVEL_FUZZ_CHECK(!frac.empty() && frac.size() <= 8);
        QUARVEL_FUZZ_CHECK(std::all_of(frac.begin(), frac.end(), IsDigit));
        QUARVEL_FUZZ_CHECK(frac.back() != '0');
        decimals = static_cast<int>(frac.size());
    }
    if (whole.size() == 1) {
        std::string digits = whole + (comma == std::string::npos ? "" : numeral.substr(comma + 1));
        const ExactNumber exact{std::stoll(digits), decimals};
        QUARVEL_FUZZ_CHECK(ParseDecimalPlaceValue(FormatDecimalPlaceValue(exact, 8)) == numeral);
    }
    return 0;
}
