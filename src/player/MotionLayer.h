// The show window's layer for what changes on every frame: smooth transitions and the
// picture's motion. It lies over the effect image control, draws at the display's
// refresh rate at device pixels, and lets clicks through to the control beneath.
#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "document/Bitmap.h"
#include "document/SlideMotion.h"
#include "player/MotionPicture.h"

namespace lrw {

class MotionLayer : public QWidget {
  Q_OBJECT

 public:
  explicit MotionLayer(QWidget* parent);

  // Blends `from` into `to` (device pixels, one size) over `seconds`, one frame per
  // refresh, letting events be handled between frames; returns once `to` shows (or
  // `Abandon` was called). The layer stays up showing `to`.
  void PlaySmooth(SmoothEffect effect, const QImage& from, const QImage& to, double seconds);
  // Moves the picture now on screen over `seconds`, then holds its end framing.
  void StartMotion(MotionPicture motion, double seconds);
  // Stops the frame clock; the layer keeps showing its last frame until hidden.
  void Stop();
  // The modal pause: the motion's time stands still meanwhile.
  void SetPaused(bool paused);
  void Abandon() { abandoned_ = true; }
  bool Moving() const { return motion_.Ready() && clock_.isActive(); }

  // The frame the layer shows now.
  QImage Frame() const;
  // Milliseconds from each frame clock tick to the frame handed to the window system.
  const std::vector<double>& FrameTimes() const { return frameTimes_; }
  void ClearFrameTimes() { frameTimes_.clear(); }
  // The interval of the frame clock: the display's refresh.
  int FrameIntervalMs() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Tick();
  void EnsureFrame(QSize deviceSize);
  double MotionElapsed() const;
  // One frame's times in nanoseconds from the log's start: its tick, the frame drawn, the
  // frame handed to the window system.
  void LogFrame(const char* kind, qint64 tick, qint64 drawn, qint64 handed);

  Bitmap frame_;
  QImage frameImage_;  // wraps frame_
  MotionPicture motion_;
  double motionSeconds_ = 0;
  QTimer clock_;
  QElapsedTimer elapsed_;
  qint64 pausedMs_ = 0;
  qint64 pauseStartedMs_ = -1;
  bool abandoned_ = false;
  std::vector<double> frameTimes_;
  // With LRW_FRAME_LOG naming a file, each frame's times are written there (for the
  // windowed frame-time benchmark); otherwise nothing is kept.
  QFile frameLog_;
  QElapsedTimer logClock_;
};

}  // namespace lrw
