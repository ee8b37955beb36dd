// Shared machinery of the effect families: turns box, line and strip positions into copies on
// the target, skips positions outside the grid and remembers which boxes were copied.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "effects/EffectCopyList.h"
#include "effects/EffectGrid.h"
#include "effects/RunEffect.h"

namespace lrw {

class EffectPlayer {
 public:
  // `log` (optional) receives each copy with its kind. `trackBoxes` keeps the record needed
  // to finish the missing boxes afterwards.
  EffectPlayer(const EffectGrid& grid, EffectTarget& target, std::vector<EffectCopy>* log,
               bool trackBoxes);

  const EffectGrid& Grid() const { return grid_; }
  int Columns() const { return grid_.columns; }
  int Rows() const { return grid_.rows; }

  void Whole();
  void Box(int c, int r) {
    if (!grid_.Contains(c, r)) return;
    if (!copied_.empty()) copied_[static_cast<size_t>(r - 1) * grid_.columns + (c - 1)] = 1;
    const EffectRect rect = grid_.Box(c, r);
    pending_[pendingCount_++] = rect;
    if (pendingCount_ == pending_.size()) Flush();
    if (log_) log_->push_back({EffectCopyKind::Box, c, r, rect, rect});
  }
  void HorizontalLine(int y);
  void VerticalLine(int x);
  void Strip(int source, int target);

  void ColumnDown(int c);
  void ColumnUp(int c);
  void RowRight(int r);
  void RowLeft(int r);
  // Boxes with c + r = s inside the given column and row limits (and the grid), from the
  // upper-right end to the lower-left end.
  void AntiDiagonal(int s, int minColumn, int maxColumn, int minRow, int maxRow);
  void AntiDiagonal(int s) { AntiDiagonal(s, 1, grid_.columns, 1, grid_.rows); }
  // Boxes with c - r = t, from the upper-left end to the lower-right end.
  void Diagonal(int t);
  // From box (c, r) down to the right until the grid ends; positions before the grid are
  // skipped.
  void DiagonalFrom(int c, int r);

  // Copies, in row order, every box the effect has not copied (needs trackBoxes).
  void FinishMissingBoxes();

  // Hands the boxes not yet passed on to the target. Other kinds of copy flush first, so the
  // target sees every copy in order; the caller flushes once at the end.
  void Flush() {
    if (pendingCount_ == 0) return;
    const size_t count = pendingCount_;
    pendingCount_ = 0;
    target_.CopyBoxes(pending_.data(), count);
  }

 private:
  EffectGrid grid_;
  EffectTarget& target_;
  std::vector<EffectCopy>* log_;
  std::vector<uint8_t> copied_;
  // Boxes made but not yet passed on: enough to spare the target a call per box, few enough
  // to stay in the first-level cache.
  std::array<EffectRect, 256> pending_;
  size_t pendingCount_ = 0;
};

// The effect families; each plays the effects of its range.
void PlayBasicEffect(int effect, EffectPlayer& player);     // 0..17
void PlayDiagonalEffect(int effect, EffectPlayer& player);  // 18..26
void PlayStripeEffect(int effect, EffectPlayer& player);    // 27..33
void PlaySpecialEffect(int effect, EffectPlayer& player);   // 34..41

// Whether an effect's own pattern always reaches the whole target, so that no finishing
// boxes are needed (and none are tracked).
bool EffectAlwaysCompletes(int effect);

}  // namespace lrw
