// Place-value notation, the operations that make a decadic task harder, the keys
// a decadic field takes and how its answers are judged.
#include "decadic/PlaceValue.h"
#include "decadic/DekAnswer.h"
#include "drill/Drill.h"

#include "../solution/Oracle.h"

#include <gtest/gtest.h>

#include <map>

namespace quarvel {
namespace {

using enum DekTraining;
using Kind = ExitResult::Kind;

// "3,45" as an exact number.
ExactNumber Exact(const std::string& numeral) {
    const std::size_t comma = numeral.find(',');
    if (comma == std::string::npos) return {std::stoll(numeral), 0};
    return {std::stoll(numeral.substr(0, comma) + numeral.substr(comma + 1)),
            static_cast<int>(numeral.size() - comma - 1)};
}

// The worked examples of the hand-made tables, each through its operation.
TEST(PlaceValue, WorkedExamples) {
    std::vector<testdata::CsvRow> rows = testdata::ReadCsv("decadic/place_value_examples.csv");
    for (testdata::CsvRow& row : testdata::ReadCsv("cases/decadic_place_value.csv"))
        rows.push_back(std::move(row));
    for (const testdata::CsvRow& row : rows) {
        const std::string &op = row["operation"], &arg = row["arg1"], &result = row["result"];
        SCOPED_TRACE(row.Where() + " " + op + "('" + arg + "')");
        if (op == "FormatPlaceValue") {
            EXPECT_EQ(FormatPlaceValue(std::stoll(arg)), result);
        } else if (op == "FormatDecimalPlaceValue") {
            EXPECT_EQ(FormatDecimalPlaceValue(Exact(arg), row.Int("arg2")), result);
        } else if (op == "ParsePlaceValue") {
            EXPECT_EQ(ParsePlaceValue(arg), std::stoll(result));
        } else if (op == "ParseDecimalPlaceValue") {
            EXPECT_EQ(ParseDecimalPlaceValue(arg), result);
        } else if (op == "DropZeroPlaces") {
            EXPECT_EQ(DropZeroPlaces(arg), result);
        } else if (op == "NormalizeNotationAnswer") {
            EXPECT_EQ(NormalizeNotationAnswer(arg, row["arg2"] == "true"), result);
        } else if (op == "ShiftDecimalDigits") {
            EXPECT_EQ(ShiftDecimalDigits(arg, row.Int("arg2"), row.Int("arg3")), result);
        } else if (op == "EnlargePlaceCounts") {
            // Scripted: the ordinals of the result's two-digit counts, then their leading digits.
            const auto tokens = oracle::Read(result, false);
            ASSERT_TRUE(tokens);
            std::vector<int> ordinals, leads;
            for (std::size_t i = 0; i < tokens->size(); ++i)
                if ((*tokens)[i].Count >= 10)
                    ordinals.push_back(static_cast<int>(i)),
                        leads.push_back((*tokens)[i].Count / 10 - 1);
            ordinals.insert(ordinals.end(), leads.begin(), leads.end());
            ScriptedRandom rng(ordinals);
            std::int64_t value = std::stoll(arg);
            EXPECT_EQ(EnlargePlaceCounts(value, row.Int("arg2"), rng), result);
            EXPECT_EQ(value, oracle::Value(*tokens, false));
        } else {
            ADD_FAILURE() << "no check for " << op;
        }
    }
    EXPECT_EQ(ParseDecimalPlaceValue(std::string(1000, '9') + "z"), "99999999999999999,9");
}

// A place drawn twice is drawn anew; each operation takes its draws and no more.
TEST(PlaceValue, APlaceDrawnTwiceIsDrawnAnew) {
    ScriptedRandom rng({2, 2, 0, 8, 6}); // ordinal 3, 3 again, 1; digits from ordinal 1
    std::int64_t value = 12'345'678;
    EXPECT_EQ(EnlargePlaceCounts(value, 2, rng), "91ZM 2M 73HT 4ZT 5T 6H 7Z 8E");
    EXPECT_EQ(value, 919'345'678);
    rng.Append({0, 0, 1}); // in 105 position 2 holds 0 and is drawn anew
    EXPECT_EQ(ZeroRandomDigits(1, 105, rng), 100);
    rng.Append({0, 2}); // a decimal keeps its first and last digit
    EXPECT_EQ(ZeroRandomDecimalDigits(2, 4, {12345, 4}, rng), (ExactNumber{10305, 4}));
    EXPECT_EQ(rng.Remaining(), 0U);
}

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
    // Notation: upper-case place letters ("Md" typed m, d) or lower-case decimal ones, and E.
    EXPECT_EQ(Filtered(DekNum, true, false), "0123456789 EZHTMdEZHTM\b\r");
    EXPECT_EQ(Filtered(DezNum, true, false), "0123456789 EzhtmEzhtm\b\r");
    // Numerals: the blank only in DekNum, the comma only where DezNum expects one.
    EXPECT_EQ(Filtered(DekNum, false, false), "0123456789 \b\r");
    EXPECT_EQ(Filtered(DezNum, false, true), "0123456789 ,\b\r");
    EXPECT_EQ(Filtered(DekDek, false, true) + Filtered(DezDez, false, true),
              "0123456789\b\r0123456789\b\r");
}

// Each answer judged as the window judges it: the drill with the decadic rules.
TEST(DekAnswerRules, JudgedThroughTheDrill) {
    const std::map<std::string, Kind, std::less<>> outcomes = {
        {"RightFirst", Kind::RightFirst},
        {"WrongFirst", Kind::WrongFirst},
        {"Nothing", Kind::Nothing},
        {"TooManyCommas", Kind::TooManyCommas}};
    for (const testdata::CsvRow& row : testdata::ReadCsv("cases/decadic_answers.csv")) {
        TDekTaskSheet sheet;
        TDekTaskRecord& r = sheet[1];
        r.AnswerText = row["expected"], r.AnswerIsNotation = row["notation"] == "yes";
        r.AnswerHasComma = !r.AnswerIsNotation;
        DekAnswerRules rules(sheet);
        EXPECT_EQ(Drill(rules).Exit(1, row["typed"]).Outcome, outcomes.at(row["outcome"]))
            << row.Where();
    }
}

} // namespace
} // namespace quarvel
