#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "designer/DesignerTestSupport.h"
#include "designer/FakeServices.h"
#include "designer/SlideshowDesignForm.h"
#include "document/ShowFile.h"
#include "platform/HelpViewer.h"
#include "shell/HelpAbout.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

constexpr const char* kQuestion = "Do you want to save your slideshow changes?";

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp_.isValid());
    root_ = tmp_.path().toStdString() + "/";
    fs::create_directories(root_ + "pics");
    fs::create_directories(root_ + "other");
    fs::create_directories(root_ + "out");
    form_ = std::make_unique<TSlideshowDesignForm>(fake_.services());
  }
  void TearDown() override {
    form_.reset();
    while (HelpViewer* v = FindHelpViewer()) v->close();
  }

  static void Write(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // A picture slide whose file exists in `folder` (under root).
  SlideRecord Picture(const std::string& name, const std::string& folder = "pics") {
    Write(root_ + folder + "/" + name, "picture " + folder + "/" + name);
    return test::PictureSlide(name, 60, 45, 0xFF3070C0u, root_ + folder + "/");
  }
  // Writes a show file the way the designer would and returns its path.
  std::string ShowOnDisk(const std::string& name, std::vector<SlideRecord> slides, bool portable) {
    SlideShowDocument doc;
    doc.Load(std::move(slides), {}, false);
    const std::string path = root_ + name;
    EXPECT_TRUE(WriteShowFile(doc, path, portable).ok);
    return path;
  }
  void Load(std::vector<SlideRecord> slides, const std::string& fileName = {}) {
    test::LoadShow(*form_, std::move(slides));
    form_->Document().SetFileName(fileName);
  }
  SlideShowDocument& Doc() { return form_->Document(); }
  int QuestionsAsked() const {
    int n = 0;
    for (const auto& q : fake_.prompts.asked) n += q.text == kQuestion ? 1 : 0;
    return n;
  }

  QTemporaryDir tmp_;
  std::string root_;
  test::FakeServices fake_;
  std::unique_ptr<TSlideshowDesignForm> form_;
};

TEST_F(FileCommandsTest, MenusHoldTheirEntriesInOrder) {
  auto describe = [](QMenu* menu) {
    std::vector<std::string> out;
    for (QAction* a : menu->actions()) {
      out.push_back(a->isSeparator()
                        ? std::string("-")
                        : (a->text() + " " + a->shortcut().toString()).trimmed().toStdString());
    }
    return out;
  };
  EXPECT_EQ(describe(form_->File1),
            (std::vector<std::string>{"&Open Ctrl+O", "-", "&Save Ctrl+S", "Save &As", "-",
                                      "&Build a Portable Show", "-", "&Close Ctrl+F4", "&Exit"}));
  form_->Help1Click();
  EXPECT_EQ(describe(form_->Help1),
            (std::vector<std::string>{"Help &Topics", "-", "About Lanternreelworks!"}));
}

TEST_F(FileCommandsTest, EmptyShowOffersOnlyOpenAndExit) {
  auto enabled = [](QMenu* menu) {
    std::vector<std::string> out;
    for (QAction* a : menu->actions()) {
      if (!a->isSeparator() && a->isEnabled()) out.push_back(a->text().toStdString());
    }
    return out;
  };
  emit form_->File1->aboutToShow();
  EXPECT_EQ(enabled(form_->File1), (std::vector<std::string>{"&Open", "&Exit"}));
  if (!form_->Run1->actions().isEmpty()) {
    emit form_->Run1->aboutToShow();
    EXPECT_TRUE(enabled(form_->Run1).empty());
  }

  Load({Picture("a.png")});
  emit form_->File1->aboutToShow();
  EXPECT_EQ(enabled(form_->File1).size(), 6u);
}

