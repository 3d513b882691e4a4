#pragma once
// What the unit-conversion and combination windows share beyond the drill: the
// measure task sheet, its drawing and the measure key filter.

#include "windows/ExerciseWindow.h"
#include "drill/LineLayout.h"

#include <string_view>
#include <utility>
#include <vector>

namespace quarvel {

// Where line `line` of the measure sheet goes, its given text and unit measured
// in the task font.
LinePlaces PlaceMeasureLine(const AppState& state, int line);

class MeasureWindow : public ExerciseWindow {
    Q_OBJECT
  public:
    // A level field of the window's group and the generator family it selects,
    // e.g. {&SelectionState::LevelLaenge, "GenerateLaenge"}: level n calls
    // "GenerateLaenge<n>". The order is the order of the window's dispatch.
    using LevelFamily = std::pair<int SelectionState::*, std::string_view>;

    MeasureWindow(AppState& state, Windows& windows, QWidget* parent, const QString& name,
                  LevelGroup group, std::vector<LevelFamily> families);

  protected:
    void FillLine(int line) override;
    void ClearRecords() override;
    void DrawLine(QPainter& painter, int line) override;
    int AnswerLeft(int line) const override;
    QString AccessibleTask(int line) const override;
    std::optional<char32_t> FilterKey(int line, char32_t key) const override;
    AnswerRules& Rules() override { return rules_; }

    // The caption from the first level row that is set, as "<prefix><LEVEL>".
    QString LevelCaption(const std::vector<std::pair<int SelectionState::*, QString>>& rows) const;

  private:
    std::vector<LevelFamily> families_;
    MeasureRules rules_;
};

} // namespace quarvel
