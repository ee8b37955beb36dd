#include "document/PortableBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "document/ShowFile.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

class PortableBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("lrw-portable-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "pics");
    fs::create_directories(root_ / "other");
    fs::create_directories(root_ / "out");
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string Dir(const char* sub) const { return (root_ / sub).string() + "/"; }

  static void Write(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  static SlideRecord Picture(const std::string& folder, const std::string& name) {
    SlideRecord s;
    s.PictureFolder = folder;
    s.PictureName = name;
    return s;
  }

  static std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path root_;
};

// Pictures and sounds are copied under their names exactly as stored: blanks around a name
// and backslashes in it are part of the name on this system, the trimmed name is another
// file, and the built show must find the file it names.
TEST_F(PortableBuilderTest, CopiesPicturesAndSoundsUnderTheirNamesAsStored) {
  Write(Dir("pics") + " a.png ", "padded");
  Write(Dir("pics") + "a.png", "another picture");
  Write(Dir("pics") + "x\\y.png", "backslash");
  Write(Dir("pics") + " tune.wav", "padded sound");
  SlideShowDocument doc;
  doc.InsertSlide(0, Picture(Dir("pics"), " a.png "));
  SlideRecord second = Picture(Dir("pics"), "x\\y.png");
  second.SoundFolder = Dir("pics");
  second.SoundName = " tune.wav";
  second.PlaySound = 0;  // copied even when it does not play
  doc.InsertSlide(1, second);
  doc.InsertSlide(2, SlideRecord{});

  const Result<std::vector<std::string>> r = CopyMediaFiles(doc.Slides(), Dir("out"));
  ASSERT_TRUE(r) << r.error().message;
  EXPECT_EQ(*r, (std::vector<std::string>{Dir("out") + " a.png ", Dir("out") + "x\\y.png",
                                          Dir("out") + " tune.wav"}));
  EXPECT_EQ(Entries(Dir("out")), (std::vector<std::string>{" a.png ", " tune.wav", "x\\y.png"}));
  ASSERT_TRUE(WriteShowFile(doc, Dir("out") + "show.bld", true));

  // The built folder, moved elsewhere, finds every file its slides name.
  fs::rename(root_ / "out", root_ / "moved");
  SlideShowDocument back;
  const Result<ShowFileContent> opened = OpenShowFile(back, Dir("moved") + "show.bld");
  ASSERT_TRUE(opened && !opened->damage);
  ASSERT_EQ(back.Count(), 3);
  EXPECT_EQ(Read(back.Slides()[0].PictureFolder + back.Slides()[0].PictureName), "padded");
  EXPECT_EQ(Read(back.Slides()[1].PictureFolder + back.Slides()[1].PictureName), "backslash");
  EXPECT_EQ(Read(back.Slides()[1].SoundFolder + back.Slides()[1].SoundName), "padded sound");

  // Saving it again (as Save does for a .bld) copies nothing more: every name is there.
  EXPECT_EQ(
      CopyMediaFiles(back.Slides(), Dir("moved")).value_or(std::vector<std::string>{"failed"}),
      std::vector<std::string>{});
}

TEST_F(PortableBuilderTest, BuildingWherePicturesLieCopiesNothingAndKeepsThem) {
  Write(Dir("pics") + "a.png", "picture a");
  Write(Dir("pics") + "b.png", "picture b");
  const std::vector<SlideRecord> slides = {Picture(Dir("pics"), "a.png"),
                                           Picture(Dir("pics"), "b.png")};

  const Result<std::vector<std::string>> r = CopyMediaFiles(slides, Dir("pics"));

  ASSERT_TRUE(r) << r.error().message;
  EXPECT_TRUE(r->empty());
  EXPECT_EQ(Read(Dir("pics") + "a.png"), "picture a");
  EXPECT_EQ(Read(Dir("pics") + "b.png"), "picture b");
}

TEST_F(PortableBuilderTest, SecondBuildCopiesNothingEvenAfterSourceChanged) {
  Write(Dir("pics") + "a.png", "first");
  const std::vector<SlideRecord> slides = {Picture(Dir("pics"), "a.png")};
  ASSERT_EQ(CopyMediaFiles(slides, Dir("out")).value_or(std::vector<std::string>{}).size(), 1u);

  Write(Dir("pics") + "a.png", "changed");
  const Result<std::vector<std::string>> again = CopyMediaFiles(slides, Dir("out"));

  ASSERT_TRUE(again);
  EXPECT_TRUE(again->empty());
  EXPECT_EQ(Read(Dir("out") + "a.png"), "first");
}

TEST_F(PortableBuilderTest, SameNameInTwoFoldersCopiesOnlyTheFirst) {
  Write(Dir("pics") + "a.png", "from pics");
  Write(Dir("other") + "a.png", "from other");

  const Result<std::vector<std::string>> r =
      CopyMediaFiles({Picture(Dir("pics"), "a.png"), Picture(Dir("other"), "a.png")}, Dir("out"));

  ASSERT_TRUE(r);
  EXPECT_EQ(r->size(), 1u);
  EXPECT_EQ(Read(Dir("out") + "a.png"), "from pics");
}

TEST_F(PortableBuilderTest, VanishedPictureStopsWithItsErrorAndRemovesOnlyThisBuildsCopies) {
  Write(Dir("pics") + "a.png", "a");
  Write(Dir("pics") + "c.png", "c");
  Write(Dir("out") + "c.png", "there before");
  const std::vector<SlideRecord> slides = {Picture(Dir("pics"), "a.png"),
                                           Picture(Dir("pics"), "c.png"),
                                           Picture(Dir("pics"), "gone.png")};

  const Result<std::vector<std::string>> r = CopyMediaFiles(slides, Dir("out"));

  ASSERT_FALSE(r);
  EXPECT_EQ(r.error().message,
            "Cannot open file \"" + Dir("pics") +
                "gone.png\". No such file or directory. The 1 file this build had copied "
                "was removed again; files that were there before are untouched.");
  EXPECT_FALSE(fs::exists(Dir("out") + "a.png"));
  EXPECT_EQ(Read(Dir("out") + "c.png"), "there before");
}

TEST_F(PortableBuilderTest, RefusesNamesThatLeaveTheFolder) {
  Write(Dir("pics") + "a.png", "a");
  Write(root_.string() + "/x.png", "outside");
  struct Case {
    const char* picture;
    const char* sound;
  };
  const Case cases[] = {
      {"../x.png", ""}, {"sub/x.png", ""}, {"..", ""}, {".", ""}, {"a.png", "../x.wav"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.picture) + " | " + c.sound);
    // The bad slide comes second: nothing at all may be copied.
    SlideRecord bad = Picture(Dir("pics"), c.picture);
    bad.SoundFolder = Dir("pics");
    bad.SoundName = c.sound;
    const Result<std::vector<std::string>> r =
        CopyMediaFiles({Picture(Dir("pics"), "a.png"), bad}, Dir("out"));
    ASSERT_FALSE(r);
    EXPECT_NE(r.error().message.find("Slide 2 names the"), std::string::npos) << r.error().message;
    EXPECT_NE(r.error().message.find("not a plain file name"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(Dir("out")));
  }
}

TEST_F(PortableBuilderTest, BlankSlidesCopyNothing) {
  EXPECT_TRUE(CopyMediaFiles({SlideRecord{}, SlideRecord{}}, Dir("out")));
  EXPECT_TRUE(fs::is_empty(Dir("out")));
}

TEST_F(PortableBuilderTest, CopyMediaFileReplacesTargetButNeverCopiesOntoItself) {
  Write(Dir("pics") + "a.png", std::string(200000, 'x'));  // several buffers long
  Write(Dir("out") + "a.png", "old");

  EXPECT_TRUE(CopyMediaFile(Dir("pics") + "a.png", Dir("out") + "a.png"));
  EXPECT_EQ(Read(Dir("out") + "a.png").size(), 200000u);

  // The same file through another spelling of its folder.
  EXPECT_TRUE(CopyMediaFile(Dir("pics") + "a.png", Dir("pics") + "../pics/a.png"));
  EXPECT_EQ(Read(Dir("pics") + "a.png").size(), 200000u);
}

TEST_F(PortableBuilderTest, CopyMediaFileReportsATargetThatCannotBeCreated) {
  Write(Dir("pics") + "a.png", "a");
  const std::string target = Dir("missing") + "a.png";
  const Result<void> copied = CopyMediaFile(Dir("pics") + "a.png", target);
  ASSERT_FALSE(copied);
  EXPECT_EQ(copied.error().message,
            "Cannot create file \"" + target + "\". No such file or directory");
}

}  // namespace
}  // namespace lrw