TEST_F(FileCommandsTest, ShortcutIsJudgedWhenItFiresNotWhenTheMenuLastOpened) {
  // The menu was last opened on an empty show: Save looked disabled then.
  emit form_->File1->aboutToShow();
  emit form_->File1->aboutToHide();
  Load({Picture("a.png")});
  Doc().SetModified(true);
  fake_.dialogs.saveFileResults.push_back(QString::fromStdString(root_ + "new.sho"));
  form_->Save1->trigger();
  EXPECT_EQ(fake_.dialogs.saveFileRequests.size(), 1u);
  EXPECT_TRUE(fs::exists(root_ + "new.sho"));

  // And an empty show cannot be saved through the shortcut.
  Load({});
  form_->Save1->trigger();
  EXPECT_EQ(fake_.dialogs.saveFileRequests.size(), 1u);
}

TEST_F(FileCommandsTest, OpenAsksTheSavePromptOnlyAfterAFileIsChosen) {
  const std::string other = ShowOnDisk("other.sho", {Picture("b.png"), Picture("c.png")}, false);
  Load({Picture("a.png")}, root_ + "mine.sho");
  Doc().SetModified(true);

  fake_.dialogs.openFileResults.push_back(std::nullopt);  // the dialog is cancelled
  form_->Open1Click();
  EXPECT_EQ(QuestionsAsked(), 0);
  ASSERT_EQ(fake_.dialogs.openFileRequests.size(), 1u);
  const FileDialogOptions& o = fake_.dialogs.openFileRequests[0];
  EXPECT_TRUE(o.title.isEmpty());
  EXPECT_TRUE(o.fileName.isEmpty());
  EXPECT_TRUE(o.defaultSuffix.isEmpty());
  EXPECT_EQ(o.filter,
            "All Slideshow Files (*.sho;*.bld)|*.sho;*.bld|Local Slideshow Files (*.sho)|*.sho|"
            "Portable Slideshow Files (*.bld)|*.bld");

  fake_.dialogs.openFileResults.push_back(QString::fromStdString(other));
  fake_.prompts.answers.push_back(PromptAnswer::Cancel);
  form_->Open1Click();
  EXPECT_EQ(QuestionsAsked(), 1);
  EXPECT_EQ(fake_.prompts.asked.back().buttons, PromptButtons::YesNoCancel);
  EXPECT_EQ(test::SlideNames(*form_), (std::vector<std::string>{"a.png"}));
  EXPECT_TRUE(Doc().Modified());

  fake_.dialogs.openFileResults.push_back(QString::fromStdString(other));
  fake_.prompts.answers.push_back(PromptAnswer::No);
  form_->Open1Click();
  EXPECT_EQ(test::SlideNames(*form_), (std::vector<std::string>{"b.png", "c.png"}));
  EXPECT_EQ(test::StripTexts(*form_), (std::vector<std::string>{"b.png", "c.png"}));
  EXPECT_FALSE(Doc().Modified());
  EXPECT_EQ(Doc().FileName(), other);
  EXPECT_EQ(form_->windowTitle(), "other.sho - Lanternreelworks!");
}

TEST_F(FileCommandsTest, OpeningATextFileKeepsTheShowAndSaysSo) {
  Write(root_ + "notes.sho", "just some text, long enough to fill a header of forty-three bytes");
  const std::string mine = ShowOnDisk("mine.sho", {Picture("a.png")}, false);
  ASSERT_TRUE(form_->OpenFile(mine));
  form_->SetTitleFor(mine);

  fake_.dialogs.openFileResults.push_back(QString::fromStdString(root_ + "notes.sho"));
  form_->Open1Click();
  EXPECT_EQ(fake_.prompts.beeps, std::vector<BeepKind>{BeepKind::Warning});
  ASSERT_FALSE(fake_.prompts.asked.empty());
  EXPECT_EQ(fake_.prompts.asked.back().text,
            "File " + root_ + "notes.sho is not a slide show file.");
  EXPECT_EQ(form_->windowTitle(), "Lanternreelworks!");
  EXPECT_EQ(test::SlideNames(*form_), (std::vector<std::string>{"a.png"}));
  EXPECT_EQ(Doc().FileName(), mine);
}

