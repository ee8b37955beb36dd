// The strip cell, drawn into an image and checked pixel by pixel, and the label rule.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "designer/DesignerTestSupport.h"
#include "designer/SlideStrip.h"

namespace lrw {
namespace {

const QColor kFace(0xC0, 0xC0, 0xC0);
const QColor kHighlight(0x00, 0x00, 0x80);
const QColor kHighlightText(0xFF, 0xFF, 0xFF);
const QColor kText(0x00, 0x00, 0x00);
const QColor kOutside(0xFF, 0x00, 0xFF);  // what lies around the cell

// The cell drawn at an offset, so that nothing may spill outside its rectangle.
struct DrawnCell {
  static constexpr int kX = 10, kY = 7;
  QImage image;
  int height;

  DrawnCell(const SlideRecord& slide, bool selected) : height(StripItemHeight()) {
    image = QImage(kX + 76 + 10, kY + height + 10, QImage::Format_RGB32);
    image.fill(kOutside);
    QPainter p(&image);
    DrawSlideCell(p, QRect(kX, kY, 76, height), slide, selected,
                  {kFace, kHighlight, kHighlightText, kText});
  }
  // A pixel in cell coordinates.
  QColor at(int x, int y) const { return image.pixelColor(kX + x, kY + y); }

  // The bounding box of label pixels (any colour but the brush) within the label rectangle.
  QRect LabelInk(const QColor& brush) const {
    QRect box;
    for (int y = 66; y < height - 6; ++y)
      for (int x = 6; x < 70; ++x)
        if (at(x, y) != brush) box |= QRect(x, y, 1, 1);
    return box;
  }
};

TEST(SlideCell, PictureCellGeometry) {
  // A 40 x 30 thumbnail: P = (18, 20) .. (57, 49) inclusive.
  const DrawnCell c(test::PictureSlide("a.bmp", 40, 30, 0xFF10A020u), false);
  const QColor thumb(0x10, 0xA0, 0x20);
  const int h = c.height;
  const QColor white(Qt::white), black(Qt::black);

  struct Probe {
    int x, y;
    QColor expected;
    const char* what;
  };
  const Probe probes[] = {
      {0, 0, kFace, "outline top-left"},
      {75, h - 1, kFace, "outline bottom-right"},
      {5, 5, kFace, "cell brush"},
      // Raised frame: white left and top, black right and bottom.
      {1, 30, white, "raised left"},
      {30, 1, white, "raised top"},
      {1, h - 4, white, "raised bottom-left corner"},
      {73, 30, black, "raised right"},
      {73, 1, black, "raised top-right corner"},
      {30, h - 4, black, "raised bottom"},
      {74, 30, kFace, "right of raised frame"},
      {30, h - 3, kFace, "below raised frame"},
      // Thumbnail exactly over P.
      {18, 20, thumb, "thumbnail top-left"},
      {57, 49, thumb, "thumbnail bottom-right"},
      // Sunken frame: black left and top, white right and bottom.
      {17, 35, black, "sunken left"},
      {30, 19, black, "sunken top"},
      {17, 19, black, "sunken top-left corner"},
      {17, 50, black, "sunken bottom-left corner"},
      {58, 35, white, "sunken right"},
      {58, 19, white, "sunken top-right corner"},
      {30, 50, white, "sunken bottom"},
      {58, 50, white, "sunken bottom-right corner"},
      {16, 35, kFace, "left of sunken frame"},
      {59, 35, kFace, "right of sunken frame"},
  };
  for (const Probe& p : probes) EXPECT_EQ(c.at(p.x, p.y), p.expected) << p.what;
  // Nothing outside the cell.
  EXPECT_EQ(c.image.pixelColor(DrawnCell::kX - 1, DrawnCell::kY + 5), kOutside);
  EXPECT_EQ(c.image.pixelColor(DrawnCell::kX + 76, DrawnCell::kY + 5), kOutside);
  EXPECT_EQ(c.image.pixelColor(DrawnCell::kX + 5, DrawnCell::kY + h), kOutside);
}

TEST(SlideCell, OddThumbnailSizesTruncateWhenCentred) {
  // 59 x 33: left = (76 - 59) div 2 = 8, top = (70 - 33) div 2 = 18.
  const DrawnCell c(test::PictureSlide("b.bmp", 59, 33, 0xFF0000FFu), false);
  EXPECT_EQ(c.at(8, 18), QColor(Qt::blue));
  EXPECT_EQ(c.at(66, 50), QColor(Qt::blue));
  EXPECT_EQ(c.at(7, 18), QColor(Qt::black));
  EXPECT_EQ(c.at(67, 50), QColor(Qt::white));
}

TEST(SlideCell, BlankSlideIsASixtySquareSwatchLabelledBlank) {
  // Red in a record is 0x000000FF.
  const DrawnCell c(test::BlankSlide(0x000000FFu), false);
  const QColor red(Qt::red);
  // P = (8, 5) .. (67, 64).
  EXPECT_EQ(c.at(8, 5), red);
  EXPECT_EQ(c.at(67, 64), red);
  EXPECT_EQ(c.at(7, 30), QColor(Qt::black));
  EXPECT_EQ(c.at(68, 30), QColor(Qt::white));
  EXPECT_EQ(c.at(30, 65), QColor(Qt::white));
  // "(blank)" is drawn, centred in the label rectangle.
  const QRect ink = c.LabelInk(kFace);
  ASSERT_FALSE(ink.isEmpty());
  const int width = QFontMetrics(StripFont(8)).horizontalAdvance(QStringLiteral("(blank)"));
  const int left = 6 + (64 - width) / 2;
  EXPECT_GE(ink.left(), left);
  EXPECT_LE(ink.right(), left + width);
  EXPECT_NEAR((ink.left() + ink.right()) / 2.0, 38.0, 2.0);
}

TEST(SlideCell, SelectedCellUsesHighlightInsideAFaceOutline) {
  const DrawnCell c(test::PictureSlide("c.bmp", 40, 30), true);
  EXPECT_EQ(c.at(5, 5), kHighlight);
  EXPECT_EQ(c.at(0, 0), kFace);
  EXPECT_EQ(c.at(75, 40), kFace);
  const QRect ink = c.LabelInk(kHighlight);
  ASSERT_FALSE(ink.isEmpty());
  // The label is written in the (light) highlight text colour on the dark highlight.
  bool sawText = false;
  for (int x = ink.left(); x <= ink.right(); ++x)
    for (int y = ink.top(); y <= ink.bottom(); ++y) sawText |= qGray(c.at(x, y).rgb()) > 160;
  EXPECT_TRUE(sawText);
}

TEST(SlideCell, LongLabelIsShortenedAndStaysInsideTheLabelRectangle) {
  const DrawnCell c(test::PictureSlide("a very long picture file name.jpeg", 40, 30), false);
  const QRect ink = c.LabelInk(kFace);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 6);
  EXPECT_LE(ink.right(), 69);
  EXPECT_GE(ink.top(), 66);
}

TEST(SlideCell, FitCellLabel) {
  const QFontMetrics fm(StripFont(8));
  const int width = 64;
  const QString labels[] = {QStringLiteral("a.bmp"), QStringLiteral("holiday-2023-beach.jpg"),
                            QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWW"), QStringLiteral("W")};
  for (const QString& label : labels) {
    const QString fitted = FitCellLabel(label, width, fm);
    if (fm.horizontalAdvance(label) <= width) {
      EXPECT_EQ(fitted, label);
      continue;
    }
    ASSERT_TRUE(fitted.endsWith(QStringLiteral("..."))) << label.toStdString();
    const QString kept = fitted.chopped(3);
    EXPECT_TRUE(label.startsWith(kept));
    EXPECT_LT(kept.size(), label.size());
    EXPECT_LE(fm.horizontalAdvance(fitted), width) << fitted.toStdString();
    // As much of the name as fits is kept.
    const QString oneMore = label.left(kept.size() + 1) + QStringLiteral("...");
    EXPECT_GT(fm.horizontalAdvance(oneMore), width) << fitted.toStdString();
  }
}

TEST(SlideCell, LabelOneCharacterTooWideLosesAtLeastOneCharacter) {
  const QFontMetrics fm(StripFont(8));
  QString label = QStringLiteral("i");
  while (fm.horizontalAdvance(label) <= 64) label += QLatin1Char('i');
  const QString fitted = FitCellLabel(label, 64, fm);
  EXPECT_TRUE(fitted.endsWith(QStringLiteral("...")));
  EXPECT_LE(fitted.size() - 3, label.size() - 1);
  EXPECT_LE(fm.horizontalAdvance(fitted), 64);
}

TEST(SlideCell, ItemHeightIsTheHeightOfMPlus74) {
  EXPECT_EQ(StripItemHeight(), QFontMetrics(StripFont(8)).height() + 74);
  EXPECT_GT(StripItemHeight(), 74 + 8);
}

}  // namespace
}  // namespace lrw
