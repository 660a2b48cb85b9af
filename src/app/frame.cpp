#include "app/frame.h"

namespace app {

QPoint centredPosition(const QRect& windowFrame, const QRect& overFrame, double extra) {
    const double left = overFrame.left() + overFrame.width() / 2.0 - windowFrame.width() / 2.0 - extra;
    const double top = overFrame.top() + overFrame.height() / 2.0 - windowFrame.height() / 2.0 - extra;
    return {static_cast<int>(left), static_cast<int>(top)}; // truncation toward zero
}

void centreOverMainWindow(QWidget& window, const QWidget& over, double extra) {
    window.move(centredPosition(window.frameGeometry(), over.frameGeometry(), extra));
}

} // namespace app
