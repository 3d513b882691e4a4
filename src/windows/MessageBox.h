#pragma once
// The one way the program shows a modal information box with an OK button.
// Tests replace the handler to read the texts without blocking.

#include <QString>

#include <functional>

class QWidget;

namespace quarvel {

using InformationHandler = std::function<void(QWidget* parent, const QString& text)>;

void ShowInformation(QWidget* parent, const QString& text);

// Installs a handler and returns the previous one; an empty handler restores
// the real message box.
InformationHandler SetInformationHandler(InformationHandler handler);

} // namespace quarvel
