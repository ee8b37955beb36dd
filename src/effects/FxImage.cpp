#include "effects/FxImage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "effects/BitmapEffectTarget.h"
#include "effects/RecordingEffectTarget.h"
#include "effects/RunEffect.h"
#include "platform/QtBitmap.h"

namespace lrw {

namespace {

const QEvent::Type kPlayEvent = static_cast<QEvent::Type>(QEvent::User + 0x4658);

QRect ToQRect(const EffectRect& r) {
  return QRect(r.left, r.top, r.Width(), r.Height());
}

// Collects the part of the control that a frame's copies changed, on a grid of tiles, so that a
// frame of thousands of small boxes becomes a region of a few rectangles.
class DirtyTiles {
 public:
  DirtyTiles(int width, int height)
      : columns_((width + kTile - 1) / kTile),
        rows_((height + kTile - 1) / kTile),
        width_(width),
        height_(height),
        marks_(static_cast<size_t>(columns_) * rows_, 0) {}

  void Mark(const EffectRect& r) {
    const int left = std::max(r.left, 0), top = std::max(r.top, 0);
    const int right = std::min(r.right, width_), bottom = std::min(r.bottom, height_);
    if (left >= right || top >= bottom) return;
    for (int ty = top / kTile; ty <= (bottom - 1) / kTile; ++ty) {
      for (int tx = left / kTile; tx <= (right - 1) / kTile; ++tx) {
        marks_[static_cast<size_t>(ty) * columns_ + tx] = 1;
      }
      minRow_ = std::min(minRow_, ty);
      maxRow_ = std::max(maxRow_, ty);
    }
  }

  // The marked tiles as a region (rows of merged spans, which is the banded order QRegion
  // wants), and clears the marks.
  QRegion TakeRegion() {
    std::vector<QRect> rects;
    for (int ty = minRow_; ty <= maxRow_; ++ty) {
      uint8_t* row = marks_.data() + static_cast<size_t>(ty) * columns_;
      for (int tx = 0; tx < columns_;) {
        if (!row[tx]) {
          ++tx;
          continue;
        }
        const int start = tx;
        while (tx < columns_ && row[tx]) row[tx++] = 0;
        const int top = ty * kTile;
        rects.emplace_back(QPoint(start * kTile, top), QPoint(std::min(tx * kTile, width_) - 1,
                                                              std::min(top + kTile, height_) - 1));
      }
    }
    minRow_ = rows_;
    maxRow_ = -1;
    QRegion region;
    if (!rects.empty()) region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
  }

 private:
  static constexpr int kTile = 32;
  int columns_, rows_, width_, height_;
  std::vector<uint8_t> marks_;
  int minRow_ = 1 << 30;
  int maxRow_ = -1;
};

// Whether `a` and `b` hold the same pixels inside `rect` (which lies inside both).
bool SamePixels(const Bitmap& a, const Bitmap& b, const QRect& rect) {
  const size_t bytes = static_cast<size_t>(rect.width()) * sizeof(uint32_t);
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    if (std::memcmp(a.row(y) + rect.left(), b.row(y) + rect.left(), bytes) != 0) return false;
  }
  return true;
}

void CopyPixels(const Bitmap& from, Bitmap& to, const QRect& rect) {
  const size_t bytes = static_cast<size_t>(rect.width()) * sizeof(uint32_t);
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    std::memcpy(to.row(y) + rect.left(), from.row(y) + rect.left(), bytes);
  }
}

// Whether the screen already shows the picture everywhere in `region`. Pixels outside the
// picture are never copied; only the part inside can change.
bool ShowsPicture(const Bitmap& screen, const Bitmap& picture, const QRegion& region) {
  const QRect pictureRect(0, 0, picture.width, picture.height);
  for (const QRect& r : region) {
    const QRect inside = r & pictureRect;
    if (!inside.isEmpty() && !SamePixels(screen, picture, inside)) return false;
  }
  return true;
}

// The copies of the effect, in order; given `touching`, only those that touch it: a repaint of
// part of the control replays that part.
std::vector<RecordedCopy> RecordCopies(uint8_t effect, const EffectRect& clip, uint8_t boxWidth,
                                       const std::optional<QRect>& touching) {
  RecordingEffectTarget recorder;
  RunEffect(effect, clip, recorder, boxWidth);
  if (!touching) return recorder.Copies();
  std::vector<RecordedCopy> copies;
  copies.reserve(recorder.Copies().size());
  for (const RecordedCopy& copy : recorder.Copies()) {
    if (ToQRect(copy.to).intersects(*touching)) copies.push_back(copy);
  }
  return copies;
}

}  // namespace

