// A periodic timer, as the windows' logic sees it: the windows give it a Qt timer
// (platform/QtIntervalTimer), tests one they fire by hand.
#pragma once

#include <functional>
#include <utility>

namespace lrw {

class IntervalTimer {
 public:
  virtual ~IntervalTimer() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetInterval(int ms) = 0;
  virtual int Interval() const = 0;

  // Called on the user-interface thread each time the interval has passed.
  void SetHandler(std::function<void()> handler) { handler_ = std::move(handler); }

 protected:
  void Fire() {
    if (handler_) handler_();
  }

 private:
  std::function<void()> handler_;
};

}  // namespace lrw
