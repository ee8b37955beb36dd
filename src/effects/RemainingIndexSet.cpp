#include "effects/RemainingIndexSet.h"

#include <bit>

namespace lrw {

namespace {

// Position of the k-th (0-based) set bit of w; w has more than k set bits.
int SelectBit(uint64_t w, uint32_t k) {
  int base = 0;
  for (int width = 32; width >= 1; width /= 2) {
    const uint64_t low = w & ((uint64_t{1} << width) - 1);
    const auto lowCount = static_cast<uint32_t>(std::popcount(low));
    if (k >= lowCount) {
      k -= lowCount;
      w >>= width;
      base += width;
    } else {
      w = low;
    }
  }
  return base;
}

}  // namespace

RemainingIndexSet::RemainingIndexSet(uint32_t count) : remaining_(count) {
  const size_t wordCount = (static_cast<size_t>(count) + 63) / 64;
  words_.assign(wordCount, ~uint64_t{0});
  if (count % 64 != 0) words_.back() = (uint64_t{1} << (count % 64)) - 1;
  tree_.assign(wordCount + 1, 0);
  for (size_t i = 1; i <= wordCount; ++i) {
    tree_[i] += static_cast<uint32_t>(std::popcount(words_[i - 1]));
    const size_t parent = i + (i & (~i + 1));
    if (parent <= wordCount) tree_[parent] += tree_[i];
  }
  topStep_ = wordCount == 0 ? 0 : static_cast<uint32_t>(std::bit_floor(wordCount));
}

uint32_t RemainingIndexSet::TakeAt(uint32_t k) {
  // Find the word holding the k-th remaining index: the largest prefix of words whose count
  // is not above k.
  size_t pos = 0;
  const size_t wordCount = words_.size();
  for (size_t step = topStep_; step != 0; step >>= 1) {
    const size_t next = pos + step;
    if (next <= wordCount && tree_[next] <= k) {
      pos = next;
      k -= tree_[next];
    }
  }
  // pos is the number of whole words before the one we want (0-based word index pos).
  const int bit = SelectBit(words_[pos], k);
  words_[pos] &= ~(uint64_t{1} << bit);
  for (size_t i = pos + 1; i <= wordCount; i += i & (~i + 1)) --tree_[i];
  --remaining_;
  return static_cast<uint32_t>(pos * 64 + static_cast<size_t>(bit));
}

}  // namespace lrw
