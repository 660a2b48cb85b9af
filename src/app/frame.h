#pragma once
#include <QWidget>

namespace app {

// Moves window so that its centre lies on the centre of over (outer sizes, screen
// coordinates, truncated toward zero); extra is subtracted from both results first.
void centreOverMainWindow(QWidget& window, const QWidget& over, double extra = 0);
QPoint centredPosition(const QRect& windowFrame, const QRect& overFrame, double extra = 0);

} // namespace app
