// Quarvel: a drill program for converting units and for the decadic number system.
#include "core/Random.h"
#include "windows/Program.h"
#include "windows/Translations.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    QApplication::setApplicationVersion(QStringLiteral("2.3"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quarvel-64.png")));
    // A steady text cursor: an open drill waiting for the pupil then costs no
    // CPU at all (a blinking one wakes the program several times a second).
    QApplication::setCursorFlashTime(0);
    quarvel::InstallGermanTranslations(app);

    const quarvel::ProgramOptions options =
        quarvel::ParseProgramOptions(QCoreApplication::arguments());
    if (!options.Error.isEmpty()) {
        std::fprintf(stderr, "quarvel: %s\n\n%s", qPrintable(options.Error),
                     qPrintable(options.HelpText));
        return 2;
    }
    if (options.Help || options.Version) {
        std::fputs(qPrintable(options.Help ? options.HelpText : QStringLiteral("Quarvel 2.3\n")),
                   stdout);
        return 0;
    }

    quarvel::Windows windows;
    const auto start = quarvel::CreateWindows(windows, std::make_shared<quarvel::ClockRandom>());
    start->show();
    // A code from the command line: its drill opens as soon as the start
    // window is up.
    if (!options.Code.isEmpty()) {
        QTimer::singleShot(0, start.get(),
                           [&start, code = options.Code] { start->StartWithCode(code); });
    }
    return QApplication::exec();
}
