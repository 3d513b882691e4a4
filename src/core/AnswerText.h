#pragma once
// Answer texts before they are compared: the length cap, trimming of zeros and
// counting commas. The key filters and the judgement of a left field are
// Drill's (measure answers) and DekAnswer's (decadic answers).

#include <string>
#include <string_view>

namespace quarvel {

// Every answer text is at most this long; longer input is cut first.
constexpr std::size_t kAnswerCapacity = 40;

// "12,500" -> "12,5", "7,000" -> "7", ",0" -> "", "100" -> "100".
std::string TrimTrailingZeros(std::string_view text);
// "007" -> "7", "000" -> "0", "00,5" -> "0,5", ",25" -> "0,25", "0,5" stays.
std::string TrimLeadingZeros(std::string_view text);
int CountCommas(std::string_view text);

} // namespace quarvel
