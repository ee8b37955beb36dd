// The additions of show file 5.0: tagged, length-prefixed records after the slide
// blocks, each owned by the show or by one slide (by its position). A reader skips a
// record whose tag it does not know, so later versions can add records; the layout is
// described in docs/show-file.md.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Result.h"
#include "document/ShowMusic.h"
#include "document/TextMark.h"

namespace lrw {

class SlideShowDocument;
struct ShowFileContent;

constexpr uint32_t MakeRecordTag(char a, char b, char c, char d) {
  return static_cast<uint32_t>(static_cast<uint8_t>(a)) |
         (static_cast<uint32_t>(static_cast<uint8_t>(b)) << 8) |
         (static_cast<uint32_t>(static_cast<uint8_t>(c)) << 16) |
         (static_cast<uint32_t>(static_cast<uint8_t>(d)) << 24);
}

// Every record starts with tag, owner and payload length (32 bits each).
inline constexpr size_t kRecordHeadSize = 12;
// The last record of every 5.0 file: tag 0, owner 0, no payload.
inline constexpr uint32_t kEndRecordTag = 0;
inline constexpr uint32_t kMusicRecordTag = MakeRecordTag('M', 'U', 'S', 'C');
inline constexpr uint32_t kShuffleRecordTag = MakeRecordTag('S', 'H', 'U', 'F');
// Owner 0 is the show; 1..N are the slides in show order.
inline constexpr uint32_t kShowOwner = 0;

struct ShowRecord {
  uint32_t tag = 0;
  uint32_t owner = kShowOwner;
  std::vector<uint8_t> payload;
};

// The records the show needs beyond the 4.0 parts, in the order a file holds them;
// empty when a 4.0 file holds everything. A portable show's records name files by
// their bare names.
std::vector<ShowRecord> ExtensionRecordsOf(const SlideShowDocument& doc, bool portable);

// What a 4.0 file would not keep of the show, one phrase each ("the music (2 files)").
std::vector<MarkedText> MarkedFeaturesBeyondVersion4(const SlideShowDocument& doc);
// The same phrases in English.
std::vector<std::string> FeaturesBeyondVersion4(const SlideShowDocument& doc);

void AppendRecord(std::vector<uint8_t>& out, const ShowRecord& record);

// Takes a record the reader found into the content (its owner already checked against
// the slides read). Unknown tags are skipped; fails, saying why, when a known record is
// damaged.
Result<void> ApplyRecord(const ShowRecord& record, ShowFileContent& content);

std::vector<uint8_t> EncodeMusicPayload(const ShowMusic& music, bool portable);
Result<ShowMusic> DecodeMusicPayload(std::span<const uint8_t> payload);

}  // namespace lrw
