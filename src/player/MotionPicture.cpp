#include "player/MotionPicture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <thread>

#include "document/Cp1252.h"
#include "platform/QtBitmap.h"
#include "platform/SystemColors.h"
#include "player/SlideComposer.h"

namespace lrw {

bool MotionPicture::Prepare(const SlideRecord& slide, size_t slideIndex, QSize deviceSize,
                            double ratio, LoadPictureModule& loader) {
  Clear();
  if (!slide.Motion.Present() || slide.IsBlank() || deviceSize.isEmpty()) return false;
  const std::string path = Cp1252ToUtf8(slide.PicturePath());
  // A first read at the screen's size tells the picture's own size; a JPEG decodes reduced.
  LoadPictureResult picture =
      loader.LoadPictureForSize(path, deviceSize.width(), deviceSize.height());
  if (!picture || picture->bitmap.empty()) return false;
  const int pw = picture->fullWidth > 0 ? picture->fullWidth : picture->bitmap.width;
  const int ph = picture->fullHeight > 0 ? picture->fullHeight : picture->bitmap.height;
  path_ = MotionPathFor(slide.Motion, pw, ph, deviceSize.width(), deviceSize.height(), slideIndex);
  if (!path_) return false;
  // The closest framing decides how many source pixels the screen needs.
  const double narrowest = std::max(1.0, std::min(path_->start.width, path_->end.width));
  const double needed = std::min(1.0, deviceSize.width() / narrowest);
  const QSize target(std::max(1, static_cast<int>(std::ceil(pw * needed))),
                     std::max(1, static_cast<int>(std::ceil(ph * needed))));
  if (picture->bitmap.width < target.width() || picture->bitmap.height < target.height()) {
    // The reduced decode does not cover the closest framing: decode at that size.
    picture = loader.LoadPictureForSize(path, target.width(), target.height());
    if (!picture || picture->bitmap.empty()) {
      Clear();
      return false;
    }
  }
  const QImage decoded = WrapBitmap(picture->bitmap);
  // Reduced once here with area averaging; every frame then only resamples near 1:1.
  source_ = decoded.size() == target
                ? decoded.copy()
                : decoded.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  scale_ = double(source_.width()) / pw;
  slide_ = slide;
  ratio_ = ratio > 0 ? ratio : 1;
  device_ = deviceSize;
  return true;
}

bool MotionPicture::PrepareImage(const SlideRecord& slide, const QImage& picture, size_t slideIndex,
                                 QSize deviceSize, double ratio) {
  Clear();
  if (!slide.Motion.Present() || picture.isNull() || deviceSize.isEmpty()) return false;
  path_ = MotionPathFor(slide.Motion, picture.width(), picture.height(), deviceSize.width(),
                        deviceSize.height(), slideIndex);
  if (!path_) return false;
  source_ = picture.convertToFormat(QImage::Format_RGB32);
  scale_ = 1;
  slide_ = slide;
  ratio_ = ratio > 0 ? ratio : 1;
  device_ = deviceSize;
  return true;
}

void MotionPicture::Clear() {
  path_.reset();
  source_ = QImage();
}

void MotionPicture::Draw(double fraction, QImage& out) const {
  if (!path_) return;
  out.setDevicePixelRatio(ratio_);
  const Framing f = FramingAt(*path_, fraction);
  const QRectF source(f.x * scale_, f.y * scale_, f.width * scale_, f.height * scale_);
  // A framing inside the picture covers the whole screen; one beyond it shows the
  // background at the sides.
  constexpr double kSlack = 0.01;
  if (source.left() < -kSlack || source.top() < -kSlack ||
      source.right() > source_.width() + kSlack || source.bottom() > source_.height() + kSlack) {
    out.fill(ColorFromRecord(slide_.BackgroundColor));
  }
  const QRectF screen(0, 0, device_.width() / ratio_, device_.height() / ratio_);
  // Two bands on two threads: resampling is the frame's whole cost.
  const auto drawBand = [&](int top, int bottom) {
    QImage band(out.scanLine(top), out.width(), bottom - top, out.bytesPerLine(), out.format());
    band.setDevicePixelRatio(ratio_);
    QPainter painter(&band);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(0, -top / ratio_);
    painter.drawImage(screen, source_, source);
  };
  const int middle = out.height() / 2;
  std::thread other([&] { drawBand(0, middle); });
  drawBand(middle, out.height());
  other.join();
  QPainter painter(&out);
  DrawCaption(painter, slide_);
}

}  // namespace lrw
