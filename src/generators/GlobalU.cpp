#include "generators/GlobalU.h"

#include <array>
#include <stdexcept>

namespace quarvel {

namespace {

constexpr std::array kInfos = {
#define QUARVEL_PATTERN_INFO(name, decimals, exponent)                                             \
    PatternInfo{Pattern::name, #name, decimals, exponent},
    QUARVEL_PATTERNS(QUARVEL_PATTERN_INFO)
#undef QUARVEL_PATTERN_INFO
};

constexpr std::size_t Slot(Pattern p) {
    return static_cast<std::size_t>(p);
}

constexpr std::int64_t Pow10(int k) {
    std::int64_t result = 1;
    for (int i = 0; i < k; ++i)
        result *= 10;
    return result;
}

long double Pow10L(int k) {
    long double result = 1.0L;
    for (int i = 0; i < k; ++i)
        result *= 10.0L;
    return result;
}

constexpr std::optional<Pattern> FindByName(std::string_view name) {
    for (const PatternInfo& info : kInfos) {
        if (info.Name == name) return info.Id;
    }
    return std::nullopt;
}

// The pattern whose digits a derived pattern takes: the base of a scaled
// pattern ("RandTwoDigitE3" -> RandTwoDigit), the integer pattern behind a
// decimal one. Composite patterns with a rule of their own map to themselves.
constexpr Pattern SourceOf(const PatternInfo& info) {
    using enum Pattern;
    if (info.Exponent > 0) return *FindByName(info.Name.substr(0, info.Name.size() - 2));
    switch (info.Id) {
    case RandDec0p1:
        return RandDigit;
    case RandDec0p2:
        return RandTwoDigit;
    case RandDec0p3:
        return RandThreeDigit;
    case RandDec0p4:
        return RandFourDigit;
    case RandDec0p5:
        return RandFiveDigit;
    case RandDec0p6:
        return RandSixDigit;
    case RandDec0p7:
        return RandSevenDigit;
    case RandDec1p1:
        return RandTwoDigit;
    case RandDec1p2:
        return RandThreeDigit;
    case RandDec1p3:
        return RandFourDigit;
    case RandDec1p4:
        return RandFiveDigit;
    case RandDec1p5:
        return RandSixDigit;
    case RandDec2p1:
        return RandThreeDigit;
    case RandDec2p2:
        return RandFourDigit;
    case RandDec2p3:
        return RandFiveDigit;
    case RandDec2p4:
        return RandSixDigit;
    case RandDec2p5:
        return RandSevenDigit;
    case RandDec3p1:
        return RandFourDigit;
    case RandDec3p2:
        return RandFiveDigit;
    case RandDec3p3:
        return RandSixDigit;
    case RandHundredth:
    case RandThousandth:
    case RandTenThousandth:
    case RandHundredThousandth:
        return RandDigit;
    case RandDec1p3NoZero:
        return RandFourDigitNoZero;
    case RandDec1p4NoZero:
        return RandFiveDigitNoZero;
    case RandDec1p5NoZero:
        return RandSixDigitNoZero;
    case RandDec1p6NoZero:
        return RandSevenDigitNoZero;
    case RandDec1p7NoZero:
        return RandEightDigitNoZero;
    case RandDec1p8NoZero:
        return RandNineDigitNoZero;
    default:
        return info.Id;
    }
}

constexpr auto kSources = [] {
    std::array<Pattern, kInfos.size()> sources{};
    for (std::size_t i = 0; i < kInfos.size(); ++i)
        sources[i] = SourceOf(kInfos[i]);
    return sources;
}();

std::int64_t Digit(RandomSource& rng) {
    return rng.Random(9) + 1;
}

// n digits, the leading one from 1, the units digit from RandDigit: the upper
// part is drawn first, then the units digit.
std::int64_t DigitsWithNonZeroUnits(RandomSource& rng, int n) {
    const auto lowest = Pow10(n - 2);
    const std::int64_t upper = rng.Random(static_cast<int>(9 * lowest)) + lowest;
    return 10 * upper + Digit(rng);
}

std::int64_t NoZeroDigits(RandomSource& rng, int n) {
    std::int64_t value = 0;
    for (int i = 0; i < n; ++i)
        value = 10 * value + Digit(rng);
    return value;
}

// The integer patterns that draw for themselves; everything else derives from them.
std::int64_t DrawOwnDigits(Pattern p, RandomSource& rng) {
    using enum Pattern;
    switch (p) {
    case RandDigit:
        return Digit(rng);
    case RandTwoDigit: {
        const std::int64_t tens = Digit(rng);
        return 10 * tens + Digit(rng);
    }
    case RandThreeDigit:
        return DigitsWithNonZeroUnits(rng, 3);
    case RandFourDigit:
        return DigitsWithNonZeroUnits(rng, 4);
    case RandFiveDigit:
        return DigitsWithNonZeroUnits(rng, 5);
    case RandSixDigit:
        return DigitsWithNonZeroUnits(rng, 6);
    case RandSevenDigit:
        return DigitsWithNonZeroUnits(rng, 7);
    case RandEightDigit: {
        const std::int64_t upper = DigitsWithNonZeroUnits(rng, 7);
        return 10 * upper + Digit(rng);
    }
    case RandNineDigit: {
        const std::int64_t upper = DrawOwnDigits(RandEightDigit, rng);
        return 10 * upper + Digit(rng);
    }
    case RandFourDigitNoZero:
        return NoZeroDigits(rng, 4);
    case RandFiveDigitNoZero:
        return NoZeroDigits(rng, 5);
    case RandSixDigitNoZero:
        return NoZeroDigits(rng, 6);
    case RandSevenDigitNoZero:
        return NoZeroDigits(rng, 7);
    case RandEightDigitNoZero:
        return NoZeroDigits(rng, 8);
    case RandNineDigitNoZero:
        return NoZeroDigits(rng, 9);
    case RandTenDigitNoZero:
        return NoZeroDigits(rng, 10);
    case RandTensTenths: { // d0,d
        const std::int64_t tens = Digit(rng) * 100;
        return tens + Digit(rng);
    }
    case RandTensHundredths: { // d0,0d
        const std::int64_t tens = Digit(rng) * 1000;
        return tens + Digit(rng);
    }
    default:
        throw std::logic_error("pattern without digits of its own");
    }
}

} // namespace

double ExactNumber::AsDouble() const {
    // Both operands are exact doubles, so the quotient is correctly rounded.
    return static_cast<double>(Mantissa) / static_cast<double>(Pow10(Decimals));
}

float ExactNumber::AsFloat() const {
    const long double quotient = static_cast<long double>(Mantissa) / Pow10L(Decimals);
    return static_cast<float>(quotient);
}

const PatternInfo& Info(Pattern pattern) {
    return kInfos.at(Slot(pattern));
}

std::optional<Pattern> PatternByName(std::string_view name) {
    return FindByName(name);
}

ExactNumber DrawPattern(Pattern pattern, RandomSource& rng) {
    const PatternInfo& info = Info(pattern);
    // A scaled pattern draws its base's digits and appends zeros; the two-digit
    // ones therefore draw tens digit then units digit, like RandTwoDigit.
    const std::int64_t digits = DrawOwnDigits(kSources[Slot(pattern)], rng);
    return ExactNumber{digits * Pow10(info.Exponent), info.Decimals};
}

} // namespace quarvel
