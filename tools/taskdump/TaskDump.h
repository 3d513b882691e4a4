#pragma once
// taskdump NAME [--draws V1,V2,...] [--seed N] [--count K] [--typed TEXT] [--twins]
// Runs a task generator or dispatcher outside the windows and prints, per task,
// one JSON object with the record it filled, the draw variables, the layout
// values and every Random(n) call the task made; with --twins each task's twin
// follows it.

#include <iosfwd>
#include <span>
#include <string_view>

namespace quarvel::taskdump {

// Returns the exit status: 0 on success, 2 on a usage error or a scripted draw
// outside 0 .. n-1 of its call.
int RunTaskDump(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

} // namespace quarvel::taskdump
