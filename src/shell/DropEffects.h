// The drop-target rules of the slide strip, without a toolkit: which effect a drag
// gets from the keys held and the effects both sides allow.
#pragma once

#include "base/Flags.h"

namespace lrw {

// Drop effects as bits, the values the platform's drag protocols use (Qt's drop actions
// are the same numbers). A set of effects is the same type, its bits or'ed together.
enum class DropEffect : int { None = 0, Copy = 1, Move = 2, Link = 4 };
template <>
inline constexpr bool kIsFlagEnum<DropEffect> = true;
using DropEffectSet = DropEffect;

struct DropEffectQuery {
  bool ownDrag = false;       // the drag was started by this same drop target
  bool acceptOwnDnD = false;  // such drags are accepted
  bool shift = false;
  bool ctrl = false;
  DropEffectSet targetEffects = DropEffect::None;
  DropEffectSet sourceEffects = DropEffect::None;  // what the drag source allows
};

// Shift alone asks for a move and Ctrl+Shift for a link, where the target takes them;
// otherwise the first of copy, move and link that both sides allow.
DropEffect ChooseDropEffect(const DropEffectQuery& query);

// The effect answered to the drag source, over the strip and after the drop alike: the
// strip only reads the files, so a move is answered as a copy (or a link) and never lets
// the source delete its files; none (a refusal) when the source allows neither.
DropEffect ReportedDropEffect(DropEffect chosen, DropEffectSet sourceEffects);

}  // namespace lrw
