#pragma once
// Finding a widget of a window as a screen reader finds it.

#include <QAccessible>
#include <QWidget>

namespace quarvel::test {

// The widget a screen reader announces by this name.
template <typename W = QWidget> W* Named(const QWidget* root, const QString& name) {
    for (W* w : root->findChildren<W*>())
        if (QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name) == name) return w;
    qFatal("no widget named %s", qPrintable(name));
}

} // namespace quarvel::test
