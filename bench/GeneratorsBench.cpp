// Filling whole sheets (five lines, as an exercise window does for every pass)
// with each measure generator and dispatcher; reports tasks per second.

#include "core/AppState.h"
#include "drill/TaskSheet.h"
#include "generators/Generators.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

void FillSheets(benchmark::State& bench, quarvel::GeneratorFn generate) {
    quarvel::AppState state;
    state.Rng = std::make_shared<quarvel::SeededRandom>(1);
    for (auto _ : bench) {
        quarvel::ClearTaskRecords(state.TaskSheet);
        for (int line = 1; line <= quarvel::kLines; ++line) {
            generate(state, line);
            state.TaskSheet[line].Active = true;
        }
        benchmark::DoNotOptimize(state.TaskSheet);
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
