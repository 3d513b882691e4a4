// Quarvel: a drill program for converting units and for the decadic number system.
#include "app/AppState.h"
#include "app/MaxanzahlU.h"
#include "app/StartU.h"
#include "decadic/DekEinheitenU.h"
#include "engine/AuswertungU.h"
#include "engine/EinheitenU.h"
#include "engine/KombinationenU.h"
#include "reference/InformationU.h"
#include "reference/VerwandlungskettenU.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    QApplication::setApplicationVersion(QStringLiteral("2.3"));

    quarvel::AppState state;
    quarvel::Windows windows;

    // Every window is created once, in this order, and lives until the end.
    quarvel::TfrmStart start(state, windows);
    windows.Start = &start;
    windows.Verwandlungsketten = new quarvel::TfrmVerwandlungsketten(state, windows, &start);
    windows.Einheiten = new quarvel::TfrmEinheiten(state, windows, &start);
    windows.Maxanzahl = new quarvel::TfrmMaxanzahl(state, windows, &start);
    windows.Auswertung = new quarvel::TfrmAuswertung(state, windows, &start);
    windows.Kombinationen = new quarvel::TfrmKombinationen(state, windows, &start);
    windows.Information = new quarvel::TfrmInformation(state, windows, &start);
    windows.DekEinheiten = new quarvel::TfrmDekEinheiten(state, windows, &start);

    start.show();
    return QApplication::exec();
}
