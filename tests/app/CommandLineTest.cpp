#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace lrw {
namespace {

struct Case {
  std::vector<std::string> args;
  bool quiet, automation, runAndExit, runAndStay;
  std::string startFile;
};

TEST(CommandLine, SwitchesAndStartFile) {
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
      // Absolute paths are files, not switches; automation switches are not files.
      {{"/r", "/home/u/Show.sho"}, false, false, true, false, "/home/u/Show.sho"},
      {{"/C", "/AUTOMATION", "/tmp/b.bld"}, false, false, false, true, "/tmp/b.bld"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const StartupOptions o = ParseCommandLine(c.args);
    EXPECT_EQ(o.QuietStart, c.quiet);
    EXPECT_EQ(o.AutomationStart, c.automation);
    EXPECT_EQ(o.RunAndExit, c.runAndExit);
    EXPECT_EQ(o.RunAndStay, c.runAndStay);
    EXPECT_EQ(o.StartFile, c.startFile);
  }
}

}  // namespace
}  // namespace lrw
