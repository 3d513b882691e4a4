// Seeded random walks of menus, key bursts, close boxes, clicks and answers:
// after every step a window is visible, or the program has ended.
#include "windows/AuswertungU.h"
#include "windows/DekEinheitenU.h"
#include "windows/ExerciseWindow.h"
#include "windows/Program.h"
#include "windows/StartU.h"

#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QLoggingCategory>
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

// A burst's keys, `*n` drawn n times as often.
const QStringList kKeys = QStringLiteral("Esc*4 Return*2 Num+Enter*2 Alt+D*3 Alt+B Alt+S*2 Alt "
                                         "Left Right*3 Down*3 Up Tab Backspace Space F9 F10 "
                                         "Ctrl+C B N 3 7 ,")
                              .split(u' ');

// A key pressed and released as the platform delivers it (no event loop between).
void Type(QWindow* target, const QString& name) {
    const QKeyCombination key = name == "Alt" ? QKeyCombination(Qt::AltModifier, Qt::Key_Alt)
                                              : QKeySequence::fromString(name)[0];
    const QPointer<QWindow> window = target;
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease})
        if (window != nullptr)
            qt_handleKeyEvent(window, type, key.key(), key.keyboardModifiers(),
                              QString(QChar::fromLatin1(QTest::keyToAscii(key.key()))));
}

// The program as main creates it; a step whenever the current event loop is idle.
class Walk {
  public:
    Walk(unsigned seed, int steps) : random_(seed), stepsLeft_(steps), diligent_(seed % 4 == 0) {
        start_ = CreateWindows(windows_, std::make_shared<SeededRandom>(seed),
                               [] { return QSize(1280, 1024); });
        windows_.Auswertung->SetStepInterval(0);
        std::vector<int> weights;
        for (const QString& entry : kKeys)
            weights.push_back(entry.contains(u'*') ? entry.section(u'*', 1).toInt() : 1);
        keyDraw_ = std::discrete_distribution<int>(weights.begin(), weights.end());
    }

    // Empty, or what went wrong and the steps that led there.
    QString Run() {
        start_->show();
        Next();
        QApplication::exec();
        ended_ = true;
        for (QWidget* window : QApplication::topLevelWidgets()) // as the process ends
            window->hide();
        return failure_;
    }

  private:
    void Next(int ms = 0) {
        QTimer::singleShot(ms, &guard_, [this] { Step(); });
    }

    void Step() {
        if (ended_ || !failure_.isEmpty()) return;
        const QWidgetList all = QApplication::topLevelWidgets();
        // A menu left open without its window is none; a closed start window
        // ends the main loop within a few turns.
        if (std::none_of(all.begin(), all.end(), [](QWidget* w) {
                return w->isVisible() && w->windowType() != Qt::Popup &&
                       w->windowType() != Qt::ToolTip;
            })) {
            if (++waited_ > 5) {
                failure_ = "no window is visible, yet the program runs, after:\n  " +
                           trail_.mid(trail_.size() - 12).join(QStringLiteral("\n  "));
                QCoreApplication::exit(1);
            }
            Next(10);
            return;
        }
        waited_ = 0;
        if (stepsLeft_-- <= 0) return QCoreApplication::exit(0);
        Next(); // first: the action may open a modal window, whose loop takes the step
        Act();
    }

    static QString Title(QWidget* window) {
        const auto* menu = qobject_cast<QMenu*>(window);
        return menu != nullptr ? "menu " + menu->title() : window->windowTitle();
    }

