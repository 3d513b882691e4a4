#pragma once
// The five task lines of the measure drills (unit-conversion and combination
// windows). Line i of a window shows record i; records are numbered 1 to 5.

#include "core/BoundedText.h"

#include <array>
#include <cstdint>
#include <stdexcept>

namespace quarvel {

constexpr int kLines = 5;

struct TTaskRecord {
    double GivenValue = 0.0;
    double AnswerValue = 0.0;
    std::int32_t GivenDecimals = 0;
    std::int32_t AnswerDecimals = 0;
    BoundedText<20> GivenText;
    BoundedText<20> AnswerText;
    BoundedText<4> FromUnit;
    BoundedText<4> ToUnit;
    bool Active = false;
    bool Solved = false;
    std::int32_t AnswerLeft = 400;
};

// A sheet of five lines, indexed 1..5 like the window's lines.
template <typename Record> struct Sheet {
    std::array<Record, kLines> lines{};

    Record& operator[](int line) { return lines.at(Index(line)); }
    const Record& operator[](int line) const { return lines.at(Index(line)); }
    auto begin() { return lines.begin(); }
    auto end() { return lines.end(); }
    auto begin() const { return lines.begin(); }
    auto end() const { return lines.end(); }

  private:
    static std::size_t Index(int line) {
        if (line < 1 || line > kLines) throw std::out_of_range("task line must be 1..5");
        return static_cast<std::size_t>(line - 1);
    }
};

using TTaskSheet = Sheet<TTaskRecord>;

// The record side of ClearSheet: units and expected answer emptied, values and
// decimals zeroed, Active and Solved false. GivenText and AnswerLeft stay, since
// every generator writes them.
void ClearTaskRecords(TTaskSheet& sheet);

} // namespace quarvel
