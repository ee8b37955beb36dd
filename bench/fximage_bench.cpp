// What one frame of a transition costs on screen: the due copies into the control's screen
// image, the repaint of the changed part and its flush to the display. Run under
// `xvfb-run -a -s "-screen 0 1920x1080x24"` to measure against an X server; the frame loop's
// clock is virtual, so frames follow each other as fast as they can be presented.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "effects/FxImage.h"
#include "effects/RunEffect.h"

namespace {

class VirtualClock : public lrw::PacingClock {
 public:
  double Now() override { return now_; }
  void WaitUntil(double seconds) override { now_ = std::max(now_, seconds); }

 private:
  double now_ = 0;
};

// CPU time of this thread: what presenting costs, without the time other processes on a busy
// machine take from it.
double ThreadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double Percentile(std::vector<double> values, double q) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<size_t>(q * values.size()))];
}

lrw::Bitmap Picture(int w, int h, uint32_t tint) {
  lrw::Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.at(x, y) = 0xFF000000u | ((x ^ y) & 0xFF) << 8 | tint;
  }
  return b;
}

void BM_TransitionFrame(benchmark::State& state) {
  const auto effect = static_cast<uint8_t>(state.range(0));
  const auto boxWidth = static_cast<uint8_t>(state.range(1));
  constexpr int kWidth = 1920, kHeight = 1080;
  QWidget window;
  window.setFixedSize(kWidth, kHeight);
  lrw::FxImage image(&window);
  image.setGeometry(0, 0, kWidth, kHeight);
  VirtualClock clock;
  image.SetPacingClock(&clock);
  window.show();
  QCoreApplication::processEvents();
  const lrw::Bitmap pictures[2] = {Picture(kWidth, kHeight, 0x40), Picture(kWidth, kHeight, 0xC0)};

  std::vector<double> frameMs;  // wall time
  std::vector<double> cpuMs;    // this thread's CPU time
  using Clock = std::chrono::steady_clock;
  Clock::time_point last;
  double lastCpu = 0;
  image.SetFrameObserver([&](int frame, const QRegion&) {
    const Clock::time_point now = Clock::now();
    const double cpu = ThreadCpuMs();
    // The first frame also carries recording the effect's copies; it is not a steady frame.
    if (frame > 1) {
      frameMs.push_back(std::chrono::duration<double, std::milli>(now - last).count());
      cpuMs.push_back(cpu - lastCpu);
    }
    lastCpu = ThreadCpuMs();
    last = Clock::now();
  });
  int turn = 0;
  for (auto _ : state) {
    image.SetEffect(effect);
    image.SetBoxWidth(boxWidth);
    const size_t before = frameMs.size();
    const lrw::Bitmap& next = pictures[turn++ % 2];
    image.SetPicture(lrw::FxPicture::FromBitmap(next));
    QCoreApplication::processEvents();
    double total = 0;
    for (size_t i = before; i < frameMs.size(); ++i) total += frameMs[i];
    state.SetIterationTime(total / 1000.0 / std::max<size_t>(1, frameMs.size() - before));
  }
  image.SetFrameObserver(nullptr);
  state.counters["frames"] = static_cast<double>(frameMs.size());
  state.counters["p50_ms"] = Percentile(frameMs, 0.50);
  state.counters["p99_ms"] = Percentile(frameMs, 0.99);
  state.counters["p99_cpu_ms"] = Percentile(cpuMs, 0.99);
  state.counters["max_ms"] = Percentile(frameMs, 1.0);
}

// Left To Right, Diagonal TL-BR and Spray at the slowest speed, Left To Right at the fastest.
BENCHMARK(BM_TransitionFrame)
    ->Args({1, 2})
    ->Args({18, 2})
    ->Args({38, 2})
    ->Args({1, 10})
    ->UseManualTime()
    ->Iterations(6)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
