#include "generators/Generators.h"

#include "generators/Dispatch.h"

#include <algorithm>
#include <vector>

namespace quarvel {
namespace {

// clang-format off
constexpr NamedGenerator kGenerators[] = {
    {"GenerateLaenge1", GenerateLaenge1},
    {"GenerateLaenge2", GenerateLaenge2},
    {"GenerateLaenge3", GenerateLaenge3},
    {"GenerateLaenge4", GenerateLaenge4},
    {"GenerateLaenge5", GenerateLaenge5},
    {"GenerateMasse1", GenerateMasse1},
    {"GenerateMasse2", GenerateMasse2},
    {"GenerateMasse3", GenerateMasse3},
    {"GenerateMasse4", GenerateMasse4},
    {"GenerateMasse5", GenerateMasse5},
    {"GenerateMasse6", GenerateMasse6},
    {"GenerateFlaeche1", GenerateFlaeche1},
    {"GenerateFlaeche2", GenerateFlaeche2},
    {"GenerateFlaeche3", GenerateFlaeche3},
    {"GenerateFlaeche4", GenerateFlaeche4},
    {"GenerateFlaeche5", GenerateFlaeche5},
    {"GenerateKubik1", GenerateKubik1},
    {"GenerateKubik2", GenerateKubik2},
    {"GenerateKubik3", GenerateKubik3},
    {"GenerateKubik4", GenerateKubik4},
    {"GenerateKubik5", GenerateKubik5},
    {"GenerateLiter1", GenerateLiter1},
    {"GenerateLiter2", GenerateLiter2},
    {"GenerateLiter3", GenerateLiter3},
    {"GenerateLiter4", GenerateLiter4},
    {"GenerateLiter5", GenerateLiter5},
    {"GenerateRaumGemischt1", GenerateRaumGemischt1},
    {"GenerateRaumGemischt2", GenerateRaumGemischt2},
    {"GenerateRaumGemischt3", GenerateRaumGemischt3},
    {"GenerateRaumGemischt4", GenerateRaumGemischt4},
    {"GenerateRaumGemischt5", GenerateRaumGemischt5},
    {"MixLM1", MixLM1},
    {"MixLM2", MixLM2},
    {"MixLM3", MixLM3},
    {"MixLM4", MixLM4},
    {"MixLM5", MixLM5},
    {"MixLF1", MixLF1},
    {"MixLF2", MixLF2},
    {"MixLF3", MixLF3},
    {"MixLF4", MixLF4},
    {"MixLF5", MixLF5},
    {"MixLFM1", MixLFM1},
    {"MixLFM2", MixLFM2},
    {"MixLFM3", MixLFM3},
    {"MixLFM4", MixLFM4},
    {"MixLFM5", MixLFM5},
    {"MixFR1", MixFR1},
    {"MixFR2", MixFR2},
    {"MixFR3", MixFR3},
    {"MixFR4", MixFR4},
    {"MixFR5", MixFR5},
    {"MixAlle1", MixAlle1},
    {"MixAlle2", MixAlle2},
    {"MixAlle3", MixAlle3},
    {"MixAlle4", MixAlle4},
    {"MixAlle5", MixAlle5},
};
// clang-format on

} // namespace

std::span<const NamedGenerator> MeasureGenerators() {
    return kGenerators;
}

GeneratorFn FindMeasureGenerator(std::string_view name) {
    const auto it = std::find_if(std::begin(kGenerators), std::end(kGenerators),
                                 [name](const NamedGenerator& g) { return g.Name == name; });
    return it == std::end(kGenerators) ? nullptr : it->Fn;
}

std::span<const GeneratorTable> AllTables() {
    static const std::vector<GeneratorTable> tables = [] {
        std::vector<GeneratorTable> all;
        for (const auto kind : {LaengeTables(), MasseTables(), FlaecheTables(), KubikTables(),
                                LiterTables(), RaumGemischtTables()}) {
            all.insert(all.end(), kind.begin(), kind.end());
        }
        return all;
    }();
    return tables;
}

const GeneratorTable* FindTable(std::string_view name) {
    const auto tables = AllTables();
    const auto it = std::find_if(tables.begin(), tables.end(),
                                 [name](const GeneratorTable& s) { return s.Name == name; });
    return it == tables.end() ? nullptr : &*it;
}

AnswerField FieldOf(const TTaskRecord& task) {
    const GeneratorTable* table = FindTable(task.Draws.Generator);
    return table == nullptr ? AnswerField() : FieldOf(*table);
}

} // namespace quarvel
