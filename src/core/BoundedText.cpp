#include "core/BoundedText.h"

namespace quarvel {

std::string CutText(std::string_view text, std::size_t capacity) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool startsCharacter = (byte & 0xC0) != 0x80;
        if (startsCharacter) {
            if (chars == capacity) return std::string(text.substr(0, i));
            ++chars;
        }
    }
    return std::string(text);
}

} // namespace quarvel
