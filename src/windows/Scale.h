#pragma once
// The one way every window scales its layout as a whole. A window registers
// its widgets with their designed geometry, fonts and pictures (the layout at
// scale 1) and paints in designed coordinates through Transform(); the helper
// applies all of it at the window's scale and chooses that scale so the window
// fits the screen. The frame and the title bar are the desktop's and keep
// their own size; the menu bar and every menu the window opens take the
// desktop's menu font at the window's scale.

#include "core/WindowFit.h"

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>

#include <functional>
#include <optional>
#include <unordered_map>

class QAbstractButton;
class QLabel;
class QPainter;

namespace quarvel {

// The screen the windows open on, in logical pixels.
struct ScreenArea {
    QSize Size;      // the whole screen
    QRect Available; // without panels and docks

    ScreenArea() = default;
    // A screen without panels; tests and tools name just its size.
    ScreenArea(QSize size) : Size(size), Available(QPoint(0, 0), size) {} // NOLINT: implicit
    ScreenArea(QSize size, QRect available) : Size(size), Available(available) {}
};

ScreenArea PrimaryScreenArea();

// A picture drawn for a layout scale and a device pixel ratio.
using PictureSource = std::function<QPixmap(qreal scale, qreal devicePixelRatio)>;

// A top-level window's frame: as the window system reports it once the window
// is up, else as it reported it for an earlier window, else a generous guess.
QMargins FrameOf(const QWidget* window);
// The window's geometry with its frame.
QRect OuterGeometry(const QWidget* window);
// Moves `window` (its frame included) to the middle of `over`, or of
// `available` without one, as far as it stays wholly inside `available`.
void PlaceOver(QWidget* window, const QRect& available, const QWidget* over);

class WindowScale : public QObject {
    Q_OBJECT
  public:
    // `client` is the scalable part of `window`: everything but the menu bar.
    WindowScale(QWidget* window, QWidget* client);

    // The helper of the window `widget` is in, or null.
    static WindowScale* Of(const QWidget* widget);
    // 1 where the window has no helper.
    static qreal FactorOf(const QWidget* widget);

    int Eighths() const { return eighths_; }
    qreal Factor() const { return eighths_ / 8.0; }
    // Applies every registered layout value at the new scale at once.
    void SetEighths(int eighths);

    // Opens the window at the largest scale, at most `most` eighths, at which
    // it fits the free area of `screen` frame and all, centred over `over`
    // (over that area when null) and wholly inside it.
    void Fit(const ScreenArea& screen, int most, const QWidget* over);

    // The layout at scale 1. Each takes effect at once at the current scale.
    void SetClientSize(QSize designed);
    QSize ClientSize() const { return clientSize_; }
    void Place(QWidget* widget, const QRect& designed);
    void SetFont(QWidget* widget, const QFont& designed);
    void SetIconSize(QAbstractButton* button, QSize designed);
    void SetPicture(QLabel* label, PictureSource source);

    int Map(int length) const { return ScaledLength(length, eighths_); }
    QRect Map(const QRect& designed) const;
    // The designed area that covers `rect` of the scaled window.
    QRect Unmap(const QRect& rect) const;
    // From here on `painter` draws in designed coordinates.
    void Transform(QPainter& painter) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        QWidget* Widget = nullptr;
        std::optional<QRect> Geometry;
        std::optional<QSize> FixedSize;
        std::optional<QFont> Font;
        std::optional<QSize> IconSize;
        PictureSource Picture;
    };
    struct FitRequest {
        QRect Available;
        int Most = kMostEighths;
        QPointer<const QWidget> Over;
    };

    Entry& EntryOf(QWidget* widget);
    void Apply(const Entry& entry) const;
    void Centre(const QRect& available, const QWidget* over);

    QWidget* window_;
    QWidget* client_;
    QSize clientSize_;
    int eighths_ = kDesignEighths;
    std::unordered_map<const QObject*, Entry> entries_;
    // The last fit, redone once the window system reports a frame other than
    // the one it assumed.
    std::optional<FitRequest> fit_;
    QMargins assumedFrame_;
    bool frameChecked_ = true;
};

} // namespace quarvel
