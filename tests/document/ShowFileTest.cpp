#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>

#include "document/BmpCodec.h"
#include "document/BmpFixture.h"
#include "document/Cp1252.h"
#include "document/Paths.h"
#include "document/PortableBuilder.h"
#include "document/ShowFile.h"
#include "document/ShowFileTestSupport.h"

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

Bytes Header(std::string_view signature, bool loop, bool portable) {
  Bytes h(kShowHeaderSize, 0);
  h[0] = static_cast<uint8_t>(signature.size());
  std::memcpy(h.data() + 1, signature.data(), signature.size());
  h[41] = loop;
  h[42] = portable;
  return h;
}

void Append(Bytes& to, const Bytes& more) {
  to.insert(to.end(), more.begin(), more.end());
}

Bytes RecordBytes(const SlideRecord& s) {
  const SlideRecordBytes r = s.ToBytes();
  return Bytes(r.begin(), r.end());
}

// A document whose file holds slides of every kind: with a thumbnail, blank,
// with an empty thumbnail, sound only.
SlideShowDocument MixedShow() {
  SlideShowDocument doc;
  doc.SetLoop(true);
  doc.InsertSlide(0, VariedSlide(1));
  doc.NewBlankSlide(0);
  SlideRecord emptyThumb = VariedSlide(2);
  emptyThumb.Thumbnail = Bitmap();
  doc.InsertSlide(2, emptyThumb);
  SlideRecord soundOnly = FirstSlideDefaults();
  soundOnly.SoundFolder = "/sounds/";
  soundOnly.SoundName = "only.wav";
  soundOnly.Caption = {"caption of a blank slide"};
  doc.InsertSlide(3, soundOnly);
  return doc;
}

TEST(ShowFileLayout, BlankShowIs1166Bytes) {
  SlideShowDocument doc;
  doc.NewBlankSlide(-1);
  const Bytes f = EncodeShowFile(doc, false);
  ASSERT_EQ(f.size(), 1166u);
  EXPECT_EQ(f[0], 20);
  EXPECT_EQ(std::string(f.begin() + 1, f.begin() + 21), "Lanternreelworks 4.0");
  for (size_t at = 21; at < 41; ++at) EXPECT_EQ(f[at], 0) << at;
  EXPECT_EQ(f[41], 0);
  EXPECT_EQ(f[42], 0);
  EXPECT_EQ(f[43], 0x01) << "origin byte";
  EXPECT_EQ(Bytes(f.begin() + 48, f.begin() + 48 + 1116), RecordBytes(doc.SlideAt(0)));
  EXPECT_EQ(Bytes(f.begin() + 48 + 1112, f.begin() + 48 + 1116), Bytes(4, 0));
  EXPECT_EQ(f[1164], 0x01);
  EXPECT_EQ(f[1165], 0x00);

  doc.SetLoop(true);
  const Bytes g = EncodeShowFile(doc, true);
  EXPECT_EQ(g[41], 1);
  EXPECT_EQ(g[42], 1);
}

TEST(ShowFileLayout, CaptionLinesUseTheShortestForm) {
  struct Case {
    std::vector<std::string> lines;
    Bytes head;  // the bytes before the text of the last line
  };
  const Case cases[] = {
      {{}, {0x01}},
      {{"a", "bc"}, {0x01, 0x06, 0x01, 'a', 0x06, 0x02}},
      {{std::string(255, 'y')}, {0x01, 0x06, 0xFF}},
      {{std::string(256, 'y')}, {0x01, 0x0C, 0x00, 0x01, 0x00, 0x00}},
      {{std::string(300, 'z')}, {0x01, 0x0C, 0x2C, 0x01, 0x00, 0x00}},
      {{"", ""}, {0x01, 0x06, 0x00, 0x06, 0x00}},
  };
  for (const Case& c : cases) {
    Bytes want = c.head;
    if (!c.lines.empty()) Append(want, Bytes(c.lines.back().begin(), c.lines.back().end()));
    want.push_back(0x00);
    EXPECT_EQ(EncodeCaptionList(c.lines), want) << c.lines.size() << " lines";
  }
  SlideShowDocument doc;
  doc.NewBlankSlide(-1);
  doc.EditSlide(0, [](SlideRecord& s) { s.Caption = {"a", "bc"}; });
  const Bytes f = EncodeShowFile(doc, false);
  EXPECT_EQ(Bytes(f.end() - 9, f.end()),
            (Bytes{0x01, 0x06, 0x01, 0x61, 0x06, 0x02, 0x62, 0x63, 0x00}));
}

