#include "export/VideoExport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "document/Paths.h"
#include "export/FramePlanner.h"
#include "export/ShowFrameRenderer.h"
#include "export/VideoProbe.h"
#include "player/SlideComposer.h"
#include "support/SlideBuilder.h"
#include "support/TestWave.h"

namespace lrw {
namespace {

constexpr int kWidth = 320, kHeight = 240, kFps = 30;

// A picture of soft colour bands with a dark block, so that colour errors would show.
std::string Picture(const QTemporaryDir& dir, const std::string& name, QRgb a, QRgb b) {
  QImage image(200, 150, QImage::Format_RGB32);
  QLinearGradient bands(0, 0, 199, 0);
  bands.setColorAt(0, QColor(a));
  bands.setColorAt(1, QColor(b));
  QPainter painter(&image);
  painter.fillRect(image.rect(), bands);
  painter.fillRect(20, 20, 60, 40, QColor(30, 30, 30));
  painter.end();
  const QString path = dir.filePath(QString::fromStdString(name));
  EXPECT_TRUE(image.save(path));
  return path.toStdString();
}

SlideRecord PictureSlide(const std::string& path, uint8_t effect) {
  return test::SlideBuilder()
      .Picture(path, 200, 150)
      .Centered()
      .Background(0x00603010)
      .Effect(effect, 5)
      .Build();
}

Bitmap Composed(const SlideRecord& slide) {
  Bitmap bitmap(kWidth, kHeight);
  QImage canvas(reinterpret_cast<uchar*>(bitmap.pixels.data()), kWidth, kHeight, kWidth * 4,
                QImage::Format_RGB32);
  SlideComposer().ComposeSlide(slide, canvas);
  return bitmap;
}

// Mean of a column band's colour channels.
double BandMean(const Bitmap& b, int left, int right) {
  double sum = 0;
  for (int y = 0; y < b.height; ++y) {
    for (int x = left; x < right; ++x) {
      const uint32_t p = b.at(x, y);
      sum += ((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255);
    }
  }
  return sum / (3.0 * b.height * (right - left));
}

// Root mean square of the sound over each 10 ms window.
std::vector<double> WindowEnergy(const std::vector<float>& audio, int rate) {
  const size_t window = static_cast<size_t>(rate / 100);
  std::vector<double> energy;
  for (size_t start = 0; start + window <= audio.size(); start += window) {
    double sum = 0;
    for (size_t i = start; i < start + window; ++i) sum += double(audio[i]) * audio[i];
    energy.push_back(std::sqrt(sum / window));
  }
  return energy;
}

TEST(VideoExport, TheVideoPlaysTheShowFrameForFrame) {
  QTemporaryDir dir;
  const std::string sound = dir.filePath("tone.wav").toStdString();
  ASSERT_TRUE(test::WriteTestWave(sound, 0.5));
  // 1: at once, 1 s. 2: "Left To Right", then its sound plus 1 s. 3: a blank slide that waits
  // for Enter, which the video gives half a second.
  std::vector<SlideRecord> show{PictureSlide(Picture(dir, "a.png", 0xFFE0C040, 0xFF40A0E0), 0),
                                PictureSlide(Picture(dir, "b.png", 0xFF30D060, 0xFFD03070), 1),
                                SlideRecord{}};
  show[0].DurationMode = DurationMode::TimeElapsed;
  show[0].ExtraSeconds = 1;
  show[1].PlaySound = 1;
  show[1].SoundFolder = FolderOf(sound);
  show[1].SoundName = FileNameOf(sound);
  show[1].DurationMode = DurationMode::SoundEnded;
  show[1].ExtraSeconds = 1;
  show[2].BackgroundColor = 0x0000C0C0;
  show[2].Effect = 3;
  show[2].BoxWidth = 10;
  show[2].DurationMode = DurationMode::EnterPressed;
  ExportOptions options;
  options.width = kWidth;
  options.height = kHeight;
  options.fps = kFps;
  options.enterSeconds = 0.5;

  const ShowTimeline timeline = ShowFrameRenderer(show, options).Timeline();
  const TimelineSlide& second = timeline.slides[1];
  EXPECT_NEAR(second.leave - second.shown, 0.5 + 1, 1e-6);  // the sound's length plus 1 s
  const int64_t middle = FirstFrameAtOrAfter((second.start + second.shown) / 2, kFps);
  const int64_t held = FirstFrameAtOrAfter(timeline.slides[0].leave, kFps) - 2;
  const int64_t beforeThird = FirstFrameAtOrAfter(timeline.slides[2].start, kFps) - 1;
  const int64_t third = FirstFrameAtOrAfter(timeline.slides[2].shown, kFps) + 1;

  const std::string out = dir.filePath("show.mp4").toStdString();
  std::atomic<bool> cancel{false};
  int progressCalls = 0;
  std::vector<int> slidesShown;
  ExportCallbacks callbacks;
  callbacks.progress = [&](const ExportProgress&) { ++progressCalls; };
  callbacks.slideShown = [&](int slide, const QImage& preview) {
    slidesShown.push_back(slide);
    EXPECT_FALSE(preview.isNull());
  };
  const ExportResult result = ExportShowVideo(show, out, options, cancel, callbacks);
  ASSERT_TRUE(result.has_value()) << result.error().message;
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"a.png", "b.png", "show.mp4", "tone.wav"}));
  EXPECT_EQ(slidesShown, (std::vector<int>{0, 1, 2}));
  EXPECT_GT(progressCalls, 0);

