#pragma once
// Texts with the drawing markup ("m^2", "#a", "H!2O") as plain UTF-8, for a
// screen reader, a tooltip or a sentence: "^2" and "^3" become "²" and "³",
// every other markup character is dropped.

#include <string>
#include <string_view>

namespace quarvel {

std::string PlainText(std::string_view marked);

} // namespace quarvel