TEST(ShowFileLayout, ThumbnailBlockHoldsACompleteBmpFile) {
  SlideShowDocument doc;
  doc.InsertSlide(0, VariedSlide(3));  // 4 x 2 thumbnail
  const Bytes f = EncodeShowFile(doc, false);
  const size_t rec = 48;
  EXPECT_EQ(f[rec + 1112], 1);
  EXPECT_EQ(Bytes(f.begin() + rec + 532, f.begin() + rec + 536), Bytes(4, 0));
  const size_t at = rec + 1116;
  const uint32_t length = f[at] | (f[at + 1] << 8) | (f[at + 2] << 16) | (f[at + 3] << 24);
  EXPECT_EQ(length, 54u + 12 * 2);
  EXPECT_EQ(f[at + 4], 'B');
  EXPECT_EQ(f[at + 5], 'M');
  EXPECT_EQ(f[at + 6], length) << "BMP file size equals the block length";
  EXPECT_EQ(f[at + 4 + length], 0x01) << "the caption list follows";
}

TEST(ShowFileRoundTrip, EveryFieldSurvivesWriteAndOpen) {
  TempDir dir;
  SlideShowDocument doc = MixedShow();
  for (int i = 3; i < 8; ++i) doc.InsertSlide(doc.Count(), VariedSlide(i));
  doc.SetModified(true);
  const std::string path = dir.File("show.sho");
  const Result<void> w = WriteShowFile(doc, path, false);
  ASSERT_TRUE(w.has_value()) << w.error().message;

  SlideShowDocument back;
  back.SetModified(true);
  const ReadOutcome r = Outcome(OpenShowFile(back, path));
  ASSERT_EQ(r.problem, std::nullopt) << r.text;
  EXPECT_EQ(r.signature, "Lanternreelworks 4.0");
  EXPECT_TRUE(r.loop);
  EXPECT_FALSE(r.portable);
  EXPECT_TRUE(r.text.empty());
  EXPECT_EQ(back.FileName(), path);
  EXPECT_TRUE(back.Loop());
  EXPECT_FALSE(back.Modified());
  ASSERT_EQ(back.Count(), doc.Count());
  for (int i = 0; i < doc.Count(); ++i) {
    ExpectSameSlide(back.SlideAt(i), doc.SlideAt(i), "slide " + std::to_string(i));
  }
  ASSERT_TRUE(back.SlideAt(2).Thumbnail.has_value()) << "an empty thumbnail stays a thumbnail";
  EXPECT_TRUE(back.SlideAt(2).Thumbnail->empty());
  // Saving what was read writes the same bytes.
  EXPECT_EQ(EncodeShowFile(back, false), ReadBytes(path));
}

TEST(ShowFileRoundTrip, ReaderAcceptsEitherLineForm) {
  Bytes f = Header(kShowSignature, false, false);
  Append(f, {1, 0, 0, 0, 0});
  Append(f, RecordBytes(FirstSlideDefaults()));
  Append(f, {0x01, 0x0C, 0x01, 0x00, 0x00, 0x00, 'x', 0x06, 0x00, 0x0C, 0, 0, 0, 0, 0x00});
  const ReadOutcome r = Outcome(ParseShowFile(f, "/shows/a.sho"));
  ASSERT_EQ(r.problem, std::nullopt) << r.text;
  ASSERT_EQ(r.slides.size(), 1u);
  EXPECT_EQ(r.slides[0].Caption, (std::vector<std::string>{"x", "", ""}));
}

TEST(ShowFileSignatures, OlderShowsStartAt43AndResaveAsCurrent) {
  TempDir dir;
  for (std::string_view sig : {kShowSignatureV2, kShowSignatureV3}) {
    SlideRecord slide = VariedSlide(4);
    slide.Thumbnail.reset();
    Bytes old = Header(sig, true, false);
    Append(old, RecordBytes(slide));
    Append(old, EncodeCaptionList(slide.Caption));
    const std::string in = dir.File("old.sho");
    WriteBytes(in, old);

    SlideShowDocument doc;
    const ReadOutcome r = Outcome(OpenShowFile(doc, in));
    ASSERT_EQ(r.problem, std::nullopt) << sig << ": " << r.text;
    EXPECT_EQ(r.signature, sig);
    ASSERT_EQ(doc.Count(), 1);
    ExpectSameSlide(doc.SlideAt(0), slide, std::string(sig));

    const std::string out = dir.File("new.sho");
    ASSERT_TRUE(WriteShowFile(doc, out, false).has_value());
    const Bytes now = ReadBytes(out);
    ASSERT_EQ(now.size(), old.size() + 5);
    EXPECT_EQ(Bytes(now.begin(), now.begin() + 43), Header(kShowSignature, true, false));
    EXPECT_EQ(Bytes(now.begin() + 48, now.end()), Bytes(old.begin() + 43, old.end())) << sig;
  }
}