// ---- FxPicture

FxPicture& FxPicture::operator=(const FxPicture& other) {
  if (this != &other) {
    kind_ = other.kind_;
    bitmap_ = other.bitmap_;
    drawing_ = other.drawing_;
  }
  return *this;
}

FxPicture FxPicture::FromBitmap(Bitmap bitmap) {
  FxPicture picture;
  picture.kind_ = Kind::Bitmap;
  picture.bitmap_ = std::move(bitmap);
  return picture;
}

FxPicture FxPicture::FromDrawing(const QPicture& drawing) {
  FxPicture picture;
  picture.kind_ = Kind::Drawing;
  picture.drawing_ = drawing;
  return picture;
}

int FxPicture::Width() const {
  switch (kind_) {
    case Kind::Bitmap:
      return bitmap_.width;
    case Kind::Drawing:
      return drawing_.boundingRect().width();
    case Kind::Empty:
      break;
  }
  return 0;
}

int FxPicture::Height() const {
  switch (kind_) {
    case Kind::Bitmap:
      return bitmap_.height;
    case Kind::Drawing:
      return drawing_.boundingRect().height();
    case Kind::Empty:
      break;
  }
  return 0;
}

void FxPicture::SetBitmap(Bitmap bitmap) {
  kind_ = Kind::Bitmap;
  bitmap_ = std::move(bitmap);
  drawing_ = QPicture();
  Changed();
}

void FxPicture::SetDrawing(const QPicture& drawing) {
  kind_ = Kind::Drawing;
  bitmap_ = Bitmap();
  drawing_ = drawing;
  Changed();
}

void FxPicture::Clear() {
  kind_ = Kind::Empty;
  bitmap_ = Bitmap();
  drawing_ = QPicture();
  Changed();
}

void FxPicture::Assign(const FxPicture& other) {
  *this = other;
  Changed();
}

void FxPicture::Changed() {
  if (onChange_) onChange_();
}

// ---- FxCanvas

FxCanvas::FxCanvas(FxPicture& picture, double devicePixelRatio, bool detached)
    : picture_(picture), detached_(detached) {
  if (detached_) return;
  image_ = WrapBitmap(picture.bitmap_);
  if (image_.isNull()) return;
  // The image is the only user of the bitmap's pixels, so this keeps drawing on them.
  image_.setDevicePixelRatio(devicePixelRatio);
  painter_.begin(&image_);
}

FxCanvas::~FxCanvas() {
  if (painter_.isActive()) painter_.end();
  if (!detached_) picture_.Changed();
}

// ---- FxGraphic

