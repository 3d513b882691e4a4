#include "windows/Windows.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace quarvel {

QuarvelDialog::QuarvelDialog(AppState& state, Windows& windows, QWidget* parent,
                             const QString& caption, int clientWidth, int clientHeight,
                             Border border)
    : QDialog(parent), state_(state), windows_(windows), client_(new QWidget(this)) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (border == Border::CloseBox) flags |= Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
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

void QuarvelDialog::SetClientSize(int width, int height) { client_->setFixedSize(width, height); }

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

void CentreOver(QWidget* window, const QWidget* over) {
    const QSize size = window->frameGeometry().size();
    QRect area;
    if (over != nullptr) {
        // A hidden start window (behind an open drill) still has its place.
        area = over->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

} // namespace quarvel
