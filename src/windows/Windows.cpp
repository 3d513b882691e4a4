#include "windows/Windows.h"

#include "windows/StartU.h"

#include <QMenuBar>
#include <QShowEvent>
#include <QVBoxLayout>

namespace quarvel {

QuarvelDialog::QuarvelDialog(Windows& windows, QWidget* parent, const QString& caption,
                             int clientWidth, int clientHeight)
    : QDialog(parent), windows_(windows), client_(new QWidget(this)),
      scale_(new WindowScale(this, client_)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client_);
    SetClientSize(clientWidth, clientHeight);
}

QMenuBar* QuarvelDialog::MenuBar() {
    if (menuBar_ == nullptr) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setNativeMenuBar(false);
        layout()->setMenuBar(menuBar_);
    }
    return menuBar_;
}

void QuarvelDialog::SetClientSize(int width, int height) {
    scale_->SetClientSize({width, height});
}

ScreenArea QuarvelDialog::Screen() const {
    return windows_.Start != nullptr ? windows_.Start->Screen() : PrimaryScreenArea();
}

void QuarvelDialog::FitToScreen(const QWidget* over) {
    if (windows_.Start != nullptr && windows_.Start->FullScreen()) {
        scale_->SetEighths(kDesignEighths);
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    scale_->Fit(Screen(), kMostEighths, over);
}

void QuarvelDialog::FollowScaleOf(const QWidget* owner) {
    const WindowScale* ownerScale = WindowScale::Of(owner);
    scale_->Fit(Screen(), ownerScale != nullptr ? ownerScale->Eighths() : kDesignEighths, owner);
}

void QuarvelDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

QFont BoldArial(int pixelHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(pixelHeight);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

} // namespace quarvel
