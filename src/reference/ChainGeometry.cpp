#include "reference/ChainGeometry.h"

#include "core/PlainText.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <utility>

namespace quarvel {

namespace {

// Where things sit relative to the axis.
constexpr int UnitRow = 10;    // unit and place names, below
constexpr int FactorRow = -25; // factors and group names, above
constexpr int MarkerTop = -22; // red markers above the axis
constexpr int MarkerBottom = -12;
constexpr int TickReach = 3;
constexpr int TickStep = 50;

using Place = std::pair<const char*, int>;

void AddTicks(ChainLayout& layout, int reach) {
    for (int x = -reach; x <= reach; x += TickStep)
        layout.Ticks.push_back({x, -TickReach, TickReach, Black});
}

void AddLabels(ChainLayout& layout, std::initializer_list<Place> places, int y, Rgb colour,
               int size) {
    const ChainSide side = y < 0 ? ChainSide::Above : ChainSide::Below;
    for (const auto& [text, x] : places)
        layout.Labels.push_back({text, x, y, colour, size, side});
}

void AddStrokes(ChainLayout& layout, std::initializer_list<int> xs, int top, int bottom,
                Rgb colour) {
    for (const int x : xs)
        layout.Strokes.push_back({x, top, bottom, colour});
}

ChainLayout Decadic() {
    ChainLayout layout{600, "Dekadische Einheiten", {}, {}, {}};
    AddTicks(layout, 275);
    AddLabels(layout,
              {{"HMd", -275},
               {"ZMd", -225},
               {"Md", -175},
               {"HM", -125},
               {"ZM", -75},
               {"M", -25},
               {"HT", 25},
               {"ZT", 75},
               {"T", 125},
               {"H", 175},
               {"Z", 225},
               {"E", 275}},
              UnitRow, Black, 12);
    AddLabels(layout, {{"Milliarden", -225}, {"Millionen", -75}, {"Tausender", 75}}, FactorRow, Red,
              12);
    AddStrokes(layout, {-275, -175, -125, -25, 25, 125}, MarkerTop, MarkerBottom, Red);
    return layout;
}

ChainLayout Decimal() {
    ChainLayout layout{750, "Dekadische und dezimale Einheiten", {}, {}, {}};
    AddTicks(layout, 325);
    AddLabels(layout,
              {{"HT", -325},
               {"ZT", -275},
               {"T", -225},
               {"H", -175},
               {"Z", -125},
               {"E", -75},
               {"z", -25},
               {"h", 25},
               {"t", 75},
               {"zt", 125},
               {"ht", 175},
               {"m", 225},
               {"zm", 275},
               {"hm", 325}},
              UnitRow, Black, 12);
    AddLabels(layout, {{"Tausender", -275}, {"Tausendstel", 125}, {"Millionstel", 275}}, FactorRow,
              Red, 11);
    AddStrokes(layout, {-325, -225, 75, 175, 225, 325}, MarkerTop, MarkerBottom, Red);
    // Which places belong to the whole and which to the fraction, below the names.
    AddStrokes(layout, {-325, -125, -75, -25, 325}, 35, 45, Blue);
    AddLabels(layout, {{"Dekadische Einheiten", -200}, {"Dezimale Einheiten", 150}}, 32, Blue, 12);
    return layout;
}

ChainLayout Length() {
    ChainLayout layout{350, "Umwandlungskette für Längenmaße", {}, {}, {}};
    AddTicks(layout, 150);
    // hm and dam are not taught: their ticks stay unnamed, and km to m is one step.
    AddLabels(layout, {{"km", -150}, {"m", 0}, {"dm", 50}, {"cm", 100}, {"mm", 150}}, UnitRow,
              Black, 12);
    AddLabels(layout, {{"1000", -75}, {"10", 25}, {"10", 75}, {"10", 125}}, FactorRow, Red, 12);
    AddStrokes(layout, {-150, 0, 50, 100, 150}, MarkerTop, MarkerBottom, Red);
    return layout;
}

ChainLayout Mass() {
    ChainLayout layout{500, "Umwandlungskette für Massenmaße", {}, {}, {}};
    AddTicks(layout, 225);
    AddLabels(
        layout,
        {{"t", -225}, {"kg", -75}, {"dag", 25}, {"g", 75}, {"dg", 125}, {"cg", 175}, {"mg", 225}},
        UnitRow, Black, 12);
    AddLabels(layout,
              {{"1000", -150}, {"100", -25}, {"10", 50}, {"10", 100}, {"10", 150}, {"10", 200}},
              FactorRow, Red, 12);
    AddStrokes(layout, {-225, -75, 25, 75, 125, 175, 225}, MarkerTop, MarkerBottom, Red);
    return layout;
}

ChainLayout Area() {
    ChainLayout layout{650, "Umwandlungskette für Flächenmaße", {}, {}, {}};
    AddTicks(layout, 300);
    AddLabels(layout,
              {{"km^2", -300},
               {"ha", -200},
               {"a", -100},
               {"m^2", 0},
               {"dm^2", 100},
               {"cm^2", 200},
               {"mm^2", 300}},
              UnitRow, Black, 12);
    AddLabels(layout,
              {{"100", -250}, {"100", -150}, {"100", -50}, {"100", 50}, {"100", 150}, {"100", 250}},
              FactorRow, Red, 12);
    AddStrokes(layout, {-300, -200, -100, 0, 100, 200, 300}, MarkerTop, MarkerBottom, Red);
    return layout;
}

// Cubic units below the axis, litre units above, so that "l" stands over
// "dm^3" and "ml" over "cm^3".
ChainLayout Volume() {
    ChainLayout layout{500, "Umwandlungskette für Raummaße", {}, {}, {}};
    AddTicks(layout, 225);
    AddLabels(layout, {{"m^3", -225}, {"dm^3", -75}, {"cm^3", 75}, {"mm^3", 225}}, UnitRow, Black,
              12);
    AddLabels(layout, {{"1000", -150}, {"1000", 0}, {"1000", 150}}, 27, Red, 12);
    AddStrokes(layout, {-225, -75, 75, 225}, 32, 42, Red);
    AddLabels(layout, {{"hl", -175}, {"l", -75}, {"dl", -25}, {"cl", 25}, {"ml", 75}}, FactorRow,
              Black, 12);
    AddLabels(layout, {{"100", -125}, {"10", -50}, {"10", 0}, {"10", 50}}, -48, Red, 12);
    AddStrokes(layout, {-175, -75, -25, 25, 75}, -45, -35, Red);
    return layout;
}

// A pen ChainPenWidth wide covers the pixels from x - half to x + half - 1 and
// reaches half a pen beyond both ends of its line.
constexpr int PenHalf = ChainPenWidth / 2;

} // namespace

int ChainLabelLeft(const ChainLayout& layout, const ChainLabel& label, int width, int top,
                   int bottom) {
    // The marks beside the label's row, as the pixel columns they cover.
    std::vector<int> marks;
    for (const auto* list : {&layout.Ticks, &layout.Strokes})
        for (const ChainStroke& mark : *list)
            if (mark.Top - PenHalf < bottom && top < mark.Bottom + PenHalf)
                marks.push_back(mark.X - PenHalf);
    const auto isFree = [&](int left) {
        for (const int column : marks)
            if (column < left + width + ChainLabelGap &&
                left - ChainLabelGap < column + ChainPenWidth)
                return false;
        return true;
    };
    const int centred = label.X - width / 2;
    if (isFree(centred)) return centred;
    // The nearest free place has one of its sides just clear of some mark.
    const int half = layout.Width / 2;
    std::optional<int> best;
    for (const int column : marks) {
        for (const int left :
             {column - ChainLabelGap - width, column + ChainPenWidth + ChainLabelGap}) {
            const bool inside = left >= -half && left + width <= layout.Width - half;
            if (inside && isFree(left) &&
                (!best || std::abs(left - centred) < std::abs(*best - centred)))
                best = left;
        }
    }
    return best.value_or(centred);
}

std::optional<ChainLayout> ChainFor(UnitArea area) {
    switch (area) {
    case UnitArea::DekNum:
    case UnitArea::DekDek:
        return Decadic();
    case UnitArea::DezNum:
    case UnitArea::DezDez:
        return Decimal();
    case UnitArea::Laenge:
        return Length();
    case UnitArea::Masse:
        return Mass();
    case UnitArea::Flaeche:
        return Area();
    case UnitArea::Volumen:
        return Volume();
    case UnitArea::None:
        break;
    }
    return std::nullopt;
}

UnitArea MeasureChainOf(std::string_view unit) {
    for (const UnitArea area :
         {UnitArea::Laenge, UnitArea::Masse, UnitArea::Flaeche, UnitArea::Volumen}) {
        const ChainLayout layout = *ChainFor(area);
        const bool named =
            std::any_of(layout.Labels.begin(), layout.Labels.end(), [unit](const ChainLabel& l) {
                return l.Colour == Black && l.Text == unit;
            });
        if (named) return area;
    }
    return UnitArea::None;
}

namespace {

using Row = std::vector<const ChainLabel*>;

std::string Join(const Row& row, std::size_t first, std::size_t last) {
    std::string joined;
    for (std::size_t k = first; k <= last && k < row.size(); ++k)
        joined += (joined.empty() ? "" : ", ") + PlainText(row[k]->Text);
    return joined;
}

bool IsNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::vector<std::string> SpokenChain(const ChainLayout& layout) {
    // The rows of black names, the one below the axis first.
    std::map<int, Row> byY;
    for (const ChainLabel& label : layout.Labels)
        if (label.Colour == Black) byY[label.Y].push_back(&label);
    std::vector<std::pair<int, Row>> rows(byY.begin(), byY.end());
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return (a.first >= 0) > (b.first >= 0); });
    for (auto& [y, row] : rows)
        std::sort(row.begin(), row.end(),
                  [](const ChainLabel* a, const ChainLabel* b) { return a->X < b->X; });

