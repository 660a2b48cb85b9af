#include "platform/animated_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace platform {

AnimatedPicture::AnimatedPicture(const QStringList& frames, int frameMs, QWidget* parent) : QLabel(parent) {
    timer_.setInterval(frameMs);
    connect(&timer_, &QTimer::timeout, this, &AnimatedPicture::step);
    for (const QString& name : frames) {
        QSvgRenderer svg(name);
        QPixmap pixmap(svg.defaultSize());
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        svg.render(&painter);
        frames_.push_back(pixmap);
    }
    if (!frames_.empty()) setPixmap(frames_.front());
}

void AnimatedPicture::step() {
    if (frames_.empty()) return;
    frame_ = (frame_ + 1) % static_cast<int>(frames_.size());
    ++shown_;
    setPixmap(frames_[frame_]);
}

// The loop runs only while the picture can be seen.
void AnimatedPicture::showEvent(QShowEvent* event) {
    timer_.start();
    QLabel::showEvent(event);
}

void AnimatedPicture::hideEvent(QHideEvent* event) {
    timer_.stop();
    QLabel::hideEvent(event);
}

} // namespace platform
