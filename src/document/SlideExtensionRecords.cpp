#include "document/SlideExtensionRecords.h"

#include <algorithm>

#include "document/LittleEndian.h"
#include "document/TextMark.h"
#include "effects/EffectNames.h"
#include "effects/SmoothTransitions.h"

namespace lrw {
namespace {

// Kind, strength, ease, then the custom start and end rectangles (four 32-bit values each).
constexpr size_t kMotionPayloadSize = 3 + 8 * 4;
// Long lists of slides are cut here in messages.
constexpr size_t kListedSlides = 8;

void AppendRect(std::vector<uint8_t>& out, const MotionRect& r) {
  for (int32_t v : {r.x, r.y, r.width, r.height}) AppendLe32(out, static_cast<uint32_t>(v));
}

MotionRect ReadRect(const uint8_t* p) {
  return {static_cast<int32_t>(ReadLe32(p)), static_cast<int32_t>(ReadLe32(p + 4)),
          static_cast<int32_t>(ReadLe32(p + 8)), static_cast<int32_t>(ReadLe32(p + 12))};
}

// "2, 3, 4 and 5 more": the first slides of a long list and how many more there are.
MarkedText SlideList(const std::vector<MarkedText>& items) {
  MarkedText text = items.front();
  for (size_t i = 1; i < items.size() && i < kListedSlides; ++i) {
    text = ComposedText(LRW_TR_NOOP("lrw::Messages", "%1, %2"), {std::move(text), items[i]});
  }
  if (items.size() > kListedSlides) {
    const int more = static_cast<int>(items.size() - kListedSlides);
    text = CountedText("%1 and %n more", LRW_TR_N_NOOP("lrw::Messages", "%1 and %n more"), more,
                       {std::move(text)});
  }
  return text;
}

}  // namespace

std::vector<uint8_t> EncodeMotionPayload(const SlideMotion& motion) {
  std::vector<uint8_t> out;
  out.push_back(static_cast<uint8_t>(motion.kind));
  out.push_back(std::min<uint8_t>(motion.strength, 100));
  out.push_back(static_cast<uint8_t>(motion.ease));
  AppendRect(out, motion.start);
  AppendRect(out, motion.end);
  return out;
}

Result<SlideMotion> DecodeMotionPayload(std::span<const uint8_t> payload) {
  if (payload.size() < kMotionPayloadSize) {
    return Fail("its motion record is too short");
  }
  const uint8_t* p = payload.data();
  if (p[0] == 0 || p[0] >= kMotionKindCount || p[2] > 1) {
    return Fail("its motion record names no motion it knows");
  }
  SlideMotion motion;
  motion.kind = static_cast<MotionKind>(p[0]);
  motion.strength = std::min<uint8_t>(p[1], 100);
  motion.ease = static_cast<MotionEase>(p[2]);
  motion.start = ReadRect(p + 3);
  motion.end = ReadRect(p + 19);
  return motion;
}

void AppendSlideRecords(const SlideRecord& slide, uint32_t owner, std::vector<ShowRecord>& out) {
  if (slide.Motion.Present()) {
    out.push_back({kMotionRecordTag, owner, EncodeMotionPayload(slide.Motion)});
  }
  if (slide.Smooth != SmoothEffect::None) {
    out.push_back({kSmoothRecordTag, owner, {static_cast<uint8_t>(slide.Smooth)}});
  }
}

Result<void> ApplySlideRecord(const ShowRecord& record, SlideRecord& slide) {
  if (record.tag == kMotionRecordTag) {
    Result<SlideMotion> motion = DecodeMotionPayload(record.payload);
    if (!motion) return Fail(std::move(motion).error());
    slide.Motion = *motion;
  } else if (record.tag == kSmoothRecordTag) {
    if (record.payload.empty() || record.payload[0] == 0 ||
        record.payload[0] > kSmoothEffectCount) {
      return Fail("its transition record names no transition it knows");
    }
    slide.Smooth = static_cast<SmoothEffect>(record.payload[0]);
  }
  return {};
}

std::vector<MarkedText> SlideFeaturesBeyondVersion4(const std::vector<SlideRecord>& slides) {
  std::vector<MarkedText> motion;
  std::vector<MarkedText> smooth;
  for (size_t i = 0; i < slides.size(); ++i) {
    const SlideRecord& s = slides[i];
    MarkedText n = PlainText(std::to_string(i + 1));
    if (s.Motion.Present()) motion.push_back(n);
    if (s.Smooth != SmoothEffect::None) {
      const auto& names = EffectNames();
      const std::string_view block = names[std::min<size_t>(s.Effect, names.size() - 1)];
      smooth.push_back(ComposedText(
          LRW_TR_NOOP("lrw::Messages", "%1 (%2 becomes %3)"),
          {std::move(n), TermText("lrw::EffectNames", SmoothEffectName(s.Smooth).data()),
           TermText("lrw::EffectNames", block.data())}));
    }
  }
  std::vector<MarkedText> features;
  if (!motion.empty()) {
    features.push_back(CountedText("the motion of slide %1",
                                   LRW_TR_N_NOOP("lrw::Messages", "the motion of slides %1"),
                                   static_cast<int>(motion.size()), {SlideList(motion)}));
  }
  if (!smooth.empty()) {
    features.push_back(
        CountedText("the smooth transition of slide %1",
                    LRW_TR_N_NOOP("lrw::Messages", "the smooth transitions of slides %1"),
                    static_cast<int>(smooth.size()), {SlideList(smooth)}));
  }
  return features;
}

}  // namespace lrw
