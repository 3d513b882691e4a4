#pragma once
// Every measure task generator and mixing dispatcher by name, for the task
// dump, the tests and the benchmarks. The drill windows reach the generators
// through drill/Training, by type.

#include "generators/Scheme.h"

#include <span>
#include <string_view>

namespace quarvel {

struct NamedGenerator {
    std::string_view Name;
    GeneratorFn Fn;
};

// The 31 generators ("GenerateLaenge1" .. "GenerateRaumGemischt5") and the 25
// dispatchers ("MixLM1" .. "MixAlle5").
std::span<const NamedGenerator> MeasureGenerators();
// nullptr for an unknown name.
GeneratorFn FindMeasureGenerator(std::string_view name);

// The table of every generator, in the order of MeasureGenerators().
std::span<const GeneratorTable> AllTables();
// nullptr when `name` is no table-driven generator (a dispatcher, say).
const GeneratorTable* FindTable(std::string_view name);

// Where the answer field of `task` stands: as its generator places it.
AnswerField FieldOf(const TTaskRecord& task);

} // namespace quarvel
