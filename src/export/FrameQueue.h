// A bounded queue between the thread that renders frames and the one that encodes them: the
// renderer waits when the items waiting hold that many bytes (a 4K frame holds six times what
// a 720p one does, so a count would bound nothing), the encoder when it has caught up. One
// item is always let in, however large, so that the two never wait on each other.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

namespace lrw {

template <typename T>
class FrameQueue {
 public:
  // `bytes` tells what an item holds.
  FrameQueue(size_t capacityBytes, std::function<size_t(const T&)> bytes)
      : capacity_(capacityBytes), bytes_(std::move(bytes)) {}

  // Waits for room; false when the consumer has gone (the item is dropped).
  bool Push(T item) {
    const size_t size = bytes_(item);
    std::unique_lock lock(mutex_);
    notFull_.wait(lock, [&] { return items_.empty() || held_ + size <= capacity_ || closed_; });
    if (closed_) return false;
    held_ += size;
    items_.push_back({std::move(item), size});
    notEmpty_.notify_one();
    return true;
  }

  // Waits for an item; nothing once the producer has finished and all were taken, or after
  // Close.
  std::optional<T> Pop() {
    std::unique_lock lock(mutex_);
    notEmpty_.wait(lock, [&] { return !items_.empty() || finished_ || closed_; });
    if (closed_ || items_.empty()) return std::nullopt;
    T item = std::move(items_.front().item);
    held_ -= items_.front().bytes;
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
    held_ = 0;
    notFull_.notify_all();
    notEmpty_.notify_all();
  }

 private:
  struct Held {
    T item;
    size_t bytes;
  };
  std::mutex mutex_;
  std::condition_variable notFull_;
  std::condition_variable notEmpty_;
  std::deque<Held> items_;
  size_t capacity_;
  size_t held_ = 0;
  std::function<size_t(const T&)> bytes_;
  bool finished_ = false;
  bool closed_ = false;
};

}  // namespace lrw
