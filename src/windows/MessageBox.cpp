#include "windows/MessageBox.h"

#include "windows/Scale.h"

#include <QMessageBox>
#include <QStyle>

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
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quarvel"), text, QMessageBox::Ok, parent);
    // The box speaks in the size of the window it belongs to.
    const qreal scale = WindowScale::FactorOf(parent);
    if (scale != 1.0) {
        QFont font = box.font();
        if (font.pixelSize() > 0) {
            font.setPixelSize(qRound(font.pixelSize() * scale));
        } else {
            font.setPointSizeF(font.pointSizeF() * scale);
        }
        box.setFont(font);
        const int icon = qRound(box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize) * scale);
        box.setIconPixmap(box.style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(icon));
    }
    box.exec();
}

InformationHandler SetInformationHandler(InformationHandler handler) {
    InformationHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

} // namespace quarvel