TEST(ShowFileSignatures, AnythingElseIsNotAShowFile) {
  TempDir dir;
  Bytes tooShort = Header(kShowSignature, false, false);
  tooShort.resize(42);
  Bytes wrongLength = Header(kShowSignature, false, false);
  wrongLength[0] = 21;
  const std::pair<const char*, Bytes> cases[] = {
      {"empty", {}},
      {"text", Bytes{'H', 'e', 'l', 'l', 'o', '\n'}},
      {"long text", Bytes(2000, 'a')},
      {"lower case", Header("lanternreelworks 4.0", false, false)},
      {"other version", Header("Brightframework Slideshow 4.0", false, false)},
      {"shorter signature", Header("Lanternreelworks 4.", false, false)},
      {"wrong length byte", wrongLength},
      {"header cut short", tooShort},
  };
  for (const auto& [name, bytes] : cases) {
    const std::string path = dir.File(std::string(name) + ".sho");
    WriteBytes(path, bytes);
    SlideShowDocument doc = MixedShow();
    doc.SetFileName("/previous.sho");
    doc.SetModified(true);
    const ReadOutcome r = Outcome(OpenShowFile(doc, path));
    EXPECT_EQ(r.problem, ErrorKind::NotAShowFile) << name;
    EXPECT_EQ(r.text, "File " + path + " is not a slide show file.") << name;
    EXPECT_TRUE(r.signature.empty());
    EXPECT_EQ(doc.Count(), MixedShow().Count()) << name;
    EXPECT_EQ(doc.FileName(), "/previous.sho") << name;
    EXPECT_TRUE(doc.Modified()) << name;
    EXPECT_TRUE(doc.Loop()) << name;
  }
}

TEST(ShowFileSignatures, MissingFileOrFolderCannotBeOpened) {
  TempDir dir;
  for (const std::string& path : {dir.File("missing.sho"), dir.path()}) {
    SlideShowDocument doc = MixedShow();
    const ReadOutcome r = Outcome(OpenShowFile(doc, path));
    EXPECT_EQ(r.problem, ErrorKind::CannotOpen) << path;
    EXPECT_NE(r.text.find("Cannot open file \"" + path + "\""), std::string::npos) << r.text;
    EXPECT_EQ(doc.Count(), MixedShow().Count());
    EXPECT_TRUE(doc.FileName().empty());
  }
}

TEST(PortableShow, WriterEmptiesFoldersInTheFileOnly) {
  TempDir dir;
  SlideShowDocument doc = MixedShow();
  const std::string path = dir.File("show.bld");
  ASSERT_TRUE(WriteShowFile(doc, path, true).has_value());
  EXPECT_EQ(doc.SlideAt(0).PictureFolder, VariedSlide(1).PictureFolder) << "memory keeps folders";
  EXPECT_EQ(doc.SlideAt(0).SoundFolder, VariedSlide(1).SoundFolder);
  const Bytes f = ReadBytes(path);
  EXPECT_EQ(f[42], 1);
  // The first record: both folder fields are wholly zero.
  EXPECT_EQ(Bytes(f.begin() + 48, f.begin() + 48 + 256), Bytes(256, 0));
  EXPECT_EQ(Bytes(f.begin() + 48 + 595, f.begin() + 48 + 851), Bytes(256, 0));
  EXPECT_EQ(f[48 + 256], VariedSlide(1).PictureName.size());
}

TEST(PortableShow, ReaderGivesNamedFilesTheShowFolder) {
  TempDir dir;
  const std::string sub = dir.File("caf\u00E9");
  std::filesystem::create_directory(sub);
  SlideShowDocument doc = MixedShow();
  // A stored folder beside an empty name stays as read.
  doc.EditSlide(1, [](SlideRecord& s) { s.PictureFolder = ""; });
  const std::string path = sub + "/show.bld";
  ASSERT_TRUE(WriteShowFile(doc, path, true).has_value());

  SlideShowDocument back;
  const ReadOutcome r = Outcome(OpenShowFile(back, path));
  ASSERT_EQ(r.problem, std::nullopt) << r.text;
  EXPECT_TRUE(r.portable);
  const std::string folder = *Utf8ToCp1252(sub + "/");
  EXPECT_EQ(folder.back(), '/');
  EXPECT_NE(folder.find("caf\xE9/"), std::string::npos) << "record text is Windows-1252";
  ASSERT_EQ(back.Count(), 4);
  EXPECT_EQ(back.SlideAt(0).PictureFolder, folder);
  EXPECT_EQ(back.SlideAt(0).SoundFolder, folder);
  EXPECT_EQ(back.SlideAt(1).PictureFolder, "") << "blank slide";
  EXPECT_EQ(back.SlideAt(1).SoundFolder, "");
  EXPECT_EQ(back.SlideAt(3).PictureFolder, "") << "sound only";
  EXPECT_EQ(back.SlideAt(3).SoundFolder, folder);
}

