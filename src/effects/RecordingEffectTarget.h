// Keeps the copies of a transition instead of making them, so that a caller can pace them or
// inspect them, and plays them back later onto a real target.
#pragma once

#include <cstddef>
#include <vector>

#include "effects/RunEffect.h"

namespace lrw {

struct RecordedCopy {
  EffectRect from;
  EffectRect to;
  bool operator==(const RecordedCopy&) const = default;
};

class RecordingEffectTarget : public EffectTarget {
 public:
  void Copy(const EffectRect& from, const EffectRect& to) override {
    copies_.push_back({from, to});
  }

  const std::vector<RecordedCopy>& Copies() const { return copies_; }
  void Clear() { copies_.clear(); }

  // Makes copies [first, last) on `target`, in order; `last` is limited to the recorded count.
  void Replay(EffectTarget& target, size_t first, size_t last) const {
    if (last > copies_.size()) last = copies_.size();
    for (size_t i = first; i < last; ++i) target.Copy(copies_[i].from, copies_[i].to);
  }
  void Replay(EffectTarget& target) const { Replay(target, 0, copies_.size()); }

 private:
  std::vector<RecordedCopy> copies_;
};

}  // namespace lrw
