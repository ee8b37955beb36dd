#include "effects/Random.h"

#include <chrono>

namespace lrw {

namespace {

// The program-wide generator of the windows' thread, which seeds it from the clock at
// start-up. A video export plays effects on a thread of its own, with its own state, so
// that the two never race.
thread_local uint32_t g_randomState = 0;

}  // namespace

uint32_t RandomDraw(uint32_t n) {
  g_randomState = g_randomState * 134775813u + 1u;
  return static_cast<uint32_t>((static_cast<uint64_t>(g_randomState) * n) >> 32);
}

void SetRandomState(uint32_t state) {
  g_randomState = state;
}

uint32_t RandomState() {
  return g_randomState;
}

void SeedRandomFromClock() {
  using namespace std::chrono;
  const auto now = system_clock::now().time_since_epoch();
  const auto msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
  // ((hours * 60 + minutes) * 60 + seconds) * 1000 + milliseconds is the same number.
  g_randomState = static_cast<uint32_t>(msOfDay);
}

}  // namespace lrw
