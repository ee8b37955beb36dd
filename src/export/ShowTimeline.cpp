#include "export/ShowTimeline.h"

#include <algorithm>

#include "player/SlideWait.h"

namespace lrw {

namespace {

// The one sound player of a show: what it plays and when that ends by itself.
struct PlayingSound {
  size_t index = 0;  // in ShowTimeline::sounds
  double naturalEnd = 0;
};

double SecondsOf(int16_t seconds) {
  return std::max(0, static_cast<int>(seconds));
}

}  // namespace

ShowTimeline BuildShowTimeline(const std::vector<SlideRecord>& slides, double enterSeconds,
                               const TimelineSources& sources) {
  ShowTimeline timeline;
  std::optional<PlayingSound> playing;
  const auto stopSound = [&](double at) {
    if (!playing) return;
    TimelineSound& sound = timeline.sounds[playing->index];
    sound.stop = std::min(playing->naturalEnd, std::max(sound.start, at));
    playing.reset();
  };
  const auto soundPlayingAt = [&](double at) { return playing && at < playing->naturalEnd; };

  double now = kLeadInSeconds;
  for (size_t i = 0; i < slides.size(); ++i) {
    const SlideRecord& slide = slides[i];
    TimelineSlide entry;
    entry.slide = i;
    entry.start = now;
    entry.shown = now + std::max(0.0, sources.transitionSeconds(i));
    now = entry.shown;

    // A slide with a sound stops the one playing, whether or not its own can be played.
    bool soundOk = true;
    if (slide.PlaySound) {
      stopSound(now);
      const std::string file = SlideSoundFile(slide);
      const std::optional<double> length = sources.soundSeconds(file);
      soundOk = length.has_value();
      if (soundOk) {
        timeline.sounds.push_back({file, now, now + std::max(0.0, *length)});
        playing = PlayingSound{timeline.sounds.size() - 1, timeline.sounds.back().stop};
      }
    }
    if (WaitsForEarlierSound(slide)) soundOk = soundPlayingAt(now);

    switch (ChooseSlideWait(slide, soundOk)) {
      case SlideWait::Timed:
        entry.leave = now + SecondsOf(slide.ExtraSeconds);
        break;
      case SlideWait::ForKey:
        entry.leave = now + std::max(0.0, enterSeconds);
        break;
      case SlideWait::ForSoundEnd:
        entry.leave =
            std::max(now, playing ? playing->naturalEnd : now) + SecondsOf(slide.ExtraSeconds);
        break;
    }
    now = entry.leave;
    timeline.slides.push_back(entry);
  }
  // The end of the show stops a sound that is still playing.
  stopSound(now);
  timeline.duration = now;
  return timeline;
}

}  // namespace lrw
