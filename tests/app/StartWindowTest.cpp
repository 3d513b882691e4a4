// The start window and the pass count dialog, driven as a pupil would.
#include "drill/DrillSession.h"
#include "windows/MaxanzahlU.h"
#include "windows/MessageBox.h"
#include "windows/Program.h"
#include "windows/StartU.h"

#include "../WidgetLookup.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

using namespace quarvel;
using quarvel::test::Named;

namespace {

// The program as main creates it, with the start window shown and the
// information boxes collected instead of shown.
struct Running {
    AppState state;
    Windows windows;
    std::unique_ptr<TfrmStart> start;
    QStringList messages;

    explicit Running(QSize screen = {1280, 1024})
        : start(CreateWindows(state, windows, [screen] { return screen; })) {
        SetInformationHandler([this](QWidget*, const QString& t) { messages << t; });
        start->show();
    }
    ~Running() { SetInformationHandler({}); }
};

const QString kField = QStringLiteral("Anzahl der Durchgänge");
const QStringList kOutOfRange = {QStringLiteral("Die eingegebene Zahl liegt nicht im Bereich!")};

void Compare(const QList<QAction*>& actions, const std::vector<MenuEntry>& entries) {
    QCOMPARE(actions.size(), qsizetype(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QAction* a = actions[qsizetype(i)];
        QCOMPARE(a->objectName().toStdString(), std::string(entries[i].Name));
        QCOMPARE(a->text().toStdString(), std::string(entries[i].Caption));
        QCOMPARE(a->menu() != nullptr, !entries[i].Children.empty());
        if (a->menu() != nullptr) Compare(a->menu()->actions(), entries[i].Children);
    }
}

// The pass count dialog over the start window, `text` in its focused field.
struct PassCountOpen : Running {
    TfrmMaxanzahl* dialog = windows.Maxanzahl;
    QLineEdit* field;

    explicit PassCountOpen(const QString& text) {
        state.Selection.MaxPasses = 4;
        dialog->show();
        QApplication::setActiveWindow(dialog);
        field = Named<QLineEdit>(dialog, kField);
        field->setText(text);
        field->setFocus();
    }
};

} // namespace

class StartWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void firstShowingOnA1024By768Screen() {
        Running p({1024, 768});
        Compare(p.start->menuBar()->actions(), StartMenu());
        p.start->Submenu("menFlaeche")->aboutToShow();
        p.start->Submenu("menKombitraining4")->aboutToShow();
        QCOMPARE(p.state.Selection.AreaCode, 7);
        QCOMPARE(p.state.Selection.KombiCategory, 4);
        QAction* time = p.start->MenuItem("menZeitart");
        time->trigger();
        QVERIFY(p.state.Selection.TimeDisplay);
        QCOMPARE(time->text(), QStringLiteral("Aus"));
        QVERIFY(p.start->windowState() & Qt::WindowMaximized);
        // Rows on a multiple of 7 are black; the rest carry the blue of the last
        // 7-px line over them (line k at y = 5k covers y-3 .. y+3).
        const QImage image = p.start->centralWidget()->grab().toImage();
        for (int y : {0, 7, 714})
            QCOMPARE(image.pixelColor(3, y), QColor(Qt::black));
        for (int y : {2, 101, 716})
            QCOMPARE(image.pixelColor(3, y), QColor(0, 0, 60 + (y + 3) / 5));
        const auto* picture =
            Named<QLabel>(p.start.get(), "Bild: Messgeräte zum Umwandeln von Einheiten");
        QTRY_COMPARE(picture->pixmap().size(), picture->size()); // decoded once the window is up
    }

