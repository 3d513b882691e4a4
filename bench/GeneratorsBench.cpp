// Filling whole sheets (five lines, as an exercise window does for every pass)
// with each measure generator and dispatcher; reports tasks per second.

#include "core/Random.h"
#include "core/TaskRecord.h"
#include "generators/Generators.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void FillSheets(benchmark::State& bench, quarvel::GeneratorFn generate) {
    quarvel::SeededRandom rng(1);
    quarvel::TTaskSheet sheet;
    for (auto _ : bench) {
        for (int line = 1; line <= quarvel::kLines; ++line)
            sheet[line] = generate(rng);
        benchmark::DoNotOptimize(sheet);
    }
    const auto tasks = static_cast<double>(bench.iterations()) * quarvel::kLines;
    bench.counters["tasks"] = benchmark::Counter(tasks, benchmark::Counter::kIsRate);
}

} // namespace

int main(int argc, char** argv) {
    for (const quarvel::NamedGenerator& g : quarvel::MeasureGenerators()) {
        benchmark::RegisterBenchmark(("FillSheet/" + std::string(g.Name)).c_str(), FillSheets,
                                     g.Fn);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
