#pragma once
// Exact decimal arithmetic on texts and the unit catalogue, written here
// independently of src/solution so that the tests can judge it.

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

namespace quarvel::oracle {

// Each unit as a power of ten of the smallest unit of its kind; 1 l = 1 dm^3.
inline const std::map<std::string, int, std::less<>> kExponent = {
    {"km", 6},   {"m", 3},    {"dm", 2},   {"cm", 1},   {"mm", 0},   {"t", 9},     {"kg", 6},
    {"dag", 4},  {"g", 3},    {"dg", 2},   {"cg", 1},   {"mg", 0},   {"km^2", 12}, {"ha", 10},
    {"a", 8},    {"m^2", 6},  {"dm^2", 4}, {"cm^2", 2}, {"mm^2", 0}, {"m^3", 9},   {"dm^3", 6},
    {"cm^3", 3}, {"mm^3", 0}, {"hl", 8},   {"l", 6},    {"dl", 5},   {"cl", 4},    {"ml", 3}};

// The number times 10^k (k of either sign) by moving the comma, written
// without leading or trailing zeros: "0,45", 3 -> "450"; "45", -3 -> "0,045".
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

// A sentence as the tests write it: "~" stands for the no-break space (U+00A0)
// between a number and its unit or noun, "_" for the narrow no-break space
// (U+202F) between groups of digits.
inline std::string Written(std::string_view text) {
    std::string sentence;
    for (const char c : text)
        sentence += c == '~' ? "\u00a0" : c == '_' ? "\u202f" : std::string(1, c);
    return sentence;
}

} // namespace quarvel::oracle
