// The picture's placement window on the arrangement stage: the picture stretched to
// the client area, with commands to centre it and restore its proportions or size.
#pragma once

#include <QImage>

#include "arrange/PreviewForm.h"

class QAction;

namespace lrw {

struct SlideRecord;

class TSlidePreviewForm : public TPreviewForm {
  Q_OBJECT

 public:
  TSlidePreviewForm(TSlidePreviewBackgroundForm* stage, QWidget* parent);

  QImage Image1;  // shown stretched to the client area
  int LastLeft = 0;
  int LastTop = 0;
  SlideRecord* Slide = nullptr;

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
};

}  // namespace lrw
