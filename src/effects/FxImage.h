// The effect image control: a double-buffered picture control that reveals its picture with a
// transition effect every time it paints.
//
// The program draws the next picture into the control's picture bitmap, which is not visible;
// the control then plays its effect from what it shows to the new picture. Qt cannot draw
// outside a paint event and cannot read the screen back, so the control keeps a screen image:
// the pixels it currently shows. A transition makes the effect's copies from the picture into
// that image and presents them as frames, one per display refresh, flushing only the part that
// changed. The pacing (effects/TransitionPacing.h) gives every copy a fixed virtual cost, so the
// box width sets the speed the same way on every machine and screen.
//
// The control works at the screen's device pixels: its picture bitmap and screen image are the
// control's size times the device pixel ratio, and the boxes of the effect grid grow by that
// ratio, so a transition looks and lasts the same on a HiDPI screen, only sharper. The canvas
// paints in the control's own (logical) coordinates.
//
// Use:
//   image->SetEffect(slide.Effect);
//   image->SetBoxWidth(slide.BoxWidth);
//   image->Canvas()->drawImage(image->rect(), next);  // the canvas notifies when it goes away
//   QCoreApplication::processEvents();                // the transition plays here
//
// Every change of the picture and every repaint Qt asks for posts one play request; the
// transition runs when the event loop delivers it, synchronously and without processing other
// events, so input that arrives meanwhile is handled afterwards. A change of the picture always
// plays its whole transition, also when the screen already shows the same pixels, so that what
// follows a transition never comes earlier because of what was shown before.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "document/Bitmap.h"
#include "effects/TransitionPacing.h"

namespace lrw {

// A picture object: empty, a bitmap, or another kind of graphic (a vector drawing). Copies carry
// the graphic only, never the change notification.
class FxPicture {
 public:
  enum class Kind { Empty, Bitmap, Drawing };

  FxPicture() = default;
  FxPicture(const FxPicture& other)
      : kind_(other.kind_), bitmap_(other.bitmap_), drawing_(other.drawing_) {}
  FxPicture& operator=(const FxPicture& other);
  static FxPicture FromBitmap(Bitmap bitmap);
  static FxPicture FromDrawing(const QPicture& drawing);

  Kind ContentKind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::Empty; }
  bool HoldsBitmap() const { return kind_ == Kind::Bitmap; }
  int Width() const;
  int Height() const;
  // The bitmap; empty unless HoldsBitmap().
  const Bitmap& AsBitmap() const { return bitmap_; }

  // Each of these replaces the graphic and then notifies.
  void SetBitmap(Bitmap bitmap);
  void SetDrawing(const QPicture& drawing);
  void Clear();
  // Copies the graphic of `other` and notifies.
  void Assign(const FxPicture& other);
  // Tells the owner that the graphic changed (also after drawing on the bitmap).
  void Changed();
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

 private:
  friend class FxCanvas;
  Kind kind_ = Kind::Empty;
  Bitmap bitmap_;
  QPicture drawing_;
  std::function<void()> onChange_;
};

// The drawing surface of a control's picture bitmap, from FxImage::Canvas(). Draw through it
// like a QPainter (`image->Canvas()->fillRect(...)`); when it goes away it ends painting and
// notifies the picture's change, which requests the transition. A detached canvas (of a picture
// that is not a bitmap) draws on nothing and notifies nothing.
class FxCanvas {
 public:
  FxCanvas(const FxCanvas&) = delete;
  FxCanvas& operator=(const FxCanvas&) = delete;
  ~FxCanvas();

  QPainter* operator->() { return &painter_; }
  QPainter& Painter() { return painter_; }

 private:
  friend class FxGraphic;
  // `devicePixelRatio` device pixels of the bitmap make one unit of the painter.
  FxCanvas(FxPicture& picture, double devicePixelRatio, bool detached = false);

  FxPicture& picture_;
  bool detached_;
  QImage image_;  // wraps the picture bitmap's pixels
  QPainter painter_;
};

// Effect settings and painting.
class FxGraphic : public QWidget {
  Q_OBJECT

 public:
  explicit FxGraphic(QWidget* parent = nullptr);
  ~FxGraphic() override;

  uint8_t Effect() const { return effect_; }
  void SetEffect(uint8_t effect);  // values above 41 are stored as 41
  uint8_t BoxWidth() const { return boxWidth_; }
  void SetBoxWidth(uint8_t width);  // 0 and 1 are stored as 2

