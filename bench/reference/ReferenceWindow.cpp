// The yardstick for Quarvel's start-up: the barest Qt Widgets program that
// looks like Quarvel's start window (one QMainWindow of the same client size,
// a menu bar with as many top-level entries and a painted background) and
// nothing else: no other windows, no pictures, no resources.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

namespace {

constexpr int kClientWidth = 1016;
constexpr int kClientHeight = 722;

class Background : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (int k = 0, y = 0; y < height(); ++k, y = 5 * k) {
            p.setPen(QPen(QColor(0, 0, (60 + k) % 256), 7, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(0, y, width(), y);
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Referenz"));
    auto* client = new Background(&window);
    client->setFixedSize(kClientWidth, kClientHeight);
    window.setCentralWidget(client);
    window.menuBar()->setNativeMenuBar(false);
    for (const char* caption : {"&Beenden", "&Eins", "Zwei", "Drei", "Vier", "Fünf", "Sechs"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(caption));
        menu->addAction(QStringLiteral("Punkt"));
    }
    window.setFixedSize(window.sizeHint());
    window.show();
    return QApplication::exec();
}
