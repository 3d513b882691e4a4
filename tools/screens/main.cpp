// Renders Quarvel's windows on the offscreen platform into PNG files, one per
// window and state:  screens OUTPUT-FOLDER
#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return 0;
}
