#include "solution/DecimalText.h"

#include "drill/AnswerCheck.h"
#include "generators/Scheme.h"

#include <algorithm>
#include <limits>

namespace quarvel {

std::optional<ExactNumber> ReadDecimal(std::string_view text) {
    ExactNumber value;
    bool comma = false;
    bool digit = false;
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 10;
    for (const char c : text) {
        if (c == ',' && !comma) {
            comma = true;
        } else if (c >= '0' && c <= '9') {
            if (value.Mantissa > kLimit) return std::nullopt;
            value.Mantissa = 10 * value.Mantissa + (c - '0');
            value.Decimals += comma ? 1 : 0;
            digit = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    return value;
}

std::string ShiftedDecimal(const ExactNumber& value, int places) {
    // WriteDecimal moves the digits as text, so no shift can overflow; the
    // zeros are trimmed here, as TrimTrailingZeros would cut a long text.
    std::string text = WriteDecimal(value, places, std::max(value.Decimals - places, 0));
    if (text.find(',') == std::string::npos) return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == ',') text.pop_back();
    return text;
}

std::string PowerOfTen(int exponent) {
    return ShiftedDecimal(ExactNumber{1, 0}, exponent);
}

std::string TrimmedTyped(std::string_view typed) {
    return TrimLeadingZeros(TrimTrailingZeros(typed));
}

} // namespace quarvel
