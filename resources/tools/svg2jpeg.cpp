// Renders an SVG drawing to a JPEG of an exact pixel size (build-time tool).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: svg2jpeg IN.svg OUT.jpg WIDTH HEIGHT\n");
        return 2;
    }
    const int width = QString::fromLocal8Bit(argv[3]).toInt();
    const int height = QString::fromLocal8Bit(argv[4]).toInt();
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid() || width <= 0 || height <= 0) {
        std::fprintf(stderr, "svg2jpeg: cannot render %s\n", argv[1]);
        return 1;
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "JPEG", 92)) {
        std::fprintf(stderr, "svg2jpeg: cannot write %s (JPEG support missing?)\n", argv[2]);
        return 1;
    }
    return 0;
}
