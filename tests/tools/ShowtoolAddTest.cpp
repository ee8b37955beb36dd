// showtool add, run as a program: a portable show gets its pictures beside it, and a run
// that adds nothing writes nothing.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "document/BmpCodec.h"
#include "document/ShowFile.h"

namespace lrw {
namespace {

namespace fs = std::filesystem;

class ShowtoolAdd : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/lrw-showtool-XXXXXX";
    root_ = ::mkdtemp(pattern);
    fs::create_directories(root_ / "pics");
    fs::create_directories(root_ / "show");
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string Path(const std::string& relative) const { return (root_ / relative).string(); }

  std::string Picture(const std::string& name, uint32_t colour) const {
    const std::vector<uint8_t> bmp = EncodeBmp(Bitmap(40, 30, colour));
    const std::string path = Path("pics/" + name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    return path;
  }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // Runs showtool with the arguments; its exit status.
  static int Showtool(const std::vector<std::string>& args) {
    std::string command = "'" LRW_SHOWTOOL "' add";
    for (const std::string& a : args) command += " '" + a + "'";
    command += " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path root_;
};

TEST_F(ShowtoolAdd, APortableShowGetsItsPicturesBesideIt) {
  const std::string show = Path("show/trip.bld");
  const std::string red = Picture("red.bmp", 0xFFFF0000u);
  const std::string blue = Picture("blue.bmp", 0xFF0000FFu);
  ASSERT_EQ(Showtool({show, red}), 0);
  ASSERT_EQ(Showtool({show, blue}), 0);
  EXPECT_EQ(Read(Path("show/red.bmp")), Read(red));
  EXPECT_EQ(Read(Path("show/blue.bmp")), Read(blue));

  // The folder travels: moved elsewhere, the show still finds both pictures.
  fs::rename(root_ / "pics", root_ / "gone");
  fs::rename(root_ / "show", root_ / "moved");
  SlideShowDocument doc;
  ASSERT_EQ(OpenShowFile(doc, Path("moved/trip.bld")).status, ReadStatus::Ok);
  ASSERT_EQ(doc.Count(), 2);
  for (const SlideRecord& s : doc.Slides()) {
    EXPECT_TRUE(fs::is_regular_file(s.PictureFolder + s.PictureName)) << s.PictureName;
  }
}

TEST_F(ShowtoolAdd, NothingAddedWritesNothing) {
  std::ofstream(Path("pics/notes.txt")) << "not a picture";
  for (const char* show : {"show/new.bld", "show/new.sho"}) {
    EXPECT_EQ(Showtool({Path(show), Path("pics/notes.txt"), Path("pics/gone.bmp")}), 1);
    EXPECT_FALSE(fs::exists(Path(show))) << show;
  }
  // An existing show is left exactly as it was.
  ASSERT_EQ(Showtool({Path("show/kept.bld"), Picture("red.bmp", 0xFFFF0000u)}), 0);
  const std::string before = Read(Path("show/kept.bld"));
  EXPECT_EQ(Showtool({Path("show/kept.bld"), Path("pics/notes.txt")}), 1);
  EXPECT_EQ(Read(Path("show/kept.bld")), before);
}

}  // namespace
}  // namespace lrw
