// The show on a screen of twice the pixel density (QT_SCALE_FACTOR=2 on the offscreen
// platform): slides are composed and transitions played at the screen's device pixels, while
// the record's positions stay logical.
#include <gtest/gtest.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "effects/FxImage.h"
#include "import/MetafileWriters.h"
#include "player/CaptionFont.h"
#include "player/SlidePrepForm.h"
#include "player/WrapCaption.h"
#include "support/SlideBuilder.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

// Set before the shared test environment makes the application.
const bool kTwiceTheDensity = qputenv("QT_SCALE_FACTOR", "2");

constexpr double kRatio = 2.0;

class HiDpi : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kTwiceTheDensity);
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

// One real show on a dark desktop theme: a picture of 30 x 20 units given as 60 x 40 device
// pixels, centred, and a caption in the system colours window text on window.
TEST_F(HiDpi, TheShowPlaysTheSlideAtDevicePixelsAndInItsOwnColours) {
  const QSize logical = QGuiApplication::primaryScreen()->geometry().size();
  const QImage block = FineDetail(QSize(60, 40));
  const fs::path path = dir / "block.png";
  ASSERT_TRUE(block.save(QString::fromStdString(path.string())));

  // The picture's box is logical, as stored.
  SlideRecord slide = test::SlideBuilder().Picture(path.string(), 30, 20).Centered().Build();
  slide.ShowCaption = 1;
  slide.Caption = {"Sharp words on a HiDPI screen"};
  slide.CaptionFontName = "Liberation Sans";
  slide.CaptionFontSize = 12;
  slide.CaptionFontColor = 0x80000008u;
  slide.CaptionBackColor = 0x80000005u;
  slide.CaptionLeft = 40;
  slide.CaptionTop = 50;
  slide.CaptionWidth = 90;
  slide.Effect = 3;
  slide.BoxWidth = 4;
  slide.DurationMode = DurationMode::EnterPressed;
  std::vector<SlideRecord> slides = {slide};

  const QPalette light = QGuiApplication::palette();
  QPalette dark(QColor(40, 40, 40));
  dark.setColor(QPalette::Text, QColor(230, 230, 230));
  dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  dark.setColor(QPalette::Base, QColor(25, 25, 25));
  QGuiApplication::setPalette(dark);
  SlidePrepForm form(slides);
  form.SetTransitionPacing(0);
  QImage composed, shown;
  QTimer::singleShot(0, &form, [&] {
    QElapsedTimer t;
    t.start();
    while (!form.Runner().SlideReady() && t.elapsed() < 5000) QTest::qWait(10);
    composed = form.SlideBitmap();
    shown = form.Canvas()->ScreenImage();
    QTest::keyClick(&form, Qt::Key_Escape);
  });
  QTimer limit;
  QObject::connect(&limit, &QTimer::timeout, &form, [&] { form.close(); });
  limit.start(10000);
  EXPECT_EQ(form.exec(), 1);
  QGuiApplication::setPalette(light);

  ASSERT_EQ(composed.size(), logical * 2);
  EXPECT_EQ(composed.devicePixelRatio(), kRatio);
  EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32) ==
              composed.convertToFormat(QImage::Format_RGB32))
      << "the transition reveals every device pixel of the slide";

  // Centred on the logical screen, every device pixel of the picture.
  const QPoint at = QPoint(logical.width() - 30, logical.height() - 20) / 2 * 2;
  const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
  EXPECT_TRUE(composed.copy(QRect(at, QSize(60, 40))).convertToFormat(QImage::Format_RGB32) ==
              block);
  EXPECT_EQ(composed.pixel(at - QPoint(1, 0)), black);
  EXPECT_EQ(composed.pixel(at + QPoint(60, 39)), black);

  // The caption box is where the logical layout puts it, twice as large, black on white.
  const CaptionLayout layout = LayoutCaption(slide, QtTextMeasurer(CaptionFont(slide)));
  const QRect box(QPoint(layout.boxLeft, layout.boxTop) * 2,
                  QPoint(layout.boxRight, layout.boxBottom) * 2 - QPoint(1, 1));
  EXPECT_EQ(composed.pixel(box.topLeft()), white);
  EXPECT_EQ(composed.pixel(box.topRight()), white);
  EXPECT_EQ(composed.pixel(box.topLeft() - QPoint(1, 0)), black);
  EXPECT_EQ(composed.pixel(box.bottomRight() + QPoint(1, 1)), black);
  int blackText = 0, coloured = 0;
  for (int y = box.top(); y <= box.bottom(); ++y) {
    for (int x = box.left(); x <= box.right(); ++x) {
      const QColor c = composed.pixelColor(x, y);
      blackText += c == Qt::black;
      coloured += c.red() != c.green() || c.green() != c.blue();  // only black, white and greys
    }
  }
  EXPECT_GT(blackText, 200);
  EXPECT_EQ(coloured, 0);
}

// A drawing is drawn at the screen's device pixels, not as a picture of its own size
// enlarged: an edge half-way through a logical pixel stays sharp.
TEST_F(HiDpi, ADrawingIsDrawnAtDevicePixels) {
  const QSize logical = QGuiApplication::primaryScreen()->geometry().size();
  test::EmfWriter emf(48, 24);                           // a frame of whole 0.01 mm
  const int32_t half = 0x3F000000, zero = 0;             // floats 0.5 and 0
  emf.Record(35, {half, zero, zero, half, zero, zero});  // world transform: half size
  emf.Record(37, {static_cast<int32_t>(0x80000008u)});   // no outline
  emf.Record(37, {static_cast<int32_t>(0x80000004u)});   // black brush
  emf.Rectangle(0, 0, 49, 48);                           // 24.5 units wide
  const fs::path path = dir / "edge.emf";
  const std::vector<uint8_t> bytes = emf.Finish();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));

  std::vector<SlideRecord> slides = {test::SlideBuilder()
                                         .Background(0x00FF0000)  // blue around the picture
                                         .Picture(path.string(), 48, 24)
                                         .Centered()
                                         .Duration(DurationMode::EnterPressed, 0)
                                         .Build()};
  SlidePrepForm form(slides);
  form.SetTransitionPacing(0);
  QImage composed;
  QTimer::singleShot(0, &form, [&] {
    QElapsedTimer t;
    t.start();
    while (!form.Runner().SlideReady() && t.elapsed() < 5000) QTest::qWait(10);
    composed = form.SlideBitmap().convertToFormat(QImage::Format_RGB32);
    QTest::keyClick(&form, Qt::Key_Escape);
  });
  EXPECT_EQ(form.exec(), 1);

  const QPoint at = QPoint(logical.width() - 48, logical.height() - 24) / 2 * 2;
  EXPECT_EQ(composed.pixel(at + QPoint(0, 20)), qRgb(0, 0, 0));
  EXPECT_EQ(composed.pixel(at + QPoint(48, 20)), qRgb(0, 0, 0));
  EXPECT_EQ(composed.pixel(at + QPoint(49, 20)), qRgb(255, 255, 255));
  EXPECT_EQ(composed.pixel(at + QPoint(95, 47)), qRgb(255, 255, 255));
  EXPECT_EQ(composed.pixel(at + QPoint(96, 47)), qRgb(0, 0, 255));
}

}  // namespace
}  // namespace lrw
