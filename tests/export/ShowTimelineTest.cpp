#include "export/ShowTimeline.h"
#include "support/SlideBuilder.h"

#include <gtest/gtest.h>

#include <map>

namespace lrw {
namespace {

// A slide with the given duration rule; `sound` names a file of the fake sound table.
SlideRecord Slide(DurationMode mode, int16_t seconds, const std::string& sound = {}) {
  return test::SlideBuilder()
      .Duration(mode, seconds)
      .Sound(sound.empty() ? "" : "/s/" + sound)
      .Build();
}

struct Expected {
  double start, shown, leave;
};

struct Case {
  const char* name;
  std::vector<SlideRecord> slides;
  std::vector<Expected> times;
  std::vector<TimelineSound> sounds;
};

TEST(ShowTimelineTest, FollowsTheDurationAndSoundRules) {
  // Every transition lasts 0.5 s; "long" plays 6 s, "short" 2 s, "bad" cannot be played.
  const std::map<std::string, double> lengths{{"/s/long", 6}, {"/s/short", 2}};
  TimelineSources sources;
  sources.transitionSeconds = [](size_t) { return 0.5; };
  sources.soundSeconds = [&](const std::string& file) -> std::optional<double> {
    const auto it = lengths.find(file);
    return it == lengths.end() ? std::nullopt : std::optional<double>(it->second);
  };
  const double t0 = kLeadInSeconds;
  const std::vector<Case> cases{
      {"fixed seconds; Enter waits the chosen time",
       {Slide(DurationMode::TimeElapsed, 3), Slide(DurationMode::EnterPressed, 9)},
       {{t0, t0 + .5, t0 + 3.5}, {t0 + 3.5, t0 + 4, t0 + 13}},
       {}},
      {"until the sound ends plus 1 s: the sound's length plus 1 s after the transition",
       {Slide(DurationMode::SoundEnded, 1, "short")},
       {{t0, t0 + .5, t0 + 3.5}},
       {{"/s/short", t0 + .5, t0 + 2.5}}},
      {"without its own sound a slide waits for an earlier sound still playing, which goes on",
       {Slide(DurationMode::TimeElapsed, 1, "long"), Slide(DurationMode::SoundEnded, 2)},
       {{t0, t0 + .5, t0 + 1.5}, {t0 + 1.5, t0 + 2, t0 + 8.5}},
       {{"/s/long", t0 + .5, t0 + 6.5}}},
      {"without its own sound and nothing playing, the seconds alone",
       {Slide(DurationMode::TimeElapsed, 3, "short"), Slide(DurationMode::SoundEnded, 2)},
       {{t0, t0 + .5, t0 + 3.5}, {t0 + 3.5, t0 + 4, t0 + 6}},
       {{"/s/short", t0 + .5, t0 + 2.5}}},
      {"a sound that cannot be played times even an Enter slide by its seconds, and still "
       "stops the sound before it",
       {Slide(DurationMode::EnterPressed, 0, "long"), Slide(DurationMode::EnterPressed, 4, "bad"),
        Slide(DurationMode::SoundEnded, 1)},
       {{t0, t0 + .5, t0 + 9.5}, {t0 + 9.5, t0 + 10, t0 + 14}, {t0 + 14, t0 + 14.5, t0 + 15.5}},
       {{"/s/long", t0 + .5, t0 + 6.5}}},
      {"a later sound stops the earlier one once its transition is over; the end of the show "
       "stops the last",
       {Slide(DurationMode::TimeElapsed, 2, "long"), Slide(DurationMode::TimeElapsed, 1, "long")},
       {{t0, t0 + .5, t0 + 2.5}, {t0 + 2.5, t0 + 3, t0 + 4}},
       {{"/s/long", t0 + .5, t0 + 3}, {"/s/long", t0 + 3, t0 + 4}}},
      {"negative seconds count as none",
       {Slide(DurationMode::TimeElapsed, -5)},
       {{t0, t0 + .5, t0 + .5}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ShowTimeline timeline = BuildShowTimeline(c.slides, 9, sources);
    ASSERT_EQ(timeline.slides.size(), c.times.size());
    for (size_t i = 0; i < c.times.size(); ++i) {
      EXPECT_EQ(timeline.slides[i].slide, i);
      EXPECT_DOUBLE_EQ(timeline.slides[i].start, c.times[i].start) << "slide " << i;
      EXPECT_DOUBLE_EQ(timeline.slides[i].shown, c.times[i].shown) << "slide " << i;
      EXPECT_DOUBLE_EQ(timeline.slides[i].leave, c.times[i].leave) << "slide " << i;
    }
    EXPECT_EQ(timeline.sounds, c.sounds);
    EXPECT_DOUBLE_EQ(timeline.duration, c.times.back().leave);
  }
}

}  // namespace
}  // namespace lrw
