#pragma once
// The task dump knows a family of generators through a dumper: how to find a
// generator by name and how to write the record it filled.

#include "core/AppState.h"
#include "generators/Generators.h"
#include "worksheet/Json.h"

#include <span>
#include <string_view>
#include <vector>

namespace quarvel::taskdump {

struct Dumper {
    // nullptr when the name is not one of this family's.
    GeneratorFn (*Find)(std::string_view name);
    // Every field of the record of `line` under its own name.
    void (*WriteRecord)(const AppState& state, int line, JsonObject& out);
    // Every name Find knows, for --list.
    std::vector<std::string_view> (*Names)();
};

std::span<const Dumper> Dumpers();

} // namespace quarvel::taskdump
