#pragma once
// The twenty generators of the decadic window by name, training and level,
// and what the window needs to fill its sheet and name itself.

#include "core/Random.h"
#include "decadic/DekAnswer.h"
#include "decadic/DekTaskSheet.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quarvel {

using DecadicGenerator = TDekTaskRecord (*)(RandomSource& rng);

struct NamedDecadicGenerator {
    std::string_view Name; // "GenerateDekNum1"
    DecadicGenerator Generate;
    DekTraining Training;
    int Level; // 1..5
};

std::span<const NamedDecadicGenerator> DecadicGenerators();
const NamedDecadicGenerator* FindDecadicGenerator(std::string_view name);
const NamedDecadicGenerator* FindDecadicGenerator(DekTraining training, int level);

// Where the answer field of `task` stands: as its generator places it for
// the task's level and direction.
AnswerField FieldOf(const TDekTaskRecord& task);

} // namespace quarvel