TEST_F(FileCommandsTest, SaveOfANeverSavedShowRunsSaveAs) {
  Load({Picture("a.png")});
  Doc().SetModified(true);
  fake_.dialogs.saveFileResults.push_back(QString::fromStdString(root_ + "first.sho"));
  form_->Save1Click();

  ASSERT_EQ(fake_.dialogs.saveFileRequests.size(), 1u);
  const FileDialogOptions& o = fake_.dialogs.saveFileRequests[0];
  EXPECT_EQ(o.title, "Brightframework - Save the Slideshow");
  EXPECT_EQ(o.filter, "Local Slide Shows (*.sho)|*.sho");
  EXPECT_EQ(o.defaultSuffix, "sho");
  EXPECT_TRUE(o.overwritePrompt);
  EXPECT_TRUE(o.fileName.isEmpty());
  EXPECT_EQ(Doc().FileName(), root_ + "first.sho");
  EXPECT_FALSE(Doc().Modified());
  EXPECT_EQ(form_->windowTitle(), "first.sho - Lanternreelworks!");
  const ShowFileReadResult back = ReadShowFile(root_ + "first.sho");
  ASSERT_EQ(back.status, ReadStatus::Ok);
  EXPECT_FALSE(back.portable);
  EXPECT_EQ(back.slides.at(0).PictureFolder, root_ + "pics/");
}

TEST_F(FileCommandsTest, SaveOfAPortableShowCopiesNewMediaAndStaysPortable) {
  // trip.bld in out/ with one picture beside it; a second slide was added from pics/.
  Write(root_ + "out/a.png", "already there");
  SlideRecord there = test::PictureSlide("a.png", 60, 45, 0xFF3070C0u, root_ + "out/");
  Load({there, Picture("b.png")}, root_ + "out/trip.bld");
  Doc().SetModified(true);

  form_->Save1Click();
  EXPECT_TRUE(fake_.dialogs.saveFileRequests.empty());
  EXPECT_EQ(Read(root_ + "out/b.png"), "picture pics/b.png");
  EXPECT_EQ(Read(root_ + "out/a.png"), "already there");
  const ShowFileReadResult back = ReadShowFile(root_ + "out/trip.bld");
  ASSERT_EQ(back.status, ReadStatus::Ok);
  EXPECT_TRUE(back.portable);
  EXPECT_EQ(back.slides.at(1).PictureFolder, root_ + "out/");
  // The slides in memory keep their own folders.
  EXPECT_EQ(Doc().Slides()[1].PictureFolder, root_ + "pics/");
  EXPECT_EQ(form_->windowTitle(), "trip.bld - Lanternreelworks!");

  // Save As offers the name without extension and writes a local show.
  fake_.dialogs.saveFileResults.push_back(QString::fromStdString(root_ + "trip.sho"));
  form_->SaveAs1Click();
  EXPECT_EQ(fake_.dialogs.saveFileRequests.at(0).fileName,
            QString::fromStdString(root_ + "out/trip"));
  EXPECT_FALSE(ReadShowFile(root_ + "trip.sho").portable);
  EXPECT_EQ(Doc().FileName(), root_ + "trip.sho");
}

