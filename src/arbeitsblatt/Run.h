#pragma once
// quarvel-arbeitsblatt without its window: help, the list of trainings, and
// sheets as JSON lines and/or as a PDF file, exercise codes and the check of
// result codes.

#include "worksheet/CommandLine.h"

#include <iosfwd>
#include <span>
#include <string_view>

namespace quarvel {

// Exit statuses.
inline constexpr int kExitUsage = 2;      // a wrong option; nothing was written
inline constexpr int kExitWrite = 1;      // the PDF could not be written
inline constexpr int kExitNotGenuine = 1; // --pruefe: the result code was refused

// Parses and runs `args` (without the program name). Making a PDF needs a
// QGuiApplication; everything else runs without one.
int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// Runs what a parsed command line asks for.
int Run(CommandLine line, std::ostream& out, std::ostream& err);

} // namespace quarvel
