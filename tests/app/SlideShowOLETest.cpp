// The automation object with the real designer as its target, its methods called as the
// bus calls them: what they do to the designer, and what they refuse while it is busy.
#include "app/SlideShowOLE.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <fstream>

#include "designer/DesignerFixture.h"
#include "designer/ModalDriver.h"
#include "shell/AboutForm.h"

namespace lrw {
namespace {

class SlideShowOLETest : public ::testing::Test {
 protected:
  void SetUp() override {
    ole_.SetTarget(&form_.Automation());
    // As the program does: the server hears of the designer's end.
    QObject::connect(&form_, &SlideshowDesignForm::FormClosed, &ole_,
                     &SlideShowOLE::DesignerClosed);
  }
  QString Picture(const QString& name) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    EXPECT_TRUE(picture.save(dir_.filePath(name), "BMP"));
    return dir_.filePath(name);
  }
  const SlideShowDocument& Doc() const { return form_.Editor().Document(); }

  QTemporaryDir dir_;
  test::FakeServices fakes_;
  SlideshowDesignForm form_{fakes_.services()};
  SlideShowOLE ole_;
};

TEST_F(SlideShowOLETest, AddSlideFillsTheHiddenDesignerAndShowDesignFormBringsItUp) {
  form_.setEnabled(false);
  form_.setWindowState(Qt::WindowMinimized);
  ole_.AddSlide(Picture("one.bmp"));
  EXPECT_EQ(Doc().Count(), 1);
  EXPECT_FALSE(form_.isVisible());
  EXPECT_TRUE(Doc().Modified());
  ole_.ShowDesignForm();
  EXPECT_TRUE(form_.isVisible() && form_.isEnabled());
  EXPECT_FALSE(form_.isMinimized() || form_.isMaximized());
  EXPECT_EQ(test::Find<SlideStrip>(form_, "ImageListBox")->Count(), 1);
}

TEST_F(SlideShowOLETest, CloseServerAsksWithYesAndNoOnlyWhenChanged) {
  // Answered at once; the question follows from the event loop.
  const auto closeServer = [this] {
    QSignalSpy finished(&ole_, &SlideShowOLE::CallFinished);
    ole_.CloseServer();
    EXPECT_TRUE(finished.wait(5000));
  };
  closeServer();
  EXPECT_TRUE(fakes_.prompts.asked.empty());
  ole_.AddSlide(Picture("one.bmp"));
  fakes_.prompts.answers = {PromptAnswer::No};
  closeServer();
  ASSERT_EQ(fakes_.prompts.asked.size(), 1u);
  EXPECT_EQ(fakes_.prompts.asked[0].text, "Do you want to save your slideshow changes?");
  EXPECT_EQ(fakes_.prompts.asked[0].buttons, PromptButtons::YesNo);
  EXPECT_TRUE(Doc().Modified());
  fakes_.prompts.answers = {PromptAnswer::Yes};
  fakes_.dialogs.saveFileResults.push_back(dir_.filePath("kept.sho"));
  closeServer();
  EXPECT_TRUE(QFile::exists(dir_.filePath("kept.sho")));
  EXPECT_FALSE(Doc().Modified());
  EXPECT_NE(ole_.Target(), nullptr) << "the designer stays";
}

TEST_F(SlideShowOLETest, ControllerHearsOfTheDesignersCloseAndLaterCallsAreRefused) {
  QSignalSpy messages(&ole_, &SlideShowOLE::ControllerMessage);
  QSignalSpy refused(&ole_, &SlideShowOLE::CallRefused);
  ole_.IdentifyController(4242);
  ole_.IdentifyController(77);  // a later controller replaces the first
  form_.close();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0][0].toUInt(), 77u);
  EXPECT_EQ(messages[0][1].toUInt(), kDesignerClosedMessage);
  ole_.AddSlide("x.bmp");
  ole_.ShowDesignForm();
  ole_.RunShow("x.sho");
  ASSERT_EQ(refused.size(), 3);
  EXPECT_EQ(refused[0][0].toString(), "The designer window has closed.");
}

TEST_F(SlideShowOLETest, RunShowOfAMissingOrBrokenFileRunsNothingAndSendsNothing) {
  QSignalSpy messages(&ole_, &SlideShowOLE::ControllerMessage);
  QSignalSpy finished(&ole_, &SlideShowOLE::CallFinished);
  ole_.IdentifyController(5);
  ole_.AddSlide(Picture("one.bmp"));
  std::ofstream(dir_.filePath("notes.sho").toStdString()) << "not a show";
  for (const QString& name :
       {QString(), dir_.filePath("missing.sho"), dir_.path(), dir_.filePath("notes.sho")}) {
    const int before = finished.size();
    ole_.RunShow(name);
    ASSERT_TRUE(finished.size() > before || finished.wait(5000)) << name.toStdString();
  }
  EXPECT_EQ(messages.size(), 0);
  EXPECT_TRUE(form_.isEnabled());
  // Only the file that is not a show was reported (by the designer's own open).
  ASSERT_EQ(fakes_.prompts.asked.size(), 1u);
  EXPECT_EQ(Doc().Count(), 1);
}

TEST_F(SlideShowOLETest, NothingChangesTheShowWhileAMessageOrTheStageIsUp) {
  QSignalSpy refused(&ole_, &SlideShowOLE::CallRefused);
  const QString picture = Picture("busy.bmp");
  ole_.AddSlide(picture);
  form_.show();
  // The About box is up: a modal window of the designer's own.
  test::WhenModal<AboutForm>([&](AboutForm& about) {
    ole_.AddSlide(picture);
    ole_.RunShow(picture);
    about.accept();
  });
  test::Find<QAction>(form_, "AboutBrightframework1")->trigger();
  EXPECT_EQ(refused.size(), 2);

  // A slide is being arranged: the designer stays disabled behind the stage.
  test::Find<SlideStrip>(form_, "ImageListBox")->selectAll();
  test::Find<QPushButton>(form_, "btnPreview")->click();
  ASSERT_TRUE(form_.Stage());
  ole_.AddSlide(picture);
  ole_.CloseServer();
  ole_.RunShow(picture);
  ole_.ShowDesignForm();
  EXPECT_FALSE(form_.isEnabled());
  EXPECT_EQ(refused.size(), 5);
  for (const QList<QVariant>& r : refused)
    EXPECT_EQ(r[0].toString(),
              "The designer is busy with a show, a message, a dialog or the arrangement stage.");
  EXPECT_EQ(Doc().Count(), 1);
  ole_.IdentifyController(9);  // harmless calls still work
  EXPECT_EQ(ole_.Controller(), 9u);

  QTest::keyClick(form_.Stage(), Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form_.Stage(); }));
  EXPECT_TRUE(form_.isEnabled());
  ole_.AddSlide(picture);
  EXPECT_EQ(Doc().Count(), 2);
}

}  // namespace
}  // namespace lrw