TEST(PortableShow, StoredFoldersBesideEmptyNamesAreKept) {
  SlideRecord s = FirstSlideDefaults();
  s.PictureFolder = "/kept/";
  s.SoundFolder = "/also/";
  Bytes f = Header(kShowSignature, false, true);
  Append(f, Bytes(5, 0));
  Append(f, RecordBytes(s));
  Append(f, {0x01, 0x00});
  const ReadOutcome r = Outcome(ParseShowFile(f, "/shows/x.bld"));
  ASSERT_EQ(r.problem, std::nullopt);
  EXPECT_EQ(r.slides[0].PictureFolder, "/kept/");
  EXPECT_EQ(r.slides[0].SoundFolder, "/also/");
}

TEST(PortableShow, RelativePathGivesAbsoluteFolder) {
  SlideRecord s = FirstSlideDefaults();
  s.PictureName = "p.png";
  Bytes f = Header(kShowSignature, false, true);
  Append(f, Bytes(5, 0));
  Append(f, RecordBytes(s));
  Append(f, {0x01, 0x00});
  const ReadOutcome r = Outcome(ParseShowFile(f, "shows/./x.bld"));
  ASSERT_EQ(r.problem, std::nullopt);
  const std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ(r.slides[0].PictureFolder, *Utf8ToCp1252(cwd + "/shows/"));
}

// A portable show names its files without folders; a name that leads elsewhere was
// not written by a build and must not make the show read (or a Save copy) outside.
TEST(PortableShow, NamesThatLeaveTheShowFolderAreReadErrors) {
  struct Case {
    std::string picture, sound;
    bool portable;
    bool refused;
  };
  const Case cases[] = {
      {"../x.jpg", "", true, true},
      {"sub/x.jpg", "", true, true},
      {"..", "", true, true},
      {"/etc/x.jpg", "", true, true},
      {"p.png", "../../s.wav", true, true},
      {"", "snd/s.wav", true, true},
      {" p.png ", "s.wav", true, false},  // names are taken as stored: blanks belong to them
      {" .. ", "", true, false},
      {"a\\b.jpg", "", true, false},  // a backslash is an ordinary character here
      {"..p.png", "s..wav", true, false},
      {"../x.jpg", "sub/s.wav", false, false},  // a local show names folders anyway
  };
  for (const Case& c : cases) {
    SlideRecord good = FirstSlideDefaults();
    good.PictureName = "first.png";
    SlideRecord odd = FirstSlideDefaults();
    odd.PictureName = c.picture;
    odd.SoundName = c.sound;
    Bytes f = Header(kShowSignature, false, c.portable);
    Append(f, Bytes(5, 0));
    for (const SlideRecord& s : {good, odd}) {
      Append(f, RecordBytes(s));
      Append(f, {0x01, 0x00});
    }
    const ReadOutcome r = Outcome(ParseShowFile(f, "/shows/x.bld"));
    SCOPED_TRACE(c.picture + " | " + c.sound);
    if (!c.refused) {
      EXPECT_EQ(r.problem, std::nullopt) << r.text;
      EXPECT_EQ(r.slides.size(), 2u);
      continue;
    }
    EXPECT_EQ(r.problem, ErrorKind::Damaged);
    ASSERT_EQ(r.slides.size(), 1u) << "the slide before stays";
    EXPECT_EQ(r.slides[0].PictureFolder, "/shows/");
    const std::string& bad = c.picture.empty() || IsPlainFileName(c.picture) ? c.sound : c.picture;
    EXPECT_NE(r.text.find("Slide 2 of \"/shows/x.bld\""), std::string::npos) << r.text;
    EXPECT_NE(r.text.find("\"" + bad + "\" is not a plain file name"), std::string::npos) << r.text;
  }
}

