#include "import/LoadPicture.h"

#include <span>

#include "document/Paths.h"
#include "document/PictureFormatTable.h"
#include "import/BitmapScaling.h"
#include "import/DecodedPicture.h"
#include "import/MappedPictureFile.h"
#include "import/VectorPicture.h"
#include "import/VideoStill.h"
#include "import/formats/LegacyFormats.h"

namespace lrw {
namespace {

Result<Bitmap> DecodeLegacy(int format, const std::string& path) {
  const Result<MappedPictureFile> mapped = MappedPictureFile::Open(path);
  if (!mapped) return Fail(mapped.error());
  const std::span<const uint8_t> file = mapped->Bytes();
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

bool IsLegacy(int format) {
  return format == kFormatIff || format == kFormatLbm || format == kFormatImg ||
         format == kFormatMsp || format == kFormatPic;
}

Result<DecodedPicture> DecodeVideoStill(const std::string& path, bool thumbnail) {
  // FFmpeg would wait forever on a pipe.
  if (!IsRegularFile(path)) return Fail(kVideoOpenError);
  Result<Bitmap> still = ReadVideoStill(path);
  if (!still) return Fail(still.error());
  DecodedPicture picture;
  picture.fullWidth = still->width;
  picture.fullHeight = still->height;
  picture.bitmap = thumbnail ? CenteredThumbnail(*still) : std::move(*still);
  return picture;
}

// Drawn straight at the size wanted: a thumbnail, the box to cover, or its own.
Result<DecodedPicture> DecodeDrawing(const std::string& path, int format, int hintWidth,
                                     int hintHeight, bool thumbnail) {
  DrawingTarget target;
  if (thumbnail) {
    target = {DrawingTarget::Kind::FitInto, kThumbnailSize, kThumbnailSize};
  } else if (hintWidth > 0 && hintHeight > 0) {
    target = {DrawingTarget::Kind::Cover, hintWidth, hintHeight};
  }
  return RenderDrawing(path, format == kFormatEmf ? DrawingFormat::Emf : DrawingFormat::Gem,
                       target);
}

}  // namespace

LoadStatus StatusOf(const LoadPictureResult& result) {
  if (result) return LoadStatus::Loaded;
  return result.error().kind == ErrorKind::NotHandled ? LoadStatus::NotHandled
                                                      : LoadStatus::LoadFailed;
}

LoadPictureModule::LoadPictureModule() = default;

LoadPictureResult LoadPictureModule::LoadPicture(const std::string& path, LoaderMode mode) const {
  return mode == LoaderMode::ThumbnailMode ? Load(path, kThumbnailSize, kThumbnailSize, true)
                                           : Load(path, 0, 0, false);
}

LoadPictureResult LoadPictureModule::LoadPictureForSize(const std::string& path, int maxWidth,
                                                        int maxHeight) const {
  return Load(path, std::max(1, maxWidth), std::max(1, maxHeight), false);
}

LoadPictureResult LoadPictureModule::Load(const std::string& path, int hintWidth, int hintHeight,
                                          bool thumbnail) const {
  const std::optional<int> format = PictureFormatOf(path);
  if (!format || *format == kFormatMov) return Fail(ErrorKind::NotHandled);
  Result<DecodedPicture> picture;
  try {
    picture = Decode(path, *format, hintWidth, hintHeight, thumbnail);
  } catch (const std::bad_alloc&) {
    return Fail("Unable to read the picture " + path + ": there is not enough memory.");
  }
  if (picture) return picture;
  // The video texts stand alone; the others name the file.
  if (*format == kFormatAvi) return picture;
  return Fail("Unable to read the picture " + path + ": " + picture.error().message + ".");
}

Result<DecodedPicture> LoadPictureModule::Decode(const std::string& path, int format, int hintWidth,
                                                 int hintHeight, bool thumbnail) const {
  if (format == kFormatAvi) return DecodeVideoStill(path, thumbnail);
  if (format == kFormatEmf || format == kFormatGem) {
    return DecodeDrawing(path, format, hintWidth, hintHeight, thumbnail);
  }
  Result<DecodedPicture> picture;
  if (IsLegacy(format)) {
    Result<Bitmap> bitmap = DecodeLegacy(format, path);
    if (!bitmap) return Fail(bitmap.error());
    picture = DecodedPicture{};
    picture->fullWidth = bitmap->width;
    picture->fullHeight = bitmap->height;
    picture->bitmap = std::move(*bitmap);
  } else {
    picture = magick_.Decode(path, format, hintWidth, hintHeight);
    if (!picture) return picture;
  }
  if (thumbnail) picture->bitmap = FitBitmap(picture->bitmap, kThumbnailSize, kThumbnailSize);
  return picture;
}

}  // namespace lrw
