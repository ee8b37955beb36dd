// Motion and smooth transitions in show file 5.0: saved, reopened and saved again gives the
// same bytes; without them the file is 4.0 again; Save As 4.0 names what falls back to
// which block transition; damaged records are told.
#include <gtest/gtest.h>

#include "document/ShowFile.h"
#include "document/ShowFileTestSupport.h"
#include "document/SlideExtensionRecords.h"

namespace lrw {
namespace {

using Bytes = std::vector<uint8_t>;
using testing::Outcome;
using testing::ReadOutcome;

TEST(SlideMotionRecords, RoundTripFallbackAndDamage) {
  SlideShowDocument doc;
  for (int i = 0; i < 3; ++i) doc.InsertSlide(i, testing::VariedSlide(i + 1));
  const Bytes plain = EncodeShowFile(doc, false);

  doc.EditSlide(0, [](SlideRecord& s) {
    s.Motion = {MotionKind::Custom, 70, MotionEase::Linear, {10, 20, 300, 200}, {-5, 0, 640, 480}};
  });
  doc.EditSlide(2, [](SlideRecord& s) {
    s.Motion.kind = MotionKind::Auto;
    s.Smooth = SmoothEffect::PushUp;
    s.Effect = 4;  // its fallback, Bottom To Top
  });
  const Bytes v5 = EncodeShowFile(doc, false);
  ASSERT_EQ(std::string(v5.begin() + 1, v5.begin() + 21), kShowSignatureV5);
  // The 4.0 part is the Save As 4.0 file's, after the origin word.
  const Bytes v4 = EncodeShowFile(doc, false, ShowFormat::Version4);
  EXPECT_TRUE(std::equal(v4.begin() + 48, v4.end(), v5.begin() + 48));

  const ReadOutcome read = Outcome(ParseShowFile(v5, "/shows/m.sho"));
  ASSERT_EQ(read.problem, std::nullopt) << read.text;
  ASSERT_EQ(read.slides.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(read.slides[i].Motion, doc.SlideAt(i).Motion) << i;
    EXPECT_EQ(read.slides[i].Smooth, doc.SlideAt(i).Smooth) << i;
  }
  SlideShowDocument again;
  again.Load(read.slides, "/shows/m.sho", false);
  EXPECT_EQ(EncodeShowFile(again, false), v5);

  // Save As 4.0: the block transitions stay, and the message names what goes.
  EXPECT_EQ(v4[20], '0');
  const std::vector<std::string> lost = FeaturesBeyondVersion4(doc);
  const std::vector<std::string> expected{
      "the motion of slides 1, 3",
      "the smooth transition of slide 3 (Push up becomes Bottom To Top)"};
  EXPECT_EQ(lost, expected);

  // Taking motion and transition away gives the 4.0 file back, byte for byte.
  for (int i : {0, 2}) {
    doc.EditSlide(i, [](SlideRecord& s) {
      s.Motion = {};
      s.Smooth = SmoothEffect::None;
    });
  }
  doc.EditSlide(2, [](SlideRecord& s) { s.Effect = testing::VariedSlide(3).Effect; });
  EXPECT_EQ(EncodeShowFile(doc, false), plain);

  // A motion record naming no known motion is damage, told after the slides.
  Bytes damaged = v5;
  const std::string tag = "MOTN";
  const auto at = std::search(damaged.begin(), damaged.end(), tag.begin(), tag.end());
  ASSERT_NE(at, damaged.end());
  *(at + kRecordHeadSize) = 200;
  const ReadOutcome bad = Outcome(ParseShowFile(damaged, "/shows/m.sho"));
  EXPECT_EQ(bad.problem, ErrorKind::Damaged);
  EXPECT_NE(bad.text.find("motion"), std::string::npos) << bad.text;
  EXPECT_EQ(bad.slides.size(), 3u);
}

}  // namespace
}  // namespace lrw
