// Wave files for tests: mono, 16 bits, a square tone that is never silent, so that
// played sound can be told from the silence an audio output pads with.
#pragma once

#include <sndfile.h>

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
