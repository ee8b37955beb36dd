// The show file (.sho local, .bld portable): a 43-byte header, a 5-byte origin block
// (4.0 and 5.0 signatures only), then per slide the 1116-byte record, an optional
// thumbnail block holding a BMP file and the caption list, up to the end of the file.
// A 5.0 file counts its slides in the origin block and follows them with tagged
// records (document/ShowRecords.h) for what 4.0 cannot hold; docs/show-file.md.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"
#include "document/ShowMusic.h"
#include "document/SlideRecord.h"
#include "document/SlideShowDocument.h"
#include "document/TextMark.h"

namespace lrw {

inline constexpr size_t kShowHeaderSize = 43;
inline constexpr size_t kOriginBlockSize = 5;
inline constexpr size_t kSignatureCapacity = 40;
inline constexpr std::string_view kShowSignature = "Lanternreelworks 4.0";
inline constexpr std::string_view kShowSignatureV5 = "Lanternreelworks 5.0";
inline constexpr std::string_view kShowSignatureV3 = "Brightframework Slideshow 3.0";
inline constexpr std::string_view kShowSignatureV2 = "Brightframework Slideshow 2.0";

// The largest thumbnail the reader decodes. Every writer of show files stores its
// thumbnails fitted into 60 x 60; 1024 leaves room for any that might keep a sharper one
// (17 times as wide and high) while one thumbnail stays under 4 MB decoded. A larger one
// is not a thumbnail but damage: the slide is read without it (the strip then draws it
// from its picture), since dropping a thumbnail loses nothing of the show itself.
inline constexpr int64_t kMaxThumbnailSide = 1024;

// Caption list tags.
inline constexpr uint8_t kListStart = 0x01;
inline constexpr uint8_t kListEnd = 0x00;
inline constexpr uint8_t kShortLine = 0x06;
inline constexpr uint8_t kLongLine = 0x0C;

// The read errors, worded like the platform's stream errors.
inline constexpr std::string_view kReadBeyondEnd = "Read beyond end of file";
inline constexpr std::string_view kStreamReadError = "Stream read error";
inline constexpr std::string_view kInvalidBitmap = "Bitmap image is not valid";

// What a show file holds. Damage after the header is no failure of the read: the slides
// completed before it are kept, and `damage` (kind Damaged) says what and where.
struct ShowFileContent {
  std::string signature;  // the recognised signature text
  bool loop = false;
  bool portable = false;
  std::vector<SlideRecord> slides;
  ShowMusic music;            // 5.0 only; in a portable show the paths get its folder
  bool shuffle = false;       // 5.0 only
  int droppedThumbnails = 0;  // thumbnails larger than kMaxThumbnailSide, left out
  std::optional<Error> damage;
  // A 4.0 file's header and origin block as read: another writer's bytes after the
  // signature and its own origin stand again when the show is saved as 4.0.
  std::vector<uint8_t> storedHeader;
};

// Which file a save writes: the oldest version that holds the whole show (4.0 unless
// something newer is used), or 4.0 whatever it drops (FeaturesBeyondVersion4 names it).
enum class ShowFormat { Needed, Version4 };

// Whether the show needs the 5.0 file.
bool NeedsVersion5(const SlideShowDocument& doc);

// "File " + path + " is not a slide show file."
std::string NotAShowFileText(const std::string& path);
MarkedText NotAShowFileMessage(const std::string& path);

// Reads the show file at `path` (a UTF-8 file-system path). Fails with NotAShowFile (no
// recognised signature, also a file shorter than the header) or CannotOpen (the file
// could not be opened or its header read). For a portable show, slides with a picture
// or sound name get the show file's folder (absolute, ending in "/").
Result<ShowFileContent> ReadShowFile(const std::string& path);
// The same, from bytes already in memory; `path` is used for texts and the portable folder.
Result<ShowFileContent> ParseShowFile(std::span<const uint8_t> bytes, const std::string& path);

// Opens a show into the document. A failure leaves `doc` untouched; otherwise the
// document is loaded with the slides read (the completed ones of a damaged file), the
// path as its file name, the header's loop flag and the music, unmodified. The slides
// are moved into the document, so the returned content holds none.
Result<ShowFileContent> OpenShowFile(SlideShowDocument& doc, const std::string& path);

// The caption list bytes of some lines, each in its shortest form.
std::vector<uint8_t> EncodeCaptionList(const std::vector<std::string>& lines);
// The complete file a save writes. A portable show's records carry empty folders; the
// slides themselves are not changed.
std::vector<uint8_t> EncodeShowFile(const SlideShowDocument& doc, bool portable,
                                    ShowFormat format = ShowFormat::Needed);

// Writes the document to `path`, replacing any file there only once the new one is
// complete on disk. On failure the old file is untouched. The document's modified state
// is its owner's business (the editor marks the show saved).
Result<void> WriteShowFile(const SlideShowDocument& doc, const std::string& path, bool portable,
                           ShowFormat format = ShowFormat::Needed);

}  // namespace lrw
