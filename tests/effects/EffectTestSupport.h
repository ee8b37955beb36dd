// Helpers shared by the effect tests: grids of a given size in boxes and copy lists written
// the way the examples are written ("1,1 2,1 ...").
#pragma once

#include <string>
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

}  // namespace lrw::testing
