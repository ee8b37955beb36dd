// What closing the arrangement stage writes into the slide.
#include <gtest/gtest.h>

#include "arrange/ArrangementWriteBack.h"
#include "player/FixedWidthMeasurer.h"
#include "support/SlideBuilder.h"

namespace lrw {
namespace {

SlideRecord PictureSlide() {
  return test::SlideBuilder()
      .Picture("/pics/a.jpg", 3, 4)
      .Place(1, 2)
      .Effect(7, 4)
      .Sound("/snd/a.wav")
      .Background(0x112233)
      .Build();
}

ArrangementOutcome Saving() {
  ArrangementOutcome o;
  o.saveOnClose = true;
  o.imageClientLeft = 100;
  o.imageClientTop = 50;
  o.imageClientWidth = 320;
  o.imageClientHeight = 240;
  o.centered = false;
  o.backgroundColor = 0x445566;
  return o;
}

TEST(ArrangementWriteBack, NothingIsWrittenWithoutSaving) {
  SlideRecord slide = PictureSlide();
  const SlideRecord before = slide;
  ArrangementOutcome o = Saving();
  o.saveOnClose = false;
  o.hasCaption = true;
  o.captionText = {"x"};
  EXPECT_FALSE(WriteArrangement(slide, o, test::FixedWidthMeasurer()));
  EXPECT_EQ(slide, before);
}

TEST(ArrangementWriteBack, APictureSlideStoresItsClientBoxCentreFlagAndBackground) {
  SlideRecord slide = PictureSlide();
  SlideRecord expected = slide;
  ASSERT_TRUE(WriteArrangement(slide, Saving(), test::FixedWidthMeasurer()));
  expected.ImageLeft = 100;
  expected.ImageTop = 50;
  expected.ImageWidth = 320;
  expected.ImageHeight = 240;
  expected.CenterImage = 0;
  expected.BackgroundColor = 0x445566;
  // Effect, speed, sound and the caption stay as they were.
  EXPECT_EQ(slide, expected);
}

TEST(ArrangementWriteBack, ABlankSlideKeepsItsImageBox) {
  SlideRecord slide = PictureSlide();
  slide.PictureName.clear();
  ArrangementOutcome o = Saving();
  o.centered = true;
  ASSERT_TRUE(WriteArrangement(slide, o, test::FixedWidthMeasurer()));
  EXPECT_EQ(slide.ImageLeft, 1);
  EXPECT_EQ(slide.ImageWidth, 3);
  EXPECT_EQ(slide.CenterImage, 0);
  EXPECT_EQ(slide.BackgroundColor, 0x445566u);
}

TEST(ArrangementWriteBack, TheCaptionStoresItsWidestLineNotTheWindowWidth) {
  SlideRecord slide = PictureSlide();
  ArrangementOutcome o = Saving();
  o.hasCaption = true;
  // 5 pixels a character: "one two three" broken at 40 gives "one two " and "three";
  // the widest line without trailing blanks is "one two", 35 pixels.
  o.captionText = {"one two three"};
  o.captionClientWidth = 40;
  o.captionWindowLeft = 30;
  o.captionWindowTop = 600;
  o.captionFontName = std::string(40, 'F');
  o.captionFontSize = 14;
  o.captionFontStyle = FontStyle::Bold;
  o.captionFontColor = 0x0000FF;
  o.captionBackColor = 0x00FF00;
  ASSERT_TRUE(WriteArrangement(slide, o, test::FixedWidthMeasurer(5)));
  EXPECT_EQ(slide.ShowCaption, 1);
  EXPECT_EQ(slide.CaptionWidth, 35);
  EXPECT_EQ(slide.CaptionLeft, 30);
  EXPECT_EQ(slide.CaptionTop, 600);
  EXPECT_EQ(slide.Caption, o.captionText);
  EXPECT_EQ(slide.CaptionFontName, std::string(32, 'F'));
  EXPECT_EQ(slide.CaptionFontSize, 14);
  EXPECT_EQ(slide.CaptionFontStyle, FontStyle::Bold);
  EXPECT_EQ(slide.CaptionFontColor, 0x0000FFu);
  EXPECT_EQ(slide.CaptionBackColor, 0x00FF00u);
}

TEST(ArrangementWriteBack, ACaptionIsNeverNarrowerThanWW) {
  const test::FixedWidthMeasurer font(5, {{'W', 9}});
  EXPECT_EQ(ArrangedCaptionWidth({"a"}, font, 300), 18);
  EXPECT_EQ(ArrangedCaptionWidth({}, font, 300), 18);
  // Trailing blanks do not count, even in a window much wider than the text.
  EXPECT_EQ(ArrangedCaptionWidth({"abcdef      "}, font, 300), 30);
}

}  // namespace
}  // namespace lrw
