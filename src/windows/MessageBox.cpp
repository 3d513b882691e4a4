#include "windows/MessageBox.h"

#include "windows/Scale.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QStyle>
#include <QWidget>

namespace quarvel {

namespace {
InformationHandler& Handler() {
    static InformationHandler handler;
    return handler;
}
} // namespace

void ShowInformation(QWidget* parent, const QString& text) {
    if (Handler()) {
        Handler()(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quarvel"), text, QMessageBox::Ok,
                    parent);
    // The box speaks in the size of the window it belongs to.
    const qreal scale = WindowScale::FactorOf(parent);
    if (scale != 1.0) {
        QFont font = box.font();
        if (font.pixelSize() > 0) {
            font.setPixelSize(qRound(font.pixelSize() * scale));
        } else {
            font.setPointSizeF(font.pointSizeF() * scale);
        }
        // The text and the button have fonts of their own.
        box.setFont(font);
        for (QWidget* part : box.findChildren<QWidget*>())
            part->setFont(font);
        for (QAbstractButton* button : box.buttons()) {
            button->setIconSize(button->iconSize() * scale);
        }
        // The style's picture may come in one small size only; it is drawn
        // larger then, smoothly.
        const int side = qRound(box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize) * scale);
        const qreal ratio = box.devicePixelRatioF();
        QPixmap icon = box.style()
                           ->standardIcon(QStyle::SP_MessageBoxInformation)
                           .pixmap(QSize(side, side), ratio);
        const int pixels = qRound(side * ratio);
        if (icon.width() < pixels) {
            icon = icon.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            icon.setDevicePixelRatio(ratio);
        }
        box.setIconPixmap(icon);
    }
    box.exec();
}

InformationHandler SetInformationHandler(InformationHandler handler) {
    InformationHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

} // namespace quarvel
