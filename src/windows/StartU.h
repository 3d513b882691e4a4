#pragma once
// The start window: background, headings, picture and the menu through which
// every training, setting and page is chosen.

#include "core/Selection.h"
#include "windows/Windows.h"

#include <QMainWindow>
#include <QSize>

#include <functional>

class QLabel;
class QMenu;

namespace quarvel {

class TfrmStart : public QMainWindow {
    Q_OBJECT
  public:
    using ScreenQuery = std::function<ScreenArea()>;

    // The screen defaults to the primary screen; tests inject one.
    TfrmStart(AppState& state, Windows& windows, ScreenQuery screen = {});

    // The screen every window of the program opens on.
    ScreenArea Screen() const { return screen_(); }
    WindowScale& Scale() const { return *scale_; }

    QAction* MenuItem(const QString& name) const;
    QMenu* Submenu(const QString& name) const;
    QLabel* imgBild() const { return imgBild_; }

    // What a level item or "Informationen" does: hide, show the target modally,
    // show again in front. The target decides the window.
    void OpenWindow(TargetWindow target);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenu(QWidget* parent, const std::vector<MenuEntry>& entries);
    void Trigger(const MenuEntry& entry, QAction* action);
    QDialog* Target(TargetWindow target) const;

    AppState& state_;
    Windows& windows_;
    ScreenQuery screen_;
    WindowScale* scale_ = nullptr;
    bool activated_ = false;
    QLabel* imgBild_ = nullptr;
};

} // namespace quarvel
