#include "import/VectorPicture.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "import/BitmapScaling.h"
#include "import/MappedPictureFile.h"
#include "import/formats/VectorFormats.h"

namespace lrw {
namespace {

// The size covering width x height with the drawing's proportions, within the limits.
std::pair<int, int> CoveringSize(const formats::DrawingSize& own, int width, int height) {
  double scale =
      std::max(static_cast<double>(width) / own.width, static_cast<double>(height) / own.height);
  scale = std::min({scale, static_cast<double>(kMaxPictureSide) / own.width,
                    static_cast<double>(kMaxPictureSide) / own.height});
  const double pixels = scale * scale * own.width * own.height;
  if (pixels > static_cast<double>(kMaxDecodedPixels))
    scale *= std::sqrt(static_cast<double>(kMaxDecodedPixels) / pixels);
  return {std::max(1, static_cast<int>(own.width * scale)),
          std::max(1, static_cast<int>(own.height * scale))};
}

}  // namespace

Result<DecodedPicture> RenderDrawing(const std::string& path, DrawingFormat format,
                                     DrawingTarget target) {
  const Result<MappedPictureFile> mapped = MappedPictureFile::Open(path);
  if (!mapped) return Fail(mapped.error());
  const std::span<const uint8_t> file = mapped->Bytes();
  const Result<formats::DrawingSize> own =
      format == DrawingFormat::Emf ? formats::EmfSize(file) : formats::GemSize(file);
  if (!own) return Fail(own.error());
  int width = own->width, height = own->height;
  if (target.kind == DrawingTarget::Kind::FitInto) {
    std::tie(width, height) = FittedSize(own->width, own->height, target.width, target.height);
  } else if (target.kind == DrawingTarget::Kind::Cover) {
    std::tie(width, height) = CoveringSize(*own, target.width, target.height);
  }
  Result<Bitmap> drawn = format == DrawingFormat::Emf ? formats::RenderEmf(file, width, height)
                                                      : formats::RenderGem(file, width, height);
  if (!drawn) return Fail(drawn.error());
  DecodedPicture picture;
  picture.bitmap = std::move(*drawn);
  picture.fullWidth = own->width;
  picture.fullHeight = own->height;
  picture.drawing = true;
  return picture;
}

}  // namespace lrw
