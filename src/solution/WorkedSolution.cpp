#include "solution/WorkedSolution.h"

#include "core/AnswerText.h"
#include "core/PlainText.h"
#include "decadic/PlaceValue.h"
#include "solution/DecimalText.h"

#include <algorithm>
#include <array>
#include <map>

namespace quarvel {

namespace {

// "3,5 km", never broken between number and unit.
std::string Quantity(std::string_view number, std::string_view unit) {
    return std::string(number) + std::string(kNoBreak) + PlainText(unit);
}

// "1 km = 1000 m = 10 000 dm": the path read from its larger end, each unit with
// the count of it that makes one of the first.
std::string RelationText(const std::vector<ChainStep>& steps, int shift) {
    std::vector<std::pair<std::string, int>> path; // unit, exponent from the first
    if (shift >= 0) {
        path.emplace_back(steps.front().From, 0);
        for (const ChainStep& step : steps)
            path.emplace_back(step.To, path.back().second + step.Exponent);
    } else {
        path.emplace_back(steps.back().To, 0);
        for (auto it = steps.rbegin(); it != steps.rend(); ++it)
            path.emplace_back(it->From, path.back().second - it->Exponent);
    }
    std::string text = Quantity("1", path.front().first);
    for (std::size_t i = 1; i < path.size(); ++i)
        text += " = " + Quantity(Grouped(PowerOfTen(path[i].second)), path[i].first);
    return text;
}

int IntegerDigits(std::string_view number) {
    const auto digits = static_cast<int>(number.substr(0, number.find(',')).size());
    return number.starts_with("0") ? digits - 1 : digits;
}

int TrailingZeros(std::string_view number) {
    const std::size_t last = number.find_last_not_of('0');
    return static_cast<int>(number.size() - (last == std::string_view::npos ? 0 : last + 1));
}

void AddShiftSentences(MeasureSolution& s, const std::string& given, const TTaskRecord& r) {
    const std::string from = PlainText(r.FromUnit.str());
    const std::string to = PlainText(r.ToUnit.str());
    // The answer stays as the pupil types it: no groups.
    const std::string equation = Quantity(Grouped(given), r.FromUnit.str()) + " = " +
                                 Quantity(s.Result, r.ToUnit.str()) + ".";
    const int places = std::abs(s.CommaShift);
    const bool integer = given.find(',') == std::string::npos;
    if (s.CommaShift == 0) {
        s.Sentences.push_back("Die Zahl bleibt gleich: " + equation);
        return;
    }
    const std::string factor = Grouped(PowerOfTen(places));
    s.Sentences.push_back("Von " + from + " nach " + to + " rechnest du " +
                          (s.CommaShift > 0 ? "mal " : "durch ") + factor + ".");
    if (integer && s.CommaShift > 0) {
        s.Sentences.push_back("Du hängst " + Counted(places, "Null", "Nullen") +
                              " an: " + equation);
    } else if (integer && TrailingZeros(given) >= places) {
        s.Sentences.push_back("Du streichst " + Counted(places, "Null", "Nullen") + ": " +
                              equation);
    } else {
        s.Sentences.push_back("Das Komma rückt um " + Counted(places, "Stelle", "Stellen") +
                              (s.CommaShift > 0 ? " nach rechts: " : " nach links: ") + equation);
        if (s.ZerosFilled) s.Sentences.push_back("Wo keine Ziffer steht, schreibst du eine 0.");
    }
}

// ---- Place-value table ----------------------------------------------------------

constexpr std::array<std::string_view, 5> kAboveMd = {"ZMd", "HMd", "B", "ZB", "HB"};

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// "3T 4H 5E" or " 3z 4h" token by token; nothing if a token is not a count of
// one or two digits followed by a place symbol.
std::optional<std::vector<PlaceDigit>> ReadNotation(std::string_view text) {
    std::vector<PlaceDigit> cells;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ') {
            ++pos;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', pos), text.size());
        const std::string_view token = text.substr(pos, end - pos);
        const std::size_t symbol = token.find_first_not_of("0123456789");
        const auto exponent =
            symbol == std::string_view::npos ? std::nullopt : PlaceExponent(token.substr(symbol));
        if (symbol == 0 || symbol > 2 || !exponent) return std::nullopt;
        cells.push_back(
            {*exponent, std::string(token.substr(symbol)), std::string(token.substr(0, symbol))});
        pos = end;
    }
    return cells;
}

// A numeral digit by digit, its last integer digit on place `units`.
std::optional<std::vector<PlaceDigit>> ReadNumeral(std::string_view text, int units) {
    const auto number = ReadDecimal(text);
    if (!number) return std::nullopt;
    const std::size_t comma = text.find(',');
    int exponent = units + static_cast<int>(comma == std::string_view::npos ? text.size() : comma);
    std::vector<PlaceDigit> cells;
    for (const char c : text) {
        if (c == ',') continue;
        const std::string_view place = PlaceSymbol(--exponent);
        if (place.empty()) return std::nullopt;
        cells.push_back({exponent, std::string(place), std::string(1, c)});
    }
    return cells;
}

// The value of the cells as one digit per place, the carries done.
std::map<int, int> Digits(const std::vector<PlaceDigit>& cells) {
    std::map<int, long long> counts;
    for (const PlaceDigit& cell : cells)
        counts[cell.Exponent] += std::stoll(cell.Count);
    std::map<int, int> digits;
    long long carry = 0;
    for (int e = counts.empty() ? 0 : counts.begin()->first; !counts.empty() || carry > 0; ++e) {
        const auto it = counts.find(e);
        long long count = carry;
        if (it != counts.end()) {
            count += it->second;
            counts.erase(it);
        }
        if (count % 10 != 0) digits[e] = static_cast<int>(count % 10);
        carry = count / 10;
    }
    return digits;
}

std::string NotationOf(const std::vector<PlaceDigit>& cells) {
    std::string text;
    for (const PlaceDigit& cell : cells) {
        if (cell.Count == "0") continue;
        text += (text.empty() ? "" : " ") + cell.Count + cell.Place;
    }
    return text;
}

std::string WithoutLeadingBlank(std::string_view text) {
    return std::string(text.starts_with(" ") ? text.substr(1) : text);
}

bool HasZero(const std::vector<PlaceDigit>& cells) {
    return std::any_of(cells.begin(), cells.end(),
                       [](const PlaceDigit& c) { return c.Count == "0"; });
}

std::string Count(int count, std::string_view place) {
    return std::to_string(count) + std::string(place);
}

// How the counts of a given notation become one digit per place, from the
// lowest place up: a two-digit count gives its tens to the next place
// ("73HT = 7M 3HT"), counts that meet at a place are added ("2M + 7M = 9M"),
// and a sum of 10 or more gives its tens on in turn ("11M = 1ZM 1M").
std::vector<std::string> CarrySentences(const std::vector<PlaceDigit>& given) {
    std::string splits;
    std::map<int, std::vector<int>> parts; // by exponent: the counts that meet there
    for (const PlaceDigit& cell : given) {
        const int count = std::stoi(cell.Count);
        if (cell.Count.size() > 1) {
            splits += (splits.empty() ? "" : ", ") + cell.Count + cell.Place + " = " +
                      Count(count / 10, PlaceSymbol(cell.Exponent + 1)) + " " +
                      Count(count % 10, cell.Place);
            parts[cell.Exponent + 1].push_back(count / 10);
        }
        if (cell.Count.size() == 1 || count % 10 != 0) parts[cell.Exponent].push_back(count % 10);
    }
    if (splits.empty()) return {};
    std::string sums;
    std::string carries;
    int carry = 0;
    for (int e = parts.begin()->first; e <= parts.rbegin()->first || carry > 0; ++e) {
        const std::string place(PlaceSymbol(e));
        const std::string next(PlaceSymbol(e + 1));
        const auto it = parts.find(e);
        int sum = 0;
        std::string added;
        for (const int count : it == parts.end() ? std::vector<int>() : it->second) {
            added += (added.empty() ? "" : " + ") + Count(count, place);
            sum += count;
        }
        if (it != parts.end() && it->second.size() > 1)
            sums += (sums.empty() ? "" : ", ") + added + " = " + Count(sum, place);
        std::string carried;
        if (carry > 0 && sum > 0) {
            carried = Count(sum, place) + " + " + Count(carry, place) + " = ";
        } else if (sum < 10) {
            carry = (sum + carry) / 10; // a carry on an empty place stays there
            continue;
        }
        sum += carry;
        carried += Count(sum, place);
        if (sum >= 10) carried += " = " + Count(sum / 10, next) + " " + Count(sum % 10, place);
        carries += (carries.empty() ? "" : ", ") + carried;
        carry = sum / 10;
    }
    std::vector<std::string> sentences = {
        "Bei einer zweistelligen Anzahl rückt der Zehner eine Stelle höher: " + splits + "."};
    if (!sums.empty())
        sentences.push_back("Anzahlen an derselben Stelle zählst du zusammen: " + sums + ".");
    if (!carries.empty()) {
        sentences.push_back("Sind es an einer Stelle 10 oder mehr, rückt der Zehner wieder eine "
                            "Stelle höher: " +
                            carries + ".");
    }
    return sentences;
}

void NotationToNumeral(DekSolution& s, const std::string& given, const std::string& answer,
                       bool decimal) {
    s.Sentences.push_back("Schreib jede Anzahl unter ihre Stelle in der Stellenwerttabelle.");
    for (std::string& sentence : CarrySentences(s.Given))
        s.Sentences.push_back(std::move(sentence));
    if (HasZero(s.Expected)) s.Sentences.push_back("Eine Stelle ohne Ziffer bekommt eine 0.");
    if (decimal) s.Sentences.push_back("Nach den Einern (E) kommt das Komma.");
    s.Sentences.push_back(given + " = " + answer + ".");
}

void NumeralToNotation(DekSolution& s, const std::string& given, const std::string& answer,
                       bool decimal) {
    s.Sentences.push_back(std::string("Schreib jede Ziffer unter ihre Stelle in der "
                                      "Stellenwerttabelle; die letzte Ziffer ") +
                          (decimal ? "vor dem Komma" : "der Zahl") + " steht unter E.");
    s.Sentences.push_back(
        std::string("Dann schreibst du jede Ziffer mit dem Zeichen ihrer Stelle") +
        (HasZero(s.Expected) ? "; Nullen lässt du weg." : "."));
    s.Sentences.push_back(Grouped(given) + " = " + answer + ".");
}

void UnitSentences(DekSolution& s, const std::string& given, const std::string& answer) {
    const std::string nb(kNoBreak);
    const std::string asked = "lies die Zahl bis zur Stelle " + s.ToUnit + " ab: ";
    const std::string result = answer + nb + PlaceAsUnit(s.ToUnit) + ".";
    if (s.FromUnit.empty()) {
        s.Sentences.push_back("Schreib " + given + " in die Stellenwerttabelle und " + asked +
                              given + " = " + result);
        if (HasZero(s.Expected)) s.Sentences.push_back("Eine Stelle ohne Ziffer bekommt eine 0.");
        return;
    }
    const int places = std::abs(s.CommaShift);
    const bool down = s.CommaShift > 0;
    const std::string& larger = down ? s.FromUnit : s.ToUnit;
    const std::string& smaller = down ? s.ToUnit : s.FromUnit;
    s.Sentences.push_back("1" + nb + PlaceAsUnit(larger) + " = " + Grouped(PowerOfTen(places)) +
                          nb + PlaceAsUnit(smaller) + ".");
    const std::string equation = Grouped(given) + nb + PlaceAsUnit(s.FromUnit) + " = " + result;
    const std::string zeros = FromPlaceToPlace(s.FromUnit, s.ToUnit) +
                              (down ? " hängst du " : " streichst du ") +
                              Counted(places, "Null", "Nullen") + (down ? " an" : "");
    if (s.Expected.empty()) { // the number reaches beyond the table
        s.Sentences.push_back(zeros + ": " + equation);
        return;
    }
    s.Sentences.push_back("Schreib " + Grouped(given) +
                          " so in die Stellenwerttabelle, dass die letzte Ziffer unter " +
                          s.FromUnit + " steht, und " + asked + equation);
    s.Sentences.push_back(zeros + ".");
}

bool Within(const std::vector<PlaceDigit>& cells, PlaceRange table) {
    return std::all_of(cells.begin(), cells.end(), [table](const PlaceDigit& c) {
        return c.Exponent >= table.Lowest && c.Exponent <= table.Highest;
    });
}

} // namespace

