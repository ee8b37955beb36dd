// A show with music played by the real show window through a real audio output (SDL's
// disk driver writes what would be heard to a file): the same mix as the video export
// makes of the same show, and the music passed over where its file is missing.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "designer/FakeServices.h"
#include "document/Paths.h"
#include "export/AudioTrack.h"
#include "export/ShowFrameRenderer.h"
#include "player/SlidePrepForm.h"
#include "support/TestWave.h"

namespace lrw {
namespace {

constexpr double kMusicHz = 440, kVoiceHz = 150;
constexpr int kRate = 48000;
constexpr size_t kWindow = 2400;  // 50 ms: whole periods of both tones

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() { had_ ? (void)setenv(name_, old_.c_str(), 1) : (void)unsetenv(name_); }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

// The music's level every 50 ms of a stereo stream (left channel).
std::vector<double> MusicLevels(const std::vector<float>& stereo) {
  std::vector<double> levels;
  for (size_t at = 0; (at + kWindow) * 2 <= stereo.size(); at += kWindow) {
    levels.push_back(test::ToneLevel(stereo, at * 2 / 2, kWindow, kMusicHz, kRate, 2));
  }
  return levels;
}

// The music's level in the last 50 ms of what was heard.
double TailLevel(const std::vector<float>& stereo) {
  const size_t frames = stereo.size() / 2;
  return frames < kWindow ? 1.0
                          : test::ToneLevel(stereo, frames - kWindow, kWindow, kMusicHz, kRate, 2);
}

// The time of the first window from `from` whose level passes `threshold` going down
// (or up), in seconds.
double Crossing(const std::vector<double>& levels, double from, double threshold, bool down) {
  for (size_t i = static_cast<size_t>(from / 0.05); i < levels.size(); ++i) {
    if (down ? levels[i] < threshold : levels[i] > threshold) return i * 0.05;
  }
  return -1;
}

struct Show {
  QTemporaryDir dir;
  std::vector<SlideRecord> slides{3};
  ShowMusic music;
  Show() {
    const std::string track = dir.filePath("music.wav").toStdString();
    const std::string voice = dir.filePath("voice.wav").toStdString();
    EXPECT_TRUE(test::WriteSineWave(track, 20, kMusicHz, 0.5, 44100, 2));
    EXPECT_TRUE(test::WriteSineWave(voice, 1, kVoiceHz, 0.3, 22050, 1));
    for (SlideRecord& s : slides) {
      s.BackgroundColor = 0x00402010;
      s.DurationMode = DurationMode::TimeElapsed;
      s.ExtraSeconds = 2;
      s.BoxWidth = 10;
    }
    slides[1].PlaySound = 1;
    slides[1].SoundFolder = FolderOf(voice);
    slides[1].SoundName = FileNameOf(voice);
    slides[1].DurationMode = DurationMode::SoundEnded;
    slides[1].ExtraSeconds = 1;
    music.tracks = {dir.filePath("missing.ogg").toStdString(), track};
    music.fadeInMs = 500;
    music.fadeOutMs = 1000;
  }
};

// Plays the show in the window with the disk driver; what was heard, as stereo floats.
std::vector<float> PlayToDisk(Show& show, bool escapeAfterFirstSlide = false) {
  const std::string raw = show.dir.filePath("heard.raw").toStdString();
  ScopedEnv driver("SDL_AUDIODRIVER", "disk");
  ScopedEnv file("SDL_DISKAUDIOFILE", raw);
  test::FakePrompts prompts;
  {
    SlidePrepForm form(show.slides, &prompts, nullptr, show.music);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &form, [&] { form.close(); });
    limit.start(20000);
    if (escapeAfterFirstSlide) {
      QTimer::singleShot(1500, &form, [&] { QTest::keyClick(&form, Qt::Key_Escape); });
    }
    EXPECT_EQ(form.exec(), 1);
    EXPECT_TRUE(limit.isActive()) << "the show ended by itself";
  }
  EXPECT_TRUE(prompts.asked.empty()) << "a missing music file is passed over silently";
  std::ifstream in(raw, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  std::vector<float> heard(bytes.size() / sizeof(float));
  std::memcpy(heard.data(), bytes.data(), heard.size() * sizeof(float));
  return heard;
}

TEST(ShowMusic, TheShowWindowPlaysTheMixTheExportMakesAndEscFadesItAway) {
  Show show;
  std::vector<float> played = PlayToDisk(show);

  ExportOptions options;
  options.width = 320;
  options.height = 240;
  options.fps = 30;
  ShowFrameRenderer renderer(show.slides, options);
  const double end = static_cast<double>(renderer.FrameCount()) / options.fps.PerSecond();
  AudioTrack track(renderer.Timeline().sounds, show.music, end);
  std::vector<float> exported(static_cast<size_t>(end * kRate) * 2);
  track.Read(exported.data(), static_cast<int>(exported.size() / 2));

  std::vector<double> heard = MusicLevels(played);
  const std::vector<double> made = MusicLevels(exported);
  ASSERT_GT(heard.size(), 80u) << "about 6 seconds were heard";
  const double full = made.at(20);  // 1 s: faded in, not ducked
  ASSERT_GT(full, 0.3);
  EXPECT_NEAR(heard.at(20) / full, 1.0, 0.05) << "the same volume";
  // The same moments: the fade-in, the ducking under slide 2's sound and back, the end.
  // The output's own sample clock times the fade-in and the ducking's length; the show's
  // clock times the slide changes, and a busy machine slows the disk driver, whose samples
  // then fall behind that clock: so those are compared more loosely.
  const auto at = [&](const std::vector<double>& levels, double from, double part, bool down) {
    return Crossing(levels, from, part * full, down);
  };
  EXPECT_NEAR(at(heard, 0, 0.5, false), at(made, 0, 0.5, false), 0.06) << "faded in";
  const double duckedA = at(heard, 1.5, 0.5, true), duckedB = at(made, 1.5, 0.5, true);
  const double backA = at(heard, duckedA, 0.5, false), backB = at(made, duckedB, 0.5, false);
  ASSERT_GT(duckedB, 2.0);
  EXPECT_NEAR(duckedA, duckedB, 0.4) << "ducked";
  EXPECT_NEAR(backA - duckedA, backB - duckedB, 0.06) << "ducked for the sound's length";
  const double fadeA = at(heard, 4.5, 0.8, true), fadeB = at(made, 4.5, 0.8, true);
  EXPECT_NEAR(at(heard, fadeA, 0.2, true) - fadeA, at(made, fadeB, 0.2, true) - fadeB, 0.06)
      << "the same fade-out";
  // Finer than the windows: along the fade-out's slope, how far apart the two are in time.
  double offsetSum = 0;
  int offsets = 0;
  for (size_t i = 1; i + 1 < std::min(heard.size(), made.size()); ++i) {
    const double slope = (made[i - 1] - made[i + 1]) / 0.1;  // level per second
    if (i * 0.05 > 4.5 && made[i] > 0.2 * full && made[i] < 0.8 * full && slope > 0) {
      offsetSum += (made[i] - heard[i]) / slope;
      ++offsets;
    }
  }
  ASSERT_GT(offsets, 5);
  // 20-45 ms on an idle machine (the export gives each "No Effect" a whole frame).
  EXPECT_LT(std::abs(offsetSum / offsets), 0.4) << "seconds apart: " << offsetSum / offsets;
  // A linear fade's last 50 ms average about 3 % of the level.
  EXPECT_LT(TailLevel(played), 0.08 * full) << "the show's output ends silent";
  EXPECT_NEAR(played.size() / 2.0 / kRate, end, 0.5) << "as long as the show";

  // Esc at 1.5 s: some tenths of a second of fading, then silence.
  played = PlayToDisk(show, true);
  heard = MusicLevels(played);
  ASSERT_GT(heard.size(), 30u);
  const double fading = Crossing(heard, 1.4, 0.9 * full, true);
  ASSERT_GT(fading, 0);
  EXPECT_LT(TailLevel(played), 0.08 * full) << "faded to silence";
  const double faded = heard.size() * 0.05 - fading;
  EXPECT_GT(faded, 0.5) << "not cut off";
  EXPECT_LT(faded, 1.2) << "not lingering";
}

}  // namespace
}  // namespace lrw
