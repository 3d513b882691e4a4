#pragma once
// The worksheet program's windows and the dialogs it opens (preview, file and
// print dialogs, and what those open in turn) are laid out by Qt, not drawn
// at a fixed size, so they keep their scale; they only have to fit: each is
// made smaller where it would reach beyond the free area of the screen, and
// placed wholly inside it, centred over the window it belongs to.

#include "windows/Scale.h"

#include <QObject>
#include <QSize>

#include <functional>

class QWidget;

namespace quarvel {

using ScreenQuery = std::function<ScreenArea()>;

// Gives the top-level `window` the size `wanted`, or less where the free area
// of `screen` with the window's frame is smaller (down to the window's own
// minimum), and centres it over `over`, or over the free area when null,
// wholly inside that area.
void FitToScreen(QWidget* window, const ScreenArea& screen, QSize wanted, const QWidget* over);

// Fits every window of the program as it is shown and when it grows: one
// that fits keeps its size and place.
class ScreenKeeper : public QObject {
  public:
    // Watches the whole application until `parent` goes.
    ScreenKeeper(ScreenQuery screen, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ScreenQuery screen_;
};

} // namespace quarvel
