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

Unexpected<Error> Cancelled() {
  return Fail(ErrorKind::Cancelled, kExportCancelledText);
}

class Stopwatch {
 public:
  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The progress told to the caller, at most every kProgressInterval unless asked to.
class ProgressReporter {
 public:
  ProgressReporter(const Stopwatch& clock, const ExportCallbacks& callbacks, int64_t frames,
                   double fps)
      : clock_(clock), callbacks_(callbacks) {
    progress.frames = frames;
    progress.fps = fps;
  }

  void Report(bool always) {
    progress.elapsed = clock_.Seconds();
    if (!callbacks_.progress || (!always && progress.elapsed - reported_ < kProgressInterval)) {
      return;
    }
    reported_ = progress.elapsed;
    callbacks_.progress(progress);
  }

  ExportProgress progress;

 private:
  const Stopwatch& clock_;
  const ExportCallbacks& callbacks_;
  double reported_ = -kProgressInterval;
};

// Whether the export may begin: usable options, a show, and a target it may write.
Result<void> CheckExport(const std::vector<SlideRecord>& slides, const std::string& target,
                         const ExportOptions& options) {
  if (Result<void> usable = CheckExportOptions(target, options); !usable) return usable;
  if (slides.empty()) {
    return Fail(LRW_TR_NOOP("lrw::Messages", "The show has no slides to export."));
  }
  std::error_code ec;
  if (!options.replaceExisting && std::filesystem::exists(target, ec)) {
    return Fail("The file \"" + target + "\" already exists.");
  }
  return {};
}

VideoEncoderSettings EncoderSettings(const ExportOptions& options, VideoContainer container,
                                     bool audio) {
  VideoEncoderSettings settings;
  settings.container = container;
  settings.codec = CodecFor(container, options);
  settings.width = options.width;
  settings.height = options.height;
  settings.fps = options.fps;
  settings.quality = options.quality.value_or(DefaultQuality(settings.codec));
  settings.bitrateKbps = options.bitrateKbps.value_or(0);
  settings.audio = audio;
  return settings;
}

// Encodes every frame the renderer makes, with the sound (when there is a track) up to it.
Result<void> WriteFrames(ShowFrameRenderer& renderer, VideoEncoder& encoder, AudioTrack* audio,
                         const std::atomic<bool>& cancel, const ExportCallbacks& callbacks,
                         ProgressReporter& reporter) {
  const double fps = reporter.progress.fps;
  renderer.Start();
  while (std::optional<Result<FrameStep>> next = renderer.Next()) {
    if (!*next) return Fail(next->error());
    FrameStep* const step = &**next;
    if (!step->preview.isNull() && callbacks.slideShown) {
      callbacks.slideShown(step->slide, step->preview);
    }
    reporter.progress.slide = step->slide;
    for (int64_t i = 0; i < step->repeat; ++i) {
      if (cancel.load()) return Cancelled();
      const int64_t index = step->first + i;
      if (audio) {
        const int64_t soundEnd = AudioSampleAt(static_cast<double>(index + 1) / fps);
        if (Result<void> written = encoder.WriteAudioUntil(*audio, soundEnd); !written) {
          return written;
        }
      }
      if (Result<void> written = encoder.WriteVideo(*step->frame, index); !written) return written;
      reporter.progress.frame = index + 1;
      reporter.Report(false);
    }
  }
  if (cancel.load()) return Cancelled();
  return {};
}

ExportResult Export(const std::vector<SlideRecord>& slides, const std::string& target,
                    const ExportOptions& options, const std::atomic<bool>& cancel,
                    const ExportCallbacks& callbacks, const ShowMusic& music) {
  const Stopwatch clock;
  if (Result<void> possible = CheckExport(slides, target, options); !possible) {
    return Fail(possible.error());
  }
  // The encoder writes the new content by name; it takes the target's name only when whole.
  Result<AtomicFileWriter> file = AtomicFileWriter::Open(target);
  if (!file) return Fail(file.error());

  ShowFrameRenderer renderer(slides, options);
  const ShowTimeline& timeline = renderer.Timeline();
  const int64_t frames = renderer.FrameCount();
  const double seconds = static_cast<double>(frames) / options.fps.PerSecond();
  const VideoEncoderSettings settings = EncoderSettings(
      options, *ContainerFromFileName(target), !timeline.sounds.empty() || music.Present());
  VideoEncoder encoder;
  if (Result<void> opened = encoder.Open(file->ContentPath(), target, settings); !opened) {
    return Fail(opened.error());
  }
  // The music's fade-out ends with the last frame, as the show's ends with its last slide.
  AudioTrack audio(timeline.sounds, music, seconds);
  AudioTrack* const track = settings.audio ? &audio : nullptr;

  ProgressReporter reporter(clock, callbacks, frames, options.fps.PerSecond());
  if (Result<void> written = WriteFrames(renderer, encoder, track, cancel, callbacks, reporter);
      !written) {
    return Fail(written.error());
  }
  if (reporter.progress.frame != frames)
    return Fail(LRW_TR_NOOP("lrw::Messages", "The video could not be rendered to its end."));
  if (Result<void> finished = encoder.Finish(track, AudioSampleAt(seconds)); !finished) {
    return Fail(finished.error());
  }
  if (Result<void> committed = file->Commit(); !committed) return Fail(committed.error());
  reporter.Report(true);
  return ExportedVideo{frames, seconds};
}

}  // namespace

ExportResult ExportShowVideo(const std::vector<SlideRecord>& slides, const std::string& target,
                             const ExportOptions& options, const std::atomic<bool>& cancel,
                             const ExportCallbacks& callbacks, const ShowMusic& music) {
  try {
    return Export(slides, target, options, cancel, callbacks, music);
  } catch (const std::bad_alloc&) {
    return Fail(LRW_TR_NOOP("lrw::Messages", "There is not enough memory to export the video."));
  } catch (const std::exception& e) {
    return Fail(std::string("The video could not be exported: ") + e.what());
  }
}

}  // namespace lrw
