// Exports a show as a video file: the show played once from its first slide, frame for frame
// as the screen shows it, with its sounds. Rendering runs on a thread of its own while the
// calling thread encodes. The file appears under its name only when it is complete.
#pragma once

#include <QImage>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Result.h"
#include "document/ShowMusic.h"
#include "document/SlideRecord.h"
#include "document/TextMark.h"
#include "export/ExportOptions.h"
#include "export/ExportProgress.h"

namespace lrw {

struct ExportedVideo {
  int64_t frames = 0;  // in the file
  double seconds = 0;  // of video
};

// The video made, or why there is none: ErrorKind::Cancelled (with kExportCancelledText)
// when the user stopped it, otherwise the reason.
using ExportResult = Result<ExportedVideo>;

// Called on the exporting thread.
struct ExportCallbacks {
  std::function<void(const ExportProgress&)> progress;
  // The first frames of a slide's transition are being written; `preview` is a small picture
  // of the slide.
  std::function<void(int slide, const QImage& preview)> slideShown;
};

inline constexpr const char* kExportCancelledText =
    LRW_TR_NOOP("lrw::Messages", "The export was cancelled. No video file was written.");

ExportResult ExportShowVideo(const std::vector<SlideRecord>& slides, const std::string& target,
                             const ExportOptions& options, const std::atomic<bool>& cancel,
                             const ExportCallbacks& callbacks = {}, const ShowMusic& music = {});

}  // namespace lrw