FxGraphic::FxGraphic(QWidget* parent) : QWidget(parent) {
  // The paint always covers the whole control with the screen image, so Qt need not draw the
  // parent behind it; whether the picture covers the control is tracked by IsOpaque().
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

FxGraphic::~FxGraphic() = default;

void FxGraphic::SetEffect(uint8_t effect) {
  effect_ = std::min(effect, kLastEffect);
}

void FxGraphic::SetBoxWidth(uint8_t width) {
  boxWidth_ = std::max(width, kSmallestBoxWidth);
}

void FxGraphic::SetPicture(const FxPicture& picture) {
  if (!picture.IsEmpty() && !picture.HoldsBitmap()) return;
  picture_.Assign(picture);
}

FxCanvas FxGraphic::Canvas() {
  if (picture_.IsEmpty()) {
    const QSize size = DeviceSize();
    picture_.SetBitmap(Bitmap(size.width(), size.height(), 0xFFFFFFFFu));
  } else if (!picture_.HoldsBitmap()) {
    qWarning("SImageCanvasNeedsBitmap");
    assert(!"SImageCanvasNeedsBitmap");
    return FxCanvas(picture_, devicePixelRatioF(), true);
  }
  return FxCanvas(picture_, devicePixelRatioF());
}

QImage FxGraphic::ScreenImage() const {
  if (screen_.empty()) return QImage();
  return screenImage_.copy();
}

QSize FxGraphic::DeviceSize() const {
  const double ratio = devicePixelRatioF();
  return QSize(static_cast<int>(std::lround(std::max(width(), 0) * ratio)),
               static_cast<int>(std::lround(std::max(height(), 0) * ratio)));
}

uint8_t FxGraphic::DeviceBoxWidth() const {
  const long scaled = std::lround(boxWidth_ * devicePixelRatioF());
  return static_cast<uint8_t>(std::clamp<long>(scaled, kSmallestBoxWidth, 255));
}

QRegion FxGraphic::ToDevice(const QRegion& logical) const {
  const double ratio = devicePixelRatioF();
  if (ratio == 1.0) return logical;
  const QSize size = DeviceSize();
  QRegion device;
  for (const QRect& r : logical) {
    // Outward, so that every device pixel the logical rectangle touches is included.
    const int left = static_cast<int>(std::floor(r.left() * ratio));
    const int top = static_cast<int>(std::floor(r.top() * ratio));
    const int right = static_cast<int>(std::ceil((r.right() + 1) * ratio));
    const int bottom = static_cast<int>(std::ceil((r.bottom() + 1) * ratio));
    device += QRect(left, top, right - left, bottom - top);
  }
  return device & QRect(QPoint(0, 0), size);
}

QRegion FxGraphic::ToLogical(const QRegion& device) const {
  const double ratio = devicePixelRatioF();
  if (ratio == 1.0) return device;
  QRegion logical;
  for (const QRect& r : device) {
    const int left = static_cast<int>(std::floor(r.left() / ratio));
    const int top = static_cast<int>(std::floor(r.top() / ratio));
    const int right = static_cast<int>(std::ceil((r.right() + 1) / ratio));
    const int bottom = static_cast<int>(std::ceil((r.bottom() + 1) / ratio));
    logical += QRect(left, top, right - left, bottom - top);
  }
  return logical & rect();
}

uint32_t FxGraphic::BackgroundPixel() const {
  const QWidget* owner = parentWidget() ? parentWidget() : this;
  return 0xFF000000u | owner->palette().color(QPalette::Window).rgb();
}

void FxGraphic::EnsureScreenSize() {
  const QSize size = DeviceSize();
  const int w = size.width(), h = size.height();
  if (screen_.width == w && screen_.height == h) return;
  // Keep what was shown where the old and new sizes overlap; the rest shows the parent.
  Bitmap resized(w, h, BackgroundPixel());
  const int cw = std::min(w, screen_.width), ch = std::min(h, screen_.height);
  for (int y = 0; y < ch; ++y) {
    std::memcpy(resized.row(y), screen_.row(y), static_cast<size_t>(cw) * sizeof(uint32_t));
  }
  screen_ = std::move(resized);
  screenImage_ = WrapBitmap(screen_);
}

void FxGraphic::resizeEvent(QResizeEvent* event) {
  EnsureScreenSize();
  QWidget::resizeEvent(event);
}

void FxGraphic::RequestPlay(const QRegion& region, bool pictureChanged) {
  pending_ += region;
  pendingChange_ = pendingChange_ || pictureChanged;
  if (playPosted_ || playing_) return;
  playPosted_ = true;
  QCoreApplication::postEvent(this, new QEvent(kPlayEvent));
}

bool FxGraphic::event(QEvent* event) {
  if (event->type() == kPlayEvent) {
    playPosted_ = false;
    PlayPending();
    return true;
  }
  return QWidget::event(event);
}

void FxGraphic::paintEvent(QPaintEvent* event) {
  EnsureScreenSize();
  QPainter painter(this);
  const double ratio = devicePixelRatioF();
  for (const QRect& r : event->region()) {
    // Device pixels of the screen image onto the same device pixels of the window.
    for (const QRect& source : ToDevice(QRegion(r))) {
      painter.drawImage(QRectF(source.x() / ratio, source.y() / ratio, source.width() / ratio,
                               source.height() / ratio),
                        screenImage_, QRectF(source));
    }
  }
  // A repaint that the transition did not ask for (uncovering, showing, resizing) plays the
  // effect again on that part.
  const QRegion foreign = presenting_ ? event->region() - presentedRegion_ : event->region();
  if (!foreign.isEmpty()) RequestPlay(foreign);
}

void FxGraphic::PlayPending() {
  if (playing_) return;  // the running play picks up what was added meanwhile
  playing_ = true;
  QPointer<FxGraphic> self(this);
  while (self && !pending_.isEmpty()) {
    const QRegion region = pending_ & rect();
    const bool pictureChanged = pendingChange_;
    pending_ = QRegion();
    pendingChange_ = false;
    PlayTransition(region, pictureChanged);
  }
  if (self) playing_ = false;
}

bool FxGraphic::WaitUntilExposed() {
  // A window that has just been shown is exposed once the display answers; until then nothing
  // painted would be seen. Wait briefly for it, handling no input.
  QPointer<FxGraphic> self(this);
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    if (!self || !isVisible()) return false;
    const QWindow* handle = window()->windowHandle();
    if (handle && handle->isExposed()) return true;
    if (waited.elapsed() > 500) return false;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
  }
}