TEST(PortableShow, FolderWithoutWindows1252NameIsRefused) {
  TempDir dir;
  const std::string sub = dir.File("\u65E5\u672C");
  std::filesystem::create_directory(sub);
  SlideShowDocument doc = MixedShow();
  doc.ExchangeSlides(0, 1);  // a blank slide first: it needs no folder
  const std::string path = sub + "/show.bld";
  ASSERT_TRUE(WriteShowFile(doc, path, true).has_value());
  SlideShowDocument back;
  const ReadOutcome r = Outcome(OpenShowFile(back, path));
  EXPECT_EQ(r.problem, ErrorKind::Damaged);
  EXPECT_NE(r.text.find("Windows-1252"), std::string::npos) << r.text;
  EXPECT_EQ(back.Count(), 1) << "only the blank slide before it";
  EXPECT_EQ(back.FileName(), path);
}

// Where each slide block of MixedShow's file ends.
std::vector<size_t> SlideEnds(const SlideShowDocument& doc) {
  std::vector<size_t> ends;
  size_t at = kShowHeaderSize + kOriginBlockSize;
  for (const SlideRecord& s : doc.Slides()) {
    SlideShowDocument one;
    one.InsertSlide(0, s);
    at += EncodeShowFile(one, false).size() - kShowHeaderSize - kOriginBlockSize;
    ends.push_back(at);
  }
  return ends;
}

TEST(ShowFileDamage, EveryTruncationKeepsTheCompletedSlides) {
  const SlideShowDocument doc = MixedShow();
  const Bytes f = EncodeShowFile(doc, false);
  const std::vector<size_t> ends = SlideEnds(doc);
  ASSERT_EQ(ends.back(), f.size());
  for (size_t n = 0; n <= f.size(); ++n) {
    const ReadOutcome r = Outcome(ParseShowFile(std::span(f.data(), n), "/shows/cut.sho"));
    const size_t complete =
        std::count_if(ends.begin(), ends.end(), [&](size_t e) { return e <= n; });
    const bool atBoundary = n == 48 || std::find(ends.begin(), ends.end(), n) != ends.end();
    if (n < kShowHeaderSize) {
      ASSERT_EQ(r.problem, ErrorKind::NotAShowFile) << n;
    } else if (atBoundary) {
      ASSERT_EQ(r.problem, std::nullopt) << n << ": " << r.text;
    } else {
      ASSERT_EQ(r.problem, ErrorKind::Damaged) << n;
      ASSERT_EQ(r.text.rfind(kReadBeyondEnd, 0), 0u) << r.text;
    }
    if (n >= kShowHeaderSize) {
      ASSERT_EQ(r.slides.size(), complete) << n;
      EXPECT_TRUE(r.loop);
    }
    for (size_t i = 0; i < r.slides.size(); ++i) {
      ExpectSameSlide(r.slides[i], doc.SlideAt(static_cast<int>(i)), "cut " + std::to_string(n));
    }
  }
}

TEST(ShowFileDamage, OpeningADamagedFileReplacesTheShow) {
  TempDir dir;
  const SlideShowDocument source = MixedShow();
  const Bytes f = EncodeShowFile(source, false);
  const std::vector<size_t> ends = SlideEnds(source);
  const std::string path = dir.File("cut.sho");
  for (size_t n : {size_t{45}, size_t{48} + 100, ends[0] + 3, ends[2] - 1}) {
    WriteBytes(path, Bytes(f.begin(), f.begin() + static_cast<long>(n)));
    SlideShowDocument doc;
    doc.InsertSlide(0, VariedSlide(9));
    doc.SetModified(true);
    const ReadOutcome r = Outcome(OpenShowFile(doc, path));
    EXPECT_EQ(r.problem, ErrorKind::Damaged) << n;
    EXPECT_NE(r.text.find(path), std::string::npos);
    EXPECT_EQ(doc.FileName(), path);
    EXPECT_TRUE(doc.Loop());
    EXPECT_FALSE(doc.Modified());
    const size_t complete =
        std::count_if(ends.begin(), ends.end(), [&](size_t e) { return e <= n; });
    ASSERT_EQ(static_cast<size_t>(doc.Count()), complete) << n;
    for (int i = 0; i < doc.Count(); ++i) ExpectSameSlide(doc.SlideAt(i), source.SlideAt(i), "");
  }
}