TEST_F(FileCommandsTest, SavePromptNeverLetsUnsavedWorkGo) {
  struct Case {
    const char* what;
    bool named;  // the show has a file name that cannot be written
    std::deque<PromptAnswer> answers;
    std::deque<std::optional<QString>> saveDialog;
    bool offerCancel;
    PromptAnswer expected;
    int questions;
  };
  const std::string unwritable = root_ + "missing/x.sho";
  const Case cases[] = {
      {"No", false, {PromptAnswer::No}, {}, true, PromptAnswer::No, 1},
      {"Cancel", false, {PromptAnswer::Cancel}, {}, true, PromptAnswer::Cancel, 1},
      {"Yes, Save As cancelled",
       false,
       {PromptAnswer::Yes},
       {std::nullopt},
       true,
       PromptAnswer::Cancel,
       1},
      {"Yes, write fails", true, {PromptAnswer::Yes}, {}, true, PromptAnswer::Cancel, 1},
      {"Yes, saved",
       false,
       {PromptAnswer::Yes},
       {QString::fromStdString(root_ + "ok.sho")},
       true,
       PromptAnswer::Yes,
       1},
      {"no Cancel: Yes fails, then No",
       false,
       {PromptAnswer::Yes, PromptAnswer::No},
       {std::nullopt},
       false,
       PromptAnswer::No,
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Load({Picture("a.png")}, c.named ? unwritable : std::string());
    Doc().SetModified(true);
    fake_.prompts.asked.clear();
    fake_.prompts.answers = c.answers;
    fake_.dialogs.saveFileResults = c.saveDialog;
    EXPECT_EQ(form_->QuerySaveChanges(c.offerCancel), c.expected);
    EXPECT_EQ(QuestionsAsked(), c.questions);
    EXPECT_EQ(fake_.prompts.asked.front().buttons,
              c.offerCancel ? PromptButtons::YesNoCancel : PromptButtons::YesNo);
    EXPECT_EQ(fake_.prompts.asked.front().icon, PromptIcon::Question);
    EXPECT_EQ(Doc().Modified(), c.expected != PromptAnswer::Yes);
  }
  // Nothing changed: no question at all.
  Load({Picture("a.png")});
  fake_.prompts.asked.clear();
  EXPECT_EQ(form_->QuerySaveChanges(true), PromptAnswer::No);
  EXPECT_TRUE(fake_.prompts.asked.empty());
}

// Every command that discards the show: Yes to the prompt followed by a save that
// does not happen (name dialog cancelled, or the file cannot be written) must stop
// the command with the show intact; a save that happens lets it go on.
TEST_F(FileCommandsTest, EveryDiscardingCommandStopsWhenTheSaveDoesNotHappen) {
  const std::string other = ShowOnDisk("other.sho", {Picture("b.png")}, false);
  enum class Command { Open, Close, Exit, CloseWindow };
  enum class Save { DialogCancelled, WriteFails, Saved };
  struct Case {
    Command command;
    Save save;
  };
  const Case cases[] = {
      {Command::Open, Save::DialogCancelled},   {Command::Open, Save::WriteFails},
      {Command::Open, Save::Saved},             {Command::Close, Save::DialogCancelled},
      {Command::Close, Save::WriteFails},       {Command::Close, Save::Saved},
      {Command::Exit, Save::DialogCancelled},   {Command::Exit, Save::WriteFails},
      {Command::Exit, Save::Saved},             {Command::CloseWindow, Save::DialogCancelled},
      {Command::CloseWindow, Save::WriteFails}, {Command::CloseWindow, Save::Saved},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "command " << static_cast<int>(c.command) << ", save "
                                    << static_cast<int>(c.save));
    form_ = std::make_unique<TSlideshowDesignForm>(fake_.services());
    form_->show();
    const std::string saved = root_ + "saved" + std::to_string(++n) + ".sho";
    Load({Picture("a.png")}, c.save == Save::WriteFails ? root_ + "missing/x.sho" : "");
    Doc().SetModified(true);
    fake_.prompts.asked.clear();
    fake_.prompts.answers = {PromptAnswer::Yes};
    fake_.dialogs.saveFileResults.clear();
    if (c.save == Save::DialogCancelled) fake_.dialogs.saveFileResults.push_back(std::nullopt);
    if (c.save == Save::Saved) fake_.dialogs.saveFileResults.push_back(QString::fromStdString(saved));
    QSignalSpy closed(form_.get(), &TSlideshowDesignForm::FormClosed);
    switch (c.command) {
      case Command::Open:
        fake_.dialogs.openFileResults = {QString::fromStdString(other)};
        form_->Open1Click();
        break;
      case Command::Close:
        form_->Close1Click();
        break;
      case Command::Exit:
        form_->Exit1Click();
        break;
      case Command::CloseWindow:
        form_->close();
        break;
    }
    EXPECT_EQ(QuestionsAsked(), 1);
    if (c.save != Save::Saved) {
      EXPECT_EQ(test::SlideNames(*form_), (std::vector<std::string>{"a.png"}));
      EXPECT_TRUE(Doc().Modified());
      EXPECT_TRUE(form_->isVisible());
      EXPECT_EQ(closed.count(), 0);
      continue;
    }
    const ShowFileReadResult back = ReadShowFile(saved);
    ASSERT_EQ(back.status, ReadStatus::Ok);
    EXPECT_EQ(back.slides.size(), 1u);
    const bool ends = c.command == Command::Exit || c.command == Command::CloseWindow;
    EXPECT_EQ(closed.count(), ends ? 1 : 0);
    if (c.command == Command::Open) {
      EXPECT_EQ(test::SlideNames(*form_), std::vector<std::string>{"b.png"});
    } else if (c.command != Command::CloseWindow) {
      EXPECT_TRUE(Doc().Slides().empty());
    }
  }
}

