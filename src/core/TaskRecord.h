#pragma once
// What a generator makes: one task of the measure drills, with the draws that
// chose it. A record holds the task alone; whether its line is solved and
// where its field stands belong to the drill and the window that show it.

#include "core/BoundedText.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace quarvel {

constexpr int kLines = 5;

// The draws that chose a task: DirectionDraw, PairDraw and PatternDraw as the
// generator used them (0 where it draws no such value), and the generator
// that made it (also when a mixing dispatcher chose that generator).
struct TaskDraws {
    std::int32_t Direction = 0;
    std::int32_t Pair = 0;
    std::int32_t Pattern = 0;
    std::string_view Generator;
};

struct TTaskRecord {
    double GivenValue = 0.0;
    double AnswerValue = 0.0;
    std::int32_t GivenDecimals = 0;
    std::int32_t AnswerDecimals = 0;
    BoundedText<20> GivenText;
    BoundedText<20> AnswerText;
    BoundedText<4> FromUnit;
    BoundedText<4> ToUnit;
    TaskDraws Draws;
};

// Where a task's answer field stands and how wide it is, and where the unit
// asked for is drawn, in the drill window's designed pixels. Each generator
// has its own; tasks without a unit asked for keep the default column.
struct AnswerField {
    std::int32_t Left = 400;
    std::int32_t Width = 170;
    std::int32_t ToUnitLeft = 600;
};

// The column of the unit asked for, right of a field: 30 pixels after it.
constexpr std::int32_t UnitColumnAfter(std::int32_t left, std::int32_t width) {
    return left + width + 30;
}

// Five of something, indexed 1..5 like the window's lines.
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

} // namespace quarvel
