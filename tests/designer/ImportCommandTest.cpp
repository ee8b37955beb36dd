// "&Add slides" in the window: the picture dialog, real pictures decoded on worker
// threads and placed after the current slide, problems told, progress that can be
// cancelled.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <fstream>

#include "designer/DesignerFixture.h"
#include "import/MetafileWriters.h"

namespace lrw {
namespace {

using List = std::vector<std::string>;

QString Picture(const QTemporaryDir& dir, const QString& name, int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::red);
  const QString path = dir.filePath(name);
  EXPECT_TRUE(image.save(path, "PNG"));
  return path;
}

QString Broken(const QTemporaryDir& dir, const QString& name) {
  std::ofstream(dir.filePath(name).toStdString()) << "not a picture";
  return dir.filePath(name);
}

class ImportCommand : public test::DesignerFixture {};

// Within 30 in each component (a thumbnail averages its edges).
bool Near(uint32_t a, uint32_t b) {
  for (int shift : {0, 8, 16})
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
        30)
      return false;
  return true;
}

TEST_F(ImportCommand, PicturesReadOnEveryCoreGoAfterTheCurrentSlideInTheDialogsOrder) {
  Open({test::PictureSlide("s1"), test::PictureSlide("s2"), test::PictureSlide("s3")});
  ClickCell(1);
  form.Editor().Memory().lastPictureFolder = "/Pictures/";
  const QString broken = Broken(dir, "broken.jpg");
  QStringList chosen{Picture(dir, "a.png", 101, 101), Picture(dir, "b.png", 20, 10), broken,
                     Picture(dir, "c.png", 8, 8)};
  List expected{"s1", "s2", "a.png", "b.png", "c.png"};
  for (int i = 10; i < 70; ++i) {
    chosen << Picture(dir, QStringLiteral("p%1.png").arg(i), i, 10 + (i * 7) % 50);
    expected.push_back("p" + std::to_string(i) + ".png");
  }
  expected.push_back("s3");
  fakes.dialogs.openFilesResults.push_back(chosen);
  // The window's thread goes on handling events while the pictures are read.
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
  ticker.start(0);
  Action("Addslides1")->trigger();
  ticker.stop();

  EXPECT_GT(ticks, 0);
  const FileDialogOptions& o = fakes.dialogs.openFilesRequests.at(0);
  EXPECT_EQ(o.directory, "/Pictures/");
  EXPECT_TRUE(o.filter.startsWith("Image Files|*.bmp;*.wmf;*.ico;*.jpg; *.jif; *.gif,*.dib;"));
  ASSERT_EQ(Names(), expected);
  EXPECT_EQ(StripTexts(), Names());
  EXPECT_EQ(Strip()->CurrentIndex(), 1);
  // Centred on the 1024 x 768 screen, halves truncated; the thumbnail fitted to 60 x 60.
  EXPECT_EQ(Doc().SlideAt(2).ImageLeft, 461);
  EXPECT_EQ(Doc().SlideAt(2).ImageTop, 333);
  EXPECT_EQ(Doc().SlideAt(3).Thumbnail->width, 60);
  EXPECT_EQ(Doc().SlideAt(3).Thumbnail->height, 30);
  for (int i = 10; i < 70; ++i) EXPECT_EQ(Doc().SlideAt(i - 5).ImageHeight, 10 + (i * 7) % 50);
  EXPECT_EQ(form.Editor().Memory().lastPictureFolder, dir.path().toStdString() + "/");
  ASSERT_EQ(fakes.prompts.asked.size(), 1u);
  EXPECT_EQ(fakes.prompts.asked[0].icon, PromptIcon::Error);
  EXPECT_NE(fakes.prompts.asked[0].text.find(broken.toStdString()), std::string::npos);
  Action("Undo1")->trigger();
  EXPECT_EQ(Names(), (List{"s1", "s2", "s3"})) << "one step for the whole choice";
}

