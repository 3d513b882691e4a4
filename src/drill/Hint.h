#pragma once
// A hint after the first wrong try: when the diagnosis explains the typed
// answer exactly, one short sentence that names the rule the pupil broke,
// never the answer itself. An answer no rule explains gets no hint.

#include "drill/Training.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarvel {

// `typed` is the text of the answer field as the pupil left it.
std::optional<std::string> HintFor(const AnyTask& task, std::string_view typed);

} // namespace quarvel
