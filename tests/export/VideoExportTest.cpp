#include "export/VideoExport.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "document/Paths.h"
#include "export/FramePlanner.h"
#include "export/ShowFrameRenderer.h"
#include "export/VideoProbe.h"
#include "player/SlideComposer.h"
#include "support/TestWave.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 320, kHeight = 240, kFps = 30;

class VideoExportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QGuiApplication::instance()) {
      static int argc = 1;
      static char name[] = "test_export_media";
      static char* argv[] = {name, nullptr};
      static QGuiApplication app(argc, argv);
    }
  }
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("lrw_export_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }

  // A picture of soft colour bands with a dark frame, so that colour errors would show.
  std::string Picture(const std::string& name, QRgb a, QRgb b) {
    QImage image(200, 150, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const double f = x / 199.0;
        image.setPixel(x, y,
                       qRgb(qRed(a) * (1 - f) + qRed(b) * f, qGreen(a) * (1 - f) + qGreen(b) * f,
                            qBlue(a) * (1 - f) + qBlue(b) * f));
      }
    }
    QPainter(&image).fillRect(20, 20, 60, 40, QColor(30, 30, 30));
    const fs::path path = dir_ / name;
    EXPECT_TRUE(image.save(QString::fromStdString(path.string())));
    return path.string();
  }

  static SlideRecord PictureSlide(const std::string& path, uint8_t effect, int16_t boxWidth) {
    SlideRecord slide;
    slide.PictureFolder = FolderOf(path);
    slide.PictureName = FileNameOf(path);
    slide.ImageWidth = 200;
    slide.ImageHeight = 150;
    slide.CenterImage = 1;
    slide.BackgroundColor = 0x00603010;
    slide.Effect = effect;
    slide.BoxWidth = boxWidth;
    return slide;
  }

  static Bitmap Composed(const SlideRecord& slide) {
    Bitmap bitmap(kWidth, kHeight);
    QImage canvas(reinterpret_cast<uchar*>(bitmap.pixels.data()), kWidth, kHeight, kWidth * 4,
                  QImage::Format_RGB32);
    SlideComposer().ComposeSlide(slide, canvas);
    return bitmap;
  }

  static ExportOptions Small() {
    ExportOptions options;
    options.width = kWidth;
    options.height = kHeight;
    options.fps = kFps;
    return options;
  }

  std::vector<std::string> FilesInDir() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

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

