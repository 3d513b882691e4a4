#include "windows/Program.h"

#include "windows/AuswertungU.h"
#include "windows/DekEinheitenU.h"
#include "windows/EinheitenU.h"
#include "windows/InformationU.h"
#include "windows/KombinationenU.h"
#include "windows/MaxanzahlU.h"
#include "windows/VerwandlungskettenU.h"

namespace quarvel {

std::unique_ptr<TfrmStart> CreateWindows(AppState& state, Windows& windows,
                                         TfrmStart::ScreenQuery screen) {
    auto start = std::make_unique<TfrmStart>(state, windows, std::move(screen));
    TfrmStart* parent = start.get();
    windows.Start = parent;
    windows.Verwandlungsketten = new TfrmVerwandlungsketten(state, windows, parent);
    windows.Einheiten = new TfrmEinheiten(state, windows, parent);
    windows.Maxanzahl = new TfrmMaxanzahl(state, windows, parent);
    windows.Auswertung = new TfrmAuswertung(state, windows, parent);
    windows.Kombinationen = new TfrmKombinationen(state, windows, parent);
    windows.Information = new TfrmInformation(state, windows, parent);
    windows.DekEinheiten = new TfrmDekEinheiten(state, windows, parent);
    return start;
}

} // namespace quarvel
