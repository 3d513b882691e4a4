// Renders Quarvel's windows on the offscreen platform into PNG files, one per
// window and state:  screens OUTPUT-FOLDER [SCALE] [--screen WxH]
// SCALE is the display's pixel ratio; --screen names the screen the windows
// open on, in logical pixels, so they take the scale they would take there
// (1280x800 when not given: every window at its designed size).
#include "Shots.h"

#include "windows/Program.h"

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QWidget>

#include <cstdio>

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

int main(int argc, char** argv) {
    using namespace quarvel;
    QStringList args;
    QSize screen(1280, 800);
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QStringLiteral("--screen") && i + 1 < argc) {
            const QStringList size = QString::fromLocal8Bit(argv[++i]).split(u'x');
            if (size.size() == 2) screen = QSize(size[0].toInt(), size[1].toInt());
        } else {
            args << arg;
        }
    }
    if (args.isEmpty() || screen.isEmpty()) {
        std::fprintf(stderr, "usage: screens OUTPUT-FOLDER [SCALE] [--screen WxH]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const double scale = args.size() > 1 ? args[1].toDouble() : 1.0;
    if (scale > 0 && scale != 1.0) qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication app(argc, argv);
    QDir().mkpath(args[0]);

    AppState state;
    Windows windows;
    const auto start = CreateWindows(state, windows, [screen] { return screen; });

    screens::Shots shots{args[0], scale, state, windows};
    screens::ShotsApp(shots);
    screens::ShotsDrill(shots);
    screens::ShotsEvaluation(shots);
    screens::ShotsReference(shots);
    screens::ShotsSolution(shots);
    return 0;
}
