#include "drill/Training.h"

#include "decadic/DekDekU.h"
#include "decadic/DekNumU.h"
#include "decadic/DezDezU.h"
#include "decadic/DezNumU.h"
#include "generators/Dispatch.h"
#include "generators/FlaechenU.h"
#include "generators/Generators.h"
#include "generators/LaengenU.h"
#include "generators/MassenU.h"
#include "generators/VKubikU.h"
#include "generators/VLiterU.h"

#include <algorithm>
#include <cstddef>

namespace quarvel {
namespace {

using S = SelectionState;
using G = LevelGroup;
using T = Training;

// clang-format off
constexpr TrainingInfo kTrainings[] = {
    {T::DekNum, G::Decadic, &S::LevelDekNum, "Dekadische Einheiten: ",
     {GenerateDekNum1, GenerateDekNum2, GenerateDekNum3, GenerateDekNum4, GenerateDekNum5}},
    {T::DekDek, G::Decadic, &S::LevelDekDek, "Dekadische Einheiten: ",
     {GenerateDekDek1, GenerateDekDek2, GenerateDekDek3, GenerateDekDek4, GenerateDekDek5}},
    {T::DezNum, G::Decadic, &S::LevelDezNum, "Dezimale Einheiten: ",
     {GenerateDezNum1, GenerateDezNum2, GenerateDezNum3, GenerateDezNum4, GenerateDezNum5}},
    {T::DezDez, G::Decadic, &S::LevelDezDez, "Dezimale Einheiten: ",
     {GenerateDezDez1, GenerateDezDez2, GenerateDezDez3, GenerateDezDez4, GenerateDezDez5}},

    {T::Laenge, G::Measure, &S::LevelLaenge, "Längenmaße: ",
     {GenerateLaenge1, GenerateLaenge2, GenerateLaenge3, GenerateLaenge4, GenerateLaenge5}},
    {T::Masse, G::Measure, &S::LevelMasse, "Massenmaße: ",
     {GenerateMasse1, GenerateMasse2, GenerateMasse3, GenerateMasse4, GenerateMasse5,
      GenerateMasse6}},
    {T::Flaeche, G::Measure, &S::LevelFlaeche, "Flächenmaße: ",
     {GenerateFlaeche1, GenerateFlaeche2, GenerateFlaeche3, GenerateFlaeche4, GenerateFlaeche5}},
    {T::Kubik, G::Measure, &S::LevelKubik, "Volumenmaße-Kubik: ",
     {GenerateKubik1, GenerateKubik2, GenerateKubik3, GenerateKubik4, GenerateKubik5}},
    {T::Liter, G::Measure, &S::LevelLiter, "Volumenmaße-Liter: ",
     {GenerateLiter1, GenerateLiter2, GenerateLiter3, GenerateLiter4, GenerateLiter5}},
    // The mixed volume level draws through the area/volume mix.
    {T::Gemischt, G::Measure, &S::LevelGemischt, "Volumenmaße-Gemischt: ",
     {MixFR1, MixFR2, MixFR3, MixFR4, MixFR5}},

    {T::LM, G::Combination, &S::LevelLM, "Kombination-Längennmaße und Massemaße: ",
     {MixLM1, MixLM2, MixLM3, MixLM4, MixLM5}},
    {T::LF, G::Combination, &S::LevelLF, "Kombination-Längennmaße und Flächenmaße: ",
     {MixLF1, MixLF2, MixLF3, MixLF4, MixLF5}},
    {T::LFM, G::Combination, &S::LevelLFM,
     "Kombination-Längennmaße, Flächenmaße und Massemaße: ",
     {MixLFM1, MixLFM2, MixLFM3, MixLFM4, MixLFM5}},
    {T::FR, G::Combination, &S::LevelFR, "Kombination-Flächenmaße und Raummaße: ",
     {MixFR1, MixFR2, MixFR3, MixFR4, MixFR5}},
    {T::Alle, G::Combination, &S::LevelAlle, "Kombination-Alle metrischen Einheiten: ",
     {MixAlle1, MixAlle2, MixAlle3, MixAlle4, MixAlle5}},
};
// clang-format on

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < std::size(kTrainings); ++i) {
        if (static_cast<std::size_t>(kTrainings[i].Id) != i) return false;
    }
    return true;
}
static_assert(std::size(kTrainings) == 15 && InEnumOrder(), "one row per training, in enum order");

} // namespace

std::span<const TrainingInfo> Trainings() {
    return kTrainings;
}

const TrainingInfo& InfoOf(Training training) {
    return kTrainings[static_cast<std::size_t>(training)];
}

LineGenerator GeneratorFor(Training training, int level) {
    if (level < 1 || level > 6) return {};
    return InfoOf(training).Generators[static_cast<std::size_t>(level - 1)];
}

AnyTask LineGenerator::operator()(RandomSource& rng) const {
    if (Measure != nullptr) return Measure(rng);
    return Decadic(rng);
}

AnswerField FieldOf(const AnyTask& task) {
    return std::visit([](const auto& t) { return quarvel::FieldOf(t); }, task);
}

const TaskDraws& DrawsOf(const AnyTask& task) {
    return std::visit([](const auto& t) -> const TaskDraws& { return t.Draws; }, task);
}

std::optional<ChosenTraining> ChosenIn(const SelectionState& selection, LevelGroup group) {
    std::optional<ChosenTraining> chosen;
    for (const TrainingInfo& t : kTrainings) {
        if (t.Group != group) continue;
        const int level = selection.*t.Level;
        if (!GeneratorFor(t.Id, level)) continue;
        if (group == LevelGroup::Decadic) return ChosenTraining{t.Id, level};
        chosen = ChosenTraining{t.Id, level};
    }
    return chosen;
}

std::string DrillCaption(const SelectionState& selection, LevelGroup group) {
    const std::optional<ChosenTraining> chosen = ChosenIn(selection, group);
    if (!chosen) return {};
    return std::string(InfoOf(chosen->Id).CaptionPrefix) + std::string(LevelWord(chosen->Level));
}

} // namespace quarvel
