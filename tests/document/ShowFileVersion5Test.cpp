#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "document/LittleEndian.h"
#include "document/PortableBuilder.h"
#include "document/ShowFile.h"
#include "document/ShowFileTestSupport.h"
#include "document/ShowRecords.h"

namespace lrw {
namespace {

using testing::ExpectSameSlide;
using testing::Outcome;
using testing::ReadBytes;
using testing::ReadOutcome;
using testing::TempDir;
using testing::VariedSlide;
using testing::WriteBytes;
using Bytes = std::vector<uint8_t>;

SlideShowDocument ThreeSlides() {
  SlideShowDocument doc;
  doc.SetLoop(true);
  doc.InsertSlide(0, VariedSlide(1));
  doc.NewBlankSlide(0);
  doc.InsertSlide(2, VariedSlide(4));
  return doc;
}

ShowMusic SomeMusic() {
  ShowMusic m;
  m.tracks = {"/music/first song.flac", "/music/\xC3\xA9t\xC3\xA9 \xE6\x97\xA5.ogg"};
  m.volumePercent = 70;
  m.fadeInMs = 1500;
  m.fadeOutMs = 4000;
  m.loopList = true;
  return m;
}

// The file of `doc` with `records` put in place of its own, before the end record.
Bytes WithRecords(const SlideShowDocument& doc, const std::vector<ShowRecord>& records) {
  Bytes f = EncodeShowFile(doc, false);
  f.resize(f.size() - kRecordHeadSize);  // the end record
  for (const ShowRecord& r : records) AppendRecord(f, r);
  AppendRecord(f, ShowRecord{kEndRecordTag, 0, {}});
  return f;
}

TEST(ShowFileVersion5, MusicMakesA50FileAndRemovingItGivesThe40FileBack) {
  SlideShowDocument doc = ThreeSlides();
  const Bytes v4 = EncodeShowFile(doc, false);
  ASSERT_EQ(v4[0], kShowSignature.size());

  ASSERT_TRUE(doc.SetMusic(SomeMusic()));
  const Bytes v5 = EncodeShowFile(doc, false);
  ASSERT_EQ(v5[0], kShowSignatureV5.size());
  EXPECT_EQ(std::string(v5.begin() + 1, v5.begin() + 21), kShowSignatureV5);
  // The 4.0 parts stand unchanged after the header; the origin word counts the slides.
  EXPECT_EQ(ReadLe32(v5.data() + 44), 3u);
  EXPECT_TRUE(std::equal(v4.begin() + 48, v4.end(), v5.begin() + 48));

  const ReadOutcome r = Outcome(ParseShowFile(v5, "/shows/music.sho"));
  ASSERT_EQ(r.problem, std::nullopt) << r.text;
  EXPECT_EQ(r.signature, kShowSignatureV5);
  EXPECT_TRUE(r.loop);
  EXPECT_EQ(r.music, SomeMusic());
  ASSERT_EQ(r.slides.size(), 3u);
  for (int i = 0; i < 3; ++i) ExpectSameSlide(r.slides[i], doc.SlideAt(i), "slide");

  // Saved as 4.0 on purpose, or with the music taken away: the same bytes as never given it.
  EXPECT_EQ(EncodeShowFile(doc, false, ShowFormat::Version4), v4);
  EXPECT_EQ(FeaturesBeyondVersion4(doc), std::vector<std::string>{"the music (2 files)"});
  doc.SetMusic(ShowMusic{});
  EXPECT_EQ(EncodeShowFile(doc, false), v4);
  EXPECT_TRUE(FeaturesBeyondVersion4(doc).empty());
}

// Shuffle through the real file: saved, opened and saved again byte for byte, with music
// beside it; a show that never used it, or no longer does, stays the 4.0 file.
TEST(ShowFileVersion5, ShuffleIsAShowRecordAndItsAbsenceKeepsThe40File) {
  TempDir dir;
  SlideShowDocument doc = ThreeSlides();
  const Bytes v4 = EncodeShowFile(doc, false);
  for (const bool withMusic : {false, true}) {
    SCOPED_TRACE(withMusic ? "with music" : "alone");
    if (withMusic) doc.SetMusic(SomeMusic());
    doc.SetShuffle(true);
    const std::string path = dir.File(withMusic ? "both.sho" : "shuffled.sho");
    WriteBytes(path, EncodeShowFile(doc, false));
    SlideShowDocument opened;
    const Result<ShowFileContent> r = OpenShowFile(opened, path);
    ASSERT_TRUE(r && !r->damage);
    EXPECT_EQ(r->signature, kShowSignatureV5);
    EXPECT_TRUE(opened.Shuffle());
    EXPECT_EQ(opened.Music(), doc.Music());
    EXPECT_EQ(EncodeShowFile(opened, false), ReadBytes(path));
    const std::vector<std::string> dropped = FeaturesBeyondVersion4(opened);
    EXPECT_NE(std::find(dropped.begin(), dropped.end(), "the shuffled order"), dropped.end());
    doc.SetShuffle(false);
  }
  doc.SetMusic(ShowMusic{});
  EXPECT_EQ(EncodeShowFile(doc, false), v4);
  doc.SetShuffle(true);
  EXPECT_EQ(EncodeShowFile(doc, false, ShowFormat::Version4), v4);
}

TEST(ShowFileVersion5, EveryTruncationKeepsTheSlidesBeforeIt) {
  SlideShowDocument doc = ThreeSlides();
  doc.SetMusic(SomeMusic());
  const Bytes f = EncodeShowFile(doc, false);
  // Where each slide block ends: the 4.0 file of the same slides says so.
  std::vector<size_t> ends;
  size_t at = kShowHeaderSize + kOriginBlockSize;
  for (const SlideRecord& s : doc.Slides()) {
    SlideShowDocument one;
    one.InsertSlide(0, s);
    at += EncodeShowFile(one, false).size() - kShowHeaderSize - kOriginBlockSize;
    ends.push_back(at);
  }
  const size_t musicEnd = f.size() - kRecordHeadSize;
  for (size_t n = 0; n <= f.size(); ++n) {
    const ReadOutcome r = Outcome(ParseShowFile(std::span(f.data(), n), "/shows/cut.sho"));
    if (n < kShowHeaderSize) {
      ASSERT_EQ(r.problem, ErrorKind::NotAShowFile) << n;
      continue;
    }
    if (n == f.size()) {
      ASSERT_EQ(r.problem, std::nullopt) << r.text;
    } else {
      // Also a cut between two blocks: the file says how many slides and records follow.
      ASSERT_EQ(r.problem, ErrorKind::Damaged) << n;
      ASSERT_EQ(r.text.rfind(kReadBeyondEnd, 0), 0u) << n << ": " << r.text;
    }
    const size_t complete =
        std::count_if(ends.begin(), ends.end(), [&](size_t e) { return e <= n; });
    ASSERT_EQ(r.slides.size(), complete) << n;
    for (size_t i = 0; i < r.slides.size(); ++i) {
      ExpectSameSlide(r.slides[i], doc.SlideAt(static_cast<int>(i)), "cut " + std::to_string(n));
    }
    EXPECT_EQ(r.music.Present(), n >= musicEnd) << n;
  }
}

TEST(ShowFileVersion5, UnknownRecordsAreSkippedAndBadOnesAreDamage) {
  SlideShowDocument doc = ThreeSlides();
  doc.SetMusic(SomeMusic());
  const std::vector<uint8_t> music = EncodeMusicPayload(SomeMusic(), false);
  std::vector<uint8_t> longerMusic = music;  // a later version's fields after ours
  longerMusic.insert(longerMusic.end(), {1, 2, 3});
  const ShowRecord later{MakeRecordTag('N', 'E', 'X', 'T'), kShowOwner, Bytes(40, 0xEE)};
  const ShowRecord laterSlide{MakeRecordTag('M', 'O', 'V', 'E'), 3, Bytes(7, 0x11)};
  struct Case {
    const char* what;
    std::vector<ShowRecord> records;
    std::optional<ErrorKind> status;
    const char* text;  // part of the error text
  };
  const std::vector<Case> cases = {
      {"later records", {later, {kMusicRecordTag, 0, music}, laterSlide}, std::nullopt, ""},
      {"longer music record", {{kMusicRecordTag, 0, longerMusic}}, std::nullopt, ""},
      {"music for a slide is not ours", {{kMusicRecordTag, 2, music}}, std::nullopt, ""},
      {"slide past the show",
       {{MakeRecordTag('M', 'O', 'V', 'E'), 4, {}}},
       ErrorKind::Damaged,
       "slide 4 of a show of 3"},
      {"short music",
       {{kMusicRecordTag, 0, Bytes(music.begin(), music.begin() + 12)}},
       ErrorKind::Damaged,
       "music record"},
      {"music cut in a name",
       {{kMusicRecordTag, 0, Bytes(music.begin(), music.end() - 1)}},
       ErrorKind::Damaged,
       "music record"},
  };
  for (const Case& c : cases) {
    const ReadOutcome r = Outcome(ParseShowFile(WithRecords(doc, c.records), "/shows/r.sho"));
    EXPECT_EQ(r.problem, c.status) << c.what << ": " << r.text;
    EXPECT_NE(r.text.find(c.text), std::string::npos) << c.what << ": " << r.text;
    EXPECT_EQ(r.slides.size(), 3u) << c.what;
    if (c.status == std::nullopt && c.records.front().owner == 0) {
      EXPECT_EQ(r.music, SomeMusic()) << c.what;
    }
  }

  // A length that runs past the end is damage, as everywhere in the file.
  Bytes f = EncodeShowFile(doc, false);
  const size_t musicLength = f.size() - kRecordHeadSize - music.size() - 4;
  WriteLe32(f.data() + musicLength, 0x7FFFFFFF);
  ReadOutcome r = Outcome(ParseShowFile(f, "/shows/long.sho"));
  EXPECT_EQ(r.problem, ErrorKind::Damaged);
  EXPECT_EQ(r.text.rfind(kReadBeyondEnd, 0), 0u) << r.text;
  EXPECT_EQ(r.slides.size(), 3u);
  // Nothing may follow the end record.
  f = EncodeShowFile(doc, false);
  f.push_back(0);
  r = Outcome(ParseShowFile(f, "/shows/tail.sho"));
  EXPECT_EQ(r.problem, ErrorKind::Damaged);
  EXPECT_EQ(r.slides.size(), 3u);
}

TEST(ShowFileVersion5, PortableMusicTravelsBesideTheShow) {
  TempDir source, target;
  SlideShowDocument doc;
  doc.NewBlankSlide(-1);
  ShowMusic m;
  for (const char* name : {"a song.wav", "b.ogg"}) {
    WriteBytes(source.File(name), Bytes(100, static_cast<uint8_t>(name[0])));
    m.tracks.push_back(source.File(name));
  }
  doc.SetMusic(m);
  const Result<std::vector<std::string>> copied =
      CopyMediaFiles(doc.Slides(), target.path() + "/", doc.Music().tracks);
  ASSERT_TRUE(copied) << copied.error().message;
  EXPECT_EQ(copied->size(), 2u);
  const std::string bld = target.File("show.bld");
  ASSERT_TRUE(WriteShowFile(doc, bld, true).has_value());
  const Bytes bytes = ReadBytes(bld);
  EXPECT_EQ(std::search(bytes.begin(), bytes.end(), source.path().begin(), source.path().end()),
            bytes.end())
      << "no trace of the old folder";

  SlideShowDocument back;
  ASSERT_EQ(Outcome(OpenShowFile(back, bld)).problem, std::nullopt);
  ASSERT_EQ(back.Music().tracks.size(), 2u);
  EXPECT_EQ(back.Music().tracks[0], target.File("a song.wav"));
  EXPECT_EQ(ReadBytes(back.Music().tracks[1]), Bytes(100, 'b'));

  // A name with a folder in a portable show was not made by a build.
  ShowMusic outside = m;
  outside.tracks = {"../elsewhere.wav"};
  Bytes f = EncodeShowFile(doc, true);
  f.resize(f.size() - kRecordHeadSize);
  f.resize(f.size() - EncodeMusicPayload(doc.Music(), true).size() - kRecordHeadSize);
  AppendRecord(f, {kMusicRecordTag, 0, EncodeMusicPayload(outside, false)});
  AppendRecord(f, {kEndRecordTag, 0, {}});
  const ReadOutcome r = Outcome(ParseShowFile(f, bld));
  EXPECT_EQ(r.problem, ErrorKind::Damaged);
  EXPECT_FALSE(r.music.Present());
  EXPECT_EQ(r.slides.size(), 1u);
}

}  // namespace
}  // namespace lrw
