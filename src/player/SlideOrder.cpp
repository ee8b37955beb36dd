#include "player/SlideOrder.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace lrw {

namespace {

// Drawing again until the order differs ends quickly: with two slides the other order
// comes one draw in two, with more far sooner.
constexpr int kMaxDraws = 64;

}  // namespace

SlideOrder::SlideOrder(int count, bool shuffle, uint64_t seed, int first)
    : count_(std::max(0, count)), shuffle_(shuffle), random_(seed) {
  loop_.resize(static_cast<size_t>(count_));
  std::iota(loop_.begin(), loop_.end(), 0);
  const bool validFirst = first > 0 && first < count_;
  if (!shuffle_) {
    start_ = validFirst ? first : 0;
    return;
  }
  if (validFirst) {
    std::rotate(loop_.begin(), loop_.begin() + first, loop_.begin() + first + 1);
    loop_ = Shuffled(loop_, 1);
  } else {
    loop_ = Shuffled(loop_, 0);
  }
}

int SlideOrder::SlideAtStep(int64_t step) {
  if (count_ == 0 || step < 0) return -1;
  const std::vector<int>& loop = LoopAt(step / count_);
  if (loop.empty()) return -1;
  return loop[static_cast<size_t>(step % count_)];
}

std::vector<int> SlideOrder::FirstLoop() {
  return newest_ == 0 ? loop_ : newest_ == 1 ? previous_ : std::vector<int>{};
}

const std::vector<int>& SlideOrder::LoopAt(int64_t loop) {
  if (!shuffle_ || count_ < 2) return loop_;  // one order only
  while (newest_ < loop) {
    previous_ = loop_;
    loop_ = Shuffled(loop_, 0);
    ++newest_;
  }
  if (loop == newest_) return loop_;
  if (loop == newest_ - 1) return previous_;
  static const std::vector<int> kGone;
  return kGone;
}

std::vector<int> SlideOrder::Shuffled(std::vector<int> avoid, int from) {
  std::vector<int> order = avoid;
  const size_t n = order.size();
  const auto start = static_cast<size_t>(from);
  if (n < start + 2) return order;
  for (int draw = 0; draw < kMaxDraws; ++draw) {
    // Fisher-Yates with our own bounded draws, so that every library shuffles alike.
    for (size_t i = n - 1; i > start; --i) {
      const size_t j = start + static_cast<size_t>(random_() % (i - start + 1));
      std::swap(order[i], order[j]);
    }
    if (order != avoid) break;
  }
  return order;
}

uint64_t FreshSeed() {
  std::random_device device;
  return (static_cast<uint64_t>(device()) << 32) ^ device();
}

}  // namespace lrw
