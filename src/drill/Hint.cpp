#include "drill/Hint.h"

#include "core/PlainText.h"
#include "decadic/DecadicGenerators.h"
#include "solution/Diagnosis.h"
#include "solution/WorkedSolution.h"

#include <cctype>

namespace quarvel {

namespace {

// A rule in two wordings: with its numbers, and without any digit for a task
// whose answer is one of those numbers ("1 l ist 1 dm³" for 1 l in dm³).
struct Rule {
    std::string WithNumbers;
    std::string InWords;
};

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// `number` stands in `text` as a number of its own, not as a part of one.
bool NamesNumber(std::string_view text, std::string_view number) {
    if (number.empty()) return false;
    for (std::size_t at = text.find(number); at != std::string_view::npos;
         at = text.find(number, at + 1)) {
        const std::size_t end = at + number.size();
        const bool before = at > 0 && (IsDigit(text[at - 1]) || text[at - 1] == ',');
        const bool after = end < text.size() &&
                           (IsDigit(text[end]) ||
                            (text[end] == ',' && end + 1 < text.size() && IsDigit(text[end + 1])));
        if (!before && !after) return true;
    }
    return false;
}

std::string Direction(int commaShift) {
    return commaShift > 0 ? " wird die Zahl größer." : " wird die Zahl kleiner.";
}

// A number 10, 100, ... times too large or too small; `integers` when both the
// answer and the typed number are whole, so only zeros are missing or too many.
std::optional<Rule> CommonRule(std::string_view kind, bool integers) {
    const bool large = kind.starts_with("comma-right-");
    if (!large && !kind.starts_with("comma-left-")) return std::nullopt;
    const std::string s =
        integers ? (large ? "Tipp: Deine Zahl hat zu viele Nullen – zähle die Stellen nach."
                          : "Tipp: Deiner Zahl fehlen Nullen – zähle die Stellen nach.")
                 : std::string("Tipp: Deine Zahl ist zu ") + (large ? "groß" : "klein") +
                       " – zähle nach, um wie viele Stellen das Komma wandert.";
    return Rule{s, s};
}

bool Whole(std::string_view number) {
    return number.find(',') == std::string_view::npos;
}

std::optional<Rule> MeasureRule(const TTaskRecord& task, std::string_view kind, bool integers) {
    if (kind == "litre-dm3")
        return Rule{"Tipp: 1\u00a0l ist 1\u00a0dm³.", "Tipp: Ein Liter ist ein Kubikdezimeter."};
    if (kind == "length-factor-on-area")
        return Rule{"Tipp: Bei Flächenmaßen ist die Umrechnungszahl 100, nicht 10.",
                    "Tipp: Flächenmaße haben eine größere Umrechnungszahl als Längenmaße."};
    if (kind == "length-factor-on-volume")
        return Rule{"Tipp: Bei Raummaßen ist die Umrechnungszahl 1000, nicht 10.",
                    "Tipp: Raummaße haben eine größere Umrechnungszahl als Längenmaße."};
    if (kind == "area-factor-on-volume")
        return Rule{"Tipp: Bei Raummaßen ist die Umrechnungszahl 1000, nicht 100.",
                    "Tipp: Raummaße haben eine größere Umrechnungszahl als Flächenmaße."};
    if (kind == "reverse-direction") {
        const auto solution = SolveMeasureTask(task);
        if (!solution) return std::nullopt;
        const std::string s = "Tipp: Von " + PlainText(task.FromUnit.str()) + " nach " +
                              PlainText(task.ToUnit.str()) + Direction(solution->CommaShift);
        return Rule{s, s};
    }
    return CommonRule(kind, integers);
}

std::optional<Rule> DekRule(const TDekTaskRecord& task, DekTraining training, std::string_view kind,
                            bool integers) {
    if (kind == "zero-place") {
        if (task.AnswerIsNotation) {
            const std::string s = "Tipp: Auch eine 0 besetzt eine Stelle.";
            return Rule{s, "Tipp: Auch eine Null besetzt eine Stelle."};
        }
        return Rule{"Tipp: Eine Stelle ohne Anzahl schreibst du als 0.",
                    "Tipp: Eine Stelle ohne Anzahl schreibst du als Null."};
    }
    if (kind == "place-order") {
        const std::string s = "Tipp: In der Stellenschreibweise kommt die höchste Stelle zuerst.";
        return Rule{s, s};
    }
    if (kind == "place-shift") {
        const std::string s = training == DekTraining::DezNum
                                  ? "Tipp: Die letzte Ziffer vor dem Komma gehört zu E."
                                  : "Tipp: Die letzte Ziffer gehört zu E.";
        return Rule{s, s};
    }
    if (kind == "reverse-direction") {
        const auto solution = SolveDekTask(task, training);
        if (!solution) return std::nullopt;
        const std::string s = "Tipp: " + FromPlaceToPlace(solution->FromUnit, solution->ToUnit) +
                              Direction(solution->CommaShift);
        return Rule{s, s};
    }
    return CommonRule(kind, integers);
}

} // namespace

std::optional<std::string> HintFor(const AnyTask& task, std::string_view typed) {
    std::optional<Rule> rule;
    std::string answer;
    if (const auto* dek = std::get_if<TDekTaskRecord>(&task)) {
        const NamedDecadicGenerator* g = FindDecadicGenerator(dek->Draws.Generator);
        if (g == nullptr) return std::nullopt;
        const auto diagnosis = DiagnoseDekAnswer(*dek, g->Training, typed);
        answer = dek->AnswerText.str();
        if (diagnosis)
            rule = DekRule(*dek, g->Training, diagnosis->Kind, Whole(answer) && Whole(typed));
    } else {
        const TTaskRecord& measure = std::get<TTaskRecord>(task);
        const auto diagnosis = DiagnoseMeasureAnswer(measure, typed);
        answer = measure.AnswerText.str();
        // Whole as the diagnosis sees it: the answer as the worked solution writes it.
        const auto solution = SolveMeasureTask(measure);
        if (diagnosis && solution)
            rule = MeasureRule(measure, diagnosis->Kind, Whole(solution->Result) && Whole(typed));
    }
    if (!rule) return std::nullopt;
    return NamesNumber(rule->WithNumbers, answer) ? rule->InWords : rule->WithNumbers;
}

} // namespace quarvel