  const test::ProbedVideo video = test::ProbeVideo(out, {middle, held, beforeThird, third});
  ASSERT_TRUE(video.ok);
  EXPECT_EQ(video.videoCodec, "h264");
  EXPECT_EQ(video.audioCodec, "aac");
  EXPECT_TRUE(video.bt709);
  EXPECT_EQ(video.width, kWidth);
  EXPECT_EQ(video.height, kHeight);
  EXPECT_NEAR(video.duration, timeline.duration, 1.0 / kFps);
  EXPECT_EQ(video.frames, std::llround(timeline.duration * kFps));
  EXPECT_EQ(video.frames, result->frames);
  ASSERT_EQ(video.kept.size(), 4u);

  // A held slide is the composed slide, after the colour conversion and the encoder.
  const Bitmap first = Composed(show[0]), secondSlide = Composed(show[1]),
               thirdSlide = Composed(show[2]);
  EXPECT_GT(test::Psnr(video.kept.at(held), first), 35);
  EXPECT_GT(test::Psnr(video.kept.at(beforeThird), secondSlide), 35);
  EXPECT_GT(test::Psnr(video.kept.at(third), thirdSlide), 35);
  // Halfway through "Left To Right" the left side is the new slide, the right side the old.
  const Bitmap& mid = video.kept.at(middle);
  const auto near = [](double a, double b) { return std::abs(a - b) < 6; };
  EXPECT_TRUE(near(BandMean(mid, 60, 90), BandMean(secondSlide, 60, 90)));
  EXPECT_FALSE(near(BandMean(mid, 60, 90), BandMean(first, 60, 90)));
  EXPECT_TRUE(near(BandMean(mid, 230, 260), BandMean(first, 230, 260)));
  EXPECT_FALSE(near(BandMean(mid, 230, 260), BandMean(secondSlide, 230, 260)));

  // The sound: silent until the second slide's transition is over, then the tone for 0.5 s.
  EXPECT_EQ(video.audioRate, 48000);
  EXPECT_EQ(video.audioChannels, 2);
  const std::vector<double> energy = WindowEnergy(video.audio, video.audioRate);
  const auto window = [](double seconds) { return static_cast<size_t>(seconds * 100); };
  ASSERT_GT(energy.size(), window(second.shown + 0.6));
  for (size_t w = 0; w < energy.size(); ++w) {
    const double t = w / 100.0;
    if (t + 0.01 < second.shown - 0.03 || t > second.shown + 0.5 + 0.03) {
      EXPECT_LT(energy[w], 0.002) << "window at " << t << " s";
    } else if (t > second.shown + 0.03 && t + 0.01 < second.shown + 0.5 - 0.03) {
      EXPECT_GT(energy[w], 0.1) << "window at " << t << " s";
    }
  }
}

}  // namespace
}  // namespace lrw
