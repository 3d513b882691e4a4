#pragma once
// Reference windows open over the main window, which is usually hidden behind
// an exercise window at that moment; its place still counts.

class QWidget;

namespace quarvel {

// Centres `window` over `main` by frame geometry (over the screen without one).
void CentreOverMainWindow(QWidget* window, const QWidget* main);

} // namespace quarvel
