#include "reference/VerwandlungskettenU.h"

#include "app/Selection.h"

#include <QMenuBar>

namespace quarvel {

TfrmVerwandlungsketten::TfrmVerwandlungsketten(AppState& state, Windows& windows, QWidget* parent)
    : QuarvelDialog(state, windows, parent, QStringLiteral("Umwandlungskette"), 367, 154) {
    setObjectName(QStringLiteral("TfrmVerwandlungsketten"));
    QAction* close = MenuBar()->addAction(QStringLiteral("Schließen"));
    close->setObjectName(QStringLiteral("menSchliessen"));
    connect(close, &QAction::triggered, this, &QDialog::accept);
}

void TfrmVerwandlungsketten::done(int result) {
    
    QuarvelDialog::done(result);
}

} // namespace quarvel
