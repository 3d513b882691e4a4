// The start window and the pass count dialog, driven as a pupil would.
#include "windows/MaxanzahlU.h"
#include "windows/MessageBox.h"
#include "windows/Program.h"
#include "windows/StartU.h"
#include "windows/DekEinheitenU.h"
#include "windows/EinheitenU.h"
#include "windows/KombinationenU.h"
#include "windows/InformationU.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace quarvel;

namespace {

struct Flat {
    int depth;
    const char* name;
    const char* caption;
};

// The whole menu, in order, as a pupil sees it.
const std::vector<Flat>& ExpectedMenu() {
    static const std::vector<Flat> menu = [] {
        std::vector<Flat> m = {{0, "menBeenden", "&Beenden"},
                               {0, "menZahlensystem", "&Dekadisches Zahlensystem"}};
        const char* dekLevels[] = {"Neueinsteiger", "Anfänger", "Fortgeschritten", "Könner", "Profi"};
        const char* levels[] = {"Neueinsteiger", "Anfänger", "Fortgeschrittener", "Könner", "Profi"};
        static std::vector<std::string> names; // keeps generated names alive
        names.reserve(200);
        auto addLevels = [&](int depth, const char* prefix, const char* const* captions) {
            for (int i = 1; i <= 5; ++i) {
                names.push_back(std::string(prefix) + std::to_string(i));
                m.push_back({depth, names.back().c_str(), captions[i - 1]});
            }
        };
        m.push_back({1, "menDekNum", "Dekadisch <--> Numerisch"});
        addLevels(2, "menDekNum", dekLevels);
        m.push_back({1, "menDekDek", "Dekadisch <--> Dekadisch"});
        addLevels(2, "menDekDek", dekLevels);
        m.push_back({1, "menDezNum", "Dezimal <--> Numerisch"});
        addLevels(2, "menDezNum", dekLevels);
        m.push_back({1, "menDezDez", "Dezimal <--> Dezimal"});
        addLevels(2, "menDezDez", dekLevels);
        m.push_back({0, "menEinheiten", "Maßeinheiten"});
        m.push_back({1, "menLaenge", "Länge"});
        addLevels(2, "menLaenge", levels);
        m.push_back({1, "menMasse", "Masse"});
        m.push_back({2, "menMasse0", "Volksschüler"});
        addLevels(2, "menMasse", levels);
        m.push_back({1, "menFlaeche", "Fläche"});
        addLevels(2, "menFlaeche", levels);
        m.push_back({1, "menVolumen", "Volumen"});
        m.push_back({2, "menVolumen1", "Kubik"});
        addLevels(3, "menKubik", levels);
        m.push_back({2, "menVolumen2", "Liter"});
        addLevels(3, "menLiter", levels);
        m.push_back({2, "menVolumen3", "Gemischt"});
        addLevels(3, "menGemischt", levels);
        m.push_back({0, "menKombi", "Kombinationstraining"});
        m.push_back({1, "menKombitraining1", "Längen und Massen"});
        addLevels(2, "menLM", levels);
        m.push_back({1, "menKombitraining2", "Längen und Flächen"});
        addLevels(2, "menLF", levels);
        m.push_back({1, "menKombitraining3", "Längen, Flächen und Massen"});
        addLevels(2, "menLFM", levels);
        m.push_back({1, "menKombitraining4", "Flächen und Raummaße"});
        addLevels(2, "menFR", levels);
        m.push_back({1, "menKombitraining5", "Alle metrischen Einheiten"});
        addLevels(2, "menAlle", levels);
        m.push_back({0, "menDurchgang", "Anzahl der Durchgänge"});
        m.push_back({0, "menInformation", "Informationen"});
        m.push_back({0, "menZeit", "Zeitanzeige"});
        m.push_back({1, "menZeitart", "Ein"});
        return m;
    }();
    return menu;
}

void Flatten(const QList<QAction*>& actions, int depth, std::vector<std::tuple<int, QString, QString>>& out) {
    for (QAction* a : actions) {
        out.emplace_back(depth, a->objectName(), a->text());
        if (a->menu() != nullptr) Flatten(a->menu()->actions(), depth + 1, out);
    }
}

// Runs `action` and, once a modal window is up, records it and closes it.
QWidget* OpenAndClose(const std::function<void()>& action, bool* startHiddenMeanwhile = nullptr) {
    QWidget* seen = nullptr;
    QTimer::singleShot(0, [&] {
        seen = QApplication::activeModalWidget();
        if (startHiddenMeanwhile != nullptr) {
            *startHiddenMeanwhile = !seen->parentWidget()->isVisible();
        }
        if (seen != nullptr) seen->close();
    });
    action();
    return seen;
}

// The pass count dialog shown over the start window with `text` in its field,
// the field focused; the messages are collected instead of shown.
struct OpenPassCount {
    AppState state;
    Windows windows;
    std::unique_ptr<TfrmStart> start =
        CreateWindows(state, windows, [] { return QSize(1280, 1024); });
    TfrmMaxanzahl* dialog = windows.Maxanzahl;
    QLineEdit* field = dialog->edtMaxzahl();
    QStringList messages;

