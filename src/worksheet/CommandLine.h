#pragma once
// The command line of quarvel-arbeitsblatt, without Qt:
//   quarvel-arbeitsblatt --training laenge --level 3 [--sheets 4] [--tasks 20]
//                        [--seed 1234] [--title TEXT] [--key] [-o blatt.pdf] [--json]
//   quarvel-arbeitsblatt --training laenge --level 3 [--passes 3] [--seed 1234] --code
//   quarvel-arbeitsblatt --code K7QX-93PF [--title TEXT] [-o blatt.pdf] [--json]
//   quarvel-arbeitsblatt --pruefe ERGEBNISCODE
//   quarvel-arbeitsblatt --list | --help
// Without options the program opens its window.

#include "worksheet/Worksheet.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quarvel {

// Make: sheets of a series, or with Coded the sheet of a coded exercise;
// ExerciseCode: print the code of Request's training and level, Passes and
// Request.Seed; Check: read ResultText.
enum class Command { Window, Help, List, Make, ExerciseCode, Check };

struct CommandLine {
    Command What = Command::Window;
    WorksheetRequest Request;
    bool SeedGiven = false; // otherwise the caller draws a fresh series
    std::string Output;     // the PDF to write; empty: none
    bool Json = false;      // print every task as one JSON line
    int Passes = 3;         // the passes of a new exercise code
    // --code CODE: the sheet of this exercise (Request describes it).
    std::optional<Exercise> Coded;
    std::string ResultText; // the result code to check
};

// A message in `error` (German, without the program's name) and nothing when
// the arguments are wrong.
std::optional<CommandLine> ParseCommandLine(std::span<const std::string_view> args,
                                            std::string& error);

// Whether the arguments ask for anything but the window: any argument of ours
// ("-o", "-h" or one starting with "--"); Qt's own options start with one dash.
bool WantsCommandLine(std::span<const std::string_view> args);

std::string_view Usage();
// One line per training: its word, its menu path and its levels.
std::string TrainingList();

} // namespace quarvel
