// The picture's placement form on the arrangement stage: the picture stretched to the
// client area, with commands to centre it and restore its proportions or size.
#pragma once

#include <QImage>

#include "arrange/PreviewForm.h"

class QAction;

namespace lrw {

class SlidePreviewForm : public PreviewForm {
  Q_OBJECT

 public:
  explicit SlidePreviewForm(SlidePreviewBackgroundForm& stage);

  // The picture, shown stretched to the client area; null shows an empty form.
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }
  // Takes the form's place now as where it stands (moving away ends the centring).
  void RecordPosition();

  // The popup menu's commands.
  void CenterImage();
  void RestoreProportionalWidth();
  void RestoreProportionalHeight();
  void RestoreOriginalDimensions();

 protected:
  void PaintClient(QPainter& painter) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A move that is not back to the recorded position ends the centring.
  void PositionChanged();
  QImage picture_;
  int lastLeft_ = 0;
  int lastTop_ = 0;
  QSize lastSize_;
  // picture_ smoothly scaled to the client area's device pixels, so that the picture is
  // sharp on a high-density screen and cheap to repaint while the form moves.
  QImage scaled_;
};

}  // namespace lrw
