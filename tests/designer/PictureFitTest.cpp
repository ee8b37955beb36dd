// Pictures larger than the screen: "&Add slides" fits them whole unless the remembered
// choice is off, pictures that fit keep their own size; "Fit" and "Fill" refit the
// selected slides from the pictures' own sizes as one undoable step.
#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>

#include "designer/DesignerFixture.h"

namespace lrw {
namespace {

QString Picture(const QTemporaryDir& dir, const QString& name, int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::darkGreen);
  const QString path = dir.filePath(name);
  EXPECT_TRUE(image.save(path, "PNG"));
  return path;
}

using Box = std::array<int, 4>;  // left, top, width, height

Box BoxOf(const SlideRecord& s) {
  return {s.ImageLeft, s.ImageTop, s.ImageWidth, s.ImageHeight};
}

class PictureFit : public test::DesignerFixture {};

TEST_F(PictureFit, LargePicturesAreFittedOnAddAndFitAndFillRefitTheSelection) {
  QAction* choice = Action("FitLargerPictures1");
  ASSERT_NE(choice, nullptr);
  const bool remembered = choice->isChecked();
  choice->setChecked(true);
  // On the 1024 x 768 screen.
  fakes.dialogs.openFilesResults.push_back(QStringList{Picture(dir, "wide.png", 2048, 512),
                                                       Picture(dir, "tall.png", 400, 1536),
                                                       Picture(dir, "small.png", 301, 201)});
  Action("Addslides1")->trigger();
  ASSERT_EQ(Doc().Count(), 3);
  EXPECT_EQ(BoxOf(Doc().SlideAt(0)), (Box{0, 256, 1024, 256}));
  EXPECT_EQ(BoxOf(Doc().SlideAt(1)), (Box{412, 0, 200, 768}));
  // A picture that fits keeps today's placement: own size, halves truncated.
  EXPECT_EQ(BoxOf(Doc().SlideAt(2)), (Box{361, 283, 301, 201}));

  choice->setChecked(false);
  fakes.dialogs.openFilesResults.push_back(QStringList{dir.filePath("wide.png")});
  ClickCell(2);
  Action("Addslides1")->trigger();
  ASSERT_EQ(Doc().Count(), 4);
  EXPECT_EQ(BoxOf(Doc().SlideAt(3)), (Box{-512, 128, 2048, 512}));
  choice->setChecked(remembered);

  // Fill crops to the screen; both selected slides change in one step.
  ClickCell(1);
  ClickCell(2, Qt::ControlModifier);
  W<QPushButton>("btnFill")->click();
  EXPECT_EQ(BoxOf(Doc().SlideAt(1)), (Box{0, -1582, 1024, 3932}));
  EXPECT_EQ(BoxOf(Doc().SlideAt(2)), (Box{-63, 0, 1150, 768}));
  W<QPushButton>("btnFit")->click();
  EXPECT_EQ(BoxOf(Doc().SlideAt(1)), (Box{412, 0, 200, 768}));
  EXPECT_EQ(BoxOf(Doc().SlideAt(2)), (Box{0, 42, 1024, 684}));
  Action("Undo1")->trigger();
  Action("Undo1")->trigger();
  EXPECT_EQ(BoxOf(Doc().SlideAt(1)), (Box{412, 0, 200, 768}));
  EXPECT_EQ(BoxOf(Doc().SlideAt(2)), (Box{361, 283, 301, 201}));
}

}  // namespace
}  // namespace lrw
