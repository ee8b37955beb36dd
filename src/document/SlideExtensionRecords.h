// The per-slide records of show file 5.0: a slide's motion (`MOTN`) and its smooth
// transition (`TRAN`), written only for slides that have them (docs/show-file.md).
#pragma once

#include <span>
#include <string>
#include <vector>

#include "document/ShowRecords.h"
#include "document/SlideRecord.h"
#include "document/TextMark.h"

namespace lrw {

inline constexpr uint32_t kMotionRecordTag = MakeRecordTag('M', 'O', 'T', 'N');
inline constexpr uint32_t kSmoothRecordTag = MakeRecordTag('T', 'R', 'A', 'N');

// The slide's records (owner: its position from 1).
void AppendSlideRecords(const SlideRecord& slide, uint32_t owner, std::vector<ShowRecord>& out);

// Takes a slide record into `slide`; fails, saying why, when it is damaged. Tags of
// others are left alone.
Result<void> ApplySlideRecord(const ShowRecord& record, SlideRecord& slide);

// What a 4.0 file would not keep of the slides' motion and smooth transitions, one phrase
// each, naming the slides and the block transitions they fall back to.
std::vector<MarkedText> SlideFeaturesBeyondVersion4(const std::vector<SlideRecord>& slides);

std::vector<uint8_t> EncodeMotionPayload(const SlideMotion& motion);
Result<SlideMotion> DecodeMotionPayload(std::span<const uint8_t> payload);

}  // namespace lrw
