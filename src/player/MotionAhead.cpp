#include "player/MotionAhead.h"

#include <exception>

namespace lrw {

MotionAhead::MotionAhead(std::function<void()> arrived)
    : arrived_(std::move(arrived)), worker_([this] { Run(); }) {}

MotionAhead::~MotionAhead() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    pending_.reset();
  }
  changed_.notify_all();
  worker_.join();
}

void MotionAhead::Want(const SlideRecord& slide, size_t slideIndex, QSize deviceSize,
                       double ratio) {
  std::optional<PreparedMotion> unwanted;  // freed after the lock
  {
    std::lock_guard lock(mutex_);
    wanted_ = ++lastTicket_;
    pending_ = Job{wanted_, slide, slideIndex, deviceSize, ratio};
    unwanted.swap(ready_);
  }
  changed_.notify_all();
}

void MotionAhead::Drop() {
  std::optional<PreparedMotion> unwanted;  // freed after the lock
  std::lock_guard lock(mutex_);
  wanted_ = 0;
  pending_.reset();
  unwanted.swap(ready_);
}

std::optional<PreparedMotion> MotionAhead::TakeReady() {
  std::lock_guard lock(mutex_);
  if (wanted_ == 0 || !ready_ || readyTicket_ != wanted_) return std::nullopt;
  std::optional<PreparedMotion> made = std::move(ready_);
  ready_.reset();
  wanted_ = 0;
  return made;
}

PreparedMotion MotionAhead::TakeNow() {
  std::unique_lock lock(mutex_);
  if (pending_ && pending_->ticket == wanted_) {
    // Not started yet (the worker is busy with one no longer wanted, or has not woken):
    // needed now, so prepared here.
    const Job job = std::move(*pending_);
    pending_.reset();
    wanted_ = 0;
    lock.unlock();
    LoadPictureModule loader;
    return Prepare(job, loader);
  }
  changed_.wait(lock,
                [this] { return (ready_ && readyTicket_ == wanted_) || running_ != wanted_; });
  PreparedMotion made;
  if (ready_ && readyTicket_ == wanted_) made = std::move(*ready_);
  ready_.reset();
  wanted_ = 0;
  return made;
}

PreparedMotion MotionAhead::Prepare(const Job& job, LoadPictureModule& loader) {
  PreparedMotion made;
  try {
    made.moving = made.motion.Prepare(job.slide, job.index, job.size, job.ratio, loader);
    if (made.moving) {
      made.firstFrame = QImage(job.size, QImage::Format_RGB32);
      made.firstFrame.fill(Qt::black);
      made.motion.Draw(0, made.firstFrame);
    }
  } catch (const std::exception&) {
    // Out of memory for this picture: the slide is composed as a still one.
    made = PreparedMotion{};
  }
  return made;
}

void MotionAhead::Run() {
  LoadPictureModule loader;  // this thread's own
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
      if (stopping_) return;
      job = std::move(*pending_);
      pending_.reset();
      running_ = job.ticket;
    }
    PreparedMotion made = Prepare(job, loader);
    bool wanted = false;
    {
      std::lock_guard lock(mutex_);
      running_ = 0;
      wanted = job.ticket == wanted_ && !stopping_;
      if (wanted) {
        ready_ = std::move(made);
        readyTicket_ = job.ticket;
      }
    }
    changed_.notify_all();
    if (wanted && arrived_) arrived_();
  }
}

}  // namespace lrw
