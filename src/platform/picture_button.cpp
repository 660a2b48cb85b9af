#include "platform/picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

PictureButton::PictureButton(const QString& name, const QString& picture, const QString& hotPicture,
                             QWidget* parent)
    : QAbstractButton(parent), normal_(picture), hot_(hotPicture) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(30, 30);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QSvgRenderer& picture = (hover_ || isDown()) && hot_.isValid() ? hot_ : normal_;
    picture.render(&painter, QRectF(rect()));
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit rightPressed();
        event->accept();
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void PictureButton::enterEvent(QEnterEvent* event) {
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace platform
