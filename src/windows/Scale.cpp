#include "windows/Scale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace quarvel {

namespace {

// Until a window is up, its frame is guessed on the large side (a tall title
// bar and wide borders): a window placed for a larger frame still fits.
constexpr QMargins kFrameGuess(8, 40, 8, 8);

std::optional<QMargins>& ReportedFrame() {
    static std::optional<QMargins> frame;
    return frame;
}

QMenuBar* MenuBarOf(const QWidget* window) {
    return window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
}

int MenuHeight(const QMenuBar* menu, int width) {
    if (menu == nullptr || menu->isHidden()) return 0;
    const int height = menu->heightForWidth(width);
    return height > 0 ? height : menu->sizeHint().height();
}

// The desktop's font for `menu` (a menu bar or a menu), as much larger or
// smaller as the window's layout is scaled.
QFont ScaledMenuFont(const QWidget* menu, qreal factor) {
    QFont font = QApplication::font(menu);
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    } else {
        font.setPointSizeF(font.pointSizeF() * factor);
    }
    return font;
}

// A menu bar scales with its window, unless its items would not all fit
// beside each other over a narrow client: then it takes a font just small
// enough, rather than hiding the last items behind an arrow.
void FitMenuBar(QMenuBar* menu, int width, qreal factor) {
    if (menu == nullptr) return;
    QFont font = ScaledMenuFont(menu, factor);
    menu->setFont(font);
    qreal size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    // The items' margins do not shrink with the text: quarter points down
    // until the row fits, but never below a legible 6 points.
    while (menu->sizeHint().width() > width && size > 6) {
        size -= 0.25;
        font.setPointSizeF(size);
        menu->setFont(font);
    }
}

// Lays the window out now, so that its size follows the client at once.
void Relayout(QWidget* window) {
    if (QLayout* layout = window->layout()) layout->activate();
}

// A menu opens as a window of its own and so takes the desktop's font, not its
// owner's: it is given the font at the scale of the window it belongs to.
void ScaleMenu(QMenu* menu) {
    QWidget* owner = menu->parentWidget();
    while (qobject_cast<QMenu*>(owner) != nullptr)
        owner = owner->parentWidget();
    if (const WindowScale* scale = WindowScale::Of(owner))
        menu->setFont(ScaledMenuFont(menu, scale->Factor()));
}

// Every menu is made ready (polished) before it first lays out its items,
// the menus of a menu bar as well as the context menus that fields build
// each time they are asked for one.
class MenuScaler : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish) {
            if (auto* menu = qobject_cast<QMenu*>(watched)) ScaleMenu(menu);
        }
        return false;
    }
};

void InstallMenuScaler() {
    static QPointer<MenuScaler> scaler;
    if (scaler == nullptr && qApp != nullptr) {
        scaler = new MenuScaler(qApp);
        qApp->installEventFilter(scaler);
    }
}

} // namespace

ScreenArea PrimaryScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    return {screen->size(), screen->availableGeometry()};
}

QMargins FrameOf(const QWidget* window) {
    if (const QWindow* handle = window->windowHandle(); handle != nullptr && window->isVisible()) {
        const QMargins frame = handle->frameMargins();
        if (!frame.isNull()) {
            ReportedFrame() = frame;
            return frame;
        }
    }
    return ReportedFrame().value_or(kFrameGuess);
}

QRect OuterGeometry(const QWidget* window) {
    return window->geometry().marginsAdded(FrameOf(window));
}

WindowScale::WindowScale(QWidget* window, QWidget* client)
    : QObject(window), window_(window), client_(client) {
    window->installEventFilter(this);
    InstallMenuScaler();
}

WindowScale* WindowScale::Of(const QWidget* widget) {
    if (widget == nullptr) return nullptr;
    return widget->window()->findChild<WindowScale*>(QString(), Qt::FindDirectChildrenOnly);
}

qreal WindowScale::FactorOf(const QWidget* widget) {
    const WindowScale* scale = Of(widget);
    return scale != nullptr ? scale->Factor() : 1.0;
}

WindowScale::Entry& WindowScale::EntryOf(QWidget* widget) {
    auto [it, added] = entries_.try_emplace(widget);
    if (added) {
        it->second.Widget = widget;
        connect(widget, &QObject::destroyed, this, [this](QObject* gone) { entries_.erase(gone); });
    }
    return it->second;
}

void WindowScale::Apply(const Entry& entry) const {
    QWidget* widget = entry.Widget;
    if (entry.FixedSize) widget->setFixedSize(Map(QRect(QPoint(0, 0), *entry.FixedSize)).size());
    if (entry.Geometry) widget->setGeometry(Map(*entry.Geometry));
    if (entry.Font) {
        QFont font = *entry.Font;
        if (font.pixelSize() > 0) {
            font.setPixelSize(std::max(1, Map(font.pixelSize())));
        } else {
            font.setPointSizeF(font.pointSizeF() * Factor());
        }
        widget->setFont(font);
    }
    if (entry.IconSize) {
        static_cast<QAbstractButton*>(widget)->setIconSize(
            Map(QRect(QPoint(0, 0), *entry.IconSize)).size());
    }
    if (entry.Picture) {
        static_cast<QLabel*>(widget)->setPixmap(
            entry.Picture(Factor(), window_->devicePixelRatioF()));
    }
}