std::optional<MeasureSolution> SolveMeasureTask(const TTaskRecord& r) {
    const std::string given = r.GivenText.str();
    const auto value = ReadDecimal(given);
    auto steps = ChainPath(r.FromUnit.str(), r.ToUnit.str());
    if (!value || !steps || steps->empty()) return std::nullopt;
    MeasureSolution s;
    s.Steps = std::move(*steps);
    for (const ChainStep& step : s.Steps)
        s.CommaShift += step.Exponent;
    s.Result = ShiftedDecimal(*value, s.CommaShift);
    if (s.Result != TrimTrailingZeros(r.AnswerText.str())) return std::nullopt;
    s.Factor = PowerOfTen(s.CommaShift);
    s.Relation = RelationText(s.Steps, s.CommaShift);
    s.ZerosFilled = s.CommaShift > value->Decimals || -s.CommaShift > IntegerDigits(given);
    s.Sentences.push_back(s.Relation + ".");
    AddShiftSentences(s, given, r);
    return s;
}

std::string_view PlaceSymbol(int exponent) {
    if (exponent >= 0 && exponent < 10) return DecadicSymbol(exponent + 1);
    if (exponent >= 10 && exponent < 15) return kAboveMd[static_cast<std::size_t>(exponent - 10)];
    return DecimalSymbol(-exponent);
}

