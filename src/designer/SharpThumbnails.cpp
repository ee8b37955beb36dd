#include "designer/SharpThumbnails.h"

#include <QRunnable>
#include <cmath>

#include "document/Cp1252.h"
#include "import/BitmapScaling.h"
#include "import/LoadPicture.h"
#include "import/OrderedWorkPool.h"
#include "platform/QtBitmap.h"

namespace lrw {
namespace {

// Enough for a long show; beyond it the oldest are made again when they come back.
constexpr size_t kMaxKept = 512;

}  // namespace

SharpThumbnails::SharpThumbnails(QObject* parent) : QObject(parent) {
  // One picture per core; each job holds one decoded picture, so the memory follows
  // the threads however many slides ask.
  pool_.setMaxThreadCount(CoreCount());
}

SharpThumbnails::~SharpThumbnails() {
  pool_.clear();
  pool_.waitForDone();
}

void SharpThumbnails::WaitForAll() {
  pool_.waitForDone();
}

QImage SharpThumbnails::Find(const SlideRecord& slide, qreal ratio) {
  if (slide.IsBlank()) return {};
  // A picture slide without a thumbnail (its file kept none, or one too large to be
  // one) gets one made from its picture, as the import would have made it.
  const bool stored = slide.Thumbnail && !slide.Thumbnail->empty();
  if (stored && ratio <= 1.0) return {};
  const int width = stored ? static_cast<int>(std::lround(slide.Thumbnail->width * ratio)) : 0;
  const int height = stored ? static_cast<int>(std::lround(slide.Thumbnail->height * ratio)) : 0;
  const std::string path = Cp1252ToUtf8(slide.PicturePath());
  const std::string key = path + '\n' + std::to_string(width) + 'x' + std::to_string(height) +
                          (stored ? std::string() : "@" + std::to_string(ratio));
  if (const auto it = made_.find(key); it != made_.end()) return it->second;
  if (pending_.insert(key).second) {
    pool_.start([this, key, path, width, height, ratio] {
      LoadPictureModule loader;
      int w = width, h = height;
      QImage image;
      if (w == 0) {
        const LoadPictureResult small = loader.LoadPicture(path, LoaderMode::ThumbnailMode);
        if (small) {
          w = static_cast<int>(std::lround(small->bitmap.width * ratio));
          h = static_cast<int>(std::lround(small->bitmap.height * ratio));
          if (ratio <= 1.0) image = ImageFromBitmap(small->bitmap);
        }
      }
      if (image.isNull() && w > 0 && h > 0) {
        const LoadPictureResult loaded = loader.LoadPictureForSize(path, w, h);
        if (loaded && !loaded->bitmap.empty()) {
          image = ImageFromBitmap(ScaleBitmap(loaded->bitmap, w, h));
          image.setDevicePixelRatio(ratio);
        }
      }
      // Handed to the strip's thread; the destructor waits for this job, so the object
      // is still there when the call is queued.
      QMetaObject::invokeMethod(
          this, [this, key, image] { Store(key, image); }, Qt::QueuedConnection);
    });
  }
  return {};
}

void SharpThumbnails::Store(const std::string& key, const QImage& image) {
  pending_.erase(key);
  if (made_.size() >= kMaxKept) made_.clear();
  made_[key] = image;
  if (!image.isNull()) emit Ready();
}

}  // namespace lrw
