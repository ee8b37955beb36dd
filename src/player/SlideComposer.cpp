#include "player/SlideComposer.h"

#include <limits>

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "document/Cp1252.h"
#include "platform/QtBitmap.h"
#include "platform/QtText.h"
#include "platform/SystemColors.h"
#include "player/CaptionFont.h"
#include "player/WrapCaption.h"

namespace lrw {

namespace {

// Above this many pixels the stretched picture is not made as a whole first; the
// painter then stretches only what the screen shows.
constexpr qint64 kMaxPrescaledPixels = 16LL * 1024 * 1024;

// Device pixels for `logical` ones at `ratio`, rounded.
QSize ToDevice(const QSize& logical, double ratio) {
  return QSize(static_cast<int>(std::lround(logical.width() * ratio)),
               static_cast<int>(std::lround(logical.height() * ratio)));
}

// Draws `picture` into `target` (logical); the painter's device has `ratio` device pixels to
// a logical one, and the picture is stretched to the target's device pixels.
void DrawStretched(QPainter& painter, const QRect& target, const QImage& picture, double ratio) {
  const QSize deviceSize = ToDevice(target.size(), ratio);
  if (deviceSize == picture.size()) {
    // One picture pixel on each device pixel.
    painter.drawImage(QRectF(target), picture, QRectF(picture.rect()));
    return;
  }
  const QPaintDevice* device = painter.device();
  const QRect visible(0, 0, static_cast<int>(std::ceil(device->width() / ratio)),
                      static_cast<int>(std::ceil(device->height() / ratio)));
  if (!target.intersects(visible)) return;
  if (qint64{deviceSize.width()} * deviceSize.height() <= kMaxPrescaledPixels) {
    // Area averaging when reducing, bilinear when enlarging.
    const QImage stretched =
        picture.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(QRectF(target), stretched, QRectF(stretched.rect()));
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
  // The painter works in logical pixels, the units of the record; a bitmap with a device
  // pixel ratio (a HiDPI screen) gets positions, sizes and the caption's font scaled by it.
  const double ratio = bitmap.devicePixelRatio();
  const QSize screen = bitmap.deviceIndependentSize().toSize();
  bitmap.fill(ColorFromRecord(slide.BackgroundColor));
  QPainter painter(&bitmap);

  if (!slide.PictureName.empty()) {
    const int width = slide.ImageWidth;
    const int height = slide.ImageHeight;
    const QSize deviceSize = ToDevice(QSize(width, height), ratio);
    if (width > 0 && height > 0 &&
        LoadCached(Cp1252ToUtf8(slide.PicturePath()), deviceSize.width(), deviceSize.height())) {
      const QRect target(PicturePosition(slide, screen), QSize(width, height));
      DrawStretched(painter, target, cachedPicture_, ratio);
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
  // The picture held is let go before another is decoded: a large one and its successor
  // would otherwise be in memory together (two 6000 x 4000 pictures take 192 MB). A slide
  // whose picture is missing keeps it for the slides around it.
  std::error_code missing;
  if (std::filesystem::exists(std::filesystem::path(path), missing)) {
    cachedPicture_ = QImage();
    cachedBitmap_ = Bitmap();
    cachedFileName_.clear();
  }
  LoadPictureResult result = loader_.LoadPictureForSize(path, width, height);
  ++pictureLoads_;
  if (!result || result->bitmap.empty()) return false;
  cachedBitmap_ = std::move(result->bitmap);
  cachedPicture_ = WrapBitmap(cachedBitmap_);
  cachedFileName_ = path;
  cachedFullWidth_ = result->fullWidth > 0 ? result->fullWidth : result->bitmap.width;
  cachedFullHeight_ = result->fullHeight > 0 ? result->fullHeight : result->bitmap.height;
  if (result->drawing) {
    // A drawing has no size of its own that limits it: a larger place draws it again.
    cachedFullWidth_ = cachedFullHeight_ = std::numeric_limits<int>::max();
  }
  return true;
}

}  // namespace lrw
