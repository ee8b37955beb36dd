#include "document/SlideRecord.h"

#include <algorithm>
#include <cstring>

#include "document/LittleEndian.h"

namespace lrw {
namespace {

// Field offsets of the 1116-byte layout.
constexpr size_t kPictureFolder = kPictureFolderOffset;
constexpr size_t kPictureName = 256;
constexpr size_t kPictureFormat = 512;
constexpr size_t kBackgroundColor = 516;
constexpr size_t kImageHeight = 520;
constexpr size_t kImageWidth = 522;
constexpr size_t kImageTop = 524;
constexpr size_t kImageLeft = 526;
constexpr size_t kCenterImage = 528;
constexpr size_t kShowCaption = 529;
constexpr size_t kCaptionRef = kCaptionRefOffset;
constexpr size_t kCaptionFontName = 536;
constexpr size_t kCaptionFontSize = 570;
constexpr size_t kCaptionFontColor = 572;
constexpr size_t kCaptionFontStyle = 576;
constexpr size_t kCaptionBackColor = 580;
constexpr size_t kCaptionTop = 584;
constexpr size_t kCaptionLeft = 586;
constexpr size_t kCaptionWidth = 588;
constexpr size_t kEffect = 590;
constexpr size_t kBoxWidth = 592;
constexpr size_t kPlaySound = 594;
constexpr size_t kSoundFolder = kSoundFolderOffset;
constexpr size_t kSoundName = 851;
constexpr size_t kDurationMode = 1107;
constexpr size_t kExtraSeconds = 1108;
constexpr size_t kThumbnailRef = kThumbnailRefOffset;

void PutShort(SlideRecordBytes& b, size_t at, const std::string& s, size_t capacity) {
  const size_t n = std::min(s.size(), capacity);
  b[at] = static_cast<uint8_t>(n);
  std::memcpy(b.data() + at + 1, s.data(), n);
}

std::string GetShort(std::span<const uint8_t, kSlideRecordSize> b, size_t at, size_t capacity) {
  const size_t n = std::min<size_t>(b[at], capacity);
  return std::string(reinterpret_cast<const char*>(b.data() + at + 1), n);
}

void Put16(SlideRecordBytes& b, size_t at, int16_t v) {
  WriteLe16(b.data() + at, static_cast<uint16_t>(v));
}

int16_t Get16(std::span<const uint8_t, kSlideRecordSize> b, size_t at) {
  return static_cast<int16_t>(ReadLe16(b.data() + at));
}

void Put32(SlideRecordBytes& b, size_t at, uint32_t v) {
  WriteLe32(b.data() + at, v);
}

uint32_t Get32(std::span<const uint8_t, kSlideRecordSize> b, size_t at) {
  return ReadLe32(b.data() + at);
}

}  // namespace

std::string CutToCapacity(std::string text, size_t capacity) {
  if (text.size() > capacity) text.resize(capacity);
  return text;
}

SlideRecordBytes SlideRecord::ToBytes() const {
  SlideRecordBytes b{};
  PutShort(b, kPictureFolder, PictureFolder, kFolderCapacity);
  PutShort(b, kPictureName, PictureName, kNameCapacity);
  b[kPictureFormat] = PictureFormat;
  Put32(b, kBackgroundColor, BackgroundColor);
  Put16(b, kImageHeight, ImageHeight);
  Put16(b, kImageWidth, ImageWidth);
  Put16(b, kImageTop, ImageTop);
  Put16(b, kImageLeft, ImageLeft);
  b[kCenterImage] = CenterImage;
  b[kShowCaption] = ShowCaption;
  Put32(b, kCaptionRef, 0);
  PutShort(b, kCaptionFontName, CaptionFontName, kFontNameCapacity);
  Put16(b, kCaptionFontSize, CaptionFontSize);
  Put32(b, kCaptionFontColor, CaptionFontColor);
  b[kCaptionFontStyle] = ToUnderlying(CaptionFontStyle);
  Put32(b, kCaptionBackColor, CaptionBackColor);
  Put16(b, kCaptionTop, CaptionTop);
  Put16(b, kCaptionLeft, CaptionLeft);
  Put16(b, kCaptionWidth, CaptionWidth);
  b[kEffect] = Effect;
  Put16(b, kBoxWidth, BoxWidth);
  b[kPlaySound] = PlaySound;
  PutShort(b, kSoundFolder, SoundFolder, kFolderCapacity);
  PutShort(b, kSoundName, SoundName, kNameCapacity);
  b[kDurationMode] = ToUnderlying(DurationMode);
  Put16(b, kExtraSeconds, ExtraSeconds);
  Put32(b, kThumbnailRef, Thumbnail ? 1u : 0u);
  return b;
}

SlideRecord SlideRecord::FromBytes(std::span<const uint8_t, kSlideRecordSize> b) {
  SlideRecord s;
  s.PictureFolder = GetShort(b, kPictureFolder, kFolderCapacity);
  s.PictureName = GetShort(b, kPictureName, kNameCapacity);
  s.PictureFormat = b[kPictureFormat];
  s.BackgroundColor = Get32(b, kBackgroundColor);
  s.ImageHeight = Get16(b, kImageHeight);
  s.ImageWidth = Get16(b, kImageWidth);
  s.ImageTop = Get16(b, kImageTop);
  s.ImageLeft = Get16(b, kImageLeft);
  s.CenterImage = b[kCenterImage];
  s.ShowCaption = b[kShowCaption];
  s.CaptionFontName = GetShort(b, kCaptionFontName, kFontNameCapacity);
  s.CaptionFontSize = Get16(b, kCaptionFontSize);
  s.CaptionFontColor = Get32(b, kCaptionFontColor);
  s.CaptionFontStyle = static_cast<FontStyle>(b[kCaptionFontStyle]);
  s.CaptionBackColor = Get32(b, kCaptionBackColor);
  s.CaptionTop = Get16(b, kCaptionTop);
  s.CaptionLeft = Get16(b, kCaptionLeft);
  s.CaptionWidth = Get16(b, kCaptionWidth);
  s.Effect = b[kEffect];
  s.BoxWidth = Get16(b, kBoxWidth);
  s.PlaySound = b[kPlaySound];
  s.SoundFolder = GetShort(b, kSoundFolder, kFolderCapacity);
  s.SoundName = GetShort(b, kSoundName, kNameCapacity);
  s.DurationMode = static_cast<lrw::DurationMode>(b[kDurationMode]);
  s.ExtraSeconds = Get16(b, kExtraSeconds);
  return s;
}

bool SlideRecord::HasThumbnailBlock(std::span<const uint8_t, kSlideRecordSize> b) {
  return Get32(b, kThumbnailRef) != 0;
}

void SetDesignerCaptionFont(SlideRecord& slide) {
  slide.CaptionFontName = kDesignerFontName;
  slide.CaptionFontSize = kDesignerFontSize;
  slide.CaptionFontColor = kWindowTextColor;
  slide.CaptionFontStyle = FontStyle::None;
}

SlideRecord FirstSlideDefaults() {
  SlideRecord s;
  s.BackgroundColor = 0;
  s.CenterImage = 1;
  s.Effect = 0;
  s.BoxWidth = 2;
  s.DurationMode = DurationMode::TimeElapsed;
  s.ExtraSeconds = 5;
  s.CaptionBackColor = 0xFFFFFF;
  SetDesignerCaptionFont(s);
  return s;
}

}  // namespace lrw
