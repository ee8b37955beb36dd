// The motion played over the whole arrangement stage, as the show plays it once the
// slide's transition has ended: from the start framing to the end framing at the slide's
// timing, the caption on top. Any key or click stops it; it also ends by itself a moment
// after the motion has.
#pragma once

#include <QTimer>
#include <QWidget>

#include "player/MotionPicture.h"

namespace lrw {

class MotionLayer;

class MotionPreview : public QWidget {
  Q_OBJECT

 public:
  // Covers `stage` and takes the keys.
  explicit MotionPreview(QWidget* stage);

  // Plays `motion` over `seconds`.
  void Play(MotionPicture motion, double seconds);
  bool Playing() const { return !stopped_; }
  const MotionLayer& Layer() const { return *layer_; }
  void Stop();

 signals:
  void Stopped();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }

 private:
  MotionLayer* layer_ = nullptr;
  QTimer end_;
  bool stopped_ = false;
};

}  // namespace lrw
