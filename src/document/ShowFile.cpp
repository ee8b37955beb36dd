#include "document/ShowFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <utility>

#include "document/AtomicFile.h"
#include "document/BmpCodec.h"
#include "document/Cp1252.h"
#include "document/LittleEndian.h"
#include "document/Paths.h"
#include "document/PortableBuilder.h"
#include "document/ShowRecords.h"
#include "document/StoredSlide.h"

namespace lrw {
namespace {

constexpr size_t kLoopFlagOffset = 41;
constexpr size_t kPortableFlagOffset = 42;
constexpr uint8_t kOriginByte = 0x01;
constexpr uint32_t kOriginWord = 0;

// Where the reader takes its bytes from. Remaining() is known in advance, so every
// length read from the file is checked against it before anything is allocated.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t Remaining() const = 0;
  // Reads exactly n bytes (n <= Remaining()); false on an input/output failure.
  virtual bool Read(uint8_t* dst, size_t n) = 0;
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  uint64_t Remaining() const override { return bytes_.size() - pos_; }
  bool Read(uint8_t* dst, size_t n) override {
    if (n > Remaining()) return false;
    std::memcpy(dst, bytes_.data() + pos_, n);
    pos_ += n;
    return true;
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
};

class FileSource : public ByteSource {
 public:
  FileSource(std::FILE* file, uint64_t size) : file_(file), remaining_(size) {}
  uint64_t Remaining() const override { return remaining_; }
  bool Read(uint8_t* dst, size_t n) override {
    if (n > remaining_ || std::fread(dst, 1, n, file_.get()) != n) return false;
    remaining_ -= n;
    return true;
  }

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  uint64_t remaining_;
};

std::optional<std::string_view> RecognisedSignature(const uint8_t* header) {
  for (std::string_view sig :
       {kShowSignature, kShowSignatureV5, kShowSignatureV3, kShowSignatureV2}) {
    if (header[0] == sig.size() && std::memcmp(header + 1, sig.data(), sig.size()) == 0) {
      return sig;
    }
  }
  return std::nullopt;
}

// The folder of the show file as record text: absolute, ending in "/", Windows-1252;
// empty when Windows-1252 cannot write it.
std::string PortableFolder(const std::string& path) {
  std::error_code ec;
  std::filesystem::path abs = std::filesystem::absolute(path, ec);
  const std::string full = ec ? path : abs.lexically_normal().string();
  return Utf8ToCp1252(FolderOf(full)).value_or(std::string());
}

// Reads the slide blocks after the header; stops at the first damage.
class SlideReader {
 public:
  SlideReader(ByteSource& src, const std::string& path, ShowFileContent& result)
      : src_(src), path_(path), result_(result) {}

  void ReadAll() {
    while (src_.Remaining() > 0) {
      std::optional<SlideRecord> slide = ReadSlide();
      if (!slide) return;
      result_.slides.push_back(std::move(*slide));
    }
  }

  // 5.0: exactly `count` slide blocks, then the records up to the end record, which
  // ends the file. A file cut anywhere therefore reads as damaged, never as a shorter show.
  void ReadVersion5(uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) {
      if (!Need(1, "the slide record")) return;
      std::optional<SlideRecord> slide = ReadSlide();
      if (!slide) return;
      result_.slides.push_back(std::move(*slide));
    }
    for (;;) {
      uint8_t head[kRecordHeadSize];
      if (!src_.Remaining()) {
        DamageInRecords(kReadBeyondEnd, "the records end without their end record");
        return;
      }
      if (!ReadInRecords(head, sizeof head, "a record")) return;
      ShowRecord record{ReadLe32(head), ReadLe32(head + 4), {}};
      const uint32_t length = ReadLe32(head + 8);
      if (record.tag == kEndRecordTag) {
        if (record.owner != 0 || length != 0 || src_.Remaining() != 0) {
          DamageInRecords(kStreamReadError, "its end record is not the end of the file");
          return;
        }
        break;
      }
      if (record.owner > result_.slides.size()) {
        DamageInRecords(kStreamReadError, "a record names slide " + std::to_string(record.owner) +
                                              " of a show of " +
                                              std::to_string(result_.slides.size()));
        return;
      }
      if (length > src_.Remaining()) {
        DamageInRecords(kReadBeyondEnd, "a record runs past the end of the file");
        return;
      }
      record.payload.resize(length);
      if (!ReadInRecords(record.payload.data(), length, "a record")) return;
      if (Result<void> applied = ApplyRecord(record, result_); !applied) {
        DamageInRecords(kStreamReadError, applied.error().message);
        return;
      }
    }
    if (result_.portable) ApplyPortableMusicFolder();
  }

