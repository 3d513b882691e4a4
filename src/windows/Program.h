#pragma once
// Creates the program's windows once, in their fixed order.

#include "windows/StartU.h"

#include <memory>

namespace quarvel {

// The start window owns the other seven (Qt parent ownership); `windows` is
// filled in creation order.
std::unique_ptr<TfrmStart> CreateWindows(AppState& state, Windows& windows,
                                         TfrmStart::ScreenQuery screen = {});

} // namespace quarvel
