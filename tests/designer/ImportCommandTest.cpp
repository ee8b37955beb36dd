// "&Add slides" and the designer side of picture import: dialog, order,
// strip, panel and messages.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProgressDialog>
#include <QTemporaryDir>

#include "designer/DesignerTestSupport.h"
#include "designer/FakeServices.h"
#include "designer/SlideshowDesignForm.h"

namespace lrw {
namespace {

using Names = std::vector<std::string>;

class ImportCommand : public ::testing::Test {
 protected:
  test::FakeServices fakes;
  TSlideshowDesignForm form{fakes.services()};
  QTemporaryDir dir;

  QString Picture(const QString& name, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "PNG"));
    return path;
  }
  std::string Folder() const { return (dir.path() + "/").toStdString(); }
};

TEST_F(ImportCommand, AddsAfterTheCurrentSlideInTheDialogsOrder) {
  std::vector<SlideRecord> slides;
  for (const char* n : {"s1.jpg", "s2.jpg", "s3.jpg", "s4.jpg", "s5.jpg"})
    slides.push_back(test::PictureSlide(n));
  test::LoadShow(form, std::move(slides));
  test::SelectSlides(form, {1});
  form.LastPictureFolder = "/Pictures/";
  fakes.dialogs.openFilesResults.push_back(
      QStringList{Picture("a.png", 101, 101), Picture("b.png", 20, 10), Picture("c.png", 8, 8)});

  form.Addslides1->trigger();

  ASSERT_EQ(fakes.dialogs.openFilesRequests.size(), 1u);
  const FileDialogOptions& o = fakes.dialogs.openFilesRequests[0];
  EXPECT_EQ(o.directory, QStringLiteral("/Pictures/"));
  EXPECT_TRUE(o.filter.startsWith("Image Files|*.bmp;*.wmf;*.ico;*.jpg; *.jif; *.gif,*.dib;"));
  EXPECT_TRUE(o.filter.endsWith("|*.wpg|Word Perfect Graphic"));
  EXPECT_EQ(test::SlideNames(form),
            Names({"s1.jpg", "s2.jpg", "a.png", "b.png", "c.png", "s3.jpg", "s4.jpg", "s5.jpg"}));
  EXPECT_EQ(test::StripTexts(form), test::SlideNames(form));
  EXPECT_EQ(form.CurrentIndex(), 1);
  const SlideRecord& a = MutableSlide(form.Document(), 2);
  EXPECT_EQ(a.PictureFolder, Folder());
  EXPECT_EQ(a.ImageLeft, 461);
  EXPECT_EQ(a.ImageTop, 333);
  ASSERT_TRUE(form.Document().SlideAt(3).Thumbnail);
  EXPECT_EQ(form.Document().SlideAt(3).Thumbnail->width, 60);
  EXPECT_EQ(form.Document().SlideAt(3).Thumbnail->height, 30);
  EXPECT_EQ(form.LastPictureFolder, Folder());
  EXPECT_TRUE(form.Document().Modified());
  EXPECT_TRUE(fakes.prompts.asked.empty());
}

TEST_F(ImportCommand, FirstPictureOfAnEmptyShowBecomesCurrent) {
  form.AddPictureSlide(Picture("only.png", 30, 30).toStdString());
  ASSERT_EQ(form.Document().Count(), 1);
  EXPECT_EQ(form.CurrentIndex(), 0);
  EXPECT_EQ(test::StripTexts(form), Names({"only.png"}));
  EXPECT_TRUE(form.Document().Modified());
}

TEST_F(ImportCommand, PicturesForAnEmptyShowKeepTheDialogsOrder) {
  fakes.dialogs.openFilesResults.push_back(
      QStringList{Picture("a.png", 5, 5), Picture("b.png", 5, 5), Picture("c.png", 5, 5),
                  Picture("d.png", 5, 5)});
  form.Addslides1Click();
  EXPECT_EQ(test::SlideNames(form), Names({"a.png", "b.png", "c.png", "d.png"}));
  EXPECT_EQ(test::StripTexts(form), test::SlideNames(form));
  EXPECT_EQ(form.CurrentIndex(), 0);
}

TEST_F(ImportCommand, AnEmptyShowWhoseFirstFileFailsKeepsTheDialogsOrder) {
  const QString broken = dir.filePath("broken.png");
  QFile f(broken);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a picture");
  f.close();
  fakes.dialogs.openFilesResults.push_back(
      QStringList{broken, Picture("a.png", 5, 5), Picture("b.png", 5, 5), Picture("c.png", 5, 5)});
  form.Addslides1Click();
  EXPECT_EQ(test::SlideNames(form), Names({"a.png", "b.png", "c.png"}));
  EXPECT_EQ(test::StripTexts(form), test::SlideNames(form));
  EXPECT_EQ(fakes.prompts.asked.size(), 1u);
}

