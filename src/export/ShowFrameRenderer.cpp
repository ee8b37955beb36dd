#include "export/ShowFrameRenderer.h"

#include <algorithm>
#include <exception>
#include <future>
#include <new>

#include "effects/BitmapEffectTarget.h"
#include "effects/MotionFraming.h"
#include "effects/SmoothTransitions.h"
#include "export/AudioTrack.h"
#include "export/FrameConverter.h"
#include "export/FramePlanner.h"
#include "platform/QtBitmap.h"
#include "player/MotionPicture.h"
#include "player/SlideComposer.h"

namespace lrw {

namespace {

// Enough to keep the encoder busy while the next frame is made (one 4K frame, five 1080p
// ones; the renderer works on the next meanwhile), little enough to bound the memory of
// pictures waiting at any size.
constexpr size_t kQueuedBytes = 16u << 20;
constexpr size_t kBoxRun = 256;
constexpr int kPreviewWidth = 192;
constexpr int kPreviewHeight = 108;

class RenderPlan : public FramePlan {
 public:
  RenderPlan(const std::vector<SlideRecord>& slides, const ShowTimeline& timeline,
             const ShowTransitions& transitions, int width, int height,
             FrameQueue<Result<FrameStep>>& queue)
      : slides_(slides),
        timeline_(timeline),
        transitions_(transitions),
        screen_(width, height),
        composed_(width, height),
        converter_(width, height),
        queue_(queue) {}

