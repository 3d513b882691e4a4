#include "Shots.h"

#include "windows/MaxanzahlU.h"
#include "windows/StartU.h"

namespace quarvel::screens {

void ShotsApp(Shots& shots) {
    shots.Wins.Start->show();
    shots.Save(shots.Wins.Start, QStringLiteral("start"));
    shots.Wins.Maxanzahl->show();
    shots.Save(shots.Wins.Maxanzahl, QStringLiteral("maxanzahl"));
    shots.Wins.Maxanzahl->hide();
}

} // namespace quarvel::screens
