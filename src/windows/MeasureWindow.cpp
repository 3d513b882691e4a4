#include "windows/MeasureWindow.h"

#include "core/Selection.h"
#include "windows/FontU.h"
#include "generators/Generators.h"

#include <QPainter>

#include <string>

namespace quarvel {

namespace {

// The given value and its unit, as drawn at the left of the line.
QString GivenWithUnit(const TTaskRecord& r) {
    return QString::fromStdString(r.GivenText.str() + " " + r.FromUnit.str());
}

} // namespace

LinePlaces PlaceMeasureLine(const AppState& state, int line) {
    const TTaskRecord& r = state.TaskSheet[line];
    return PlaceTaskLine(MeasureTaskText(GivenWithUnit(r), 20), r.AnswerLeft, state.ToUnitLeft,
                         true);
}

MeasureWindow::MeasureWindow(AppState& state, Windows& windows, QWidget* parent, const QString& name,
                             LevelGroup group, std::vector<LevelFamily> families)
    : ExerciseWindow(state, windows, parent, name, group), families_(std::move(families)),
      rules_(state.TaskSheet) {
    InitDrill();
}

void MeasureWindow::FillLine(int line) {
    // Every level of the group that is set fills the line, in the fixed order;
    // the windows see to it that only one is.
    for (const auto& [field, family] : families_) {
        const int level = state_.Selection.*field;
        if (level == 0) continue;
        const GeneratorFn generate = FindMeasureGenerator(std::string(family) + std::to_string(level));
        if (generate == nullptr) continue;
        generate(state_, line);
        state_.TaskSheet[line].Active = true;
    }
}

void MeasureWindow::ClearRecords() { ClearTaskRecords(state_.TaskSheet); }

int MeasureWindow::AnswerLeft(int line) const { return PlaceMeasureLine(state_, line).AnswerLeft; }

void MeasureWindow::DrawLine(QPainter& painter, int line) {
    const TTaskRecord& r = state_.TaskSheet[line];
    const LinePlaces places = PlaceMeasureLine(state_, line);
    const int y = 120 + 100 * (line - 1);
    if (r.Active) {
        DrawTaskText(painter, kGivenLeft, y, Qt::black, GivenWithUnit(r), 20);
        DrawTaskText(painter, places.ToUnitLeft, y, Qt::black,
                     QString::fromStdString(r.ToUnit.str()), 20);
    }
    DrawAnswer(painter, line, r.Solved, QString::fromStdString(r.AnswerText.str()),
               places.AnswerRoomRight);
}

QString MeasureWindow::AccessibleTask(int line) const {
    const TTaskRecord& r = state_.TaskSheet[line];
    return QStringLiteral("Aufgabe %1: %2 %3 in %4")
        .arg(line)
        .arg(QString::fromStdString(r.GivenText.str()))
        .arg(SpokenText(QString::fromStdString(r.FromUnit.str())))
        .arg(SpokenText(QString::fromStdString(r.ToUnit.str())));
}

std::optional<char32_t> MeasureWindow::FilterKey(int line, char32_t key) const {
    if (MeasureKeyAccepted(key, state_.TaskSheet[line].AnswerDecimals)) return key;
    return std::nullopt;
}

QString MeasureWindow::LevelCaption(const std::vector<std::pair<int SelectionState::*, QString>>& rows) const {
    QString caption;
    for (const auto& [field, prefix] : rows) {
        const std::string_view word = LevelWord(state_.Selection.*field);
        if (!word.empty()) caption = prefix + QString::fromUtf8(word.data(), static_cast<int>(word.size()));
    }
    return caption;
}

} // namespace quarvel
