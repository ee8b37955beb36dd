#include "import/GraphicsMagickDecoder.h"

#include <Magick++.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <span>
#include <string_view>
#include <utility>

#include "document/PictureFormatTable.h"
#include "import/BitmapOrientation.h"
#include "import/JpegDecoder.h"
#include "import/MappedPictureFile.h"

namespace lrw {
namespace {

// The GraphicsMagick coder for each extension of the picture format table, used
// when the content carries no recognisable signature (Targa, for one).
std::string CoderForFormat(int format) {
  const std::string_view ext = PictureFormatTable[static_cast<size_t>(format)];
  if (ext == "jpg" || ext == "jif") return "JPEG";
  if (ext == "dib" || ext == "rle") return "BMP";  // Windows DIB, RLE-compressed DIB
  if (ext == "ras") return "SUN";
  if (ext == "tif") return "TIFF";
  std::string coder(ext);
  for (char& c : coder) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return coder;
}

// The coders of our picture formats (with those they use inside: ICODIB for the
// bitmaps of an icon). Anything else GraphicsMagick knows (PostScript, SVG,
// scripts, ...) is refused: those are not pictures of the table and some of
// them would run external programs.
bool IsAllowedCoder(std::string_view coder) {
  static constexpr std::array<std::string_view, 29> kAllowed = {
      "BMP", "DIB", "ICODIB", "WMF", "ICON", "ICO",  "CUR", "JPEG", "GIF", "RLE",
      "TGA", "PCX", "DCX",    "WPG", "ART",  "CUT",  "HRZ", "MAC",  "PBM", "PGM",
      "PNM", "PPM", "PAM",    "SUN", "RAS",  "TIFF", "PNG", "JNG",  "MNG"};
  return std::find(kAllowed.begin(), kAllowed.end(), coder) != kAllowed.end();
}

}  // namespace

void StartGraphicsMagick() {
  static std::once_flag once;
  std::call_once(once, [] {
    Magick::InitializeMagick(nullptr);
    using namespace MagickLib;
    // The decoded size and the library's memory stay within what one decode may take
    // (DecodedPicture.h); nothing is ever moved to the disk instead.
    SetMagickResourceLimit(PixelsResource, kMaxDecodedPixels);
    SetMagickResourceLimit(WidthResource, kMaxPictureSide);
    SetMagickResourceLimit(HeightResource, kMaxPictureSide);
    SetMagickResourceLimit(MemoryResource, kLibraryMemoryLimit);
    SetMagickResourceLimit(MapResource, kLibraryMemoryLimit);
    SetMagickResourceLimit(DiskResource, 0);
    // Only the coders of our picture formats stay registered. GraphicsMagick
    // chooses a coder by the content's signature, so otherwise a file named .jpg
    // holding PostScript or SVG would reach an interpreter or an external program.
    ExceptionInfo exception;
    GetExceptionInfo(&exception);
    std::vector<std::string> unwanted;
    if (MagickInfo** all = GetMagickInfoArray(&exception)) {
      for (size_t i = 0; all[i] != nullptr; ++i) {
        if (all[i]->name && !IsAllowedCoder(all[i]->name)) unwanted.emplace_back(all[i]->name);
      }
      MagickFree(all);
    }
    DestroyExceptionInfo(&exception);
    for (const std::string& name : unwanted) UnregisterMagickInfo(name.c_str());
  });
}

namespace {

// GraphicsMagick's message without the coder's source location and the file name.
std::string CleanMessage(const std::string& what) {
  std::string text = what;
  if (text.rfind("Magick: ", 0) == 0) text.erase(0, 8);
  const size_t reported = text.find(" reported by ");
  if (reported != std::string::npos) text.erase(reported);
  const size_t paren = text.find(" (");
  if (paren != std::string::npos && !text.empty() && text.back() == ')') text.erase(paren);
  if (text.empty()) return "the picture cannot be decoded";
  // The resource limits stop a picture that declares a huge size; the libraries
  // word that in their own terms ("Backing store not supported" from libjpeg).
  for (const char* limit :
       {"Backing store not supported", "Insufficient memory", "Memory allocation failed",
        "limit exceeded", "exceeds resource limit"}) {
    if (text.find(limit) != std::string::npos) return "the picture is too large";
  }
  // libpng says only this, both for a size beyond its limits and for a bad header.
  if (text.find("Invalid IHDR data") != std::string::npos) {
    return "the picture's header is damaged or declares too large a size";
  }
  // Content of a format whose coder is not registered (see StartGraphicsMagick).
  if (text.rfind("No decode delegate", 0) == 0 || text.rfind("Unrecognized image format", 0) == 0) {
    return "the file does not hold a picture this program reads";
  }
  return text;
}

bool IsBenignWarning(const std::string& what) {
  return what.find("extraneous bytes") != std::string::npos;
}

Bitmap ToBitmap(Magick::Image& image) {
  const int w = static_cast<int>(image.columns());
  const int h = static_cast<int>(image.rows());
  Bitmap bitmap(w, h);
  // BGRA bytes are 0xAARRGGBB words on this little-endian layout.
  const bool matte = image.matte();
  image.write(0, 0, static_cast<unsigned>(w), static_cast<unsigned>(h), matte ? "BGRA" : "BGRP",
              Magick::CharPixel, bitmap.pixels.data());
  if (!matte) {
    for (uint32_t& p : bitmap.pixels) p |= 0xFF000000u;
    return bitmap;
  }
  // Transparent parts show the white background, as the decoder control does.
  for (uint32_t& p : bitmap.pixels) {
    const uint32_t a = p >> 24;
    if (a == 0xFF) continue;
    auto blend = [a](uint32_t c) { return (c * a + 255 * (255 - a) + 127) / 255; };
    p = 0xFF000000u | (blend((p >> 16) & 0xFF) << 16) | (blend((p >> 8) & 0xFF) << 8) |
        blend(p & 0xFF);
  }
  return bitmap;
}

// GraphicsMagick's PCX reader fills a picture whose packed data ends early
// without a word; count what the data unpacks to instead.
Result<void> CheckPcxComplete(std::span<const uint8_t> data) {
  if (data.size() < 128 || data[2] != 1) return {};  // not run-length packed
  const auto word = [&data](size_t at) { return data[at] | (data[at + 1] << 8); };
  const int64_t height = static_cast<int64_t>(word(10)) - word(6) + 1;
  const int64_t needed = static_cast<int64_t>(word(66)) * data[65] * height;
  size_t end = data.size();
  // Eight-bit pictures (and GraphicsMagick's 24-bit ones) end with a palette
  // after a 12.
  if (data[3] == 8 && end >= 128 + 769 && data[end - 769] == 0x0C) end -= 769;
  int64_t unpacked = 0;
  for (size_t i = 128; i < end && unpacked < needed; ++i) {
    if ((data[i] & 0xC0) == 0xC0) {
      unpacked += data[i] & 0x3F;
      ++i;
    } else {
      ++unpacked;
    }
  }
  if (unpacked < needed) return Fail("the file is truncated");
  return {};
}

// Notes a warning a read ended with; the picture read is kept.
void NoteWarning(const std::function<void()>& raise, ReadWarning& warning) {
  try {
    raise();
  } catch (const Magick::WarningCorruptImage& w) {
    warning = {true, w.what()};
  } catch (const Magick::Warning& w) {
    warning = {false, w.what()};
  }
}

// Decodes the bytes in place (Magick::Blob would copy them first).
Result<Magick::Image> ReadFromMemory(std::span<const uint8_t> data, const std::string& coder,
                                     ReadWarning& warning) {
  using namespace MagickLib;
  std::unique_ptr<ImageInfo, void (*)(ImageInfo*)> info(CloneImageInfo(nullptr), &DestroyImageInfo);
  std::snprintf(info->magick, sizeof info->magick, "%s", coder.c_str());
  std::snprintf(info->filename, sizeof info->filename, "%s:", coder.c_str());
  info->subimage = 0;
  info->subrange = 1;
  ExceptionInfo exception;
  GetExceptionInfo(&exception);
  struct Release {
    ExceptionInfo* e;
    ~Release() { DestroyExceptionInfo(e); }
  } release{&exception};
  MagickLib::Image* raw = BlobToImage(info.get(), data.data(), data.size(), &exception);
  Magick::Image image;
  if (raw != nullptr) image = Magick::Image(raw);
  if (exception.severity != UndefinedException) {
    NoteWarning([&exception] { Magick::throwException(exception, false); }, warning);
  }
  if (raw == nullptr) return Fail("the picture cannot be decoded");
  return image;
}

bool SwapsSides(Magick::OrientationType o) {
  return o == Magick::LeftTopOrientation || o == Magick::RightTopOrientation ||
         o == Magick::RightBottomOrientation || o == Magick::LeftBottomOrientation;
}

}  // namespace

GraphicsMagickDecoder::GraphicsMagickDecoder() {
  StartGraphicsMagick();
}

Result<DecodedPicture> GraphicsMagickDecoder::Decode(const std::string& path, int format,
                                                     int hintWidth, int hintHeight) const {
  const Result<MappedPictureFile> file = MappedPictureFile::Open(path);
  if (!file) return Fail(file.error());
  const std::span<const uint8_t> data = file->Bytes();
  const char* detected =
      MagickLib::GetImageMagick(data.data(), std::min<size_t>(data.size(), 2048));
  const std::string byExtension = CoderForFormat(format);
  if (byExtension == "PCX" && (detected == nullptr || std::string_view(detected) == "PCX")) {
    if (const Result<void> complete = CheckPcxComplete(data); !complete) {
      return Fail(complete.error());
    }
  }
  // GraphicsMagick picks the coder by the content's signature whatever coder is
  // named, so content whose signature names a coder we do not allow (PostScript,
  // SVG, scripts, some of which run external programs) never reaches it.
  if (detected != nullptr && !IsAllowedCoder(detected)) {
    return Fail(std::string("the file holds ") + detected +
                " data, not a picture this program reads");
  }
  const auto fromMemory = [data](const std::string& coder, ReadWarning& warning) {
    return ReadFromMemory(data, coder, warning);
  };
  // Signatures of a few bytes can match by chance (a DR Halo picture 40 pixels wide
  // starts like a DIB), so the extension's own format is tried as well; naming it in
  // the file name makes GraphicsMagick use it.
  const auto forced = [&path](const std::string& coder,
                              ReadWarning& warning) -> Result<Magick::Image> {
    Magick::Image image;
    image.subImage(0);
    image.subRange(1);
    NoteWarning([&] { image.read(coder + ":" + path); }, warning);
    return image;
  };
  // JPEG goes to the JPEG library itself (JpegDecoder.h).
  const auto decodeAs = [&](const std::string& coder, const Reader& read) {
    return coder == "JPEG" ? DecodeJpeg(data, hintWidth, hintHeight) : DecodeWith(read, coder);
  };
  if (detected == nullptr || detected == byExtension) return decodeAs(byExtension, fromMemory);
  Result<DecodedPicture> bySignature = decodeAs(detected, fromMemory);
  if (bySignature) return bySignature;
  Result<DecodedPicture> byName = decodeAs(byExtension, forced);
  // The signature's reason tells more than the extension's.
  return byName ? std::move(byName) : std::move(bySignature);
}

Result<DecodedPicture> GraphicsMagickDecoder::DecodeWith(const Reader& read,
                                                         const std::string& coder) const {
  // GraphicsMagick reports by exceptions; they end here.
  try {
    ReadWarning warning;
    Magick::Image image;
    {
      const Result<Magick::Image> got = read(coder, warning);
      if (!got) return Fail(got.error());
      image = *got;
    }
    // A damaged or cut-off picture is refused; other warnings (unknown tags and
    // the like) leave a usable picture.
    if (warning.corrupt && !IsBenignWarning(warning.text)) {
      return Fail(CleanMessage(warning.text));
    }
    if (!image.isValid() || image.columns() == 0 || image.rows() == 0) {
      return Fail("the picture has no pixels");
    }
    int64_t fullW = image.baseColumns() ? image.baseColumns() : image.columns();
    int64_t fullH = image.baseRows() ? image.baseRows() : image.rows();
    const Magick::OrientationType orientation =
        coder == "TIFF" ? image.orientation() : Magick::UndefinedOrientation;
    if (SwapsSides(orientation)) std::swap(fullW, fullH);
    if (const Result<void> size = CheckPictureSize(fullW, fullH); !size) return Fail(size.error());
    if (image.colorSpace() != Magick::RGBColorspace) image.colorSpace(Magick::RGBColorspace);
    DecodedPicture result;
    result.bitmap = ToBitmap(image);
    image = Magick::Image();  // the library's copy goes before the bitmap is turned
    result.bitmap = Oriented(std::move(result.bitmap), static_cast<int>(orientation));
    result.fullWidth = static_cast<int>(fullW);
    result.fullHeight = static_cast<int>(fullH);
    return result;
  } catch (const Magick::Exception& e) {
    return Fail(CleanMessage(e.what()));
  }
}

}  // namespace lrw
