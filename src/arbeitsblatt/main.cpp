// quarvel-arbeitsblatt: printable worksheets with answer keys from Quarvel's
// task generators, through a window or from the command line.
#include "arbeitsblatt/ArbeitsblattWindow.h"
#include "arbeitsblatt/Run.h"
#include "windows/Translations.h"

#include <QApplication>
#include <QIcon>

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (quarvel::WantsCommandLine(args)) {
        std::string error;
        const std::optional<quarvel::CommandLine> line = quarvel::ParseCommandLine(args, error);
        if (!line || line->Output.empty()) {
            return quarvel::RunCommandLine(args, std::cout, std::cerr);
        }
        // Writing a PDF needs fonts but no screen, also on a server without
        // one. Qt sees none of our options.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        int qtArgc = 1;
        QGuiApplication app(qtArgc, argv);
        quarvel::InstallGermanTranslations(app);
        return quarvel::Run(*line, std::cout, std::cerr);
    }

    QApplication app(argc, argv);
    quarvel::InstallGermanTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Quarvel Arbeitsblätter"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quarvel-64.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quarvel.Arbeitsblatt"));
    const QStringList rest = QApplication::arguments().mid(1);
    if (!rest.isEmpty()) {
        std::cerr << "quarvel-arbeitsblatt: unbekanntes Argument „" << rest.front().toStdString()
                  << "“\nquarvel-arbeitsblatt --help zeigt alle Optionen.\n";
        return quarvel::kExitUsage;
    }
    quarvel::ArbeitsblattWindow window;
    window.show();
    return QApplication::exec();
}
