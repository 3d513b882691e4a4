#include "windows/Program.h"

#include "windows/AuswertungU.h"
#include "windows/DekEinheitenU.h"
#include "windows/EinheitenU.h"
#include "windows/InformationU.h"
#include "windows/KombinationenU.h"
#include "windows/MaxanzahlU.h"
#include "windows/VerwandlungskettenU.h"

#include <QCommandLineParser>

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

ProgramOptions ParseProgramOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Quarvel: Umwandeln von Einheiten und das dekadische Zahlensystem üben."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption code(
        QStringLiteral("code"),
        QStringLiteral("Öffnet gleich die Übung zu diesem Übungscode der Lehrkraft."),
        QStringLiteral("ÜBUNGSCODE"));
    parser.addOption(code);
    ProgramOptions options;
    options.HelpText = parser.helpText();
    if (!parser.parse(arguments)) {
        options.Error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        options.Error = QStringLiteral("Unbekanntes Argument: %1")
                            .arg(parser.positionalArguments().constFirst());
    }
    if (!options.Error.isEmpty()) return options;
    options.Help = parser.isSet(help) || parser.isSet(QStringLiteral("help-all"));
    options.Version = parser.isSet(version);
    options.Code = parser.value(code);
    return options;
}

} // namespace quarvel
