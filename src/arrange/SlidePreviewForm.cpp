#include "arrange/SlidePreviewForm.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>

#include "arrange/SlidePreviewBackgroundForm.h"

namespace lrw {

TSlidePreviewForm::TSlidePreviewForm(TSlidePreviewBackgroundForm& stage) : TPreviewForm(stage) {
  setObjectName(QStringLiteral("SlidePreviewForm"));
  HeightKeys = true;
  SetBoxLabel(tr("Picture"));
  CentertheImage1 = PopupMenu1->addAction(tr("&Center the Image"));
  Restoreproportionalwidth1 = PopupMenu1->addAction(tr("Restore Proportional &Width"));
  RestoreProportionalHeight1 = PopupMenu1->addAction(tr("Restore Proportional &Height"));
  RestoreOriginalDimensions1 = PopupMenu1->addAction(tr("Restore Original &Dimensions"));
  AddExitItems();
  connect(CentertheImage1, &QAction::triggered, this, [this] { CentertheImage1Click(); });
  connect(Restoreproportionalwidth1, &QAction::triggered, this,
          [this] { Restoreproportionalwidth1Click(); });
  connect(RestoreProportionalHeight1, &QAction::triggered, this,
          [this] { RestoreProportionalHeight1Click(); });
  connect(RestoreOriginalDimensions1, &QAction::triggered, this,
          [this] { RestoreOriginalDimensions1Click(); });
}

void TSlidePreviewForm::CentertheImage1Click() {
  const QSize screen = Stage.ScreenSize();
  const WindowBox box = CenteredBox(Bounds(), screen.width(), screen.height());
  LastTop = box.top;
  LastLeft = box.left;
  move(box.left, box.top);
  Stage.Centered = true;
}

void TSlidePreviewForm::Restoreproportionalwidth1Click() {
  const QSize picture = Stage.PictureSize;
  if (picture.isEmpty()) return;
  if (const auto w = ProportionalClientWidth(picture.width(), picture.height(), ClientHeight()))
    SetClientWidth(*w);
}

void TSlidePreviewForm::RestoreProportionalHeight1Click() {
  const QSize picture = Stage.PictureSize;
  if (picture.isEmpty()) return;
  if (const auto h = ProportionalClientHeight(picture.width(), picture.height(), ClientWidth()))
    SetClientHeight(*h);
}

void TSlidePreviewForm::RestoreOriginalDimensions1Click() {
  const QSize picture = Stage.PictureSize;
  if (picture.isEmpty()) return;
  const QSize screen = Stage.ScreenSize();
  if (const auto box = OriginalDimensionsBox(Bounds(), picture.width(), picture.height(),
                                             screen.width(), screen.height()))
    SetBounds(*box);
}

void TSlidePreviewForm::PaintClient(QPainter& painter) {
  const QRect area(QPoint(0, 0), ClientRect().size());
  if (Image1.isNull()) {
    painter.fillRect(area, palette().window());
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const qreal ratio = devicePixelRatioF();
  const QSize device(qRound(area.width() * ratio), qRound(area.height() * ratio));
  if (device.width() > Image1.width() || device.height() > Image1.height()) {
    // Enlarged: filtered straight into the device pixels, with no copy as large as the
    // box (which may be far larger than the screen).
    painter.drawImage(area, Image1);
    return;
  }
  if (scaled_.size() != device || scaled_.devicePixelRatio() != ratio) {
    scaled_ = Image1.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled_.setDevicePixelRatio(ratio);
  }
  painter.drawImage(QPoint(0, 0), scaled_);
}

void TSlidePreviewForm::showEvent(QShowEvent* event) {
  TPreviewForm::showEvent(event);
  LastLeft = x();
  LastTop = y();
  lastSize_ = size();
}

void TSlidePreviewForm::moveEvent(QMoveEvent* event) {
  TPreviewForm::moveEvent(event);
  // When the size changed too, the resize that follows centres first and checks after.
  if (!isVisible() || size() != lastSize_) return;
  PositionChanged();
}

void TSlidePreviewForm::resizeEvent(QResizeEvent* event) {
  TPreviewForm::resizeEvent(event);
  if (!isVisible()) return;
  lastSize_ = size();
  update();
  if (Stage.Centered) CentertheImage1Click();
  PositionChanged();
}

void TSlidePreviewForm::PositionChanged() {
  if (x() != LastLeft || y() != LastTop) Stage.Centered = false;
}

}  // namespace lrw
