#pragma once
// The task dump knows a family of generators through a dumper: how to find a
// generator by name and which names there are.

#include "drill/Training.h"

#include <span>
#include <string_view>
#include <vector>

namespace quarvel::taskdump {

struct Dumper {
    // Empty when the name is not one of this family's.
    LineGenerator (*Find)(std::string_view name);
    // Every name Find knows, for --list.
    std::vector<std::string_view> (*Names)();
};

std::span<const Dumper> Dumpers();

} // namespace quarvel::taskdump
