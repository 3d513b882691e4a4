#pragma once
// Just enough JSON for one flat object per line: keys keep their order, texts
// are UTF-8 strings, doubles are written so that they read back exactly.

#include <cstdint>
#include <string>
#include <string_view>

namespace quarvel {

std::string JsonString(std::string_view utf8);
std::string JsonNumber(double value);

class JsonObject {
  public:
    void Add(std::string_view key, std::string_view text);
    void Add(std::string_view key, const char* text) { Add(key, std::string_view(text)); }
    void Add(std::string_view key, std::int64_t number);
    void Add(std::string_view key, int number) { Add(key, static_cast<std::int64_t>(number)); }
    void Add(std::string_view key, double number);
    void Add(std::string_view key, bool flag);
    // `json` is written as it is (an array, say).
    void AddRaw(std::string_view key, std::string_view json);

    std::string str() const { return "{" + body_ + "}"; }

  private:
    void Key(std::string_view key);
    std::string body_;
};

} // namespace quarvel
