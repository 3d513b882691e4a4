#pragma once
// The hand-made tables under tests/data looked up by their keys.

#include "../TestData.h"
#include "core/Rgb.h"

#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

// How a failed comparison shows a colour.
inline void PrintTo(const Rgb& c, std::ostream* out) {
    *out << "(" << c.R << ", " << c.G << ", " << c.B << ")";
}

namespace tables {

using testdata::CsvRow;

// The rows of a file, read once.
inline const std::vector<CsvRow>& Rows(const std::string& file) {
    static std::map<std::string, std::vector<CsvRow>> read;
    auto it = read.find(file);
    if (it == read.end()) it = read.emplace(file, testdata::ReadCsv(file)).first;
    return it->second;
}

// The one row of `file` whose column `a` reads `keyA` (and `b` reads `keyB`).
inline const CsvRow& RowOf(const std::string& file, std::string_view a, std::string_view keyA,
                           std::string_view b = {}, std::string_view keyB = {}) {
    const CsvRow* found = nullptr;
    for (const CsvRow& row : Rows(file)) {
        if (row[a] != keyA || (!b.empty() && row[b] != keyB)) continue;
        if (found != nullptr) throw std::runtime_error(row.Where() + ": a second row for the key");
        found = &row;
    }
    if (found == nullptr)
        throw std::runtime_error(file + ": no row " + std::string(keyA) + " " + std::string(keyB));
    return *found;
}

// "\r" in a transcribed text is a line break; the program writes "\n".
inline std::string Unescaped(std::string text) {
    for (std::size_t at = text.find("\\r"); at != std::string::npos; at = text.find("\\r", at))
        text.replace(at, 2, "\n");
    return text;
}

// A text of texts.csv, its line breaks as the program writes them.
inline std::string Text(std::string_view window, std::string_view control) {
    return Unescaped(RowOf("texts.csv", "window", window, "control", control)["text"]);
}

// The message of a second wrong try: five pieces, the answer after the first.
inline std::string WrongTwice(const std::string& prefix, const std::string& answer) {
    std::string text;
    for (int piece = 1; piece <= 5; ++piece)
        text +=
            Text("message", prefix + " wrong at the second try piece " + std::to_string(piece) +
                                " of 5 (" + (piece == 1 ? "before" : "after") + " AnswerText)") +
            (piece == 1 ? answer : "");
    return text;
}

// A colour of colours.csv: its red, green and blue, or those of its name.
inline Rgb Colour(std::string_view window, std::string_view element) {
    const CsvRow* row = &RowOf("colours.csv", "window", window, "element", element);
    if ((*row)["r"].empty()) row = &RowOf("cases/tables_colour_names.csv", "name", (*row)["name"]);
    return {row->Int("r"), row->Int("g"), row->Int("b")};
}

} // namespace tables
} // namespace quarvel
