// The number patterns: the shape of every value, the smallest and largest
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

using testing::Canonical;
using testing::DecimalsOf;
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

struct Shape {
    std::string Regex;
    std::string Min;
    std::string Max;
    std::vector<int> Draws; // the n of every Random(n) call, in order
};

// Shapes of the decimal patterns, as a pupil would read them.
const std::map<std::string, std::pair<std::string, std::pair<std::string, std::string>>>
    kDecimalShapes = {
        {"RandDec0p1", {"0,[1-9]", {"0,1", "0,9"}}},
        {"RandDec0p2", {"0,[1-9][1-9]", {"0,11", "0,99"}}},
        {"RandDec0p3", {"0,[1-9][0-9][1-9]", {"0,101", "0,999"}}},
        {"RandDec0p4", {"0,[1-9][0-9]{2}[1-9]", {"0,1001", "0,9999"}}},
        {"RandDec0p5", {"0,[1-9][0-9]{3}[1-9]", {"0,10001", "0,99999"}}},
        {"RandDec0p6", {"0,[1-9][0-9]{4}[1-9]", {"0,100001", "0,999999"}}},
        {"RandDec0p7", {"0,[1-9][0-9]{5}[1-9]", {"0,1000001", "0,9999999"}}},
        {"RandDec1p1", {"[1-9],[1-9]", {"1,1", "9,9"}}},
        {"RandDec1p2", {"[1-9],[0-9][1-9]", {"1,01", "9,99"}}},
        {"RandDec1p3", {"[1-9],[0-9]{2}[1-9]", {"1,001", "9,999"}}},
        {"RandDec1p4", {"[1-9],[0-9]{3}[1-9]", {"1,0001", "9,9999"}}},
        {"RandDec1p5", {"[1-9],[0-9]{4}[1-9]", {"1,00001", "9,99999"}}},
        {"RandDec2p1", {"[1-9][0-9],[1-9]", {"10,1", "99,9"}}},
        {"RandDec2p2", {"[1-9][0-9],[0-9][1-9]", {"10,01", "99,99"}}},
        {"RandDec2p3", {"[1-9][0-9],[0-9]{2}[1-9]", {"10,001", "99,999"}}},
        {"RandDec2p4", {"[1-9][0-9],[0-9]{3}[1-9]", {"10,0001", "99,9999"}}},
        {"RandDec2p5", {"[1-9][0-9],[0-9]{4}[1-9]", {"10,00001", "99,99999"}}},
        {"RandDec3p1", {"[1-9][0-9]{2},[1-9]", {"100,1", "999,9"}}},
        {"RandDec3p2", {"[1-9][0-9]{2},[0-9][1-9]", {"100,01", "999,99"}}},
        {"RandDec3p3", {"[1-9][0-9]{2},[0-9]{2}[1-9]", {"100,001", "999,999"}}},
        {"RandTensTenths", {"[1-9]0,[1-9]", {"10,1", "90,9"}}},
        {"RandTensHundredths", {"[1-9]0,0[1-9]", {"10,01", "90,09"}}},
        {"RandHundredth", {"0,0[1-9]", {"0,01", "0,09"}}},
        {"RandThousandth", {"0,00[1-9]", {"0,001", "0,009"}}},
        {"RandTenThousandth", {"0,000[1-9]", {"0,0001", "0,0009"}}},
        {"RandHundredThousandth", {"0,0000[1-9]", {"0,00001", "0,00009"}}},
        {"RandDec1p3NoZero", {"[1-9],[1-9]{3}", {"1,111", "9,999"}}},
        {"RandDec1p4NoZero", {"[1-9],[1-9]{4}", {"1,1111", "9,9999"}}},
        {"RandDec1p5NoZero", {"[1-9],[1-9]{5}", {"1,11111", "9,99999"}}},
        {"RandDec1p6NoZero", {"[1-9],[1-9]{6}", {"1,111111", "9,999999"}}},
        {"RandDec1p7NoZero", {"[1-9],[1-9]{7}", {"1,1111111", "9,9999999"}}},
        {"RandDec1p8NoZero", {"[1-9],[1-9]{8}", {"1,11111111", "9,99999999"}}},
};

