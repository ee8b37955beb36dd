// A small bounded queue between the thread that renders frames and the one that encodes
// them: the renderer waits when it is that far ahead, the encoder when it has caught up.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>

namespace lrw {

template <typename T>
class FrameQueue {
 public:
  explicit FrameQueue(size_t capacity) : capacity_(capacity > 0 ? capacity : 1) {}

  // Waits for room; false when the consumer has gone (the item is dropped).
  bool Push(T item) {
    std::unique_lock lock(mutex_);
    notFull_.wait(lock, [&] { return items_.size() < capacity_ || closed_; });
    if (closed_) return false;
    items_.push_back(std::move(item));
    notEmpty_.notify_one();
    return true;
  }

  // Waits for an item; nothing once the producer has finished and all were taken, or after
  // Close.
  std::optional<T> Pop() {
    std::unique_lock lock(mutex_);
    notEmpty_.wait(lock, [&] { return !items_.empty() || finished_ || closed_; });
    if (closed_ || items_.empty()) return std::nullopt;
    T item = std::move(items_.front());
    items_.pop_front();
    notFull_.notify_one();
    return item;
  }

  // The producer has no more items.
  void Finish() {
    std::lock_guard lock(mutex_);
    finished_ = true;
    notEmpty_.notify_all();
  }

  // The consumer wants no more: a waiting producer gives up, queued items are dropped.
  void Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    items_.clear();
    notFull_.notify_all();
    notEmpty_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable notFull_;
  std::condition_variable notEmpty_;
  std::deque<T> items_;
  size_t capacity_;
  bool finished_ = false;
  bool closed_ = false;
};

}  // namespace lrw
