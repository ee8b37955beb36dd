#include "player/SlideComposer.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QImage>
#include <QPainter>

#include <filesystem>

#include "player/CaptionFont.h"
#include "player/WrapCaption.h"
#include "support/SlideBuilder.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

constexpr QRgb kGreen = 0xFF00C000;
constexpr QRgb kRed = 0xFFE00000;

class SlideComposerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("lrw_compose_" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  // A picture whose columns before `split` are green and the rest red.
  std::string WritePicture(const std::string& name, int w, int h, int split) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(kRed);
    QPainter(&picture).fillRect(0, 0, split, h, QColor::fromRgb(kGreen));
    const fs::path path = dir / name;
    EXPECT_TRUE(picture.save(QString::fromStdString(path.string())));
    return path.string();
  }

  SlideRecord PictureSlide(const std::string& path, int w, int h) {
    return test::SlideBuilder().Picture(path, w, h).Background(0x00FF0000).Build();  // blue
  }

  QImage Screen(int w = 800, int h = 600) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
  }

  fs::path dir;
  SlideComposer composer;
};

TEST_F(SlideComposerTest, BlankSlideIsPlainBackground) {
  const SlideRecord slide = test::SlideBuilder().Background(0x00336699).Build();  // 0x00BBGGRR
  QImage screen = Screen();
  composer.ComposeSlide(slide, screen);
  for (QPoint p : {QPoint(0, 0), QPoint(799, 599), QPoint(400, 300)}) {
    EXPECT_EQ(screen.pixel(p), 0xFF996633u);
  }
}

TEST_F(SlideComposerTest, PictureAtItsPlaceAndClippedAtTheEdges) {
  SlideRecord slide = PictureSlide(WritePicture("p.png", 100, 50, 50), 100, 50);
  slide.ImageLeft = -20;
  slide.ImageTop = 570;
  QImage screen = Screen();
  composer.ComposeSlide(slide, screen);
  EXPECT_EQ(screen.pixel(0, 580), kGreen);
  EXPECT_EQ(screen.pixel(29, 599), kGreen);
  EXPECT_EQ(screen.pixel(30, 599), kRed);
  EXPECT_EQ(screen.pixel(79, 570), kRed);
  EXPECT_EQ(screen.pixel(80, 570), 0xFF0000FFu);  // background right of the picture
  EXPECT_EQ(screen.pixel(10, 569), 0xFF0000FFu);  // and above it
}

struct CentringCase {
  int pictureWidth;
  int split;
  int firstRedColumn;  // on an 800-pixel screen
};

class CentredPicture : public SlideComposerTest,
                       public ::testing::WithParamInterface<CentringCase> {};

TEST_P(CentredPicture, HalvesTruncateTowardZero) {
  const CentringCase c = GetParam();
  SlideRecord slide =
      PictureSlide(WritePicture("c.png", c.pictureWidth, 10, c.split), c.pictureWidth, 10);
  slide.CenterImage = 1;
  slide.ImageLeft = 5;  // not used when centred
  QImage screen = Screen();
  composer.ComposeSlide(slide, screen);
  EXPECT_EQ(screen.pixel(c.firstRedColumn - 1, 295), kGreen);
  EXPECT_EQ(screen.pixel(c.firstRedColumn, 295), kRed);
  EXPECT_EQ(screen.pixel(400, 294), 0xFF0000FFu);  // top = (600 - 10) / 2 = 295
}

INSTANTIATE_TEST_SUITE_P(Widths, CentredPicture,
                         ::testing::Values(CentringCase{1000, 500, 400},  // left -100
                                           CentringCase{901, 450, 400},   // left -50, not -51
                                           CentringCase{101, 50, 399}));  // left 349, not 350

TEST_F(SlideComposerTest, PictureIsStretchedToItsSize) {
  SlideRecord slide = PictureSlide(WritePicture("s.png", 100, 40, 50), 400, 80);
  QImage screen = Screen();
  composer.ComposeSlide(slide, screen);
  EXPECT_EQ(screen.pixel(190, 40), kGreen);
  EXPECT_EQ(screen.pixel(210, 40), kRed);
  EXPECT_EQ(screen.pixel(399, 79), kRed);
  EXPECT_EQ(screen.pixel(400, 79), 0xFF0000FFu);
  EXPECT_EQ(screen.pixel(399, 80), 0xFF0000FFu);
}

