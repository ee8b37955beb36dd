#include "import/LoadPicture.h"

#include <span>

#include "document/Paths.h"
#include "document/PictureFormatTable.h"
#include "import/BitmapScaling.h"
#include "import/DecodedPicture.h"
#include "import/PictureFile.h"
#include "import/VectorPicture.h"
#include "import/VideoStill.h"
#include "import/formats/LegacyFormats.h"

namespace lrw {
namespace {

Bitmap DecodeLegacy(int format, const std::string& path) {
  const MappedPictureFile mapped(path);
  const std::span<const uint8_t> file = mapped.Bytes();
  switch (format) {
    case kFormatIff:
    case kFormatLbm:
      return formats::DecodeIff(file);
    case kFormatImg:
      return formats::DecodeGemImg(file);
    case kFormatMsp:
      return formats::DecodeMsp(file);
    default:
      return formats::DecodePcPaintPic(file);
  }
}

}  // namespace

TLoadPictureModule::TLoadPictureModule() = default;

LoadPictureResult TLoadPictureModule::LoadPicture(const std::string& path, LoaderMode mode) {
  return mode == ThumbnailMode ? Load(path, kThumbnailSize, kThumbnailSize, true)
                               : Load(path, 0, 0, false);
}

LoadStatus TLoadPictureModule::LoadPicture(const std::string& path, LoaderMode mode,
                                           Bitmap& result) {
  LoadPictureResult r = LoadPicture(path, mode);
  if (r.status == Loaded) result = std::move(r.bitmap);
  return r.status;
}

LoadPictureResult TLoadPictureModule::LoadPictureForSize(const std::string& path, int maxWidth,
                                                         int maxHeight) {
  return Load(path, std::max(1, maxWidth), std::max(1, maxHeight), false);
}

LoadPictureResult TLoadPictureModule::Load(const std::string& path, int hintWidth, int hintHeight,
                                           bool thumbnail) {
  lastFileName_ = path;
  lastStatus_ = NotHandled;
  lastError_.clear();
  LoadPictureResult result;
  const std::optional<int> format = PictureFormatOf(path);
  if (!format || *format == kFormatMov) return result;

  result = Decode(path, *format, hintWidth, hintHeight, thumbnail);
  lastStatus_ = result.status;
  lastError_ = result.errorText;
  return result;
}

LoadPictureResult TLoadPictureModule::Decode(const std::string& path, int format, int hintWidth,
                                             int hintHeight, bool thumbnail) const {
  LoadPictureResult result;
  try {
    if (format == kFormatAvi) {
      // FFmpeg would wait forever on a pipe.
      if (!IsRegularFile(path)) throw DecodeError(kVideoOpenError);
      Bitmap still = ReadVideoStill(path);
      result.fullWidth = still.width;
      result.fullHeight = still.height;
      result.bitmap = thumbnail ? CenteredThumbnail(still) : std::move(still);
    } else if (format == kFormatEmf || format == kFormatGem) {
      // Drawn straight at the size wanted: a thumbnail, the box to cover, or its own.
      DrawingTarget target;
      if (thumbnail) {
        target = {DrawingTarget::Kind::FitInto, kThumbnailSize, kThumbnailSize};
      } else if (hintWidth > 0 && hintHeight > 0) {
        target = {DrawingTarget::Kind::Cover, hintWidth, hintHeight};
      }
      DecodedPicture picture = RenderDrawing(
          path, format == kFormatEmf ? DrawingFormat::Emf : DrawingFormat::Gem, target);
      result.fullWidth = picture.fullWidth;
      result.fullHeight = picture.fullHeight;
      result.bitmap = std::move(picture.bitmap);
      result.drawing = true;
    } else {
      DecodedPicture picture;
      if (format == kFormatIff || format == kFormatLbm || format == kFormatImg ||
          format == kFormatMsp || format == kFormatPic) {
        picture.bitmap = DecodeLegacy(format, path);
        picture.fullWidth = picture.bitmap.width;
        picture.fullHeight = picture.bitmap.height;
      } else {
        picture = magick_.Decode(path, format, hintWidth, hintHeight);
      }
      result.fullWidth = picture.fullWidth;
      result.fullHeight = picture.fullHeight;
      result.bitmap = thumbnail ? FitBitmap(picture.bitmap, kThumbnailSize, kThumbnailSize)
                                : std::move(picture.bitmap);
    }
    result.status = Loaded;
  } catch (const DecodeError& e) {
    result = LoadPictureResult();
    result.status = LoadFailed;
    // The video texts stand alone; the others name the file.
    result.errorText = format == kFormatAvi
                           ? std::string(e.what())
                           : "Unable to read the picture " + path + ": " + e.what() + ".";
  } catch (const std::bad_alloc&) {
    result = LoadPictureResult();
    result.status = LoadFailed;
    result.errorText = "Unable to read the picture " + path + ": there is not enough memory.";
  }
  return result;
}

}  // namespace lrw
