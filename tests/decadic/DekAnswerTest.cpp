#include "decadic/DekAnswer.h"

#include <gtest/gtest.h>

#include <string>

namespace quarvel {
namespace {

using enum DekTraining;
using Kind = DekJudgement::Kind;

// The keys a field of this kind takes, as the text they become.
std::string Filtered(DekTraining training, bool notation, bool comma, std::u32string_view keys) {
    std::string out;
    for (const char32_t key : keys) {
        const std::optional<char32_t> k = DekKeyFilter(training, notation, comma, key);
        if (k && *k < 0x80) out += static_cast<char>(*k);
        if (k && *k >= 0x80) out += '?';
    }
    return out;
}

constexpr std::u32string_view kAllKeys = U"0123456789 ,.-+EZHTMDdezhtmZHTMxyäÄ\u00e9\u20ac";

TEST(DekKeyFilter, DekNumNotationTakesUpperCasePlaceLetters) {
    EXPECT_EQ(Filtered(DekNum, true, false, kAllKeys), "0123456789 EZHTMdEZHTMZHTM");
    // "Md" is typed as m then d; "D" is swallowed.
    EXPECT_EQ(Filtered(DekNum, true, false, U"3md 4ZT"), "3Md 4ZT");
    EXPECT_FALSE(DekKeyFilter(DekNum, true, false, U'D'));
    EXPECT_EQ(DekKeyFilter(DekNum, true, false, U'e'), U'E');
}

TEST(DekKeyFilter, DezNumNotationTakesLowerCaseDecimalLetters) {
    EXPECT_EQ(Filtered(DezNum, true, false, kAllKeys), "0123456789 EzhtmEzhtmzhtm");
    EXPECT_EQ(Filtered(DezNum, true, false, U"2e 3Z 7H 5T 1ZT"), "2E 3z 7h 5t 1zt");
    EXPECT_EQ(DekKeyFilter(DezNum, true, false, U'Z'), U'z');
    EXPECT_FALSE(DekKeyFilter(DezNum, true, false, U'd'));
    EXPECT_FALSE(DekKeyFilter(DezNum, true, false, U'D'));
}

TEST(DekKeyFilter, NumeralFieldsTakeDigitsAndWhatTheirTrainingAllows) {
    EXPECT_EQ(Filtered(DekNum, false, false, kAllKeys), "0123456789 ");
    EXPECT_EQ(Filtered(DezNum, false, true, kAllKeys), "0123456789 ,");
    EXPECT_EQ(Filtered(DekDek, false, false, kAllKeys), "0123456789");
    EXPECT_EQ(Filtered(DezDez, false, false, kAllKeys), "0123456789");
    // The comma only ever reaches a DezNum field that expects a numeral.
    for (const DekTraining t : {DekNum, DekDek, DezDez}) {
        for (const bool notation : {false, true}) {
            EXPECT_FALSE(DekKeyFilter(t, notation, false, U','));
            EXPECT_FALSE(DekKeyFilter(t, notation, true, U','));
        }
    }
}

TEST(DekKeyFilter, BackspaceAndEnterPassEverywhere) {
    for (const DekTraining t : {DekNum, DekDek, DezNum, DezDez}) {
        for (const bool notation : {false, true}) {
            EXPECT_EQ(DekKeyFilter(t, notation, !notation, kKeyBackspace), kKeyBackspace);
            EXPECT_EQ(DekKeyFilter(t, notation, !notation, kKeyEnter), kKeyEnter);
            EXPECT_FALSE(DekKeyFilter(t, notation, !notation, U'\t'));
        }
    }
}

TDekTaskRecord Record(std::string_view answer, bool notation, bool comma = false) {
    TDekTaskRecord r;
    r.AnswerText = answer;
    r.AnswerIsNotation = notation;
    r.AnswerHasComma = comma;
    return r;
}

Kind Judge(std::string_view typed, const TDekTaskRecord& r) {
    return JudgeDekAnswer(typed, r).Outcome;
}

TEST(JudgeDekAnswer, NotationMayBeTypedWithoutOrWithExtraBlanksOrZeroPlaces) {
    const TDekTaskRecord r = Record("3T 4H 5E", true);
    EXPECT_EQ(Judge("3T 4H 5E", r), Kind::Right);
    EXPECT_EQ(Judge("3T4H5E", r), Kind::Right);
    EXPECT_EQ(Judge("  3T   4H 5E ", r), Kind::Right);
    EXPECT_EQ(Judge("3T 4H 0Z 5E", r), Kind::Right);
    EXPECT_EQ(Judge("3T4H0Z5E", r), Kind::Right);
    EXPECT_EQ(Judge("03T 4H 5E", r), Kind::Right); // leading zeros are trimmed first
}

TEST(JudgeDekAnswer, OrderAndCaseAndTwoDigitCountsMatter) {
    const TDekTaskRecord r = Record("3T 4H 5E", true);
    EXPECT_EQ(Judge("4H 3T 5E", r), Kind::Wrong);
    EXPECT_EQ(Judge("3t 4h 5e", r), Kind::Wrong); // only the key filter changes the case
    EXPECT_EQ(Judge("34H 5E", r), Kind::Wrong);
    const DekJudgement j = JudgeDekAnswer("12T", Record("1ZT 2T", true));
    EXPECT_EQ(j.TypedText, "1 2T");
    EXPECT_EQ(j.Outcome, Kind::Wrong);
}

TEST(JudgeDekAnswer, DecimalNotationAndNumerals) {
    EXPECT_EQ(Judge("2E3z7h5t", Record("2E 3z 7h 5t", true)), Kind::Right);
    const TDekTaskRecord numeral = Record("4,05", false, true);
    EXPECT_EQ(Judge("4,05", numeral), Kind::Right);
    EXPECT_EQ(Judge("4,050", numeral), Kind::Right);
    EXPECT_EQ(Judge("04,05", numeral), Kind::Right);
    EXPECT_EQ(Judge("4,5", numeral), Kind::Wrong);
    EXPECT_EQ(Judge("4 ,05", numeral), Kind::Wrong);
}

TEST(JudgeDekAnswer, NumeralsAreNotSplitAtTheirDigits) {
    const TDekTaskRecord r = Record("3405", false);
    EXPECT_EQ(Judge("3405", r), Kind::Right);
    EXPECT_EQ(Judge(" 3405 ", r), Kind::Right);
    EXPECT_EQ(Judge("3 405", r), Kind::Wrong);
    const DekJudgement j = JudgeDekAnswer("3405", r);
    EXPECT_EQ(j.TypedText, "3405");
}

TEST(JudgeDekAnswer, TheExpectedAnswerIsTrimmedAndLosesItsLeadingBlank) {
    const DekJudgement j = JudgeDekAnswer("3z 4h", Record(" 3z 4h", true));
    EXPECT_EQ(j.ExpectedText, "3z 4h");
    EXPECT_EQ(j.Outcome, Kind::Right);
    EXPECT_EQ(JudgeDekAnswer("5", Record("5,00", false, true)).ExpectedText, "5");
}

TEST(JudgeDekAnswer, EmptyFieldsAndTwoCommasAreNotJudged) {
    const TDekTaskRecord r = Record("1,25", false, true);
    EXPECT_EQ(Judge("", r), Kind::Empty);
    const DekJudgement j = JudgeDekAnswer("001,2,50", r);
    EXPECT_EQ(j.Outcome, Kind::TooManyCommas);
    EXPECT_EQ(j.FieldText, "1,2,5");
    EXPECT_EQ(j.ExpectedText, "1,25");
    // A pasted text with commas reaches a notation field too.
    EXPECT_EQ(Judge("3T,4H,5E", Record("3T 4H 5E", true)), Kind::TooManyCommas);
}

TEST(JudgeDekAnswer, ALoneZeroOrCommaIsWrong) {
    const TDekTaskRecord r = Record("7", false);
    EXPECT_EQ(Judge("0", r), Kind::Wrong);
    EXPECT_EQ(Judge(",", r), Kind::Wrong);
    EXPECT_EQ(Judge("0000000", Record("3T", true)), Kind::Wrong);
}

TEST(DekAnswerRules, TrimsTheRecordInPlaceAndComparesAsTheWindowDoes) {
    TDekTaskSheet sheet;
    sheet[2].AnswerText = " 3z 4h";
    sheet[2].AnswerIsNotation = true;
    sheet[4].AnswerText = "12,50";
    DekAnswerRules rules(sheet);
    EXPECT_EQ(rules.TrimmedExpected(2), "3z 4h");
    EXPECT_EQ(sheet[2].AnswerText, "3z 4h");
    EXPECT_EQ(rules.TrimmedExpected(4), "12,5");
    EXPECT_EQ(sheet[4].AnswerText, "12,5");
    EXPECT_EQ(rules.ComparedTyped(2, "3z4h0t"), "3z 4h");
    EXPECT_EQ(rules.ComparedTyped(4, "12,5"), "12,5");
    rules.SetSolved(4, true);
    EXPECT_TRUE(sheet[4].Solved);
    EXPECT_TRUE(rules.Solved(4));
}

} // namespace
} // namespace quarvel
