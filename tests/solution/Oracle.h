#pragma once
// Exact decimal arithmetic on texts and the unit catalogue, written here
// independently of src/solution so that the tests can judge it.

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

// The exact product of two decimal texts, digit by digit, written without
// leading or trailing zeros: "0,45" x "1000" = "450".
inline std::string Multiply(std::string_view a, std::string_view b) {
    std::string x, y;
    std::size_t decimals = 0;
    for (const auto& [in, out] : {std::pair{a, &x}, std::pair{b, &y}}) {
        if (in.find(',') != std::string_view::npos) decimals += in.size() - in.find(',') - 1;
        for (const char c : in)
            if (c != ',') *out += c;
    }
    std::string p(x.size() + y.size(), '0');
    for (std::size_t i = x.size(); i-- > 0;) {
        int carry = 0;
        for (std::size_t j = y.size(); j-- > 0;) {
            const int sum = (p[i + j + 1] - '0') + (x[i] - '0') * (y[j] - '0') + carry;
            p[i + j + 1] = static_cast<char>('0' + sum % 10);
            carry = sum / 10;
        }
        p[i] = static_cast<char>(p[i] + carry);
    }
    p.insert(p.size() - decimals, ",");
    while (p.back() == '0')
        p.pop_back();
    if (p.back() == ',') p.pop_back();
    while (p.size() > 1 && p[0] == '0' && p[1] != ',')
        p.erase(0, 1);
    return p.empty() || p[0] == ',' ? "0" + p : p;
}

inline std::string Canonical(std::string_view number) {
    return Multiply(number, "1");
}

// The number times 10^k, k of either sign.
inline std::string Shift(std::string_view number, int k) {
    const auto zeros = static_cast<std::size_t>(k >= 0 ? k : -k - 1);
    return Multiply(number,
                    k >= 0 ? "1" + std::string(zeros, '0') : "0," + std::string(zeros, '0') + "1");
}

} // namespace quarvel::oracle
