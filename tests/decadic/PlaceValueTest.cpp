#include "decadic/PlaceValue.h"

#include "drill/AnswerCheck.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace quarvel {
namespace {

TEST(FormatPlaceValue, WritesEveryNonZeroPlaceFromTheHighest) {
    EXPECT_EQ(FormatPlaceValue(3405), "3T 4H 5E");
    EXPECT_EQ(FormatPlaceValue(70'010), "7ZT 1Z");
    EXPECT_EQ(FormatPlaceValue(1'000'001), "1M 1E");
    EXPECT_EQ(FormatPlaceValue(0), "");
    const std::string ten = FormatPlaceValue(9'999'999'999);
    EXPECT_EQ(ten, "9Md 9HM 9ZM 9M 9HT 9ZT 9T 9H 9Z 9E");
    EXPECT_EQ(ten.size(), 34U);
    EXPECT_EQ(FormatPlaceValue(-3405), "3T 4H 5E");
    EXPECT_EQ(FormatPlaceValue(12'000'000'005), "2Md 5E");
    EXPECT_LE(FormatPlaceValue(std::numeric_limits<std::int64_t>::min()).size(), 34U);
}

TEST(FormatDecimalPlaceValue, ExactValues) {
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{103, 2}, 2), "1E 3h");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{405, 2}, 2), "4E 5h");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{25, 1}, 3), "2E 5z");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{2375, 3}, 3), "2E 3z 7h 5t");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{123456789, 8}, 8),
              "1E 2z 3h 4t 5zt 6ht 7m 8zm 9hm");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{111111111, 8}, 8),
              "1E 1z 1h 1t 1zt 1ht 1m 1zm 1hm");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{7, 1}, 1), " 7z");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{34, 2}, 2), " 3z 4h");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{0, 0}, 3), "");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{1995, 3}, 2), "2E");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{1994, 3}, 2), "1E 9z 9h");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{123, 0}, 1), "1H 2Z 3E");
    // Decimals beyond the eighth place have no symbol.
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{1, 0}, 12), "1E");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{15, 1}, -3), "2E");
}

TEST(FormatDecimalPlaceValue, SevenAndEightDecimalsKeepEveryDigit) {
    // A float would lose the last place of 1,1111111 and turn 9,9999996 into 10.
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{11111111, 7}, 7), "1E 1z 1h 1t 1zt 1ht 1m 1zm");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{99999996, 7}, 7), "9E 9z 9h 9t 9zt 9ht 9m 6zm");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{103, 2}, 2), "1E 3h");
    EXPECT_EQ(FormatDecimalPlaceValue(ExactNumber{34, 2}, 2), " 3z 4h");
}

