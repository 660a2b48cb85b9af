#include "platform/timer.h"

namespace platform {

Timer::Timer(const QString& name, int periodMs, QObject* parent) : QObject(parent) {
    setObjectName(name);
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::fire);
    setPeriod(periodMs);
}

void Timer::setPeriod(int periodMs) {
    if (periodMs < 0) periodMs = 0;
    if (periodMs == period_) return;
    period_ = periodMs;
    if (period_ == 0)
        timer_.stop();
    else
        timer_.start(period_);
}

void Timer::fire() {
    if (onTick) onTick();
}

} // namespace platform
