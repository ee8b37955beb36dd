#include "shell/DropEffects.h"

#include <initializer_list>

namespace lrw {

DropEffect ChooseDropEffect(const DropEffectQuery& q) {
  if (q.ownDrag && !q.acceptOwnDnD) return DropEffect::None;
  if (q.shift && !q.ctrl && HasAny(q.targetEffects, DropEffect::Move)) return DropEffect::Move;
  if (q.ctrl && q.shift && HasAny(q.targetEffects, DropEffect::Link)) return DropEffect::Link;
  for (const DropEffect e : {DropEffect::Copy, DropEffect::Move, DropEffect::Link}) {
    if (HasAny(q.targetEffects, e) && HasAny(q.sourceEffects, e)) return e;
  }
  return DropEffect::None;
}

DropEffect ReportedDropEffect(DropEffect chosen, DropEffectSet sourceEffects) {
  if (chosen != DropEffect::Move) return chosen;
  if (HasAny(sourceEffects, DropEffect::Copy)) return DropEffect::Copy;
  if (HasAny(sourceEffects, DropEffect::Link)) return DropEffect::Link;
  return DropEffect::None;
}

}  // namespace lrw
