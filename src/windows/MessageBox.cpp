#include "windows/MessageBox.h"

#include <QMessageBox>

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
    box.exec();
}

InformationHandler SetInformationHandler(InformationHandler handler) {
    InformationHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

} // namespace quarvel
