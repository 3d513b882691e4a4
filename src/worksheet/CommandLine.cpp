#include "worksheet/CommandLine.h"

#include "core/PassCount.h"
#include "worksheet/TrainingNames.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <set>

namespace quarvel {
namespace {

constexpr std::string_view kUsage =
    "Aufruf: quarvel-arbeitsblatt --training NAME --level STUFE [Optionen] -o DATEI.pdf\n"
    "        quarvel-arbeitsblatt --training NAME --level STUFE [Optionen] --json\n"
    "        quarvel-arbeitsblatt --training NAME --level STUFE [--passes N] [--seed N] --code\n"
    "        quarvel-arbeitsblatt --code CODE [--title TEXT] -o DATEI.pdf\n"
    "        quarvel-arbeitsblatt --code CODE --json\n"
    "        quarvel-arbeitsblatt --pruefe ERGEBNISCODE\n"
    "        quarvel-arbeitsblatt --list\n"
    "Ohne Optionen öffnet sich das Fenster.\n"
    "\n"
    "  --training NAME  die Übung (--list zeigt alle Namen)\n"
    "  --level STUFE    1 Neueinsteiger bis 5 Profi; 6 Volksschüler (nur masse)\n"
    "  --sheets N       Anzahl der Blätter, 1 bis 50 (Vorgabe 1)\n"
    "  --tasks N        Aufgaben je Blatt, 10 oder 20 (Vorgabe 20)\n"
    "  --seed N         Nummer der Serie; dieselbe Nummer ergibt dieselben Blätter\n"
    "                   (Vorgabe: eine neue, sie steht auf jedem Blatt)\n"
    "  --title TEXT     eine freie Titelzeile\n"
    "  --key            die Lösungen auf eigenen Seiten anhängen\n"
    "  -o DATEI         das PDF (A4) schreiben\n"
    "  --json           jede Aufgabe als eine JSON-Zeile ausgeben\n"
    "\n"
    "  --code           den Übungscode für die Klasse ausgeben: Übung, Stufe,\n"
    "                   Durchgänge und Aufgaben in acht Zeichen (--seed 0 bis 16777215)\n"
    "  --passes N       Durchgänge der Übung, 3 bis 10 (Vorgabe 3)\n"
    "  --code CODE      die Aufgaben des Übungscodes in der Reihenfolge der Übung,\n"
    "                   Durchgang für Durchgang, mit Lösungen\n"
    "  --pruefe CODE    einen Ergebniscode prüfen: Übung, Punkte und Versuche\n"
    "  --list           die Übungen mit ihren Stufen zeigen\n"
    "  --help           diese Hilfe\n";

template <typename T> std::optional<T> WholeNumber(std::string_view text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string Quoted(std::string_view text) {
    return "„" + std::string(text) + "“";
}

bool TakesValue(std::string_view option) {
    return option == "--training" || option == "--level" || option == "--sheets" ||
           option == "--tasks" || option == "--seed" || option == "--title" || option == "-o" ||
           option == "--output" || option == "--passes" || option == "--code" ||
           option == "--pruefe";
}

struct Parser {
    CommandLine line;
    std::optional<Training> training;
    std::optional<std::string_view> level;
    std::set<std::string_view> given;
    bool codeWanted = false; // --code without a code
    std::string error;

    bool Fail(std::string message) {
        error = std::move(message);
        return false;
    }

    // Every option counts once: a second value would silently win.
    bool First(std::string_view name) {
        if (given.insert(name == "--output" ? "-o" : name).second) return true;
        return Fail(std::string(name) + " ist doppelt angegeben");
    }

    bool Option(std::string_view name, std::string_view value) {
        WorksheetRequest& r = line.Request;
        if (name == "--training") {
            training = TrainingByWord(value);
            if (!training)
                return Fail("unbekannte Übung " + Quoted(value) + " (--list zeigt alle)");
        } else if (name == "--level") {
            level = value;
        } else if (name == "--sheets") {
            const auto n = WholeNumber<int>(value);
            if (!n || *n < 1 || *n > kMaxSheets) {
                return Fail("--sheets nimmt eine ganze Zahl von 1 bis 50, nicht " + Quoted(value));
            }
            r.Sheets = *n;
        } else if (name == "--tasks") {
            const auto n = WholeNumber<int>(value);
            if (!n || (*n != 10 && *n != 20)) {
                return Fail("--tasks nimmt 10 oder 20, nicht " + Quoted(value));
            }
            r.Tasks = *n;
        } else if (name == "--seed") {
            const auto n = WholeNumber<std::uint64_t>(value);
            if (!n) return Fail("--seed nimmt eine ganze Zahl ab 0, nicht " + Quoted(value));
            r.Seed = *n;
            line.SeedGiven = true;
        } else if (name == "--passes") {
            const auto n = WholeNumber<int>(value);
            if (!n || *n < kMinPasses || *n > kMaxPasses)
                return Fail("--passes nimmt eine ganze Zahl von 3 bis 10, nicht " + Quoted(value));
            line.Passes = *n;
        } else if (name == "--code") {
            const CodeReading<Exercise> reading = ReadExerciseCode(value);
            if (!reading) return Fail("--code " + Quoted(value) + ": " + reading.Refusal);
            std::string title = std::move(r.Title);
            r = ExerciseRequest(*reading.Value);
            line.Coded = reading.Value;
            r.Title = std::move(title);
        } else if (name == "--pruefe") {
            line.ResultText = std::string(value);
        } else if (name == "--title") {
            r.Title = std::string(value);
        } else {
            if (value.empty()) return Fail(std::string(name) + " braucht einen Dateinamen");
            line.Output = std::string(value);
        }
        return true;
    }

    // The first of `names` that was given, or nothing.
    std::optional<std::string_view> AnyOf(std::initializer_list<std::string_view> names) const {
        for (const std::string_view name : names) {
            if (given.contains(name)) return name;
        }
        return std::nullopt;
    }

    // After all arguments: the training and its level belong together; a
    // code fixes training, level, passes and draws, and a check stands alone.
    bool Finish() {
        if (line.What != Command::Make) return true;
        if (given.contains("--pruefe")) {
            if (given.size() > 1) return Fail("--pruefe steht allein");
            line.What = Command::Check;
            return true;
        }
        if (given.contains("--code") && !codeWanted) {
            if (const auto other =
                    AnyOf({"--training", "--level", "--passes", "--seed", "--sheets", "--tasks"})) {
                return Fail(std::string(*other) +
                            " passt nicht zu --code CODE: der Code legt Übung, Stufe, "
                            "Durchgänge und Aufgaben fest");
            }
            if (line.Output.empty() && !line.Json) {
                return Fail(
                    "nichts zu tun: -o DATEI schreibt ein PDF, --json gibt die Aufgaben aus");
            }
            return true;
        }
        if (given.contains("--passes") && !codeWanted)
            return Fail("--passes gilt nur zusammen mit --code");
        if (codeWanted) {
            if (const auto other =
                    AnyOf({"--sheets", "--tasks", "--title", "--key", "-o", "--json"})) {
                return Fail(std::string(*other) +
                            " passt nicht zu --code: es gibt nur den Übungscode aus");
            }
            if (line.SeedGiven && line.Request.Seed >= kExerciseSeeds)
                return Fail("--seed nimmt mit --code eine ganze Zahl von 0 bis 16777215");
            line.What = Command::ExerciseCode;
        }
        if (!training) return Fail("--training fehlt (--list zeigt alle Übungen)");
        if (!level) return Fail("--level fehlt");
        const auto n = WholeNumber<int>(*level);
        const std::string_view word = WordOf(*training);
        if (!n || !HasLevel(*training, *n)) {
            return Fail("die Übung " + Quoted(word) + " hat keine Stufe " + Quoted(*level) +
                        (*training == Training::Masse ? " (1 bis 6)" : " (1 bis 5)"));
        }
        if (!codeWanted && line.Output.empty() && !line.Json) {
            return Fail("nichts zu tun: -o DATEI schreibt ein PDF, --json gibt die Aufgaben aus");
        }
        line.Request.Id = *training;
        line.Request.Level = *n;
        return true;
    }
};

} // namespace

bool WantsCommandLine(std::span<const std::string_view> args) {
    for (const std::string_view arg : args) {
        if (arg.starts_with("--") || arg == "-o" || arg == "-h") return true;
    }
    return false;
}

std::optional<CommandLine> ParseCommandLine(std::span<const std::string_view> args,
                                            std::string& error) {
    Parser p;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            p.line.What = Command::Help;
            return p.line;
        }
        p.line.What = Command::Make;
        if (arg == "--list") {
            p.line.What = Command::List;
            return p.line;
        }
        if (arg == "--key" || arg == "--json") {
            if (!p.First(arg)) {
                error = p.error;
                return std::nullopt;
            }
            (arg == "--key" ? p.line.Request.Key : p.line.Json) = true;
            continue;
        }
        // "--code" alone asks for a new code; with a word after it, it names one.
        if (arg == "--code" && (i + 1 == args.size() || args[i + 1].starts_with("-"))) {
            if (!p.First(arg)) {
                error = p.error;
                return std::nullopt;
            }
            p.codeWanted = true;
            continue;
        }
        // "--sheets 4" and "--sheets=4" alike.
        std::string_view value;
        bool hasValue = false;
        if (const std::size_t equals = arg.find('='); arg.starts_with("--") && equals != arg.npos) {
            value = arg.substr(equals + 1);
            arg = arg.substr(0, equals);
            hasValue = true;
        }
        if (!TakesValue(arg)) {
            error = "unbekannte Option " + Quoted(arg);
            return std::nullopt;
        }
        if (!hasValue) {
            if (i + 1 == args.size()) {
                error = std::string(arg) + " braucht einen Wert";
                return std::nullopt;
            }
            value = args[++i];
        }
        if (!p.First(arg) || !p.Option(arg, value)) {
            error = p.error;
            return std::nullopt;
        }
    }
    if (!p.Finish()) {
        error = p.error;
        return std::nullopt;
    }
    return p.line;
}

std::string_view Usage() {
    return kUsage;
}

std::string TrainingList() {
    std::string list;
    for (const TrainingWord& w : TrainingWords()) {
        std::string line(w.Word);
        line.resize(std::max<std::size_t>(line.size() + 2, 26), ' ');
        line += TrainingTitle(w.Id) + ": ";
        bool first = true;
        for (const LevelName& level : LevelsOf(w.Id)) {
            if (!first) line += ", ";
            line += std::to_string(level.Level) + " " + std::string(level.Caption);
            first = false;
        }
        list += line + "\n";
    }
    return list;
}

} // namespace quarvel
