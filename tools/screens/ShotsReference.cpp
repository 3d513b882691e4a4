#include "Shots.h"

#include "windows/InformationU.h"
#include "windows/VerwandlungskettenU.h"

#include <QAction>

namespace quarvel::screens {

void ShotsReference(Shots& shots) {
    TfrmVerwandlungsketten* chain = shots.Wins.Verwandlungsketten;
    for (int area = 1; area <= 8; ++area) {
        SelectionState selection;
        selection.AreaCode = area;
        chain->SetChain(AreaOf(selection), std::nullopt);
        chain->show();
        shots.Save(chain, QStringLiteral("chain-%1").arg(area));
        chain->hide();
    }

    TfrmInformation* info = shots.Wins.Information;
    info->show();
    const char* items[] = {"menLaengeG", "menMasseG", "menLaengeM", "menMasseM", "menEinheiten"};
    for (int page = 1; page <= 5; ++page) {
        info->findChild<QAction*>(QString::fromLatin1(items[page - 1]))->trigger();
        shots.Save(info, QStringLiteral("info-%1").arg(page));
    }
    info->hide();
}

} // namespace quarvel::screens
