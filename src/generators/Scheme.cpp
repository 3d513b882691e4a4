#include "generators/Scheme.h"

#include "core/AnswerText.h"

#include <algorithm>
#include <charconv>

namespace quarvel {

namespace {

// Adds one unit in the last place of a digit string ("199" -> "200", "99" -> "100").
void IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The decimals an exact value needs once its trailing zeros are gone.
int SignificantDecimals(const ExactNumber& value, int shift) {
    int decimals = value.Decimals - shift;
    std::int64_t mantissa = value.Mantissa;
    while (decimals > 0 && mantissa % 10 == 0) {
        mantissa /= 10;
        --decimals;
    }
    return mantissa == 0 ? 0 : std::max(decimals, 0);
}

// Correctly rounded and independent of the C locale (a Qt program runs under
// the user's locale, where strtod would expect a comma).
double ReadDouble(const ExactNumber& value, int shift) {
    std::string text = WriteDecimal(value, shift, SignificantDecimals(value, shift));
    std::replace(text.begin(), text.end(), ',', '.');
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

long double Pow10L(int k) {
    long double result = 1.0L;
    for (int i = 0; i < k; ++i)
        result *= 10.0L;
    return result;
}

bool RoundsGivenValue(GivenRounding rounding, bool multiply, int factorExponent) {
    switch (rounding) {
    case GivenRounding::None:
        return false;
    case GivenRounding::Direction1:
        return multiply;
    case GivenRounding::Direction1Large:
        return multiply && factorExponent >= 3;
    }
    return false;
}

} // namespace

std::string WriteDecimal(const ExactNumber& value, int shift, int places) {
    places = std::max(places, 0);
    const bool negative = value.Mantissa < 0;
    const auto magnitude = negative ? 0 - static_cast<std::uint64_t>(value.Mantissa)
                                    : static_cast<std::uint64_t>(value.Mantissa);
    std::string digits = std::to_string(magnitude);
    int decimals = value.Decimals - shift;
    if (decimals < 0) {
        if (magnitude != 0) digits.append(static_cast<std::size_t>(-decimals), '0');
        decimals = 0;
    }
    if (decimals > places) {
        const std::size_t keep = digits.size() - static_cast<std::size_t>(decimals - places);
        const bool roundUp = keep < digits.size() && digits[keep] >= '5';
        digits.resize(keep);
        if (digits.empty()) digits = "0";
        if (roundUp) IncrementDigits(digits);
        decimals = places;
    }
    const auto fraction = static_cast<std::size_t>(decimals);
    if (digits.size() <= fraction) digits.insert(0, fraction + 1 - digits.size(), '0');
    std::string text = digits.substr(0, digits.size() - fraction);
    if (places > 0) {
        text += ',';
        text += digits.substr(digits.size() - fraction);
        text.append(static_cast<std::size_t>(places - decimals), '0');
    }
    const bool zero = text.find_first_not_of("0,") == std::string::npos;
    return negative && !zero ? "-" + text : text;
}

int RuleAnswerDecimals(Pattern pattern, int factorExponent, int direction) {
    const PatternInfo& info = Info(pattern);
    if (direction == 1) return std::max(info.Decimals - factorExponent, 0);
    if (info.Decimals > 0) return info.Decimals + factorExponent;
    return std::max(factorExponent - info.Exponent, 0);
}

TTaskRecord RunGenerator(const GeneratorTable& table, RandomSource& rng) {
    TTaskRecord record;
    TaskDraws& draws = record.Draws;
    draws.Direction = rng.Random(2) + 1;
    draws.Pair = rng.Random(100) + 1;
    draws.Pattern = rng.Random(100) + 1;
    draws.Generator = table.Name;

    const bool multiply = draws.Direction == 1;
    const PairBand& pair = FindBand(table.Pairs, draws.Pair);
    record.FromUnit = multiply ? pair.From : pair.To;
    record.ToUnit = multiply ? pair.To : pair.From;

    const PatternBand& band = FindBand(multiply ? pair.M : pair.D, draws.Pattern);
    const ExactNumber given = DrawPattern(band.P, rng);
    const int k = pair.FactorExponent;
    const int shift = multiply ? k : -k;

    record.GivenDecimals = Info(band.P).Decimals;
    // A band's note may only add decimals: fewer would cut digits off the answer.
    record.AnswerDecimals =
        std::max({band.AnswerDecimals, RuleAnswerDecimals(band.P, k, draws.Direction),
                  SignificantDecimals(given, shift)});

    if (RoundsGivenValue(table.Rounding, multiply, k)) {
        record.GivenValue = ReadDouble(given, 0);
        record.AnswerValue = ReadDouble(given, shift);
    } else {
        // The record keeps what the pattern handed out: a decimal pattern's
        // single-precision value, and an answer derived from it.
        record.GivenValue = record.GivenDecimals > 0 ? static_cast<double>(given.AsFloat())
                                                     : static_cast<double>(given.Mantissa);
        const long double scaled = multiply
                                       ? static_cast<long double>(record.GivenValue) * Pow10L(k)
                                       : static_cast<long double>(record.GivenValue) / Pow10L(k);
        record.AnswerValue = static_cast<double>(scaled);
    }

    record.GivenText = WriteDecimal(given, 0, record.GivenDecimals);
    const std::string answer = WriteDecimal(given, shift, record.AnswerDecimals);
    record.AnswerText = table.TrimAnswer ? TrimTrailingZeros(answer) : answer;
    return record;
}

AnswerField FieldOf(const GeneratorTable& table) {
    return {kAnswerLeft, table.AnswerWidth, UnitColumnAfter(kAnswerLeft, table.AnswerWidth)};
}

} // namespace quarvel
