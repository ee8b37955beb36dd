// Motion and smooth transitions as the video export renders them, read back from the
// encoded file: a zoom grows evenly, a pan moves evenly, a cross-fade is the blend at its
// weight, and the motion starts and ends at its framings.
#include <gtest/gtest.h>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>

#include "export/FramePlanner.h"
#include "export/ShowFrameRenderer.h"
#include "export/VideoExport.h"
#include "export/VideoProbe.h"
#include "support/SlideBuilder.h"

namespace lrw {
namespace {

constexpr int kWidth = 320, kHeight = 240, kFps = 30;

std::string Save(const QTemporaryDir& dir, const char* name, const QImage& image) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  EXPECT_TRUE(image.save(path));
  return path.toStdString();
}

SlideRecord Slide(const std::string& path, int w, int h, MotionKind kind) {
  return test::SlideBuilder()
      .Picture(path, w, h)
      .Centered()
      .Duration(DurationMode::TimeElapsed, 2)
      .Motion(kind, 100, MotionEase::Linear)
      .Build();
}

double Luma(uint32_t p) {
  return (((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255)) / 3.0;
}

// The centre of the bright bar nearest the middle of the frame, from the columns' sums.
double BarNearMiddle(const Bitmap& b) {
  std::vector<double> column(static_cast<size_t>(b.width), 0.0);
  for (int y = 0; y < b.height; ++y) {
    for (int x = 0; x < b.width; ++x) column[static_cast<size_t>(x)] += Luma(b.at(x, y));
  }
  const double threshold = 0.2 * 255 * b.height;
  double best = -1;
  for (int x = 0; x < b.width;) {
    if (column[static_cast<size_t>(x)] < threshold) {
      ++x;
      continue;
    }
    double sum = 0, weighted = 0;
    for (; x < b.width && column[static_cast<size_t>(x)] >= threshold; ++x) {
      sum += column[static_cast<size_t>(x)];
      weighted += column[static_cast<size_t>(x)] * (x + 0.5);
    }
    const double centre = weighted / sum;
    if (best < 0 || std::abs(centre - b.width / 2.0) < std::abs(best - b.width / 2.0)) {
      best = centre;
    }
  }
  return best;
}

TEST(MotionExport, ZoomPanAndCrossFadeFramesAreEvenAndAtTheirWeights) {
  QTemporaryDir dir;

  // A white square in the middle of a black 4:3 picture: its size on screen is the zoom.
  QImage square(640, 480, QImage::Format_RGB32);
  square.fill(Qt::black);
  QPainter(&square).fillRect(288, 208, 64, 64, Qt::white);
  // Thin white bars every 160 pixels across a black panorama: they move with the framing.
  QImage ramp(1280, 240, QImage::Format_RGB32);
  ramp.fill(Qt::black);
  {
    QPainter painter(&ramp);
    for (int x = 78; x < 1280; x += 160) painter.fillRect(x, 0, 4, 240, Qt::white);
  }
  std::vector<SlideRecord> show{
      Slide(Save(dir, "square.png", square), 640, 480, MotionKind::ZoomIn),
      Slide(Save(dir, "ramp.png", ramp), 1280, 240, MotionKind::PanRight), SlideRecord{},
      SlideRecord{}};
  show[2].BackgroundColor = 0x002850C8;  // RGB (200, 80, 40)
  show[2].DurationMode = DurationMode::TimeElapsed;
  show[2].ExtraSeconds = 1;
  show[3].BackgroundColor = 0x00DC7828;  // RGB (40, 120, 220)
  show[3].DurationMode = DurationMode::TimeElapsed;
  show[3].ExtraSeconds = 1;
  show[3].Smooth = SmoothEffect::CrossFade;
  show[3].BoxWidth = 6;
  ExportOptions options;
  options.width = kWidth;
  options.height = kHeight;
  options.fps = kFps;

  const ShowTimeline timeline = ShowFrameRenderer(show, options).Timeline();
  ASSERT_EQ(timeline.slides.size(), 4u);
  auto frames = [](const TimelineSlide& s) {
    std::vector<int64_t> list;
    for (int64_t f = FirstFrameAtOrAfter(s.shown, kFps); f < FirstFrameAtOrAfter(s.leave, kFps);
         ++f) {
      list.push_back(f);
    }
    return list;
  };
  const std::vector<int64_t> zoom = frames(timeline.slides[0]);
  const std::vector<int64_t> pan = frames(timeline.slides[1]);
  const TimelineSlide& fade = timeline.slides[3];
  const double fadeMiddle = (fade.start + fade.shown) / 2;
  const int64_t mid = FirstFrameAtOrAfter(fadeMiddle, kFps);
  std::set<int64_t> keep(zoom.begin(), zoom.end());
  keep.insert(pan.begin(), pan.end());
  keep.insert(mid);

  const std::string out = dir.filePath("motion.mp4").toStdString();
  std::atomic<bool> cancel{false};
  const ExportResult result = ExportShowVideo(show, out, options, cancel, {});
  ASSERT_TRUE(result.has_value()) << result.error().message;
  const test::ProbedVideo video = test::ProbeVideo(out, keep);
  ASSERT_TRUE(video.ok);
  ASSERT_EQ(video.kept.size(), keep.size())
      << video.frames << " frames, the last kept " << *keep.rbegin();

  // Zoom: the square's side from its area; 32 pixels at the start framing (the whole
  // picture), 48 at the end (half again as close); every step forward and like its neighbours.
  std::vector<double> side;
  for (int64_t f : zoom) {
    double white = 0;
    for (uint32_t p : video.kept.at(f).pixels) white += Luma(p) / 255.0;
    side.push_back(std::sqrt(white));
  }
  ASSERT_GT(side.size(), 40u);
  EXPECT_NEAR(side.front(), 32, 1.0);
  EXPECT_NEAR(side.back(), 48, 1.0);
  const double meanStep = (side.back() - side.front()) / static_cast<double>(side.size() - 1);
  for (size_t i = 1; i < side.size(); ++i) {
    EXPECT_GT(side[i] - side[i - 1], 0) << "frame " << zoom[i] << " steps back";
    // The encoder moves this measure by up to 0.05 pixels a frame either way; a frame that
    // stands still or jumps twice as far still fails.
    EXPECT_NEAR(side[i] - side[i - 1], meanStep, 0.35 * meanStep + 0.1) << "frame " << zoom[i];
  }

  // Pan: the bar nearest the middle of the screen, found to a fraction of a pixel; it moves
  // by the same amount every frame, within a pixel.
  const double period = 160 * (kWidth / (320 / 1.2));  // 1.2 closer, in screen pixels
  std::vector<double> moved;
  double before = -1;
  for (int64_t f : pan) {
    const double bar = BarNearMiddle(video.kept.at(f));
    if (before >= 0) moved.push_back(std::fmod(before - bar + period, period));
    before = bar;
  }
  ASSERT_GT(moved.size(), 40u);
  double mean = 0;
  for (double m : moved) mean += m / static_cast<double>(moved.size());
  EXPECT_GT(mean, 5);
  for (size_t i = 0; i < moved.size(); ++i) {
    EXPECT_NEAR(moved[i], mean, 1.0) << "frame " << pan[i + 1];
  }

  // Cross-fade: the blend of the two colours at the frame's share of the transition.
  const double weight = (static_cast<double>(mid) / kFps - fade.start) / (fade.shown - fade.start);
  ASSERT_GT(weight, 0.2);
  ASSERT_LT(weight, 0.8);
  const uint32_t p = video.kept.at(mid).at(kWidth / 2, kHeight / 2);
  EXPECT_NEAR((p >> 16) & 255, 200 + (40 - 200) * weight, 2.0);
  EXPECT_NEAR((p >> 8) & 255, 80 + (120 - 80) * weight, 2.0);
  EXPECT_NEAR(p & 255, 40 + (220 - 40) * weight, 2.0);
}

}  // namespace
}  // namespace lrw