  // Reads n bytes or records the error; n is checked before the caller allocates.
  bool Need(uint64_t n, std::string_view what) {
    if (n <= src_.Remaining()) return true;
    Damage(kReadBeyondEnd, std::string(what) + " runs past the end of the file");
    return false;
  }

  bool Read(uint8_t* dst, size_t n, std::string_view what) {
    if (!Need(n, what)) return false;
    if (src_.Read(dst, n)) {
      if (tap_) tap_->insert(tap_->end(), dst, dst + n);
      return true;
    }
    Damage(kStreamReadError, "the file could not be read");
    return false;
  }

  // The text reads "<kind>. Slide <n> of "<path>": <detail>." so that the user learns
  // both what went wrong and where the show stops.
  void Damage(std::string_view kind, const std::string& detail) {
    SetDamage(std::string(kind) + ". Slide " + std::to_string(result_.slides.size() + 1) +
              " of \"" + path_ + "\": " + detail);
  }

  // Damage after the slides: every slide was read, so the text names none.
  void DamageInRecords(std::string_view kind, const std::string& detail) {
    SetDamage(std::string(kind) + ". After the slides of \"" + path_ + "\": " + detail);
  }

  bool ReadInRecords(uint8_t* dst, size_t n, std::string_view what) {
    if (n > src_.Remaining()) {
      DamageInRecords(kReadBeyondEnd, std::string(what) + " runs past the end of the file");
      return false;
    }
    if (src_.Read(dst, n)) return true;
    DamageInRecords(kStreamReadError, "the file could not be read");
    return false;
  }

 private:
  void SetDamage(std::string text) {
    if (text.back() != '.') text += '.';
    result_.damage = Error(ErrorKind::Damaged, std::move(text));
  }

  std::optional<SlideRecord> ReadSlide() {
    auto stored = std::make_shared<StoredSlide>();
    SlideRecordBytes& bytes = stored->record;
    if (!Read(bytes.data(), bytes.size(), "the slide record")) return std::nullopt;
    SlideRecord slide = SlideRecord::FromBytes(bytes);
    if (result_.portable && !ApplyPortableFolder(slide)) return std::nullopt;
    if (SlideRecord::HasThumbnailBlock(bytes)) {
      if (!ReadThumbnail(slide, stored->thumbnailBlock.emplace())) return std::nullopt;
      stored->thumbnailAsRead = slide.Thumbnail;
    }
    tap_ = &stored->captionList;
    const bool captionRead = ReadCaption(slide);
    tap_ = nullptr;
    if (!captionRead) return std::nullopt;
    stored->captionAsRead = slide.Caption;
    slide.Stored = StoredForm(std::move(stored));
    return slide;
  }

  bool ApplyPortableFolder(SlideRecord& slide) {
    if (slide.PictureName.empty() && slide.SoundName.empty()) return true;
    // The builder writes plain file names only, so a name with a folder in it, or "..",
    // was not made by a build: it would point outside the show's folder, and a later
    // Save would copy from or to there. Such a file is damaged like any other.
    for (const auto& [name, kind] :
         {std::pair{&slide.PictureName, "picture"}, std::pair{&slide.SoundName, "sound"}}) {
      if (!name->empty() && !IsPlainFileName(*name)) {
        Damage(kStreamReadError, std::string("its ") + kind + " name \"" + Cp1252ToUtf8(*name) +
                                     "\" is not a plain file name, but a portable show keeps "
                                     "its files beside the show file");
        return false;
      }
    }
    if (!portableFolder_) {
      portableFolder_ = PortableFolder(path_);
      if (portableFolder_->empty()) {
        Damage(kStreamReadError,
               "the folder of the portable show cannot be written in the Windows-1252 "
               "character set; move the show to a folder whose name can");
        return false;
      }
    }
    if (!slide.PictureName.empty()) slide.PictureFolder = *portableFolder_;
    if (!slide.SoundName.empty()) slide.SoundFolder = *portableFolder_;
    return true;
  }

  // As for pictures and sounds: bare names, found beside the show file.
  void ApplyPortableMusicFolder() {
    std::error_code ec;
    const std::filesystem::path abs = std::filesystem::absolute(path_, ec);
    const std::string folder = FolderOf(ec ? path_ : abs.lexically_normal().string());
    for (std::string& track : result_.music.tracks) {
      if (!IsPlainFileName(track)) {
        DamageInRecords(kStreamReadError, "its music file \"" + track +
                                              "\" is not a plain file name, but a portable show "
                                              "keeps its files beside the show file");
        result_.music = ShowMusic{};
        return;
      }
      track = folder + track;
    }
  }