TEST(ParsePlaceValue, ReadsCountsOfEveryPlace) {
    EXPECT_EQ(ParsePlaceValue("3T 4H 5E"), 3405);
    EXPECT_EQ(ParsePlaceValue("7ZT 1Z"), 70'010);
    EXPECT_EQ(ParsePlaceValue("9Md 73HM 4ZM"), 16'340'000'000);
    EXPECT_EQ(ParsePlaceValue("3ZT 74H 5E"), 37'405);
    EXPECT_EQ(ParsePlaceValue("1ZM 2M 73HT 4ZT 5T 6H 7Z 8E"), 19'345'678);
    EXPECT_EQ(ParsePlaceValue(""), 0);
    // "ZT" must not be read as "Z" and "T", nor "HM" as "H" and "M".
    EXPECT_EQ(ParsePlaceValue("5ZT"), 50'000);
    EXPECT_EQ(ParsePlaceValue("5HM 3M"), 503'000'000);
    EXPECT_EQ(ParsePlaceValue("4HT 2H"), 400'200);
    EXPECT_EQ(ParsePlaceValue("1Md 1M 1T 1E"), 1'001'001'001);
    EXPECT_EQ(ParsePlaceValue("3T4H5E"), 3405);
    for (const std::int64_t v : {std::int64_t{1}, std::int64_t{10}, std::int64_t{1'000'000'001},
                                 std::int64_t{9'999'999'999}, std::int64_t{1'234'567'890},
                                 std::int64_t{5'050'505'050}, std::int64_t{100'000}}) {
        EXPECT_EQ(ParsePlaceValue(FormatPlaceValue(v)), v) << v;
    }
    EXPECT_EQ(ParsePlaceValue("T"), 0);                    // no digits
    EXPECT_EQ(ParsePlaceValue("3x4T"), 34'000);            // stray letters skipped
    EXPECT_EQ(ParsePlaceValue("hello"), 0);                // no symbol at all
    EXPECT_EQ(ParsePlaceValue("99999999999999999999999E"), // count saturates
              std::numeric_limits<std::int64_t>::max());
    // Everything before a symbol is its count, also an earlier symbol.
    EXPECT_EQ(ParsePlaceValue("999Md 999Md 9HM"), std::int64_t{999'000'000'000} + 999'900'000'000);
    EXPECT_EQ(ParsePlaceValue("9999999999Md 9999999999HM"),
              std::numeric_limits<std::int64_t>::max());
}

TEST(ParseDecimalPlaceValue, WorkedExamples) {
    EXPECT_EQ(ParseDecimalPlaceValue("1E 3h"), "1,03");
    EXPECT_EQ(ParseDecimalPlaceValue("3E 12z 4h"), "4,24");
    EXPECT_EQ(ParseDecimalPlaceValue("5z"), "0,5");
    EXPECT_EQ(ParseDecimalPlaceValue("7E"), "7");
    EXPECT_EQ(ParseDecimalPlaceValue("2E 15h 3t"), "2,153");
    EXPECT_EQ(ParseDecimalPlaceValue(" 3z 4h"), "0,34");
    EXPECT_EQ(ParseDecimalPlaceValue("1E 82z 3h 4t 5zt 6ht 7m"), "9,234567");
    EXPECT_EQ(ParseDecimalPlaceValue("1E 2z 3h 4t 5zt 6ht 7m 8zm 9hm"), "1,23456789");
    EXPECT_EQ(ParseDecimalPlaceValue("9hm 1zt"), "0,00010009");
    EXPECT_EQ(ParseDecimalPlaceValue("3m 4t"), "0,004003");
    EXPECT_EQ(ParseDecimalPlaceValue("9E 99z 99h 99t"), "19,989");
    EXPECT_EQ(ParseDecimalPlaceValue("10hm"), "0,0000001");
    EXPECT_EQ(ParseDecimalPlaceValue("99hm 99zm 99m 99ht 99zt 99t 99h 99z"), "10,99999989");
    EXPECT_EQ(ParseDecimalPlaceValue("9E 10z"), "10");
    EXPECT_EQ(ParseDecimalPlaceValue(""), "0");
    EXPECT_EQ(ParseDecimalPlaceValue("   "), "0");
    EXPECT_EQ(ParseDecimalPlaceValue("3 4 5"), "0");   // tokens without a symbol
    EXPECT_EQ(ParseDecimalPlaceValue("z"), "0");       // a symbol without digits
    EXPECT_EQ(ParseDecimalPlaceValue("2z 3z"), "0,3"); // the later token wins
    const std::string huge = ParseDecimalPlaceValue(std::string(1000, '9') + "z");
    EXPECT_EQ(huge, "99999999999999999,9");
    EXPECT_EQ(ParseDecimalPlaceValue(std::string(1000, '9') + "E"), "999999999999999999");
}

TEST(EnlargePlaceCounts, InsertsDrawnDigitsAndTakesTheNewValue) {
    // Returns the text and the new value; the script must be used up.
    const auto enlarge = [](std::int64_t value, int count, std::vector<int> draws) {
        ScriptedRandom rng(std::move(draws));
        const std::string text = EnlargePlaceCounts(value, count, rng);
        EXPECT_EQ(rng.Remaining(), 0U);
        return text + " = " + std::to_string(value);
    };
    // 30405: places 3ZT, 4H, 5E; ordinal 2 (Random(3) = 1), digit 7 (Random(9) = 6).
    EXPECT_EQ(enlarge(30'405, 1, {1, 6}), "3ZT 74H 5E = 37405");
    // 12345678, count 2: ordinal 3, then 3 again (redrawn), then 1; digits for
    // ordinal 1 first (9), then ordinal 3 (7).
    EXPECT_EQ(enlarge(12'345'678, 2, {2, 2, 0, 8, 6}), "91ZM 2M 73HT 4ZT 5T 6H 7Z 8E = 919345678");
    // The count is clamped to the places that exist.
    EXPECT_EQ(enlarge(5, 3, {0, 0}), "15E = 15");
    EXPECT_EQ(enlarge(0, 2, {}), " = 0");
    EXPECT_EQ(enlarge(345, -1, {}), "3H 4Z 5E = 345");
    // Never more than three enlarged counts: the text stays within 40 characters.
    SeededRandom seeded(7);
    std::int64_t big = 9'999'999'999;
    EXPECT_EQ(EnlargePlaceCounts(big, 10, seeded).size(), 37U);
}

TEST(EnlargeDecimalPlaceCounts, WorksOnTheDecimalNotation) {
    // 1,234567 enlarged at its second place with 8.
    ScriptedRandom rng({1, 7});
    const std::string text = EnlargeDecimalPlaceCounts(ExactNumber{1234567, 6}, 6, 1, rng);
    EXPECT_EQ(text, "1E 82z 3h 4t 5zt 6ht 7m");
    EXPECT_EQ(ParseDecimalPlaceValue(text), "9,234567");
    // A number with fewer places than asked for is enlarged where it can be,
    // never drawn for ever.
    SeededRandom seeded(1);
    EXPECT_EQ(EnlargeDecimalPlaceCounts(ExactNumber{10, 0}, 0, 2, seeded).size(), 3U);
    EXPECT_EQ(EnlargeDecimalPlaceCounts(ExactNumber{99999996, 7}, 7, 2, seeded).size(),
              std::string("9E 9z 9h 9t 9zt 9ht 9m 6zm").size() + 2);
}

TEST(ZeroRandomDigits, ZeroesDrawnDigitsAfterTheFirst) {
    const auto zero = [](int count, std::int64_t value, std::vector<int> draws) {
        ScriptedRandom rng(std::move(draws));
        const std::int64_t result = ZeroRandomDigits(count, value, rng);
        EXPECT_EQ(rng.Remaining(), 0U);
        return result;
    };
    // 12345, positions 3 and 5 (Random(4) = 1, 3).
    EXPECT_EQ(zero(2, 12'345, {1, 3}), 12'040);
    // 105: position 2 holds 0 and is drawn again; position 3 is zeroed.
    EXPECT_EQ(zero(1, 105, {0, 0, 1}), 100);
    // The count is clamped to the non-zero digits after the first.
    EXPECT_EQ(zero(1, 7, {}), 7);
    EXPECT_EQ(zero(3, 1000, {}), 1000);
    EXPECT_EQ(zero(-2, 4321, {}), 4321);
    SeededRandom rng(3);
    EXPECT_EQ(ZeroRandomDigits(100, 9'999'999'999, rng), 9'000'000'000);
    EXPECT_EQ(ZeroRandomDigits(100, -1234, rng), -1000);
    EXPECT_EQ(ZeroRandomDigits(100, std::numeric_limits<std::int64_t>::min(), rng),
              -9'000'000'000'000'000'000);
}

TEST(ZeroRandomDecimalDigits, KeepsTheFirstAndTheLastDigit) {
    const auto zero = [](int count, int decimals, ExactNumber value, std::vector<int> draws) {
        ScriptedRandom rng(std::move(draws));
        return ZeroRandomDecimalDigits(count, decimals, value, rng);
    };
    // 1,2345 -> digits 12345, positions 2..4: Random(3) = 0 and 2.
    EXPECT_EQ(zero(2, 4, ExactNumber{12345, 4}, {0, 2}), (ExactNumber{10305, 4}));
    // A position may be drawn twice.
    EXPECT_EQ(zero(2, 3, ExactNumber{1234, 3}, {1, 1}), (ExactNumber{1204, 3}));
    // 0,34 -> "034": only the 3 can change.
    EXPECT_EQ(zero(1, 2, ExactNumber{34, 2}, {0}), (ExactNumber{4, 2}));
    EXPECT_EQ(zero(1, 1, ExactNumber{15, 1}, {}), (ExactNumber{15, 1}));
    EXPECT_EQ(zero(3, 0, ExactNumber{7, 0}, {}), (ExactNumber{7, 0}));
    SeededRandom rng(5);
    EXPECT_EQ(ZeroRandomDecimalDigits(1'000'000'000, 2, ExactNumber{9999, 2}, rng),
              (ExactNumber{9009, 2}));
    const ExactNumber huge{std::numeric_limits<std::int64_t>::max(), 0};
    EXPECT_EQ(ZeroRandomDecimalDigits(2, 8, huge, rng), huge);
}

TEST(NormalizeNotationAnswer, BlanksAreTrimmedAndCollapsed) {
    EXPECT_EQ(NormalizeNotationAnswer("  3T   4H ", false), "3T 4H");
    EXPECT_EQ(NormalizeNotationAnswer("3T4H", false), "3T4H");
    EXPECT_EQ(NormalizeNotationAnswer("", true), "");
    EXPECT_EQ(NormalizeNotationAnswer("     ", true), "");
    EXPECT_EQ(NormalizeNotationAnswer("3T4H5E", true), "3T 4H 5E");
    EXPECT_EQ(NormalizeNotationAnswer("3T  4H", true), "3T 4H");
    EXPECT_EQ(NormalizeNotationAnswer("3T 4H", true), "3T 4H");
    EXPECT_EQ(NormalizeNotationAnswer("12T", true), "1 2T");
    EXPECT_EQ(NormalizeNotationAnswer(" 3z4h", true), "3z 4h");
}

TEST(DropZeroPlaces, KeepsOnlyTokensThatDoNotStartWithZero) {
    EXPECT_EQ(DropZeroPlaces("3T 0H 4Z"), "3T 4Z");
    EXPECT_EQ(DropZeroPlaces("0T 0H"), "");
    EXPECT_EQ(DropZeroPlaces("4,05"), "4,05");
    EXPECT_EQ(DropZeroPlaces(" 3T  0H  4Z "), "3T 4Z");
}

TEST(ShiftDecimalDigits, MovesTheCommaOverSixteenPaddedZeros) {
    EXPECT_EQ(ShiftDecimalDigits("0,3", 1, 8), "30000000,000000000");
    EXPECT_EQ(ShiftDecimalDigits("0,3400000", 2, 8), "34000000,0000000000");
    EXPECT_EQ(ShiftDecimalDigits("0,1234567", 7, 8), "12345670,000000000000000");
    EXPECT_EQ(TrimTrailingZeros(ShiftDecimalDigits("0,1234567", 7, 8)), "12345670");
    // The integer part is dropped.
    EXPECT_EQ(ShiftDecimalDigits("5,25", 2, 3), "250,000000000000000");
    EXPECT_EQ(ShiftDecimalDigits("", 1, 8), "00000000,00000000");
    EXPECT_EQ(ShiftDecimalDigits("12", 3, 2), "12,0000000000000000");
    EXPECT_EQ(ShiftDecimalDigits("0,3", -5, 1), "0,000000000000000");
    EXPECT_EQ(ShiftDecimalDigits("0,3", 1, -4), ",30000000000000000");
    EXPECT_EQ(
        ShiftDecimalDigits("0,3", std::numeric_limits<int>::max(), std::numeric_limits<int>::max()),
        "30000000000000000,");
}

TEST(FixedNumeral, WritesExactDigits) {
    EXPECT_EQ(FixedNumeral(ExactNumber{3405, 2}, 2), "34,05");
    EXPECT_EQ(FixedNumeral(ExactNumber{5, 0}, 2), "5,00");
    EXPECT_EQ(FixedNumeral(ExactNumber{45, 3}, 3), "0,045");
    EXPECT_EQ(FixedNumeral(ExactNumber{-5, 1}, 0), "-1");
    EXPECT_EQ(FixedNumeral(ExactNumber{-4, 1}, 0), "0");
    EXPECT_EQ(FixedNumeral(ExactNumber{std::numeric_limits<std::int64_t>::min(), 0}, 0),
              "-9223372036854775808");
}

} // namespace
} // namespace quarvel
