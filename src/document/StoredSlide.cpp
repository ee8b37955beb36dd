#include "document/StoredSlide.h"

#include <algorithm>

#include "document/BmpCodec.h"
#include "document/LittleEndian.h"
#include "document/ShowFile.h"

namespace lrw {
namespace {

// A dropped thumbnail (too large to keep) travels on with its picture.
bool KeepsStoredThumbnail(const SlideRecord& slide, const StoredSlide& stored) {
  if (!stored.thumbnailBlock || slide.Thumbnail != stored.thumbnailAsRead) return false;
  return slide.Thumbnail || slide.PictureName == SlideRecord::FromBytes(stored.record).PictureName;
}

void ClearField(SlideRecordBytes& bytes, size_t offset, size_t capacity) {
  std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), capacity + 1, 0);
}

}  // namespace

SlideRecordBytes RecordBytesOver(const SlideRecord& slide, bool portable) {
  SlideRecordBytes own = slide.ToBytes();
  if (portable) {
    ClearField(own, kPictureFolderOffset, kFolderCapacity);
    ClearField(own, kSoundFolderOffset, kFolderCapacity);
  }
  const StoredSlide* stored = slide.Stored.Get();
  if (!stored) return own;

  // Every value encodes to the bytes it was read from, so a byte where the slide's own
  // encoding and that of the values read agree is the stored one: padding, the caption
  // reference, text left after a string's end and a length byte beyond the capacity
  // stay as they were.
  const SlideRecord asRead = SlideRecord::FromBytes(stored->record);
  const SlideRecordBytes read = asRead.ToBytes();
  SlideRecordBytes out;
  for (size_t i = 0; i < out.size(); ++i) out[i] = own[i] == read[i] ? stored->record[i] : own[i];

  // The thumbnail reference: any value but zero announces the block, so the stored one
  // stands while the slide still has a block.
  const bool hadBlock = SlideRecord::HasThumbnailBlock(stored->record);
  const bool hasBlock = ThumbnailBlockOf(slide).has_value();
  if (hadBlock == hasBlock) {
    std::copy_n(stored->record.begin() + kThumbnailRefOffset, 4, out.begin() + kThumbnailRefOffset);
  } else {
    WriteLe32(out.data() + kThumbnailRefOffset, hasBlock ? 1u : 0u);
  }
  // A portable show carries no trace of a local folder, not even after a string's end.
  if (portable && !asRead.PictureFolder.empty()) {
    ClearField(out, kPictureFolderOffset, kFolderCapacity);
  }
  if (portable && !asRead.SoundFolder.empty()) {
    ClearField(out, kSoundFolderOffset, kFolderCapacity);
  }
  return out;
}

std::optional<std::vector<uint8_t>> ThumbnailBlockOf(const SlideRecord& slide) {
  const StoredSlide* stored = slide.Stored.Get();
  if (stored && KeepsStoredThumbnail(slide, *stored)) return *stored->thumbnailBlock;
  if (!slide.Thumbnail) return std::nullopt;
  return EncodeBmp(*slide.Thumbnail);
}

std::vector<uint8_t> CaptionListOf(const SlideRecord& slide) {
  const StoredSlide* stored = slide.Stored.Get();
  if (stored && slide.Caption == stored->captionAsRead) return stored->captionList;
  return EncodeCaptionList(slide.Caption);
}

}  // namespace lrw
