#include "reference/InformationU.h"

#include "app/Selection.h"

#include <QMenuBar>

namespace quarvel {

TfrmInformation::TfrmInformation(AppState& state, Windows& windows, QWidget* parent)
    : QuarvelDialog(state, windows, parent, QStringLiteral("Informationen"), 1016, 722) {
    setObjectName(QStringLiteral("TfrmInformation"));
    QAction* close = MenuBar()->addAction(QStringLiteral("Schließen"));
    close->setObjectName(QStringLiteral("menSchliessen"));
    connect(close, &QAction::triggered, this, &QDialog::accept);
}

void TfrmInformation::done(int result) {
    
    QuarvelDialog::done(result);
}

} // namespace quarvel
