// Renders Quarvel's windows on the offscreen platform into PNG files, one per
// window and state:  screens OUTPUT-FOLDER [SCALE]
#include "Shots.h"

#include "windows/Program.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>

namespace quarvel::screens {

void Shots::Save(QWidget* window, const QString& name) const {
    QCoreApplication::processEvents(); // let deferred work (the start picture) finish
    window->ensurePolished();
    window->adjustSize();
    const QString path = QDir(Folder).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path)) std::fprintf(stderr, "screens: cannot write %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}

} // namespace quarvel::screens

int main(int argc, char** argv) {
    using namespace quarvel;
    if (argc < 2) {
        std::fprintf(stderr, "usage: screens OUTPUT-FOLDER [SCALE]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const double scale = argc > 2 ? std::atof(argv[2]) : 1.0;
    if (scale > 0 && scale != 1.0) qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication app(argc, argv);
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));

    AppState state;
    Windows windows;
    const auto start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });

    screens::Shots shots{QString::fromLocal8Bit(argv[1]), scale, state, windows};
    screens::ShotsApp(shots);
    screens::ShotsDrill(shots);
    screens::ShotsEvaluation(shots);
    screens::ShotsReference(shots);
    screens::ShotsSolution(shots);
    return 0;
}
