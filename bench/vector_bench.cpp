// Drawing a metafile of about 1 MB at 1920 x 1080, as the show draws a slide's
// picture full screen: the records of the converters' drawings in tests/ repeated up
// to 1 MB, and a GEM metafile of areas, lines, circles and text. The goal is under a
// second for each.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <string>

#include "import/MetafileWriters.h"
#include "import/formats/VectorFormats.h"

namespace {

// A real drawing's records (after its header, before its end) repeated up to 1 MB.
std::vector<uint8_t> Repeated(const std::string& name) {
  const std::string path = std::string(LRW_SOURCE_DIR) + "/tests/import/vector/" + name;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return {};
  std::vector<uint8_t> file;
  for (int c; (c = std::fgetc(f)) != EOF;) file.push_back(static_cast<uint8_t>(c));
  std::fclose(f);
  const uint32_t headerSize = file[4] | file[5] << 8 | file[6] << 16 | file[7] << 24;
  const std::vector<uint8_t> body(file.begin() + headerSize, file.end() - 20);  // EOF: 20 bytes
  std::vector<uint8_t> out(file.begin(), file.begin() + headerSize);
  while (out.size() < 1000000) out.insert(out.end(), body.begin(), body.end());
  out.insert(out.end(), file.end() - 20, file.end());
  return out;
}

std::vector<uint8_t> BusyGem() {
  lrw::test::GemWriter g(960, 720);
  uint32_t seed = 7;
  auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 8) % static_cast<uint32_t>(range));
  };
  while (g.Size() < 1000000) {
    g.Call(23, 0, {}, {1 + next(3)}).Call(24, 0, {}, {1 + next(6)}).Call(25, 0, {}, {next(16)});
    std::vector<std::pair<int, int>> points;
    const int x = next(900), y = next(660);
    // A shape as drawings have them: its corners go once around its middle.
    for (int p = 0; p < 12; ++p) {
      const double angle = p * 2 * 3.14159265 / 12, radius = 10 + next(20);
      points.push_back({x + static_cast<int>(radius * std::cos(angle)),
                        y + static_cast<int>(radius * std::sin(angle))});
    }
    g.Call(9, 0, points).Call(6, 0, points);
    g.Call(11, 4, {{x, y}, {0, 0}, {next(40), 0}});
    g.Call(12, 0, {{0, 12 + next(20)}}).Text(x, y, "Sales by region");
  }
  return g.Finish();
}

// Text set as curves by Inkscape, and shapes and text from LibreOffice.
void RenderEmfFullHd(benchmark::State& state, const char* name) {
  const std::vector<uint8_t> file = Repeated(name);
  if (file.empty()) {
    state.SkipWithError("fixture not found");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(lrw::formats::RenderEmf(file, 1920, 1080));
  state.counters["file_bytes"] = static_cast<double>(file.size());
}
BENCHMARK_CAPTURE(RenderEmfFullHd, inkscape_curves, "text.inkscape.emf")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RenderEmfFullHd, libreoffice_shapes, "shapes.libreoffice.emf")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RenderEmfFullHd, libreoffice_text, "text.libreoffice.emf")
    ->Unit(benchmark::kMillisecond);

void RenderGemFullHd(benchmark::State& state) {
  static const std::vector<uint8_t> file = BusyGem();
  for (auto _ : state) benchmark::DoNotOptimize(lrw::formats::RenderGem(file, 1920, 1080));
  state.counters["file_bytes"] = static_cast<double>(file.size());
}
BENCHMARK(RenderGemFullHd)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts for the text
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
