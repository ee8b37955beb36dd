// The blocks of one slide as a show file held them, and what they were read as.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/Bitmap.h"
#include "document/SlideRecord.h"

namespace lrw {

struct StoredSlide {
  SlideRecordBytes record{};
  std::optional<std::vector<uint8_t>> thumbnailBlock;  // its bytes after the length
  std::optional<Bitmap> thumbnailAsRead;               // none when too large to keep
  std::vector<uint8_t> captionList;
  std::vector<std::string> captionAsRead;
};

// The slide's record: the stored bytes where its values are those read, its own
// encoding where they changed. `portable` leaves the folders out.
SlideRecordBytes RecordBytesOver(const SlideRecord& slide, bool portable);

// The thumbnail block's bytes after its length, or none when the slide has no thumbnail.
std::optional<std::vector<uint8_t>> ThumbnailBlockOf(const SlideRecord& slide);

// The caption list's bytes.
std::vector<uint8_t> CaptionListOf(const SlideRecord& slide);

}  // namespace lrw
