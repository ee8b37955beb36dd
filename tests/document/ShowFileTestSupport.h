// Shared helpers of the show file tests: temporary folders, whole-file I/O and
// slides whose every field differs.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "document/ShowFile.h"
#include "document/SlideRecord.h"

namespace lrw::testing {

class TempDir {
 public:
  TempDir() {
    char pattern[] = "/tmp/lrw-doc-XXXXXX";
    path_ = ::mkdtemp(pattern);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// What a read of a show file came to, in the form the tests compare: the content (none
// when the read failed), and the kind and text of the failure or of the damage.
struct ReadOutcome : ShowFileContent {
  std::optional<ErrorKind> problem;  // nothing when the whole file was read
  std::string text;
};

inline ReadOutcome Outcome(Result<ShowFileContent> read) {
  ReadOutcome outcome;
  if (!read) {
    outcome.problem = read.error().kind;
    outcome.text = read.error().message;
    return outcome;
  }
  static_cast<ShowFileContent&>(outcome) = std::move(*read);
  if (outcome.damage) {
    outcome.problem = outcome.damage->kind;
    outcome.text = outcome.damage->message;
  }
  return outcome;
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// Slide number i: every field set, 16-bit fields negative for odd i, a thumbnail of
// i+1 by 2 pixels, caption lines of both forms holding every byte value.
inline SlideRecord VariedSlide(int i) {
  SlideRecord s;
  s.PictureFolder = "/pictures/set" + std::to_string(i) + "/\xE9t\xE9/";
  s.PictureName = "picture" + std::to_string(i) + ".jpg";
  s.PictureFormat = static_cast<uint8_t>((i * 7) % 32);
  s.BackgroundColor = 0x00102030u + static_cast<uint32_t>(i);
  const int sign = (i % 2) ? -1 : 1;
  s.ImageHeight = static_cast<int16_t>(sign * (100 + i));
  s.ImageWidth = static_cast<int16_t>(sign * (200 + i));
  s.ImageTop = static_cast<int16_t>(sign * (300 + i));
  s.ImageLeft = static_cast<int16_t>(sign * (400 + i));
  s.CenterImage = static_cast<uint8_t>(i % 2);
  s.ShowCaption = static_cast<uint8_t>((i + 1) % 2);
  s.Caption = {"first line of " + std::to_string(i), std::string(300 + i, 'x'), ""};
  std::string every;
  for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
  s.Caption.push_back(every.substr(1, 255));
  s.Caption.push_back(every);
  s.CaptionFontName = "Font " + std::to_string(i);
  s.CaptionFontSize = static_cast<int16_t>(sign * (8 + i));
  s.CaptionFontColor = 0x80000000u + static_cast<uint32_t>(i);
  s.CaptionFontStyle = static_cast<FontStyle>(i % 16);
  s.CaptionBackColor = 0x00FEDCBAu - static_cast<uint32_t>(i);
  s.CaptionTop = static_cast<int16_t>(sign * (500 + i));
  s.CaptionLeft = static_cast<int16_t>(sign * (600 + i));
  s.CaptionWidth = static_cast<int16_t>(sign * (700 + i));
  s.Effect = static_cast<uint8_t>(i % 42);
  s.BoxWidth = static_cast<int16_t>(2 + i % 9);
  s.PlaySound = static_cast<uint8_t>(i % 2);
  s.SoundFolder = "/sounds/" + std::to_string(i) + "/";
  s.SoundName = "sound" + std::to_string(i) + ".wav";
  s.DurationMode = static_cast<DurationMode>(i % 3);
  s.ExtraSeconds = static_cast<int16_t>(sign * i);
  Bitmap thumb(i + 1, 2);
  for (size_t p = 0; p < thumb.pixels.size(); ++p) {
    thumb.pixels[p] = 0xFF000000u | static_cast<uint32_t>(p * 0x0A0B0C + i);
  }
  s.Thumbnail = thumb;
  return s;
}

inline void ExpectSameSlide(const SlideRecord& a, const SlideRecord& b, const std::string& where) {
  EXPECT_EQ(a.ToBytes(), b.ToBytes()) << where;
  EXPECT_EQ(a.Caption, b.Caption) << where;
  EXPECT_EQ(a.Thumbnail, b.Thumbnail) << where;
}

}  // namespace lrw::testing