TEST_F(VideoExportTest, TheVideoPlaysTheShowFrameForFrame) {
  const std::string sound = (dir_ / "tone.wav").string();
  ASSERT_TRUE(test::WriteTestWave(sound, 0.5));
  // 1: at once, 1 s. 2: "Left To Right", then its sound plus 1 s. 3: a blank slide that waits
  // for Enter, which the video gives half a second.
  std::vector<SlideRecord> show{PictureSlide(Picture("a.png", 0xFFE0C040, 0xFF40A0E0), 0, 5),
                                PictureSlide(Picture("b.png", 0xFF30D060, 0xFFD03070), 1, 5),
                                SlideRecord{}};
  show[0].DurationMode = TimeElapsed;
  show[0].ExtraSeconds = 1;
  show[1].PlaySound = 1;
  show[1].SoundFolder = FolderOf(sound);
  show[1].SoundName = FileNameOf(sound);
  show[1].DurationMode = SoundEnded;
  show[1].ExtraSeconds = 1;
  show[2].BackgroundColor = 0x0000C0C0;
  show[2].Effect = 3;
  show[2].BoxWidth = 10;
  show[2].DurationMode = EnterPressed;
  ExportOptions options = Small();
  options.enterSeconds = 0.5;

  const ShowTimeline timeline = ShowFrameRenderer(show, options).Timeline();
  const TimelineSlide& second = timeline.slides[1];
  EXPECT_NEAR(second.leave - second.shown, 0.5 + 1, 1e-6);  // the sound's length plus 1 s
  const int64_t middle = FirstFrameAtOrAfter((second.start + second.shown) / 2, kFps);
  const int64_t held = FirstFrameAtOrAfter(timeline.slides[0].leave, kFps) - 2;
  const int64_t beforeThird = FirstFrameAtOrAfter(timeline.slides[2].start, kFps) - 1;
  const int64_t third = FirstFrameAtOrAfter(timeline.slides[2].shown, kFps) + 1;

  const std::string out = (dir_ / "show.mp4").string();
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
  ASSERT_EQ(result.status, ExportStatus::Done) << result.message;
  EXPECT_EQ(FilesInDir(), (std::vector<std::string>{"a.png", "b.png", "show.mp4", "tone.wav"}));
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
  EXPECT_EQ(video.frames, result.frames);
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

TEST_F(VideoExportTest, TheExtensionChoosesTheFormat) {
  const std::string sound = (dir_ / "tone.wav").string();
  ASSERT_TRUE(test::WriteTestWave(sound, 0.3, 44100));
  std::vector<SlideRecord> show{PictureSlide(Picture("a.png", 0xFFE0C040, 0xFF40A0E0), 35, 8)};
  show[0].PlaySound = 1;
  show[0].SoundFolder = FolderOf(sound);
  show[0].SoundName = FileNameOf(sound);
  show[0].DurationMode = SoundEnded;
  const struct {
    const char* name;
    const char* video;
    const char* audio;
  } formats[] = {{"v.webm", "vp9", "opus"}, {"v.MKV", "h264", "aac"}};
  for (const auto& format : formats) {
    SCOPED_TRACE(format.name);
    ExportOptions options = Small();
    options.width = 240;  // upright
    options.fps = 24;
    std::atomic<bool> cancel{false};
    const std::string out = (dir_ / format.name).string();
    const ExportResult result = ExportShowVideo(show, out, options, cancel);
    ASSERT_EQ(result.status, ExportStatus::Done) << result.message;
    const test::ProbedVideo video = test::ProbeVideo(out);
    EXPECT_EQ(video.videoCodec, format.video);
    EXPECT_EQ(video.audioCodec, format.audio);
    EXPECT_EQ(video.width, 240);
    EXPECT_EQ(video.frames, result.frames);
    EXPECT_NEAR(video.duration, result.seconds, 1.0 / 24);
  }
}

TEST_F(VideoExportTest, NothingHalfMadeIsLeftBehind) {
  const std::vector<SlideRecord> show{PictureSlide(Picture("a.png", 0xFFE0C040, 0xFF40A0E0), 1, 2)};
  const ExportOptions options = Small();
  std::atomic<bool> cancel{false};

  // Cancelled midway: no video and no temporary file.
  ExportCallbacks callbacks;
  callbacks.progress = [&](const ExportProgress&) { cancel = true; };
  ExportResult result =
      ExportShowVideo(show, (dir_ / "c.mp4").string(), options, cancel, callbacks);
  EXPECT_EQ(result.status, ExportStatus::Cancelled);
  EXPECT_EQ(result.message, kExportCancelledText);
  EXPECT_EQ(FilesInDir(), std::vector<std::string>{"a.png"});
  cancel = false;

  // A folder that cannot be written to, or is not there.
  fs::create_directories(dir_ / "locked");
  fs::permissions(dir_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
  for (const fs::path target :
       {dir_ / "missing" / "v.mp4", dir_ / "a.png" / "v.mp4", dir_ / "locked" / "v.mp4"}) {
    if (target.parent_path() == dir_ / "locked" && ::geteuid() == 0) continue;  // root writes
    result = ExportShowVideo(show, target.string(), options, cancel);
    EXPECT_EQ(result.status, ExportStatus::Failed);
    EXPECT_EQ(result.message.rfind("Cannot create file \"" + target.string() + "\". ", 0), 0u)
        << result.message;
  }
  fs::permissions(dir_ / "locked", fs::perms::owner_all);
  fs::remove(dir_ / "locked");

  // An existing file is replaced only when that was allowed.
  const fs::path existing = dir_ / "old.mp4";
  std::ofstream(existing) << "an older video";
  result = ExportShowVideo(show, existing.string(), options, cancel);
  EXPECT_EQ(result.status, ExportStatus::Failed);
  EXPECT_EQ(result.message, "The file \"" + existing.string() + "\" already exists.");
  EXPECT_EQ(fs::file_size(existing), 14u);

  // A disk that fills up: every write past 4 KB fails.
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  ExportOptions replacing = options;
  replacing.replaceExisting = true;
  result = ExportShowVideo(show, existing.string(), replacing, cancel);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldSignal);
  EXPECT_EQ(result.status, ExportStatus::Failed);
  EXPECT_EQ(result.message.rfind("Cannot write file \"" + existing.string() + "\". ", 0), 0u)
      << result.message;
  EXPECT_EQ(fs::file_size(existing), 14u);
  EXPECT_EQ(FilesInDir(), (std::vector<std::string>{"a.png", "old.mp4"}));
}

}  // namespace
}  // namespace lrw