TEST(ShowFileDamage, MalformedBlocksStopWithAReadError) {
  SlideRecord first = VariedSlide(5);
  first.Thumbnail.reset();
  SlideRecord withThumb = FirstSlideDefaults();
  withThumb.Thumbnail = Bitmap(1, 1);
  const SlideRecordBytes thumbRecord = withThumb.ToBytes();
  auto fileWith = [&](const Bytes& secondBlock) {
    Bytes f = Header(kShowSignature, false, false);
    Append(f, Bytes(5, 0));
    Append(f, RecordBytes(first));
    Append(f, EncodeCaptionList(first.Caption));
    Append(f, Bytes(thumbRecord.begin(), thumbRecord.end()));
    Append(f, secondBlock);
    return f;
  };
  const Bytes goodBmp = [] {
    const std::vector<uint8_t> b = EncodeBmp(Bitmap(1, 1));
    Bytes out = {static_cast<uint8_t>(b.size()), 0, 0, 0};
    Append(out, b);
    return out;
  }();
  auto with = [&](Bytes a, const Bytes& b) {
    Append(a, b);
    return a;
  };
  struct Case {
    const char* name;
    Bytes block;
    std::string_view kind;
  };
  const Case cases[] = {
      {"huge thumbnail length", {0xFF, 0xFF, 0xFF, 0xFF, 'B', 'M'}, kReadBeyondEnd},
      {"thumbnail length past the end", {0x00, 0x00, 0x00, 0x7F, 'B', 'M'}, kReadBeyondEnd},
      {"thumbnail not a bitmap", {0x04, 0, 0, 0, 'X', 'Y', 'Z', 'W', 0x01, 0x00}, kInvalidBitmap},
      {"caption list without start", with(goodBmp, {0x02, 0x00}), kStreamReadError},
      {"caption item of another kind", with(goodBmp, {0x01, 0x07, 0x00}), kStreamReadError},
      {"caption line without end", with(goodBmp, {0x01, 0x06, 0x01, 'a'}), kReadBeyondEnd},
      {"huge long line", with(goodBmp, {0x01, 0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0x00}),
       kReadBeyondEnd},
      {"short line past the end", with(goodBmp, {0x01, 0x06, 0x09, 'a', 0x00}), kReadBeyondEnd},
  };
  for (const Case& c : cases) {
    const ReadOutcome r = Outcome(ParseShowFile(fileWith(c.block), "/shows/bad.sho"));
    EXPECT_EQ(r.problem, ErrorKind::Damaged) << c.name;
    EXPECT_EQ(r.text.rfind(c.kind, 0), 0u) << c.name << ": " << r.text;
    EXPECT_NE(r.text.find(". Slide 2 of \"/shows/bad.sho\": "), std::string::npos) << r.text;
    ASSERT_EQ(r.slides.size(), 1u) << c.name;
    ExpectSameSlide(r.slides[0], first, c.name);
  }
  // The same second block, well formed, reads.
  const ReadOutcome ok = Outcome(ParseShowFile(fileWith(with(goodBmp, {0x01, 0x00})), "/x.sho"));
  EXPECT_EQ(ok.problem, std::nullopt) << ok.text;
  EXPECT_EQ(ok.slides.size(), 2u);
}

// Thumbnails far larger than any writer makes (run-length data claiming 8192 x 8192 in
// a few hundred kilobytes) are left out unread; the slides read whole.
TEST(ShowFileDamage, OversizedThumbnailsAreLeftOutAndTheSlidesKept) {
  Bytes f = Header(kShowSignature, false, false);
  Append(f, Bytes(5, 0));
  SlideRecord slide = VariedSlide(3);
  slide.Thumbnail = Bitmap(1, 1);
  for (const auto& [w, h] : {std::pair{8192, 8192}, {1025, 60}, {60, -1025}, {1024, 1024}}) {
    const Bytes rle(size_t(w) * std::abs(h) / 256 + 4, 0);  // end-of-line escapes
    const Bytes bmp = testing::MakeBmp({40, w, h, 8, 1, {0xFF}}, rle);
    Append(f, RecordBytes(slide));
    Append(f, {uint8_t(bmp.size()), uint8_t(bmp.size() >> 8), uint8_t(bmp.size() >> 16), 0});
    Append(f, bmp);
    Append(f, EncodeCaptionList(slide.Caption));
  }
  const ReadOutcome r = Outcome(ParseShowFile(f, "/shows/bomb.sho"));
  ASSERT_EQ(r.problem, std::nullopt) << r.text;
  ASSERT_EQ(r.slides.size(), 4u);
  EXPECT_EQ(r.droppedThumbnails, 3);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(r.slides[i].Thumbnail.has_value()) << i;
  ASSERT_TRUE(r.slides[3].Thumbnail.has_value());
  EXPECT_EQ(r.slides[3].Thumbnail->width, 1024);
  EXPECT_EQ(r.slides[3].Caption, slide.Caption);
}

