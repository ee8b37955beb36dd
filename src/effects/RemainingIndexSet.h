// The indices 0..n-1 in order, from which the k-th remaining one can be taken out in
// logarithmic time. It yields exactly what a list with removal yields (take entry k, close
// the gap), without moving the later entries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lrw {

class RemainingIndexSet {
 public:
  explicit RemainingIndexSet(uint32_t count);

  uint32_t Size() const { return remaining_; }
  // Removes and returns the index at position k (0-based) among the remaining ones; k < Size().
  uint32_t TakeAt(uint32_t k);

 private:
  // One bit per index in words of 64, and a Fenwick tree over the words' counts, so that the
  // search walks a small tree and then one word.
  std::vector<uint64_t> words_;
  std::vector<uint32_t> tree_;  // 1-based Fenwick tree of remaining counts per word
  uint32_t remaining_ = 0;
  size_t treeSize_ = 0;  // number of words, rounded up to a power of two
};

}  // namespace lrw
