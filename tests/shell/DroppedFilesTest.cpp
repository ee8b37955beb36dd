// Which dropped paths become slides: pictures, shortcuts to pictures, nothing else.
#include "shell/DroppedFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/ShellLinkBuilder.h"
#include "shell/ShortcutLink.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

class DroppedFiles : public ::testing::Test {
 protected:
  fs::path dir_;
  ShortcutLink link_;

  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("lrw-drop-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string File(const std::string& name, const std::vector<uint8_t>& bytes = {1, 2, 3}) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }
  std::string Shortcut(const std::string& name, const std::string& relativeTarget) {
    test::LinkFields fields;
    fields.relativePath = relativeTarget;
    return File(name, test::BuildLink(fields));
  }
};

TEST_F(DroppedFiles, OnlyPicturesOfTheTableAreKeptInDropOrder) {
  fs::create_directories(dir_ / "folder.jpg");
  fs::create_symlink("loop-b.jpg", dir_ / "loop-a.jpg");
  fs::create_symlink("loop-a.jpg", dir_ / "loop-b.jpg");
  const std::string b = File("b.JPG");
  const std::string a = File("a.png");
  const DroppedPictures got = PicturesFromDrop(
      {(dir_ / "folder.jpg").string(), File("notes.txt"), b, (dir_ / "gone.bmp").string(),
       (dir_ / "loop-a.jpg").string(), (dir_ / (std::string(300, 'n') + ".lnk")).string(), a},
      link_);
  EXPECT_EQ(got.paths, (std::vector<std::string>{b, a}));
  EXPECT_FALSE(got.shortcutError);
}

TEST_F(DroppedFiles, AShortcutStandsForItsPictureAndOnlyForAPicture) {
  const std::string picture = File("sea.jpg");
  File("readme.txt");
  const DroppedPictures got = PicturesFromDrop(
      {Shortcut("Sea.LNK", ".\\sea.jpg"), Shortcut("text.lnk", ".\\readme.txt")}, link_);
  EXPECT_EQ(got.paths, std::vector<std::string>{picture});
}

TEST_F(DroppedFiles, AShortcutThatDoesNotResolveIsNotTakenForTheOneBefore) {
  const std::string picture = File("sea.jpg");
  const DroppedPictures got = PicturesFromDrop(
      {Shortcut("one.lnk", ".\\sea.jpg"), Shortcut("lost.lnk", ".\\elsewhere\\gone.jpg")}, link_);
  EXPECT_EQ(got.paths, std::vector<std::string>{picture});
}

// Writers that mark LinkInfo as ignored may leave anything in it; only its size counts.
TEST_F(DroppedFiles, ALinkInfoMarkedIgnoredIsNotRead) {
  const std::string picture = File("sea.jpg");
  test::LinkFields fields;
  fields.localPath = "C:\\sea.jpg";
  fields.relativePath = ".\\sea.jpg";
  std::vector<uint8_t> damaged = test::BuildLink(fields);
  damaged[0x4C + 24] = 0xF0;  // the common path suffix offset points past the block
  fields.forceNoLinkInfo = true;
  std::vector<uint8_t> ignored = test::BuildLink(fields);
  ignored[0x4C + 24] = 0xF0;

  DroppedPictures got = PicturesFromDrop({File("ignored.lnk", ignored)}, link_);
  EXPECT_EQ(got.paths, std::vector<std::string>{picture});
  EXPECT_FALSE(got.shortcutError) << got.shortcutError->message;
  got = PicturesFromDrop({File("damaged.lnk", damaged)}, link_);
  ASSERT_TRUE(got.shortcutError);
  EXPECT_EQ(got.shortcutError->message, "Error in getting Target");
}

TEST_F(DroppedFiles, AnUnreadableShortcutEndsTheDrop) {
  const std::string first = File("first.bmp");
  const DroppedPictures got =
      PicturesFromDrop({first, File("broken.lnk", {'n', 'o', 't'}), File("after.bmp")}, link_);
  EXPECT_EQ(got.paths, std::vector<std::string>{first});
  ASSERT_TRUE(got.shortcutError);
  EXPECT_EQ(got.shortcutError->message, "Unable to open link file");
}

}  // namespace
}  // namespace lrw
