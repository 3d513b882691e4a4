#include "decadic/DekAnswer.h"
#include "drill/Drill.h"

#include <gtest/gtest.h>

#include <string>

namespace quarvel {
namespace {

using enum DekTraining;
using Kind = ExitResult::Kind;

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

// One answer judged as the window judges it: the shared drill with the
// decadic rules, on a fresh line.
struct Judged {
    Kind Outcome;
    std::string FieldText; // written back into the field
    std::string TypedText; // as compared
    std::string Expected;  // the record's answer after trimming
};

Judged Judge(std::string_view typed, const TDekTaskRecord& record) {
    AppState state;
    state.DekTaskSheet[1] = record;
    DekAnswerRules rules(state.DekTaskSheet);
    Drill drill(state, rules);
    const Kind outcome = drill.Exit(1, std::string(typed)).Outcome;
    return {outcome, drill.Line(1).FieldText, drill.Line(1).TypedText,
            state.DekTaskSheet[1].AnswerText.str()};
}

TEST(DekAnswerRules, JudgedThroughTheDrill) {
    struct Case {
        std::string_view Expected;
        bool Notation;
        std::string_view Typed;
        Kind Outcome;
    };
    const Case cases[] = {
        // Notation may be typed without or with extra blanks and with zero places.
        {"3T 4H 5E", true, "3T 4H 5E", Kind::RightFirst},
        {"3T 4H 5E", true, "3T4H5E", Kind::RightFirst},
        {"3T 4H 5E", true, "  3T   4H 5E ", Kind::RightFirst},
        {"3T 4H 5E", true, "3T4H0Z5E", Kind::RightFirst},
        {"3T 4H 5E", true, "03T 4H 5E", Kind::RightFirst}, // leading zeros are trimmed first
        // Order, case and two-digit counts matter; only the key filter changes the case.
        {"3T 4H 5E", true, "4H 3T 5E", Kind::WrongFirst},
        {"3T 4H 5E", true, "3t 4h 5e", Kind::WrongFirst},
        {"3T 4H 5E", true, "34H 5E", Kind::WrongFirst},
        {"1ZT 2T", true, "12T", Kind::WrongFirst},
        {"2E 3z 7h 5t", true, "2E3z7h5t", Kind::RightFirst},
        {"3z 4h", true, "3z 4h", Kind::RightFirst},
        {" 3z 4h", true, "3z 4h", Kind::RightFirst}, // the expected text loses its blank
        // Numerals are trimmed but not split at their digits.
        {"4,05", false, "4,050", Kind::RightFirst},
        {"4,05", false, "04,05", Kind::RightFirst},
        {"4,05", false, "4,5", Kind::WrongFirst},
        {"4,05", false, "4 ,05", Kind::WrongFirst},
        {"3405", false, " 3405 ", Kind::RightFirst},
        {"3405", false, "3 405", Kind::WrongFirst},
        {"5,00", false, "5", Kind::RightFirst},
        // Empty fields and two commas are not judged, also in a notation field.
        {"1,25", false, "", Kind::Nothing},
        {"1,25", false, "001,2,50", Kind::TooManyCommas},
        {"3T 4H 5E", true, "3T,4H,5E", Kind::TooManyCommas},
        // A lone zero or comma is wrong.
        {"7", false, "0", Kind::WrongFirst},
        {"7", false, ",", Kind::WrongFirst},
        {"3T", true, "0000000", Kind::WrongFirst},
    };
    for (const Case& c : cases) {
        const TDekTaskRecord r = Record(c.Expected, c.Notation, !c.Notation);
        EXPECT_EQ(Judge(c.Typed, r).Outcome, c.Outcome)
            << "'" << c.Typed << "' for '" << c.Expected << "'";
    }
    EXPECT_EQ(Judge("12T", Record("1ZT 2T", true)).TypedText, "1 2T");
    EXPECT_EQ(Judge("3405", Record("3405", false)).TypedText, "3405");
    EXPECT_EQ(Judge("3z 4h", Record(" 3z 4h", true)).Expected, "3z 4h");
    const Judged commas = Judge("001,2,50", Record("1,25", false, true));
    EXPECT_EQ(commas.FieldText, "1,2,5");
    EXPECT_EQ(commas.Expected, "1,25");
}

TEST(DekAnswerRules, AZeroPlaceInFrontIsAZeroPlaceToo) {
    struct Case {
        std::string_view Expected;
        std::string_view Typed;
        Kind Outcome;
    };
    const Case cases[] = {
        {"3H 5E", "0T 3H 5E", Kind::RightFirst},
        {"3H 5E", "00T3H5E", Kind::RightFirst},
        {"4M 2T", "0HM 0ZM 4M 2T", Kind::RightFirst},
        {" 3z 4h", "0E 3z 4h", Kind::RightFirst},
        // A symbol without a count between places, a wrong order or a missing
        // place stay wrong.
        {"3H 5E", "3H T 5E", Kind::WrongFirst},
        {"3H 5E", "0T 5E 3H", Kind::WrongFirst},
        {"2E 5z", "0E 5z", Kind::WrongFirst},
        {"3H", "0T", Kind::WrongFirst},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Judge(c.Typed, Record(c.Expected, true)).Outcome, c.Outcome)
            << "'" << c.Typed << "' for '" << c.Expected << "'";
    }
    // After a wrong first try the field shows the trimmed text; mending the
    // wrong place in it gives the right answer.
    AppState state;
    state.DekTaskSheet[1] = Record("3H 5E", true);
    DekAnswerRules rules(state.DekTaskSheet);
    Drill drill(state, rules);
    EXPECT_EQ(drill.Exit(1, "0T 4H 5E").Outcome, Kind::WrongFirst);
    EXPECT_EQ(drill.Line(1).FieldText, "T 4H 5E");
    EXPECT_EQ(drill.Exit(1, "T 3H 5E").Outcome, Kind::RightSecond);
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
