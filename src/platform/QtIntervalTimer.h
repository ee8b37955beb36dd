// IntervalTimer over a QTimer.
#pragma once

#include <QTimer>

#include "base/IntervalTimer.h"

namespace lrw {

class QtIntervalTimer : public IntervalTimer {
 public:
  explicit QtIntervalTimer(Qt::TimerType type = Qt::CoarseTimer);
  QtIntervalTimer(const QtIntervalTimer&) = delete;
  QtIntervalTimer& operator=(const QtIntervalTimer&) = delete;

  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return timer_.isActive(); }
  void SetInterval(int ms) override { timer_.setInterval(ms); }
  int Interval() const override { return timer_.interval(); }

 private:
  QTimer timer_;
};

}  // namespace lrw
