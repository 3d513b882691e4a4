#pragma once
// Creates the program's windows once, in their fixed order.

#include "core/Random.h"
#include "windows/StartU.h"

#include <memory>

namespace quarvel {

// The start window owns the other seven (Qt parent ownership); `windows` is
// filled in creation order.
// The drill windows draw their tasks from `rng`.
std::unique_ptr<TfrmStart> CreateWindows(Windows& windows, std::shared_ptr<RandomSource> rng,
                                         TfrmStart::ScreenQuery screen = {});

} // namespace quarvel
