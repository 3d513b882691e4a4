#pragma once
// The start window: background, headings, picture and the menu through which
// every training, setting and page is chosen.

#include "core/Selection.h"
#include "drill/ExerciseCode.h"
#include "windows/Windows.h"

#include <QMainWindow>
#include <QSize>

#include <functional>
#include <optional>

class QLabel;
class QMenu;

namespace quarvel {

class TfrmUebungscode;

class TfrmStart : public QMainWindow {
    Q_OBJECT
  public:
    using ScreenQuery = std::function<ScreenArea()>;

    // The screen defaults to the primary screen; tests inject one.
    TfrmStart(Windows& windows, ScreenQuery screen = {});

    // The screen every window of the program opens on.
    ScreenArea Screen() const { return screen_(); }
    // Whether every window is maximised (on the screen the layouts were made for).
    bool FullScreen() const { return fullScreen_; }
    // What the pupil has chosen in the menu so far.
    const SelectionState& Selection() const { return selection_; }
    WindowScale& Scale() const { return *scale_; }

    QAction* MenuItem(const QString& name) const;
    QMenu* Submenu(const QString& name) const;
    QLabel* imgBild() const { return imgBild_; }

    // What a level item or "Informationen" does: hide, show the target modally,
    // show again in front. The target decides the window.
    void OpenWindow(TargetWindow target);
    // Opens the drill window of a coded exercise as a level item opens its
    // drill; what the pupil has chosen in the menu stays as it was.
    void OpenExercise(const Exercise& exercise);
    // "Übungscode…": asks for a code, `code` already in the field, and opens
    // its exercise.
    void AskExerciseCode(const QString& code = QString());
    // A code given on the command line: its exercise opens at once; a code
    // that cannot be read stands in the dialog with the reason.
    void StartWithCode(const QString& code);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenu(QWidget* parent, const std::vector<MenuEntry>& entries);
    void Trigger(const MenuEntry& entry, QAction* action);
    QDialog* Target(TargetWindow target) const;
    void ShowModal(QDialog* window, const std::optional<Exercise>& exercise);

    Windows& windows_;
    SelectionState selection_;
    bool fullScreen_ = false;
    ScreenQuery screen_;
    WindowScale* scale_ = nullptr;
    bool activated_ = false;
    QLabel* imgBild_ = nullptr;
    TfrmUebungscode* codeDialog_ = nullptr; // made when first asked for
};

} // namespace quarvel
