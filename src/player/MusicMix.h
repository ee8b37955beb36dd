// How the show's music is mixed with the slides' own sounds, sample by sample: the one
// rule that the show runner's audio output and the video export both apply, so that a
// show sounds the same played and exported. The music is faded in at the start of the
// show, ducked while a slide's sound plays, faded out before the end of the show, and
// faded away when the viewer ends the show early.
#pragma once

#include <cstdint>
#include <vector>

#include "document/ShowMusic.h"

namespace lrw {

// The level of the music while a slide's own sound plays, and how long it takes to get
// there and back.
inline constexpr double kDuckLevel = 0.25;
inline constexpr int kDuckRampMs = 250;
// The fade when the viewer ends the show (Esc) or the show ends where its end was not
// known in advance (the last slide waited for Enter).
inline constexpr int kEndFadeMs = 800;

// Stereo float frames from somewhere (a decoder, a list of files).
class FrameSource {
 public:
  virtual ~FrameSource() = default;
  // Writes up to `count` frames (left, right interleaved) to `out`; returns how many.
  // Fewer than asked: the source has ended.
  virtual int Read(float* out, int count) = 0;
};

// The music's gain over time, in frames of the output rate.
class MusicEnvelope {
 public:
  MusicEnvelope(const ShowMusic& music, int rate);

  // The show ends at `frame`: the fade-out ends there.
  void EndAt(int64_t frame);
  // Fades to silence over `ms` from `frame` (the viewer ended the show).
  void FadeAwayFrom(int64_t frame, int ms);
  // Back to the start, as the show starts again.
  void Restart();

  // Multiplies `count` frames at the current position by the gain and advances; the
  // ducked frames move the ducking towards kDuckLevel, the others back towards 1.
  void Apply(float* stereo, int count, bool ducked);

  int64_t Position() const { return position_; }
  // Nothing more will be heard (past the end or the fade away).
  bool Silent() const;

 private:
  double volume_;
  int64_t fadeInFrames_;
  int64_t fadeOutFrames_;
  double duckStep_;  // per frame
  int rate_;
  int64_t position_ = 0;
  double duck_ = 1.0;
  int64_t end_ = -1;  // -1: not known
  int64_t awayFrom_ = -1;
  int64_t awayFrames_ = 1;
};

// Adds the music's next `count` frames to `out`, which already holds the slide sound:
// the first `slideFrames` of them had a slide sound in them, so there the music ducks.
// `scratch` is working memory kept by the caller between calls.
void MixMusicInto(float* out, int count, int slideFrames, FrameSource& music,
                  MusicEnvelope& envelope, std::vector<float>& scratch);

}  // namespace lrw