  // The block's bytes after its length go to `bmp`.
  bool ReadThumbnail(SlideRecord& slide, std::vector<uint8_t>& bmp) {
    uint8_t lengthBytes[4];
    if (!Read(lengthBytes, 4, "the thumbnail length")) return false;
    const uint32_t length = ReadLe32(lengthBytes);
    if (length == 0) {
      slide.Thumbnail = Bitmap();
      return true;
    }
    if (!Need(length, "the thumbnail")) return false;
    bmp.resize(length);
    if (!Read(bmp.data(), length, "the thumbnail")) return false;
    const std::optional<BmpSize> declared = DeclaredBmpSize(bmp);
    if (declared && (declared->width > kMaxThumbnailSide || declared->height > kMaxThumbnailSide)) {
      slide.Thumbnail.reset();
      ++result_.droppedThumbnails;
      return true;
    }
    Result<Bitmap> thumbnail = DecodeBmp(bmp, BmpSize{kMaxThumbnailSide, kMaxThumbnailSide});
    if (!thumbnail) {
      Damage(kInvalidBitmap, "its thumbnail is damaged. " + thumbnail.error().message);
      return false;
    }
    slide.Thumbnail = std::move(*thumbnail);
    return true;
  }

  bool ReadCaption(SlideRecord& slide) {
    uint8_t tag = 0;
    if (!Read(&tag, 1, "the caption list")) return false;
    if (tag != kListStart) {
      Damage(kStreamReadError, "the caption list does not start with its list marker");
      return false;
    }
    slide.Caption.clear();
    for (;;) {
      if (!Read(&tag, 1, "the caption list")) return false;
      uint64_t length = 0;
      if (tag == kListEnd) return true;
      if (tag == kShortLine) {
        uint8_t n = 0;
        if (!Read(&n, 1, "a caption line")) return false;
        length = n;
      } else if (tag == kLongLine) {
        uint8_t n[4];
        if (!Read(n, 4, "a caption line")) return false;
        length = ReadLe32(n);
      } else {
        Damage(kStreamReadError, "the caption list holds an item that is not a text line");
        return false;
      }
      if (!Need(length, "a caption line")) return false;
      std::string line(length, '\0');
      if (!Read(reinterpret_cast<uint8_t*>(line.data()), length, "a caption line")) {
        return false;
      }
      slide.Caption.push_back(std::move(line));
    }
  }

  ByteSource& src_;
  const std::string& path_;
  ShowFileContent& result_;
  std::optional<std::string> portableFolder_;  // found at the first slide that needs it
  std::vector<uint8_t>* tap_ = nullptr;        // where the bytes read go as well
};

Result<ShowFileContent> Parse(ByteSource& src, const std::string& path) {
  std::array<uint8_t, kShowHeaderSize> header{};
  if (src.Remaining() < header.size()) {
    return Fail(ErrorKind::NotAShowFile, NotAShowFileText(path));
  }
  if (!src.Read(header.data(), header.size())) {
    return Fail(ErrorKind::CannotOpen,
                "Cannot read file \"" + path + "\". " + std::string(kStreamReadError));
  }
  const auto signature = RecognisedSignature(header.data());
  if (!signature) return Fail(ErrorKind::NotAShowFile, NotAShowFileText(path));
  ShowFileContent result;
  result.signature = std::string(*signature);
  result.loop = header[kLoopFlagOffset] != 0;
  result.portable = header[kPortableFlagOffset] != 0;

  SlideReader reader(src, path, result);
  if (*signature == kShowSignature || *signature == kShowSignatureV5) {
    std::array<uint8_t, kOriginBlockSize> origin;
    if (!reader.Read(origin.data(), origin.size(), "the origin block")) return result;
    if (*signature == kShowSignatureV5) {
      reader.ReadVersion5(ReadLe32(origin.data() + 1));
      return result;
    }
    result.storedHeader.assign(header.begin(), header.end());
    result.storedHeader.insert(result.storedHeader.end(), origin.begin(), origin.end());
  }
  reader.ReadAll();
  return result;
}

}  // namespace

std::string NotAShowFileText(const std::string& path) {
  return NotAShowFileMessage(path).english;
}

