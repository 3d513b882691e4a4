#include "solution/Diagnosis.h"

#include "core/PlainText.h"
#include "decadic/PlaceValue.h"
#include "solution/DecimalText.h"
#include "solution/WorkedSolution.h"

#include <algorithm>
#include <vector>

namespace quarvel {

namespace {

// Every shift of a value that still fits an answer field of 40 characters.
constexpr int kLongestShift = 45;

std::string Zeros(int n) {
    return n == 1 ? "eine Null" : std::to_string(n) + " Nullen";
}

std::string Places(int n) {
    return n == 1 ? "1 Stelle" : std::to_string(n) + " Stellen";
}

bool IsInteger(std::string_view number) {
    return number.find(',') == std::string_view::npos;
}

// The typed number is the expected one times 10^k (k != 0).
Diagnosis CommaMistake(int k, bool integers) {
    const int places = std::abs(k);
    Diagnosis d{(k > 0 ? "comma-right-" : "comma-left-") + std::to_string(places), ""};
    if (integers) {
        d.Sentence = k > 0 ? "Deine Zahl hat " + Zeros(places) + " zu viel."
                           : (places == 1 ? "Deiner Zahl fehlt " : "Deiner Zahl fehlen ") +
                                 Zeros(places) + ".";
    } else {
        d.Sentence = "Deine Zahl ist " + PowerOfTen(places) + "-mal zu " +
                     (k > 0 ? "groß" : "klein") + ": Das Komma gehört " + Places(places) +
                     " weiter nach " + (k > 0 ? "links." : "rechts.");
    }
    return d;
}

// The k with value x 10^k written as `text`.
std::optional<int> ShiftTo(const ExactNumber& value, std::string_view text) {
    for (int k = -kLongestShift; k <= kLongestShift; ++k) {
        if (ShiftedDecimal(value, k) == text) return k;
    }
    return std::nullopt;
}

std::optional<Diagnosis> ShiftedAnswer(std::string_view expected, std::string_view typed) {
    const auto value = ReadDecimal(expected);
    const auto k = value ? ShiftTo(*value, typed) : std::nullopt;
    if (!k || *k == 0) return std::nullopt;
    return CommaMistake(*k, IsInteger(expected) && IsInteger(typed));
}

bool Both(const TTaskRecord& r, UnitKind kind) {
    return KindOfUnit(r.FromUnit.str()) == kind && KindOfUnit(r.ToUnit.str()) == kind;
}

// ---- Place-value notation -------------------------------------------------------

std::vector<std::string> Tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find(' ', pos), text.size());
        if (end > pos) tokens.emplace_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return tokens;
}

// The expected digits, each on the place `offset` higher, as notation.
std::optional<std::string> MovedNotation(const std::vector<PlaceDigit>& expected, int offset) {
    std::string text;
    for (const PlaceDigit& cell : expected) {
        if (cell.Count == "0") continue;
        const std::string_view place = PlaceSymbol(cell.Exponent + offset);
        if (place.empty()) return std::nullopt;
        text += (text.empty() ? "" : " ") + cell.Count + std::string(place);
    }
    return text;
}

std::optional<Diagnosis> NotationMistake(const DekSolution& s, std::string_view expected,
                                         std::string_view typed) {
    std::vector<std::string> want = Tokens(expected);
    std::vector<std::string> got = Tokens(typed);
    std::sort(want.begin(), want.end());
    std::sort(got.begin(), got.end());
    if (want == got) {
        return Diagnosis{"place-order", "Du hast die richtigen Stellen, aber in falscher "
                                        "Reihenfolge: Die höchste Stelle kommt zuerst."};
    }
    for (const int offset : {1, -1}) {
        if (MovedNotation(s.Expected, offset) != typed) continue;
        return Diagnosis{"place-shift", std::string("Jede Ziffer steht bei dir eine Stelle zu ") +
                                            (offset > 0 ? "hoch" : "tief") +
                                            " – die letzte Ziffer vor dem Komma gehört zu E."};
    }
    return std::nullopt;
}

