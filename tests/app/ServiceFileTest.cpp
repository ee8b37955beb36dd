#include "app/ServiceFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/Registration.h"

namespace lrw {
namespace {
namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ServiceFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("lrw-service-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  fs::path dir_;
};

TEST(ServiceFileFolder, FollowsXdgDataHomeElseHome) {
  const struct {
    const char* xdg;
    const char* home;
    const char* folder;
  } cases[] = {
      {"/data", "/home/u", "/data/dbus-1/services"},
      {nullptr, "/home/u", "/home/u/.local/share/dbus-1/services"},
      {"", "/home/u", "/home/u/.local/share/dbus-1/services"},
      // A relative XDG_DATA_HOME is not to be used.
      {"rel/data", "/home/u", "/home/u/.local/share/dbus-1/services"},
      {nullptr, nullptr, ""},
      {nullptr, "relative", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.xdg ? c.xdg : "(unset)") + " " + (c.home ? c.home : "(unset)"));
    EXPECT_EQ(ServiceFileFolder(c.xdg, c.home), fs::path(c.folder));
  }
  EXPECT_EQ(ServiceFilePath("/d/dbus-1/services"),
            fs::path("/d/dbus-1/services/Quorvel.SlideShowOLE.service"));
}

TEST(ServiceFileText, ExecStartsTheProgramForAutomation) {
  const struct {
    const char* arg;
    const char* quoted;
  } cases[] = {
      {"/usr/bin/lanternreelworks", "/usr/bin/lanternreelworks"},
      {"/opt/a-b_c/x+y.1,2:3@4=5", "/opt/a-b_c/x+y.1,2:3@4=5"},
      {"/home/u/My Apps/lrw", "'/home/u/My Apps/lrw'"},
      {"/home/u/it's/lrw", "'/home/u/it'\\''s/lrw'"},
      {"/a/$HOME/\"x\"\\y", "'/a/$HOME/\"x\"\\y'"},
      {"", "''"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QuoteExecArgument(c.arg), c.quoted) << c.arg;
  }
  EXPECT_EQ(ServiceFileText("/opt/My Apps/lanternreelworks"),
            "# Server for Lanternreelworks\n"
            "# Class {A65D3620-63EA-11D3-9C9B-0080C6F95039}\n"
            "[D-BUS Service]\n"
            "Name=Quorvel.SlideShowOLE\n"
            "Exec='/opt/My Apps/lanternreelworks' -embedding\n");
}

TEST_F(ServiceFileTest, WriteReplacesTheFileAndRemoveDeletesIt) {
  const fs::path file = ServiceFilePath(dir_ / "data" / "dbus-1" / "services");
  ASSERT_TRUE(WriteServiceFile(file, "/old/place/lrw"));
  ASSERT_TRUE(WriteServiceFile(file, "/new/place/lrw"));
  EXPECT_EQ(ReadAll(file), ServiceFileText("/new/place/lrw"));
  // Nothing but the service file is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);
  EXPECT_TRUE(RemoveServiceFile(file));
  EXPECT_FALSE(fs::exists(file));
  // Removing what is not there is no failure.
  EXPECT_TRUE(RemoveServiceFile(file));
}

TEST_F(ServiceFileTest, FailuresAreReported) {
  const fs::path file = ServiceFilePath(dir_ / "services");
  // A folder that cannot be created.
  std::ofstream(dir_ / "plain") << "x";
  for (const auto& [where, program] :
       {std::pair{file, ""}, std::pair{file, "relative/lrw"}, std::pair{file, "/a\nExec=/bin/evil"},
        std::pair{ServiceFilePath(dir_ / "plain" / "services"), "/a/lrw"}}) {
    const Result<void> written = WriteServiceFile(where, program);
    ASSERT_FALSE(written) << program;
    EXPECT_FALSE(written.error().message.empty()) << program;
  }
  EXPECT_FALSE(fs::exists(file));
}

TEST_F(ServiceFileTest, RegistrationOfTheRunningProgram) {
  const std::string program = CurrentProgramPath();
  ASSERT_TRUE(fs::path(program).is_absolute());
  EXPECT_TRUE(fs::equivalent(program, "/proc/self/exe"));

  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string saved = old ? old : "";
  ::setenv("XDG_DATA_HOME", dir_.c_str(), 1);
  const fs::path file = dir_ / "dbus-1" / "services" / "Quorvel.SlideShowOLE.service";
  EXPECT_EQ(UpdateRegistration(AutomationStartMode::RegServer), 0);
  EXPECT_EQ(ReadAll(file), ServiceFileText(program));
  EXPECT_EQ(UpdateRegistration(AutomationStartMode::UnregServer), 0);
  EXPECT_FALSE(fs::exists(file));
  // Other starts leave the registration as it is: absent stays absent, present unchanged.
  EXPECT_EQ(UpdateRegistration(AutomationStartMode::Standalone), 0);
  EXPECT_EQ(UpdateRegistration(AutomationStartMode::Automation), 0);
  EXPECT_FALSE(fs::exists(file));
  ASSERT_EQ(UpdateRegistration(AutomationStartMode::RegServer), 0);
  const fs::file_time_type written = fs::last_write_time(file);
  EXPECT_EQ(UpdateRegistration(AutomationStartMode::Standalone), 0);
  EXPECT_EQ(fs::last_write_time(file), written);
  fs::remove(file);
  if (old) {
    ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
  } else {
    ::unsetenv("XDG_DATA_HOME");
  }
}

}  // namespace
}  // namespace lrw
