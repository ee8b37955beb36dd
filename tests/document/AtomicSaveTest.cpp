#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#include <thread>

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

// The text of a failed save; a save that worked has none.
std::string Why(const Result<void>& saved) {
  return saved ? std::string() : saved.error().message;
}

TEST(AtomicSave, FailedWriteKeepsOldFileAndModified) {
  TempDir dir;
  const std::string path = dir.File("show.sho");
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  WriteBytes(path, old);
  SlideShowDocument doc = BigShow();
  Result<void> w;
  {
    FileSizeLimit limit(4096);
    w = WriteShowFile(doc, path, false);
  }
  EXPECT_FALSE(w.has_value());
  EXPECT_NE(Why(w).find("Cannot write file \"" + path + "\""), std::string::npos) << Why(w);
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_TRUE(doc.Modified());
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"show.sho"}) << "no temporary left";
}

TEST(AtomicSave, FolderThatCannotTakeTheFile) {
  TempDir dir;
  SlideShowDocument doc = BigShow();
  const std::string missing = dir.File("no/such/folder/show.sho");
  Result<void> w = WriteShowFile(doc, missing, false);
  EXPECT_FALSE(w.has_value());
  EXPECT_EQ(Why(w).rfind("Cannot create file \"" + missing + "\"", 0), 0u) << Why(w);
  EXPECT_TRUE(doc.Modified());

  fs::create_directory(dir.File("taken.sho"));
  w = WriteShowFile(doc, dir.File("taken.sho"), false);
  EXPECT_FALSE(w.has_value());
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
  EXPECT_FALSE(WriteShowFile(doc, path, false).has_value());
  fs::permissions(dir.path(), fs::perms::owner_all);
  EXPECT_EQ(ReadBytes(path), old);
  fs::permissions(path, fs::perms::owner_read);
  EXPECT_FALSE(WriteShowFile(doc, path, false).has_value());
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_TRUE(doc.Modified());
}

// Through a chain of relative links the file at its end is replaced; a dangling link
// gets the file it names.
TEST(AtomicSave, ReplacingKeepsPermissionsAndFollowsLinks) {
  TempDir dir;
  fs::create_directory(dir.File("shows"));
  const std::string real = dir.File("shows/real.sho");
  WriteBytes(real, {'o', 'l', 'd'});
  ::chmod(real.c_str(), 0640);
  fs::create_symlink("shows/real.sho", dir.File("first.sho"));
  fs::create_symlink("first.sho", dir.File("link.sho"));
  fs::create_symlink("shows/new.sho", dir.File("dangling.sho"));
  SlideShowDocument doc = BigShow();
  const Result<void> w = WriteShowFile(doc, dir.File("link.sho"), false);
  ASSERT_TRUE(w.has_value()) << Why(w);
  ASSERT_TRUE(WriteShowFile(doc, dir.File("dangling.sho"), false).has_value());
  EXPECT_EQ(ReadBytes(real), EncodeShowFile(doc, false));
  EXPECT_EQ(ReadBytes(dir.File("shows/new.sho")), EncodeShowFile(doc, false));
  struct stat st {};
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  for (const char* link : {"first.sho", "link.sho", "dangling.sho"}) {
    EXPECT_TRUE(fs::is_symlink(dir.File(link))) << link;
  }
  EXPECT_EQ(Entries(dir.File("shows")), (std::vector<std::string>{"new.sho", "real.sho"}));
}

