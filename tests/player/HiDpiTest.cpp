// The show on a screen of twice the pixel density (QT_SCALE_FACTOR=2 on the offscreen
// platform): slides are composed and transitions played at the screen's device pixels, while
// the record's positions stay logical.
#include <gtest/gtest.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>

#include "document/Paths.h"
#include "effects/BitmapResource.h"
#include "effects/FxImage.h"
#include "effects/SlideTransitionForm.h"
#include "player/CaptionFont.h"
#include "player/SlideComposer.h"
#include "player/SlidePrepForm.h"
#include "player/WrapCaption.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

class HiDpiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("SDL_AUDIODRIVER", "dummy");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[20] = "test_player_hidpi";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new HiDpiEnvironment);

constexpr double kRatio = 2.0;

class HiDpi : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), kRatio);
    dir = fs::temp_directory_path() / ("lrw_hidpi_" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  fs::path dir;
};

// Every pixel differs from its four neighbours: any resampling shows.
QImage FineDetail(const QSize& size) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      image.setPixel(x, y, (x + y) % 2 ? qRgb(250, 20, 20) : qRgb(20, 40 + y % 200, 250));
    }
  }
  return image;
}

TEST_F(HiDpi, TheShowPlaysEveryDevicePixelOfThePicture) {
  const QSize logical = QGuiApplication::primaryScreen()->geometry().size();
  const QSize device = logical * 2;
  const QImage picture = FineDetail(device);
  const fs::path path = dir / "fine.png";
  ASSERT_TRUE(picture.save(QString::fromStdString(path.string())));

  SlideRecord slide;
  slide.PictureFolder = FolderOf(path.string());
  slide.PictureName = FileNameOf(path.string());
  slide.ImageWidth = static_cast<int16_t>(logical.width());  // logical, as stored
  slide.ImageHeight = static_cast<int16_t>(logical.height());
  slide.CenterImage = 1;
  slide.Effect = 3;
  slide.BoxWidth = 4;
  slide.DurationMode = EnterPressed;
  std::vector<SlideRecord> slides = {slide};

  TSlidePrepForm form(slides);
  form.SetTransitionPacing(0);
  QImage composed, shown;
  QTimer::singleShot(0, &form, [&] {
    QElapsedTimer t;
    t.start();
    while (!form.Runner().SlideReady && t.elapsed() < 5000) QTest::qWait(10);
    composed = form.SlideBitmap();
    shown = form.SlideCanvas->ScreenImage();
    QTest::keyClick(&form, Qt::Key_Escape);
  });
  QTimer limit;
  QObject::connect(&limit, &QTimer::timeout, &form, [&] { form.close(); });
  limit.start(10000);
  EXPECT_EQ(form.exec(), 1);

  EXPECT_EQ(composed.size(), device);
  EXPECT_EQ(composed.devicePixelRatio(), kRatio);
  ASSERT_EQ(shown.size(), device);
  EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) == picture)
      << "the revealed slide is the picture, pixel for pixel";
}

TEST_F(HiDpi, PositionsSizesAndCaptionScaleByTheRatio) {
  const fs::path path = dir / "block.png";
  const QImage block = FineDetail(QSize(60, 40));  // device pixels of a 30 x 20 drawing
  ASSERT_TRUE(block.save(QString::fromStdString(path.string())));

  SlideRecord slide;
  slide.BackgroundColor = 0x00000000;
  slide.PictureFolder = FolderOf(path.string());
  slide.PictureName = FileNameOf(path.string());
  slide.CenterImage = 1;
  slide.ImageWidth = 30;
  slide.ImageHeight = 20;
  slide.ShowCaption = 1;
  slide.Caption = {"Sharp words on a HiDPI screen"};
  slide.CaptionFontName = "Liberation Sans";
  slide.CaptionFontSize = 12;
  slide.CaptionFontColor = 0x00000000;
  slide.CaptionBackColor = 0x00FFFFFF;
  slide.CaptionLeft = 40;
  slide.CaptionTop = 50;
  slide.CaptionWidth = 90;

  QImage bitmap(QSize(300, 200) * 2, QImage::Format_RGB32);
  bitmap.setDevicePixelRatio(kRatio);
  SlideComposer composer;
  composer.ComposeSlide(slide, bitmap);

  const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
  // Centred on the logical 300 x 200 screen at (135, 90): device (270, 180), every pixel.
  EXPECT_TRUE(bitmap.copy(270, 180, 60, 40) == block);
  EXPECT_EQ(bitmap.pixel(269, 180), black);
  EXPECT_EQ(bitmap.pixel(330, 219), black);

  // The caption box is where the logical layout puts it, twice as large.
  const CaptionLayout layout = LayoutCaption(slide, QtTextMeasurer(CaptionFont(slide)));
  const QRect box(QPoint(layout.boxLeft, layout.boxTop) * 2,
                  QPoint(layout.boxRight, layout.boxBottom) * 2 - QPoint(1, 1));
  EXPECT_EQ(bitmap.pixel(box.topLeft()), white);
  EXPECT_EQ(bitmap.pixel(box.topRight()), white);
  EXPECT_EQ(bitmap.pixel(box.topLeft() - QPoint(1, 0)), black);
  EXPECT_EQ(bitmap.pixel(box.bottomRight() + QPoint(1, 1)), black);
}

TEST_F(HiDpi, TheDemonstrationPlaysAtDevicePixels) {
  SlideRecord slide;
  slide.Effect = 9;
  slide.BoxWidth = 6;
  QPointer<TSlideTransitionForm> form = ShowTransitionDemo(slide, nullptr, 0);
  ASSERT_TRUE(form);
  const QImage shown = form->FxImage1->ScreenImage();
  const std::optional<Bitmap> sample = LoadBitmapResource("TRANSPREVIEW2");
  ASSERT_TRUE(sample.has_value());
  // The sample stretched three times over the control: six device pixels a sample pixel.
  ASSERT_EQ(shown.size(), QSize(sample->width, sample->height) * 6);
  EXPECT_EQ(form->FxImage1->DeviceBoxWidth(), 12);
  int mismatches = 0;
  for (int y = 0; y < sample->height; ++y) {
    for (int x = 0; x < sample->width; ++x) {
      mismatches += (shown.pixel(x * 6 + 3, y * 6 + 3) & 0xFFFFFF) != (sample->at(x, y) & 0xFFFFFF);
    }
  }
  EXPECT_EQ(mismatches, 0);
  delete form;
}

}  // namespace
}  // namespace lrw
