// How long a slide stays once it is fully on screen: the three duration rules and what a
// sound that cannot be played does to them. Shared by the show runner and the video export,
// so that a show and its video go on at the same moments.
#pragma once

#include <cstdint>
#include <string>

#include "document/SlideRecord.h"

namespace lrw {

enum class SlideWait {
  Timed,        // ExtraSeconds from the moment the slide is on screen
  ForKey,       // until Enter (or another way forward)
  ForSoundEnd,  // until the playing sound ends, then ExtraSeconds
};

// The sound file a slide plays: its folder and name exactly as stored, as UTF-8.
std::string SlideSoundFile(const SlideRecord& slide);

// A slide that waits for the sound to end without a sound of its own waits for the one an
// earlier slide started, if that one is still playing.
inline bool WaitsForEarlierSound(const SlideRecord& slide) {
  return slide.DurationMode == DurationMode::SoundEnded && !slide.PlaySound;
}

// `soundOk`: the slide's own sound started (true when it plays none), or, for a slide that
// WaitsForEarlierSound, whether an earlier sound is playing. A sound that cannot be played
// makes every slide a timed one.
inline SlideWait ChooseSlideWait(const SlideRecord& slide, bool soundOk) {
  if (slide.DurationMode == DurationMode::TimeElapsed || !soundOk) return SlideWait::Timed;
  return slide.DurationMode == DurationMode::SoundEnded ? SlideWait::ForSoundEnd
                                                        : SlideWait::ForKey;
}

}  // namespace lrw