    int Draw(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // Keys go to the popup, the modal or the start window. A diligent walk only
    // answers or goes on in a drill, and so reaches the evaluation.
    void Act() {
        QWidget* front = QApplication::activePopupWidget();
        front = front != nullptr ? front : QApplication::activeModalWidget();
        front = front != nullptr ? front : start_->isVisible() ? start_.get() : nullptr;
        if (front == nullptr) return;
        const bool drill = qobject_cast<ExerciseWindow*>(front) != nullptr;
        const int kind = drill && diligent_ ? 8 + Draw(12) : Draw(20);
        if (kind < (drill ? 6 : 12)) {
            Burst(front);
        } else if (kind < (drill ? 7 : 15)) {
            ChooseMenuItem(front);
        } else if (kind < (drill ? 8 : 16)) { // a close box or Alt+F4
            trail_ << "close " + Title(front);
            if (QWindow* handle = front->window()->windowHandle()) handle->close();
        } else if (kind < (drill ? 12 : 18)) {
            QList<QPushButton*> buttons = front->findChildren<QPushButton*>();
            buttons.removeIf([](QPushButton* b) { return !b->isVisible() || !b->isEnabled(); });
            if (buttons.isEmpty()) return;
            QPushButton* button = buttons[Draw(static_cast<int>(buttons.size()))];
            trail_ << QStringLiteral("click %1: %2").arg(Title(front), button->text());
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (auto* drill = qobject_cast<ExerciseWindow*>(QApplication::activeModalWidget())) {
            // The right answer typed into the drill's focused field.
            QApplication::setActiveWindow(drill);
            auto* field = qobject_cast<QLineEdit*>(drill->focusWidget());
            const int line = field != nullptr ? field->objectName().mid(3).toInt() : 0; // "edt3"
            if (line == 0) return;
            const std::string& answer =
                drill == windows_.DekEinheiten
                    ? drill->Session().DekSheet()[line].AnswerText.str()
                    : drill->Session().MeasureSheet()[line].AnswerText.str();
            trail_ << QStringLiteral("answer line %1: %2").arg(line).arg(answer.c_str());
            field->setText(QString::fromStdString(answer));
            QTest::keyClick(field, Qt::Key_Return);
        }
    }

    // Keys faster than the program takes them, all to the window in front.
    void Burst(QWidget* front) {
        QWidget* window = front->window();
        if (window->windowType() != Qt::Popup && QApplication::activeWindow() != window)
            QApplication::setActiveWindow(window);
        const QPointer<QWindow> target = window->windowHandle();
        if (target == nullptr) return;
        QStringList names;
        for (int i = 1 + Draw(8); i > 0; --i)
            names << kKeys[keyDraw_(random_)].section(u'*', 0, 0);
        trail_ << QStringLiteral("keys to %1: %2").arg(Title(window), names.join(u' '));
        for (const QString& name : names)
            if (target != nullptr && !ended_) Type(target, name);
    }

    // A click on the menu bar, or Return on an open menu's item.
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

    Windows windows_;
    std::unique_ptr<TfrmStart> start_;
    QObject guard_; // ends the walk's pending steps with it
    std::mt19937 random_;
    std::discrete_distribution<int> keyDraw_;
    int stepsLeft_;
    const bool diligent_;
    int waited_ = 0;
    bool ended_ = false;
    QString failure_;
    QStringList trail_;
};

} // namespace

class WindowWalkTest : public QObject {
    Q_OBJECT

  private slots:
    // The offscreen platform's warnings (it cannot raise or grab) hide the rest.
    void initTestCase() { QLoggingCategory::setFilterRules("default.warning=false"); }

    // "Beenden" by keys while keys typed ahead open a menu of the closed start
    // window, left open or closed: once this left the program without a window.
    void closingTheStartWindowEndsTheProgram() {
        for (const QString keys :
             {"Alt+D Esc B Num+Enter Alt+D", "Alt+D Esc B Num+Enter Alt+D Esc"}) {
            Windows windows;
            const auto start = CreateWindows(windows, std::make_shared<SeededRandom>(1),
                                             [] { return QSize(1280, 1024); });
            start->show();
            QApplication::setActiveWindow(start.get());
            QObject guard;
            bool runsOn = false;
            QTimer::singleShot(0, &guard, [&] {
                for (const QString& key : keys.split(u' '))
                    Type(start->windowHandle(), key);
            });
            QTimer::singleShot(500, &guard, [&] {
                runsOn = true;
                QCoreApplication::exit(1);
            });
            QApplication::exec();
            QVERIFY2(!start->isVisible() && !runsOn, qPrintable(keys));
        }
    }

    void aWindowIsVisibleOrTheProgramHasEnded() {
        for (unsigned seed = 1; seed <= 60; ++seed) {
            const QString failure = Walk(seed, 150).Run();
            QVERIFY2(failure.isEmpty(),
                     qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(failure)));
        }
    }
};

QTEST_MAIN(WindowWalkTest)
#include "WindowWalkTest.moc"