TEST_F(ImportCommand, AFailingFileIsReportedAndTheOthersAreAdded) {
  const QString broken = dir.filePath("broken.jpg");
  QFile f(broken);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a picture");
  f.close();
  fakes.dialogs.openFilesResults.push_back(
      QStringList{Picture("a.png", 5, 5), broken, dir.filePath("notes.txt")});
  form.Addslides1Click();
  EXPECT_EQ(test::SlideNames(form), Names({"a.png"}));
  ASSERT_EQ(fakes.prompts.asked.size(), 1u);
  EXPECT_EQ(fakes.prompts.asked[0].icon, PromptIcon::Error);
  EXPECT_NE(fakes.prompts.asked[0].text.find(broken.toStdString()), std::string::npos);
  EXPECT_EQ(fakes.prompts.beeps, std::vector<BeepKind>{BeepKind::Error});
}

TEST_F(ImportCommand, AnimationIsRefusedWithItsMessage) {
  const std::string mov = dir.filePath("clip.mov").toStdString();
  form.AddPictureSlide(mov);
  EXPECT_EQ(form.Document().Count(), 0);
  ASSERT_EQ(fakes.prompts.asked.size(), 1u);
  EXPECT_EQ(fakes.prompts.asked[0].text, "Image " + mov +
                                             " is an animation and cannot be added to a "
                                             "slideshow.\nTry converting it to a bitmap.");
  EXPECT_EQ(fakes.prompts.beeps, std::vector<BeepKind>{BeepKind::Warning});
}

TEST_F(ImportCommand, DialogOpensInTheLastPictureFolderWithTheFullFilter) {
  form.LastPictureFolder = "/Pictures/";
  form.Addslides1Click();
  ASSERT_EQ(fakes.dialogs.openFilesRequests.size(), 1u);
  EXPECT_EQ(fakes.dialogs.openFilesRequests[0].directory, QStringLiteral("/Pictures/"));
  EXPECT_EQ(fakes.dialogs.openFilesRequests[0].filter.toStdString(),
            "Image Files|*.bmp;*.wmf;*.ico;*.jpg; *.jif; *.gif,*.dib;*.rle;*.tga;*.pcx;*.wpg;"
            "*.art;*.cur;*.cut;*.emf;*.gem;*.hrz;*.iff;*.img;*.lbm;*.mac;*.msp;*.pbm;*.pgm;*.pic;"
            "*.png;*.pnm;*.ppm*.ras;*.tif|*.bmp|Bitmap|*.cur|Cursor|*.gif|Graphics Interchange "
            "Format|*.ico|Icon|*.jpg|JPEG|*.rle|Run-length Encoded Bitmap|*.tga|Targa TrueVision|"
            "*.tif|Tagged Image File|*.wmf;*.emf|Windows Meta-file|*.wpg|Word Perfect Graphic");
}

// Prompts that press the progress window's Cancel while an error is shown.
class CancellingPrompts : public test::FakePrompts {
 public:
  QWidget* form = nullptr;
  PromptAnswer Ask(const std::string& text, const std::string& caption, PromptIcon icon,
                   PromptButtons buttons, PromptAnswer defaultButton) override {
    if (auto* progress = form->findChild<QProgressDialog*>()) progress->cancel();
    return FakePrompts::Ask(text, caption, icon, buttons, defaultButton);
  }
};

TEST(ImportCommandCancel, CancelStopsBetweenFiles) {
  CancellingPrompts prompts;
  test::FakeDialogs dialogs;
  QSize screen{1024, 768};
  TSlideshowDesignForm form{DesignerServices{prompts, dialogs, screen}};
  prompts.form = &form;
  test::LoadShow(form, {test::PictureSlide("s1.jpg")});
  test::SelectSlides(form, {0});
  QTemporaryDir dir;
  QStringList files;
  for (const char* name : {"a.png", "b.png", "c.png"}) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(dir.filePath(name), "PNG"));
    files << dir.filePath(name);
  }
  // The files are read last to first; the broken one's error cancels the rest.
  QFile broken(dir.filePath("b.png"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("not a picture");
  broken.close();
  dialogs.openFilesResults.push_back(files);

  form.Addslides1Click();

  EXPECT_EQ(test::SlideNames(form), Names({"s1.jpg", "c.png"}));
  EXPECT_EQ(test::StripTexts(form), test::SlideNames(form));
  EXPECT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(form.LastPictureFolder, (dir.path() + "/").toStdString());
}

TEST_F(ImportCommand, CancelledDialogChangesNothing) {
  form.LastPictureFolder = "/Pictures/";
  form.Addslides1Click();
  EXPECT_EQ(form.Document().Count(), 0);
  EXPECT_FALSE(form.Document().Modified());
  EXPECT_EQ(form.LastPictureFolder, "/Pictures/");
}

}  // namespace
}  // namespace lrw
