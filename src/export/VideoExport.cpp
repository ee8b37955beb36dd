#include "export/VideoExport.h"

#include <chrono>
#include <filesystem>
#include <new>

#include "document/AtomicFile.h"
#include "document/TextMark.h"
#include "export/AudioTrack.h"
#include "export/ShowFrameRenderer.h"
#include "export/VideoEncoder.h"

namespace lrw {

namespace {

// Progress reports at most this often.
constexpr double kProgressInterval = 0.1;

ExportResult Failed(std::string message) {
  return {ExportStatus::Failed, std::move(message), 0, 0};
}

class Stopwatch {
 public:
  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

ExportResult Export(const std::vector<SlideRecord>& slides, const std::string& target,
                    const ExportOptions& options, const std::atomic<bool>& cancel,
                    const ExportCallbacks& callbacks, const ShowMusic& music) {
  const Stopwatch clock;
  if (std::string problem = CheckExportOptions(target, options); !problem.empty()) {
    return Failed(std::move(problem));
  }
  if (slides.empty())
    return Failed(LRW_TR_NOOP("lrw::Messages", "The show has no slides to export."));
  const VideoContainer container = *ContainerFromFileName(target);

  std::error_code ec;
  if (!options.replaceExisting && std::filesystem::exists(target, ec)) {
    return Failed("The file \"" + target + "\" already exists.");
  }
  // The encoder writes the new content by name; it takes the target's name only when whole.
  Result<AtomicFileWriter> file = AtomicFileWriter::Open(target);
  if (!file) return Failed(file.error().message);

  ShowFrameRenderer renderer(slides, options);
  const ShowTimeline& timeline = renderer.Timeline();
  const int64_t frames = renderer.FrameCount();
  const double fps = options.fps.PerSecond();
  const int64_t audioEnd = AudioSampleAt(static_cast<double>(frames) / fps);

  VideoEncoderSettings settings;
  settings.container = container;
  settings.codec = CodecFor(container, options);
  settings.width = options.width;
  settings.height = options.height;
  settings.fps = options.fps;
  settings.quality = options.quality.value_or(DefaultQuality(settings.codec));
  settings.bitrateKbps = options.bitrateKbps.value_or(0);
  settings.audio = !timeline.sounds.empty() || music.Present();
  VideoEncoder encoder;
  if (std::string error = encoder.Open(file->ContentPath(), target, settings); !error.empty()) {
    return Failed(std::move(error));
  }
  // The music's fade-out ends with the last frame, as the show's ends with its last slide.
  AudioTrack audio(timeline.sounds, music, static_cast<double>(frames) / fps);

  ExportProgress progress;
  progress.frames = frames;
  progress.fps = fps;
  double reported = -kProgressInterval;
  const auto report = [&](bool always) {
    progress.elapsed = clock.Seconds();
    if (!callbacks.progress || (!always && progress.elapsed - reported < kProgressInterval)) return;
    reported = progress.elapsed;
    callbacks.progress(progress);
  };

  renderer.Start();
  while (std::optional<FrameStep> step = renderer.Next()) {
    if (!step->error.empty()) return Failed(step->error);
    if (!step->preview.isNull() && callbacks.slideShown) {
      callbacks.slideShown(step->slide, step->preview);
    }
    progress.slide = step->slide;
    for (int64_t i = 0; i < step->repeat; ++i) {
      if (cancel.load()) return {ExportStatus::Cancelled, kExportCancelledText, 0, 0};
      const int64_t index = step->first + i;
      if (settings.audio) {
        const int64_t soundEnd = AudioSampleAt(static_cast<double>(index + 1) / fps);
        if (std::string error = encoder.WriteAudioUntil(audio, soundEnd); !error.empty()) {
          return Failed(std::move(error));
        }
      }
      if (std::string error = encoder.WriteVideo(*step->frame, index); !error.empty()) {
        return Failed(std::move(error));
      }
      progress.frame = index + 1;
      report(false);
    }
  }
  if (cancel.load()) return {ExportStatus::Cancelled, kExportCancelledText, 0, 0};
  if (progress.frame != frames)
    return Failed(LRW_TR_NOOP("lrw::Messages", "The video could not be rendered to its end."));
  if (std::string error = encoder.Finish(settings.audio ? &audio : nullptr, audioEnd);
      !error.empty()) {
    return Failed(std::move(error));
  }
  if (Result<void> committed = file->Commit(); !committed) {
    return Failed(std::move(committed).error().message);
  }
  report(true);
  return {ExportStatus::Done, {}, frames, static_cast<double>(frames) / fps};
}

}  // namespace

ExportResult ExportShowVideo(const std::vector<SlideRecord>& slides, const std::string& target,
                             const ExportOptions& options, const std::atomic<bool>& cancel,
                             const ExportCallbacks& callbacks, const ShowMusic& music) {
  try {
    return Export(slides, target, options, cancel, callbacks, music);
  } catch (const std::bad_alloc&) {
    return Failed(LRW_TR_NOOP("lrw::Messages", "There is not enough memory to export the video."));
  } catch (const std::exception& e) {
    return Failed(std::string("The video could not be exported: ") + e.what());
  }
}

}  // namespace lrw
