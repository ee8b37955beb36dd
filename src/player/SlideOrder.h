// The order a show plays its slides in. In show order unless shuffled; a shuffled show
// plays every slide once per loop, each loop in an order of its own that differs from
// the show order (the first loop) or from the loop before. The same seed gives the same
// loops, so that an export can follow the order a run would take.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace lrw {

class SlideOrder {
 public:
  // A run that starts at slide `first`: in show order it goes on from there, shuffled
  // the first loop opens with it and the other slides follow in a random order.
  SlideOrder(int count, bool shuffle, uint64_t seed, int first = 0);

  int Count() const { return count_; }
  bool Shuffled() const { return shuffle_; }
  // The step the run starts at: step s shows slide SlideAtStep(s), in loop s / Count().
  int64_t StartStep() const { return start_; }
  // Steps go forward one at a time or back one from the newest loop reached.
  int SlideAtStep(int64_t step);
  // The slides of the first loop, in their order.
  std::vector<int> FirstLoop();

 private:
  const std::vector<int>& LoopAt(int64_t loop);
  std::vector<int> Shuffled(std::vector<int> avoid, int from);

  int count_;
  bool shuffle_;
  int64_t start_ = 0;
  std::mt19937_64 random_;
  // The newest loop made and the one before it.
  int64_t newest_ = 0;
  std::vector<int> loop_;
  std::vector<int> previous_;
};

// A seed of its own for each run.
uint64_t FreshSeed();

}  // namespace lrw
