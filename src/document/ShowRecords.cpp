#include "document/ShowRecords.h"

#include <algorithm>

#include "document/LittleEndian.h"
#include "document/Paths.h"
#include "document/ShowFile.h"
#include "document/SlideExtensionRecords.h"
#include "document/SlideShowDocument.h"

namespace lrw {
namespace {

constexpr uint8_t kMusicLoopsOnItsOwn = 0x01;
constexpr uint8_t kShuffleOn = 0x01;
// Volume, fade-in, fade-out, flags and the track count come before the tracks.
constexpr size_t kMusicFixedSize = 2 + 4 + 4 + 1 + 2;

}  // namespace

std::vector<ShowRecord> ExtensionRecordsOf(const SlideShowDocument& doc, bool portable) {
  std::vector<ShowRecord> records;
  if (doc.Music().Present()) {
    records.push_back({kMusicRecordTag, kShowOwner, EncodeMusicPayload(doc.Music(), portable)});
  }
  if (doc.Shuffle()) records.push_back({kShuffleRecordTag, kShowOwner, {kShuffleOn}});
  for (int i = 0; i < doc.Count(); ++i) {
    AppendSlideRecords(doc.SlideAt(i), static_cast<uint32_t>(i + 1), records);
  }
  return records;
}

std::vector<MarkedText> MarkedFeaturesBeyondVersion4(const SlideShowDocument& doc) {
  std::vector<MarkedText> features;
  if (const size_t n = doc.Music().tracks.size(); n > 0) {
    features.push_back(CountedText("the music (1 file)",
                                   LRW_TR_N_NOOP("lrw::Messages", "the music (%n files)"),
                                   static_cast<int>(n)));
  }
  if (doc.Shuffle()) {
    features.push_back(
        TermText("lrw::Messages", LRW_TR_NOOP("lrw::Messages", "the shuffled order")));
  }
  for (MarkedText& phrase : SlideFeaturesBeyondVersion4(doc.Slides())) {
    features.push_back(std::move(phrase));
  }
  return features;
}

std::vector<std::string> FeaturesBeyondVersion4(const SlideShowDocument& doc) {
  std::vector<std::string> features;
  for (const MarkedText& phrase : MarkedFeaturesBeyondVersion4(doc)) {
    features.push_back(phrase.english);
  }
  return features;
}

void AppendRecord(std::vector<uint8_t>& out, const ShowRecord& record) {
  AppendLe32(out, record.tag);
  AppendLe32(out, record.owner);
  AppendLe32(out, static_cast<uint32_t>(record.payload.size()));
  out.insert(out.end(), record.payload.begin(), record.payload.end());
}

Result<void> ApplyRecord(const ShowRecord& record, ShowFileContent& content) {
  if (record.tag == kMusicRecordTag && record.owner == kShowOwner) {
    Result<ShowMusic> music = DecodeMusicPayload(record.payload);
    if (!music) return Fail(std::move(music).error());
    content.music = std::move(*music);
  } else if (record.tag == kShuffleRecordTag && record.owner == kShowOwner) {
    if (record.payload.empty()) return Fail(ErrorKind::Damaged, "its shuffle record is empty");
    content.shuffle = (record.payload[0] & kShuffleOn) != 0;
  } else if (record.owner != kShowOwner) {
    return ApplySlideRecord(record, content.slides[record.owner - 1]);
  }
  // Anything else is a record of a later version: skipped.
  return {};
}

std::vector<uint8_t> EncodeMusicPayload(const ShowMusic& music, bool portable) {
  std::vector<uint8_t> out;
  AppendLe16(out, static_cast<uint16_t>(std::clamp(music.volumePercent, 0, 100)));
  AppendLe32(out, static_cast<uint32_t>(std::clamp(music.fadeInMs, 0, kMaxMusicFadeMs)));
  AppendLe32(out, static_cast<uint32_t>(std::clamp(music.fadeOutMs, 0, kMaxMusicFadeMs)));
  out.push_back(music.loopList ? kMusicLoopsOnItsOwn : 0);
  const size_t count = std::min<size_t>(music.tracks.size(), 0xFFFF);
  AppendLe16(out, static_cast<uint16_t>(count));
  for (size_t i = 0; i < count; ++i) {
    // A portable show keeps its files beside the show file, so only the name travels.
    std::string path = portable ? FileNameOf(music.tracks[i]) : music.tracks[i];
    if (path.size() > 0xFFFF) path.resize(0xFFFF);
    AppendLe16(out, static_cast<uint16_t>(path.size()));
    out.insert(out.end(), path.begin(), path.end());
  }
  return out;
}

Result<ShowMusic> DecodeMusicPayload(std::span<const uint8_t> payload) {
  if (payload.size() < kMusicFixedSize) {
    return Fail("its music record is too short");
  }
  const uint8_t* p = payload.data();
  ShowMusic music;
  music.volumePercent = std::min<int>(ReadLe16(p), 100);
  music.fadeInMs = static_cast<int>(std::min<uint32_t>(ReadLe32(p + 2), kMaxMusicFadeMs));
  music.fadeOutMs = static_cast<int>(std::min<uint32_t>(ReadLe32(p + 6), kMaxMusicFadeMs));
  music.loopList = (p[10] & kMusicLoopsOnItsOwn) != 0;
  const uint16_t count = ReadLe16(p + 11);
  size_t at = kMusicFixedSize;
  for (uint16_t i = 0; i < count; ++i) {
    if (payload.size() - at < 2) {
      return Fail("its music record ends inside the list of files");
    }
    const uint16_t length = ReadLe16(p + at);
    at += 2;
    if (payload.size() - at < length || length == 0 ||
        std::find(p + at, p + at + length, 0) != p + at + length) {
      return Fail("its music record names a file that is empty or runs past the record");
    }
    music.tracks.emplace_back(reinterpret_cast<const char*>(p + at), length);
    at += length;
  }
  // Bytes after the known fields belong to a later version of the record: ignored.
  return music;
}

}  // namespace lrw
