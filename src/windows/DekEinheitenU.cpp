#include "windows/DekEinheitenU.h"

#include "decadic/DecadicGenerators.h"
#include "windows/FontU.h"

#include <QPainter>

namespace quarvel {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

bool WithUnits(const AppState& state) {
    const auto selected = SelectedDekTraining(state.Selection);
    return selected &&
           (selected->Training == DekTraining::DekDek || selected->Training == DekTraining::DezDez);
}

// The text drawn at the left of the line: the given number, with its unit in
// the unit-to-unit trainings.
QString DrawnGiven(const TDekTaskRecord& r, bool withUnits) {
    return withUnits ? Q(r.GivenText.str() + " " + r.FromUnit.str()) : Q(r.GivenText.str());
}

} // namespace

LinePlaces PlaceDekLine(const AppState& state, int line) {
    const TDekTaskRecord& r = state.DekTaskSheet[line];
    const bool withUnits = WithUnits(state);
    return PlaceTaskLine(MeasureTaskText(DrawnGiven(r, withUnits), 20), r.AnswerLeft,
                         state.ToUnitLeft, withUnits);
}

TfrmDekEinheiten::TfrmDekEinheiten(AppState& state, Windows& windows, QWidget* parent)
    : ExerciseWindow(state, windows, parent, QStringLiteral("TfrmDekEinheiten"), LevelGroup::Decadic),
      rules_(state.DekTaskSheet) {
    InitDrill();
}

QString TfrmDekEinheiten::Caption() const { return Q(DekWindowTitle(state_.Selection)); }

void TfrmDekEinheiten::FillLine(int line) { FillDekLine(state_, line); }

void TfrmDekEinheiten::ClearRecords() { ClearDekTaskRecords(state_.DekTaskSheet); }

int TfrmDekEinheiten::AnswerLeft(int line) const { return PlaceDekLine(state_, line).AnswerLeft; }

void TfrmDekEinheiten::DrawLine(QPainter& painter, int line) {
    const TDekTaskRecord& r = state_.DekTaskSheet[line];
    const bool withUnits = WithUnits(state_);
    const LinePlaces places = PlaceDekLine(state_, line);
    const int y = 120 + 100 * (line - 1);
    if (r.Active && SelectedDekTraining(state_.Selection)) {
        DrawTaskText(painter, kGivenLeft, y, Qt::black, DrawnGiven(r, withUnits), 20);
        if (withUnits)
            DrawTaskText(painter, places.ToUnitLeft, y, Qt::black, Q(r.ToUnit.str()), 20);
    }
    DrawAnswer(painter, line, r.Solved, Q(r.AnswerText.str()), places.AnswerRoomRight);
}

QString TfrmDekEinheiten::AccessibleTask(int line) const {
    const TDekTaskRecord& r = state_.DekTaskSheet[line];
    const QString given = Q(r.GivenText.str()).trimmed();
    if (WithUnits(state_)) {
        const QString from = r.FromUnit.empty() ? QString() : QStringLiteral(" ") + Q(r.FromUnit.str());
        return QStringLiteral("Aufgabe %1: %2%3 in %4").arg(line).arg(given, from, Q(r.ToUnit.str()));
    }
    return QStringLiteral("Aufgabe %1: %2 %3")
        .arg(line)
        .arg(given, r.AnswerIsNotation ? QStringLiteral("in Stellenwertschreibweise")
                                       : QStringLiteral("als Zahl"));
}

std::optional<char32_t> TfrmDekEinheiten::FilterKey(int line, char32_t key) const {
    const auto selected = SelectedDekTraining(state_.Selection);
    if (!selected) return std::nullopt;
    const TDekTaskRecord& r = state_.DekTaskSheet[line];
    return DekKeyFilter(selected->Training, r.AnswerIsNotation, r.AnswerHasComma, key);
}

} // namespace quarvel
