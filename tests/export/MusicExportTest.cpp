// The show's music in an exported video: one continuous track under the slides, ducked
// while a slide's own sound plays and faded out at the end.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "document/Paths.h"
#include "export/ShowFrameRenderer.h"
#include "export/VideoExport.h"
#include "export/VideoProbe.h"
#include "support/TestWave.h"

namespace lrw {
namespace {

constexpr double kMusicHz = 440, kVoiceHz = 150;
constexpr size_t kWindow = 4800;  // 0.1 s: whole periods of both tones at 48 kHz

TEST(MusicExport, MusicRunsOnAcrossSlideChangesDucksUnderASoundAndFadesOut) {
  QTemporaryDir dir;
  const std::string music = dir.filePath("music.wav").toStdString();
  const std::string voice = dir.filePath("voice.wav").toStdString();
  // Rates other than the video's, so that both go through the resampler.
  ASSERT_TRUE(test::WriteSineWave(music, 20, kMusicHz, 0.5, 44100, 2));
  ASSERT_TRUE(test::WriteSineWave(voice, 1, kVoiceHz, 0.3, 22050, 1));

  std::vector<SlideRecord> show(3);
  for (SlideRecord& s : show) {
    s.BackgroundColor = 0x00402010;
    s.DurationMode = DurationMode::TimeElapsed;
    s.ExtraSeconds = 2;
  }
  show[1].PlaySound = 1;
  show[1].SoundFolder = FolderOf(voice);
  show[1].SoundName = FileNameOf(voice);
  show[1].DurationMode = DurationMode::SoundEnded;
  show[1].ExtraSeconds = 1;
  ShowMusic soundtrack;
  soundtrack.tracks = {music};
  soundtrack.fadeInMs = 500;
  soundtrack.fadeOutMs = 1000;
  ExportOptions options;
  options.width = 320;
  options.height = 240;
  options.fps = 30;

  const ShowTimeline timeline = ShowFrameRenderer(show, options).Timeline();
  const std::string out = dir.filePath("show.mkv").toStdString();
  std::atomic<bool> cancel{false};
  const ExportResult result = ExportShowVideo(show, out, options, cancel, {}, soundtrack);
  ASSERT_TRUE(result.has_value()) << result.error().message;
  const test::ProbedVideo video = test::ProbeVideo(out);
  ASSERT_EQ(video.audioRate, 48000);
  const std::vector<float>& a = video.audio;
  ASSERT_GE(a.size(), static_cast<size_t>(result->seconds * 48000) - 2048);
  const auto sample = [](double seconds) { return static_cast<size_t>(seconds * 48000); };
  const auto level = [&](double seconds, double hz = kMusicHz) {
    return test::ToneLevel(a, sample(seconds), kWindow, hz, 48000);
  };
  const auto largestJump = [&](double from, double to) {
    float jump = 0;
    for (size_t i = sample(from); i + 1 < sample(to) && i + 1 < a.size(); ++i) {
      jump = std::max(jump, std::abs(a[i + 1] - a[i]));
    }
    return jump;
  };

  const double full = level(1.0);
  ASSERT_GT(full, 0.3);
  EXPECT_LT(level(0.0), full * 0.5) << "the music fades in";
  // Continuous across every slide change: no sample step larger than the music makes.
  const float musicJump = largestJump(0.8, 1.8);
  for (size_t s = 1; s < timeline.slides.size(); ++s) {
    const double change = timeline.slides[s].start;
    EXPECT_LT(largestJump(change - 0.05, change + 0.05), musicJump * 1.3) << "slide " << s + 1;
    EXPECT_GT(level(change - 0.05), full * 0.2) << "no gap at slide " << s + 1;
  }
  // Ducked to a quarter while slide 2's sound plays, back after it.
  const double sound = timeline.slides[1].shown;
  EXPECT_GT(level(sound + 0.4, kVoiceHz), 0.1) << "the slide's sound is heard";
  EXPECT_NEAR(level(sound + 0.5) / full, 0.25, 0.04);
  EXPECT_NEAR(level(sound + 1.5) / full, 1.0, 0.08);
  // The last half second fades out to silence at the very end.
  const double end = result->seconds;
  double previous = level(end - 0.6);
  EXPECT_LT(previous, full * 0.7);
  for (double t = end - 0.5; t <= end - 0.1 + 1e-9; t += 0.1) {
    const double now = level(t);
    EXPECT_LT(now, previous) << t;
    previous = now;
  }
  EXPECT_LT(previous, full * 0.15);
}

}  // namespace
}  // namespace lrw
