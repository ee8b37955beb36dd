// Renders the frames of a show's video on a thread of its own: composes each slide once at
// the video's size with the runner's ComposeSlide, plays its transition into the screen
// bitmap with the effects engine, paced as on screen, and converts every new picture into a
// video frame. Frames that repeat the previous picture share it. Reads only the show it was
// given, which must stay unchanged until the renderer is gone.
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/Result.h"
#include "document/SlideRecord.h"
#include "export/AvPointers.h"
#include "export/ExportOptions.h"
#include "export/FrameQueue.h"
#include "export/ShowTimeline.h"
#include "export/ShowTransitions.h"

namespace lrw {

struct FrameStep {
  AvFramePtr frame;  // the picture of frames [first, first + repeat)
  int64_t first = 0;
  int64_t repeat = 1;
  bool changed = true;  // false: the picture of the step before
  int slide = -1;       // the show's slide on screen; -1 before the first
  QImage preview;       // a small picture of a slide whose transition begins here
};

class ShowFrameRenderer {
 public:
  // Measures the transitions and the sounds and lays out the timeline (on the calling thread).
  ShowFrameRenderer(const std::vector<SlideRecord>& slides, const ExportOptions& options);
  ~ShowFrameRenderer();
  ShowFrameRenderer(const ShowFrameRenderer&) = delete;
  ShowFrameRenderer& operator=(const ShowFrameRenderer&) = delete;

  const ShowTimeline& Timeline() const { return timeline_; }
  int64_t FrameCount() const { return frameCount_; }

  // Starts rendering on the renderer's thread.
  void Start();
  // The next step in frame order, waiting for it; nothing after the last. A failure of the
  // renderer comes in place of a step, and no step follows it.
  std::optional<Result<FrameStep>> Next() { return queue_.Pop(); }
  // Stops the thread (the steps not taken are dropped) and waits for it.
  void Stop();

 private:
  void Run();

  const std::vector<SlideRecord>& slides_;
  ExportOptions options_;
  ShowTransitions transitions_;
  ShowTimeline timeline_;
  int64_t frameCount_ = 0;
  FrameQueue<Result<FrameStep>> queue_;
  std::thread thread_;
};

}  // namespace lrw
