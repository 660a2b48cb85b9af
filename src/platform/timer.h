#pragma once
// A GUI-thread timer with the program's period rules: period 0 does not fire, setting a
// period restarts the countdown, setting the period the timer already has changes nothing,
// a negative period is stored as 0.
#include <QObject>
#include <QTimer>
#include <functional>

namespace platform {

class Timer : public QObject {
    Q_OBJECT
  public:
    Timer(const QString& name, int periodMs, QObject* parent);

    void setPeriod(int periodMs);
    int period() const { return period_; }
    bool isRunning() const { return timer_.isActive(); }

    // The tick's handler; fire() runs it as a tick would (tests drive timers this way).
    std::function<void()> onTick;
    void fire();

  private:
    QTimer timer_;
    int period_ = 0;
};

} // namespace platform
