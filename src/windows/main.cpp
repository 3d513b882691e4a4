// Quarvel: a drill program for converting units and for the decadic number system.
#include "core/Random.h"
#include "windows/Program.h"
#include "windows/Translations.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    QApplication::setApplicationVersion(QStringLiteral("2.3"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quarvel-64.png")));
    // A steady text cursor: an open drill waiting for the pupil then costs no
    // CPU at all (a blinking one wakes the program several times a second).
    QApplication::setCursorFlashTime(0);
    quarvel::InstallGermanTranslations(app);

    quarvel::Windows windows;
    const auto start = quarvel::CreateWindows(windows, std::make_shared<quarvel::ClockRandom>());
    start->show();
    return QApplication::exec();
}
