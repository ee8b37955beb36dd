// The File and Help menus in the window: the dialogs they open, the title, the save
// prompt when the designer closes, and help and About.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "designer/DesignerFixture.h"
#include "designer/FileCommands.h"
#include "document/ShowFile.h"
#include "platform/HelpViewer.h"
#include "shell/AboutForm.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

class FileCommands : public test::DesignerFixture {
 protected:
  void TearDown() override {
    while (HelpViewer* v = FindHelpViewer()) delete v;
  }
  // A picture slide whose file exists in the test's folder.
  SlideRecord Picture(const std::string& name) {
    std::ofstream(Path(name)) << "picture " << name;
    return test::PictureSlide(name, 60, 45, 0xFF3070C0u, dir.path().toStdString() + "/");
  }
};

TEST_F(FileCommands, SaveAsBuildAndOpenNameTheirFilesInTheTitle) {
  Open({Picture("a.png")}, "mine.sho");
  EXPECT_EQ(form.windowTitle(), "mine.sho - Lanternreelworks!");

  fakes.dialogs.saveFileResults.push_back(QString::fromStdString(Path("copy.sho")));
  Action("SaveAs1")->trigger();
  const FileDialogOptions& saveAs = fakes.dialogs.saveFileRequests.at(0);
  EXPECT_TRUE(saveAs.overwritePrompt);
  EXPECT_EQ(saveAs.fileName.toStdString(), Path("mine")) << "offered without its extension";
  EXPECT_EQ(form.windowTitle(), "copy.sho - Lanternreelworks!");

  fs::create_directory(Path("out"));
  fakes.dialogs.saveFileResults.push_back(QString::fromStdString(Path("out/show.bld")));
  Action("BuildaPortableShow1")->trigger();
  const FileDialogOptions& build = fakes.dialogs.saveFileRequests.at(1);
  EXPECT_EQ(build.fileName.toStdString(), Path("copy.sho")) << "the name the dialog last held";
  EXPECT_TRUE(fs::exists(Path("out/a.png")));
  EXPECT_EQ(fakes.prompts.asked.back().text, "File " + Path("out/show.bld") + " has been built.");
  EXPECT_EQ(form.windowTitle(), "show.bld - Lanternreelworks!");
  EXPECT_EQ(Doc().FileName(), Path("copy.sho"));

  // Saving the portable show copies the pictures added since and keeps it portable.
  fakes.dialogs.openFileResults.push_back(QString::fromStdString(Path("out/show.bld")));
  Action("Open1")->trigger();
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::green);
  ASSERT_TRUE(picture.save(QString::fromStdString(Path("new.png"))));
  fakes.dialogs.openFilesResults.push_back(QStringList{QString::fromStdString(Path("new.png"))});
  Action("Addslides1")->trigger();
  Action("Save1")->trigger();
  EXPECT_TRUE(fs::exists(Path("out/new.png")));
  EXPECT_TRUE(ReadShowFile(Path("out/show.bld")).value_or(ShowFileContent{}).portable);
  fakes.dialogs.saveFileResults.push_back(std::nullopt);
  Action("SaveAs1")->trigger();
  EXPECT_EQ(fakes.dialogs.saveFileRequests.back().fileName.toStdString(), Path("out/show"));

  std::ofstream(Path("notes.sho")) << "just some text, long enough to fill a show file's header";
  fakes.dialogs.openFileResults.push_back(QString::fromStdString(Path("notes.sho")));
  Action("Open1")->trigger();
  EXPECT_EQ(fakes.prompts.asked.back().text,
            "File " + Path("notes.sho") + " is not a slide show file.");
  EXPECT_EQ(fakes.prompts.beeps.back(), BeepKind::Warning);
  EXPECT_EQ(form.windowTitle(), "Lanternreelworks!");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.png", "new.png"})) << "the show stays";

  Action("Loop1")->trigger();
  fakes.prompts.answers = {PromptAnswer::No};
  Action("Close1")->trigger();
  EXPECT_EQ(Doc().Count(), 0);
  EXPECT_TRUE(StripTexts().empty());
  EXPECT_TRUE(Action("Loop1")->isChecked()) << "closing keeps the loop mark";
  EXPECT_EQ(form.windowTitle(), "Lanternreelworks!");
}

