#include "app/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace lrw {
namespace {

std::string TempFolder() {
  auto dir = std::filesystem::temp_directory_path() / ("lrw-lock-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  return dir.string();
}

TEST(SingleInstance, SecondHolderIsRefusedUntilTheFirstEnds) {
  const std::string dir = TempFolder();
  {
    SingleInstance first("Lanternreelworks!", dir);
    ASSERT_TRUE(first.Acquired());
    // A second copy of the program is another process: fork one and ask there.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      SingleInstance second("Lanternreelworks!", dir);
      _exit(second.Acquired() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the second instance was not refused";
  }
  // Once the first copy is gone the lock is free again.
  SingleInstance again("Lanternreelworks!", dir);
  EXPECT_TRUE(again.Acquired());
  std::filesystem::remove_all(dir);
}

TEST(SingleInstance, DifferentNamesDoNotConflict) {
  const std::string dir = TempFolder();
  SingleInstance a("one", dir);
  SingleInstance b("two", dir);
  EXPECT_TRUE(a.Acquired());
  EXPECT_TRUE(b.Acquired());
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lrw
