#pragma once
// An independent, strict reader of place-value notation for the tests: every
// token is one or two digits followed by exactly one place symbol, tokens are
// separated by single blanks. Anything else is no notation at all. The place
// symbols come from the hand-made table tests/data/place_symbols.csv, never
// from the program.

#include "../TestData.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::oracle {

struct Token {
    int Count; // 1..99
    int Place; // decadic 1..10; decimal 0 for "E", 1..8 for "z" .. "hm"
};

// The symbols by the power of ten of their place: "E" at 0, "Z" at 1, "z" at -1.
inline const std::map<int, std::string>& Symbols() {
    static const std::map<int, std::string> symbols = [] {
        std::map<int, std::string> s;
        for (const testdata::CsvRow& row : testdata::ReadCsv("place_symbols.csv"))
            s[row.Int("exponent")] = row["symbol"];
        return s;
    }();
    return symbols;
}

// The symbol of a place as in Token.
inline std::string Symbol(int place, bool decimal) {
    return Symbols().at(decimal ? -place : place - 1);
}

// The place of a symbol, as in Token; nullopt for none.
inline std::optional<int> PlaceOf(std::string_view symbol, bool decimal) {
    for (const auto& [exponent, s] : Symbols())
        if (s == symbol && (decimal ? exponent <= 0 : exponent >= 0))
            return decimal ? -exponent : exponent + 1;
    return std::nullopt;
}

inline std::optional<std::vector<Token>> Read(std::string_view text, bool decimal) {
    std::vector<Token> tokens;
    for (std::size_t start = 0; !text.empty() && start <= text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view t = text.substr(start, end - start);
        const std::size_t digits = std::min(t.find_first_not_of("0123456789"), t.size());
        const std::optional<int> place = PlaceOf(t.substr(digits), decimal);
        if (digits == 0 || digits > 2 || !place) return std::nullopt;
        tokens.push_back({std::stoi(std::string(t.substr(0, digits))), *place});
        start = end + 1;
    }
    return tokens;
}

inline std::int64_t Pow10(int k) {
    return k <= 0 ? 1 : 10 * Pow10(k - 1);
}

// A decadic notation's value, a decimal one's in hundred-millionths.
inline std::int64_t Value(const std::vector<Token>& tokens, bool decimal) {
    std::int64_t v = 0;
    for (const Token& t : tokens)
        v += t.Count * Pow10(decimal ? 8 - t.Place : t.Place - 1);
    return v;
}

// "9,234567" (or "9.234567") in hundred-millionths.
inline std::int64_t NumeralE8(std::string text) {
    const std::size_t comma = std::min(text.find_first_of(",."), text.size());
    const int decimals = static_cast<int>(text.size() - std::min(comma + 1, text.size()));
    if (comma < text.size()) text.erase(comma, 1);
    return std::stoll(text) * Pow10(8 - decimals);
}

// Places strictly falling from left to right.
inline bool Descending(const std::vector<Token>& tokens, bool decimal) {
    for (std::size_t i = 1; i < tokens.size(); ++i)
        if ((tokens[i].Place - tokens[i - 1].Place) * (decimal ? 1 : -1) <= 0) return false;
    return true;
}

} // namespace quarvel::oracle
