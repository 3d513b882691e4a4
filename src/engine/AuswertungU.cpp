#include "engine/AuswertungU.h"

#include "app/Selection.h"

#include <QMenuBar>

namespace quarvel {

TfrmAuswertung::TfrmAuswertung(AppState& state, Windows& windows, QWidget* parent)
    : QuarvelDialog(state, windows, parent, QStringLiteral("Auswertung"), 392, 433) {
    setObjectName(QStringLiteral("TfrmAuswertung"));
    QAction* close = MenuBar()->addAction(QStringLiteral("Schließen"));
    close->setObjectName(QStringLiteral("menSchliessen"));
    connect(close, &QAction::triggered, this, &QDialog::accept);
}

void TfrmAuswertung::done(int result) {
    
    QuarvelDialog::done(result);
}

} // namespace quarvel
