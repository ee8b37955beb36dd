// The picture's placement form on the arrangement stage: the picture stretched to the
// client area, with commands to centre it and restore its proportions or size.
#pragma once

#include <QImage>

#include "arrange/PreviewForm.h"

class QAction;

namespace lrw {

class TSlidePreviewForm : public TPreviewForm {
  Q_OBJECT

 public:
  explicit TSlidePreviewForm(TSlidePreviewBackgroundForm& stage);

  QImage Image1;  // shown stretched to the client area
  int LastLeft = 0;
  int LastTop = 0;

  QAction* CentertheImage1 = nullptr;
  QAction* Restoreproportionalwidth1 = nullptr;
  QAction* RestoreProportionalHeight1 = nullptr;
  QAction* RestoreOriginalDimensions1 = nullptr;

  void CentertheImage1Click();
  void Restoreproportionalwidth1Click();
  void RestoreProportionalHeight1Click();
  void RestoreOriginalDimensions1Click();

 protected:
  void PaintClient(QPainter& painter) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A move that is not back to the recorded position ends the centring.
  void PositionChanged();
  QSize lastSize_;
  // Image1 smoothly scaled to the client area's device pixels, so that the picture is
  // sharp on a high-density screen and cheap to repaint while the form moves.
  QImage scaled_;
};

}  // namespace lrw
