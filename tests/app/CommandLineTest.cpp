#include "app/CommandLine.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace lrw {
namespace {

namespace fs = std::filesystem;

struct Case {
  std::vector<std::string> args;
  bool quiet, automation, runAndExit, runAndStay;
  std::string startFile;
};

// A folder with one real show file, a symbolic-link loop and a name with a blank.
class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("lrw_cmdline_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    show = (dir / "Show.sho").string();
    spaced = (dir / "My Show#1.sho").string();
    std::ofstream(show) << "x";
    std::ofstream(spaced) << "x";
    fs::create_symlink(dir / "loop", dir / "loop");
  }
  void TearDown() override { fs::remove_all(dir); }

  fs::path dir;
  std::string show, spaced;
};

TEST_F(CommandLine, SwitchesStartFilesAndFileUris) {
  const Case cases[] = {
      {{}, false, false, false, false, ""},
      {{"show.sho"}, false, false, false, false, "show.sho"},
      {{"show.sho", "/c"}, false, false, false, true, "show.sho"},
      {{"show.sho", "/r"}, false, false, true, false, "show.sho"},
      {{"show.sho", "/r", "/s"}, true, false, true, false, "show.sho"},
      {{"/s"}, true, false, false, false, ""},
      {{"/r"}, false, false, true, false, ""},
      // Upper-case switches before the file act like lower-case ones after it;
      // the file name keeps its spelling.
      {{"/R", "/S", "My Show.SHO"}, true, false, true, false, "My Show.SHO"},
      // Of two files the first wins.
      {{"first.sho", "second.sho"}, false, false, false, false, "first.sho"},
      // "-embedding" is quiet, automated, and itself a start-file candidate.
      {{"-Embedding"}, true, true, false, false, "-Embedding"},
      {{"-embedding", "a.sho"}, true, true, false, false, "-embedding"},
      // Automation switches are not files.
      {{"/C", "/AUTOMATION", "b.bld"}, false, false, false, true, "b.bld"},
      // An argument beginning with "/" is a file only when it names an existing one: an
      // unknown switch does not take the place of the show.
      {{"/r", "/s", "/q", "show.sho"}, true, false, true, false, "show.sho"},
      {{"/x", "/r", "show.sho", "/y"}, false, false, true, false, "show.sho"},
      // Absolute paths of existing files are files.
      {{"/r", show}, false, false, true, false, show},
      {{show, "second.sho"}, false, false, false, false, show},
      // A missing absolute path, a name too long for the system and a path through a
      // link loop name nothing: ignored like unknown switches, without an error.
      {{"/r", (dir / "missing.sho").string(), "later.sho"}, false, false, true, false, "later.sho"},
      {{"/" + std::string(300, 'n') + ".sho", "/c"}, false, false, false, true, ""},
      {{(dir / "loop" / "x.sho").string(), "/s"}, true, false, false, false, ""},
      // A folder is no file either.
      {{dir.string(), "show.sho"}, false, false, false, false, "show.sho"},
      // Local file URIs name their file.
      {{"file://" + show, "/r"}, false, false, true, false, show},
      {{"/r", "file://" + (dir / "My%20Show%231.sho").string()}, false, false, true, false, spaced},
      {{"FILE://LocalHost" + show}, false, false, false, false, show},
      // A missing file is still the start file, as a plain name is.
      {{"file:///tmp/no%C3%A9.sho"}, false, false, false, false, "/tmp/no\xC3\xA9.sho"},
      // A fragment or query is no part of the name.
      {{"file://" + show + "#page"}, false, false, false, false, show},
      // Other computers' files and undecodable URIs are passed over.
      {{"file://server/share/a.sho", "b.sho"}, false, false, false, false, "b.sho"},
      {{"file:///a%2.sho", "file:///a%00b.sho", "c.sho"}, false, false, false, false, "c.sho"},
      {{"file:a.sho", "c.sho"}, false, false, false, false, "c.sho"},
      // Percent signs in a plain name are the name's own.
      {{"100%25.sho"}, false, false, false, false, "100%25.sho"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const StartupOptions o = ParseCommandLine(c.args);
    EXPECT_EQ(o.quietStart, c.quiet);
    EXPECT_EQ(o.automationStart, c.automation);
    EXPECT_EQ(o.runAndExit, c.runAndExit);
    EXPECT_EQ(o.runAndStay, c.runAndStay);
    EXPECT_EQ(o.startFile, c.startFile);
  }
}

}  // namespace
}  // namespace lrw
