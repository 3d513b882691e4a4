// Random walks through the program's real windows, as restless hands on the
// keyboard take them: menu choices, bursts of keys, closing the window in
// front, clicks on buttons and right answers. Each walk is reproducible from
// its seed. After every step a window is visible, or the program has ended.
#include "windows/AuswertungU.h"
#include "windows/DekEinheitenU.h"
#include "windows/ExerciseWindow.h"
#include "windows/Program.h"
#include "windows/StartU.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>
#include <random>

using namespace quarvel;

namespace {

struct Key {
    Qt::Key Code;
    Qt::KeyboardModifiers Modifiers;
    const char* Name;
    int Weight; // how often it is drawn, against the others
};

// The keys of a burst: those of the menus and dialogs, and some that have
// nothing to do (as in the burst the program was once left without a window
// by: Ctrl+C, F9, F10, Alt+D, KP_Enter, BackSpace, letters, Escape).
constexpr Key kKeys[] = {
    {Qt::Key_Escape, Qt::NoModifier, "Escape", 4},
    {Qt::Key_Return, Qt::NoModifier, "Return", 2},
    {Qt::Key_Enter, Qt::KeypadModifier, "KP_Enter", 2},
    {Qt::Key_D, Qt::AltModifier, "Alt+D", 3},
    {Qt::Key_B, Qt::AltModifier, "Alt+B", 1},
    {Qt::Key_S, Qt::AltModifier, "Alt+S", 2},
    {Qt::Key_Alt, Qt::AltModifier, "Alt", 1},
    {Qt::Key_Left, Qt::NoModifier, "Left", 1},
    {Qt::Key_Right, Qt::NoModifier, "Right", 3},
    {Qt::Key_Down, Qt::NoModifier, "Down", 3},
    {Qt::Key_Up, Qt::NoModifier, "Up", 1},
    {Qt::Key_Tab, Qt::NoModifier, "Tab", 1},
    {Qt::Key_Backspace, Qt::NoModifier, "BackSpace", 1},
    {Qt::Key_Space, Qt::NoModifier, "Space", 1},
    {Qt::Key_F9, Qt::NoModifier, "F9", 1},
    {Qt::Key_F10, Qt::NoModifier, "F10", 1},
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C", 1},
    {Qt::Key_B, Qt::NoModifier, "b", 1},
    {Qt::Key_N, Qt::NoModifier, "n", 1},
    {Qt::Key_3, Qt::NoModifier, "3", 1},
    {Qt::Key_7, Qt::NoModifier, "7", 1},
    {Qt::Key_Comma, Qt::NoModifier, ",", 1},
};

// A window a person sees: a menu that stays open without its window is none.
QList<QWidget*> VisibleWindows() {
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w->isVisible() && type != Qt::Popup && type != Qt::ToolTip) shown << w;
    }
    return shown;
}

// A key pressed and released as the platform hands it over, to the window
// that had the keyboard when it was typed. (QTest's keyClick on a window runs
// the event loop after each key, which keys typed ahead do not wait for.)
void Type(QWindow* target, const Key& key) {
    const QString text = QString(QChar::fromLatin1(QTest::keyToAscii(key.Code)));
    const QPointer<QWindow> window = target;
    qt_handleKeyEvent(window.data(), QEvent::KeyPress, key.Code, key.Modifiers, text);
    if (window != nullptr)
        qt_handleKeyEvent(window.data(), QEvent::KeyRelease, key.Code, key.Modifiers, text);
}

const Key& KeyNamed(const QString& name) {
    for (const Key& key : kKeys)
        if (name == QLatin1String(key.Name)) return key;
    qFatal("no key %s", qPrintable(name));
}

// One walk: the program as main creates it, run by the main loop as main
// runs it, with a step taken whenever the current event loop is idle.
class Walk {
  public:
    Walk(unsigned seed, int steps) : random_(seed), stepsLeft_(steps), diligent_(seed % 4 == 0) {
        state_.Rng = std::make_shared<SeededRandom>(seed);
        start_ = CreateWindows(state_, windows_, [] { return QSize(1280, 1024); });
        windows_.Auswertung->SetStepInterval(0);
    }

    // Empty when the invariant held throughout; else what went wrong and the
    // steps that led there.
    QString Run() {
        start_->show();
        Next();
        QApplication::exec();
        ended_ = true;
        // The process would end here; the windows go with the walk.
        for (QWidget* window : QApplication::topLevelWidgets())
            window->hide();
        return failure_;
    }

