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
    return Counted(n, "Null", "Nullen");
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
        d.Sentence = "Deine Zahl ist " + Grouped(PowerOfTen(places)) + "-mal zu " +
                     (k > 0 ? "groß" : "klein") + ": Das Komma gehört " +
                     Counted(places, "Stelle", "Stellen") + " weiter nach " +
                     (k > 0 ? "links." : "rechts.");
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

// The places the comma moves from `from` to `to` on one chain.
int ShiftAlong(std::string_view from, std::string_view to) {
    int shift = 0;
    for (const ChainStep& step : ChainPath(from, to).value_or(std::vector<ChainStep>()))
        shift += step.Exponent;
    return shift;
}

// The shifts a pupil gets who takes each cubic step with a factor of
// 10^(3 - `lost`) instead of 1000 (`lost` 2: the length factor, 1: the area
// factor) and every other step right. Between cubic and litre units either
// bridge may be crossed.
std::vector<int> CubicFactorMistakes(const TTaskRecord& r, int lost) {
    const std::string from = r.FromUnit.str();
    const std::string to = r.ToUnit.str();
    const auto wrong = [lost](int cubic) { return cubic / 3 * (3 - lost); };
    if (Both(r, UnitKind::Cubic)) return {wrong(ShiftAlong(from, to))};
    const bool fromCubic = KindOfUnit(from) == UnitKind::Cubic;
    const bool toCubic = KindOfUnit(to) == UnitKind::Cubic;
    const bool fromLitre = KindOfUnit(from) == UnitKind::Litre;
    const bool toLitre = KindOfUnit(to) == UnitKind::Litre;
    std::vector<int> shifts;
    for (const auto& [litre, cubic] : kLitreCubicBridges) {
        if (fromCubic && toLitre)
            shifts.push_back(wrong(ShiftAlong(from, cubic)) + ShiftAlong(litre, to));
        if (fromLitre && toCubic)
            shifts.push_back(ShiftAlong(from, litre) + wrong(ShiftAlong(cubic, to)));
    }
    return shifts;
}

bool OneOf(int x, const std::vector<int>& shifts, int right) {
    return x != right && std::find(shifts.begin(), shifts.end(), x) != shifts.end();
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

// The notation of the digits with some of their zeros left out, as if a 0
// took no place: 307 written as "3Z 7E", 8,032 as "8E 3z 2h". The whole digits
// that stay still end at E, the decimals still begin after it.
bool DropsZeroPlaces(const std::vector<PlaceDigit>& digits, std::string_view typed) {
    constexpr std::size_t kMostZeros = 12;
    std::vector<std::size_t> zeros;
    for (std::size_t i = 0; i < digits.size(); ++i)
        if (digits[i].Count == "0") zeros.push_back(i);
    if (zeros.empty() || zeros.size() > kMostZeros) return false;
    for (unsigned out = 1; out < (1U << zeros.size()); ++out) {
        std::vector<std::string> whole;
        std::vector<std::string> decimals;
        for (std::size_t i = 0, z = 0; i < digits.size(); ++i) {
            const bool zero = z < zeros.size() && zeros[z] == i;
            if (zero && (out >> z++ & 1U) != 0) continue;
            (digits[i].Exponent >= 0 ? whole : decimals).push_back(digits[i].Count);
        }
        if (whole.empty()) continue;
        std::vector<PlaceDigit> kept;
        int exponent = static_cast<int>(whole.size());
        for (const auto* part : {&whole, &decimals})
            for (const std::string& count : *part)
                kept.push_back({--exponent, "", count});
        if (MovedNotation(kept, 0) == typed) return true;
    }
    return false;
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
    const bool decimal = std::any_of(s.Expected.begin(), s.Expected.end(),
                                     [](const PlaceDigit& cell) { return cell.Exponent < 0; });
    for (const int offset : {1, -1}) {
        if (MovedNotation(s.Expected, offset) != typed) continue;
        return Diagnosis{"place-shift", std::string("Jede Ziffer steht bei dir eine Stelle zu ") +
                                            (offset > 0 ? "hoch" : "tief") +
                                            " – die letzte Ziffer " +
                                            (decimal ? "vor dem Komma " : "") + "gehört zu E."};
    }
    if (DropsZeroPlaces(s.Expected, typed)) {
        return Diagnosis{"zero-place", "Auch eine 0 besetzt eine Stelle: In der "
                                       "Stellenschreibweise lässt du sie weg, aber die anderen "
                                       "Ziffern behalten ihre Stellen."};
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

// A count of one place turned into another the wrong way round: 3400 Z in T
// typed as 340000. The field takes no comma, so a result with decimals is
// typed as its digits (8300 HM in T the wrong way is 0,083, typed 0083); the
// given number itself is no such result, as it says nothing of a direction.
bool ReversesDirection(const DekSolution& s, std::string_view given, std::string_view typed) {
    const auto value = ReadDecimal(given);
    if (s.FromUnit.empty() || s.CommaShift == 0 || !value || typed == given) return false;
    std::string digits = ShiftedDecimal(*value, -s.CommaShift);
    std::erase(digits, ',');
    return TrimmedTyped(digits) == typed;
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
        return Diagnosis{"litre-dm3",
                         "Denk daran: 1\u00a0l = 1\u00a0dm³ und 1\u00a0ml = 1\u00a0cm³."};
    if (Both(r, UnitKind::Area) && 2 * *x == s) {
        return Diagnosis{"length-factor-on-area", "Bei Flächen ist der Umrechnungsfaktor zwischen "
                                                  "benachbarten Einheiten 100, nicht 10."};
    }
    if (OneOf(*x, CubicFactorMistakes(r, 2), s)) {
        return Diagnosis{"length-factor-on-volume",
                         "Bei Raummaßen ist der Umrechnungsfaktor "
                         "zwischen benachbarten Einheiten 1000, nicht 10."};
    }
    if (OneOf(*x, CubicFactorMistakes(r, 1), s)) {
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
    if (ReversesDirection(*solution, r.GivenText.str(), trimmed)) {
        return Diagnosis{"reverse-direction",
                         "Du hast in die falsche Richtung umgerechnet: " +
                             FromPlaceToPlace(solution->FromUnit, solution->ToUnit) +
                             " wird die Zahl " +
                             (solution->CommaShift > 0 ? "größer." : "kleiner.")};
    }
    return ShiftedAnswer(expected, trimmed);
}

} // namespace quarvel
