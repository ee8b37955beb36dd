// libFuzzer target for the show file reader and the BMP decoder. Besides surviving
// any input, whatever reads must survive a save and read back the same.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "document/BmpCodec.h"
#include "document/ShowFile.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

void FuzzBmp(std::span<const uint8_t> data) {
  const lrw::Result<lrw::Bitmap> bmp = lrw::DecodeBmp(data);
  Check(bmp.has_value() || !bmp.error().message.empty());
  if (!bmp) return;
  Check(static_cast<uint64_t>(bmp->width) * bmp->height <= lrw::kMaxBmpPixels);
  Check(bmp->pixels.size() == static_cast<size_t>(bmp->width) * bmp->height);
  if (bmp->empty()) return;
  const auto again = lrw::DecodeBmp(lrw::EncodeBmp(*bmp));
  Check(again.has_value() && *again == *bmp);
}

void FuzzShow(std::span<const uint8_t> data) {
  const lrw::Result<lrw::ShowFileContent> read = lrw::ParseShowFile(data, "/fuzz/show.bld");
  Check(read ? !read->damage || !read->damage->message.empty() : !read.error().message.empty());
  const lrw::ShowFileContent r = read ? *read : lrw::ShowFileContent{};
  // The 5.0 records (music) are kept through a save as well; without them the save is 4.0.
  lrw::SlideShowDocument doc;
  doc.Load(r.slides, {}, r.loop, r.music);
  const std::vector<uint8_t> saved = lrw::EncodeShowFile(doc, false);
  const lrw::Result<lrw::ShowFileContent> reread = lrw::ParseShowFile(saved, "/fuzz/again.sho");
  Check(reread && !reread->damage);
  const lrw::ShowFileContent& back = *reread;
  Check(back.slides.size() == r.slides.size());
  Check(back.music == (r.music.Present() ? r.music : lrw::ShowMusic{}));
  Check((back.signature == lrw::kShowSignatureV5) == r.music.Present());
  // Saved as 4.0 on purpose, the same slides without the records.
  const lrw::Result<lrw::ShowFileContent> v4 = lrw::ParseShowFile(
      lrw::EncodeShowFile(doc, false, lrw::ShowFormat::Version4), "/fuzz/v4.sho");
  Check(v4 && !v4->damage && v4->slides.size() == r.slides.size());
  for (size_t i = 0; i < r.slides.size(); ++i) {
    const lrw::SlideRecord& a = r.slides[i];
    const lrw::SlideRecord& b = back.slides[i];
    Check(a.ToBytes() == b.ToBytes());
    Check(a.Caption == b.Caption);
    Check(a.Thumbnail == b.Thumbnail);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
    FuzzBmp(bytes);
  } else {
    FuzzShow(bytes);
  }
  return 0;
}
