#pragma once
// The tests' own oracles: exact decimal arithmetic on texts, the unit catalogue,
// a strict reader of place-value notation (tokens of one or two digits and a
// symbol of tests/data/place_symbols.csv, single blanks between).

#include "../TestData.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::oracle {

// Each unit as a power of ten of the smallest unit of its kind; 1 l = 1 dm^3.
inline const std::map<std::string, int, std::less<>> kExponent = {
    {"km", 6},   {"m", 3},    {"dm", 2},   {"cm", 1},   {"mm", 0},   {"t", 9},     {"kg", 6},
    {"dag", 4},  {"g", 3},    {"dg", 2},   {"cg", 1},   {"mg", 0},   {"km^2", 12}, {"ha", 10},
    {"a", 8},    {"m^2", 6},  {"dm^2", 4}, {"cm^2", 2}, {"mm^2", 0}, {"m^3", 9},   {"dm^3", 6},
    {"cm^3", 3}, {"mm^3", 0}, {"hl", 8},   {"l", 6},    {"dl", 5},   {"cl", 4},    {"ml", 3}};

// The number times 10^k without leading or trailing zeros: "0,45", 3 -> "450".
inline std::string Shift(std::string_view number, int k) {
    std::string digits;
    for (const char c : number)
        if (c != ',') digits += c;
    long point = static_cast<long>(std::min(number.find(','), number.size())) + k;
    if (point < 1) digits.insert(0, static_cast<std::size_t>(1 - point), '0');
    point = std::max(point, 1L);
    if (point > static_cast<long>(digits.size()))
        digits.resize(static_cast<std::size_t>(point), '0');
    std::string s = digits.substr(0, static_cast<std::size_t>(point)) + "," +
                    digits.substr(static_cast<std::size_t>(point));
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == ',') s.pop_back();
    while (s.size() > 1 && s[0] == '0' && s[1] != ',')
        s.erase(0, 1);
    return s;
}

inline std::string Canonical(std::string_view number) {
    return Shift(number, 0);
}

// A sentence as the tests write it: "~" for U+00A0, "_" for U+202F.
inline std::string Written(std::string_view text) {
    std::string sentence;
    for (const char c : text)
        sentence += c == '~' ? "\u00a0" : c == '_' ? "\u202f" : std::string(1, c);
    return sentence;
}

struct Token {
    int Count; // 1..99
    int Place; // decadic 1..10; decimal 0 for "E", 1..8 for "z" .. "hm"
};

// The place symbols by the power of ten of their place: "E" at 0, "Z" at 1, "z" at -1.
inline const std::map<int, std::string>& Symbols() {
    static const std::map<int, std::string> symbols = [] {
        std::map<int, std::string> s;
        for (const testdata::CsvRow& row : testdata::ReadCsv("place_symbols.csv"))
            s[row.Int("exponent")] = row["symbol"];
        return s;
    }();
    return symbols;
}

// The symbol of a place as in Token, and the place of a symbol (nullopt for none).
inline std::string Symbol(int place, bool decimal) {
    return Symbols().at(decimal ? -place : place - 1);
}
inline std::optional<int> PlaceOf(std::string_view symbol, bool decimal) {
    for (const auto& [exponent, s] : Symbols())
        if (s == symbol && (decimal ? exponent <= 0 : exponent >= 0))
            return decimal ? -exponent : exponent + 1;
    return std::nullopt;
}

// The tokens of a notation; nullopt for anything else.
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