const std::map<std::string, int> kBaseDigits = {
    {"RandDigit", 1},      {"RandTwoDigit", 2},   {"RandThreeDigit", 3},
    {"RandFourDigit", 4},  {"RandFiveDigit", 5},  {"RandSixDigit", 6},
    {"RandSevenDigit", 7}, {"RandEightDigit", 8}, {"RandNineDigit", 9},
};

const std::map<std::string, int> kNoZeroDigits = {
    {"RandFourDigitNoZero", 4},  {"RandFiveDigitNoZero", 5},  {"RandSixDigitNoZero", 6},
    {"RandSevenDigitNoZero", 7}, {"RandEightDigitNoZero", 8}, {"RandNineDigitNoZero", 9},
    {"RandTenDigitNoZero", 10},
};

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

std::string BaseRegex(int n) {
    if (n == 1) return "[1-9]";
    if (n == 2) return "[1-9][1-9]";
    if (n <= 7) return "[1-9][0-9]{" + std::to_string(n - 2) + "}[1-9]";
    return "[1-9][0-9]{5}[1-9]{" + std::to_string(n - 6) + "}";
}

std::string BaseMin(int n) {
    if (n <= 2) return std::string(static_cast<std::size_t>(n), '1');
    if (n <= 7) return "1" + std::string(static_cast<std::size_t>(n - 2), '0') + "1";
    return BaseMin(7) + std::string(static_cast<std::size_t>(n - 7), '1');
}

Shape ExpectedShape(const std::string& name) {
    if (const auto it = kNoZeroDigits.find(name); it != kNoZeroDigits.end()) {
        const auto n = static_cast<std::size_t>(it->second);
        return {"[1-9]{" + std::to_string(n) + "}", std::string(n, '1'), std::string(n, '9'),
                std::vector<int>(n, 9)};
    }
    if (const auto it = kDecimalShapes.find(name); it != kDecimalShapes.end()) {
        const auto& [regex, range] = it->second;
        // The digits behind the comma-free value tell which integer pattern it divides.
        const std::string digits = Canonical(std::to_string(std::stoll([&] {
            std::string s = range.first;
            std::erase(s, ',');
            return s;
        }())));
        std::vector<int> draws = NonZeroUnitsDraws(static_cast<int>(digits.size()));
        if (name.find("NoZero") != std::string::npos) draws.assign(digits.size(), 9);
        if (name.starts_with("RandTens")) draws = {9, 9};
        return {regex, range.first, range.second, draws};
    }
    const std::size_t e = name.rfind('E');
    const bool scaled = e != std::string::npos && e + 2 == name.size();
    const std::string base = scaled ? name.substr(0, e) : name;
    const auto zeros = scaled ? static_cast<std::size_t>(name.back() - '0') : 0;
    const int n = kBaseDigits.at(base);
    const std::string tail(zeros, '0');
    return {BaseRegex(n) + tail, BaseMin(n) + tail,
            std::string(static_cast<std::size_t>(n), '9') + tail, NonZeroUnitsDraws(n)};
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
        const Shape shape = ExpectedShape(name);
        const std::regex regex(shape.Regex);

        ScriptedRandom low({}, &smallest);
        ScriptedRandom high({}, &largest);
        EXPECT_EQ(Text(DrawPattern(p, low)), shape.Min);
        EXPECT_EQ(Text(DrawPattern(p, high)), shape.Max);
        EXPECT_EQ(DrawRanges(low), shape.Draws);

        for (int i = 0; i < 400; ++i) {
            ScriptedRandom rng({}, &engine);
            const ExactNumber value = DrawPattern(p, rng);
            const std::string text = Text(value);
            ASSERT_TRUE(std::regex_match(text, regex)) << text;
            ASSERT_EQ(value.Decimals, Info(p).Decimals);
            // The last written decimal is never 0, so the text needs every decimal.
            ASSERT_EQ(DecimalsOf(text), value.Decimals) << text;
            ASSERT_EQ(DrawRanges(rng), shape.Draws);
        }
    }
}

