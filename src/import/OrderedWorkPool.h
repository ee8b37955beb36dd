// Work on every core, results in the order asked: job i of `count` runs on one of a few
// worker threads and its result is taken in index order. Jobs start only while fewer
// than `perThread` results a thread are being made or wait to be taken, so what is held
// at once follows the number of threads, never the number of jobs.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace lrw {

// One worker per core (at least one).
inline int CoreCount() {
  return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

template <typename Result>
class OrderedWorkPool {
 public:
  // Runs work(0) ... work(count - 1) on `threads` workers (one per core when 0 or
  // less); `arrived` is called on a worker thread whenever a result is there. At least
  // two a thread: one being made while the one before waits to be taken; more where
  // results are small, so that a worker the machine holds back stalls the others less.
  OrderedWorkPool(size_t count, std::function<Result(size_t)> work, int threads,
                  std::function<void()> arrived = {}, size_t perThread = 2)
      : count_(count), work_(std::move(work)), arrived_(std::move(arrived)) {
    const size_t n = std::min(count, static_cast<size_t>(threads > 0 ? threads : CoreCount()));
    window_ = std::max<size_t>(std::max<size_t>(perThread, 2) * n, 1);
    workers_.reserve(n);
    for (size_t i = 0; i < n; ++i) workers_.emplace_back([this] { Run(); });
  }

  // Jobs not started are dropped; those running are waited for.
  ~OrderedWorkPool() {
    {
      std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    canStart_.notify_all();
    for (std::thread& t : workers_) t.join();
  }

  OrderedWorkPool(const OrderedWorkPool&) = delete;
  OrderedWorkPool& operator=(const OrderedWorkPool&) = delete;

  size_t Count() const { return count_; }
  // Whether every result has been taken.
  bool Done() const {
    std::lock_guard lock(mutex_);
    return taken_ >= count_;
  }
  // Whether the next result in order is there to be taken.
  bool NextReady() const {
    std::lock_guard lock(mutex_);
    return made_.count(taken_) != 0;
  }
  // The next result in order; waits for it. Only while !Done().
  Result TakeNext() {
    std::unique_lock lock(mutex_);
    arrivedHere_.wait(lock, [this] { return made_.count(taken_) != 0; });
    auto it = made_.find(taken_);
    Result result = std::move(it->second);
    made_.erase(it);
    ++taken_;
    lock.unlock();
    canStart_.notify_one();
    return result;
  }
  // The most results that were being made or waiting at one time (for tests).
  size_t MostHeld() const {
    std::lock_guard lock(mutex_);
    return mostHeld_;
  }

 private:
  void Run() {
    for (;;) {
      size_t index;
      {
        std::unique_lock lock(mutex_);
        canStart_.wait(lock,
                       [this] { return stopped_ || next_ >= count_ || next_ < taken_ + window_; });
        if (stopped_ || next_ >= count_) return;
        index = next_++;
        mostHeld_ = std::max(mostHeld_, next_ - taken_);
      }
      Result result = work_(index);
      {
        std::lock_guard lock(mutex_);
        made_.emplace(index, std::move(result));
      }
      arrivedHere_.notify_all();
      if (arrived_) arrived_();
    }
  }

  const size_t count_;
  std::function<Result(size_t)> work_;
  std::function<void()> arrived_;
  size_t window_ = 1;

  mutable std::mutex mutex_;
  std::condition_variable canStart_;
  std::condition_variable arrivedHere_;
  std::map<size_t, Result> made_;  // finished, not yet taken
  size_t next_ = 0;                // the next job to start
  size_t taken_ = 0;               // results taken so far
  size_t mostHeld_ = 0;
  bool stopped_ = false;

  std::vector<std::thread> workers_;  // last: they start when everything else is set
};

}  // namespace lrw
