#include "Shots.h"

#include "windows/MaxanzahlU.h"
#include "windows/StartU.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace quarvel::screens {

void ShotsApp(Shots& shots) {
    shots.Wins.Start->show();
    shots.Save(shots.Wins.Start, QStringLiteral("start"));
    shots.Wins.Maxanzahl->show();
    shots.Save(shots.Wins.Maxanzahl, QStringLiteral("maxanzahl"));
    shots.Wins.Maxanzahl->hide();

    // "Übungscode…": the dialog as it opens, and with a mistyped code refused.
    QTimer::singleShot(0, [&shots] {
        QWidget* dialog = QApplication::activeModalWidget();
        shots.Save(dialog, QStringLiteral("uebungscode"));
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("edtCode"));
        QTest::keyClicks(field, QStringLiteral("5XWP-677W"));
        QTest::keyClick(field, Qt::Key_Return);
        shots.Save(dialog, QStringLiteral("uebungscode-abgelehnt"));
        dialog->findChild<QPushButton*>(QStringLiteral("btnAbbrechen"))->click();
    });
    shots.Wins.Start->AskExerciseCode();
}

} // namespace quarvel::screens
