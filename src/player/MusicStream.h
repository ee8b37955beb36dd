// The show's music as one stream at the mixing rate: its files one after another, the
// list again from the top when it loops on its own. A file that is missing or cannot be
// read is passed over, as a missing picture is.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/ShowMusic.h"
#include "player/MusicMix.h"

namespace lrw {

class ResampledSound;

class MusicStream : public FrameSource {
 public:
  explicit MusicStream(const ShowMusic& music);
  ~MusicStream() override;
  MusicStream(const MusicStream&) = delete;
  MusicStream& operator=(const MusicStream&) = delete;

  // Fewer frames than asked: the list has ended (never, when it loops and a file plays).
  int Read(float* out, int count) override;
  // From the first file again.
  void Restart();
  // The files passed over so far, with the reason, for whoever reports them.
  const std::vector<std::string>& Skipped() const { return skipped_; }

 private:
  bool OpenNext();

  std::vector<std::string> tracks_;
  bool loop_;
  size_t next_ = 0;
  std::unique_ptr<ResampledSound> current_;
  std::vector<std::string> skipped_;
};

// The total length of the music files in seconds (files that cannot be read count 0).
double MusicSeconds(const ShowMusic& music);

}  // namespace lrw
