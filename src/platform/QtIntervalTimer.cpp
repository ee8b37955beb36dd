#include "platform/QtIntervalTimer.h"

namespace lrw {

QtIntervalTimer::QtIntervalTimer(Qt::TimerType type) {
  timer_.setTimerType(type);
  timer_.setSingleShot(false);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Fire(); });
}

void QtIntervalTimer::SetEnabled(bool enabled) {
  if (enabled) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

}  // namespace lrw
