#include <gtest/gtest.h>

#include <cstring>

#include "document/SlideRecord.h"
#include "document/SlideShowDocument.h"

namespace lrw {
namespace {

int16_t Get16(const SlideRecordBytes& b, size_t at) {
  return static_cast<int16_t>(b[at] | (b[at + 1] << 8));
}

uint32_t Get32(const SlideRecordBytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

std::string GetShort(const SlideRecordBytes& b, size_t at) {
  return std::string(reinterpret_cast<const char*>(b.data() + at + 1), b[at]);
}

// A slide whose every field holds a value no other field holds.
SlideRecord DistinctSlide() {
  SlideRecord s;
  s.PictureFolder = "/pictures/summer/";
  s.PictureName = "beach\xE9.jpg";
  s.PictureFormat = 3;
  s.BackgroundColor = 0x00123456;
  s.ImageHeight = -101;
  s.ImageWidth = 845;
  s.ImageTop = -38;
  s.ImageLeft = -32768;
  s.CenterImage = 1;
  s.ShowCaption = 1;
  s.Caption = {"line one", "line two"};
  s.CaptionFontName = "Times New Roman";
  s.CaptionFontSize = -12;
  s.CaptionFontColor = 0x80000008;
  s.CaptionFontStyle = FontStyle::Bold | FontStyle::StrikeOut;
  s.CaptionBackColor = 0x00ABCDEF;
  s.CaptionTop = 32767;
  s.CaptionLeft = -5;
  s.CaptionWidth = 640;
  s.Effect = 41;
  s.BoxWidth = 10;
  s.PlaySound = 1;
  s.SoundFolder = "/sounds/";
  s.SoundName = "surf.wav";
  s.DurationMode = DurationMode::SoundEnded;
  s.ExtraSeconds = 120;
  s.Thumbnail = Bitmap(2, 2, 0xFF00FF00);
  return s;
}

TEST(SlideRecordLayout, EveryFieldAtItsOffset) {
  const SlideRecordBytes b = DistinctSlide().ToBytes();
  EXPECT_EQ(GetShort(b, 0), "/pictures/summer/");
  EXPECT_EQ(GetShort(b, 256), "beach\xE9.jpg");
  EXPECT_EQ(b[512], 3);
  EXPECT_EQ(Get32(b, 516), 0x00123456u);
  EXPECT_EQ(Get16(b, 520), -101);
  EXPECT_EQ(Get16(b, 522), 845);
  EXPECT_EQ(Get16(b, 524), -38);
  EXPECT_EQ(Get16(b, 526), -32768);
  EXPECT_EQ(b[528], 1);
  EXPECT_EQ(b[529], 1);
  EXPECT_EQ(Get32(b, 532), 0u) << "the caption reference carries nothing";
  EXPECT_EQ(GetShort(b, 536), "Times New Roman");
  EXPECT_EQ(Get16(b, 570), -12);
  EXPECT_EQ(Get32(b, 572), 0x80000008u);
  EXPECT_EQ(b[576], ToUnderlying(FontStyle::Bold | FontStyle::StrikeOut));
  EXPECT_EQ(Get32(b, 580), 0x00ABCDEFu);
  EXPECT_EQ(Get16(b, 584), 32767);
  EXPECT_EQ(Get16(b, 586), -5);
  EXPECT_EQ(Get16(b, 588), 640);
  EXPECT_EQ(b[590], 41);
  EXPECT_EQ(Get16(b, 592), 10);
  EXPECT_EQ(b[594], 1);
  EXPECT_EQ(GetShort(b, 595), "/sounds/");
  EXPECT_EQ(GetShort(b, 851), "surf.wav");
  EXPECT_EQ(b[1107], ToUnderlying(DurationMode::SoundEnded));
  EXPECT_EQ(Get16(b, 1108), 120);
  EXPECT_NE(Get32(b, 1112), 0u) << "a thumbnail block follows";
}

TEST(SlideRecordLayout, PaddingAndUnusedStringBytesAreZero) {
  const SlideRecordBytes b = DistinctSlide().ToBytes();
  for (size_t at : {513u, 514u, 515u, 530u, 531u, 569u, 577u, 578u, 579u, 591u, 1110u, 1111u}) {
    EXPECT_EQ(b[at], 0) << "offset " << at;
  }
  for (size_t at = 1 + 17; at < 256; ++at) ASSERT_EQ(b[at], 0) << "offset " << at;
}

TEST(SlideRecordLayout, NoThumbnailGivesZeroReference) {
  SlideRecord s = DistinctSlide();
  s.Thumbnail.reset();
  const SlideRecordBytes b = s.ToBytes();
  EXPECT_EQ(Get32(b, 1112), 0u);
  EXPECT_FALSE(SlideRecord::HasThumbnailBlock(b));
}

TEST(SlideRecordLayout, FromBytesRestoresEveryField) {
  const SlideRecord s = DistinctSlide();
  SlideRecordBytes b = s.ToBytes();
  // Bytes no version ever wrote there come back as they were.
  b[576] = 0xF5;
  b[1107] = 0xFF;
  SlideRecord r = SlideRecord::FromBytes(b);
  EXPECT_TRUE(r.Caption.empty());
  EXPECT_FALSE(r.Thumbnail.has_value());
  r.Thumbnail = Bitmap();  // the thumbnail itself travels in its own block
  EXPECT_EQ(r.ToBytes(), b);
  EXPECT_EQ(r.ImageLeft, -32768);
  EXPECT_EQ(r.ImageTop, -38);
  EXPECT_EQ(r.CaptionFontSize, -12);
  EXPECT_TRUE(SlideRecord::HasThumbnailBlock(b));
}

struct CapacityCase {
  const char* field;
  std::string SlideRecord::*member;
  size_t offset;
  size_t capacity;
};

TEST(SlideRecordLayout, LongTextIsCutToCapacity) {
  const CapacityCase cases[] = {
      {"PictureFolder", &SlideRecord::PictureFolder, 0, 255},
      {"PictureName", &SlideRecord::PictureName, 256, 255},
      {"CaptionFontName", &SlideRecord::CaptionFontName, 536, 32},
      {"SoundFolder", &SlideRecord::SoundFolder, 595, 255},
      {"SoundName", &SlideRecord::SoundName, 851, 255},
  };
  for (const CapacityCase& c : cases) {
    SlideRecord s;
    std::string text;
    for (size_t i = 0; i < 300; ++i) text += static_cast<char>('a' + i % 26);
    s.*c.member = text;
    const SlideRecordBytes b = s.ToBytes();
    EXPECT_EQ(b[c.offset], c.capacity) << c.field;
    EXPECT_EQ(GetShort(b, c.offset), text.substr(0, c.capacity)) << c.field;
    // The neighbour after the field is untouched by the long text.
    EXPECT_EQ(SlideRecord::FromBytes(b).*c.member, text.substr(0, c.capacity)) << c.field;
    s.*c.member = text.substr(0, c.capacity);
    EXPECT_EQ(s.ToBytes(), b) << c.field;
  }
  EXPECT_EQ(CutToCapacity("abcdef", 4), "abcd");
  EXPECT_EQ(CutToCapacity("ab", 4), "ab");
}

TEST(SlideRecordLayout, OverlongLengthByteIsCutWhenRead) {
  SlideRecordBytes b{};
  b[536] = 200;  // the font name claims more than its 32 bytes
  std::memset(b.data() + 537, 'x', 33);
  EXPECT_EQ(SlideRecord::FromBytes(b).CaptionFontName, std::string(32, 'x'));
}

TEST(FirstSlideDefaults, MatchTheDesignerDefaults) {
  const SlideRecord s = FirstSlideDefaults();
  EXPECT_EQ(s.BackgroundColor, 0u);
  EXPECT_EQ(s.CenterImage, 1);
  EXPECT_EQ(s.Effect, 0);
  EXPECT_EQ(s.BoxWidth, 2);
  EXPECT_EQ(s.DurationMode, DurationMode::TimeElapsed);
  EXPECT_EQ(s.ExtraSeconds, 5);
  EXPECT_EQ(s.CaptionBackColor, 0xFFFFFFu);
  EXPECT_EQ(s.CaptionFontName, "MS Sans Serif");
  EXPECT_EQ(s.CaptionFontSize, 8);
  EXPECT_EQ(s.CaptionFontColor, 0x80000008u);
  EXPECT_EQ(s.CaptionFontStyle, FontStyle::None);
  // Every other byte is zero.
  SlideRecord zero;
  zero.BackgroundColor = 0;
  zero.CenterImage = 1;
  zero.BoxWidth = 2;
  zero.DurationMode = DurationMode::TimeElapsed;
  zero.ExtraSeconds = 5;
  zero.CaptionBackColor = 0xFFFFFF;
  SetDesignerCaptionFont(zero);
  EXPECT_EQ(s.ToBytes(), zero.ToBytes());
}

TEST(SlideShowDocument, BlankSlideInEmptyShowUsesDefaults) {
  SlideShowDocument doc;
  EXPECT_EQ(doc.NewBlankSlide(-1), 0);
  ASSERT_EQ(doc.Count(), 1);
  EXPECT_TRUE(doc.Modified());
  EXPECT_EQ(doc.SlideAt(0).ToBytes(), FirstSlideDefaults().ToBytes());
  EXPECT_TRUE(doc.SlideAt(0).IsBlank());
}

TEST(SlideShowDocument, BlankSlideAfterPictureSlideKeepsItsSettings) {
  SlideShowDocument doc;
  SlideRecord picture = DistinctSlide();
  picture.BackgroundColor = 0x0000FF;  // red
  picture.Effect = 17;
  doc.InsertSlide(0, picture);
  doc.InsertSlide(1, FirstSlideDefaults());
  EXPECT_EQ(doc.NewBlankSlide(0), 1);
  ASSERT_EQ(doc.Count(), 3);
  const SlideRecord& b = doc.SlideAt(1);
  EXPECT_EQ(b.BackgroundColor, 0x0000FFu);
  EXPECT_EQ(b.Effect, 17);
  EXPECT_EQ(b.PictureFormat, picture.PictureFormat);
  EXPECT_EQ(b.CenterImage, picture.CenterImage);
  EXPECT_EQ(b.CaptionFontName, picture.CaptionFontName);
  EXPECT_EQ(b.CaptionFontSize, picture.CaptionFontSize);
  EXPECT_EQ(b.CaptionFontColor, picture.CaptionFontColor);
  EXPECT_EQ(b.CaptionFontStyle, picture.CaptionFontStyle);
  EXPECT_EQ(b.CaptionBackColor, picture.CaptionBackColor);
  EXPECT_EQ(b.BoxWidth, picture.BoxWidth);
  EXPECT_EQ(b.DurationMode, picture.DurationMode);
  EXPECT_EQ(b.ExtraSeconds, picture.ExtraSeconds);
  EXPECT_EQ(b.PictureFolder, "");
  EXPECT_EQ(b.PictureName, "");
  EXPECT_EQ(b.ImageHeight, 0);
  EXPECT_EQ(b.ImageWidth, 0);
  EXPECT_EQ(b.ImageTop, 0);
  EXPECT_EQ(b.ImageLeft, 0);
  EXPECT_EQ(b.ShowCaption, 0);
  EXPECT_TRUE(b.Caption.empty());
  EXPECT_EQ(b.CaptionTop, 0);
  EXPECT_EQ(b.CaptionLeft, 0);
  EXPECT_EQ(b.CaptionWidth, 0);
  EXPECT_EQ(b.PlaySound, 0);
  EXPECT_EQ(b.SoundFolder, "");
  EXPECT_EQ(b.SoundName, "");
  EXPECT_FALSE(b.Thumbnail.has_value());
  // The source is unchanged.
  EXPECT_EQ(doc.SlideAt(0).ToBytes(), picture.ToBytes());
  EXPECT_EQ(doc.SlideAt(0).Caption, picture.Caption);
}

TEST(SlideShowDocument, DuplicateDropsSoundAndOwnsItsCaption) {
  SlideShowDocument doc;
  doc.InsertSlide(0, DistinctSlide());
  EXPECT_EQ(doc.DuplicateSlide(0), 1);
  EXPECT_TRUE(doc.Modified());
  ASSERT_EQ(doc.Count(), 2);
  const SlideRecord& copy = doc.SlideAt(1);
  EXPECT_EQ(copy.PlaySound, 0);
  EXPECT_EQ(copy.SoundFolder, "");
  EXPECT_EQ(copy.SoundName, "");
  EXPECT_EQ(copy.Caption, doc.SlideAt(0).Caption);
  EXPECT_EQ(copy.Thumbnail, doc.SlideAt(0).Thumbnail);
  EXPECT_EQ(copy.PictureName, doc.SlideAt(0).PictureName);
  doc.EditSlide(1, [](SlideRecord& c) {
    c.Caption[0] = "edited";
    c.Thumbnail->at(0, 0) = 0xFF000000;
  });
  EXPECT_EQ(doc.SlideAt(0).Caption[0], "line one");
  EXPECT_EQ(doc.SlideAt(0).Thumbnail->at(0, 0), 0xFF00FF00u);
  EXPECT_EQ(doc.SlideAt(0).PlaySound, 1);
}

TEST(SlideShowDocument, DuplicateOfBlankSlideIsBlank) {
  SlideShowDocument doc;
  doc.NewBlankSlide(-1);
  doc.SetModified(false);
  EXPECT_EQ(doc.DuplicateSlide(0), 1);
  EXPECT_TRUE(doc.SlideAt(1).IsBlank());
  EXPECT_FALSE(doc.SlideAt(1).Thumbnail.has_value());
  EXPECT_EQ(doc.DuplicateSlide(5), -1);
  EXPECT_EQ(doc.DuplicateSlide(-1), -1);
  EXPECT_EQ(doc.Count(), 2);
}

TEST(SlideShowDocument, InsertDeleteExchangeAndRelease) {
  SlideShowDocument doc;
  auto named = [](const char* n) {
    SlideRecord s;
    s.PictureName = n;
    return s;
  };
  doc.InsertSlide(0, named("b"));
  doc.InsertSlide(0, named("a"));
  doc.InsertSlide(99, named("d"));  // clamped to the end
  doc.InsertSlide(-4, named("0"));  // clamped to the start
  doc.InsertSlide(3, named("c"));
  auto names = [&] {
    std::string all;
    for (const SlideRecord& s : doc.Slides()) all += s.PictureName;
    return all;
  };
  EXPECT_EQ(names(), "0abcd");
  doc.ExchangeSlides(1, 4);
  EXPECT_EQ(names(), "0dbca");
  doc.ExchangeSlides(1, 5);  // out of range: nothing
  EXPECT_EQ(names(), "0dbca");
  doc.DeleteSlide(0);
  doc.DeleteSlide(7);
  EXPECT_EQ(names(), "dbca");
  EXPECT_TRUE(doc.Modified());
  doc.ReleaseSlides();
  EXPECT_EQ(doc.Count(), 0);
  EXPECT_FALSE(doc.Modified());
}

TEST(SlideShowDocument, BlankSlideGoesAfterCurrent) {
  SlideShowDocument doc;
  doc.NewBlankSlide(-1);
  doc.NewBlankSlide(0);
  doc.EditSlide(1, [](SlideRecord& s) { s.Effect = 9; });
  EXPECT_EQ(doc.NewBlankSlide(1), 2);
  EXPECT_EQ(doc.SlideAt(2).Effect, 9);
  EXPECT_EQ(doc.NewBlankSlide(7), 0) << "no such current slide: insert first, with defaults";
  EXPECT_EQ(doc.SlideAt(0).Effect, 0);
}

}  // namespace
}  // namespace lrw
