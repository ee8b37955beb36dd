// Cost of each transition on a 1920 x 1080 picture into a memory target, against one copy of
// the whole frame. Run: effects_bench --benchmark_filter=...; the README lists the ratios.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

#include "document/Bitmap.h"
#include "effects/BitmapEffectTarget.h"
#include "effects/EffectNames.h"
#include "effects/Random.h"
#include "effects/RunEffect.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

lrw::Bitmap Frame(uint32_t seed) {
  lrw::Bitmap b(kWidth, kHeight);
  for (size_t i = 0; i < b.pixels.size(); ++i) {
    b.pixels[i] = 0xFF000000u | static_cast<uint32_t>((i * 2654435761u + seed) & 0xFFFFFF);
  }
  return b;
}

// One whole-frame copy: the baseline every effect is compared with. Source and target are
// separate 8 MB bitmaps, as for the effects; together they fit the 32 MB third-level cache,
// so the copy runs at cache speed (about 0.15 ms), as every effect here does too.
void BM_FullFrameCopy(benchmark::State& state) {
  const lrw::Bitmap source = Frame(1);
  lrw::Bitmap target = Frame(2);
  lrw::BitmapEffectTarget copier(source, target);
  for (auto _ : state) {
    // Spoil one pixel each pass; the check after the loop shows the copy reached it.
    target.pixels.back() = 0;
    copier.Copy(copier.SourceClip(), copier.SourceClip());
    benchmark::DoNotOptimize(target.pixels.data());
    benchmark::ClobberMemory();
  }
  if (target != source) state.SkipWithError("the frame was not copied");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(source.pixels.size() * sizeof(uint32_t)));
}
BENCHMARK(BM_FullFrameCopy)->Unit(benchmark::kMillisecond);

void BM_Effect(benchmark::State& state) {
  const auto effect = static_cast<uint8_t>(state.range(0));
  const auto d = static_cast<uint8_t>(state.range(1));
  const lrw::Bitmap source = Frame(1);
  lrw::Bitmap target = Frame(2);
  lrw::BitmapEffectTarget copier(source, target);
  state.SetLabel(std::string(lrw::EffectNames()[effect]));
  for (auto _ : state) {
    lrw::SetRandomState(12345);
    lrw::RunEffect(effect, copier.SourceClip(), copier, d);
    benchmark::DoNotOptimize(target.pixels.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Effect)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 41, 1), {2, 10}})
    ->ArgNames({"effect", "d"})
    ->Unit(benchmark::kMillisecond);

// The engine alone: the same copies into a target that only counts them, to separate the cost
// of choosing the order from the cost of moving pixels.
class CountingTarget : public lrw::EffectTarget {
 public:
  void Copy(const lrw::EffectRect& from, const lrw::EffectRect&) override { sum_ += from.left; }
  long sum() const { return sum_; }

 private:
  long sum_ = 0;
};

void BM_EffectOrderOnly(benchmark::State& state) {
  const auto effect = static_cast<uint8_t>(state.range(0));
  const auto d = static_cast<uint8_t>(state.range(1));
  CountingTarget target;
  state.SetLabel(std::string(lrw::EffectNames()[effect]));
  for (auto _ : state) {
    lrw::SetRandomState(12345);
    lrw::RunEffect(effect, {0, 0, kWidth, kHeight}, target, d);
    benchmark::DoNotOptimize(target.sum());
  }
}
BENCHMARK(BM_EffectOrderOnly)
    ->ArgsProduct({{1, 3, 34, 35}, {2}})
    ->ArgNames({"effect", "d"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
