#pragma once
// The hand-made tables under tests/data, read for the tests: CSV files with a
// header line, comment lines starting with '#', blank lines ignored, and fields
// quoted as RFC 4180 has it ("a, b" and "say ""hi""", line breaks included).
// The folder comes from QUARVEL_TEST_DATA_DIR, set by tests/CMakeLists.txt.

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::testdata {

inline std::string DataPath(std::string_view relative) {
    return std::string(QUARVEL_TEST_DATA_DIR) + "/" + std::string(relative);
}

// One record: its fields by column name, and where it stands for messages.
struct CsvRow {
    std::string File;
    int Line = 0;
    std::map<std::string, std::string, std::less<>> Fields;

    // Throws for a column the file does not have, so a misspelt name cannot
    // read as an empty field.
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

// Every record of tests/data/<relative>; throws when the file cannot be read or
// a record has another number of fields than the header.
inline std::vector<CsvRow> ReadCsv(std::string_view relative) {
    std::ifstream in(DataPath(relative), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + DataPath(relative));
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();

    std::vector<std::string> header;
    std::vector<CsvRow> rows;
    std::size_t i = 0;
    int line = 1;
    while (i < text.size()) {
        const int start = line;
        if (text[i] == '#' || text[i] == '\n' || text[i] == '\r') { // comment or blank line
            while (i < text.size() && text[i] != '\n')
                ++i;
            ++i, ++line;
            continue;
        }
        std::vector<std::string> fields(1);
        bool quoted = false;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (quoted) {
                if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                    fields.back() += '"';
                    ++i;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    line += c == '\n';
                    fields.back() += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                fields.emplace_back();
            } else if (c == '\n') {
                break;
            } else if (c != '\r') {
                fields.back() += c;
            }
        }
        ++i, ++line;
        const std::string where = std::string(relative) + ":" + std::to_string(start);
        if (quoted) throw std::runtime_error(where + ": quote not closed");
        if (header.empty()) {
            header = std::move(fields);
            continue;
        }
        if (fields.size() != header.size())
            throw std::runtime_error(where + ": " + std::to_string(fields.size()) +
                                     " fields, the header has " + std::to_string(header.size()));
        CsvRow row{std::string(relative), start, {}};
        for (std::size_t f = 0; f < fields.size(); ++f)
            row.Fields.emplace(header[f], std::move(fields[f]));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace quarvel::testdata
