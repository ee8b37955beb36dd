#include "import/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

#include <algorithm>
#include <string>

#include "import/BitmapOrientation.h"

namespace lrw {
namespace {

// A progressive picture is read in scans; thousands of them only cost time.
constexpr int kMaxScans = 1000;

struct ErrorManager {
  jpeg_error_mgr base;  // first, so that the library's pointer is also ours
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  int code;
  bool damaged;  // a warning that the data is damaged or cut off
};

ErrorManager& Errors(j_common_ptr cinfo) {
  return *reinterpret_cast<ErrorManager*>(cinfo->err);
}

[[noreturn]] void OnError(j_common_ptr cinfo) {
  ErrorManager& errors = Errors(cinfo);
  errors.code = cinfo->err->msg_code;
  (*cinfo->err->format_message)(cinfo, errors.message);
  std::longjmp(errors.jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace messages
  ErrorManager& errors = Errors(cinfo);
  switch (cinfo->err->msg_code) {
    // Harmless: stray bytes between segments, and metadata that is not understood.
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_JFIF_MAJOR:
    case JWRN_ADOBE_XFORM:
    case JWRN_BOGUS_ICC:
      return;
    default:
      if (errors.damaged) return;  // the first one tells
      errors.damaged = true;
      (*cinfo->err->format_message)(cinfo, errors.message);
  }
}

void OnProgress(j_common_ptr cinfo) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (decompress->input_scan_number > kMaxScans) {
    ErrorManager& errors = Errors(cinfo);
    errors.code = JERR_NOTIMPL;
    std::snprintf(errors.message, sizeof errors.message, "the picture has too many scans");
    std::longjmp(errors.jump, 1);
  }
}

uint16_t Get16(const uint8_t* p, bool littleEndian) {
  return littleEndian ? static_cast<uint16_t>(p[0] | (p[1] << 8))
                      : static_cast<uint16_t>((p[0] << 8) | p[1]);
}

uint32_t Get32(const uint8_t* p, bool littleEndian) {
  return littleEndian ? static_cast<uint32_t>(Get16(p, true) | (Get16(p + 2, true) << 16))
                      : static_cast<uint32_t>((Get16(p, false) << 16) | Get16(p + 2, false));
}

// The Orientation tag (0x0112) of an EXIF block ("Exif\0\0" and a TIFF header); 1 when
// there is none.
int ExifOrientation(const uint8_t* data, size_t size) {
  if (size < 14 ||
      std::string(reinterpret_cast<const char*>(data), 6) != std::string("Exif\0\0", 6)) {
    return 1;
  }
  const uint8_t* tiff = data + 6;
  const size_t length = size - 6;
  const bool little = tiff[0] == 'I' && tiff[1] == 'I';
  if (!little && !(tiff[0] == 'M' && tiff[1] == 'M')) return 1;
  const uint32_t ifd = Get32(tiff + 4, little);
  if (ifd > length || length - ifd < 2) return 1;
  const uint16_t entries = Get16(tiff + ifd, little);
  for (uint32_t i = 0; i < entries; ++i) {
    const size_t at = ifd + 2 + size_t{i} * 12;
    if (at + 12 > length) return 1;
    if (Get16(tiff + at, little) == 0x0112 && Get16(tiff + at + 2, little) == 3) {
      return Get16(tiff + at + 8, little);
    }
  }
  return 1;
}

int OrientationOf(j_decompress_ptr cinfo) {
  for (jpeg_saved_marker_ptr m = cinfo->marker_list; m != nullptr; m = m->next) {
    if (m->marker == JPEG_APP0 + 1) {
      const int o = ExifOrientation(m->data, m->data_length);
      if (o != 1) return o;
    }
  }
  return 1;
}

// The scale numerator M (of M/8) to decode at.
int ScaleFor(int64_t width, int64_t height, int hintWidth, int hintHeight) {
  int m = 8;
  if (hintWidth > 0 && hintHeight > 0) {
    m = 1;
    while (m < 8 && ((width * m + 7) / 8 < hintWidth || (height * m + 7) / 8 < hintHeight)) ++m;
    // The smaller scale rather than none at all.
    while (m > 1 && ((width * m + 7) / 8) * ((height * m + 7) / 8) > kMaxDecodedPixels) --m;
  }
  return m;
}

// CMYK (or YCCK, which the library turns into CMYK) to our pixels, in place. Adobe's
// files store the inks inverted.
void CmykToPixels(uint32_t* row, int width, bool inverted) {
  auto* bytes = reinterpret_cast<uint8_t*>(row);
  for (int x = 0; x < width; ++x) {
    uint32_t c = bytes[4 * x], m = bytes[4 * x + 1], y = bytes[4 * x + 2], k = bytes[4 * x + 3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    row[x] = 0xFF000000u | ((c * k + 127) / 255) << 16 | ((m * k + 127) / 255) << 8 |
             ((y * k + 127) / 255);
  }
}

// A size check's refusal as the error of the read.
bool Passes(const Result<void>& check, ErrorManager& errors) {
  if (check) return true;
  std::snprintf(errors.message, sizeof errors.message, "%s", check.error().message.c_str());
  errors.code = -1;
  return false;
}

struct Outcome {
  bool ok = false;
  int64_t width = 0;  // the own size as stored
  int64_t height = 0;
  int orientation = 1;
};

// The library's part. It reports errors by a long jump back here, so this function
// holds nothing that needs destroying: what it makes lives in `out`, owned by the caller.
Outcome Read(std::span<const uint8_t> data, int hintWidth, int hintHeight, ErrorManager& errors,
             Bitmap& out) {
  jpeg_decompress_struct cinfo{};
  jpeg_progress_mgr progress{};
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = &OnError;
  errors.base.emit_message = &OnMessage;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return Outcome{};
  }
  Outcome outcome;
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kJpegLibraryMemory;
  progress.progress_monitor = &OnProgress;
  cinfo.progress = &progress;
  jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
  jpeg_read_header(&cinfo, TRUE);
  outcome.width = cinfo.image_width;
  outcome.height = cinfo.image_height;
  outcome.orientation = OrientationOf(&cinfo);
  // The sizes are checked before anything they decide is allocated.
  if (!Passes(CheckPictureSize(outcome.width, outcome.height), errors)) {
    jpeg_destroy_decompress(&cinfo);
    return Outcome{};
  }

  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;  // BGRX bytes are our 0xFFRRGGBB
  cinfo.scale_num =
      static_cast<unsigned>(ScaleFor(outcome.width, outcome.height, hintWidth, hintHeight));
  cinfo.scale_denom = 8;
  jpeg_calc_output_dimensions(&cinfo);
  if (!Passes(CheckDecodedSize(cinfo.output_width, cinfo.output_height), errors)) {
    jpeg_destroy_decompress(&cinfo);
    return Outcome{};
  }

  jpeg_start_decompress(&cinfo);
  out = Bitmap(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
  while (cinfo.output_scanline < cinfo.output_height) {
    uint32_t* row = out.row(static_cast<int>(cinfo.output_scanline));
    JSAMPROW rows[1] = {reinterpret_cast<JSAMPLE*>(row)};
    jpeg_read_scanlines(&cinfo, rows, 1);
    if (cmyk) CmykToPixels(row, out.width, cinfo.saw_Adobe_marker);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  outcome.ok = true;
  return outcome;
}

}  // namespace

Result<DecodedPicture> DecodeJpeg(std::span<const uint8_t> data, int hintWidth, int hintHeight) {
  ErrorManager errors{};
  DecodedPicture picture;
  const Outcome outcome = Read(data, hintWidth, hintHeight, errors, picture.bitmap);
  if (!outcome.ok) {
    // Beyond its memory the library would move coefficients to the disk, which it
    // cannot do here: the picture takes more memory than one decode may.
    if (errors.code == JERR_NO_BACKING_STORE || errors.code == JERR_OUT_OF_MEMORY) {
      return Fail("the picture is too large");
    }
    return Fail(std::string(errors.message));
  }
  if (errors.damaged) return Fail(std::string(errors.message));
  const bool swaps = outcome.orientation >= 5 && outcome.orientation <= 8;
  picture.fullWidth = static_cast<int>(swaps ? outcome.height : outcome.width);
  picture.fullHeight = static_cast<int>(swaps ? outcome.width : outcome.height);
  picture.bitmap = Oriented(std::move(picture.bitmap), outcome.orientation);
  return picture;
}

}  // namespace lrw
