#include "shell/DropEffects.h"

#include <initializer_list>

namespace lrw {

DropEffect ChooseDropEffect(const DropEffectQuery& q) {
  if (q.ownDrag && !q.acceptOwnDnD) return deNone;
  if (q.shift && !q.ctrl && (q.targetEffects & deMove)) return deMove;
  if (q.ctrl && q.shift && (q.targetEffects & deLink)) return deLink;
  for (const DropEffect e : {deCopy, deMove, deLink}) {
    if ((q.targetEffects & e) && (q.sourceEffects & e)) return e;
  }
  return deNone;
}

DropEffect ReportedDropEffect(DropEffect chosen, DropEffectSet sourceEffects) {
  if (chosen != deMove) return chosen;
  if (sourceEffects & deCopy) return deCopy;
  if (sourceEffects & deLink) return deLink;
  return deNone;
}

}  // namespace lrw