TEST_F(FileCommandsTest, CloseWhoseSaveIsCancelledKeepsTheShow) {
  Load({Picture("a.png")});
  Doc().SetModified(true);
  fake_.prompts.answers.push_back(PromptAnswer::Yes);
  fake_.dialogs.saveFileResults.push_back(std::nullopt);
  form_->Close1Click();
  EXPECT_EQ(test::SlideNames(*form_), (std::vector<std::string>{"a.png"}));
  EXPECT_TRUE(Doc().Modified());
}

TEST_F(FileCommandsTest, CloseEmptiesTheShowButKeepsTheLoopMark) {
  const std::string mine = ShowOnDisk("mine.sho", {Picture("a.png")}, false);
  fake_.dialogs.openFileResults.push_back(QString::fromStdString(mine));
  form_->Open1Click();
  Doc().SetLoop(true);
  Doc().SetModified(true);
  fake_.prompts.answers.push_back(PromptAnswer::No);
  form_->Close1Click();
  EXPECT_TRUE(Doc().Slides().empty());
  EXPECT_TRUE(test::StripTexts(*form_).empty());
  EXPECT_TRUE(Doc().FileName().empty());
  EXPECT_TRUE(Doc().Loop());
  EXPECT_FALSE(Doc().Modified());
  EXPECT_EQ(form_->windowTitle(), "Lanternreelworks!");
}

TEST_F(FileCommandsTest, ExitAsksOnceAndCancelKeepsTheWindow) {
  Load({Picture("a.png")});
  form_->show();
  Doc().SetModified(true);
  QSignalSpy closed(form_.get(), &TSlideshowDesignForm::FormClosed);

  fake_.prompts.answers.push_back(PromptAnswer::Cancel);
  form_->Exit1Click();
  EXPECT_TRUE(form_->isVisible());
  EXPECT_EQ(closed.count(), 0);

  fake_.prompts.answers.push_back(PromptAnswer::No);
  form_->Exit1Click();
  EXPECT_FALSE(form_->isVisible());
  EXPECT_EQ(closed.count(), 1);
  EXPECT_EQ(QuestionsAsked(), 2);  // the window's own close did not ask again
}