TEST_F(SlideComposerTest, SamePictureOnConsecutiveSlidesIsDecodedOnce) {
  const std::string path = WritePicture("same.png", 64, 32, 32);
  SlideRecord a = PictureSlide(path, 64, 32);
  SlideRecord b = a;
  b.BackgroundColor = 0x000000FF;
  b.CenterImage = 1;
  QImage screen = Screen();
  composer.ComposeSlide(a, screen);
  composer.ComposeSlide(b, screen);
  EXPECT_EQ(composer.PictureLoads(), 1);
  EXPECT_EQ(composer.CachedFileName(), path);
  EXPECT_EQ(screen.pixel(400 - 32, 300), kGreen);
}

TEST_F(SlideComposerTest, MissingPictureLeavesBackgroundAndKeepsTheCache) {
  const std::string path = WritePicture("kept.png", 10, 10, 5);
  QImage screen = Screen();
  composer.ComposeSlide(PictureSlide(path, 10, 10), screen);
  SlideRecord missing = PictureSlide((dir / "gone.png").string(), 10, 10);
  missing.ShowCaption = 1;
  missing.CaptionFontName = "DejaVu Sans";
  missing.CaptionFontSize = 12;
  missing.CaptionBackColor = 0x0000FF00;
  missing.CaptionLeft = 100;
  missing.CaptionTop = 100;
  composer.ComposeSlide(missing, screen);
  EXPECT_EQ(screen.pixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(screen.pixel(100, 101), 0xFF00FF00u);  // the caption is still drawn
  EXPECT_EQ(composer.CachedFileName(), path);
}

TEST_F(SlideComposerTest, CaptionBoxBoundsAndText) {
  SlideRecord slide;
  slide.BackgroundColor = 0x00000000;
  slide.ShowCaption = 1;
  slide.Caption = {"Hello wonderful ", "world of captions"};
  slide.CaptionFontName = "DejaVu Sans";
  slide.CaptionFontSize = 20;
  slide.CaptionFontColor = 0x000000FF;  // red
  slide.CaptionBackColor = 0x00FFFFFF;  // white
  slide.CaptionLeft = 50;
  slide.CaptionTop = 40;
  slide.CaptionWidth = 150;
  QImage screen = Screen();
  composer.ComposeSlide(slide, screen);

  const CaptionLayout layout = LayoutCaption(slide, QtTextMeasurer(CaptionFont(slide)));
  ASSERT_GE(layout.lines.size(), 2u);
  EXPECT_EQ(layout.lineHeight, QFontMetrics(CaptionFont(slide)).height());
  const int bottom = 40 + static_cast<int>(layout.lines.size()) * layout.lineHeight;
  EXPECT_EQ(layout.boxBottom, bottom);
  const int right = 50 + layout.textWidth + 2;  // exclusive
  EXPECT_GE(layout.textWidth, 150);

  EXPECT_EQ(screen.pixel(49, 40), 0xFFFFFFFFu);  // one pixel left of the text
  EXPECT_EQ(screen.pixel(48, 40), 0xFF000000u);
  EXPECT_EQ(screen.pixel(49, 39), 0xFF000000u);
  EXPECT_EQ(screen.pixel(right - 1, bottom - 1), 0xFFFFFFFFu);
  EXPECT_EQ(screen.pixel(right, bottom - 1), 0xFF000000u);
  EXPECT_EQ(screen.pixel(right - 1, bottom), 0xFF000000u);

  int reddish = 0;
  for (int y = 40; y < bottom; ++y) {
    for (int x = 49; x < right; ++x) {
      const QColor c = screen.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++reddish;
    }
  }
  EXPECT_GT(reddish, 100);
}

TEST(CaptionFontTest, PointsAtNinetySixPixelsPerInchAndStyleBits) {
  EXPECT_EQ(PointsToPixels(8), 11);
  EXPECT_EQ(PointsToPixels(12), 16);
  EXPECT_EQ(PointsToPixels(9), 12);
  SlideRecord slide;
  slide.CaptionFontName = "Liberation Serif";
  slide.CaptionFontSize = 24;
  slide.CaptionFontStyle = FontStyle::Bold | FontStyle::Underline;
  const QFont font = CaptionFont(slide);
  EXPECT_EQ(font.pixelSize(), 32);
  EXPECT_TRUE(font.bold());
  EXPECT_FALSE(font.italic());
  EXPECT_TRUE(font.underline());
  EXPECT_FALSE(font.strikeOut());
  EXPECT_EQ(font.family(), "Liberation Serif");
}

}  // namespace
}  // namespace lrw
