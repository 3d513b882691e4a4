#pragma once
// The hand-made CSV tables under tests/data: a header line, '#' comment lines,
// blank lines ignored, fields quoted as RFC 4180 has it.

#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarvel::testdata {

// One record: its fields by column name, and where it stands for messages.
struct CsvRow {
    std::string File;
    int Line = 0;
    std::map<std::string, std::string, std::less<>> Fields;

    // Throws for a column the file lacks, so a misspelt name cannot read as empty.
    const std::string& operator[](std::string_view column) const {
        const auto it = Fields.find(column);
        if (it == Fields.end())
            throw std::runtime_error(Where() + ": no column " + std::string(column));
        return it->second;
    }
    int Int(std::string_view column) const {
        const std::string& text = (*this)[column];
        std::size_t used = 0;
        const int value = text.empty() ? 0 : std::stoi(text, &used);
        if (text.empty() || used != text.size())
            throw std::runtime_error(Where() + ": " + std::string(column) + " is no integer");
        return value;
    }
    std::string Where() const { return File + ":" + std::to_string(Line); }
};

// Every record of tests/data/<relative>; throws for a file it cannot read.
inline std::vector<CsvRow> ReadCsv(std::string_view relative) {
    const std::string path = std::string(QUARVEL_TEST_DATA_DIR) + "/" + std::string(relative);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::string> header, fields(1);
    std::vector<CsvRow> rows;
    bool quoted = false;
    for (std::size_t i = 0, line = 1, start = 1; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : '\n';
        if (c == '#' && !quoted && (i == 0 || text[i - 1] == '\n')) {
            i = std::min(text.find('\n', i), text.size()) - 1; // a comment line
        } else if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            fields.back() += text[++i];
        } else if (c == '"') {
            quoted = !quoted;
        } else if (quoted || (c != ',' && c != '\n' && c != '\r')) {
            line += c == '\n';
            fields.back() += c;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '\n') {
            CsvRow row{std::string(relative), static_cast<int>(start), {}};
            start = ++line;
            if (fields.size() == 1 && fields[0].empty()) continue; // a blank line
            if (header.empty()) {
                header = std::exchange(fields, {""});
                continue;
            }
            if (fields.size() != header.size())
                throw std::runtime_error(row.Where() + ": " + std::to_string(fields.size()) +
                                         " fields, the header has " +
                                         std::to_string(header.size()));
            for (std::size_t f = 0; f < fields.size(); ++f)
                row.Fields.emplace(header[f], std::move(fields[f]));
            rows.push_back(std::move(row));
            fields.assign(1, "");
        }
    }
    if (quoted) throw std::runtime_error(std::string(relative) + ": quote not closed");
    return rows;
}

} // namespace quarvel::testdata
