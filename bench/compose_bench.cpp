// Composing one slide from a 24-megapixel JPEG onto a 1920 x 1080 screen (decoding at the
// reduced size that suffices, stretching with area averaging, the caption), against
// `vips thumbnail IN.jpg OUT.v 1920 --height 1080` on the same file in the same run.
//
// usage: compose_bench [--keep DIR] [benchmark flags]   (needs `vips` on the path)
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "player/SlideComposer.h"

namespace {

namespace fs = std::filesystem;

// A photo-like 6000 x 4000 picture: smooth colour fields with fine grain, so that the
// JPEG carries about as much detail as a camera's.
void WritePhoto(const fs::path& path) {
  constexpr int kWidth = 6000, kHeight = 4000;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> grain(-12, 12);
  for (int y = 0; y < kHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kWidth; ++x) {
      const double u = x / 900.0, v = y / 700.0;
      const int r = static_cast<int>(128 + 90 * std::sin(u + 0.7 * v)) + grain(random);
      const int g = static_cast<int>(128 + 90 * std::sin(1.3 * v - 0.4 * u)) + grain(random);
      const int b = static_cast<int>(128 + 90 * std::cos(0.8 * u * v)) + grain(random);
      row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
    }
  }
  image.save(QString::fromStdString(path.string()), "JPEG", 90);
}

lrw::SlideRecord PhotoSlide(const fs::path& jpeg) {
  lrw::SlideRecord slide;
  slide.PictureFolder = jpeg.parent_path().string() + "/";
  slide.PictureName = jpeg.filename().string();
  slide.CenterImage = 1;
  slide.ImageWidth = 1620;  // 6000 x 4000 fitted to 1920 x 1080
  slide.ImageHeight = 1080;
  slide.ShowCaption = 1;
  slide.Caption = {"A caption of a few words that is broken into lines in its box"};
  slide.CaptionFontName = "Liberation Sans";
  slide.CaptionFontSize = 24;
  slide.CaptionFontColor = 0x00FFFFFF;
  slide.CaptionBackColor = 0x00000000;
  slide.CaptionLeft = 200;
  slide.CaptionTop = 900;
  slide.CaptionWidth = 600;
  return slide;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  const fs::path dir =
      fs::temp_directory_path() / ("lrw-compose-bench-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path jpeg = dir / "photo.jpg";
  WritePhoto(jpeg);
  const lrw::SlideRecord slide = PhotoSlide(jpeg);
  const std::string vips = "vips thumbnail '" + jpeg.string() + "' '" + (dir / "out.v").string() +
                           "' 1920 --height 1080";

  benchmark::RegisterBenchmark(
      "ComposeSlide_24MP_to_1920x1080",
      [&](benchmark::State& state) {
        QImage screen(1920, 1080, QImage::Format_RGB32);
        for (auto _ : state) {
          lrw::SlideComposer composer;  // a fresh cache: the picture is decoded every time
          composer.ComposeSlide(slide, screen);
          benchmark::DoNotOptimize(screen.constBits());
        }
      })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(3);

  benchmark::RegisterBenchmark("ComposeSlide_cached_picture",
                               [&](benchmark::State& state) {
                                 QImage screen(1920, 1080, QImage::Format_RGB32);
                                 lrw::SlideComposer composer;
                                 composer.ComposeSlide(slide, screen);
                                 for (auto _ : state) {
                                   composer.ComposeSlide(slide, screen);
                                   benchmark::DoNotOptimize(screen.constBits());
                                 }
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();

  benchmark::RegisterBenchmark("VipsThumbnail_24MP_1920x1080",
                               [&](benchmark::State& state) {
                                 for (auto _ : state) {
                                   if (std::system(vips.c_str()) != 0) {
                                     state.SkipWithError("vips thumbnail failed");
                                     break;
                                   }
                                 }
                               })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(3);

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(dir);
  return 0;
}
