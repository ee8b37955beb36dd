// Helpers shared by the effect tests: grids of a given size in boxes and copy lists written
// the way the examples are written ("1,1 2,1 ...").
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "effects/EffectCopyList.h"
#include "effects/RunEffect.h"

namespace lrw::testing {

// A clip whose grid with d = 2 has exactly `columns` x `rows` boxes.
inline EffectRect ClipForGrid(int columns, int rows) {
  return {0, 0, 2 * columns - 1, 2 * rows - 1};
}

inline std::vector<EffectCopy> CopiesOnGrid(int effect, int columns, int rows,
                                            EffectCompletion completion) {
  return ListEffectCopies(static_cast<uint8_t>(effect), ClipForGrid(columns, rows), 2, completion);
}

// "c,r c,r ..." for boxes, "h<y>", "v<x>" for lines, "s->t" for strips, "whole".
inline std::string Describe(const std::vector<EffectCopy>& copies) {
  std::string out;
  for (const EffectCopy& copy : copies) {
    if (!out.empty()) out += ' ';
    switch (copy.kind) {
      case EffectCopyKind::Whole:
        out += "whole";
        break;
      case EffectCopyKind::Box:
        out += std::to_string(copy.a) + "," + std::to_string(copy.b);
        break;
      case EffectCopyKind::HorizontalLine:
        out += "h" + std::to_string(copy.a);
        break;
      case EffectCopyKind::VerticalLine:
        out += "v" + std::to_string(copy.a);
        break;
      case EffectCopyKind::Strip:
        out += std::to_string(copy.a) + "->" + std::to_string(copy.b);
        break;
    }
  }
  return out;
}

inline std::string EffectOrder(int effect, int columns, int rows) {
  return Describe(CopiesOnGrid(effect, columns, rows, EffectCompletion::EffectOnly));
}

inline std::string CompletedOrder(int effect, int columns, int rows) {
  return Describe(CopiesOnGrid(effect, columns, rows, EffectCompletion::FinishMissingBoxes));
}

// An example of the catalogue: effect, grid size, copy order.
struct OrderExample {
  int effect;
  int columns;
  int rows;
  const char* order;
};

// Grids of many shapes: one box, one row, one column, square, wide and tall, odd and even.
inline constexpr std::pair<int, int> kGridShapes[] = {{1, 1}, {1, 4}, {4, 1},  {2, 2},
                                                      {4, 3}, {3, 4}, {5, 5},  {6, 4},
                                                      {7, 2}, {2, 7}, {9, 13}, {16, 5}};

using Box = std::pair<int, int>;  // column, row

// The boxes of the effect's own pattern, in the order copied.
inline std::vector<Box> BoxOrder(int effect, int columns, int rows) {
  std::vector<Box> boxes;
  for (const EffectCopy& copy : CopiesOnGrid(effect, columns, rows, EffectCompletion::EffectOnly)) {
    if (copy.kind == EffectCopyKind::Box) boxes.emplace_back(copy.a, copy.b);
  }
  return boxes;
}

using OrderKey = std::array<int, 3>;
using OrderRule = std::function<OrderKey(int c, int r, int columns, int rows)>;

// On every grid shape: the effect copies each box exactly once, in increasing order of `key`.
inline void ExpectEachBoxOnceInOrderOf(int effect, const OrderRule& key) {
  for (const auto& [columns, rows] : kGridShapes) {
    const std::vector<Box> boxes = BoxOrder(effect, columns, rows);
    EXPECT_EQ(boxes.size(), static_cast<size_t>(columns * rows))
        << "effect " << effect << " on " << columns << "x" << rows;
    for (size_t i = 1; i < boxes.size(); ++i) {
      const auto& [c0, r0] = boxes[i - 1];
      const auto& [c, r] = boxes[i];
      if (!(key(c0, r0, columns, rows) < key(c, r, columns, rows))) {
        ADD_FAILURE() << "effect " << effect << " on " << columns << "x" << rows << ": box " << c
                      << "," << r << " after " << c0 << "," << r0;
        break;
      }
    }
  }
}

}  // namespace lrw::testing
