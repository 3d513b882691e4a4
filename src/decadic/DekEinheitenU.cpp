#include "decadic/DekEinheitenU.h"

#include "app/Selection.h"

#include <QMenuBar>

namespace quarvel {

TfrmDekEinheiten::TfrmDekEinheiten(AppState& state, Windows& windows, QWidget* parent)
    : QuarvelDialog(state, windows, parent, QStringLiteral("Dekadische Einheiten"), 1016, 722) {
    setObjectName(QStringLiteral("TfrmDekEinheiten"));
    QAction* close = MenuBar()->addAction(QStringLiteral("Schließen"));
    close->setObjectName(QStringLiteral("menSchliessen"));
    connect(close, &QAction::triggered, this, &QDialog::accept);
}

void TfrmDekEinheiten::done(int result) {
    ResetGroupLevels(state_.Selection, LevelGroup::Decadic);
    QuarvelDialog::done(result);
}

} // namespace quarvel
