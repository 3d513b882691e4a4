#include "decadic/DecadicGenerators.h"

#include "decadic/DekDekU.h"
#include "decadic/DekNumU.h"
#include "decadic/DezDezU.h"
#include "decadic/DezNumU.h"

#include <algorithm>

namespace quarvel {

namespace {

using enum DekTraining;

constexpr NamedDecadicGenerator kGenerators[] = {
    {"GenerateDekNum1", GenerateDekNum1, DekNum, 1},
    {"GenerateDekNum2", GenerateDekNum2, DekNum, 2},
    {"GenerateDekNum3", GenerateDekNum3, DekNum, 3},
    {"GenerateDekNum4", GenerateDekNum4, DekNum, 4},
    {"GenerateDekNum5", GenerateDekNum5, DekNum, 5},
    {"GenerateDekDek1", GenerateDekDek1, DekDek, 1},
    {"GenerateDekDek2", GenerateDekDek2, DekDek, 2},
    {"GenerateDekDek3", GenerateDekDek3, DekDek, 3},
    {"GenerateDekDek4", GenerateDekDek4, DekDek, 4},
    {"GenerateDekDek5", GenerateDekDek5, DekDek, 5},
    {"GenerateDezNum1", GenerateDezNum1, DezNum, 1},
    {"GenerateDezNum2", GenerateDezNum2, DezNum, 2},
    {"GenerateDezNum3", GenerateDezNum3, DezNum, 3},
    {"GenerateDezNum4", GenerateDezNum4, DezNum, 4},
    {"GenerateDezNum5", GenerateDezNum5, DezNum, 5},
    {"GenerateDezDez1", GenerateDezDez1, DezDez, 1},
    {"GenerateDezDez2", GenerateDezDez2, DezDez, 2},
    {"GenerateDezDez3", GenerateDezDez3, DezDez, 3},
    {"GenerateDezDez4", GenerateDezDez4, DezDez, 4},
    {"GenerateDezDez5", GenerateDezDez5, DezDez, 5},
};

} // namespace

std::span<const NamedDecadicGenerator> DecadicGenerators() {
    return kGenerators;
}

const NamedDecadicGenerator* FindDecadicGenerator(std::string_view name) {
    const auto* it =
        std::find_if(std::begin(kGenerators), std::end(kGenerators),
                     [name](const NamedDecadicGenerator& g) { return g.Name == name; });
    return it == std::end(kGenerators) ? nullptr : it;
}

const NamedDecadicGenerator* FindDecadicGenerator(DekTraining training, int level) {
    const auto* it = std::find_if(std::begin(kGenerators), std::end(kGenerators),
                                  [training, level](const NamedDecadicGenerator& g) {
                                      return g.Training == training && g.Level == level;
                                  });
    return it == std::end(kGenerators) ? nullptr : it;
}

AnswerField FieldOf(const TDekTaskRecord& task) {
    const NamedDecadicGenerator* g = FindDecadicGenerator(task.Draws.Generator);
    if (g == nullptr) return {};
    switch (g->Training) {
    case DekNum:
        return DekNumLayout(g->Level).Field(task.Draws.Direction);
    case DezNum:
        return DezNumLayout(g->Level).Field(task.Draws.Direction);
    case DekDek:
        return DekDekLevel(g->Level).Field();
    case DezDez:
        return DezDezLevel(g->Level).Field();
    }
    return {};
}

} // namespace quarvel