void WindowScale::SetEighths(int eighths) {
    eighths = std::clamp(eighths, 1, kMostEighths);
    if (eighths == eighths_) return;
    eighths_ = eighths;
    // The client first: the window takes its size from it.
    if (const auto it = entries_.find(client_); it != entries_.end()) Apply(it->second);
    for (const auto& [object, entry] : entries_) {
        if (object != client_) Apply(entry);
    }
    FitMenuBar(MenuBarOf(window_), client_->width(), Factor());
    for (QMenu* menu : window_->findChildren<QMenu*>())
        ScaleMenu(menu);
    Relayout(window_);
    window_->update();
}

void WindowScale::SetClientSize(QSize designed) {
    clientSize_ = designed;
    Entry& entry = EntryOf(client_);
    entry.FixedSize = designed;
    Apply(entry);
    Relayout(window_);
}

void WindowScale::Place(QWidget* widget, const QRect& designed) {
    Entry& entry = EntryOf(widget);
    entry.Geometry = designed;
    widget->setGeometry(Map(designed));
}

void WindowScale::SetFont(QWidget* widget, const QFont& designed) {
    Entry& entry = EntryOf(widget);
    entry.Font = designed;
    Apply(entry);
}

void WindowScale::SetIconSize(QAbstractButton* button, QSize designed) {
    Entry& entry = EntryOf(button);
    entry.IconSize = designed;
    Apply(entry);
}

void WindowScale::SetPicture(QLabel* label, PictureSource source) {
    Entry& entry = EntryOf(label);
    entry.Picture = std::move(source);
    label->setPixmap(entry.Picture(Factor(), window_->devicePixelRatioF()));
}

QRect WindowScale::Map(const QRect& designed) const {
    const int left = Map(designed.x());
    const int top = Map(designed.y());
    return {left, top, Map(designed.x() + designed.width()) - left,
            Map(designed.y() + designed.height()) - top};
}

QRect WindowScale::Unmap(const QRect& rect) const {
    const qreal f = Factor();
    const int left = static_cast<int>(std::floor(rect.x() / f));
    const int top = static_cast<int>(std::floor(rect.y() / f));
    const int right = static_cast<int>(std::ceil((rect.x() + rect.width()) / f));
    const int bottom = static_cast<int>(std::ceil((rect.y() + rect.height()) / f));
    return {left, top, right - left, bottom - top};
}

void WindowScale::Transform(QPainter& painter) const {
    if (eighths_ != kDesignEighths) painter.scale(Factor(), Factor());
}

void WindowScale::Fit(const ScreenArea& screen, int most, const QWidget* over) {
    const QRect available = screen.Available;
    fit_ = FitRequest{available, most, over};
    assumedFrame_ = FrameOf(window_);
    frameChecked_ = false;

    // What the window adds around its client and menu bar (layout spacing),
    // measured at the present scale; the menu bar at each scale in the font of
    // that scale (no smaller font it may take later makes it taller).
    QMenuBar* menu = MenuBarOf(window_);
    Relayout(window_);
    const QSize around =
        window_->size() - client_->size() - QSize(0, MenuHeight(menu, client_->width()));
    const QMargins frame = assumedFrame_;
    const int eighths = FitEighths(
        {clientSize_.width(), clientSize_.height()}, {available.width(), available.height()}, most,
        [&](int k) {
            if (menu != nullptr) menu->setFont(ScaledMenuFont(menu, k / 8.0));
            const int menuHeight = MenuHeight(menu, ScaledLength(clientSize_.width(), k));
            return Extent{std::max(0, around.width()) + frame.left() + frame.right(),
                          std::max(0, around.height()) + menuHeight + frame.top() + frame.bottom()};
        });
    SetEighths(eighths);
    FitMenuBar(menu, client_->width(), Factor());
    Relayout(window_);
    Centre(available, over);
}

void PlaceOver(QWidget* window, const QRect& available, const QWidget* over) {
    const QSize outer = window->size().grownBy(FrameOf(window));
    const QPoint centre =
        over != nullptr && over != window ? OuterGeometry(over).center() : available.center();
    const auto clamp = [](int start, int size, int low, int length) {
        return std::max(low, std::min(start, low + length - size));
    };
    const QPoint topLeft(
        clamp(centre.x() - outer.width() / 2, outer.width(), available.x(), available.width()),
        clamp(centre.y() - outer.height() / 2, outer.height(), available.y(), available.height()));
    window->move(topLeft);
    // A window that exists but is not up yet would take that point for its
    // client's corner; the window system is told it is the frame's.
    if (QWindow* handle = window->windowHandle()) handle->setFramePosition(topLeft);
}

void WindowScale::Centre(const QRect& available, const QWidget* over) {
    PlaceOver(window_, available, over);
}

bool WindowScale::eventFilter(QObject* watched, QEvent* event) {
    // The window system tells the frame only once the window is up; a fit made
    // for another frame is made again.
    if (watched == window_ && event->type() == QEvent::Move && !frameChecked_ && fit_) {
        const QWindow* handle = window_->windowHandle();
        const QMargins frame = handle != nullptr ? handle->frameMargins() : QMargins();
        if (!frame.isNull()) {
            frameChecked_ = true;
            ReportedFrame() = frame;
            if (frame != assumedFrame_) {
                QTimer::singleShot(0, this, [this] {
                    if (fit_ && window_->isVisible()) {
                        const FitRequest request = *fit_;
                        Fit(ScreenArea(request.Available.size(), request.Available), request.Most,
                            request.Over.data());
                    }
                });
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quarvel