TEST_F(FileCommandsTest, BuildCopiesMediaWritesPortableShowAndKeepsTheFileName) {
  SlideRecord withSound = Picture("a.png");
  Write(root_ + "pics/tune.wav", "sound");
  withSound.SoundFolder = root_ + "pics/";
  withSound.SoundName = "tune.wav";
  // Same name in another folder: only the first is copied.
  Load({withSound, Picture("a.png", "other"), test::BlankSlide(0)}, root_ + "mine.sho");
  Doc().SetModified(true);

  const std::string bld = root_ + "out/show.bld";
  fake_.dialogs.saveFileResults.push_back(QString::fromStdString(bld));
  form_->BuildaPortableShow1Click();

  ASSERT_EQ(fake_.dialogs.saveFileRequests.size(), 1u);
  EXPECT_EQ(fake_.dialogs.saveFileRequests[0].filter, "Portable Slide Shows (*.bld)|*.bld");
  EXPECT_EQ(fake_.dialogs.saveFileRequests[0].defaultSuffix, "bld");
  EXPECT_EQ(Read(root_ + "out/a.png"), "picture pics/a.png");
  EXPECT_EQ(Read(root_ + "out/tune.wav"), "sound");
  const ShowFileReadResult back = ReadShowFile(bld);
  ASSERT_EQ(back.status, ReadStatus::Ok);
  EXPECT_TRUE(back.portable);
  EXPECT_EQ(back.slides.size(), 3u);
  EXPECT_EQ(Doc().FileName(), root_ + "mine.sho");
  EXPECT_FALSE(Doc().Modified());
  EXPECT_EQ(form_->windowTitle(), "show.bld - Lanternreelworks!");
  EXPECT_EQ(fake_.prompts.beeps, std::vector<BeepKind>{BeepKind::Warning});
  EXPECT_EQ(fake_.prompts.asked.back().text, "File " + bld + " has been built.");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  // A second build into the same folder copies nothing, even after a change;
  // the dialog shows the name it last held.
  Write(root_ + "pics/a.png", "changed");
  fake_.dialogs.saveFileResults.push_back(QString::fromStdString(bld));
  form_->BuildaPortableShow1Click();
  EXPECT_EQ(fake_.dialogs.saveFileRequests[1].fileName, QString::fromStdString(bld));
  EXPECT_EQ(Read(root_ + "out/a.png"), "picture pics/a.png");

  // Save afterwards writes the show's own file, as a local show.
  Doc().SetModified(true);
  form_->Save1Click();
  EXPECT_FALSE(ReadShowFile(root_ + "mine.sho").portable);
  EXPECT_EQ(form_->windowTitle(), "mine.sho - Lanternreelworks!");
}

TEST_F(FileCommandsTest, BuildStopsAtAVanishedPictureOrABadName) {
  struct Case {
    const char* what;
    std::string badName;
    std::string expectedStart;
  };
  const Case cases[] = {
      {"vanished", "gone.png", "Cannot open file \"" + root_ + "pics/gone.png\""},
      {"leaves the folder", "../escape.png", "Slide 2 names the picture file \"../escape.png\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(root_ + "out");
    fs::create_directories(root_ + "out");
    SlideRecord bad = test::PictureSlide(c.badName, 60, 45, 0xFF3070C0u, root_ + "pics/");
    Load({Picture("a.png"), bad, Picture("c.png")}, root_ + "mine.sho");
    Doc().SetModified(true);
    fake_.prompts.asked.clear();
    fake_.prompts.beeps.clear();
    fake_.dialogs.saveFileResults.push_back(QString::fromStdString(root_ + "out/show.bld"));
    form_->BuildaPortableShow1Click();

    ASSERT_EQ(fake_.prompts.asked.size(), 1u);
    EXPECT_EQ(fake_.prompts.asked[0].text.rfind(c.expectedStart, 0), 0u)
        << fake_.prompts.asked[0].text;
    EXPECT_FALSE(fs::exists(root_ + "out/show.bld"));
    EXPECT_FALSE(fs::exists(root_ + "out/c.png"));
    EXPECT_FALSE(fs::exists(root_ + "escape.png"));
    EXPECT_TRUE(Doc().Modified());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

TEST_F(FileCommandsTest, HelpTopicsF1AndAboutOpenTheirWindows) {
  form_->HelpContents1->trigger();
  ASSERT_NE(FindHelpViewer(), nullptr);
  EXPECT_EQ(FindHelpViewer()->CurrentPage(), "qrc:/help/contents.html");

  form_->show();
  QApplication::setActiveWindow(form_.get());
  QTest::keyClick(form_.get(), Qt::Key_F1);
  EXPECT_EQ(FindHelpViewer()->CurrentPage(), "qrc:/help/designer.html");

  QString aboutTitle;
  QTimer::singleShot(0, [&] {
    if (auto* about = qobject_cast<TAboutForm*>(QApplication::activeModalWidget())) {
      aboutTitle = about->windowTitle();
      about->accept();
    }
  });
  form_->AboutBrightframework1->trigger();
  EXPECT_EQ(aboutTitle, "About Lanternreelworks!");
}

}  // namespace
}  // namespace lrw
