#include "engine/EinheitenU.h"

#include "app/Selection.h"

#include <QMenuBar>

namespace quarvel {

TfrmEinheiten::TfrmEinheiten(AppState& state, Windows& windows, QWidget* parent)
    : QuarvelDialog(state, windows, parent, QStringLiteral("Einheiten"), 1016, 722) {
    setObjectName(QStringLiteral("TfrmEinheiten"));
    QAction* close = MenuBar()->addAction(QStringLiteral("Schließen"));
    close->setObjectName(QStringLiteral("menSchliessen"));
    connect(close, &QAction::triggered, this, &QDialog::accept);
}

void TfrmEinheiten::done(int result) {
    ResetGroupLevels(state_.Selection, LevelGroup::Measure);
    QuarvelDialog::done(result);
}

} // namespace quarvel
