#pragma once
// A twin of a task: a new task of the same kind, where the same mistake can be
// made again. It comes from the generator that made the task, with the same
// direction and the same bands of its draws (so the same units and the same
// number pattern), but with new values inside those bands and new digits.

#include "core/Random.h"
#include "drill/Training.h"

#include <optional>

namespace quarvel {

// How often a twin is drawn before giving up: a draw may repeat the task, and
// a decadic draw may land on other units.
inline constexpr int kTwinTries = 1000;

// The twin of `task`, drawn from `rng`; nothing when the task's generator is
// unknown or every try repeated the task.
std::optional<AnyTask> TwinOf(const AnyTask& task, RandomSource& rng);

} // namespace quarvel