// Drawings come in like pictures: an enhanced metafile made by Inkscape and a GEM
// metafile, each a slide of its own size with a thumbnail the strip shows.
TEST_F(ImportCommand, DrawingsBecomeSlidesWithThumbnailsInTheStrip) {
  Open({test::PictureSlide("s1")});
  const QString emf = dir.filePath("shapes.emf");
  ASSERT_TRUE(QFile::copy(
      QStringLiteral(LRW_TEST_SOURCE_DIR "/tests/import/vector/shapes.inkscape.emf"), emf));
  test::GemWriter gem(96, 48);
  gem.Call(23, 0, {}, {1}).Call(25, 0, {}, {4}).Call(11, 1, {{0, 0}, {95, 47}});
  const std::vector<uint8_t> bytes = gem.Finish();
  const QString gemPath = dir.filePath("bar.gem");
  std::ofstream(gemPath.toStdString(), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  fakes.dialogs.openFilesResults.push_back(QStringList{emf, gemPath});
  Action("Addslides1")->trigger();

  ASSERT_EQ(Names(), (List{"s1", "shapes.emf", "bar.gem"}));
  EXPECT_EQ(StripTexts(), Names());
  EXPECT_TRUE(fakes.prompts.asked.empty());
  const SlideRecord& drawing = Doc().SlideAt(1);
  EXPECT_EQ(drawing.ImageWidth, 321);
  EXPECT_EQ(drawing.ImageHeight, 242);
  ASSERT_TRUE(drawing.Thumbnail);
  EXPECT_EQ(drawing.Thumbnail->width, 60);
  // The magenta box in the drawing's top left corner, and the blue bar filling the other.
  EXPECT_TRUE(Near(drawing.Thumbnail->at(8, 6), 0xFFD02090u));
  EXPECT_EQ(Doc().SlideAt(2).Thumbnail->width, 60);
  EXPECT_EQ(Doc().SlideAt(2).Thumbnail->height, 30);
  EXPECT_TRUE(Near(Doc().SlideAt(2).Thumbnail->at(30, 15), 0xFF0000FFu));

  // The strip's cell shows the thumbnail.
  SlideStrip* strip = Strip();
  const QRect cell = strip->visualRect(strip->model()->index(2, 0));
  const QImage shot = strip->viewport()->grab(cell).toImage();
  int blue = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) blue += shot.pixel(x, y) == qRgb(0, 0, 255);
  EXPECT_GT(blue, 60 * 30 / 2);
}

// Prompts that, while an error is shown, wait for the progress window and click its
// Cancel button.
class CancellingPrompts : public test::FakePrompts {
 public:
  QWidget* form = nullptr;
  PromptAnswer Ask(const std::string& text, const std::string& caption, PromptIcon icon,
                   PromptButtons buttons, PromptAnswer defaultButton) override {
    QPushButton* cancel = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] {
      auto* progress = form->findChild<QProgressDialog*>();
      cancel = progress && progress->isVisible() ? progress->findChild<QPushButton*>() : nullptr;
      return cancel != nullptr;
    }));
    if (cancel) QTest::mouseClick(cancel, Qt::LeftButton);
    return FakePrompts::Ask(text, caption, icon, buttons, defaultButton);
  }
};

TEST(ImportCommandCancel, CancelMidwayAddsNoneOfTheChosenPictures) {
  CancellingPrompts prompts;
  test::FakeDialogs dialogs;
  SlideshowDesignForm form{DesignerServices{prompts, dialogs, QSize(1024, 768)}};
  prompts.form = &form;
  form.show();
  QTemporaryDir dir;
  QStringList chosen;
  for (int i = 0; i < 40; ++i) {
    chosen << Picture(dir, QStringLiteral("p%1.png").arg(i), 30, 20);
    if (i == 20) chosen << Broken(dir, "broken.png");
  }
  dialogs.openFilesResults.push_back(chosen);
  test::Find<QToolButton>(form, "btnInsertBlank")->click();
  test::Find<QAction>(form, "Addslides1")->trigger();
  EXPECT_EQ(form.Editor().Document().Count(), 1) << "only the blank slide";
  EXPECT_EQ(prompts.asked.size(), 1u) << "the broken picture's error, then Cancel";
  EXPECT_EQ(form.Editor().History().UndoStep().name, "Insert Blank");
  EXPECT_EQ(form.findChild<QProgressDialog*>(), nullptr) << "the progress window is gone";
}

}  // namespace
}  // namespace lrw