  // The picture object. Changing it through this reference notifies the control.
  FxPicture& Picture() { return picture_; }
  const FxPicture& Picture() const { return picture_; }
  // Accepts an empty picture or a bitmap; a picture of any other kind is ignored.
  void SetPicture(const FxPicture& picture);

  // The drawing surface of the picture bitmap. An empty picture first receives a white bitmap of
  // the control's device size. A picture of another kind never reaches a control (SetPicture
  // ignores it), so asking then is a programming error: it stops a debug build with
  // "SImageCanvasNeedsBitmap", and elsewhere warns so and gives a detached canvas.
  FxCanvas Canvas();

  // Opaque: the picture covers the control exactly, so nothing behind it shows. A control that
  // is not opaque has the repainted part erased to its parent's background before the picture
  // is revealed in it again.
  bool IsOpaque() const { return opaque_; }

  // What the control shows now (the screen image), in device pixels.
  QImage ScreenImage() const;
  // The control's size in device pixels: the size of its screen image and of a picture that
  // covers it.
  QSize DeviceSize() const;
  // The box width the effect grid uses: BoxWidth() in device pixels.
  uint8_t DeviceBoxWidth() const;
  bool IsPlaying() const { return playing_; }

  // Time stretch of the transitions: 1 is the designed speed, 0 plays each at once.
  void SetPacingFactor(double factor) { pacingFactor_ = factor; }
  double PacingFactor() const { return pacingFactor_; }
  // The clock of the frame loop (not owned; null restores the real one).
  void SetPacingClock(PacingClock* clock) { clock_ = clock ? clock : &steadyClock_; }
  // Called after each frame has been presented, with the frame's number from 1 and the part of
  // the control it changed.
  void SetFrameObserver(std::function<void(int frame, const QRegion& changed)> observer) {
    frameObserver_ = std::move(observer);
  }
  // Frames presented by the last transition.
  int LastFrameCount() const { return lastFrameCount_; }

  // Plays the requested transition now if one is waiting (what the event loop does when it
  // delivers the request).
  void PlayPending();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

  // Asks for the effect to be played over `region` (logical) when the event loop next runs.
  // `pictureChanged`: a new picture, whose transition plays even where the screen already
  // shows its pixels.
  void RequestPlay(const QRegion& region, bool pictureChanged = false);
  void SetOpaque(bool opaque) { opaque_ = opaque; }
  // Gives the screen image the control's size, keeping what overlaps.
  void EnsureScreenSize();

  FxPicture picture_;

 private:
  uint32_t BackgroundPixel() const;
  bool WaitUntilExposed();
  void PlayTransition(const QRegion& region, bool pictureChanged);
  // Fills the region (device pixels) of the screen image with the parent's background.
  void EraseToBackground(const QRegion& deviceRegion, bool visible);
  // Plays the effect's copies that touch the region (device pixels), paced frame by frame.
  void PlayCopies(const Bitmap& source, const QRegion& region, bool visible);
  // The time of one display refresh, at most 60 a second.
  double FrameSeconds() const;
  // Shows the part of the screen image given in device pixels.
  void Present(const QRegion& deviceRegion);
  QRegion ToDevice(const QRegion& logical) const;
  QRegion ToLogical(const QRegion& device) const;

  uint8_t effect_ = 0;
  uint8_t boxWidth_ = 5;
  bool opaque_ = false;
  bool playing_ = false;
  bool playPosted_ = false;
  bool presenting_ = false;
  bool pendingChange_ = false;
  QRegion pending_;
  QRegion presentedRegion_;
  Bitmap screen_;
  QImage screenImage_;  // wraps screen_
  double pacingFactor_ = 1.0;
  SteadyPacingClock steadyClock_;
  PacingClock* clock_ = &steadyClock_;
  std::function<void(int, const QRegion&)> frameObserver_;
  int lastFrameCount_ = 0;
};

// The control with its picture object and auto-sizing; 105 x 105 when new.
class FxImage : public FxGraphic {
  Q_OBJECT

 public:
  explicit FxImage(QWidget* parent = nullptr);
  ~FxImage() override;

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

 private:
  // The change notification of the picture: takes the picture's size when auto-sizing, marks
  // the control opaque when the picture covers it, and requests a repaint.
  void OnPictureChanged();

  bool autoSize_ = false;
};

}  // namespace lrw
