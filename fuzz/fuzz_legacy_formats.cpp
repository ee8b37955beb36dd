// libFuzzer target for our own legacy picture decoders (IFF/LBM, GEM IMG, MSP,
// PC Paint PIC) and vector readers (EMF, GEM metafile). The first byte picks the
// reader so that one corpus covers all six; LRW_FUZZ_DECODER (iff, img, msp, pic,
// emf, gem) pins one reader for a focused run. Drawings are rendered at a small size
// so that a run tries many.
// Any input must either decode to a consistent bitmap within the size limits or fail
// with a reason; no exception may escape.
#include <QGuiApplication>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "import/DecodedPicture.h"
#include "import/formats/LegacyFormats.h"
#include "import/formats/VectorFormats.h"

namespace {

using Decoder = lrw::Result<lrw::Bitmap> (*)(std::span<const uint8_t>);

struct Family {
  const char* name;
  Decoder decode;
};

// A drawing at its own size, at most 256 pixels a side.
template <lrw::Result<lrw::formats::DrawingSize> (*Size)(std::span<const uint8_t>),
          lrw::Result<lrw::Bitmap> (*Render)(std::span<const uint8_t>, int, int)>
lrw::Result<lrw::Bitmap> Draw(std::span<const uint8_t> file) {
  const lrw::Result<lrw::formats::DrawingSize> own = Size(file);
  if (!own) return lrw::Fail(own.error());
  return Render(file, std::min(own->width, 256), std::min(own->height, 256));
}

constexpr Family kFamilies[] = {
    {"iff", &lrw::formats::DecodeIff},
    {"img", &lrw::formats::DecodeGemImg},
    {"msp", &lrw::formats::DecodeMsp},
    {"pic", &lrw::formats::DecodePcPaintPic},
    {"emf", &Draw<&lrw::formats::EmfSize, &lrw::formats::RenderEmf>},
    {"gem", &Draw<&lrw::formats::GemSize, &lrw::formats::RenderGem>},
};
constexpr int kFamilyCount = sizeof(kFamilies) / sizeof(kFamilies[0]);

int PinnedFamily() {
  static const int pinned = [] {
    const char* name = std::getenv("LRW_FUZZ_DECODER");
    if (name == nullptr) return -1;
    for (int i = 0; i < kFamilyCount; ++i) {
      if (std::strcmp(name, kFamilies[i].name) == 0) return i;
    }
    return -1;
  }();
  return pinned;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

void Run(Decoder decode, std::span<const uint8_t> file) {
  const lrw::Result<lrw::Bitmap> decoded = decode(file);
  if (!decoded) {
    Check(!decoded.error().message.empty());
    return;
  }
  const lrw::Bitmap& bmp = *decoded;
  Check(bmp.width > 0 && bmp.height > 0);
  Check(bmp.width <= lrw::kMaxPictureSide && bmp.height <= lrw::kMaxPictureSide);
  Check(static_cast<int64_t>(bmp.width) * bmp.height <= lrw::kMaxDecodedPixels);
  Check(bmp.pixels.size() == static_cast<size_t>(bmp.width) * bmp.height);
}

}  // namespace

// The drawings' text needs the fonts of a QGuiApplication.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const int pinned = PinnedFamily();
  if (pinned >= 0) {
    Run(kFamilies[pinned].decode, std::span<const uint8_t>(data, size));
    return 0;
  }
  if (size == 0) return 0;
  Run(kFamilies[data[0] % kFamilyCount].decode, std::span<const uint8_t>(data + 1, size - 1));
  return 0;
}
