// Work on every core with results in order: what the picture import relies on to keep
// the user's order, to hold a few pictures at a time however many files are chosen, and
// to stop at once when it ends early.
#include "import/OrderedWorkPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace lrw {
namespace {

using namespace std::chrono_literals;

TEST(OrderedWorkPool, InOrderAtOnceWithAFewHeldAndEndingEarlyStartsNoMore) {
  struct Case {
    int threads;
    size_t count, taken, perThread;
    bool slowTaker;
  };
  for (const Case c :
       {Case{1, 50, 50, 2, false}, Case{2, 200, 200, 2, false}, Case{2, 60, 60, 8, true},
        Case{4, 200, 200, 3, false}, Case{2, 1000, 5, 2, false}}) {
    SCOPED_TRACE(testing::Message() << c.threads << " threads, " << c.count << " jobs");
    std::mutex mutex;
    std::condition_variable meet;
    int atMeeting = 0, met = 0;
    bool onTakersThread = false;
    std::atomic<int> started{0}, arrivals{0};
    const std::thread::id taker = std::this_thread::get_id();
    auto pool = std::make_unique<OrderedWorkPool<size_t>>(
        c.count,
        [&](size_t i) {
          ++started;
          std::unique_lock lock(mutex);
          onTakersThread = onTakersThread || std::this_thread::get_id() == taker;
          if (c.threads > 1 && i < 2) {
            // The first two jobs wait for each other: they meet only when run at once.
            ++atMeeting;
            meet.notify_all();
            met += meet.wait_for(lock, 10s, [&] { return atMeeting == 2; });
          }
          lock.unlock();
          // Later jobs often finish first.
          std::this_thread::sleep_for(std::chrono::microseconds((i * 7919) % 1500));
          return i * i;
        },
        c.threads, [&] { ++arrivals; }, c.perThread);
    for (size_t i = 0; i < c.taken; ++i) {
      if (c.slowTaker) std::this_thread::sleep_for(2ms);
      ASSERT_EQ(pool->TakeNext(), i * i);
    }
    EXPECT_EQ(pool->Done(), c.taken == c.count);
    const size_t window = c.perThread * static_cast<size_t>(c.threads);
    EXPECT_LE(pool->MostHeld(), window) << "memory follows the threads";
    pool.reset();
    EXPECT_EQ(arrivals.load(), started.load()) << "every job started was finished";
    EXPECT_LE(static_cast<size_t>(started.load()), c.taken + window) << "none started after";
    EXPECT_EQ(met, c.threads > 1 ? 2 : 0) << "jobs ran at the same time";
    EXPECT_FALSE(onTakersThread);
  }
}

}  // namespace
}  // namespace lrw
