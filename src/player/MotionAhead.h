// The next slide's moving picture, prepared on a worker thread while the slide on screen
// moves: decoding a camera photo takes longer than many frames, and the frame clock runs
// on the user-interface thread. One picture is prepared at a time and at most one waits
// to be taken, so the memory held stays bounded whatever the show's length. A picture
// asked for is taken only while it is still the one wanted: after going back or ending
// the show, what the worker was preparing is dropped.
#pragma once

#include <QImage>
#include <QSize>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "document/SlideRecord.h"
#include "player/MotionPicture.h"

namespace lrw {

struct PreparedMotion {
  bool moving = false;  // false: the slide is composed as a still one
  MotionPicture motion;
  QImage firstFrame;  // the start framing at the screen's device size
};

class MotionAhead {
 public:
  // `arrived` is called on the worker thread when the wanted picture is ready; it must
  // stay callable until this object is destroyed.
  explicit MotionAhead(std::function<void()> arrived);
  // A picture being prepared is finished and dropped; the worker has ended on return.
  ~MotionAhead();
  MotionAhead(const MotionAhead&) = delete;
  MotionAhead& operator=(const MotionAhead&) = delete;

  // Starts preparing `slide` (copied) for a screen of `deviceSize` device pixels at
  // `ratio`; whatever was wanted before is not any more.
  void Want(const SlideRecord& slide, size_t slideIndex, QSize deviceSize, double ratio);
  // Nothing is wanted any more.
  void Drop();
  // The wanted picture, once the worker has it ready.
  std::optional<PreparedMotion> TakeReady();
  // The wanted picture now: waited for while the worker prepares it, prepared on this
  // thread when the worker has not started it yet.
  PreparedMotion TakeNow();

 private:
  struct Job {
    uint64_t ticket = 0;
    SlideRecord slide;
    size_t index = 0;
    QSize size;
    double ratio = 1;
  };
  static PreparedMotion Prepare(const Job& job, LoadPictureModule& loader);
  void Run();

  std::function<void()> arrived_;
  std::mutex mutex_;
  std::condition_variable changed_;
  uint64_t lastTicket_ = 0;
  uint64_t wanted_ = 0;   // 0: nothing
  uint64_t running_ = 0;  // the job on the worker, 0: none
  std::optional<Job> pending_;
  std::optional<PreparedMotion> ready_;  // for `readyTicket_`
  uint64_t readyTicket_ = 0;
  bool stopping_ = false;
  std::thread worker_;  // last: it starts when everything else is set
};

}  // namespace lrw
