// Renders Quarvel's windows on the offscreen platform into PNG files, one per
// window and state. See Usage below for the command line.
#include "Shots.h"

#include "windows/Program.h"

#include <QApplication>
#include <QDir>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include <cstdio>
#include <optional>

namespace quarvel::screens {

void Shots::Save(QWidget* window, const QString& name) const {
    QCoreApplication::processEvents(); // let deferred work (the start picture) finish
    window->ensurePolished();
    window->adjustSize();
    const QString path = QDir(Folder).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path))
        std::fprintf(stderr, "screens: cannot write %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}

} // namespace quarvel::screens

namespace {

constexpr const char* Usage =
    "usage: screens [--screen WxH] OUTPUT-FOLDER [SCALE]\n"
    "       screens --help\n"
    "\n"
    "Writes one PNG per window and state of Quarvel into OUTPUT-FOLDER.\n"
    "  SCALE          the display's pixel ratio (default 1)\n"
    "  --screen WxH   the screen the windows open on, in logical pixels, so they\n"
    "                 take the scale they would take there (default 1280x800:\n"
    "                 every window at its designed size)\n"
    "  -h, --help     show this text\n"
    "  --             what follows is not an option (a folder named \"-x\")\n";

struct Options {
    QString Folder;
    double Scale = 1.0;
    QSize Screen{1280, 800};
    bool Help = false;
};

std::optional<QSize> ParseScreen(const QString& text) {
    const QStringList parts = text.split(u'x');
    if (parts.size() != 2) return std::nullopt;
    bool wide = false;
    bool high = false;
    const QSize size(parts[0].toInt(&wide), parts[1].toInt(&high));
    if (!wide || !high || size.isEmpty()) return std::nullopt;
    return size;
}

// The options, or the reason why the command line is wrong.
std::optional<Options> Parse(const QStringList& args, QString& error) {
    Options options;
    QStringList positional;
    bool optionsEnd = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnd || !arg.startsWith(u'-') || arg == QStringLiteral("-")) {
            positional << arg;
        } else if (arg == QStringLiteral("--")) {
            optionsEnd = true;
        } else if (arg == QStringLiteral("-h") || arg == QStringLiteral("--help")) {
            options.Help = true;
        } else if (arg == QStringLiteral("--screen") ||
                   arg.startsWith(QStringLiteral("--screen="))) {
            const bool joined = arg.contains(u'=');
            if (!joined && i + 1 >= args.size()) {
                error = QStringLiteral("--screen needs a size such as 1366x768");
                return std::nullopt;
            }
            const QString value = joined ? arg.section(u'=', 1) : args[++i];
            const std::optional<QSize> screen = ParseScreen(value);
            if (!screen) {
                error = QStringLiteral("--screen: not a size such as 1366x768: %1").arg(value);
                return std::nullopt;
            }
            options.Screen = *screen;
        } else {
            error = QStringLiteral("unknown option %1").arg(arg);
            return std::nullopt;
        }
    }
    if (options.Help) return options;
    if (positional.isEmpty() || positional.size() > 2) {
        error = positional.isEmpty() ? QStringLiteral("no output folder given")
                                     : QStringLiteral("too many arguments");
        return std::nullopt;
    }
    options.Folder = positional[0];
    if (positional.size() == 2) {
        bool number = false;
        options.Scale = positional[1].toDouble(&number);
        if (!number || !(options.Scale > 0)) {
            error = QStringLiteral("SCALE is not a positive number: %1").arg(positional[1]);
            return std::nullopt;
        }
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    using namespace quarvel;
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QString error;
    const std::optional<Options> options = Parse(args, error);
    if (!options) {
        std::fprintf(stderr, "screens: %s\n%s", qPrintable(error), Usage);
        return 2;
    }
    if (options->Help) {
        std::fputs(Usage, stdout);
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (options->Scale != 1.0) qputenv("QT_SCALE_FACTOR", QByteArray::number(options->Scale));
    QApplication app(argc, argv);
    if (!QDir().mkpath(options->Folder)) {
        std::fprintf(stderr, "screens: cannot make the folder %s\n", qPrintable(options->Folder));
        return 1;
    }

    Windows windows;
    const auto rng = std::make_shared<SeededRandom>(1);
    const QSize screen = options->Screen;
    const auto start = CreateWindows(windows, rng, [screen] { return screen; });

    screens::Shots shots{options->Folder, options->Scale, windows, *rng, {}};
    screens::ShotsApp(shots);
    screens::ShotsDrill(shots);
    screens::ShotsEvaluation(shots);
    screens::ShotsReference(shots);
    screens::ShotsSolution(shots);
    screens::ShotsPractice(shots);
    return 0;
}
