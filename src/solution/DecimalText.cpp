#include "solution/DecimalText.h"

#include "core/AnswerText.h"
#include "generators/Scheme.h"

#include <algorithm>
#include <array>
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

std::string Grouped(std::string_view number) {
    const std::size_t comma = std::min(number.find(','), number.size());
    const std::string_view whole = number.substr(0, comma);
    const std::string_view fraction = number.substr(std::min(comma + 1, number.size()));
    constexpr std::size_t kShortest = 5;
    std::string text;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const bool group = whole.size() >= kShortest && i > 0 && (whole.size() - i) % 3 == 0;
        if (group) text += kDigitGroup;
        text += whole[i];
    }
    if (comma == number.size()) return text;
    text += ',';
    for (std::size_t i = 0; i < fraction.size(); ++i) {
        if (fraction.size() >= kShortest && i > 0 && i % 3 == 0) text += kDigitGroup;
        text += fraction[i];
    }
    return text;
}

std::string Counted(int n, std::string_view one, std::string_view many) {
    static constexpr std::array<std::string_view, 13> kWords = {
        "keine",  "eine", "zwei", "drei", "vier", "fünf", "sechs",
        "sieben", "acht", "neun", "zehn", "elf",  "zwölf"};
    const std::string count = n >= 0 && n < static_cast<int>(kWords.size())
                                  ? std::string(kWords[static_cast<std::size_t>(n)])
                                  : std::to_string(n);
    return count + std::string(kNoBreak) + std::string(n == 1 ? one : many);
}

} // namespace quarvel