// The typed numeral is the expected one with some of its zeros left out.
bool LeavesOutZeros(std::string_view expected, std::string_view typed) {
    std::size_t t = 0;
    for (const char c : expected) {
        if (t < typed.size() && typed[t] == c) {
            ++t;
        } else if (c != '0') {
            return false;
        }
    }
    return t == typed.size() && typed.size() < expected.size();
}

} // namespace

std::optional<Diagnosis> DiagnoseMeasureAnswer(const TTaskRecord& r, std::string_view typed) {
    const auto solution = SolveMeasureTask(r);
    const auto given = ReadDecimal(r.GivenText.str());
    const std::string text = TrimmedTyped(typed);
    if (!solution || !given || text == solution->Result) return std::nullopt;
    const auto x = ShiftTo(*given, text); // the typed value is the given one x 10^x
    if (!x) return std::nullopt;
    const int s = solution->CommaShift;
    const bool bridge = std::any_of(solution->Steps.begin(), solution->Steps.end(),
                                    [](const ChainStep& step) { return step.Exponent == 0; });
    if (bridge && (*x == s + 3 || *x == s - 3))
        return Diagnosis{"litre-dm3", "Denk daran: 1 l = 1 dm³ und 1 ml = 1 cm³."};
    if (Both(r, UnitKind::Area) && 2 * *x == s) {
        return Diagnosis{"length-factor-on-area", "Bei Flächen ist der Umrechnungsfaktor zwischen "
                                                  "benachbarten Einheiten 100, nicht 10."};
    }
    if (Both(r, UnitKind::Cubic) && 3 * *x == s) {
        return Diagnosis{"length-factor-on-volume",
                         "Bei Raummaßen ist der Umrechnungsfaktor "
                         "zwischen benachbarten Einheiten 1000, nicht 10."};
    }
    if (Both(r, UnitKind::Cubic) && 3 * *x == 2 * s) {
        return Diagnosis{"area-factor-on-volume",
                         "Bei Raummaßen ist der Umrechnungsfaktor "
                         "zwischen benachbarten Einheiten 1000, nicht 100."};
    }
    if (*x == -s) {
        return Diagnosis{"reverse-direction", "Du hast in die falsche Richtung umgerechnet: Von " +
                                                  PlainText(r.FromUnit.str()) + " nach " +
                                                  PlainText(r.ToUnit.str()) + " wird die Zahl " +
                                                  (s > 0 ? "größer." : "kleiner.")};
    }
    return CommaMistake(*x - s, IsInteger(solution->Result) && IsInteger(text));
}

std::optional<Diagnosis> DiagnoseDekAnswer(const TDekTaskRecord& r, DekTraining training,
                                           std::string_view typed) {
    const auto solution = SolveDekTask(r, training);
    const std::string expected = DekExpectedAnswer(r.AnswerText.str());
    const std::string trimmed = TrimmedTyped(typed);
    const std::string compared = DekComparedTyped(trimmed, r.AnswerIsNotation);
    if (!solution || compared == expected) return std::nullopt;
    if (r.AnswerIsNotation) return NotationMistake(*solution, expected, compared);
    // Without a two-digit count every 0 of the answer stands on a place the
    // notation leaves out; a carry could fill such a place.
    const bool carries = std::any_of(solution->Given.begin(), solution->Given.end(),
                                     [](const PlaceDigit& cell) { return cell.Count.size() > 1; });
    if (solution->NotationGiven && !carries && LeavesOutZeros(expected, trimmed)) {
        return Diagnosis{
            "zero-place",
            "Wo in der Stellenschreibweise eine Stelle fehlt, steht in der Zahl eine 0."};
    }
    return ShiftedAnswer(expected, trimmed);
}

} // namespace quarvel