    explicit OpenPassCount(const QString& text) {
        SetInformationHandler([this](QWidget*, const QString& t) { messages << t; });
        start->show();
        dialog->show();
        QApplication::setActiveWindow(dialog);
        field->setText(text);
        field->setFocus();
    }
    ~OpenPassCount() { SetInformationHandler({}); }
};

// How a text reaches the field.
enum class Via { Key, DeadKey, InputMethod, Paste, Drop };

void Commit(QWidget* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

const QString kOutOfRange = QStringLiteral("Die eingegebene Zahl liegt nicht im Bereich!");

} // namespace

class StartWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void menuHasEveryCaptionAndNameInOrder() {
        AppState state;
        Windows windows;
        auto start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        std::vector<std::tuple<int, QString, QString>> actual;
        Flatten(start->menuBar()->actions(), 0, actual);
        const auto& expected = ExpectedMenu();
        QCOMPARE(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(std::get<0>(actual[i]), expected[i].depth);
            QCOMPARE(std::get<1>(actual[i]), QString::fromUtf8(expected[i].name));
            QCOMPARE(std::get<2>(actual[i]), QString::fromUtf8(expected[i].caption));
        }
    }

    void windowsAreCreatedInOrder() {
        AppState state;
        Windows windows;
        auto start = CreateWindows(state, windows);
        QStringList order;
        for (QObject* child : start->children()) {
            if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow()) order << child->objectName();
        }
        const QStringList expected = {"TfrmVerwandlungsketten", "TfrmEinheiten", "TfrmMaxanzahl",
                                      "TfrmAuswertung",         "TfrmKombinationen", "TfrmInformation",
                                      "TfrmDekEinheiten"};
        QCOMPARE(order, expected);
        QVERIFY(windows.Start == start.get());
        QVERIFY(windows.DekEinheiten != nullptr);
    }

    void startupDefaultsOnFirstShow() {
        for (const QSize screen : {QSize(1024, 768), QSize(1280, 1024)}) {
            AppState state;
            state.Selection.MaxPasses = 9;
            state.Selection.LevelKubik = 4;
            Windows windows;
            auto start = CreateWindows(state, windows, [screen] { return screen; });
            start->show();
            const bool full = screen == QSize(1024, 768);
            QCOMPARE(state.Selection.FullScreen, full);
            QCOMPARE(bool(start->windowState() & Qt::WindowMaximized), full);
            QCOMPARE(state.Selection.MaxPasses, 3);
            QCOMPARE(state.Selection.LevelKubik, 0);
            QCOMPARE(start->windowTitle(), QStringLiteral("Quarvel"));
            QCOMPARE(start->centralWidget()->size(), QSize(1016, 722));
        }
    }

    void backgroundIsABlueGradientWithBlackLines() {
        AppState state;
        Windows windows;
        auto start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        start->show();
        const QImage image = start->centralWidget()->grab().toImage();
        // Rows on a multiple of 7 are black; the rest carry the blue of the last
        // 7-px line over them (line k at y = 5k covers y-3 .. y+3).
        for (int y : {0, 7, 140, 714}) QCOMPARE(image.pixelColor(3, y), QColor(Qt::black));
        for (int y : {2, 101, 360, 716}) {
            const int k = (y + 3) / 5;
            QCOMPARE(image.pixelColor(3, y), QColor(0, 0, 60 + k));
        }
        const QLabel* picture = start->imgBild();
        QCOMPARE(picture->geometry(), QRect(208, 144, 603, 457));
        QTRY_VERIFY(!picture->pixmap().isNull()); // decoded just after the window is up
        QCOMPARE(picture->pixmap().size(), QSize(603, 457));
    }

    void levelItemHidesStartAndOpensItsWindow() {
        AppState state;
        Windows windows;
        auto start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        start->show();
        struct Case {
            const char* submenu;
            const char* item;
            QWidget* window;
        };
        std::vector<SelectionState> levels;
        for (const Case& c : {Case{"menLaenge", "menLaenge2", windows.Einheiten},
                              Case{"menDezDez", "menDezDez3", windows.DekEinheiten},
                              Case{"menKombitraining5", "menAlle1", windows.Kombinationen}}) {
            start->Submenu(QString::fromUtf8(c.submenu))->aboutToShow();
            bool hidden = false;
            SelectionState during;
            QTimer::singleShot(0, [&] { during = state.Selection; });
            QWidget* shown = OpenAndClose([&] { start->MenuItem(QString::fromUtf8(c.item))->trigger(); }, &hidden);
            levels.push_back(during);
            QCOMPARE(shown, c.window);
            QVERIFY(hidden);
            QVERIFY(start->isVisible());
        }
        QCOMPARE(state.Selection.AreaCode, 4);
        QCOMPARE(state.Selection.KombiCategory, 5);
        QCOMPARE(levels[0].LevelLaenge, 2);
        QCOMPARE(levels[1].LevelDezDez, 3);
        QCOMPARE(levels[2].LevelAlle, 1);

        QWidget* info = OpenAndClose([&] { start->MenuItem("menInformation")->trigger(); });
        QCOMPARE(info, static_cast<QWidget*>(windows.Information));
    }

    void closingAnExerciseWindowResetsItsGroup() {
        AppState state;
        Windows windows;
        auto start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        start->show();
        state.Selection.LevelLM = 2;
        OpenAndClose([&] { start->MenuItem("menLaenge4")->trigger(); });
        QCOMPARE(state.Selection.LevelLaenge, 0);
        QCOMPARE(state.Selection.LevelLM, 2); // another group is not touched
        OpenAndClose([&] { start->MenuItem("menFlaeche1")->trigger(); });
        QCOMPARE(state.Selection.LevelFlaeche, 0);
    }

    void timeDisplayItemToggles() {
        AppState state;
        Windows windows;
        auto start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        start->show();
        QAction* item = start->MenuItem("menZeitart");
        item->trigger();
        QVERIFY(state.Selection.TimeDisplay);
        QCOMPARE(item->text(), QStringLiteral("Aus"));
        item->trigger();
        QVERIFY(!state.Selection.TimeDisplay);
        QCOMPARE(item->text(), QStringLiteral("Ein"));
    }

    void passCountDialog() {
        AppState state;
        Windows windows;
        auto start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        start->show();
        QStringList messages;
        SetInformationHandler([&](QWidget*, const QString& text) { messages << text; });
        auto* dialog = windows.Maxanzahl;
        QLineEdit* field = dialog->edtMaxzahl();

        // Types into the open dialog, then presses OK or the close button.
        auto run = [&](const QString& typed, QPushButton* button) {
            QTimer::singleShot(0, [&] {
                QApplication::setActiveWindow(dialog);
                field->setFocus();
                field->selectAll();
                QTest::keyClick(field, Qt::Key_Backspace);
                QTest::keyClicks(field, typed);
                button->setFocus(); // leaving the field checks it
                QTest::mouseClick(button, Qt::LeftButton);
                if (dialog->isVisible()) QTest::mouseClick(button, Qt::LeftButton);
            });
            start->MenuItem("menDurchgang")->trigger();
        };

        run("7", dialog->BitBtn2());
        QCOMPARE(state.Selection.MaxPasses, 7);
        QVERIFY(messages.isEmpty());

        // Every range case is checked on the logic; here the dialog's handling.
        for (const char* bad : {"11", "007000"}) {
            messages.clear();
            state.Selection.MaxPasses = 5;
            run(QString::fromLatin1(bad), dialog->BitBtn2());
            QCOMPARE(messages, QStringList{QStringLiteral("Die eingegebene Zahl liegt nicht im Bereich!")});
            QCOMPARE(field->text(), QStringLiteral("3"));
            QCOMPARE(state.Selection.MaxPasses, 3);
        }

        messages.clear();
        run("", dialog->BitBtn2());
        QVERIFY(messages.isEmpty());
        QCOMPARE(field->text(), QStringLiteral("3"));

        state.Selection.MaxPasses = 4;
        run("7", dialog->BitBtn1());
        QCOMPARE(state.Selection.MaxPasses, 4); // the close button changes nothing
        QCOMPARE(field->text(), QStringLiteral("7")); // the field keeps its text for the next opening

        // Letters, signs, blanks, comma and Enter cannot be typed.
        QApplication::setActiveWindow(dialog);
        field->setText("");
        QTest::keyClicks(field, "a-+ ,.5x");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), QStringLiteral("5"));

        SetInformationHandler({});
    }

    void passCountFieldHoldsOnlyDigits_data() {
        QTest::addColumn<int>("via");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, Via via, const QString& text,
                            const QString& expected) {
            QTest::newRow(name) << int(via) << text << expected;
        };
        const QString emoji = QStringLiteral("\U0001F600");
        const QString nines(50, QChar('9'));
        row("typed digit", Via::Key, "5", "45");
        row("typed emoji", Via::Key, emoji, "4");
        row("dead circumflex, 2", Via::DeadKey, QStringLiteral("\u00b2"), "4");
        row("dead circumflex, e", Via::DeadKey, QStringLiteral("\u00ea"), "4");
        row("input method emoji", Via::InputMethod, emoji, "4");
        row("input method digit", Via::InputMethod, "7", "47");
        row("input method digit and letter", Via::InputMethod, "7a", "4");
        row("pasted letters", Via::Paste, "abc", "4");
        row("pasted sign", Via::Paste, "-7", "4");
        row("pasted long number", Via::Paste, nines, "4" + nines); // kept whole, judged on leaving
        row("dropped letter", Via::Drop, "x9", "4");
        row("dropped digit", Via::Drop, "9", "49");
    }

    void passCountFieldHoldsOnlyDigits() {
        QFETCH(int, via);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        OpenPassCount open(QStringLiteral("4"));
        QLineEdit* field = open.field;
        switch (Via(via)) {
        case Via::Key:
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
            break;
        case Via::DeadKey:
            // The dead key itself carries no text; the composed character comes
            // from the input method.
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_Dead_Circumflex, QString(),
                                Qt::NoModifier);
            Commit(field, text);
            break;
        case Via::InputMethod:
            Commit(field, text);
            break;
        case Via::Paste:
            QGuiApplication::clipboard()->setText(text);
            // Ctrl+V as the keyboard sends it, with the control character as text.
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_V, QString(QChar(0x16)),
                                Qt::ControlModifier);
            break;
        case Via::Drop: {
            QMimeData data;
            data.setText(text);
            const QPoint end(field->width() - 4, field->height() / 2);
            QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(field, &enter);
            QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(field, &drop);
            break;
        }
        }
        QCOMPARE(field->text(), expected);
        QVERIFY(open.messages.isEmpty());
    }

    void passCountEnterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("passes");
        QTest::newRow("Return in the field") << "edtMaxzahl" << int(Qt::Key_Return) << false << 4;
        QTest::newRow("Enter in the field") << "edtMaxzahl" << int(Qt::Key_Enter) << false << 4;
        QTest::newRow("Return on OK") << "BitBtn2" << int(Qt::Key_Return) << true << 7;
        QTest::newRow("Enter on OK") << "BitBtn2" << int(Qt::Key_Enter) << true << 7;
        QTest::newRow("Return on Schließen") << "BitBtn1" << int(Qt::Key_Return) << true << 4;
        QTest::newRow("Enter on Schließen") << "BitBtn1" << int(Qt::Key_Enter) << true << 4;
    }

    void passCountEnterPressesTheFocusedButton() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, closes);
        QFETCH(int, passes);
        OpenPassCount open(QStringLiteral("7"));
        open.state.Selection.MaxPasses = 4;
        auto* target = open.dialog->findChild<QWidget*>(focus);
        target->setFocus(Qt::TabFocusReason);
        const auto modifier = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(target, Qt::Key(key), modifier);
        QCOMPARE(open.dialog->isVisible(), !closes);
        QCOMPARE(open.state.Selection.MaxPasses, passes);
        QCOMPARE(open.field->text(), QStringLiteral("7"));
        QVERIFY(open.messages.isEmpty());
    }

    void passCountIsCheckedWhenTheFocusMovesOnInTheDialog_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("checked");
        QTest::newRow("right click") << "context menu" << false;
        QTest::newRow("another window") << "window" << false;
        QTest::newRow("Tab") << "tab" << true;
        QTest::newRow("close box") << "close box" << false;
        QTest::newRow("click on OK") << "ok" << true;
    }

    void passCountIsCheckedWhenTheFocusMovesOnInTheDialog() {
        QFETCH(QString, how);
        QFETCH(bool, checked);
        OpenPassCount open(QStringLiteral("11"));
        if (how == "context menu") {
            QWidget* popup = nullptr;
            QTimer::singleShot(0, [&] {
                popup = QApplication::activePopupWidget();
                if (popup != nullptr) popup->close();
            });
            // Through the window, which turns the press into a context menu event.
            QTest::mouseClick(open.dialog->windowHandle(), Qt::RightButton, {},
                              open.field->mapTo(open.dialog, open.field->rect().center()));
            QVERIFY(qobject_cast<QMenu*>(popup) != nullptr);
        } else if (how == "close box") {
            open.dialog->close();
        } else if (how == "window") {
            QApplication::setActiveWindow(open.start.get());
        } else if (how == "tab") {
            QTest::keyClick(open.field, Qt::Key_Tab);
        } else {
            QTest::mouseClick(open.dialog->BitBtn2(), Qt::LeftButton);
        }
        QCOMPARE(open.messages, checked ? QStringList{kOutOfRange} : QStringList{});
        QCOMPARE(open.field->text(), checked ? QStringLiteral("3") : QStringLiteral("11"));
    }
};

QTEST_MAIN(StartWindowTest)
#include "StartWindowTest.moc"
