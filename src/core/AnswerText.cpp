#include "core/AnswerText.h"

#include "core/BoundedText.h"

#include <algorithm>

namespace quarvel {

std::string TrimTrailingZeros(std::string_view text) {
    std::string s = CutText(text, kAnswerCapacity);
    if (s.find(',') == std::string::npos) return s;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == ',') s.pop_back();
    return s;
}

std::string TrimLeadingZeros(std::string_view text) {
    std::string s = CutText(text, kAnswerCapacity);
    if (s.empty() || s.starts_with("0,")) return s;
    const std::size_t first = s.find_first_not_of('0');
    if (first == std::string::npos) return "0";
    s.erase(0, first);
    if (s.front() == ',') s.insert(s.begin(), '0');
    return s;
}

int CountCommas(std::string_view text) {
    const std::string s = CutText(text, kAnswerCapacity);
    return static_cast<int>(std::count(s.begin(), s.end(), ','));
}

} // namespace quarvel
