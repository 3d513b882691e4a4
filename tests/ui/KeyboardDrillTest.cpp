// A whole drill with the keyboard alone: from the start window's menu through
// three passes and the evaluation, and back to the start window.
#include "Drive.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace quarvel;

namespace {

// Where a key typed now would go: an open menu, else the focused widget.
QWidget* KeyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    return QApplication::activeWindow();
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(KeyTarget(), key, modifiers);
    QCoreApplication::processEvents();
}

} // namespace

class KeyboardDrillTest : public QObject {
    Q_OBJECT

  private slots:
    void drillWithKeysOnly() {
        test::Program p(3, QSize(1280, 1024));
        p.Open(p.start.get());

        TfrmEinheiten* drill = p.windows.Einheiten;
        QStringList seen;
        bool finished = false;
        test::WhenModal(nullptr, [&](QWidget* window) {
            seen << window->windowTitle();
            for (int pass = 1; pass <= 3; ++pass) {
                QCOMPARE(drill->lblDurchgang()->text(), QStringLiteral("%1 / 3").arg(pass));
                for (int line = 1; line <= 5; ++line) {
                    QCOMPARE(QApplication::focusWidget(), drill->Field(line));
                    QTest::keyClicks(KeyTarget(), p.Right(line));
                    Press(Qt::Key_Return);
                }
                // Enter in the last field moved on to the visible button.
                QPushButton* next = pass < 3 ? drill->btnWeiter() : drill->btnAuswertung();
                QCOMPARE(QApplication::focusWidget(), next);
                if (pass < 3) Press(Qt::Key_Return);
            }
            test::WhenModal(window, [&](QWidget* evaluation) {
                seen << evaluation->windowTitle();
                auto* close = evaluation->findChild<LatentButton*>(QStringLiteral("btnSchliessen"));
                QCOMPARE(QApplication::focusWidget(), close); // from the start, for a screen reader
                QTRY_VERIFY(close->Shown());
                Press(Qt::Key_Return);
            });
            Press(Qt::Key_Return); // "Auswertung"
            // A fresh drill. Escape keeps it; Alt+S ("&Schließen") closes the window.
            QCOMPARE(drill->lblDurchgang()->text(), QStringLiteral("1 / 3"));
            QApplication::setActiveWindow(drill);
            QTRY_COMPARE(QApplication::focusWidget(), drill->Field(1));
            Press(Qt::Key_Escape);
            QVERIFY(drill->isVisible());
            Press(Qt::Key_S, Qt::AltModifier);
            finished = true;
        });

        // Alt+D opens the first menu with a mnemonic; Escape leaves the menu bar
        // active, and the arrow keys go on to "Maßeinheiten" > "Länge" > "Anfänger".
        QTest::keyClick(p.start.get(), Qt::Key_D, Qt::AltModifier);
        QCoreApplication::processEvents();
        Press(Qt::Key_Escape);
        QTest::keyClick(p.start->menuBar(), Qt::Key_Right);
        QTest::keyClick(p.start->menuBar(), Qt::Key_Down);
        QCoreApplication::processEvents();
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return})
            Press(key);
        QVERIFY(finished);
        QCOMPARE(seen, (QStringList{QStringLiteral("Längenmaße: ANFÄNGER"),
                                    QStringLiteral("Auswertung")}));
        QVERIFY(p.start->isVisible());
        QCOMPARE(p.state.Selection.LevelLaenge, 0);
    }
};

QTEST_MAIN(KeyboardDrillTest)
#include "KeyboardDrillTest.moc"