  private:
    void Next(int ms = 0) {
        QTimer::singleShot(ms, &guard_, [this] { Step(); });
    }

    void Fail(const QString& what) {
        failure_ = what + QStringLiteral(", after:\n  ") +
                   trail_.mid(trail_.size() - 12).join(QStringLiteral("\n  "));
        QCoreApplication::exit(1);
    }

    void Step() {
        if (ended_ || !failure_.isEmpty()) return;
        if (VisibleWindows().isEmpty()) {
            // The program may be on its way out: a closed start window ends
            // the main loop within a few turns of it.
            if (++waited_ > 5) Fail(QStringLiteral("no window is visible, yet the program runs"));
            Next(10);
            return;
        }
        waited_ = 0;
        if (stepsLeft_-- <= 0) {
            QCoreApplication::exit(0);
            return;
        }
        // Scheduled first: the action may open a modal window, whose own
        // event loop takes the next step.
        Next();
        Act();
    }

    // A menu is named by its menu bar item.
    static QString Title(QWidget* window) {
        if (auto* menu = qobject_cast<QMenu*>(window))
            return QStringLiteral("menu ") + menu->title();
        return window->windowTitle();
    }

    int Draw(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // The window that takes the keys: the active popup, else the modal
    // window, else the start window.
    static QWidget* Front(QWidget* start) {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        if (QWidget* modal = QApplication::activeModalWidget()) return modal;
        return start->isVisible() ? start : nullptr;
    }

    void Act() {
        QWidget* front = Front(start_.get());
        if (front == nullptr) return;
        // In a drill most steps answer or go on; a diligent walk does nothing
        // else there, and so gets through the passes to the evaluation.
        const bool drill = qobject_cast<ExerciseWindow*>(front) != nullptr;
        const int kind = drill && diligent_ ? 8 + Draw(12) : Draw(20);
        if (kind < (drill ? 6 : 12)) {
            Burst(front);
        } else if (kind < (drill ? 7 : 15)) {
            ChooseMenuItem(front);
        } else if (kind < (drill ? 8 : 16)) {
            CloseWindow(front);
        } else if (kind < (drill ? 12 : 18)) {
            ClickButton(front);
        } else {
            AnswerRight();
        }
    }

    // Keys typed faster than the program takes them: the window in front has
    // the keyboard (as a window manager or the X server gives it to the
    // window shown last), and every key of the burst goes to that window,
    // whatever the keys before it did; no posted event runs between them.
    void Burst(QWidget* front) {
        QWidget* window = front->window();
        if (window->windowType() != Qt::Popup && QApplication::activeWindow() != window)
            QApplication::setActiveWindow(window);
        const QPointer<QWindow> target = window->windowHandle();
        if (target == nullptr) return;
        QList<const Key*> keys;
        QStringList names;
        const int count = 1 + Draw(8);
        for (int i = 0; i < count; ++i) {
            keys << &kKeys[keyDraw_(random_)];
            names << QString::fromLatin1(keys.back()->Name);
        }
        trail_ << QStringLiteral("keys to %1: %2").arg(Title(window), names.join(u' '));
        for (const Key* key : keys) {
            if (target == nullptr || ended_) return;
            Type(target, *key);
        }
    }

    // A click on an item of the front window's menu bar, or the keyboard's
    // choice of an item of an open menu (Return, as a click, closes the menus
    // before the item acts).
    void ChooseMenuItem(QWidget* front) {
        auto* menu = qobject_cast<QMenu*>(front);
        auto* bar = menu == nullptr ? front->findChild<QMenuBar*>() : nullptr;
        QList<QAction*> items = menu != nullptr  ? menu->actions()
                                : bar != nullptr ? bar->actions()
                                                 : QList<QAction*>{};
        items.removeIf([](QAction* a) { return !a->isVisible() || a->isSeparator(); });
        if (items.isEmpty()) return;
        QAction* item = items[Draw(static_cast<int>(items.size()))];
        trail_ << QStringLiteral("menu of %1: %2").arg(Title(front), item->text());
        if (menu != nullptr) {
            menu->setActiveAction(item);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item).center());
        }
    }

    void ClickButton(QWidget* front) {
        QList<QPushButton*> buttons = front->findChildren<QPushButton*>();
        buttons.removeIf([](QPushButton* b) { return !b->isVisible() || !b->isEnabled(); });
        if (buttons.isEmpty()) return;
        QPushButton* button = buttons[Draw(static_cast<int>(buttons.size()))];
        trail_ << QStringLiteral("click %1: %2").arg(Title(front), button->text());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // As a window manager's close box or Alt+F4 closes the window in front.
    void CloseWindow(QWidget* front) {
        trail_ << QStringLiteral("close %1").arg(Title(front));
        if (QWindow* handle = front->window()->windowHandle()) handle->close();
    }

    // The right answer typed into the focused field of a drill, so that walks
    // also get through passes to the evaluation.
    void AnswerRight() {
        auto* drill = qobject_cast<ExerciseWindow*>(QApplication::activeModalWidget());
        if (drill == nullptr) return;
        QApplication::setActiveWindow(drill);
        for (int line = 1; line <= kLines; ++line) {
            QLineEdit* field = drill->Field(line);
            if (drill->focusWidget() != field) continue;
            const std::string& answer = drill == windows_.DekEinheiten
                                            ? state_.DekTaskSheet[line].AnswerText.str()
                                            : state_.TaskSheet[line].AnswerText.str();
            trail_ << QStringLiteral("answer line %1: %2").arg(line).arg(answer.c_str());
            field->setText(QString::fromStdString(answer));
            QTest::keyClick(field, Qt::Key_Return);
            return;
        }
    }

    AppState state_;
    Windows windows_;
    std::unique_ptr<TfrmStart> start_;
    QObject guard_; // ends the walk's pending steps with it
    std::mt19937 random_;
    std::discrete_distribution<int> keyDraw_ = [] {
        std::vector<int> weights;
        for (const Key& key : kKeys)
            weights.push_back(key.Weight);
        return std::discrete_distribution<int>(weights.begin(), weights.end());
    }();
    int stepsLeft_;
    const bool diligent_;
    int waited_ = 0;
    bool ended_ = false;
    QString failure_;
    QStringList trail_;
};

} // namespace

