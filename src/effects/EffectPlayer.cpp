#include "effects/EffectPlayer.h"

#include <algorithm>

namespace lrw {

EffectPlayer::EffectPlayer(const EffectGrid& grid, EffectTarget& target,
                           std::vector<EffectCopy>* log, bool trackBoxes)
    : grid_(grid), target_(target), log_(log) {
  if (trackBoxes) copied_.assign(static_cast<size_t>(grid_.columns) * grid_.rows, 0);
}

void EffectPlayer::Whole() {
  Flush();
  target_.Copy(grid_.clip, grid_.clip);
  if (log_) log_->push_back({EffectCopyKind::Whole, 0, 0, grid_.clip, grid_.clip});
}

void EffectPlayer::HorizontalLine(int y) {
  Flush();
  const EffectRect rect = grid_.HorizontalLine(y);
  target_.Copy(rect, rect);
  if (log_) log_->push_back({EffectCopyKind::HorizontalLine, y, 0, rect, rect});
}

void EffectPlayer::VerticalLine(int x) {
  Flush();
  const EffectRect rect = grid_.VerticalLine(x);
  target_.Copy(rect, rect);
  if (log_) log_->push_back({EffectCopyKind::VerticalLine, x, 0, rect, rect});
}

void EffectPlayer::Strip(int source, int target) {
  Flush();
  const EffectRect from = grid_.Strip(source);
  const EffectRect to = grid_.Strip(target);
  target_.Copy(from, to);
  if (log_) log_->push_back({EffectCopyKind::Strip, source, target, from, to});
}

void EffectPlayer::ColumnDown(int c) {
  for (int r = 1; r <= grid_.rows; ++r) Box(c, r);
}

void EffectPlayer::ColumnUp(int c) {
  for (int r = grid_.rows; r >= 1; --r) Box(c, r);
}

void EffectPlayer::RowRight(int r) {
  for (int c = 1; c <= grid_.columns; ++c) Box(c, r);
}

void EffectPlayer::RowLeft(int r) {
  for (int c = grid_.columns; c >= 1; --c) Box(c, r);
}

void EffectPlayer::AntiDiagonal(int s, int minColumn, int maxColumn, int minRow, int maxRow) {
  minColumn = std::max(minColumn, 1);
  maxColumn = std::min(maxColumn, grid_.columns);
  const int firstRow = std::max({minRow, 1, s - maxColumn});
  const int lastRow = std::min({maxRow, grid_.rows, s - minColumn});
  for (int r = firstRow; r <= lastRow; ++r) Box(s - r, r);
}

void EffectPlayer::Diagonal(int t) {
  const int firstRow = std::max(1, 1 - t);
  const int lastRow = std::min(grid_.rows, grid_.columns - t);
  for (int r = firstRow; r <= lastRow; ++r) Box(r + t, r);
}

void EffectPlayer::DiagonalFrom(int c, int r) {
  // Jump over positions before the grid; they would all be skipped.
  const int skip = std::max({0, 1 - c, 1 - r});
  c += skip;
  r += skip;
  for (; c <= grid_.columns && r <= grid_.rows; ++c, ++r) Box(c, r);
}

void EffectPlayer::FinishMissingBoxes() {
  if (copied_.empty()) return;
  size_t i = 0;
  for (int r = 1; r <= grid_.rows; ++r) {
    for (int c = 1; c <= grid_.columns; ++c, ++i) {
      if (!copied_[i]) Box(c, r);
    }
  }
}

bool EffectAlwaysCompletes(int effect) {
  return effect == 0 || (effect >= 15 && effect <= 17) || effect == 37;
}

}  // namespace lrw
