// Wave files for tests: mono, 16 bits, a square tone that is never silent, so that
// played sound can be told from the silence an audio output pads with.
#pragma once

#include <sndfile.h>

#include <algorithm>
#include <cmath>

#include <string>
#include <vector>

namespace lrw::test {

// Writes `seconds` of the tone at `rate` samples a second; false when it cannot.
inline bool WriteTestWave(const std::string& path, double seconds, int rate = 22050) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = 1;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!f) return false;
  std::vector<short> samples(static_cast<size_t>(seconds * rate));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = (i / 20) % 2 ? 8000 : -8000;
  const bool written =
      sf_writef_short(f, samples.data(), static_cast<sf_count_t>(samples.size())) ==
      static_cast<sf_count_t>(samples.size());
  return sf_close(f) == 0 && written;
}

}  // namespace lrw::test

namespace lrw::test {

// Writes `seconds` of a sine of `hz` at `amplitude` (of full scale), 16 bits.
inline bool WriteSineWave(const std::string& path, double seconds, double hz, double amplitude,
                          int rate, int channels) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!f) return false;
  const size_t frames = static_cast<size_t>(seconds * rate);
  std::vector<short> samples(frames * channels);
  for (size_t i = 0; i < frames; ++i) {
    const double v = amplitude * 32767 * std::sin(2 * 3.14159265358979 * hz * i / rate);
    for (int c = 0; c < channels; ++c) samples[i * channels + c] = static_cast<short>(v);
  }
  const bool written = sf_writef_short(f, samples.data(), static_cast<sf_count_t>(frames)) ==
                       static_cast<sf_count_t>(frames);
  return sf_close(f) == 0 && written;
}

// The amplitude of the `hz` component of `count` samples from `at` (Goertzel). Windows of
// whole periods of every tone involved keep the tones apart.
inline double ToneLevel(const std::vector<float>& samples, size_t at, size_t count, double hz,
                        int rate, size_t stride = 1) {
  const double w = 2 * 3.14159265358979 * hz / rate;
  const double c = 2 * std::cos(w);
  double s1 = 0, s2 = 0;
  for (size_t i = 0; i < count && (at + i) * stride < samples.size(); ++i) {
    const double s0 = samples[(at + i) * stride] + c * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return 2 * std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - c * s1 * s2)) / count;
}

}  // namespace lrw::test
