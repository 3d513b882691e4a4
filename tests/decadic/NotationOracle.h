#pragma once
// An independent, strict reader of place-value notation for the tests: every
// token is one or two digits followed by exactly one place symbol, tokens are
// separated by single blanks. Anything else is no notation at all.

#include "decadic/PlaceValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::oracle {

struct Token {
    int Count; // 1..99
    int Place; // decadic 1..10; decimal 0 for "E", 1..8 for "z" .. "hm"
};

inline std::vector<std::string_view> Split(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t blank = text.find(' ', start);
        const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
        tokens.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return tokens;
}

template <typename PlaceOf>
std::optional<std::vector<Token>> Read(std::string_view text, PlaceOf placeOf) {
    std::vector<Token> tokens;
    if (text.empty()) return tokens;
    for (const std::string_view t : Split(text)) {
        std::size_t digits = 0;
        while (digits < t.size() && t[digits] >= '0' && t[digits] <= '9')
            ++digits;
        if (digits == 0 || digits > 2) return std::nullopt;
        const int count = std::stoi(std::string(t.substr(0, digits)));
        const std::optional<int> place = placeOf(t.substr(digits));
        if (!place) return std::nullopt;
        tokens.push_back({count, *place});
    }
    return tokens;
}

inline std::optional<std::vector<Token>> ReadDecadic(std::string_view text) {
    return Read(text, [](std::string_view symbol) -> std::optional<int> {
        for (int p = 1; p <= 10; ++p) {
            if (DecadicSymbol(p) == symbol) return p;
        }
        return std::nullopt;
    });
}

inline std::optional<std::vector<Token>> ReadDecimal(std::string_view text) {
    return Read(text, [](std::string_view symbol) -> std::optional<int> {
        if (symbol == "E") return 0;
        for (int p = 1; p <= 8; ++p) {
            if (DecimalSymbol(p) == symbol) return p;
        }
        return std::nullopt;
    });
}

inline std::int64_t Pow10(int k) {
    std::int64_t v = 1;
    for (int i = 0; i < k; ++i)
        v *= 10;
    return v;
}

inline std::int64_t DecadicValue(const std::vector<Token>& tokens) {
    std::int64_t v = 0;
    for (const Token& t : tokens)
        v += t.Count * Pow10(t.Place - 1);
    return v;
}

// In hundred-millionths.
inline std::int64_t DecimalValueE8(const std::vector<Token>& tokens) {
    std::int64_t v = 0;
    for (const Token& t : tokens)
        v += t.Count * Pow10(8 - t.Place);
    return v;
}

// "9,234567" in hundred-millionths; nullopt for anything but digits with at
// most one comma and at most eight decimals.
inline std::optional<std::int64_t> NumeralE8(std::string_view text) {
    const std::size_t comma = text.find(',');
    const std::string_view whole = text.substr(0, comma);
    const std::string_view frac =
        comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    if (whole.empty() || whole.size() > 9 || frac.size() > 8) return std::nullopt;
    for (const std::string_view part : {whole, frac}) {
        for (const char c : part) {
            if (c < '0' || c > '9') return std::nullopt;
        }
    }
    std::int64_t v = std::stoll(std::string(whole)) * Pow10(8);
    if (!frac.empty())
        v += std::stoll(std::string(frac)) * Pow10(8 - static_cast<int>(frac.size()));
    return v;
}

// Places strictly falling from left to right.
inline bool Descending(const std::vector<Token>& tokens, bool decimal) {
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        const bool falls =
            decimal ? tokens[i].Place > tokens[i - 1].Place : tokens[i].Place < tokens[i - 1].Place;
        if (!falls) return false;
    }
    return true;
}

} // namespace quarvel::oracle
