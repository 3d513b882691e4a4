#include "reference/Placement.h"

#include "app/Windows.h"

#include <QWidget>

namespace quarvel {

void CentreOverMainWindow(QWidget* window, const QWidget* main) {
    if (main == nullptr) {
        CentreOver(window, nullptr);
        return;
    }
    const QRect over = main->frameGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(over.left() + (over.width() - size.width()) / 2,
                 over.top() + (over.height() - size.height()) / 2);
}

} // namespace quarvel
