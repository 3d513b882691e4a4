#include "TaskDump.h"

#include "Dumpers.h"
#include "SolutionJson.h"

#include "core/Random.h"
#include "drill/Twin.h"
#include "worksheet/TaskRecordJson.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quarvel::taskdump {
namespace {

constexpr std::string_view kUsage =
    "usage: taskdump NAME [--draws V1,V2,...] [--seed N] [--count K] [--typed TEXT] [--twins]\n"
    "       taskdump --list\n"
    "NAME is a generator or dispatcher (GenerateLaenge3, MixAlle2, ...).\n"
    "--draws  the values the first Random(n) calls return, in order (first task only)\n"
    "--seed   seed of the engine that draws after them (default 1)\n"
    "--count  number of tasks, filling lines 1,2,3,4,5,1,... (default 1)\n"
    "--typed  a wrong answer to diagnose (adds Diagnosis, DiagnosisKind and Hint)\n"
    "--twins  after each task its twin, a record of the same format with TwinOf (the\n"
    "         original's line) and Draws taken from the engine; {\"TwinOf\": N, \"Twin\": null}\n"
    "         where no twin differs from the task\n"
    "Prints one JSON object per task: the record as the generator left it, Line,\n"
    "Generator, the draw variables, AnswerWidth, ToUnitLeft, Draws ([n, value]),\n"
    "and the worked solution: Steps, CommaShift and Sentences.\n";

struct Options {
    std::string_view Name;
    std::vector<int> Draws;
    std::uint64_t Seed = 1;
    long Count = 1;
    bool List = false;
    std::optional<std::string> Typed;
    bool Twins = false;
};

template <typename T> std::optional<T> ParseNumber(std::string_view text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::optional<std::vector<int>> ParseDraws(std::string_view text) {
    std::vector<int> draws;
    while (true) {
        const std::size_t comma = text.find(',');
        const auto value = ParseNumber<int>(text.substr(0, comma));
        if (!value) return std::nullopt;
        draws.push_back(*value);
        if (comma == std::string_view::npos) return draws;
        text.remove_prefix(comma + 1);
    }
}

// Parses the arguments; a message names what is wrong.
std::optional<Options> ParseOptions(std::span<const std::string_view> args, std::string& error) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool takesValue =
            arg == "--draws" || arg == "--seed" || arg == "--count" || arg == "--typed";
        if (takesValue && i + 1 == args.size()) {
            error = std::string(arg) + " needs a value";
            return std::nullopt;
        }
        if (arg == "--list") {
            options.List = true;
        } else if (arg == "--twins") {
            options.Twins = true;
        } else if (arg == "--draws") {
            const auto draws = ParseDraws(args[++i]);
            if (!draws) {
                error = "--draws takes whole numbers separated by commas";
                return std::nullopt;
            }
            options.Draws = *draws;
        } else if (arg == "--seed") {
            const auto seed = ParseNumber<std::uint64_t>(args[++i]);
            if (!seed) {
                error = "--seed takes a whole number >= 0";
                return std::nullopt;
            }
            options.Seed = *seed;
        } else if (arg == "--count") {
            const auto count = ParseNumber<long>(args[++i]);
            if (!count || *count < 1) {
                error = "--count takes a whole number >= 1";
                return std::nullopt;
            }
            options.Count = *count;
        } else if (arg == "--typed") {
            options.Typed = std::string(args[++i]);
        } else if (arg.starts_with("-")) {
            error = "unknown option " + std::string(arg);
            return std::nullopt;
        } else if (options.Name.empty()) {
            options.Name = arg;
        } else {
            error = "more than one name given";
            return std::nullopt;
        }
    }
    if (options.Name.empty() && !options.List) {
        error = "no generator name given";
        return std::nullopt;
    }
    return options;
}

LineGenerator FindGenerator(std::string_view name) {
    for (const Dumper& dumper : Dumpers()) {
        if (const LineGenerator generate = dumper.Find(name)) return generate;
    }
    return {};
}

std::string DrawsJson(const std::vector<std::pair<int, int>>& calls) {
    std::string json = "[";
    for (const auto& [n, value] : calls) {
        if (json.size() > 1) json += ", ";
        json += "[" + std::to_string(n) + ", " + std::to_string(value) + "]";
    }
    return json + "]";
}

// `twinOf`: the line of the task a twin was drawn for; 0 for a task itself.
std::string TaskJson(const AnyTask& drawn, int line, const ScriptedRandom& rng,
                     const std::optional<std::string>& typed, int twinOf = 0) {
    JsonObject task;
    task.Add("Line", line);
    if (twinOf != 0) task.Add("TwinOf", twinOf);
    WriteTask(drawn, false, task); // as its generator made it: on no line yet
    task.AddRaw("Draws", DrawsJson(rng.Calls()));
    WriteSolution(drawn, typed, task);
    return task.str();
}

} // namespace

int RunTaskDump(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<Options> options = ParseOptions(args, error);
    if (!options) {
        err << "taskdump: " << error << '\n' << kUsage;
        return 2;
    }
    if (options->List) {
        for (const Dumper& dumper : Dumpers()) {
            for (const std::string_view name : dumper.Names())
                out << name << '\n';
        }
        return 0;
    }
    const LineGenerator generate = FindGenerator(options->Name);
    if (!generate) {
        err << "taskdump: unknown generator " << options->Name << '\n' << kUsage;
        return 2;
    }

    SeededRandom engine(options->Seed);
    for (long task = 0; task < options->Count; ++task) {
        const int line = static_cast<int>(task % 5) + 1;
        ScriptedRandom rng(task == 0 ? options->Draws : std::vector<int>{}, &engine);
        AnyTask drawn;
        try {
            drawn = generate(rng);
        } catch (const ScriptError& e) {
            err << "taskdump: " << e.what() << '\n';
            return 2;
        }
        if (task == 0 && rng.Remaining() > 0) {
            err << "taskdump: " << rng.Remaining() << " of the given draws were not used\n";
        }
        out << TaskJson(drawn, line, rng, options->Typed) << '\n';
        if (!options->Twins) continue;
        ScriptedRandom twinRng({}, &engine);
        if (const std::optional<AnyTask> twin = TwinOf(drawn, twinRng)) {
            out << TaskJson(*twin, line, twinRng, options->Typed, line) << '\n';
        } else {
            out << "{\"TwinOf\": " << line << ", \"Twin\": null}\n";
        }
    }
    return 0;
}

} // namespace quarvel::taskdump
