#pragma once
// A text with a fixed capacity in characters: whatever is stored is cut at the
// capacity, the way the task records hold their short strings.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace quarvel {

// Cuts a UTF-8 text after `capacity` characters (code points), never inside one.
std::string CutText(std::string_view text, std::size_t capacity);

template <std::size_t Capacity> class BoundedText {
  public:
    BoundedText() = default;
    BoundedText(std::string_view text) : text_(CutText(text, Capacity)) {}
    BoundedText(const char* text) : BoundedText(std::string_view(text)) {}
    BoundedText(const std::string& text) : BoundedText(std::string_view(text)) {}

    BoundedText& operator=(std::string_view text) {
        text_ = CutText(text, Capacity);
        return *this;
    }
    BoundedText& operator=(const char* text) { return *this = std::string_view(text); }
    BoundedText& operator=(const std::string& text) { return *this = std::string_view(text); }

    static constexpr std::size_t capacity() { return Capacity; }
    const std::string& str() const { return text_; }
    operator const std::string&() const { return text_; }
    operator std::string_view() const { return text_; }
    bool empty() const { return text_.empty(); }
    std::size_t size() const { return text_.size(); }
    void clear() { text_.clear(); }

    friend bool operator==(const BoundedText& a, const BoundedText& b) = default;
    friend bool operator==(const BoundedText& a, std::string_view b) { return a.text_ == b; }
    friend bool operator==(const BoundedText& a, const char* b) { return a.text_ == b; }
    friend bool operator==(const BoundedText& a, const std::string& b) { return a.text_ == b; }
    friend std::ostream& operator<<(std::ostream& out, const BoundedText& t) {
        return out << t.text_;
    }

  private:
    std::string text_;
};

} // namespace quarvel
