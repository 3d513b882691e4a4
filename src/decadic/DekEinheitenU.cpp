#include "decadic/DekEinheitenU.h"

#include "decadic/DecadicGenerators.h"
#include "engine/FontU.h"

#include <QPainter>

namespace quarvel {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

bool WithUnits(DekTraining training) {
    return training == DekTraining::DekDek || training == DekTraining::DezDez;
}

} // namespace

TfrmDekEinheiten::TfrmDekEinheiten(AppState& state, Windows& windows, QWidget* parent)
    : ExerciseWindow(state, windows, parent, QStringLiteral("TfrmDekEinheiten"), LevelGroup::Decadic),
      rules_(state.DekTaskSheet) {
    InitDrill();
}

QString TfrmDekEinheiten::Caption() const { return Q(DekWindowTitle(state_.Selection)); }

void TfrmDekEinheiten::FillLine(int line) { FillDekLine(state_, line); }

void TfrmDekEinheiten::ClearRecords() { ClearDekTaskRecords(state_.DekTaskSheet); }

int TfrmDekEinheiten::AnswerLeft(int line) const { return state_.DekTaskSheet[line].AnswerLeft; }

void TfrmDekEinheiten::DrawLine(QPainter& painter, int line) {
    const TDekTaskRecord& r = state_.DekTaskSheet[line];
    const auto selected = SelectedDekTraining(state_.Selection);
    const int y = 120 + 100 * (line - 1);
    if (r.Active && selected) {
        if (WithUnits(selected->Training)) {
            DrawTaskText(painter, 120, y, Qt::black, Q(r.GivenText.str() + " " + r.FromUnit.str()), 20);
            DrawTaskText(painter, state_.ToUnitLeft, y, Qt::black, Q(r.ToUnit.str()), 20);
        } else {
            DrawTaskText(painter, 120, y, Qt::black, Q(r.GivenText.str()), 20);
        }
    }
    DrawAnswer(painter, line, r.Solved, Q(r.AnswerText.str()));
}

QString TfrmDekEinheiten::AccessibleTask(int line) const {
    const TDekTaskRecord& r = state_.DekTaskSheet[line];
    const QString given = Q(r.GivenText.str()).trimmed();
    const auto selected = SelectedDekTraining(state_.Selection);
    if (selected && WithUnits(selected->Training)) {
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
