// The keys a decadic field takes and how its answers are judged.
#include "decadic/DekAnswer.h"
#include "drill/Drill.h"

#include "../TestData.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace quarvel {
namespace {

using enum DekTraining;
using Kind = ExitResult::Kind;

// What a field of this kind makes of every key of a keyboard row ("?" for a
// key that passes as a character beyond ASCII).
std::string Filtered(DekTraining training, bool notation, bool comma) {
    std::string out;
    for (const char32_t key : U"0123456789 ,.-+EZHTMDdezhtmxyä\u20ac\b\r\t") {
        const std::optional<char32_t> k = DekKeyFilter(training, notation, comma, key);
        if (k) out += *k < 0x80 ? static_cast<char>(*k) : '?';
    }
    return out;
}

TEST(DekKeyFilter, EachFieldTakesTheKeysOfItsAnswer) {
    // Notation: upper-case place letters ("Md" is typed m, d; "D" is swallowed)
    // or lower-case decimal ones, with "E" for the units.
    EXPECT_EQ(Filtered(DekNum, true, false), "0123456789 EZHTMdEZHTM\b\r");
    EXPECT_EQ(Filtered(DezNum, true, false), "0123456789 EzhtmEzhtm\b\r");
    // Numerals: the blank only in DekNum, the comma only where DezNum expects one.
    EXPECT_EQ(Filtered(DekNum, false, false), "0123456789 \b\r");
    EXPECT_EQ(Filtered(DezNum, false, true), "0123456789 ,\b\r");
    EXPECT_EQ(Filtered(DekDek, false, true) + Filtered(DezDez, false, true),
              "0123456789\b\r0123456789\b\r");
}

// Each answer judged as the window judges it: the shared drill with the
// decadic rules.
TEST(DekAnswerRules, JudgedThroughTheDrill) {
    const std::map<std::string, Kind, std::less<>> outcomes = {
        {"RightFirst", Kind::RightFirst},
        {"WrongFirst", Kind::WrongFirst},
        {"Nothing", Kind::Nothing},
        {"TooManyCommas", Kind::TooManyCommas}};
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/decadic_answers.csv")) {
        AppState state;
        state.DekTaskSheet[1].AnswerText = row["expected"];
        state.DekTaskSheet[1].AnswerIsNotation = row["notation"] == "yes";
        state.DekTaskSheet[1].AnswerHasComma = row["notation"] != "yes";
        DekAnswerRules rules(state.DekTaskSheet);
        EXPECT_EQ(Drill(state, rules).Exit(1, row["typed"]).Outcome, outcomes.at(row["outcome"]))
            << row.Where();
    }
}

} // namespace
} // namespace quarvel
