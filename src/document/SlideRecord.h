// One slide of a show. In memory a value type; on disk the fixed 1116-byte record
// that show files carry unchanged, so the conversion below is a file format.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Flags.h"
#include "document/Bitmap.h"
#include "document/SlideMotion.h"
#include "document/StoredForm.h"

namespace lrw {

inline constexpr size_t kSlideRecordSize = 1116;
using SlideRecordBytes = std::array<uint8_t, kSlideRecordSize>;

// Capacities of the short strings (one length byte, then up to this many bytes).
inline constexpr size_t kFolderCapacity = 255;
inline constexpr size_t kNameCapacity = 255;
inline constexpr size_t kFontNameCapacity = 32;

// Offsets a show file needs beyond the record's own conversion: the folders that a
// portable show leaves empty, and the references whose four bytes stand for blocks.
inline constexpr size_t kPictureFolderOffset = 0;
inline constexpr size_t kCaptionRefOffset = 532;
inline constexpr size_t kSoundFolderOffset = 595;
inline constexpr size_t kThumbnailRefOffset = 1112;

// How long a slide stays. The record keeps the file's byte as it is: a value outside
// these three is read, kept and written again unchanged, and waits as none of them.
enum class DurationMode : uint8_t { EnterPressed = 0, SoundEnded = 1, TimeElapsed = 2 };

// Caption font style bits. The record keeps all eight bits of the file's byte; only these
// four mean something.
enum class FontStyle : uint8_t { None = 0, Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
template <>
inline constexpr bool kIsFlagEnum<FontStyle> = true;

// The window-text system colour; record colours with the top byte 0x80 name a system colour.
inline constexpr uint32_t kWindowTextColor = 0x80000008u;

struct SlideRecord {
  // Text fields hold Windows-1252 bytes exactly as stored in the file.
  std::string PictureFolder;  // ends with "/"; empty for a blank slide
  std::string PictureName;    // empty: a blank slide
  uint8_t PictureFormat = 0;
  uint32_t BackgroundColor = 0;
  int16_t ImageHeight = 0;
  int16_t ImageWidth = 0;
  int16_t ImageTop = 0;
  int16_t ImageLeft = 0;
  uint8_t CenterImage = 0;
  uint8_t ShowCaption = 0;
  std::vector<std::string> Caption;
  std::string CaptionFontName;
  int16_t CaptionFontSize = 0;
  uint32_t CaptionFontColor = 0;
  FontStyle CaptionFontStyle = FontStyle::None;
  uint32_t CaptionBackColor = 0;
  int16_t CaptionTop = 0;
  int16_t CaptionLeft = 0;
  int16_t CaptionWidth = 0;
  uint8_t Effect = 0;
  int16_t BoxWidth = 0;
  uint8_t PlaySound = 0;
  std::string SoundFolder;
  std::string SoundName;
  lrw::DurationMode DurationMode = lrw::DurationMode::EnterPressed;
  int16_t ExtraSeconds = 0;
  std::optional<Bitmap> Thumbnail;
  // Show file 5.0 only (tagged records after the slides); not part of the 1116 bytes.
  SlideMotion Motion;
  SmoothEffect Smooth = SmoothEffect::None;  // None: the block Effect plays
  // The blocks of the file this slide was read from, written again while unchanged.
  StoredForm Stored;

  bool IsBlank() const { return PictureName.empty(); }
  bool operator==(const SlideRecord&) const = default;
  // Folder and name joined, as Windows-1252 bytes.
  std::string PicturePath() const { return PictureFolder + PictureName; }
  std::string SoundPath() const { return SoundFolder + SoundName; }

  // The 1116-byte layout. Texts longer than their field are cut to its capacity;
  // padding is zero; offset 1112 is 1 exactly when the slide has a thumbnail.
  SlideRecordBytes ToBytes() const;
  // Caption and Thumbnail stay empty: their contents follow the record in a file.
  static SlideRecord FromBytes(std::span<const uint8_t, kSlideRecordSize> bytes);
  // Whether the record's thumbnail reference (offset 1112) announces a thumbnail block.
  static bool HasThumbnailBlock(std::span<const uint8_t, kSlideRecordSize> bytes);
};

// Keeps the first `capacity` bytes, as assigning to a short string does.
std::string CutToCapacity(std::string text, size_t capacity);

// The designer window's own font, which every new caption starts with.
inline constexpr const char* kDesignerFontName = "MS Sans Serif";
inline constexpr int16_t kDesignerFontSize = 8;

// The settings of a slide made when there is no current slide to copy from.
SlideRecord FirstSlideDefaults();

// Sets the caption font fields to the designer window's font.
void SetDesignerCaptionFont(SlideRecord& slide);

}  // namespace lrw