TEST(ShowFileDamage, RegressionInputsReadWithoutHarm) {
  const char* source = std::getenv("LRW_SOURCE_DIR");
  const std::filesystem::path data =
      source ? std::filesystem::path(source) / "tests/document/data" : LRW_DOCUMENT_TEST_DATA;
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(data)) {
    if (entry.path().extension() != ".sho" && entry.path().extension() != ".bin") continue;
    ++seen;
    const ReadOutcome r = Outcome(ReadShowFile(entry.path().string()));
    const Bytes bytes = ReadBytes(entry.path().string());
    const ReadOutcome m = Outcome(ParseShowFile(bytes, entry.path().string()));
    EXPECT_EQ(r.problem, m.problem) << entry.path();
    EXPECT_EQ(r.slides.size(), m.slides.size()) << entry.path();
    EXPECT_EQ(r.text, m.text) << entry.path();
    for (const SlideRecord& s : r.slides) {
      if (s.Thumbnail) {
        EXPECT_LE(static_cast<uint64_t>(s.Thumbnail->width) * s.Thumbnail->height, kMaxBmpPixels);
      }
    }
    // One that reads whole is saved again as it was.
    SlideShowDocument doc;
    if (Outcome(OpenShowFile(doc, entry.path().string())).problem == std::nullopt) {
      EXPECT_EQ(EncodeShowFile(doc, false), bytes) << entry.path();
    }
  }
  EXPECT_GT(seen, 0);
}

}  // namespace
}  // namespace lrw

namespace lrw {
namespace {

// Small shows of every kind, each read back whole. With LRW_WRITE_SEEDS set to a
// folder they are also left there, as the starting corpus of the show file fuzzer.
TEST(ShowFileRoundTrip, SmallShowsOfEveryKindReadBack) {
  TempDir dir;
  const char* seeds = std::getenv("LRW_WRITE_SEEDS");
  const std::string folder = seeds ? seeds : dir.path();
  std::vector<std::pair<std::string, Bytes>> shows;
  SlideShowDocument blank;
  blank.NewBlankSlide(-1);
  shows.push_back({"blank.sho", EncodeShowFile(blank, false)});
  SlideShowDocument one;
  SlideRecord small = VariedSlide(0);
  small.Caption = {"a", "bc", std::string(260, 'l')};
  one.InsertSlide(0, small);
  shows.push_back({"one.sho", EncodeShowFile(one, false)});
  shows.push_back({"one.bld", EncodeShowFile(one, true)});
  SlideShowDocument mixed = MixedShow();
  for (int i = 0; i < mixed.Count(); ++i) {
    mixed.EditSlide(i, [](SlideRecord& s) {
      if (s.Caption.size() > 2) s.Caption.resize(2);
    });
  }
  shows.push_back({"mixed.sho", EncodeShowFile(mixed, false)});
  Bytes old = Header(kShowSignatureV2, false, false);
  Append(old, RecordBytes(FirstSlideDefaults()));
  Append(old, {0x01, 0x06, 0x02, 'h', 'i', 0x00});
  shows.push_back({"old.sho", old});
  for (const auto& [name, bytes] : shows) {
    const std::string path = folder + "/" + name;
    WriteBytes(path, bytes);
    const ReadOutcome r = Outcome(ReadShowFile(path));
    EXPECT_EQ(r.problem, std::nullopt) << name << ": " << r.text;
    EXPECT_FALSE(r.slides.empty()) << name;
  }
}

}  // namespace
}  // namespace lrw

