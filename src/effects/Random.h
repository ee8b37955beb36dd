// The program-wide pseudo-random generator of the random effects. One 32-bit state, advanced
// by every draw; seeded from the time of day when the program starts. Each thread has its
// own state (the windows use one thread; a video export draws on its own).
#pragma once

#include <cstdint>

namespace lrw {

// Advances the state and answers a number from 0 to n - 1 (n >= 1).
uint32_t RandomDraw(uint32_t n);

void SetRandomState(uint32_t state);
uint32_t RandomState();

// Seeds the state with the milliseconds since midnight, UTC. Runs once at program start.
void SeedRandomFromClock();

}  // namespace lrw
