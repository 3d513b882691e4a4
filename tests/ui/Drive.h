#pragma once
// The program's windows as main creates them, and a pupil's hands on them.

#include "../WidgetLookup.h"
#include "windows/AuswertungU.h"
#include "windows/DekEinheitenU.h"
#include "windows/EinheitenU.h"
#include "windows/InformationU.h"
#include "windows/KombinationenU.h"
#include "windows/MaxanzahlU.h"
#include "windows/MessageBox.h"
#include "windows/Program.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <type_traits>

namespace quarvel::test {

// The start window on `screen`, drills from `seed`, the evaluation at full
// speed, information boxes collected.
struct Program {
    Windows windows;
    std::shared_ptr<SeededRandom> rng;
    std::unique_ptr<TfrmStart> start;
    SelectionState selection; // the menu's choices for the windows Open shows
    QStringList messages;

    explicit Program(std::uint64_t seed = 7, ScreenArea screen = QSize(1280, 800))
        : rng(std::make_shared<SeededRandom>(seed)) {
        start = CreateWindows(windows, rng, [screen] { return screen; });
        start->show();
        windows.Auswertung->SetStepInterval(0);
        SetInformationHandler([this](QWidget*, const QString& text) { messages << text; });
    }
    ~Program() { SetInformationHandler({}); }

    // Shows a window at a level as its menu item would, without a nested loop.
    template <typename W> W* Open(W* window, int SelectionState::*level = nullptr, int value = 0) {
        if constexpr (std::is_base_of_v<ExerciseWindow, W>) {
            SelectionState chosen = selection;
            if (level != nullptr) chosen.*level = value;
            window->Begin(chosen);
        }
        window->show();
        QApplication::setActiveWindow(window);
        QCoreApplication::processEvents();
        return window;
    }
    // The expected answer of a line of the unit-conversion window.
    QString Right(int line) const {
        return QString::fromStdString(
            windows.Einheiten->Session().MeasureSheet()[line].AnswerText.str());
    }
};

// A drill window's answer field and face of `line`.
inline QLineEdit* Field(const QWidget* w, int line) {
    return Child<QLineEdit>(w, "edt" + QString::number(line));
}
inline QLabel* Face(const QWidget* w, int line) {
    return Child<QLabel>(w, "img" + QString::number(line));
}

// Types into a line's field in place of its text and presses Enter.
inline void Answer(ExerciseWindow* w, int line, const QString& text) {
    QLineEdit* field = Field(w, line);
    field->setFocus();
    QCoreApplication::processEvents();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    QCoreApplication::processEvents();
}

} // namespace quarvel::test
