#include "decadic/PlaceValue.h"

#include "core/AnswerText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace quarvel {

namespace {

constexpr std::uint64_t kInt64Max = std::numeric_limits<std::int64_t>::max();
// Decimal counts stay below 10^18, so carrying through eight places cannot
// overflow 64 bits.
constexpr std::uint64_t kDecimalCountCap = 999'999'999'999'999'999ULL;
// An ExactNumber's decimals beyond this only describe values far below the
// eighth decimal (or far above every place); clamping keeps padding bounded.
constexpr int kMaxPointShift = 40;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsCountDigit(char c) {
    return c >= '1' && c <= '9';
}

std::uint64_t Magnitude(std::int64_t value) {
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

std::int64_t Signed(std::uint64_t magnitude, bool negative) {
    return negative ? static_cast<std::int64_t>(0 - magnitude)
                    : static_cast<std::int64_t>(std::min(magnitude, kInt64Max));
}

std::uint64_t SaturatingAdd(std::uint64_t a, std::uint64_t b, std::uint64_t cap) {
    return (a > cap || b > cap - a) ? cap : a + b;
}

std::uint64_t SaturatingMul(std::uint64_t a, std::uint64_t b, std::uint64_t cap) {
    if (a == 0 || b == 0) return 0;
    return a > cap / b ? cap : a * b;
}

// The number formed by the decimal digits of `text`, other characters skipped.
std::uint64_t DigitsValue(std::string_view text, std::uint64_t cap) {
    std::uint64_t v = 0;
    for (const char c : text) {
        if (!IsDigit(c)) continue;
        v = SaturatingAdd(SaturatingMul(v, 10, cap), static_cast<std::uint64_t>(c - '0'), cap);
    }
    return v;
}

std::uint64_t ReadDigits(std::string_view digits) {
    std::uint64_t v = 0;
    for (const char c : digits)
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
    return v;
}

struct FixedDigits {
    std::string Int;  // at least one digit, no leading zeros but a lone "0"
    std::string Frac; // exactly the asked number of decimals
    bool Negative = false;
};

// Adds one unit in the last place of Int followed by Frac.
void RoundUp(FixedDigits& f) {
    for (auto it = f.Frac.rbegin(); it != f.Frac.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    for (auto it = f.Int.rbegin(); it != f.Int.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    f.Int.insert(f.Int.begin(), '1');
}

// `value` rounded half up (away from zero) to `decimals` decimals, as digits.
FixedDigits Rounded(const ExactNumber& value, int decimals) {
    FixedDigits f;
    f.Negative = value.Mantissa < 0;
    std::string digits = std::to_string(Magnitude(value.Mantissa));
    int point = std::clamp(value.Decimals, -kMaxPointShift, kMaxPointShift);
    if (point < 0) {
        digits.append(static_cast<std::size_t>(-point), '0');
        point = 0;
    }
    const auto pointAt = static_cast<std::size_t>(point);
    if (digits.size() <= pointAt) digits.insert(0, pointAt + 1 - digits.size(), '0');
    f.Int = digits.substr(0, digits.size() - pointAt);
    f.Frac = digits.substr(digits.size() - pointAt);
    const auto wanted = static_cast<std::size_t>(std::max(decimals, 0));
    if (f.Frac.size() <= wanted) {
        f.Frac.append(wanted - f.Frac.size(), '0');
    } else {
        const bool up = f.Frac[wanted] >= '5';
        f.Frac.resize(wanted);
        if (up) RoundUp(f);
    }
    const std::size_t first = f.Int.find_first_not_of('0');
    f.Int.erase(0, first == std::string::npos ? f.Int.size() - 1 : first);
    if (f.Negative && f.Int == "0" && f.Frac.find_first_not_of('0') == std::string::npos) {
        f.Negative = false;
    }
    return f;
}

// Gives `count` of the written places a leading random count digit.
std::string EnlargeCountsInText(const std::string& text, int count, RandomSource& rng) {
    const int places = static_cast<int>(std::count_if(text.begin(), text.end(), IsCountDigit));
    const int wanted = std::clamp(count, 0, std::min(places, kMaxEnlargedCounts));
    if (wanted == 0) return text;
    std::vector<int> chosen;
    while (static_cast<int>(chosen.size()) < wanted) {
        const int ordinal = rng.Random(places) + 1;
        if (std::find(chosen.begin(), chosen.end(), ordinal) == chosen.end()) {
            chosen.push_back(ordinal);
        }
    }
    std::sort(chosen.begin(), chosen.end());
    std::string out;
    out.reserve(text.size() + chosen.size());
    int ordinal = 0;
    for (const char c : text) {
        if (IsCountDigit(c)) {
            ++ordinal;
            if (std::binary_search(chosen.begin(), chosen.end(), ordinal)) {
                out += static_cast<char>('0' + rng.Random(9) + 1);
            }
        }
        out += c;
    }
    return out;
}

// Decimal notation slots: 0 "E", 1..8 the places "z" .. "hm"; -1 for a token
// without a symbol. Two-letter symbols win over the letters they contain.
int DecimalSlot(std::string_view token) {
    const auto has = [token](std::string_view s) { return token.find(s) != std::string::npos; };
    if (has("zt")) return 4;
    if (has("ht")) return 5;
    if (has("zm")) return 7;
    if (has("hm")) return 8;
    if (has("E")) return 0;
    if (has("z")) return 1;
    if (has("h")) return 2;
    if (has("t")) return 3;
    if (has("m")) return 6;
    return -1;
}

template <typename Visit> void ForEachToken(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t blank = text.find(' ', start);
        const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
        if (end > start) visit(text.substr(start, end - start));
        start = end + 1;
    }
}

} // namespace

std::string_view DecadicSymbol(int place) {
    return place >= 1 && place <= static_cast<int>(DecadicPlaceSymbols.size())
               ? DecadicPlaceSymbols[static_cast<std::size_t>(place - 1)]
               : std::string_view{};
}

std::string_view DecimalSymbol(int place) {
    return place >= 1 && place <= static_cast<int>(DecimalPlaceSymbols.size())
               ? DecimalPlaceSymbols[static_cast<std::size_t>(place - 1)]
               : std::string_view{};
}

std::string FormatPlaceValue(std::int64_t value) {
    const std::string digits = std::to_string(Magnitude(value));
    std::string out;
    int place = 0;
    for (auto it = digits.rbegin(); it != digits.rend() && place < 10; ++it) {
        ++place;
        if (*it == '0') continue;
        out.insert(0, " " + std::string(1, *it) + std::string(DecadicSymbol(place)));
    }
    if (!out.empty()) out.erase(0, 1);
    return out;
}

std::string FormatDecimalPlaceValue(const ExactNumber& value, int decimals) {
    const int d = std::clamp(decimals, 0, kMaxDecimalPlaces);
    const FixedDigits f = Rounded(value, d);
    std::string integer;
    int place = 0;
    for (auto it = f.Int.rbegin(); it != f.Int.rend() && place < 3; ++it) {
        ++place;
        if (*it == '0') continue;
        integer.insert(0, " " + std::string(1, *it) + std::string(DecadicSymbol(place)));
    }
    if (!integer.empty()) integer.erase(0, 1);
    std::string fraction;
    for (int q = 1; q <= d; ++q) {
        const char digit = f.Frac[static_cast<std::size_t>(q - 1)];
        if (digit == '0') continue;
        fraction += ' ';
        fraction += digit;
        fraction += DecimalSymbol(q);
    }
    return integer + fraction;
}

std::int64_t ParsePlaceValue(std::string_view text) {
    std::string rest;
    rest.reserve(text.size());
    for (const char c : text) {
        if (c != ' ') rest += c;
    }
    std::uint64_t total = 0;
    for (int place = static_cast<int>(DecadicPlaceSymbols.size()); place >= 1; --place) {
        const std::string_view symbol = DecadicSymbol(place);
        const std::size_t at = rest.find(symbol);
        if (at == std::string::npos) continue;
        std::uint64_t placeValue = 1;
        for (int p = 1; p < place; ++p)
            placeValue *= 10;
        const std::uint64_t count = DigitsValue(std::string_view(rest).substr(0, at), kInt64Max);
        total = SaturatingAdd(total, SaturatingMul(count, placeValue, kInt64Max), kInt64Max);
        rest.erase(0, at + symbol.size());
    }
    return static_cast<std::int64_t>(total);
}

std::string ParseDecimalPlaceValue(std::string_view text) {
    std::array<std::uint64_t, 9> counts{};
    ForEachToken(text, [&counts](std::string_view token) {
        const int slot = DecimalSlot(token);
        if (slot >= 0)
            counts[static_cast<std::size_t>(slot)] = DigitsValue(token, kDecimalCountCap);
    });
    for (std::size_t slot = counts.size() - 1; slot >= 1; --slot) {
        counts[slot - 1] += counts[slot] / 10;
        counts[slot] %= 10;
    }
    std::string out = std::to_string(counts[0]) + ",";
    for (std::size_t slot = 1; slot < counts.size(); ++slot) {
        out += static_cast<char>('0' + counts[slot]);
    }
    return TrimTrailingZeros(out);
}

std::string EnlargePlaceCounts(std::int64_t& value, int count, RandomSource& rng) {
    std::string text = EnlargeCountsInText(FormatPlaceValue(value), count, rng);
    value = ParsePlaceValue(text);
    return text;
}

std::string EnlargeDecimalPlaceCounts(const ExactNumber& value, int decimals, int count,
                                      RandomSource& rng) {
    return EnlargeCountsInText(FormatDecimalPlaceValue(value, decimals), count, rng);
}

std::int64_t ZeroRandomDigits(int count, std::int64_t value, RandomSource& rng) {
    std::string digits = std::to_string(Magnitude(value));
    const int n = static_cast<int>(digits.size());
    const int changeable =
        static_cast<int>(std::count_if(digits.begin() + 1, digits.end(), IsCountDigit));
    const int wanted = std::clamp(count, 0, changeable);
    int changed = 0;
    while (changed < wanted) {
        const auto position = static_cast<std::size_t>(rng.Random(n - 1) + 2);
        char& digit = digits[position - 1];
        if (digit != '0') {
            digit = '0';
            ++changed;
        }
    }
    return Signed(ReadDigits(digits), value < 0);
}

ExactNumber ZeroRandomDecimalDigits(int count, int decimals, const ExactNumber& value,
                                    RandomSource& rng) {
    const int d = std::clamp(decimals, 0, kMaxDecimalPlaces);
    const FixedDigits f = Rounded(value, d);
    std::string digits = f.Int + f.Frac;
    constexpr std::size_t kMaxDigits = 18;
    if (digits.size() > kMaxDigits) return value;
    const int n = static_cast<int>(digits.size());
    const int wanted = std::clamp(count, 0, std::max(n - 2, 0));
    for (int i = 0; i < wanted; ++i) {
        const auto position = static_cast<std::size_t>(rng.Random(n - 2) + 2);
        digits[position - 1] = '0';
    }
    return ExactNumber{Signed(ReadDigits(digits), f.Negative), d};
}

std::string NormalizeNotationAnswer(std::string_view text, bool spaceBeforeDigits) {
    std::string collapsed;
    collapsed.reserve(text.size());
    bool blankPending = false;
    for (const char c : text) {
        if (c == ' ') {
            blankPending = !collapsed.empty();
            continue;
        }
        if (blankPending) collapsed += ' ';
        blankPending = false;
        collapsed += c;
    }
    if (!spaceBeforeDigits) return collapsed;
    std::string out;
    out.reserve(collapsed.size() * 2);
    for (std::size_t i = 0; i < collapsed.size(); ++i) {
        if (i > 0 && IsDigit(collapsed[i]) && collapsed[i - 1] != ' ') out += ' ';
        out += collapsed[i];
    }
    return out;
}

std::string DropZeroPlaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    ForEachToken(text, [&out](std::string_view token) {
        if (token.front() == '0') return;
        if (!out.empty()) out += ' ';
        out += token;
    });
    return out;
}

std::string ShiftDecimalDigits(std::string_view text, int decimals, int shift) {
    const std::size_t comma = text.find(',');
    std::string digits;
    if (comma == std::string_view::npos) {
        digits = text;
    } else {
        const auto keep = std::min<std::size_t>(static_cast<std::size_t>(std::max(decimals, 0)),
                                                text.size() - comma - 1);
        digits = text.substr(comma + 1, keep);
    }
    digits += "0000000000000000";
    const auto at =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(shift, 0)), digits.size());
    digits.insert(at, ",");
    return digits;
}

std::string FixedNumeral(const ExactNumber& value, int decimals) {
    const FixedDigits f = Rounded(value, std::clamp(decimals, 0, 18));
    std::string out = f.Negative ? "-" + f.Int : f.Int;
    if (!f.Frac.empty()) out += "," + f.Frac;
    return out;
}

} // namespace quarvel
