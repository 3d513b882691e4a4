// The catalogue of typical mistakes, each in both directions for every kind of
// unit, and the promise behind it: over many generated tasks and wrong answers,
// a diagnosis is only ever given when its mistake, applied to the task, gives
// exactly the typed text.

#include "Oracle.h"

#include "decadic/DecadicGenerators.h"
#include "generators/Generators.h"
#include "solution/Diagnosis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

namespace quarvel {
namespace {

using oracle::Canonical;
using oracle::Shift;

// The sentences are written as oracle::Written reads them.
const char* const kArea = "Bei Flächen ist der Umrechnungsfaktor zwischen benachbarten Einheiten "
                          "100, nicht 10.";
const char* const kVolume10 = "Bei Raummaßen ist der Umrechnungsfaktor zwischen benachbarten "
                              "Einheiten 1000, nicht 10.";
const char* const kVolume100 = "Bei Raummaßen ist der Umrechnungsfaktor zwischen benachbarten "
                               "Einheiten 1000, nicht 100.";
const char* const kLitre = "Denk daran: 1~l = 1~dm³ und 1~ml = 1~cm³.";
const char* const kOrder = "Du hast die richtigen Stellen, aber in falscher Reihenfolge: Die "
                           "höchste Stelle kommt zuerst.";
const char* const kZeroInNumeral =
    "Wo in der Stellenschreibweise eine Stelle fehlt, steht in der Zahl eine 0.";
const char* const kZeroInNotation = "Auch eine 0 besetzt eine Stelle: In der Stellenschreibweise "
                                    "lässt du sie weg, aber die anderen Ziffern behalten ihre "
                                    "Stellen.";

struct Case {
    std::optional<DekTraining> Training; // none for a measure task
    const char *Given, *From, *To, *Answer, *Typed, *Kind, *Sentence;
};

template <typename Record> Record Task(const Case& c) {
    Record r;
    r.GivenText = c.Given, r.FromUnit = c.From, r.ToUnit = c.To, r.AnswerText = c.Answer;
    return r;
}

// Every mistake the diagnosis names, for every kind of unit and training, in
// direction 1 (to a smaller unit or place, or notation to numeral) and 2.
TEST(Diagnosis, EveryKindInBothDirections) {
    using enum DekTraining;
    const std::optional<DekTraining> M; // a measure task
    const Case cases[] = {
        // Length, mass and litre have no area or cubic step and no bridge: the
        // comma and the direction are all a pupil can get wrong there.
        {M, "3,5", "km", "m", "3500", "350000", "comma-right-2",
         "Deine Zahl hat zwei~Nullen zu viel."},
        {M, "3,5", "km", "m", "3500", "35", "comma-left-2", "Deiner Zahl fehlen zwei~Nullen."},
        {M, "3,5", "km", "m", "3500", "0,0035", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von km nach m wird die Zahl größer."},
        {M, "45", "cm", "m", "0,45", "4,5", "comma-right-1",
         "Deine Zahl ist 10-mal zu groß: Das Komma gehört eine~Stelle weiter nach links."},
        {M, "45", "cm", "m", "0,45", "0,045", "comma-left-1",
         "Deine Zahl ist 10-mal zu klein: Das Komma gehört eine~Stelle weiter nach rechts."},
        {M, "45", "cm", "m", "0,45", "4500", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von cm nach m wird die Zahl kleiner."},
        {M, "2,5", "kg", "g", "2500", "25000", "comma-right-1",
         "Deine Zahl hat eine~Null zu viel."},
        {M, "2,5", "kg", "g", "2500", "2,5", "comma-left-3",
         "Deine Zahl ist 1000-mal zu klein: Das Komma gehört drei~Stellen weiter nach rechts."},
        {M, "2,5", "kg", "g", "2500", "0,0025", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von kg nach g wird die Zahl größer."},
        {M, "750", "g", "kg", "0,75", "75", "comma-right-2",
         "Deine Zahl ist 100-mal zu groß: Das Komma gehört zwei~Stellen weiter nach links."},
        {M, "750", "g", "kg", "0,75", "0,0075", "comma-left-2",
         "Deine Zahl ist 100-mal zu klein: Das Komma gehört zwei~Stellen weiter nach rechts."},
        {M, "750", "g", "kg", "0,75", "750000", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von g nach kg wird die Zahl kleiner."},
        {M, "0,8", "hl", "dl", "800", "80000", "comma-right-2",
         "Deine Zahl hat zwei~Nullen zu viel."},
        {M, "0,8", "hl", "dl", "800", "8", "comma-left-2", "Deiner Zahl fehlen zwei~Nullen."},
        {M, "0,8", "hl", "dl", "800", "0,0008", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von hl nach dl wird die Zahl größer."},
        {M, "25", "ml", "l", "0,025", "2,5", "comma-right-2",
         "Deine Zahl ist 100-mal zu groß: Das Komma gehört zwei~Stellen weiter nach links."},
        {M, "25", "ml", "l", "0,025", "0,0025", "comma-left-1",
         "Deine Zahl ist 10-mal zu klein: Das Komma gehört eine~Stelle weiter nach rechts."},
        {M, "25", "ml", "l", "0,025", "25000", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von ml nach l wird die Zahl kleiner."},
        // Area: the length factor on every step besides; no cubic step, no bridge.
        {M, "2", "ha", "m^2", "20000", "200", "length-factor-on-area", kArea},
        {M, "2", "ha", "m^2", "20000", "20000000", "comma-right-3",
         "Deine Zahl hat drei~Nullen zu viel."},
        {M, "2", "ha", "m^2", "20000", "2000", "comma-left-1", "Deiner Zahl fehlt eine~Null."},
        {M, "2", "ha", "m^2", "20000", "0,0002", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von ha nach m² wird die Zahl größer."},
        {M, "5", "dm^2", "m^2", "0,05", "0,5", "length-factor-on-area", kArea},
        {M, "5", "dm^2", "m^2", "0,05", "50", "comma-right-3",
         "Deine Zahl ist 1000-mal zu groß: Das Komma gehört drei~Stellen weiter nach links."},
        {M, "5", "dm^2", "m^2", "0,05", "0,005", "comma-left-1",
         "Deine Zahl ist 10-mal zu klein: Das Komma gehört eine~Stelle weiter nach rechts."},
        {M, "5", "dm^2", "m^2", "0,05", "500", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von dm² nach m² wird die Zahl kleiner."},
        // Cubic: the factor of length or area on a cubic step; no bridge.
        {M, "1,25", "m^3", "dm^3", "1250", "12,5", "length-factor-on-volume", kVolume10},
        {M, "1,25", "m^3", "dm^3", "1250", "125", "area-factor-on-volume", kVolume100},
        {M, "1,25", "m^3", "dm^3", "1250", "12500", "comma-right-1",
         "Deine Zahl hat eine~Null zu viel."},
        {M, "1,25", "m^3", "dm^3", "1250", "0,125", "comma-left-4",
         "Deine Zahl ist 10_000-mal zu klein: Das Komma gehört vier~Stellen weiter nach rechts."},
        {M, "1,25", "m^3", "dm^3", "1250", "0,00125", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von m³ nach dm³ wird die Zahl größer."},
        {M, "4500", "cm^3", "dm^3", "4,5", "450", "length-factor-on-volume", kVolume10},
        {M, "4500", "cm^3", "dm^3", "4,5", "45", "area-factor-on-volume", kVolume100},
        {M, "4500", "cm^3", "dm^3", "4,5", "4500", "comma-right-3",
         "Deine Zahl ist 1000-mal zu groß: Das Komma gehört drei~Stellen weiter nach links."},
        {M, "4500", "cm^3", "dm^3", "4,5", "0,45", "comma-left-1",
         "Deine Zahl ist 10-mal zu klein: Das Komma gehört eine~Stelle weiter nach rechts."},
        {M, "4500", "cm^3", "dm^3", "4,5", "4500000", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von cm³ nach dm³ wird die Zahl kleiner."},
        // Cubic <-> litre: the cubic steps over either bridge, and the bridge
        // itself off by 1000 (1 l taken as 1 cm³, 1 ml as 1 mm³).
        {M, "1,4", "m^3", "l", "1400", "14", "length-factor-on-volume", kVolume10},
        {M, "1,4", "m^3", "l", "1400", "0,14", "length-factor-on-volume",
         kVolume10}, // over ml = cm³
        {M, "1,4", "m^3", "l", "1400", "140", "area-factor-on-volume", kVolume100},
        {M, "1,4", "m^3", "l", "1400", "1400000", "litre-dm3", kLitre},
        {M, "1,4", "m^3", "l", "1400", "14000", "comma-right-1",
         "Deine Zahl hat eine~Null zu viel."},
        {M, "1,4", "m^3", "l", "1400", "0,014", "comma-left-5",
         "Deine Zahl ist 100_000-mal zu klein: Das Komma gehört fünf~Stellen weiter nach rechts."},
        {M, "1,4", "m^3", "l", "1400", "0,0014", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von m³ nach l wird die Zahl größer."},
        {M, "750", "ml", "dm^3", "0,75", "75", "length-factor-on-volume", kVolume10},
        {M, "750", "ml", "dm^3", "0,75", "7,5", "area-factor-on-volume", kVolume100},
        {M, "750", "ml", "dm^3", "0,75", "0,00075", "litre-dm3", kLitre},
        {M, "750", "ml", "dm^3", "0,75", "7500", "comma-right-4",
         "Deine Zahl ist 10_000-mal zu groß: Das Komma gehört vier~Stellen weiter nach links."},
        {M, "750", "ml", "dm^3", "0,75", "0,075", "comma-left-1",
         "Deine Zahl ist 10-mal zu klein: Das Komma gehört eine~Stelle weiter nach rechts."},
        {M, "750", "ml", "dm^3", "0,75", "750000", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von ml nach dm³ wird die Zahl kleiner."},
        // Measure answers are numbers: no place notation to misorder or shift.
        {M, "3,5", "km", "m", "3500", "03500,0", "", ""}, // the same number

        // Notation to numeral. Without a carry a number too small by tens is
        // its empty places left out; with one, it is a missing zero.
        {DekNum, "3T 5E", "", "", "3005", "35", "zero-place", kZeroInNumeral},
        {DekNum, "3T 5E", "", "", "3005", "30050", "comma-right-1",
         "Deine Zahl hat eine~Null zu viel."},
        {DekNum, "1Z 10E", "", "", "20", "2", "comma-left-1", "Deiner Zahl fehlt eine~Null."},
        {DezNum, "1E 5h", "", "", "1,05", "1,5", "zero-place", kZeroInNumeral},
        {DezNum, "1E 5h", "", "", "1,05", "10,5", "comma-right-1",
         "Deine Zahl ist 10-mal zu groß: Das Komma gehört eine~Stelle weiter nach links."},
        {DezNum, "1E 5h", "", "", "1,05", "0,105", "comma-left-1",
         "Deine Zahl ist 10-mal zu klein: Das Komma gehört eine~Stelle weiter nach rechts."},
        // Numeral to notation: only the places can be wrong, as no number is typed.
        {DekNum, "3405", "", "", "3T 4H 5E", "5E 4H 3T", "place-order", kOrder},
        {DekNum, "3405", "", "", "3T 4H 5E", "3ZT 4T 5Z", "place-shift",
         "Jede Ziffer steht bei dir eine Stelle zu hoch – die letzte Ziffer gehört zu E."},
        {DekNum, "307", "", "", "3H 7E", "3Z 7E", "zero-place", kZeroInNotation},
        {DezNum, "3,45", "", "", "3E 4z 5h", "5h 4z 3E", "place-order", kOrder},
        {DezNum, "3,45", "", "", "3E 4z 5h", "3z 4h 5t", "place-shift",
         "Jede Ziffer steht bei dir eine Stelle zu tief – die letzte Ziffer vor dem Komma gehört "
         "zu E."},
        {DezNum, "8,032", "", "", "8E 3h 2t", "8E 3z 2h", "zero-place", kZeroInNotation},
        // A count of one place in another: the field takes no comma, so a
        // result with decimals is typed as its digits (8300 HM in T the wrong
        // way is 0,083, typed 83). A count too small is typed by leaving out
        // zeros, which only an answer ending in 0 has.
        {DekDek, "8300", "HM", "T", "830000000", "83", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von HM nach T wird die Zahl größer."},
        {DekDek, "8300", "HM", "T", "830000000", "8300000000", "comma-right-1",
         "Deine Zahl hat eine~Null zu viel."},
        {DekDek, "8300", "HM", "T", "830000000", "8300", "comma-left-5",
         "Deiner Zahl fehlen fünf~Nullen."},
        {DekDek, "3400", "Z", "T", "34", "340000", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von Z nach T wird die Zahl kleiner."},
        {DekDek, "3400", "Z", "T", "34", "340", "comma-right-1",
         "Deine Zahl hat eine~Null zu viel."},
        {DekDek, "3000", "Z", "T", "30", "3", "comma-left-1", "Deiner Zahl fehlt eine~Null."},
        {DezDez, "3400", "z", "t", "340000", "34", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von Zehnteln zu Tausendsteln wird die Zahl "
         "größer."},
        {DezDez, "3400", "z", "t", "340000", "3400000", "comma-right-1",
         "Deine Zahl hat eine~Null zu viel."},
        {DezDez, "3400", "z", "t", "340000", "34000", "comma-left-1",
         "Deiner Zahl fehlt eine~Null."},
        {DezDez, "3400", "t", "z", "34", "340000", "reverse-direction",
         "Du hast in die falsche Richtung umgerechnet: Von Tausendsteln zu Zehnteln wird die Zahl "
         "kleiner."},
        {DezDez, "3400", "t", "z", "34", "340", "comma-right-1",
         "Deine Zahl hat eine~Null zu viel."},
        {DezDez, "3000", "t", "z", "30", "3", "comma-left-1", "Deiner Zahl fehlt eine~Null."},
        // A notation asked as a count of a place has no unit to turn the wrong
        // way, and a count too small leaves out the zeros of its empty places.
        {DekDek, "3ZT 5H", "", "H", "305", "35", "zero-place", kZeroInNumeral},
        {DekDek, "3ZT 5H", "", "H", "305", "3050", "comma-right-1",
         "Deine Zahl hat eine~Null zu viel."},
        {DezDez, "3z 5t", "", "t", "305", "35", "zero-place", kZeroInNumeral},
        {DezDez, "3z 5t", "", "t", "305", "3050", "comma-right-1",
         "Deine Zahl hat eine~Null zu viel."},
    };
    for (const Case& c : cases) {
        auto dek = Task<TDekTaskRecord>(c);
        const std::string_view answer = c.Answer;
        dek.AnswerIsNotation = std::any_of(answer.begin(), answer.end(), [](char ch) {
            return std::isalpha(static_cast<unsigned char>(ch)) != 0;
        });
        const auto d = c.Training ? DiagnoseDekAnswer(dek, *c.Training, c.Typed)
                                  : DiagnoseMeasureAnswer(Task<TTaskRecord>(c), c.Typed);
        const std::string task =
            std::string(c.Given) + " " + c.From + " -> " + c.To + ", typed " + c.Typed;
        EXPECT_EQ(d ? d->Kind : "", c.Kind) << task;
        EXPECT_EQ(d ? d->Sentence : "", oracle::Written(c.Sentence)) << task;
    }
}

// ---- The promise --------------------------------------------------------------------

std::vector<std::string> Split(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), {}};
}

// Places from the lowest up, so that neighbours are one index apart.
const std::vector<std::string> kPlaces = {"hm", "zm", "m",  "ht", "zt", "t",  "h",  "z",  "E",  "Z",
                                          "H",  "T",  "ZT", "HT", "M",  "ZM", "HM", "Md", "ZMd"};

// Every token of a notation moved `by` places, in reverse order if asked.
std::string Moved(const std::string& notation, int by, bool reverse = false) {
    std::string text;
    for (const std::string& t : Split(notation)) {
        const std::size_t count = t.find_first_not_of("0123456789");
        const auto place = std::find(kPlaces.begin(), kPlaces.end(), t.substr(count)) + by;
        const std::string token =
            t.substr(0, count) + (place >= kPlaces.begin() && place < kPlaces.end() ? *place : "?");
        text = text.empty() ? token : reverse ? token + " " + text : text + " " + token;
    }
    return text;
}

// Wrong answers a pupil might type: the answer with the comma moved or a zero
// left out, a notation with its places moved or reversed, any other number.
std::vector<std::string> WrongAnswers(const std::string& answer, RandomSource& rng) {
    const bool notation = answer.find_first_of("EZHTMdzhtm") != std::string::npos;
    std::vector<std::string> typed = {std::to_string(rng.Random(100000))};
    for (int k = -4; k <= 4; ++k)
        typed.push_back(notation ? Moved(answer, k, k == 0) : Shift(answer, k));
    for (std::size_t i = answer.find('0'); i != std::string::npos; i = answer.find('0', i + 1))
        typed.push_back(answer.substr(0, i) + answer.substr(i + 1));
    return typed;
}

// A numeral in notation, its last whole digit on E: "307" -> "3H 7E".
std::string Notation(const std::string& numeral) {
    auto place = static_cast<std::ptrdiff_t>(std::min(numeral.find(','), numeral.size())) + 8;
    std::string text;
    for (const char c : numeral) {
        if (c == ',') continue;
        if (--place < 0 || place >= static_cast<std::ptrdiff_t>(kPlaces.size())) return "?";
        if (c != '0') text += (text.empty() ? "" : " ") + std::string(1, c) + kPlaces[place];
    }
    return text;
}

// The numeral with one or more of its zeros left out, as if a 0 took no place.
std::vector<std::string> WithoutZeros(const std::string& numeral) {
    std::vector<std::string> shorter = {""};
    std::vector<bool> dropped = {false};
    for (const char c : numeral) {
        const std::size_t n = shorter.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (c == '0') {
                shorter.push_back(shorter[i]);
                dropped.push_back(true);
            }
            shorter[i] += c;
        }
    }
    std::vector<std::string> out;
    for (std::size_t i = 0; i < shorter.size(); ++i)
        if (dropped[i] && !shorter[i].starts_with(",")) out.push_back(shorter[i]);
    return out;
}

int PlaceIndex(const std::string& symbol) {
    return static_cast<int>(std::find(kPlaces.begin(), kPlaces.end(), symbol) - kPlaces.begin());
}

// A count of one place turned into the other the wrong way, typed into a field
// that takes no comma: 8300 HM in T -> 0,083 -> "83".
std::string Reversed(const TDekTaskRecord& r) {
    std::string digits = Shift(r.GivenText.str(), PlaceIndex(r.ToUnit) - PlaceIndex(r.FromUnit));
    std::erase(digits, ',');
    return digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1));
}

// The shifts of a cubic <-> litre task whose cubic steps are taken with the
// factor 10^k (k 1: length, 2: area) and its other steps right, over either
// bridge (l = dm^3 at 6, ml = cm^3 at 3).
std::vector<int> CubicMistakes(const std::string& from, const std::string& to, int k) {
    const auto e = [](const std::string& unit) { return oracle::kExponent.at(unit); };
    std::vector<int> shifts;
    if (from.ends_with("^3") == to.ends_with("^3")) {
        if (from.ends_with("^3")) shifts.push_back((e(from) - e(to)) / 3 * k);
        return shifts;
    }
    const std::set<std::string> litre = {"hl", "l", "dl", "cl", "ml"};
    if (!litre.contains(from.ends_with("^3") ? to : from)) return shifts;
    for (const int bridge : {6, 3}) {
        shifts.push_back(from.ends_with("^3") ? (e(from) - bridge) / 3 * k + (bridge - e(to))
                                              : (e(from) - bridge) + (bridge - e(to)) / 3 * k);
    }
    return shifts;
}

// The mistakes, done on the task: comma-left-2 etc. on the answer, the others
// on the given number with the power of ten the mistake uses.
bool MistakeGives(const std::string& kind, const std::string& answer, const std::string& typed) {
    const int k = kind.starts_with("comma-") ? std::stoi(kind.substr(kind.rfind('-') + 1)) : 0;
    return Shift(answer, kind.starts_with("comma-right") ? k : -k) == typed;
}

bool MeasureMistakeGives(const std::string& kind, const TTaskRecord& r, const std::string& typed) {
    const std::string from = r.FromUnit, to = r.ToUnit, given = r.GivenText;
    const int s = oracle::kExponent.at(from) - oracle::kExponent.at(to);
    const auto area = [](const std::string& u) { return u.ends_with("^2") || u.ends_with("a"); };
    const auto cubic = [&](int k) {
        const auto shifts = CubicMistakes(from, to, k);
        return std::any_of(shifts.begin(), shifts.end(),
                           [&](int x) { return Shift(given, x) == typed; });
    };
    if (kind == "reverse-direction") return Shift(given, -s) == typed;
    if (kind == "length-factor-on-area")
        return area(from) && area(to) && Shift(given, s / 2) == typed;
    if (kind == "length-factor-on-volume") return cubic(1);
    if (kind == "area-factor-on-volume") return cubic(2);
    if (kind == "litre-dm3")
        return from.ends_with("^3") != to.ends_with("^3") &&
               (Shift(given, s + 3) == typed || Shift(given, s - 3) == typed);
    return MistakeGives(kind, Canonical(r.AnswerText.str()), typed);
}

bool DekMistakeGives(const std::string& kind, const TDekTaskRecord& r, const std::string& typed) {
    const std::string answer = r.AnswerText.str();
    auto want = Split(answer), got = Split(typed);
    std::sort(want.begin(), want.end());
    std::sort(got.begin(), got.end());
    if (kind == "place-order") return want == got;
    if (kind == "place-shift") return Moved(answer, 1) == typed || Moved(answer, -1) == typed;
    if (kind == "reverse-direction")
        return !r.FromUnit.str().empty() && Reversed(r) == typed && typed != r.GivenText.str();
    if (kind != "zero-place") return MistakeGives(kind, answer, typed);
    if (r.AnswerIsNotation) {
        const auto shorter = WithoutZeros(r.GivenText.str());
        return std::any_of(shorter.begin(), shorter.end(),
                           [&](const std::string& n) { return Notation(n) == typed; });
    }
    // Without two-digit counts, every 0 of the answer is a place the notation leaves out.
    for (const std::string& t : Split(r.GivenText.str()))
        if (t.find_first_not_of("0123456789") != 1) return false;
    std::string someZeros;
    for (const char c : answer)
        someZeros += c == '0' ? std::string("0?") : std::string(1, c);
    return std::regex_match(typed, std::regex(someZeros));
}

TEST(Diagnosis, OnlyAnExactMistakeIsNamed) {
    SeededRandom rng(5);
    std::set<std::string> kinds;
    const auto check = [&](const auto& r, const std::optional<Diagnosis>& d, bool exact,
                           const std::string& typed) {
        if (!d) return;
        kinds.insert(d->Kind.starts_with("comma-") ? d->Kind.substr(0, d->Kind.rfind('-'))
                                                   : d->Kind);
        EXPECT_TRUE(exact) << d->Kind << ": '" << r.GivenText << "' " << r.FromUnit << " -> "
                           << r.AnswerText << " " << r.ToUnit << ", typed " << typed;
    };
    for (const GeneratorTable& table : AllTables()) {
        for (int task = 0; task < 40; ++task) {
            AppState state;
            state.Rng = std::make_shared<SeededRandom>(task);
            FindMeasureGenerator(table.Name)(state, 1);
            const TTaskRecord& r = state.TaskSheet[1];
            auto wrong = WrongAnswers(Canonical(r.AnswerText.str()), rng);
            for (int k = -4; k <= 4; ++k)
                wrong.push_back(Shift(r.GivenText.str(), k));
            for (const std::string& typed : wrong) {
                const auto d = DiagnoseMeasureAnswer(r, typed);
                check(r, d, d && MeasureMistakeGives(d->Kind, r, typed), typed);
            }
            // A cubic step taken with the factor of length or area is named.
            for (const int k : {1, 2}) {
                for (const int x : CubicMistakes(r.FromUnit, r.ToUnit, k)) {
                    const std::string typed = Shift(r.GivenText.str(), x);
                    if (typed == Canonical(r.AnswerText.str())) continue;
                    EXPECT_TRUE(DiagnoseMeasureAnswer(r, typed))
                        << r.GivenText << " " << r.FromUnit << " -> " << r.ToUnit << ": " << typed;
                }
            }
        }
    }
    for (const NamedDecadicGenerator& gen : DecadicGenerators()) {
        for (int task = 0; task < 200; ++task) {
            AppState state;
            state.Rng = std::make_shared<SeededRandom>(task);
            gen.Generate(state, 1);
            const TDekTaskRecord& r = state.DekTaskSheet[1];
            // Mistakes that must be named: a zero's place left out of a
            // notation, a count of a place turned the wrong way.
            std::vector<std::string> named;
            if (r.AnswerIsNotation) {
                for (const std::string& shorter : WithoutZeros(r.GivenText.str()))
                    named.push_back(Notation(shorter));
            }
            if (!r.FromUnit.str().empty() && Reversed(r) != r.GivenText.str())
                named.push_back(Reversed(r));
            auto wrong = WrongAnswers(r.AnswerText.str(), rng);
            wrong.insert(wrong.end(), named.begin(), named.end());
            wrong.push_back(r.GivenText.str());
            for (const std::string& typed : wrong) {
                const auto d = DiagnoseDekAnswer(r, gen.Training, typed);
                check(r, d, d && DekMistakeGives(d->Kind, r, typed), typed);
            }
            for (const std::string& typed : named) {
                EXPECT_TRUE(DiagnoseDekAnswer(r, gen.Training, typed))
                    << gen.Name << ": '" << r.GivenText << "' " << r.FromUnit << ", typed "
                    << typed;
            }
        }
    }
    EXPECT_EQ(kinds, (std::set<std::string>{"area-factor-on-volume", "comma-left", "comma-right",
                                            "length-factor-on-area", "length-factor-on-volume",
                                            "litre-dm3", "place-order", "place-shift",
                                            "reverse-direction", "zero-place"}));
}

} // namespace
} // namespace quarvel
