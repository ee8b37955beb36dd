#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "document/AtomicFile.h"
#include "document/ShowFile.h"
#include "document/ShowFileTestSupport.h"

namespace lrw {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::VariedSlide;
using testing::WriteBytes;
namespace fs = std::filesystem;

SlideShowDocument BigShow() {
  SlideShowDocument doc;
  for (int i = 0; i < 4; ++i) {
    SlideRecord s = VariedSlide(i);
    s.Thumbnail = Bitmap(60, 60, 0xFF336699);
    doc.InsertSlide(i, s);
  }
  doc.SetModified(true);
  return doc;
}

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// Lowers the file size limit for the life of the object, so that writes fail.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lower = saved_;
    lower.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lower);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit saved_{};
  void (*oldHandler_)(int);
};

TEST(AtomicSave, FailedWriteKeepsOldFileAndModified) {
  TempDir dir;
  const std::string path = dir.File("show.sho");
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  WriteBytes(path, old);
  SlideShowDocument doc = BigShow();
  WriteResult w;
  {
    FileSizeLimit limit(4096);
    w = WriteShowFile(doc, path, false);
  }
  EXPECT_FALSE(w.ok);
  EXPECT_NE(w.errorText.find("Cannot write file \"" + path + "\""), std::string::npos)
      << w.errorText;
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_TRUE(doc.Modified());
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"show.sho"}) << "no temporary left";
}

TEST(AtomicSave, FolderThatCannotTakeTheFile) {
  TempDir dir;
  SlideShowDocument doc = BigShow();
  const std::string missing = dir.File("no/such/folder/show.sho");
  WriteResult w = WriteShowFile(doc, missing, false);
  EXPECT_FALSE(w.ok);
  EXPECT_EQ(w.errorText.rfind("Cannot create file \"" + missing + "\"", 0), 0u) << w.errorText;
  EXPECT_TRUE(doc.Modified());

  fs::create_directory(dir.File("taken.sho"));
  w = WriteShowFile(doc, dir.File("taken.sho"), false);
  EXPECT_FALSE(w.ok);
  EXPECT_TRUE(fs::is_directory(dir.File("taken.sho")));
  EXPECT_TRUE(doc.Modified());
}

TEST(AtomicSave, ReadOnlyFolderAndFileAreRefused) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  TempDir dir;
  const std::string path = dir.File("show.sho");
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  WriteBytes(path, old);
  SlideShowDocument doc = BigShow();
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(WriteShowFile(doc, path, false).ok);
  fs::permissions(dir.path(), fs::perms::owner_all);
  EXPECT_EQ(ReadBytes(path), old);
  fs::permissions(path, fs::perms::owner_read);
  EXPECT_FALSE(WriteShowFile(doc, path, false).ok);
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_TRUE(doc.Modified());
}

TEST(AtomicSave, ReplacingKeepsPermissionsAndFollowsLinks) {
  TempDir dir;
  const std::string real = dir.File("real.sho");
  WriteBytes(real, {'o', 'l', 'd'});
  ::chmod(real.c_str(), 0640);
  const std::string link = dir.File("link.sho");
  fs::create_symlink(real, link);
  SlideShowDocument doc = BigShow();
  const WriteResult w = WriteShowFile(doc, link, false);
  ASSERT_TRUE(w.ok) << w.errorText;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), EncodeShowFile(doc, false));
  struct stat st {};
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"link.sho", "real.sho"}));
}

TEST(AtomicSave, LongFileNameStillSaves) {
  TempDir dir;
  const std::string path = dir.File(std::string(250, 'n') + ".sho");
  SlideShowDocument doc = BigShow();
  const WriteResult w = WriteShowFile(doc, path, false);
  ASSERT_TRUE(w.ok) << w.errorText;
  EXPECT_EQ(ReadBytes(path), EncodeShowFile(doc, false));
}

}  // namespace
}  // namespace lrw