namespace lrw {
namespace {

// A show as another program writes it: stale bytes after the signature, its own origin,
// references and padding, text left after shortened strings, a run-length thumbnail, a
// short caption line in the long form, a thumbnail too large to keep and an empty one.
// Saved again it is the same file; each change rewrites only the bytes it touches.
TEST(ShowFileRoundTrip, AnotherWritersShowStandsByteForByteWhereUnchanged) {
  TempDir dir;
  Bytes f = Header(kShowSignature, true, false);
  f[30] = 0x5A;  // after the signature's end
  Append(f, {0x07, 0xC0, 0xF2, 0xA3, 0x00});
  SlideRecord first = VariedSlide(1);
  first.Caption = {"short", "lines"};
  Bytes record = RecordBytes(first);
  const size_t name = 256, fontName = 536, effect = 590;
  record[name + 1 + first.PictureName.size() + 2] = 'Q';  // after the name's end
  record[fontName + 30] = 'R';
  record[513] = 0xEE;  // padding
  for (size_t i = 0; i < 4; ++i) record[532 + i] = uint8_t(0x11 * (i + 1));
  const uint8_t reference[4] = {0xC0, 0xF2, 0xA3, 0x00};
  for (size_t i = 0; i < 4; ++i) record[kThumbnailRefOffset + i] = reference[i];
  const Bytes rle = {4, 0, 0, 0, 4, 0, 0, 1};  // two rows of four, then the end
  const Bytes thumbnail = testing::MakeBmp({40, 4, 2, 8, 1, {0x3070C0}}, rle);
  Append(f, record);
  Append(f, {uint8_t(thumbnail.size()), 0, 0, 0});
  Append(f, thumbnail);
  Append(f, {0x01, 0x0C, 5, 0, 0, 0, 's', 'h', 'o', 'r', 't', 0x06, 5, 'l', 'i', 'n', 'e', 's', 0});
  SlideRecord second = VariedSlide(2);
  second.Caption = {};
  second.Thumbnail = Bitmap(1, 1);
  const Bytes huge = testing::MakeBmp({40, 4096, 4096, 8, 1, {0xFF}}, Bytes(68, 0));
  Append(f, RecordBytes(second));
  Append(f, {uint8_t(huge.size()), uint8_t(huge.size() >> 8), 0, 0});
  Append(f, huge);
  Append(f, EncodeCaptionList({}));
  Append(f, RecordBytes(second));
  Append(f, {0, 0, 0, 0});  // an empty thumbnail
  Append(f, EncodeCaptionList({}));
  const std::string path = dir.path() + "/other.sho", again = dir.path() + "/again.sho";
  WriteBytes(path, f);

  SlideShowDocument doc;
  const ReadOutcome r = Outcome(OpenShowFile(doc, path));
  ASSERT_EQ(r.problem, std::nullopt) << r.text;
  ASSERT_EQ(doc.Count(), 3);
  ASSERT_TRUE(WriteShowFile(doc, again, false).has_value());
  EXPECT_EQ(ReadBytes(again), f) << "saved again unchanged";

  // Each change and the bytes it may touch: offsets in the file.
  const size_t record1 = 48, thumbnail1 = record1 + kSlideRecordSize;
  struct Change {
    const char* what;
    std::function<void(SlideShowDocument&)> edit;
    std::vector<std::pair<size_t, size_t>> touched;  // [from, to) of the first file
  };
  const std::vector<Change> changes = {
      {"the loop flag", [](SlideShowDocument& d) { d.SetLoop(false); }, {{41, 42}}},
      {"the effect",
       [](SlideShowDocument& d) { d.EditSlide(0, [](SlideRecord& s) { s.Effect ^= 1; }); },
       {{record1 + effect, record1 + effect + 1}}},
      {"a shorter name",
       [](SlideShowDocument& d) { d.EditSlide(0, [](SlideRecord& s) { s.PictureName = "p"; }); },
       {{record1 + name, record1 + name + 256}}},
  };
  for (const Change& c : changes) {
    SlideShowDocument changed;
    ASSERT_EQ(Outcome(OpenShowFile(changed, path)).problem, std::nullopt);
    c.edit(changed);
    const Bytes bytes = EncodeShowFile(changed, false);
    ASSERT_EQ(bytes.size(), f.size()) << c.what;
    std::vector<size_t> wrong;
    for (size_t i = 0; i < f.size(); ++i) {
      const bool allowed = std::any_of(c.touched.begin(), c.touched.end(), [i](auto range) {
        return i >= range.first && i < range.second;
      });
      if (bytes[i] != f[i] && !allowed) wrong.push_back(i);
    }
    EXPECT_EQ(wrong, std::vector<size_t>{}) << c.what;
    EXPECT_NE(bytes, f) << c.what;
  }

  // A new caption and a new thumbnail are written as this program writes them; the
  // reference still announces the block with the other program's value.
  doc.EditSlide(0, [](SlideRecord& s) {
    s.Caption = {"new"};
    s.Thumbnail = Bitmap(2, 2, 0xFF112233u);
  });
  const Bytes rewritten = EncodeShowFile(doc, false);
  const Bytes newBmp = EncodeBmp(Bitmap(2, 2, 0xFF112233u));
  EXPECT_TRUE(std::equal(newBmp.begin(), newBmp.end(), rewritten.begin() + thumbnail1 + 4));
  const Bytes newCaption = EncodeCaptionList({"new"});
  EXPECT_TRUE(std::equal(newCaption.begin(), newCaption.end(),
                         rewritten.begin() + thumbnail1 + 4 + newBmp.size()));
  EXPECT_TRUE(
      std::equal(reference, reference + 4, rewritten.begin() + record1 + kThumbnailRefOffset));

  // A portable build carries no trace of the folders, not even the text after their end.
  const Bytes portable = EncodeShowFile(doc, true);
  EXPECT_TRUE(std::all_of(portable.begin() + record1, portable.begin() + record1 + 256,
                          [](uint8_t b) { return b == 0; }));
}

}  // namespace
}  // namespace lrw
