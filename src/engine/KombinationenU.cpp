#include "engine/KombinationenU.h"

#include "app/Selection.h"

#include <QMenuBar>

namespace quarvel {

TfrmKombinationen::TfrmKombinationen(AppState& state, Windows& windows, QWidget* parent)
    : QuarvelDialog(state, windows, parent, QStringLiteral("Kombinationen"), 1016, 722) {
    setObjectName(QStringLiteral("TfrmKombinationen"));
    QAction* close = MenuBar()->addAction(QStringLiteral("Schließen"));
    close->setObjectName(QStringLiteral("menSchliessen"));
    connect(close, &QAction::triggered, this, &QDialog::accept);
}

void TfrmKombinationen::done(int result) {
    ResetGroupLevels(state_.Selection, LevelGroup::Combination);
    QuarvelDialog::done(result);
}

} // namespace quarvel
