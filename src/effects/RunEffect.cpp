#include "effects/RunEffect.h"

#include "effects/EffectCopyList.h"
#include "effects/EffectPlayer.h"

namespace lrw {

namespace {

// Discards copies; used when only the description of the copies is wanted.
class NullTarget : public EffectTarget {
 public:
  void Copy(const EffectRect&, const EffectRect&) override {}
  void CopyBoxes(const EffectRect*, size_t) override {}
};

void Play(int effect, EffectPlayer& player) {
  if (effect <= 17) {
    PlayBasicEffect(effect, player);
  } else if (effect <= 26) {
    PlayDiagonalEffect(effect, player);
  } else if (effect <= 33) {
    PlayStripeEffect(effect, player);
  } else {
    PlaySpecialEffect(effect, player);
  }
}

void Run(uint8_t effect, const EffectRect& sourceClip, EffectTarget& target, uint8_t d,
         std::vector<EffectCopy>* log, EffectCompletion completion) {
  const int number = effect > kLastEffect ? kLastEffect : effect;
  const EffectGrid grid = EffectGrid::FromClip(sourceClip, d);
  const bool finish =
      completion == EffectCompletion::FinishMissingBoxes && !EffectAlwaysCompletes(number);
  EffectPlayer player(grid, target, log, finish);
  Play(number, player);
  if (finish) player.FinishMissingBoxes();
  player.Flush();
}

}  // namespace

void RunEffect(uint8_t effect, const EffectRect& sourceClip, EffectTarget& target, uint8_t d) {
  Run(effect, sourceClip, target, d, nullptr, EffectCompletion::FinishMissingBoxes);
}

std::vector<EffectCopy> ListEffectCopies(uint8_t effect, const EffectRect& sourceClip, uint8_t d,
                                         EffectCompletion completion) {
  std::vector<EffectCopy> copies;
  NullTarget target;
  Run(effect, sourceClip, target, d, &copies, completion);
  return copies;
}

}  // namespace lrw