// Saving over anything but a file would replace it with a file: a pipe, a device (as the
// superuser, through a link to /dev/null, the system's own) or a folder.
TEST(AtomicSave, OnlyFilesAreReplacedAlsoThroughLinks) {
  TempDir dir;
  const std::string fifo = dir.File("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(dir.File("folder"));
  // A device node of our own (the null device), so that a failure cannot touch /dev.
  const std::string device = dir.File("null");
  const bool haveDevice = ::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;

  struct Case {
    std::string name, target, kind;
  };
  std::vector<Case> cases = {{"pipe", "", "a named pipe"},
                             {"folder", "", "a folder"},
                             {"to-pipe.sho", "pipe", "a named pipe"},
                             {"to-folder.sho", "folder", "a folder"},
                             {"to-to-pipe.sho", "to-pipe.sho", "a named pipe"}};
  if (haveDevice) {
    cases.push_back({"null", "", "a device"});
    cases.push_back({"to-null.sho", "null", "a device"});
  }
  for (const Case& c : cases) {
    if (!c.target.empty()) fs::create_symlink(c.target, dir.File(c.name));
  }
  SlideShowDocument doc = BigShow();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.File(c.name);
    const fs::file_status before = fs::symlink_status(path);
    const Result<void> w = WriteShowFile(doc, path, false);
    EXPECT_FALSE(w.has_value());
    EXPECT_EQ(Why(w).rfind("Cannot create file \"" + path + "\". ", 0), 0u) << Why(w);
    EXPECT_NE(Why(w).find(c.kind + ", not a file; it has been left as it is."), std::string::npos)
        << Why(w);
    if (!c.target.empty()) {
      EXPECT_NE(Why(w).find("It links to \""), std::string::npos);
    }
    EXPECT_EQ(fs::symlink_status(path).type(), before.type());
  }
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
  if (haveDevice) {
    EXPECT_EQ(fs::status(device).type(), fs::file_type::character);
  }

  // A loop of links is refused like any path that cannot be followed.
  fs::create_symlink("loop-b.sho", dir.File("loop-a.sho"));
  fs::create_symlink("loop-a.sho", dir.File("loop-b.sho"));
  const Result<void> loop = WriteShowFile(doc, dir.File("loop-a.sho"), false);
  EXPECT_FALSE(loop.has_value());
  EXPECT_NE(Why(loop).find(std::strerror(ELOOP)), std::string::npos) << Why(loop);
  EXPECT_TRUE(fs::is_symlink(dir.File("loop-a.sho")));
}

// A show big enough that killing its save lands in the middle of writing it.
std::vector<uint8_t> LargeShowBytes() {
  SlideShowDocument doc;
  for (int i = 0; i < 2000; ++i) {
    SlideRecord s = VariedSlide(i % 7);
    s.Thumbnail = Bitmap(60, 60, 0xFF000000u + static_cast<uint32_t>(i));
    doc.InsertSlide(i, s);
  }
  return EncodeShowFile(doc, false);
}

// Saves over and over in a child process and kills it at a random moment, several times.
void KillSavesAtRandom(const std::string& path, const std::vector<uint8_t>& bytes,
                       TemporaryKind kind, int kills) {
  std::mt19937 random(12345);
  for (int k = 0; k < kills; ++k) {
    const pid_t child = ::fork();
    if (child == 0) {
      for (;;) {
        if (!WriteFileAtomically(path, bytes, kind)) ::_exit(1);
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5 + random() % 60));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the child's saves failed";
  }
}

TEST(AtomicSave, AKilledSaveLeavesNothingBehind) {
  TempDir dir;
  const std::string path = dir.File("show.sho");
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  WriteBytes(path, old);
  const std::vector<uint8_t> bytes = LargeShowBytes();
  ASSERT_GT(bytes.size(), 10u * 1024 * 1024);

  KillSavesAtRandom(path, bytes, TemporaryKind::Unnamed, 8);
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"show.sho"});
  const std::vector<uint8_t> now = ReadBytes(path);
  EXPECT_TRUE(now == old || now == bytes) << "a save is whole or not there at all";

  // Where only named temporaries can be made, a killed save leaves one; the next save
  // in the folder removes those of ours whose process has gone, and nothing else.
  KillSavesAtRandom(path, bytes, TemporaryKind::Named, 8);
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string ended = std::to_string(gone), running = std::to_string(::getppid());
  WriteBytes(dir.File(".other.sho.tmp-" + ended + "-99-0"), {1});  // stale, of another show
  const std::vector<std::string> kept = {".other.sho.tmp-" + running + "-99-0", ".notes.tmp-1-x-0",
                                         "x.sho.tmp-" + ended + "-1-2", ".a.tmp-" + ended + "-1"};
  for (const std::string& name : kept) WriteBytes(dir.File(name), {1});
  fs::create_directory(dir.File(".dir.tmp-" + ended + "-1-1"));
  ASSERT_TRUE(WriteFileAtomically(path, old));
  std::vector<std::string> expected = kept;
  expected.insert(expected.end(), {".dir.tmp-" + ended + "-1-1", "show.sho"});
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Entries(dir.path()), expected);
  EXPECT_EQ(ReadBytes(path), old);
}

TEST(AtomicSave, LongFileNameStillSaves) {
  TempDir dir;
  const std::string path = dir.File(std::string(250, 'n') + ".sho");
  SlideShowDocument doc = BigShow();
  const Result<void> w = WriteShowFile(doc, path, false);
  ASSERT_TRUE(w.has_value()) << Why(w);
  EXPECT_EQ(ReadBytes(path), EncodeShowFile(doc, false));
}

}  // namespace
}  // namespace lrw
