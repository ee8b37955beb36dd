#include "player/WrapCaption.h"

#include <gtest/gtest.h>

#include "document/Cp1252.h"
#include "player/FixedWidthMeasurer.h"

namespace lrw {
namespace {

using test::FixedWidthMeasurer;
using Lines = std::vector<std::string>;

// 'w' 7 and 'W' 9 wide ("WW" is 18), '-' 3, every other character 5: "Hello " is 30
// and "world " is 32 pixels.
FixedWidthMeasurer Font() {
  return FixedWidthMeasurer(5, {{'w', 7}, {'W', 9}, {'-', 3}});
}

struct WrapCase {
  const char* name;
  Lines caption;
  int width;
  Lines expected;
};

const std::string P(1, kPilcrow);

class WrapCaptionCases : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapCaptionCases, BreaksAsExpected) {
  const WrapCase& c = GetParam();
  const FixedWidthMeasurer font = Font();
  Lines out = {"left over"};
  int width = c.width;
  WrapCaption(c.caption, font, out, width);
  EXPECT_EQ(out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, WrapCaptionCases,
    ::testing::Values(
        WrapCase{"TwoWordsKeepTheirSpaces", {"Hello world"}, 40, {"Hello ", "world "}},
        WrapCase{"LinesJoinWithoutSeparator", {"Hel", "lo wo", "rld"}, 40, {"Hello ", "world "}},
        WrapCase{"HyphenBreaksAfterIt", {"well-known"}, 40, {"well-", "known "}},
        WrapCase{"HyphenAfterBlankIgnoredForFirstPiece", {"ab cd-ef"}, 100, {"ab cd-ef "}},
        // A leading hyphen is not a break: the word is split between characters instead.
        WrapCase{"LeadingHyphenDoesNotBreak", {"-abcde"}, 25, {"-abcd", "e "}},
        WrapCase{"PilcrowForcesBreak", {"ab" + P + "cd"}, 100, {"ab", "cd "}},
        WrapCase{"LeadingPilcrowsGiveEmptyLines", {P + P + "x"}, 100, {"", "", "x "}},
        WrapCase{"TrailingPilcrow", {"ab" + P}, 100, {"ab", " "}},
        WrapCase{"PilcrowBeforeBlankEndsPiece", {"a b" + P + "c d"}, 100, {"a b", "c d "}},
        WrapCase{"WideWordSplitBetweenCharacters", {"abcdefghij"}, 20, {"abcd", "efgh", "ij "}},
        // The trailing blank does not count: "aaa bbb" is exactly 35.
        WrapCase{"TrailingBlankDoesNotCount", {"aaa bbb"}, 35, {"aaa bbb "}},
        WrapCase{"OneMorePixelBreaks", {"aaa bbb"}, 34, {"aaa ", "bbb "}},
        WrapCase{"SeveralBlanksStayWithTheirPieces", {"a  b"}, 100, {"a  b "}},
        WrapCase{"EmptyCaption", {}, 40, {""}}, WrapCase{"EmptyLines", {"", ""}, 40, {""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WrapCaption, WidthIsRaisedToDoubleW) {
  const FixedWidthMeasurer font = Font();
  Lines out;
  int width = 5;
  WrapCaption({"a b"}, font, out, width);
  EXPECT_EQ(width, 18);
  EXPECT_EQ(out, (Lines{"a b "}));

  width = 40;
  WrapCaption({"a b"}, font, out, width);
  EXPECT_EQ(width, 40);
}

TEST(WrapCaption, CharacterWiderThanWidthStandsAlone) {
  // "M" is wider than "WW", so it cannot join the first (empty) line.
  const FixedWidthMeasurer font(5, {{'W', 9}, {'M', 25}});
  Lines out;
  int width = 0;
  WrapCaption({"M"}, font, out, width);
  EXPECT_EQ(out, (Lines{"", "M"}));
}

TEST(LayoutCaption, BoxStartsOnePixelLeftAndIsThreeWider) {
  SlideRecord slide;
  slide.Caption = {"Hello world"};
  slide.CaptionLeft = 100;
  slide.CaptionTop = 50;
  slide.CaptionWidth = 40;
  const CaptionLayout layout = LayoutCaption(slide, Font());
  EXPECT_EQ(layout.lines, (Lines{"Hello", "world"}));
  EXPECT_EQ(layout.textWidth, 40);
  EXPECT_EQ(layout.lineHeight, 12);
  EXPECT_EQ(layout.boxLeft, 99);
  EXPECT_EQ(layout.boxTop, 50);
  EXPECT_EQ(layout.boxRight, 142);
  EXPECT_EQ(layout.boxBottom, 74);
  EXPECT_EQ(layout.LineTop(1), 62);
}

TEST(LayoutCaption, WidensToWidestLineAndToDoubleW) {
  const FixedWidthMeasurer font(5, {{'W', 9}, {'M', 25}});
  SlideRecord slide;
  slide.Caption = {"M"};
  slide.CaptionLeft = -10;
  slide.CaptionTop = 0;
  slide.CaptionWidth = 0;
  CaptionLayout layout = LayoutCaption(slide, font);
  EXPECT_EQ(layout.textWidth, 25);
  EXPECT_EQ(layout.boxLeft, -11);
  EXPECT_EQ(layout.boxRight, 17);
  EXPECT_EQ(layout.boxBottom, 24);

  slide.Caption.clear();  // no text: one line, "WW" wide
  layout = LayoutCaption(slide, font);
  EXPECT_EQ(layout.lines, (Lines{""}));
  EXPECT_EQ(layout.textWidth, 18);
  EXPECT_EQ(layout.boxBottom, 12);
}

}  // namespace
}  // namespace lrw
