#pragma once
// The arithmetic behind the evaluation dialog: the points panels, the rounded
// percentage, the verdict, and every frame of the gauge animation. The dialog
// only shows what this computes.

#include <cstdint>
#include <string>
#include <string_view>

namespace quarvel {

// What the gauges and the percentage labels show at one moment.
struct EvaluationFrame {
    int GaugeRight = 0;
    int GaugeWrong = 100;
    std::string LabelRight; // "73,529 %"
    std::string LabelWrong; // "26,471 %"

    bool operator==(const EvaluationFrame&) const = default;
};

class Evaluation {
  public:
    // Points come in halves; anything else is rounded to the nearest half.
    // Points are held between 0 and the tries, tries at 0 or more, so no input
    // can push a gauge out of 0..100 or divide by zero.
    Evaluation(float totalPoints, std::int32_t totalTries);

    std::int32_t HalfPoints() const { return halfPoints_; }
    std::int32_t Tries() const { return tries_; }

    // "12,5 / 17" and the lost points "4,5 / 17".
    std::string PanelRight() const;
    std::string PanelWrong() const;

    // points / tries x 100 rounded to a whole number, an exact half to the even
    // neighbour; 0 when there were no tries.
    std::int32_t PercentRight() const { return percentRight_; }
    std::string_view Verdict() const;

    // The animation runs s = 0 .. PercentRight; with PercentRight 0 there is
    // none and only the final frame is shown.
    bool Animated() const { return percentRight_ > 0; }
    int StepCount() const { return Animated() ? percentRight_ + 1 : 0; }
    // The share shown at step s, as the single-precision value the labels are
    // written from (s / PercentRight of points / tries, and its complement).
    float ShareRight(int s) const;
    float ShareWrong(int s) const;
    EvaluationFrame Step(int s) const;
    // What stays on screen once the animation is over: gauges at PercentRight
    // and its complement, labels at the exact shares.
    EvaluationFrame Final() const;

  private:
    std::int32_t halfPoints_;
    std::int32_t tries_;
    std::int32_t percentRight_;
};

// One decimal after a decimal comma: 25 half points -> "12,5" (not negative).
std::string FormatHalfPoints(std::int32_t halfPoints);
// Three decimals, a decimal comma and " %": 73.5294 -> "73,529 %".
std::string FormatPercent(double percent);
// The sentence for a rounded percentage 0..100.
std::string_view VerdictFor(std::int32_t percentRight);

} // namespace quarvel