TEST(Patterns, InfoAndNamesAgree) {
    for (const Pattern p : AllPatterns()) {
        const PatternInfo& info = Info(p);
        EXPECT_EQ(info.Id, p);
        EXPECT_EQ(PatternByName(info.Name), p);
    }
    EXPECT_EQ(PatternByName("RandElevenDigit"), std::nullopt);
    EXPECT_EQ(PatternByName(""), std::nullopt);
    EXPECT_EQ(Info(Pattern::RandThreeDigitE7).Exponent, 7);
    EXPECT_EQ(Info(Pattern::RandTensHundredths).Decimals, 2);
    EXPECT_EQ(Info(Pattern::RandHundredThousandth).Decimals, 5);
    EXPECT_EQ(Info(Pattern::RandDec1p8NoZero).Decimals, 8);
    EXPECT_EQ(Info(Pattern::RandTenDigitNoZero).Decimals, 0);
}

// Composite patterns call their parts afresh, the more significant part first.
TEST(Patterns, ComposedPatternsDrawInOrder) {
    const auto draw = [](Pattern p, std::vector<int> script) {
        ScriptedRandom rng(std::move(script));
        const ExactNumber value = DrawPattern(p, rng);
        EXPECT_EQ(rng.Remaining(), 0U);
        return Text(value);
    };
    EXPECT_EQ(draw(Pattern::RandTwoDigit, {2, 6}), "37");
    EXPECT_EQ(draw(Pattern::RandTwoDigitE3, {2, 6}), "37000");
    EXPECT_EQ(draw(Pattern::RandTwoDigitE6, {8, 0}), "91000000");
    EXPECT_EQ(draw(Pattern::RandThreeDigit, {0, 4}), "105");
    EXPECT_EQ(draw(Pattern::RandFiveDigit, {2345, 5}), "33456");
    EXPECT_EQ(draw(Pattern::RandEightDigit, {123456, 4, 7}), "22345658");
    EXPECT_EQ(draw(Pattern::RandNineDigit, {0, 0, 1, 2}), "100000123");
    EXPECT_EQ(draw(Pattern::RandNineDigitE1, {899999, 8, 8, 8}), "9999999990");
    EXPECT_EQ(draw(Pattern::RandFourDigitNoZero, {0, 1, 2, 3}), "1234");
    EXPECT_EQ(draw(Pattern::RandTenDigitNoZero, {8, 7, 6, 5, 4, 3, 2, 1, 0, 8}), "9876543219");
    EXPECT_EQ(draw(Pattern::RandTensTenths, {3, 2}), "40,3");
    EXPECT_EQ(draw(Pattern::RandTensHundredths, {3, 2}), "40,03");
    EXPECT_EQ(draw(Pattern::RandDec2p4, {2345, 5}), "12,3456");
    EXPECT_EQ(draw(Pattern::RandDec1p3NoZero, {8, 0, 4, 1}), "9,152");
    EXPECT_EQ(draw(Pattern::RandTenThousandth, {3}), "0,0004");
}

// Every one of the 90 x 9 draws gives a different RandThreeDigit, never a
// multiple of 10; 105 is among them, 110 is not.
TEST(Patterns, ThreeDigitValuesAreAllReachable) {
    std::set<std::int64_t> values;
    for (int upper = 0; upper < 90; ++upper) {
        for (int units = 0; units < 9; ++units) {
            ScriptedRandom rng({upper, units});
            values.insert(DrawPattern(Pattern::RandThreeDigit, rng).Mantissa);
        }
    }
    EXPECT_EQ(values.size(), 810U);
    EXPECT_TRUE(values.contains(105));
    EXPECT_FALSE(values.contains(110));
    EXPECT_EQ(*values.begin(), 101);
    EXPECT_EQ(*values.rbegin(), 999);
}

TEST(Patterns, TwoDigitTakesEightyOneValues) {
    SeededRandom engine(5);
    std::set<std::int64_t> values;
    for (int i = 0; i < 5000; ++i)
        values.insert(DrawPattern(Pattern::RandTwoDigit, engine).Mantissa);
    EXPECT_EQ(values.size(), 81U);
    for (const std::int64_t v : {10, 20, 30, 40, 50, 60, 70, 80, 90})
        EXPECT_FALSE(values.contains(v));
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
    EXPECT_EQ((ExactNumber{11, 1}.AsFloat()), 1.1F);
    EXPECT_EQ((ExactNumber{9999999999, 0}.AsDouble()), 9999999999.0);
}

} // namespace
} // namespace quarvel
