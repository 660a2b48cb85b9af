#pragma once
// The one clock the program reads; tests set it.
#include <QDateTime>
#include <optional>

namespace platform {

class Clock {
  public:
    QDateTime now() const { return fixed_ ? *fixed_ : QDateTime::currentDateTime(); }
    void setFixed(const QDateTime& at) { fixed_ = at; }

  private:
    std::optional<QDateTime> fixed_;
};

} // namespace platform