// A show read only up to damage keeps its file's name, but the first save over that file
// asks first: Cancel writes nothing, No saves under another name, Yes replaces it.
TEST_F(FileCommands, TheFirstSaveOverADamagedFileAsksAndOffersSaveAs) {
  std::vector<SlideRecord> slides;
  for (int i = 0; i < 5; ++i) slides.push_back(Picture("p" + std::to_string(i) + ".png"));
  ASSERT_TRUE(test::WriteShow(Path("three.sho"), {slides[0], slides[1], slides[2]}));
  ASSERT_TRUE(test::WriteShow(Path("damaged.sho"), slides));
  fs::resize_file(Path("damaged.sho"), fs::file_size(Path("three.sho")) + 100);
  for (const PromptAnswer answer : {PromptAnswer::Cancel, PromptAnswer::No, PromptAnswer::Yes}) {
    fakes.prompts.answers = {PromptAnswer::No};  // the previous round's changes go
    fakes.dialogs.openFileResults.push_back(QString::fromStdString(Path("damaged.sho")));
    Action("Open1")->trigger();
    W<QToolButton>("btnInsertBlank")->click();
    fakes.prompts.answers = {answer};
    fakes.dialogs.saveFileResults = {QString::fromStdString(Path("other.sho"))};
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(fakes.prompts.asked.back().text,
              "File " + Path("damaged.sho") + " was damaged; saving replaces it with the 3 " +
                  "slides that could be read.\n\nReplace it? Choose No to save the show under " +
                  "another name.");
    EXPECT_EQ(ReadShowFile(Path("damaged.sho")).value_or(ShowFileContent{}).slides.size(),
              answer == PromptAnswer::Yes ? 4u : 3u);
    EXPECT_EQ(fs::exists(Path("other.sho")), answer == PromptAnswer::No);
    fs::remove(Path("other.sho"));
  }
}

// Exit and closing the window end the program only when the show is safe: Yes to the
// save prompt followed by a save that does not happen keeps the designer open.
TEST_F(FileCommands, TheDesignerClosesOnlyWhenTheSaveHappens) {
  enum class Save { DialogCancelled, WriteFails, Saved };
  for (const bool exit : {true, false}) {
    for (const Save save : {Save::DialogCancelled, Save::WriteFails, Save::Saved}) {
      SCOPED_TRACE(testing::Message() << (exit ? "Exit" : "close") << " " << int(save));
      test::FakeServices services;
      SlideshowDesignForm designer(services.services());
      designer.show();
      if (save == Save::WriteFails) {
        fs::create_directory(Path("gone"));
        ASSERT_TRUE(test::WriteShow(Path("gone/x.sho"), {test::BlankSlide(0)}));
        designer.Editor().Execute(LoadShowCommand(Path("gone/x.sho")));
        fs::remove_all(Path("gone"));
      }
      test::Find<QToolButton>(designer, "btnInsertBlank")->click();
      services.prompts.answers = {PromptAnswer::Yes};
      if (save == Save::Saved)
        services.dialogs.saveFileResults.push_back(QString::fromStdString(Path("saved.sho")));
      QSignalSpy closed(&designer, &SlideshowDesignForm::FormClosed);
      if (exit)
        test::Find<QAction>(designer, "Exit1")->trigger();
      else
        designer.close();
      EXPECT_EQ(services.prompts.asked.size(), save == Save::WriteFails ? 2u : 1u);
      EXPECT_EQ(services.prompts.asked.front().buttons, PromptButtons::YesNoCancel);
      EXPECT_EQ(closed.count(), save == Save::Saved ? 1 : 0);
      EXPECT_EQ(designer.isVisible(), save != Save::Saved);
      if (save == Save::Saved) {
        EXPECT_EQ(ReadShowFile(Path("saved.sho")).value_or(ShowFileContent{}).slides.size(), 1u);
      }
    }
  }
}

TEST_F(FileCommands, HelpTopicsF1AndAboutOpenTheirWindows) {
  Action("HelpContents1")->trigger();
  ASSERT_NE(FindHelpViewer(), nullptr);
  EXPECT_EQ(FindHelpViewer()->CurrentPage(), "qrc:/help/contents.html");
  form.activateWindow();
  QTest::keyClick(&form, Qt::Key_F1);
  EXPECT_EQ(FindHelpViewer()->CurrentPage(), "qrc:/help/designer.html");

  QString aboutTitle;
  QTimer::singleShot(0, [&] {
    if (auto* about = qobject_cast<AboutForm*>(QApplication::activeModalWidget())) {
      aboutTitle = about->windowTitle();
      about->accept();
    }
  });
  Action("AboutBrightframework1")->trigger();
  EXPECT_EQ(aboutTitle, "About Lanternreelworks!");
}

}  // namespace
}  // namespace lrw