PlaceRange TablePlaces(DekTraining training) {
    const bool decimal = training == DekTraining::DezNum || training == DekTraining::DezDez;
    return decimal ? PlaceRange{-kMaxDecimalPlaces, 5} : PlaceRange{0, 11};
}

std::string PlaceAsUnit(std::string_view symbol) {
    static constexpr std::array<std::string_view, 8> kNames = {
        "Zehntel",         "Hundertstel",        "Tausendstel",
        "Zehntausendstel", "Hunderttausendstel", "Millionstel",
        "Zehnmillionstel", "Hundertmillionstel"};
    const auto exponent = PlaceExponent(symbol);
    if (!exponent || *exponent >= 0 || -*exponent > static_cast<int>(kNames.size()))
        return std::string(symbol);
    return std::string(kNames[static_cast<std::size_t>(-*exponent - 1)]);
}

std::string FromPlaceToPlace(std::string_view from, std::string_view to) {
    const std::string a = PlaceAsUnit(from);
    const std::string b = PlaceAsUnit(to);
    if (a != from && b != to) return "Von " + a + "n zu " + b + "n"; // "Von Zehnteln zu ..."
    return "Von " + std::string(from) + " nach " + std::string(to);
}

std::optional<int> PlaceExponent(std::string_view symbol) {
    for (int e = -kMaxDecimalPlaces; e < 15; ++e) {
        if (PlaceSymbol(e) == symbol) return e;
    }
    return std::nullopt;
}

