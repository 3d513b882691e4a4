#include "windows/Program.h"

#include "windows/AuswertungU.h"
#include "windows/DekEinheitenU.h"
#include "windows/EinheitenU.h"
#include "windows/InformationU.h"
#include "windows/KombinationenU.h"
#include "windows/MaxanzahlU.h"
#include "windows/VerwandlungskettenU.h"

namespace quarvel {

std::unique_ptr<TfrmStart> CreateWindows(Windows& windows, std::shared_ptr<RandomSource> rng,
                                         TfrmStart::ScreenQuery screen) {
    auto start = std::make_unique<TfrmStart>(windows, std::move(screen));
    TfrmStart* parent = start.get();
    windows.Start = parent;
    windows.Verwandlungsketten = new TfrmVerwandlungsketten(windows, parent);
    windows.Einheiten = new TfrmEinheiten(windows, rng, parent);
    windows.Maxanzahl = new TfrmMaxanzahl(windows, parent);
    windows.Auswertung = new TfrmAuswertung(windows, parent);
    windows.Kombinationen = new TfrmKombinationen(windows, rng, parent);
    windows.Information = new TfrmInformation(windows, parent);
    windows.DekEinheiten = new TfrmDekEinheiten(windows, rng, parent);
    return start;
}

} // namespace quarvel