MarkedText NotAShowFileMessage(const std::string& path) {
  return ComposedText(LRW_TR_NOOP("lrw::Messages", "File %1 is not a slide show file."),
                      {PlainText(path)});
}

Result<ShowFileContent> ParseShowFile(std::span<const uint8_t> bytes, const std::string& path) {
  MemorySource src(bytes);
  return Parse(src, path);
}

Result<ShowFileContent> ReadShowFile(const std::string& path) {
  auto cannotOpen = [&](int err) {
    return Fail(ErrorKind::CannotOpen, "Cannot open file \"" + path + "\". " + std::strerror(err));
  };
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return cannotOpen(errno);
  struct stat st {};
  if (::fstat(::fileno(file), &st) != 0 || S_ISDIR(st.st_mode)) {
    const int err = S_ISDIR(st.st_mode) ? EISDIR : errno;
    std::fclose(file);
    return cannotOpen(err);
  }
  FileSource src(file, static_cast<uint64_t>(st.st_size));
  return Parse(src, path);
}

Result<ShowFileContent> OpenShowFile(SlideShowDocument& doc, const std::string& path) {
  Result<ShowFileContent> result = ReadShowFile(path);
  if (!result) return result;
  // Also on damage the old slides go: the document now belongs to `path`, and a later
  // save must not write another show's slides over it.
  doc.Load(std::move(result->slides), path, result->loop, std::move(result->music), result->shuffle,
           std::move(result->storedHeader));
  result->slides.clear();
  result->music = ShowMusic{};
  return result;
}

std::vector<uint8_t> EncodeCaptionList(const std::vector<std::string>& lines) {
  std::vector<uint8_t> out;
  out.push_back(kListStart);
  for (const std::string& line : lines) {
    if (line.size() < 256) {
      out.push_back(kShortLine);
      out.push_back(static_cast<uint8_t>(line.size()));
    } else {
      out.push_back(kLongLine);
      AppendLe32(out, static_cast<uint32_t>(line.size()));
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  out.push_back(kListEnd);
  return out;
}

bool NeedsVersion5(const SlideShowDocument& doc) {
  return !ExtensionRecordsOf(doc, false).empty();
}

std::vector<uint8_t> EncodeShowFile(const SlideShowDocument& doc, bool portable,
                                    ShowFormat format) {
  const std::vector<ShowRecord> records = format == ShowFormat::Version4
                                              ? std::vector<ShowRecord>{}
                                              : ExtensionRecordsOf(doc, portable);
  // A show that uses nothing newer stays a 4.0 file, byte for byte.
  const bool version5 = !records.empty();
  const std::string_view signature = version5 ? kShowSignatureV5 : kShowSignature;
  std::vector<uint8_t> out;
  if (!version5 && doc.StoredHeader().size() == kShowHeaderSize + kOriginBlockSize) {
    out = doc.StoredHeader();
  } else {
    out.assign(kShowHeaderSize, 0);
    out[0] = static_cast<uint8_t>(signature.size());
    std::memcpy(out.data() + 1, signature.data(), signature.size());
    out.push_back(kOriginByte);
    AppendLe32(out, version5 ? static_cast<uint32_t>(doc.Count()) : kOriginWord);
  }
  // A flag that still says the same keeps its byte (any value but 0 reads as set).
  if ((out[kLoopFlagOffset] != 0) != doc.Loop()) out[kLoopFlagOffset] = doc.Loop() ? 1 : 0;
  if ((out[kPortableFlagOffset] != 0) != portable) out[kPortableFlagOffset] = portable ? 1 : 0;

  for (const SlideRecord& slide : doc.Slides()) {
    const SlideRecordBytes record = RecordBytesOver(slide, portable);
    out.insert(out.end(), record.begin(), record.end());
    if (const std::optional<std::vector<uint8_t>> bmp = ThumbnailBlockOf(slide)) {
      AppendLe32(out, static_cast<uint32_t>(bmp->size()));
      out.insert(out.end(), bmp->begin(), bmp->end());
    }
    const std::vector<uint8_t> caption = CaptionListOf(slide);
    out.insert(out.end(), caption.begin(), caption.end());
  }
  if (version5) {
    for (const ShowRecord& record : records) AppendRecord(out, record);
    AppendRecord(out, ShowRecord{kEndRecordTag, 0, {}});
  }
  return out;
}

Result<void> WriteShowFile(const SlideShowDocument& doc, const std::string& path, bool portable,
                           ShowFormat format) {
  return WriteFileAtomically(path, EncodeShowFile(doc, portable, format));
}

}  // namespace lrw
