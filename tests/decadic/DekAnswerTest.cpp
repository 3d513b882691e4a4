// The keys a decadic field takes and how its answers are judged.
#include "decadic/DekAnswer.h"
#include "drill/Drill.h"

#include <gtest/gtest.h>

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

// One line judged as the window judges it: the shared drill with the decadic
// rules.
struct OneLine {
    AppState state;
    DekAnswerRules rules{state.DekTaskSheet};
    Drill drill{state, rules};

    OneLine(std::string_view answer, bool notation) {
        state.DekTaskSheet[1].AnswerText = answer;
        state.DekTaskSheet[1].AnswerIsNotation = notation;
        state.DekTaskSheet[1].AnswerHasComma = !notation;
    }
};

TEST(DekAnswerRules, JudgedThroughTheDrill) {
    const std::tuple<std::string_view, bool, std::string_view, Kind> cases[] = {
        // Notation may be typed without or with extra blanks and with zero places,
        // also in front (a fault mended lately).
        {"3T 4H 5E", true, "  3T4H0Z   5E ", Kind::RightFirst},
        {"3T 4H 5E", true, "03T 4H 5E", Kind::RightFirst},
        {"4M 2T", true, "0HM 0ZM 4M 2T", Kind::RightFirst},
        {" 3z 4h", true, "0E 3z 4h", Kind::RightFirst}, // the expected text loses its blank
        // Order, two-digit counts and a symbol without its count matter.
        {"3T 4H 5E", true, "4H 3T 5E", Kind::WrongFirst},
        {"1ZT 2T", true, "12T", Kind::WrongFirst},
        {"3H 5E", true, "3H T 5E", Kind::WrongFirst},
        {"2E 5z", true, "0E 5z", Kind::WrongFirst},
        {"3T", true, "0000000", Kind::WrongFirst},
        // Numerals are trimmed but not split at their digits.
        {"4,05", false, "04,050", Kind::RightFirst},
        {"4,05", false, "4,5", Kind::WrongFirst},
        {"3405", false, "3 405", Kind::WrongFirst},
        // Empty fields and two commas are not judged, also in a notation field.
        {"1,25", false, "", Kind::Nothing},
        {"3T 4H 5E", true, "3T,4H,5E", Kind::TooManyCommas},
    };
    for (const auto& [expected, notation, typed, outcome] : cases) {
        OneLine one(expected, notation);
        EXPECT_EQ(one.drill.Exit(1, std::string(typed)).Outcome, outcome)
            << "'" << typed << "' for '" << expected << "'";
    }
}

} // namespace
} // namespace quarvel
