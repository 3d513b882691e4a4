#pragma once
// Widgets by accessible or object name; the modal window a click opens.

#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace quarvel::test {

// The widget a screen reader announces by this name.
template <typename W = QWidget> W* Named(const QWidget* root, const QString& name) {
    for (W* w : root->findChildren<W*>())
        if (QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name) == name) return w;
    qFatal("no widget named %s", qPrintable(name));
}

// The widget, action or timer a window calls `name` (its object name).
template <typename W = QWidget> W* Child(const QObject* root, const QString& name) {
    if (W* w = root->findChild<W*>(name)) return w;
    qFatal("nothing called %s", qPrintable(name));
}

// Runs `then` once a modal window other than `previous` is up, made active.
inline void WhenModal(QWidget* previous, std::function<void(QWidget*)> then) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, previous, then] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == previous) return;
        poll->stop();
        poll->deleteLater();
        QApplication::setActiveWindow(modal);
        QCoreApplication::processEvents();
        then(modal);
    });
    poll->start(5);
}

} // namespace quarvel::test