    void itemOpensItsWindow_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("title");
        const auto row = [](const char* item, const char* title) {
            QTest::newRow(item) << QString(item) << QString::fromUtf8(title);
        };
        row("menLaenge2", "Längenmaße: ANFÄNGER");
        row("menMasse0", "Massenmaße: VOLKSSCHÜLER");
        row("menDezDez3", "Dezimale Einheiten: FORTGESCHRITTENER");
        row("menAlle1", "Kombination-Alle metrischen Einheiten: NEUEINSTEIGER");
        row("menDurchgang", "Durchgänge");
    }
    void itemOpensItsWindow() {
        QFETCH(QString, item);
        QFETCH(QString, title);
        Running p;
        QString seen;
        bool startShown = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            seen = modal->windowTitle();
            startShown = p.start->isVisible();
            modal->close();
        });
        p.start->MenuItem(item)->trigger();
        QCOMPARE(seen, title);
        QCOMPARE(startShown, item == "menDurchgang"); // only the pass count dialog opens over it
        QVERIFY(p.start->isVisible());
        // Closing the window clears the level again.
        for (const auto group : {LevelGroup::Measure, LevelGroup::Decadic, LevelGroup::Combination})
            QCOMPARE(DrillCaption(p.state.Selection, group), std::string());
    }

    // Enter presses only a focused button; leaving the field for a button or
    // with Tab checks it.
    void passCountKeysAndButtons_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("key");    // 0: a click
        QTest::addColumn<int>("passes"); // 0: the dialog stays open
        QTest::addColumn<QString>("field");
        const auto row = [](const char* name, const char* typed, QString target, int key,
                            int passes, const char* field) {
            QTest::newRow(name) << QString(typed) << target << key << passes << QString(field);
        };
        row("OK", "7", "OK", 0, 7, "7");
        row("OK, 11", "11", "OK", 0, 3, "3");
        row("Tab, 007000", "007000", kField, Qt::Key_Tab, 0, "3");
        row("Schließen", "7", "Schließen", 0, 4, "7"); // the text stays for the next opening
        row("Return, field", "7", kField, Qt::Key_Return, 0, "7");
        row("Enter, field", "7", kField, Qt::Key_Enter, 0, "7");
        row("Enter, OK", "7", "OK", Qt::Key_Enter, 7, "7");
        row("Return, Schließen", "7", "Schließen", Qt::Key_Return, 4, "7");
    }
    void passCountKeysAndButtons() {
        QFETCH(QString, typed);
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(int, passes);
        QFETCH(QString, field);
        PassCountOpen open(typed);
        QWidget* widget = Named(open.dialog, target);
        widget->setFocus(Qt::TabFocusReason);
        const auto keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        key == 0 ? QTest::mouseClick(widget, Qt::LeftButton)
                 : QTest::keyClick(widget, Qt::Key(key), keypad);
        QCOMPARE(open.dialog->isVisible(), passes == 0);
        QCOMPARE(open.state.Selection.MaxPasses, passes == 0 ? 4 : passes);
        QCOMPARE(open.field->text(), field);
        QCOMPARE(open.messages, field != typed ? kOutOfRange : QStringList{});
    }

    // Only digits reach the field, however they come; it is judged only when
    // the focus moves on within the dialog, not when its context menu, another
    // window or the close box takes the focus.
    void passCountFieldTakesDigitsAndIsJudgedWithinTheDialog() {
        PassCountOpen open{QString()};
        QTest::keyClicks(open.field, QStringLiteral("a-+ ,.1x"));
        QInputMethodEvent composed; // an Arabic-Indic digit, then an ASCII one
        composed.setCommitString(QStringLiteral("\u0663"));
        QApplication::sendEvent(open.field, &composed);
        composed.setCommitString(QStringLiteral("1"));
        QApplication::sendEvent(open.field, &composed);
        QGuiApplication::clipboard()->setText(QStringLiteral("-7"));
        // Ctrl+V as the keyboard sends it, with its control character.
        QTest::sendKeyEvent(QTest::Click, open.field, Qt::Key_V, QString(QChar(0x16)),
                            Qt::ControlModifier);
        QWidget* popup = nullptr;
        QTimer::singleShot(0, [&] {
            popup = QApplication::activePopupWidget();
            if (popup != nullptr) popup->close();
        });
        // Through the window, which turns the press into a context menu event.
        const QPoint inField = open.field->mapTo(open.dialog, open.field->rect().center());
        QTest::mouseClick(open.dialog->windowHandle(), Qt::RightButton, {}, inField);
        QVERIFY(qobject_cast<QMenu*>(popup) != nullptr);
        QApplication::setActiveWindow(open.start.get());
        open.dialog->close();
        QCOMPARE(open.field->text(), QStringLiteral("11"));
        QVERIFY(open.messages.isEmpty());
    }
};

QTEST_MAIN(StartWindowTest)
#include "StartWindowTest.moc"