    std::vector<std::string> lines;
    for (const auto& [y, row] : rows)
        lines.push_back(Join(row, 0, row.size() - 1));
    if (rows.empty()) return lines;

    std::vector<const ChainLabel*> coloured;
    for (const ChainLabel& label : layout.Labels)
        if (label.Colour != Black) coloured.push_back(&label);
    for (const auto& entry : rows) {
        const int y = entry.first;
        const auto& row = entry.second;
        const auto nearest = [&](const ChainLabel* label) {
            const auto& best = *std::min_element(rows.begin(), rows.end(), [&](auto& a, auto& b) {
                return std::abs(a.first - label->Y) < std::abs(b.first - label->Y);
            });
            return best.first == y;
        };
        for (std::size_t k = 0; k + 1 < row.size(); ++k) {
            for (const ChainLabel* factor : coloured) {
                if (IsNumber(factor->Text) && nearest(factor) &&
                    row[k]->X + row[k + 1]->X == 2 * factor->X)
                    lines.push_back("1 " + PlainText(row[k]->Text) + " = " + factor->Text + " " +
                                    PlainText(row[k + 1]->Text));
            }
        }
        for (const ChainLabel* group : coloured) {
            if (IsNumber(group->Text) || !nearest(group)) continue;
            // The narrowest pair of the group's markers centred on its name.
            std::optional<std::pair<int, int>> span;
            for (const ChainStroke& a : layout.Strokes)
                for (const ChainStroke& b : layout.Strokes)
                    if (a.Colour == group->Colour && b.Colour == group->Colour && a.X < b.X &&
                        a.X + b.X == 2 * group->X &&
                        (!span || b.X - a.X < span->second - span->first))
                        span = std::pair(a.X, b.X);
            Row members;
            for (const ChainLabel* name : row)
                if (span && name->X >= span->first && name->X <= span->second)
                    members.push_back(name);
            lines.push_back(group->Text +
                            (members.empty() ? "" : ": " + Join(members, 0, members.size() - 1)));
        }
    }
    for (std::size_t r = 1; r < rows.size(); ++r)
        for (const ChainLabel* upper : rows[r].second)
            for (const ChainLabel* lower : rows[0].second)
                if (upper->X == lower->X)
                    lines.push_back("1 " + PlainText(upper->Text) + " = 1 " +
                                    PlainText(lower->Text));
    return lines;
}

} // namespace quarvel