std::optional<DekSolution> SolveDekTask(const TDekTaskRecord& r, DekTraining training) {
    const std::string given = WithoutLeadingBlank(r.GivenText.str());
    const std::string answer = DekExpectedAnswer(r.AnswerText.str());
    const bool decimal = training == DekTraining::DezNum || training == DekTraining::DezDez;
    const bool notationGiven = std::any_of(given.begin(), given.end(), IsLetter);
    DekSolution s;
    std::optional<std::vector<PlaceDigit>> from;
    std::optional<std::vector<PlaceDigit>> to;
    if (training == DekTraining::DekNum || training == DekTraining::DezNum) {
        from = notationGiven ? ReadNotation(given) : ReadNumeral(given, 0);
        to = r.AnswerIsNotation ? ReadNumeral(given, 0) : ReadNumeral(answer, 0);
        if (!from || !to || notationGiven == r.AnswerIsNotation) return std::nullopt;
        if (r.AnswerIsNotation && NotationOf(*to) != answer) return std::nullopt;
    } else {
        const auto asked = PlaceExponent(r.ToUnit.str());
        const auto unit = notationGiven ? std::optional<int>(0) : PlaceExponent(r.FromUnit.str());
        if (!asked || !unit) return std::nullopt;
        // The sentences count whole numbers by their zeros: a count of a unit
        // that turns into decimals has no such sentence.
        const bool whole =
            given.find(',') == std::string::npos && answer.find(',') == std::string::npos;
        if (!notationGiven && !whole) return std::nullopt;
        from = notationGiven ? ReadNotation(given) : ReadNumeral(given, *unit);
        to = ReadNumeral(answer, *asked);
        s.FromUnit = notationGiven ? "" : r.FromUnit.str();
        s.ToUnit = r.ToUnit.str();
        s.CommaShift = *unit - *asked;
    }
    if (!from || !to || Digits(*from) != Digits(*to)) return std::nullopt;
    s.NotationGiven = notationGiven;
    // A count of a unit can reach beyond the places of the table, as 30000 Md
    // does; then the zeros alone explain it.
    const PlaceRange table = TablePlaces(training);
    const bool fits = Within(*from, table) && Within(*to, table);
    if (!fits && (notationGiven || s.FromUnit.empty())) return std::nullopt;
    if (fits) {
        s.Given = std::move(*from);
        s.Expected = std::move(*to);
    }
    if (!s.ToUnit.empty()) {
        UnitSentences(s, given, answer);
    } else if (notationGiven) {
        NotationToNumeral(s, given, answer, decimal);
    } else {
        NumeralToNotation(s, given, answer, decimal);
    }
    return s;
}

} // namespace quarvel
