#include "worksheet/Json.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace quarvel {

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", byte);
            out += escape.data();
        } else {
            out += c; // UTF-8 passes through unchanged
        }
    }
    return out + "\"";
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

void JsonObject::Key(std::string_view key) {
    if (!body_.empty()) body_ += ", ";
    body_ += JsonString(key);
    body_ += ": ";
}

void JsonObject::Add(std::string_view key, std::string_view text) {
    Key(key);
    body_ += JsonString(text);
}

void JsonObject::Add(std::string_view key, std::int64_t number) {
    Key(key);
    body_ += std::to_string(number);
}

void JsonObject::Add(std::string_view key, double number) {
    Key(key);
    body_ += JsonNumber(number);
}

void JsonObject::Add(std::string_view key, bool flag) {
    Key(key);
    body_ += flag ? "true" : "false";
}

void JsonObject::AddRaw(std::string_view key, std::string_view json) {
    Key(key);
    body_ += json;
}

} // namespace quarvel