QtMessageHandler qtTestHandler = nullptr;

// The offscreen platform says at every window what it cannot do (raise, grab
// the keyboard); thousands of those would hide what matters.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    qtTestHandler(type, context, text);
}

class WindowWalkTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qtTestHandler = qInstallMessageHandler(QuietPlatform); }
    void cleanupTestCase() { qInstallMessageHandler(qtTestHandler); }

    // "Beenden" chosen by keys while more keys typed ahead are on their way to
    // the start window, as in the burst that once left the program running
    // with no window: a key after the choice opens a menu of the closed window.
    void closingTheStartWindowEndsTheProgram_data() {
        QTest::addColumn<QStringList>("keys");
        // The menu bar taken by Alt+D and Escape, "&Beenden" by its letter.
        QTest::newRow("menu left open") << QStringList{"Alt+D", "Escape", "b", "KP_Enter", "Alt+D"};
        QTest::newRow("menu closed again")
            << QStringList{"Alt+D", "Escape", "b", "KP_Enter", "Alt+D", "Escape"};
    }
    void closingTheStartWindowEndsTheProgram() {
        QFETCH(QStringList, keys);
        AppState state;
        Windows windows;
        const auto start = CreateWindows(state, windows, [] { return QSize(1280, 1024); });
        start->show();
        QApplication::setActiveWindow(start.get());
        QObject guard;
        bool runsOn = false;
        QTimer::singleShot(0, &guard, [&] {
            QWindow* window = start->windowHandle();
            for (const QString& key : keys)
                Type(window, KeyNamed(key));
        });
        QTimer::singleShot(500, &guard, [&] {
            runsOn = true;
            QCoreApplication::exit(1);
        });
        QApplication::exec();
        QVERIFY2(!start->isVisible(), "Beenden was not chosen");
        QVERIFY2(!runsOn, "the program runs on after its start window was closed");
    }

    void aWindowIsVisibleOrTheProgramHasEnded() {
        for (unsigned seed = 1; seed <= 60; ++seed) {
            Walk walk(seed, 150);
            const QString failure = walk.Run();
            QVERIFY2(failure.isEmpty(),
                     qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(failure)));
        }
    }
};

QTEST_MAIN(WindowWalkTest)
#include "WindowWalkTest.moc"
