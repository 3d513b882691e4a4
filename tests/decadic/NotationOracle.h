#pragma once
// An independent, strict reader of place-value notation for the tests: every
// token is one or two digits followed by exactly one place symbol, tokens are
// separated by single blanks. Anything else is no notation at all. The place
// symbols come from the hand-made table tests/data/place_symbols.csv, never
// from the program.

#include "../TestData.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::oracle {

struct Token {
    int Count; // 1..99
    int Place; // decadic 1..10; decimal 0 for "E", 1..8 for "z" .. "hm"
};

// The symbols by place: decadic place p (value 10^(p-1)) at [p - 1], decimal
// place q (value 10^-q) at [q - 1].
struct PlaceSymbols {
    std::vector<std::string> Decadic = std::vector<std::string>(10);
    std::vector<std::string> Decimal = std::vector<std::string>(8);
};

inline const PlaceSymbols& Symbols() {
    static const PlaceSymbols symbols = [] {
        PlaceSymbols s;
        for (const testdata::CsvRow& row : testdata::ReadCsv("place_symbols.csv")) {
            const int exponent = row.Int("exponent");
            const bool decimal = row["kind"] == "decimal";
            const int place = decimal ? -exponent : exponent + 1;
            std::vector<std::string>& table = decimal ? s.Decimal : s.Decadic;
            if (place < 1 || place > static_cast<int>(table.size()))
                throw std::runtime_error(row.Where() + ": no such place");
            table[static_cast<std::size_t>(place - 1)] = row["symbol"];
        }
        return s;
    }();
    return symbols;
}

// The symbol of a place as in Token (decimal place 0 is "E").
inline std::string Symbol(int place, bool decimal) {
    if (decimal && place == 0) return Symbols().Decadic.at(0);
    return (decimal ? Symbols().Decimal : Symbols().Decadic)
        .at(static_cast<std::size_t>(place - 1));
}

// The place of a symbol, as in Token; nullopt for none.
inline std::optional<int> PlaceOf(std::string_view symbol, bool decimal) {
    const std::vector<std::string>& table = decimal ? Symbols().Decimal : Symbols().Decadic;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i] == symbol) return static_cast<int>(i) + 1;
    if (decimal && symbol == Symbols().Decadic.at(0)) return 0;
    return std::nullopt;
}

inline std::optional<std::vector<Token>> Read(std::string_view text, bool decimal) {
    std::vector<Token> tokens;
    for (std::size_t start = 0; !text.empty() && start <= text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view t = text.substr(start, end - start);
        std::size_t digits = 0;
        while (digits < t.size() && t[digits] >= '0' && t[digits] <= '9')
            ++digits;
        const std::optional<int> place = PlaceOf(t.substr(digits), decimal);
        if (digits == 0 || digits > 2 || !place) return std::nullopt;
        tokens.push_back({std::stoi(std::string(t.substr(0, digits))), *place});
        start = end + 1;
    }
    return tokens;
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

// "9,234567" (or "9.234567") in hundred-millionths.
inline std::int64_t NumeralE8(std::string_view text) {
    const std::size_t comma = text.find_first_of(",.");
    const int decimals = comma == std::string_view::npos ? 0 : int(text.size() - comma - 1);
    std::string digits(text);
    if (comma != std::string_view::npos) digits.erase(comma, 1);
    return std::stoll(digits) * Pow10(8 - decimals);
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
