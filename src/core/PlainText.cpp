#include "core/PlainText.h"

namespace quarvel {

std::string PlainText(std::string_view marked) {
    std::string plain;
    plain.reserve(marked.size());
    for (std::size_t i = 0; i < marked.size(); ++i) {
        const char c = marked[i];
        const char next = i + 1 < marked.size() ? marked[i + 1] : '\0';
        if (c == '^' && (next == '2' || next == '3')) {
            plain += next == '2' ? "²" : "³";
            ++i;
        } else if (c != '^' && c != '!' && c != '#') {
            plain += c;
        }
    }
    return plain;
}

} // namespace quarvel