void FxGraphic::Present(const QRegion& deviceRegion) {
  presentedRegion_ = ToLogical(deviceRegion);
  presenting_ = true;
  repaint(presentedRegion_);
  presenting_ = false;
  presentedRegion_ = QRegion();
}

void FxGraphic::PlayTransition(const QRegion& requested, bool pictureChanged) {
  if (!picture_.HoldsBitmap()) return;
  QPointer<FxGraphic> self(this);
  const bool visible = WaitUntilExposed();
  // The wait may have resized the control or changed its picture.
  if (!self || !picture_.HoldsBitmap()) return;
  EnsureScreenSize();
  if (screen_.empty()) return;
  const Bitmap& source = picture_.AsBitmap();
  // From here on everything is in device pixels.
  const QRegion region = ToDevice(requested & rect());
  if (region.isEmpty()) return;

  if (!opaque_) EraseToBackground(region, visible);
  // A repaint of a part that already shows the picture has nothing to reveal (Qt's backing
  // store restores uncovered parts itself). A new picture always plays its transition: its
  // length must not depend on what the screen showed before.
  if (!pictureChanged && ShowsPicture(screen_, source, region)) return;
  PlayCopies(source, region, visible);
}

void FxGraphic::EraseToBackground(const QRegion& deviceRegion, bool visible) {
  const uint32_t background = BackgroundPixel();
  for (const QRect& r : deviceRegion) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      std::fill_n(screen_.row(y) + r.left(), r.width(), background);
    }
  }
  if (visible) Present(deviceRegion);
}

double FxGraphic::FrameSeconds() const {
  double rate = screen() ? screen()->refreshRate() : PacingCosts::kMaxFramesPerSecond;
  if (!(rate > 0) || rate > PacingCosts::kMaxFramesPerSecond) {
    rate = PacingCosts::kMaxFramesPerSecond;
  }
  return 1.0 / rate;
}

void FxGraphic::PlayCopies(const Bitmap& source, const QRegion& region, bool visible) {
  const EffectRect clip{0, 0, source.width, source.height};
  const QRect bounds = region.boundingRect();
  const bool whole = region == QRegion(0, 0, screen_.width, screen_.height);
  const std::vector<RecordedCopy> copies =
      RecordCopies(effect_, clip, DeviceBoxWidth(), whole ? std::nullopt : std::optional(bounds));

  // A partial replay works on a scratch copy of the screen and shows only the region of it.
  Bitmap scratch;
  if (!whole) scratch = screen_;
  Bitmap& work = whole ? screen_ : scratch;
  BitmapEffectTarget target(source, work);
  DirtyTiles tiles(screen_.width, screen_.height);

  const EffectRect paintArea{std::max(bounds.left(), clip.left), std::max(bounds.top(), clip.top),
                             std::min(bounds.right() + 1, clip.right),
                             std::min(bounds.bottom() + 1, clip.bottom)};
  const double factor = visible ? pacingFactor_ : 0.0;
  TransitionPacing pacing(copies, paintArea, screen_.width, screen_.height, factor,
                          devicePixelRatioF());
  QPointer<FxGraphic> self(this);
  int frame = 0;
  const int frames = PlayPaced(pacing, *clock_, FrameSeconds(), [&](size_t first, size_t last) {
    if (!self) return;  // nothing of the control is left to draw on
    for (size_t i = first; i < last; ++i) {
      target.Copy(copies[i].from, copies[i].to);
      tiles.Mark(copies[i].to);
    }
    QRegion changed = tiles.TakeRegion();
    if (!whole) {
      changed &= region;
      for (const QRect& r : changed) CopyPixels(scratch, screen_, r);
    }
    if (visible) Present(changed);
    ++frame;
    if (frameObserver_) frameObserver_(frame, changed);
  });
  if (!self) return;
  lastFrameCount_ = frames;
  if (!visible) update(ToLogical(region));
}

// ---- FxImage

FxImage::FxImage(QWidget* parent) : FxGraphic(parent) {
  picture_.SetOnChange([this] { OnPictureChanged(); });
  resize(105, 105);
}

FxImage::~FxImage() {
  picture_.SetOnChange(nullptr);
}

void FxImage::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  OnPictureChanged();
}

void FxImage::OnPictureChanged() {
  // The picture is in device pixels.
  const int w = picture_.Width(), h = picture_.Height();
  if (autoSize_ && w > 0 && h > 0) {
    const double ratio = devicePixelRatioF();
    resize(static_cast<int>(std::lround(w / ratio)), static_cast<int>(std::lround(h / ratio)));
  }
  SetOpaque(QSize(w, h) == DeviceSize());
  EnsureScreenSize();
  RequestPlay(rect(), true);
}

}  // namespace lrw
