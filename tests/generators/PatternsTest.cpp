// The number patterns: the shape every name promises, the smallest and largest
// value, and the exact order and ranges of the draws.

#include "generators/GlobalU.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using testing::ExtremeRandom;

// What a pattern's mantissa looks like, its smallest and largest value, the n
// of every Random(n) call in order, and the decimals and zeros it adds.
struct Shape {
    std::string Regex, Min, Max;
    std::vector<int> Draws;
    int Decimals = 0, Exponent = 0;
};

// An n-digit number: every digit but the first and the units digit may be 0.
// Up to seven digits draw the part above the units and then the units; further
// units digits are appended one draw each. NoZero: every digit 1..9, one draw each.
Shape Digits(int n, bool noZero) {
    Shape shape{"[1-9]", "1", std::string(static_cast<std::size_t>(n), '9'), {}};
    for (int i = 2; i <= n; ++i) {
        const bool free = !noZero && i < n && i <= 6;
        shape.Regex += free ? "[0-9]" : "[1-9]";
        shape.Min += free ? "0" : "1";
    }
    if (noZero || n == 1) {
        shape.Draws.assign(static_cast<std::size_t>(n), 9);
        return shape;
    }
    shape.Draws = {9 * static_cast<int>(std::pow(10, std::min(n, 7) - 2)), 9};
    shape.Draws.resize(static_cast<std::size_t>(std::max(n - 5, 2)), 9);
    return shape;
}

// The shape a pattern's name promises: "RandFourDigitE3", "RandSixDigitNoZero",
// "RandDec2p3" (five digits, three of them decimals), "RandThousandth".
Shape ExpectedShape(std::string name) {
    static const std::map<std::string, int> kCounts = {
        {"", 1},    {"Two", 2},   {"Three", 3}, {"Four", 4}, {"Five", 5},
        {"Six", 6}, {"Seven", 7}, {"Eight", 8}, {"Nine", 9}, {"Ten", 10}};
    static const std::map<std::string, int> kFractions = {
        {"Hundredth", 2}, {"Thousandth", 3}, {"TenThousandth", 4}, {"HundredThousandth", 5}};
    name.erase(0, 4);
    if (name == "TensTenths") return {"[1-9]0[1-9]", "101", "909", {9, 9}, 1};
    if (name == "TensHundredths") return {"[1-9]00[1-9]", "1001", "9009", {9, 9}, 2};
    if (kFractions.contains(name)) {
        Shape shape = Digits(1, false);
        shape.Decimals = kFractions.at(name);
        return shape;
    }
    const bool noZero = name.ends_with("NoZero");
    if (noZero) name.erase(name.size() - 6);
    if (name.starts_with("Dec")) {
        Shape shape = Digits(name[3] - '0' + name[5] - '0', noZero);
        shape.Decimals = name[5] - '0';
        return shape;
    }
    const std::size_t digit = name.find("Digit");
    Shape shape = Digits(kCounts.at(name.substr(0, digit)), noZero);
    if (name.size() > digit + 5) {
        shape.Exponent = name.back() - '0';
        for (std::string* text : {&shape.Regex, &shape.Min, &shape.Max})
            text->append(static_cast<std::size_t>(shape.Exponent), '0');
    }
    return shape;
}

TEST(Patterns, EveryPatternHasItsShapeRangeAndDraws) {
    std::vector<Pattern> all;
#define QUARVEL_LIST_PATTERN(name, decimals, exponent) all.push_back(Pattern::name);
    QUARVEL_PATTERNS(QUARVEL_LIST_PATTERN)
#undef QUARVEL_LIST_PATTERN
    SeededRandom engine(20240611);
    ExtremeRandom smallest(false);
    ExtremeRandom largest(true);
    for (const Pattern p : all) {
        const std::string name(Info(p).Name);
        SCOPED_TRACE(name);
        EXPECT_EQ(PatternByName(name), p);
        const Shape shape = ExpectedShape(name);
        EXPECT_EQ(Info(p).Decimals, shape.Decimals);
        EXPECT_EQ(Info(p).Exponent, shape.Exponent);
        const std::regex regex(shape.Regex);

        ScriptedRandom low({}, &smallest);
        ScriptedRandom high({}, &largest);
        EXPECT_EQ(DrawPattern(p, low), (ExactNumber{std::stoll(shape.Min), shape.Decimals}));
        EXPECT_EQ(DrawPattern(p, high), (ExactNumber{std::stoll(shape.Max), shape.Decimals}));

        for (int i = 0; i < 400; ++i) {
            ScriptedRandom rng({}, &engine);
            const ExactNumber value = DrawPattern(p, rng);
            // A decimal never ends in 0, so its text needs every decimal.
            ASSERT_TRUE(std::regex_match(std::to_string(value.Mantissa), regex)) << value.Mantissa;
            ASSERT_EQ(value.Decimals, shape.Decimals);
            std::vector<int> ranges;
            for (const auto& [n, value] : rng.Calls())
                ranges.push_back(n);
            ASSERT_EQ(ranges, shape.Draws);
        }
    }
    EXPECT_EQ(PatternByName("RandElevenDigit"), std::nullopt);
}

} // namespace
} // namespace quarvel
