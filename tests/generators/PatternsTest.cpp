// The number patterns: the shape every name promises, the smallest and largest
// value, the exact order and ranges of the draws, and the float a decimal
// pattern hands to the task records.

#include "generators/GlobalU.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace quarvel {
namespace {

using testing::ExtremeRandom;
using testing::ShiftComma;

// Every pattern the program knows, in declaration order.
std::vector<Pattern> AllPatterns() {
    std::vector<Pattern> all;
#define QUARVEL_LIST_PATTERN(name, decimals, exponent) all.push_back(Pattern::name);
    QUARVEL_PATTERNS(QUARVEL_LIST_PATTERN)
#undef QUARVEL_LIST_PATTERN
    return all;
}

// The value as a decimal-comma text, from the mantissa's digits.
std::string Text(const ExactNumber& value) {
    return ShiftComma(std::to_string(value.Mantissa), -value.Decimals);
}

// The draws of an n-digit number whose units digit is never 0.
std::vector<int> NonZeroUnitsDraws(int n) {
    if (n == 1) return {9};
    if (n == 2) return {9, 9};
    if (n <= 7) {
        int upper = 9;
        for (int i = 0; i < n - 2; ++i)
            upper *= 10;
        return {upper, 9};
    }
    std::vector<int> draws = NonZeroUnitsDraws(n - 1);
    draws.push_back(9);
    return draws;
}

// What a pattern's mantissa looks like, its smallest and largest value, the n
// of every Random(n) call in order, and the decimals and zeros it adds.
struct Shape {
    std::string Regex;
    std::string Min;
    std::string Max;
    std::vector<int> Draws;
    int Decimals = 0;
    int Exponent = 0;
};

Shape Digits(int n, bool noZero) {
    const auto size = static_cast<std::size_t>(n);
    if (noZero) {
        return {"[1-9]{" + std::to_string(n) + "}", std::string(size, '1'), std::string(size, '9'),
                std::vector<int>(size, 9)};
    }
    // Every digit but the first and the units digit may be 0; beyond seven
    // digits the further units digits are appended one by one.
    std::string regex = "[1-9]";
    std::string min = "1";
    for (int i = 2; i <= n; ++i) {
        const bool free = i < n && i <= 6;
        regex += free ? "[0-9]" : "[1-9]";
        min += free ? "0" : "1";
    }
    return {regex, min, std::string(size, '9'), NonZeroUnitsDraws(n)};
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
        const std::string zeros(static_cast<std::size_t>(shape.Exponent), '0');
        shape.Regex += zeros;
        shape.Min += zeros;
        shape.Max += zeros;
    }
    return shape;
}

std::vector<int> DrawRanges(const ScriptedRandom& rng) {
    std::vector<int> ranges;
    for (const auto& [n, value] : rng.Calls())
        ranges.push_back(n);
    return ranges;
}

TEST(Patterns, EveryPatternHasItsShapeRangeAndDraws) {
    SeededRandom engine(20240611);
    ExtremeRandom smallest(false);
    ExtremeRandom largest(true);
    const auto all = AllPatterns();
    ASSERT_EQ(all.size(), 93U);
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
        EXPECT_EQ(DrawRanges(low), shape.Draws);

        for (int i = 0; i < 400; ++i) {
            ScriptedRandom rng({}, &engine);
            const ExactNumber value = DrawPattern(p, rng);
            // A decimal never ends in 0, so its text needs every decimal.
            ASSERT_TRUE(std::regex_match(std::to_string(value.Mantissa), regex)) << value.Mantissa;
            ASSERT_EQ(value.Decimals, shape.Decimals);
            ASSERT_EQ(DrawRanges(rng), shape.Draws);
        }
    }
    EXPECT_EQ(PatternByName("RandElevenDigit"), std::nullopt);
}

// Composite patterns call their parts afresh, the more significant part first.
TEST(Patterns, ComposedPatternsDrawInOrder) {
    const auto draw = [](Pattern p, std::vector<int> script) {
        ScriptedRandom rng(std::move(script));
        const ExactNumber value = DrawPattern(p, rng);
        EXPECT_EQ(rng.Remaining(), 0U);
        return Text(value);
    };
    EXPECT_EQ(draw(Pattern::RandTwoDigitE3, {2, 6}), "37000");
    EXPECT_EQ(draw(Pattern::RandThreeDigit, {0, 4}), "105");
    EXPECT_EQ(draw(Pattern::RandFiveDigit, {2345, 5}), "33456");
    EXPECT_EQ(draw(Pattern::RandEightDigit, {123456, 4, 7}), "22345658");
    EXPECT_EQ(draw(Pattern::RandNineDigit, {0, 0, 1, 2}), "100000123");
    EXPECT_EQ(draw(Pattern::RandNineDigitE1, {899999, 8, 8, 8}), "9999999990");
    EXPECT_EQ(draw(Pattern::RandTenDigitNoZero, {8, 7, 6, 5, 4, 3, 2, 1, 0, 8}), "9876543219");
    EXPECT_EQ(draw(Pattern::RandTensTenths, {3, 2}), "40,3");
    EXPECT_EQ(draw(Pattern::RandTensHundredths, {3, 2}), "40,03");
    EXPECT_EQ(draw(Pattern::RandDec2p4, {2345, 5}), "12,3456");
    EXPECT_EQ(draw(Pattern::RandDec1p3NoZero, {8, 0, 4, 1}), "9,152");
    EXPECT_EQ(draw(Pattern::RandTenThousandth, {3}), "0,0004");
}

// The float of the records is the single-precision number nearest the exact
// decimal value, and the double the double nearest it (both as strtof and
// strtod read the decimal text).
TEST(Patterns, FloatAndDoubleAreNearestToTheExactValue) {
    const auto check = [](std::int64_t mantissa, int decimals) {
        const ExactNumber value{mantissa, decimals};
        std::string text = Text(value);
        std::replace(text.begin(), text.end(), ',', '.');
        ASSERT_EQ(value.AsFloat(), std::strtof(text.c_str(), nullptr)) << text;
        ASSERT_EQ(value.AsDouble(), std::strtod(text.c_str(), nullptr)) << text;
    };
    for (int decimals = 1; decimals <= 8; ++decimals) {
        for (std::int64_t m = 1; m < 20000; ++m)
            check(m, decimals);
    }
    SeededRandom engine(99);
    for (int i = 0; i < 50000; ++i) {
        const std::int64_t m =
            static_cast<std::int64_t>(engine.Random(1000000)) * 10000 + engine.Random(10000);
        check(m, 1 + engine.Random(8));
    }
    EXPECT_EQ((ExactNumber{9999999999, 0}.AsDouble()), 9999999999.0);
}

} // namespace
} // namespace quarvel
