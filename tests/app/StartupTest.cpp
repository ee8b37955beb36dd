// The start-up state table: what the designer looks like after start-up for each
// kind of command line that does not run a show (runs are covered end to end).
#include "app/Startup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "app/CommandLine.h"
#include "designer/FakeServices.h"
#include "designer/SlideshowDesignForm.h"
#include "document/ShowFile.h"

namespace lrw {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("lrw-startup-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // A two-slide show file, written as the program writes it.
  std::string WriteShow(const std::string& name) {
    SlideShowDocument doc;
    doc.NewBlankSlide(-1);
    doc.NewBlankSlide(0);
    doc.SetLoop(true);
    const std::string path = (dir_ / name).string();
    EXPECT_TRUE(WriteShowFile(doc, path, false));
    return path;
  }

  StartupOptions Start(SlideshowDesignForm& form, std::vector<std::string> args) {
    return StartDesigner(form, ParseCommandLine(args), /*showSplash=*/false);
  }

  test::FakePrompts prompts_;
  test::FakeDialogs dialogs_;
  DesignerServices services_{prompts_, dialogs_, QSize(1024, 768)};
  std::filesystem::path dir_;
};

TEST_F(StartupTest, NoArgumentsShowsTheEmptyDesigner) {
  SlideshowDesignForm form(services_);
  const StartupOptions o = Start(form, {});
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(form.isEnabled());
  EXPECT_EQ(form.Editor().Document().Count(), 0);
  EXPECT_FALSE(o.runAndExit);
  EXPECT_TRUE(prompts_.asked.empty());
  EXPECT_EQ(form.Editor().Memory().lastPictureFolder.back(), '/');
}

TEST_F(StartupTest, AShowFileByAbsolutePathIsOpenedWithThePlainTitle) {
  const std::string path = WriteShow("Trip.sho");
  SlideshowDesignForm form(services_);
  Start(form, {path});
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.Editor().Document().Count(), 2);
  EXPECT_EQ(form.Editor().Document().FileName(), path);
  EXPECT_TRUE(form.Editor().Document().Loop());
  EXPECT_FALSE(form.Editor().Document().Modified());
  EXPECT_EQ(form.windowTitle().toStdString(), "Lanternreelworks!");
}

// A missing file, a name longer than the system allows and a loop of links open nothing
// and say nothing (the last two once ended the program). Relative names: an absolute
// path that names nothing is an unknown switch, not a file.
TEST_F(StartupTest, AStartFileThatIsMissingOrCannotBeLookedAtOpensNothingAndSaysNothing) {
  std::filesystem::create_symlink("loop-b.sho", dir_ / "loop-a.sho");
  std::filesystem::create_symlink("loop-a.sho", dir_ / "loop-b.sho");
  const std::filesystem::path here = std::filesystem::current_path();
  for (const std::filesystem::path& full :
       {dir_ / "gone.sho", dir_ / (std::string(300, 'n') + ".sho"), dir_ / "loop-a.sho"}) {
    SlideshowDesignForm form(services_);
    const StartupOptions o = Start(form, {full.lexically_relative(here).string(), "/c"});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Editor().Document().Count(), 0);
    EXPECT_FALSE(o.runAndStay);
    EXPECT_TRUE(prompts_.asked.empty());
  }
}

TEST_F(StartupTest, RunAndExitWithoutAFileNeverShowsTheDesigner) {
  SlideshowDesignForm form(services_);
  const StartupOptions o = Start(form, {"/r"});
  EXPECT_TRUE(o.runAndExit);
  EXPECT_FALSE(form.isVisible());
}

TEST_F(StartupTest, AFileThatIsNoShowIsReportedAndCancelsTheRun) {
  const std::string path = (dir_ / "notes.txt").string();
  std::ofstream(path) << "just some text, not a show\n";
  SlideshowDesignForm form(services_);
  const StartupOptions o = Start(form, {"/R", path});
  ASSERT_EQ(prompts_.asked.size(), 1u);
  EXPECT_EQ(prompts_.asked[0].text, "File " + path + " is not a slide show file.");
  EXPECT_EQ(prompts_.beeps, std::vector<BeepKind>{BeepKind::Warning});
  EXPECT_FALSE(o.runAndExit);
  EXPECT_FALSE(o.runAndStay);
  EXPECT_TRUE(form.isVisible()) << "the empty designer is shown normally";
  EXPECT_EQ(form.Editor().Document().Count(), 0);
}

TEST_F(StartupTest, AutomationStartKeepsTheDesignerHidden) {
  SlideshowDesignForm form(services_);
  const StartupOptions o = Start(form, {"-embedding"});
  EXPECT_TRUE(o.automationStart);
  EXPECT_TRUE(o.quietStart);
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace lrw
