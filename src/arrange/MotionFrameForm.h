// The motion's start or end framing on the arrangement stage: a framed box over the
// picture form, showing the part of the picture that fills the screen when the motion
// starts or ends. It moves and sizes like the other placement forms, but its truth is
// the framing in the picture's own pixels, which always keeps the screen's proportions
// and stays inside the picture; the box follows the picture form wherever that goes.
#pragma once

#include "arrange/FramingRules.h"
#include "arrange/PreviewForm.h"
#include "document/SlideMotion.h"

namespace lrw {

enum class MotionEnd { Start, End };

class MotionFrameForm : public PreviewForm {
  Q_OBJECT

 public:
  MotionFrameForm(SlidePreviewBackgroundForm& stage, MotionEnd end);

  MotionEnd End() const { return end_; }
  const MotionRect& Framing() const { return framing_; }
  // Shows `framing` (picture pixels) without taking it as the user's edit.
  void SetFraming(const MotionRect& framing);
  // Puts the box over the picture form where its framing lies.
  void FollowPicture();

 protected:
  void PaintClient(QPainter& painter) override;
  void DragBy(QPoint total, QPoint step, Qt::Edges edges) override;
  void NudgeBy(ArrowKey key, bool ctrl, bool shift) override;
  QString PlaceText() const override;
  QColor BandColor(bool active) const override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // The user placed the framing: the stage takes it as a custom motion.
  void Place(const MotionRect& framing);
  FramingShape Shape() const;
  // Stage pixels per picture pixel, across and down.
  QPointF Scale() const;

  MotionEnd end_;
  MotionRect framing_;
  MotionRect dragFrom_;  // the framing when the drag began
};

}  // namespace lrw
