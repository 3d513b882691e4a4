#include "arbeitsblatt/DialogFit.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace quarvel {

void FitToScreen(QWidget* window, const ScreenArea& screen, QSize wanted, const QWidget* over) {
    const QRect available = screen.Available;
    const QMargins frame = FrameOf(window);
    const QSize room = available.size().shrunkBy(frame);
    const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
    const QSize size = wanted.boundedTo(room).expandedTo(least);
    window->resize(size);

    PlaceOver(window, available, over != nullptr && over->isVisible() ? over : nullptr);
}

ScreenKeeper::ScreenKeeper(ScreenQuery screen, QObject* parent)
    : QObject(parent), screen_(std::move(screen)) {
    qApp->installEventFilter(this);
}

bool ScreenKeeper::eventFilter(QObject* watched, QEvent* event) {
    // A window is shown after its dialog has chosen its place, before it is
    // on the screen; a dialog that grows (print options unfolded) may reach
    // beyond the screen later.
    const bool resized = event->type() == QEvent::Resize;
    if ((event->type() != QEvent::Show && !resized) || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    const Qt::WindowType type = window->windowType();
    if (!window->isWindow() || (type != Qt::Window && type != Qt::Dialog)) return false;
    if (resized && !window->isVisible()) return false;
    // The window system fits what it maximises itself.
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return false;
    const ScreenArea screen = screen_();
    if (screen.Available.contains(OuterGeometry(window))) return false;
    FitToScreen(window, screen, window->size(), window->parentWidget());
    return false;
}

} // namespace quarvel
