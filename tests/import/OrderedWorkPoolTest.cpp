// Work on every core with results in order: what the picture import relies on to keep
// the user's order and to hold a few pictures at a time, however many files are chosen.
#include "import/OrderedWorkPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <random>
#include <set>
#include <thread>

namespace lrw {
namespace {

using namespace std::chrono_literals;

TEST(OrderedWorkPool, ResultsComeInOrderFromEveryThreadAndOnlyAFewAreHeld) {
  struct Case {
    int threads;
    size_t count;
    bool slowTaker;  // the taker is slower than the workers
    size_t perThread;
  };
  for (const Case c : {Case{1, 50, false, 2}, Case{2, 200, false, 2}, Case{2, 60, true, 2},
                       Case{2, 60, true, 8}, Case{4, 200, false, 3}, Case{3, 2, false, 2}}) {
    SCOPED_TRACE(testing::Message() << c.threads << " threads, " << c.count << " jobs");
    std::mutex mutex;
    std::condition_variable meet;
    int atMeeting = 0;
    bool met = false;
    std::set<std::thread::id> workers;
    std::atomic<int> arrivals{0};
    auto pool = std::make_unique<OrderedWorkPool<size_t>>(
        c.count,
        [&](size_t i) {
          std::unique_lock lock(mutex);
          workers.insert(std::this_thread::get_id());
          if (c.threads > 1 && i < 2) {
            // The first two jobs wait for each other: they meet only when run at once.
            ++atMeeting;
            meet.notify_all();
            if (meet.wait_for(lock, 10s, [&] { return atMeeting == 2; })) met = true;
          }
          lock.unlock();
          // Later jobs often finish first.
          std::this_thread::sleep_for(std::chrono::microseconds((i * 7919) % 1500));
          return i * i;
        },
        c.threads, [&] { ++arrivals; }, c.perThread);
    for (size_t i = 0; i < c.count; ++i) {
      ASSERT_FALSE(pool->Done());
      if (c.slowTaker) std::this_thread::sleep_for(2ms);
      ASSERT_EQ(pool->TakeNext(), i * i);
    }
    EXPECT_TRUE(pool->Done());
    const size_t threads = std::min(c.count, static_cast<size_t>(c.threads));
    EXPECT_LE(pool->MostHeld(), c.perThread * threads) << "memory follows the threads";
    pool.reset();
    EXPECT_EQ(arrivals.load(), static_cast<int>(c.count));
    EXPECT_EQ(met, c.threads > 1) << "jobs ran at the same time";
    EXPECT_LE(workers.size(), threads);
    EXPECT_EQ(workers.count(std::this_thread::get_id()), 0u) << "none on the taker's thread";
  }
}

TEST(OrderedWorkPool, EndingEarlyStartsNoMoreJobsAndWaitsForThoseRunning) {
  std::atomic<int> started{0}, finished{0};
  {
    OrderedWorkPool<int> pool(
        1000,
        [&](size_t i) {
          ++started;
          std::this_thread::sleep_for(1ms);
          ++finished;
          return static_cast<int>(i);
        },
        2);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(pool.TakeNext(), i);
  }
  EXPECT_EQ(started.load(), finished.load());
  EXPECT_LE(started.load(), 5 + 4);
}

}  // namespace
}  // namespace lrw
