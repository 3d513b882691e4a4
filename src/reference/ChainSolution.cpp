#include "reference/ChainSolution.h"

#include "solution/DecimalText.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace quarvel {

namespace {

// A row of arrows: the factors above, the arrows below them.
constexpr int RowHeight = 32;
constexpr int FactorTop = 4;
constexpr int ArrowY = 26;
// A row of digits, and the room a bridge's equation takes under the arrows.
constexpr int DigitRowHeight = 24;
constexpr int BridgeRowHeight = 22;
constexpr int BottomGap = 10;
// The comma of a row whose next lower place is not on the chain.
constexpr int HalfPlace = 25;

const ChainLabel* LabelOf(const ChainLayout& chain, std::string_view text) {
    if (text.empty()) return nullptr;
    const auto it = std::find_if(chain.Labels.begin(), chain.Labels.end(),
                                 [text](const ChainLabel& label) { return label.Text == text; });
    return it == chain.Labels.end() ? nullptr : &*it;
}

void Frame(ChainSolution& out, const ChainLabel& label) {
    const bool framed = std::any_of(out.Framed.begin(), out.Framed.end(),
                                    [&](const ChainLabel& f) { return f.Text == label.Text; });
    if (!framed) out.Framed.push_back(label);
}

// "· 1000" to a smaller unit, ": 1000" to a larger one.
std::string FactorText(int exponent) {
    return std::string(exponent > 0 ? "· " : ": ") + PowerOfTen(std::abs(exponent));
}

// Arrows whose spans overlap go in rows of their own, so that a path turning
// back (m³ to dm³ to l to hl) stays readable.
class ArrowRows {
  public:
    void Add(ChainSolution& out, int from, int to, int exponent) {
        const int left = std::min(from, to);
        const int right = std::max(from, to);
        std::size_t row = 0;
        for (; row < spans_.size(); ++row) {
            const bool free = std::none_of(spans_[row].begin(), spans_[row].end(), [&](auto s) {
                return std::max(left, s.first) < std::min(right, s.second);
            });
            if (free) break;
        }
        if (row == spans_.size()) spans_.emplace_back();
        spans_[row].emplace_back(left, right);
        const int top = static_cast<int>(row) * RowHeight;
        out.Arrows.push_back({from, to, top + ArrowY});
        out.Labels.push_back({FactorText(exponent), (from + to) / 2, top + FactorTop, Red,
                              ChainSolutionTextSize, ChainSide::Below});
    }
    int Height() const { return static_cast<int>(spans_.size()) * RowHeight; }

  private:
    std::vector<std::vector<std::pair<int, int>>> spans_;
};

// The digits of a row in the columns of their places, and the comma after
// place `units` where digits follow it; nothing where a place is not on the chain.
std::optional<std::vector<ChainLabel>> Digits(const ChainLayout& chain,
                                              const std::vector<PlaceDigit>& cells,
                                              std::optional<int> units, int y, Rgb colour) {
    std::vector<ChainLabel> row;
    for (const PlaceDigit& cell : cells) {
        const ChainLabel* place = LabelOf(chain, cell.Place);
        if (place == nullptr) return std::nullopt;
        row.push_back({cell.Count, place->X, y, colour, ChainSolutionTextSize, ChainSide::Below});
    }
    const bool fraction = units && std::any_of(cells.begin(), cells.end(),
                                               [&](const auto& c) { return c.Exponent < *units; });
    if (fraction) {
        const ChainLabel* whole = LabelOf(chain, PlaceSymbol(*units));
        const ChainLabel* next = LabelOf(chain, PlaceSymbol(*units - 1));
        if (whole == nullptr) return std::nullopt;
        const int x = next != nullptr ? (whole->X + next->X) / 2 : whole->X + HalfPlace;
        row.push_back({",", x, y, colour, ChainSolutionTextSize, ChainSide::Below});
    }
    return row;
}

} // namespace

ChainSolution SolutionOnChain(const ChainLayout& chain, const MeasureSolution& solution) {
    ChainSolution out;
    out.Sentences = solution.Sentences;
    ChainSolution drawn = out;
    ArrowRows rows;
    std::vector<ChainLabel> bridges;
    for (const ChainStep& step : solution.Steps) {
        const ChainLabel* from = LabelOf(chain, step.From);
        const ChainLabel* to = LabelOf(chain, step.To);
        if (from == nullptr || to == nullptr) return out;
        Frame(drawn, *from);
        Frame(drawn, *to);
        if (step.Exponent == 0 || from->X == to->X) {
            // Litre and cubic units meet where one stands over the other.
            bridges.push_back({"1 " + step.From + " = 1 " + step.To, from->X, 0, Red,
                               ChainSolutionTextSize, ChainSide::Below});
        } else {
            rows.Add(drawn, from->X, to->X, step.Exponent);
        }
    }
    drawn.Height = rows.Height();
    for (ChainLabel& bridge : bridges) {
        bridge.Y = drawn.Height + FactorTop;
        drawn.Labels.push_back(bridge);
    }
    if (!bridges.empty()) drawn.Height += BridgeRowHeight;
    drawn.Height += BottomGap;
    return drawn;
}

ChainSolution SolutionOnChain(const ChainLayout& chain, const DekSolution& solution) {
    ChainSolution drawn;
    drawn.Sentences = solution.Sentences;
    const ChainLabel* from = LabelOf(chain, solution.FromUnit);
    const ChainLabel* to = LabelOf(chain, solution.ToUnit);
    int y = 0;
    if (to != nullptr) Frame(drawn, *to);
    if (from != nullptr && to != nullptr) {
        Frame(drawn, *from);
        ArrowRows rows;
        if (solution.CommaShift != 0) rows.Add(drawn, from->X, to->X, solution.CommaShift);
        y = rows.Height();
    }
    // A numeral's last whole digit stands under its unit, else under E. A
    // number reaching beyond the table's places shows no rows at all; its
    // solution has no table.
    const auto unitsOf = [](const std::string& unit) {
        return unit.empty() ? std::optional<int>(0) : PlaceExponent(unit);
    };
    const bool both = solution.Given != solution.Expected;
    const auto given =
        both ? Digits(chain, solution.Given,
                      solution.NotationGiven ? std::nullopt : unitsOf(solution.FromUnit),
                      y + FactorTop, ChainGivenColour)
             : std::vector<ChainLabel>();
    const auto expected = Digits(chain, solution.Expected, unitsOf(solution.ToUnit),
                                 y + (both ? DigitRowHeight : 0) + FactorTop, ChainExpectedColour);
    if (given && expected && !expected->empty()) {
        drawn.Labels.insert(drawn.Labels.end(), given->begin(), given->end());
        drawn.Labels.insert(drawn.Labels.end(), expected->begin(), expected->end());
        y += (both ? 2 : 1) * DigitRowHeight;
    }
    drawn.Height = y == 0 ? 0 : y + BottomGap;
    return drawn;
}

} // namespace quarvel