  const TransitionPacing& BeginTransition(size_t slide) override {
    const size_t index = timeline_.slides[slide].slide;
    const SlideRecord& record = slides_[index];
    QImage canvas = WrapBitmap(composed_);
    // A moving picture enters at its start framing.
    const std::optional<bool> ahead = TakeMotion(slide);
    if (ahead ? *ahead : motion_.Prepare(record, index, size(), 1.0, loader_)) {
      motion_.Draw(0, canvas);
    } else {
      composer_.ComposeSlide(record, canvas);
    }
    DecodeAhead(slide + 1);
    smooth_ = record.Smooth;
    if (smooth_ != SmoothEffect::None) outgoing_ = screen_;
    const TimelineSlide& at = timeline_.slides[slide];
    motionSeconds_ = record.DurationMode == DurationMode::EnterPressed
                         ? MotionSeconds(record, std::nullopt)
                         : at.leave - at.shown;
    liveDone_ = false;
    transition_.reset();  // the copies of a large screen take room; one set at a time
    transition_.emplace(transitions_.Record(index));
    showing_ = static_cast<int>(index);
    preview_ =
        canvas.scaled(kPreviewWidth, kPreviewHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return transition_->pacing;
  }

  void Apply(size_t, size_t first, size_t last) override {
    if (!transition_) return;
    BitmapEffectTarget target(composed_, screen_);
    last = std::min(last, transition_->copies.size());
    // Box copies go to the target in runs, as the engine hands them over.
    std::vector<EffectRect> boxes;
    boxes.reserve(kBoxRun);
    const auto flush = [&] {
      if (!boxes.empty()) target.CopyBoxes(boxes.data(), boxes.size());
      boxes.clear();
    };
    for (size_t i = first; i < last; ++i) {
      const RecordedCopy& copy = transition_->copies[i];
      Include(copy.to);
      if (copy.from == copy.to) {
        boxes.push_back(copy.to);
        if (boxes.size() == kBoxRun) flush();
      } else {
        flush();
        target.Copy(copy.from, copy.to);
      }
    }
    flush();
  }

  double LiveFrom(size_t slide) const override {
    const TimelineSlide& at = timeline_.slides[slide];
    if (smooth_ != SmoothEffect::None) return at.start;
    if (motion_.Ready()) return at.shown;
    return kNeverLive;
  }

  bool DrawLive(size_t slide, double seconds) override {
    const TimelineSlide& at = timeline_.slides[slide];
    const EffectRect whole{0, 0, screen_.width, screen_.height};
    if (smooth_ != SmoothEffect::None && seconds < at.shown) {
      const double span = at.shown - at.start;
      DrawSmoothFrame(smooth_, outgoing_, composed_, span > 0 ? (seconds - at.start) / span : 1,
                      screen_);
      Include(whole);
      return true;
    }
    if (liveDone_) return false;
    if (motion_.Ready()) {
      const double fraction = MotionFraction(seconds - at.shown, motionSeconds_);
      QImage screen = WrapBitmap(screen_);
      motion_.Draw(fraction, screen);
      // The end framing (or a motion with no time) stays until the slide leaves.
      liveDone_ = fraction >= 1 || motionSeconds_ <= 0;
    } else {
      screen_ = composed_;  // the end of a smooth transition
      liveDone_ = true;
    }
    Include(whole);
    return true;
  }

  ~RenderPlan() override {
    if (ahead_.valid()) ahead_.wait();
  }

  bool Emit(int64_t frame, int64_t repeat, bool changed) override {
    if (changed || !last_) {
      last_ = last_ ? converter_.Update(*last_, screen_, dirty_) : converter_.Convert(screen_);
      dirty_ = {};
      if (!last_) {
        queue_.Push(Fail("There is not enough memory to export the video."));
        return false;
      }
    }
    FrameStep step;
    step.frame.reset(av_frame_clone(last_.get()));
    step.first = frame;
    step.repeat = repeat;
    step.changed = changed;
    step.slide = showing_;
    step.preview = std::move(preview_);
    preview_ = QImage();
    return queue_.Push(std::move(step));
  }

 private:
  QSize size() const { return {composed_.width, composed_.height}; }

  // The next moving picture is decoded on another thread while this slide's frames are
  // drawn and encoded (every frame of a moving picture differs, so the encoder would
  // otherwise wait for each decoding); one picture ahead at most bounds the memory.
  void DecodeAhead(size_t slide) {
    if (ahead_.valid()) ahead_.wait();
    ahead_ = {};
    if (slide >= timeline_.slides.size()) return;
    const size_t index = timeline_.slides[slide].slide;
    const SlideRecord& record = slides_[index];
    if (!record.Motion.Present() || record.IsBlank()) return;
    aheadSlide_ = slide;
    ahead_ = std::async(std::launch::async, [&record, index, size = size()] {
      LoadPictureModule loader;
      std::optional<MotionPicture> motion(std::in_place);
      if (!motion->Prepare(record, index, size, 1.0, loader)) motion.reset();
      return motion;
    });
  }

  // The moving picture decoded ahead for `slide`, put in motion_; whether it is ready
  // there, or nothing when none was decoded ahead.
  std::optional<bool> TakeMotion(size_t slide) {
    if (!ahead_.valid() || aheadSlide_ != slide) return std::nullopt;
    std::optional<MotionPicture> motion = ahead_.get();
    if (!motion) {
      motion_.Clear();
      return false;
    }
    motion_ = std::move(*motion);
    return true;
  }

  // Widens the part of the screen changed since the last frame.
  void Include(const EffectRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    if (dirty_.Width() <= 0 || dirty_.Height() <= 0) {
      dirty_ = rect;
      return;
    }
    dirty_ = {std::min(dirty_.left, rect.left), std::min(dirty_.top, rect.top),
              std::max(dirty_.right, rect.right), std::max(dirty_.bottom, rect.bottom)};
  }

  const std::vector<SlideRecord>& slides_;
  const ShowTimeline& timeline_;
  const ShowTransitions& transitions_;
  Bitmap screen_;    // what the video shows
  Bitmap composed_;  // the slide whose transition plays
  SlideComposer composer_;
  LoadPictureModule loader_;
  MotionPicture motion_;
  std::future<std::optional<MotionPicture>> ahead_;
  size_t aheadSlide_ = 0;
  SmoothEffect smooth_ = SmoothEffect::None;
  Bitmap outgoing_;  // the screen as a smooth transition began
  double motionSeconds_ = 0;
  bool liveDone_ = false;
  std::optional<RecordedTransition> transition_;
  FrameConverter converter_;
  AvFramePtr last_;   // the frame of the screen as last emitted
  EffectRect dirty_;  // changed since
  int showing_ = -1;
  QImage preview_;
  FrameQueue<Result<FrameStep>>& queue_;
};

// A step holds the picture only when it is a new one; a repeat shares the one before.
size_t StepBytes(const Result<FrameStep>& next) {
  if (!next) return sizeof(next);
  const FrameStep& step = *next;
  size_t bytes = sizeof(next) + static_cast<size_t>(step.preview.sizeInBytes());
  if (step.changed && step.frame) {
    for (int plane = 0; plane < AV_NUM_DATA_POINTERS && step.frame->buf[plane]; ++plane) {
      bytes += step.frame->buf[plane]->size;
    }
  }
  return bytes;
}

}  // namespace

ShowFrameRenderer::ShowFrameRenderer(const std::vector<SlideRecord>& slides,
                                     const ExportOptions& options)
    : slides_(slides),
      options_(options),
      transitions_(slides, options.width, options.height),
      queue_(kQueuedBytes, StepBytes) {
  TimelineSources sources;
  sources.transitionSeconds = [&](size_t slide) { return transitions_.Seconds(slide); };
  sources.soundSeconds = [](const std::string& file) { return SoundFileSeconds(file); };
  timeline_ = BuildShowTimeline(slides, options.enterSeconds, sources);
  frameCount_ = VideoFrameCount(timeline_.duration, options.fps.PerSecond());
}

ShowFrameRenderer::~ShowFrameRenderer() {
  Stop();
}

void ShowFrameRenderer::Start() {
  if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
}

void ShowFrameRenderer::Stop() {
  queue_.Close();
  if (thread_.joinable()) thread_.join();
}

void ShowFrameRenderer::Run() {
  try {
    RenderPlan plan(slides_, timeline_, transitions_, options_.width, options_.height, queue_);
    PlanFrames(timeline_, options_.fps.PerSecond(), plan);
  } catch (const std::exception& e) {
    queue_.Push(Fail(dynamic_cast<const std::bad_alloc*>(&e)
                         ? "There is not enough memory to export the video."
                         : std::string("The video could not be rendered: ") + e.what()));
  }
  queue_.Finish();
}

}  // namespace lrw
