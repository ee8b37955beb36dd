// The slide strip with a show of many slides: repainting and scrolling by one
// cell must cost the same whatever the length of the show, since only the
// visible cells are drawn.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include "designer/SlideStrip.h"
#include "document/SlideShowDocument.h"

namespace {

void MakeShow(lrw::SlideShowDocument& doc, int count) {
  std::vector<lrw::SlideRecord> slides;
  for (int i = 0; i < count; ++i) {
    lrw::SlideRecord s = lrw::FirstSlideDefaults();
    if (i % 5 != 4) {
      s.PictureName = "picture " + std::to_string(i) + ".jpg";
      s.Thumbnail = lrw::Bitmap(60, 45, 0xFF000000u | static_cast<uint32_t>(i * 2654435761u));
    }
    slides.push_back(std::move(s));
  }
  doc.Load(std::move(slides), {}, false);
}

// One cell drawn into an image, as the strip's delegate does it.
void BM_DrawCell(benchmark::State& state) {
  lrw::SlideShowDocument doc;
  MakeShow(doc, 2);
  QImage image(76, lrw::StripItemHeight(), QImage::Format_RGB32);
  const lrw::CellColors colors{Qt::lightGray, Qt::darkBlue, Qt::white, Qt::black};
  for (auto _ : state) {
    QPainter p(&image);
    lrw::DrawSlideCell(p, image.rect(), doc.SlideAt(static_cast<int>(state.iterations() % 2)),
                       false, colors);
  }
}
BENCHMARK(BM_DrawCell);

// Scrolling the strip one cell and repainting it, for shows of growing length.
void BM_ScrollAndPaint(benchmark::State& state) {
  lrw::SlideShowDocument doc;
  MakeShow(doc, static_cast<int>(state.range(0)));
  lrw::SlideStrip strip(doc, nullptr);
  strip.SetItemHeight(lrw::StripItemHeight());
  strip.resize(76 * 10 + 2, lrw::StripItemHeight() + strip.ScrollBarHeight() + 2);
  QImage target(strip.size(), QImage::Format_RGB32);
  QScrollBar* bar = strip.horizontalScrollBar();
  bar->setValue(bar->maximum() / 2);
  int step = 1;
  for (auto _ : state) {
    bar->setValue(bar->value() + step);
    step = -step;
    strip.render(&target);
  }
}
BENCHMARK(BM_ScrollAndPaint)->Arg(100)->Arg(10000)->Arg(50000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
