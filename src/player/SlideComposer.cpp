#include "player/SlideComposer.h"

#include <QPainter>
#include <algorithm>

#include "document/Cp1252.h"
#include "platform/QtText.h"
#include "platform/SystemColors.h"
#include "player/CaptionFont.h"
#include "player/WrapCaption.h"

namespace lrw {

namespace {

// Above this many pixels the stretched picture is not made as a whole first; the
// painter then stretches only what the screen shows.
constexpr qint64 kMaxPrescaledPixels = 16LL * 1024 * 1024;

QImage WrapBitmap(const Bitmap& bitmap) {
  return QImage(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width, bitmap.height,
                bitmap.width * 4, QImage::Format_RGB32);
}

void DrawStretched(QPainter& painter, const QRect& target, const QImage& picture) {
  if (target.size() == picture.size()) {
    painter.drawImage(target.topLeft(), picture);
    return;
  }
  const QPaintDevice* device = painter.device();
  if (!target.intersects(QRect(0, 0, device->width(), device->height()))) return;
  if (qint64{target.width()} * target.height() <= kMaxPrescaledPixels) {
    // Area averaging when reducing, bilinear when enlarging.
    painter.drawImage(target.topLeft(), picture.scaled(target.size(), Qt::IgnoreAspectRatio,
                                                       Qt::SmoothTransformation));
  } else {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(target), picture);
    painter.restore();
  }
}

}  // namespace

QPoint PicturePosition(const SlideRecord& slide, const QSize& screen) {
  if (!slide.CenterImage) return QPoint(slide.ImageLeft, slide.ImageTop);
  // Integer division truncates toward zero: (768 - 845) / 2 is -38.
  return QPoint((screen.width() - slide.ImageWidth) / 2, (screen.height() - slide.ImageHeight) / 2);
}

void DrawCaption(QPainter& painter, const SlideRecord& slide) {
  if (!slide.ShowCaption) return;
  const QFont font = CaptionFont(slide);
  const QtTextMeasurer measurer(font);
  const CaptionLayout layout = LayoutCaption(slide, measurer);

  painter.fillRect(QRect(layout.boxLeft, layout.boxTop, layout.boxRight - layout.boxLeft,
                         layout.boxBottom - layout.boxTop),
                   ColorFromRecord(slide.CaptionBackColor));
  painter.save();
  painter.setFont(font);
  painter.setPen(ColorFromRecord(slide.CaptionFontColor));
  const int ascent = measurer.Metrics().ascent();
  for (int i = 0; i < static_cast<int>(layout.lines.size()); ++i) {
    painter.drawText(QPoint(layout.textLeft, layout.LineTop(i) + ascent),
                     FromCp1252(layout.lines[static_cast<size_t>(i)]));
  }
  painter.restore();
}

void SlideComposer::ComposeSlide(const SlideRecord& slide, QImage& bitmap) {
  QPainter painter(&bitmap);
  painter.fillRect(bitmap.rect(), ColorFromRecord(slide.BackgroundColor));

  if (!slide.PictureName.empty()) {
    const int width = slide.ImageWidth;
    const int height = slide.ImageHeight;
    if (width > 0 && height > 0 && LoadCached(Cp1252ToUtf8(slide.PicturePath()), width, height)) {
      const QRect target(PicturePosition(slide, bitmap.size()), QSize(width, height));
      DrawStretched(painter, target, cachedPicture_);
    }
  }

  DrawCaption(painter, slide);
}

bool SlideComposer::LoadCached(const std::string& path, int width, int height) {
  if (path == cachedFileName_ && !cachedPicture_.isNull()) {
    // A picture decoded at a reduced size serves only drawings it still covers.
    const int neededWidth = std::min(width, cachedFullWidth_);
    const int neededHeight = std::min(height, cachedFullHeight_);
    if (cachedPicture_.width() >= neededWidth && cachedPicture_.height() >= neededHeight) {
      return true;
    }
  }
  LoadPictureResult result = loader_.LoadPictureForSize(path, width, height);
  ++pictureLoads_;
  if (result.status != Loaded || result.bitmap.empty()) return false;
  cachedBitmap_ = std::move(result.bitmap);
  cachedPicture_ = WrapBitmap(cachedBitmap_);
  cachedFileName_ = path;
  cachedFullWidth_ = result.fullWidth > 0 ? result.fullWidth : result.bitmap.width;
  cachedFullHeight_ = result.fullHeight > 0 ? result.fullHeight : result.bitmap.height;
  return true;
}

}  // namespace lrw
