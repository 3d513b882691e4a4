// The window icon comes from the embedded resource; a missing or badly rendered
// one would leave windows with a blank icon and no error.
#include <QIcon>
#include <QTest>

class WindowIconTest : public QObject {
    Q_OBJECT
  private slots:
    void EmbeddedIconIsTheRenderedTile() {
        const QIcon icon(QStringLiteral(":/icons/quarvel-64.png"));
        QVERIFY(icon.availableSizes().contains(QSize(64, 64)));
        const QImage image = icon.pixmap(QSize(64, 64)).toImage();
        QCOMPARE(image.size(), QSize(64, 64));
        // A rounded tile: clear corners, so it sits on any panel colour; a solid blue middle.
        QCOMPARE(std::tuple(qAlpha(image.pixel(0, 0)), qAlpha(image.pixel(63, 63)),
                            qAlpha(image.pixel(32, 32))),
                 std::tuple(0, 0, 255));
        QVERIFY(image.pixelColor(32, 5).blue() > image.pixelColor(32, 5).red());
    }
};

QTEST_MAIN(WindowIconTest)
#include "WindowIconTest.moc"
