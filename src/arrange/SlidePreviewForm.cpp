#include "arrange/SlidePreviewForm.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>

#include "arrange/SlidePreviewBackgroundForm.h"

namespace lrw {

SlidePreviewForm::SlidePreviewForm(SlidePreviewBackgroundForm& stage) : PreviewForm(stage) {
  setObjectName(QStringLiteral("SlidePreviewForm"));
  heightKeys_ = true;
  SetBoxLabel(tr("Picture"));
  connect(AddMenuItem(QStringLiteral("CentertheImage1"), tr("&Center the Image")),
          &QAction::triggered, this, [this] { CenterImage(); });
  connect(
      AddMenuItem(QStringLiteral("Restoreproportionalwidth1"), tr("Restore Proportional &Width")),
      &QAction::triggered, this, [this] { RestoreProportionalWidth(); });
  connect(
      AddMenuItem(QStringLiteral("RestoreProportionalHeight1"), tr("Restore Proportional &Height")),
      &QAction::triggered, this, [this] { RestoreProportionalHeight(); });
  connect(
      AddMenuItem(QStringLiteral("RestoreOriginalDimensions1"), tr("Restore Original &Dimensions")),
      &QAction::triggered, this, [this] { RestoreOriginalDimensions(); });
  AddExitItems();
}

void SlidePreviewForm::SetPicture(const QImage& picture) {
  picture_ = picture;
  scaled_ = QImage();
  update();
}

void SlidePreviewForm::RecordPosition() {
  lastLeft_ = x();
  lastTop_ = y();
}

void SlidePreviewForm::CenterImage() {
  const QSize screen = stage_.ScreenSize();
  const WindowBox box = CenteredBox(Bounds(), screen.width(), screen.height());
  lastTop_ = box.top;
  lastLeft_ = box.left;
  move(box.left, box.top);
  stage_.SetCentered(true);
}

void SlidePreviewForm::RestoreProportionalWidth() {
  const QSize picture = stage_.PictureSize();
  if (picture.isEmpty()) return;
  if (const auto w = ProportionalClientWidth(picture.width(), picture.height(), ClientHeight()))
    SetClientWidth(*w);
}

void SlidePreviewForm::RestoreProportionalHeight() {
  const QSize picture = stage_.PictureSize();
  if (picture.isEmpty()) return;
  if (const auto h = ProportionalClientHeight(picture.width(), picture.height(), ClientWidth()))
    SetClientHeight(*h);
}

void SlidePreviewForm::RestoreOriginalDimensions() {
  const QSize picture = stage_.PictureSize();
  if (picture.isEmpty()) return;
  const QSize screen = stage_.ScreenSize();
  if (const auto box = OriginalDimensionsBox(Bounds(), picture.width(), picture.height(),
                                             screen.width(), screen.height()))
    SetBounds(*box);
}

void SlidePreviewForm::PaintClient(QPainter& painter) {
  const QRect area(QPoint(0, 0), ClientRect().size());
  if (picture_.isNull()) {
    painter.fillRect(area, palette().window());
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const qreal ratio = devicePixelRatioF();
  const QSize device(qRound(area.width() * ratio), qRound(area.height() * ratio));
  if (device.width() > picture_.width() || device.height() > picture_.height()) {
    // Enlarged: filtered straight into the device pixels, with no copy as large as the
    // box (which may be far larger than the screen).
    painter.drawImage(area, picture_);
    return;
  }
  if (scaled_.size() != device || scaled_.devicePixelRatio() != ratio) {
    scaled_ = picture_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled_.setDevicePixelRatio(ratio);
  }
  painter.drawImage(QPoint(0, 0), scaled_);
}

void SlidePreviewForm::showEvent(QShowEvent* event) {
  PreviewForm::showEvent(event);
  RecordPosition();
  lastSize_ = size();
}

void SlidePreviewForm::moveEvent(QMoveEvent* event) {
  PreviewForm::moveEvent(event);
  stage_.PictureFormPlaced();
  // When the size changed too, the resize that follows centres first and checks after.
  if (!isVisible() || size() != lastSize_) return;
  PositionChanged();
}

void SlidePreviewForm::resizeEvent(QResizeEvent* event) {
  PreviewForm::resizeEvent(event);
  stage_.PictureFormPlaced();
  if (!isVisible()) return;
  lastSize_ = size();
  update();
  if (stage_.Centered()) CenterImage();
  PositionChanged();
}

void SlidePreviewForm::PositionChanged() {
  if (x() != lastLeft_ || y() != lastTop_) stage_.SetCentered(false);
}

}  // namespace lrw
