#include "shell/ShortcutLink.h"

#include "shell/ShellLinkBuilder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace lrw {
namespace {

namespace fs = std::filesystem;

using test::BuildLink;
using test::LinkFields;

class ShortcutLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "lnk-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Touch(const fs::path& relative) {
    const fs::path p = dir_ / relative;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << "picture";
    return p.string();
  }

  std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const fs::path p = dir_ / name;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return p.string();
  }

  // Reads a link that must fail; returns the message.
  std::string ReadError(const std::vector<uint8_t>& bytes) {
    ShortcutLink link;
    link.SetShortcutFile(WriteFile("bad.lnk", bytes));
    const Result<void> read = link.ReadLink();
    return read ? "no error" : read.error().message;
  }

  fs::path dir_;
};

TEST_F(ShortcutLinkTest, NewLinkHasTheDesignerDefaults) {
  const ShortcutLink link;
  EXPECT_EQ(link.HotKey(), " ");
  EXPECT_EQ(link.ShowCmd(), ShowCommand::ShowMaximized);
  EXPECT_EQ(link.StoredShowCmd(), 3);
  EXPECT_EQ(link.IconNumber(), 0);
}

TEST_F(ShortcutLinkTest, RelativePathToExistingPictureFillsEveryProperty) {
  const std::string picture = Touch("pics/photo.jpg");
  LinkFields fields;
  fields.idList = true;
  fields.localPath = "C:\\Users\\ann\\pics\\photo.jpg";
  fields.name = "Holiday \u00e9t\u00e9 \U0001F600";
  fields.relativePath = ".\\pics\\photo.jpg";
  fields.workingDir = "C:\\Users\\ann\\pics";
  fields.arguments = "/s /r";
  fields.iconLocation = "C:\\Windows\\icons.dll";
  fields.iconIndex = 5;
  fields.showCommand = 7;
  fields.hotKey = 0x0646;  // Ctrl+Alt+F: the modifiers are dropped

  ShortcutLink link;
  link.SetShortcutFile(WriteFile("photo.lnk", BuildLink(fields)));
  ASSERT_TRUE(link.ReadLink());
  EXPECT_EQ(link.Target(), picture);
  EXPECT_EQ(link.Description(), *fields.name);
  EXPECT_EQ(link.WorkingDir(), *fields.workingDir);
  EXPECT_EQ(link.Arguments(), "/s /r");
  EXPECT_EQ(link.IconLocation(), *fields.iconLocation);
  EXPECT_EQ(link.IconNumber(), 5);
  EXPECT_EQ(link.ShowCmd(), ShowCommand::ShowMinimized);
  EXPECT_EQ(link.HotKey(), "F");
}

TEST_F(ShortcutLinkTest, ResolvedTargetsAndPathsThatDoNotExistHere) {
  Touch("pics/a.png");
  Touch("other/b.png");
  const std::string absolute = (dir_ / "pics/a.png").string();
  std::string absoluteWindows = absolute;
  for (char& c : absoluteWindows) {
    if (c == '/') c = '\\';
  }
  struct Case {
    std::optional<std::string> relative, local;
    std::string expected;  // empty: does not resolve
  };
  const Case cases[] = {
      {"..\\other\\b.png", std::nullopt, (dir_ / "other/b.png").string()},
      {"..\\pics\\a.png", "C:\\x\\a.png", absolute},
      {std::nullopt, absoluteWindows, absolute},  // a path of this system, stored by Windows rules
      {"..\\pics\\missing.png", absoluteWindows, absolute},
      {"..\\pics\\missing.png", std::nullopt, ""},
      {std::nullopt, "C:\\pics\\a.png", ""},  // a drive cannot exist here
      {"C:\\pics\\a.png", std::nullopt, ""},
      {"\\\\server\\share\\a.png", std::nullopt, ""},
      {std::nullopt, std::nullopt, ""},
  };
  for (const Case& c : cases) {
    LinkFields fields;
    fields.relativePath = c.relative;
    fields.localPath = c.local;
    fields.name = "new";
    ShortcutLink link;
    link.SetTarget("old target");
    link.SetDescription("old");
    link.SetShortcutFile(WriteFile("links/case.lnk", BuildLink(fields)));
    ASSERT_TRUE(link.ReadLink());
    const std::string label = c.relative.value_or("-") + " | " + c.local.value_or("-");
    if (c.expected.empty()) {
      EXPECT_EQ(link.Target(), "old target") << label;
      EXPECT_EQ(link.Description(), "old") << label;
    } else {
      EXPECT_EQ(link.Target(), c.expected) << label;
      EXPECT_EQ(link.Description(), "new") << label;
    }
  }
}

TEST_F(ShortcutLinkTest, UnresolvedLinkChangesNothing) {
  LinkFields fields;
  fields.relativePath = "gone.jpg";
  fields.name = "d";
  fields.arguments = "a";
  fields.showCommand = 7;
  fields.hotKey = 'Q';
  fields.iconIndex = 4;
  ShortcutLink link;
  link.SetTarget("/keep/me.jpg");
  link.SetShortcutFile(WriteFile("gone.lnk", BuildLink(fields)));
  ASSERT_TRUE(link.ReadLink());
  EXPECT_EQ(link.Target(), "/keep/me.jpg");
  EXPECT_EQ(link.Description(), "");
  EXPECT_EQ(link.Arguments(), "");
  EXPECT_EQ(link.HotKey(), " ");
  EXPECT_EQ(link.ShowCmd(), ShowCommand::ShowMaximized);
  EXPECT_EQ(link.IconNumber(), 0);
}

TEST_F(ShortcutLinkTest, StoredHotKeyAndShowCommandAsRead) {
  Touch("p.jpg");
  struct Case {
    uint16_t hotKey;
    uint32_t show;
    std::string key;
    ShowCommand cmd;
  };
  const Case cases[] = {
      {0, 3, " ", ShowCommand::ShowMaximized},
      {0x0200, 7, " ", ShowCommand::ShowMinimized},  // modifiers without a key
      {'7', 1, "7", ShowCommand::ShowNormal},
      {0x0170, 9, "P", ShowCommand::ShowNormal},  // F1's key code is a lower-case p
      {0x05, 0, " ", ShowCommand::ShowNormal},
  };
  for (const Case& c : cases) {
    LinkFields fields;
    fields.relativePath = "p.jpg";
    fields.hotKey = c.hotKey;
    fields.showCommand = c.show;
    ShortcutLink link;
    link.SetShortcutFile(WriteFile("k.lnk", BuildLink(fields)));
    ASSERT_TRUE(link.ReadLink());
    EXPECT_EQ(link.HotKey(), c.key) << c.hotKey;
    EXPECT_EQ(link.ShowCmd(), c.cmd) << c.show;
    EXPECT_EQ(link.StoredShowCmd(), static_cast<int>(c.show));
  }
}

TEST(ShortcutLinkProperties, HotKeySetter) {
  const std::pair<std::string, std::string> cases[] = {
      {"a", "A"},           {"", " "},          {"\x01", " "},
      {"\t", " "},          {"zebra", "Z"},     {"5", "5"},
      {"\u00e9", "\u00e9"}, {"\xE9", "\u00e9"},  // a stray byte is Windows-1252
  };
  for (const auto& [in, out] : cases) {
    ShortcutLink link;
    link.SetHotKey("Q");
    link.SetHotKey(in);
    EXPECT_EQ(link.HotKey(), out) << in;
  }
}

TEST(ShortcutLinkProperties, ShowCmdSetterStoresTheSystemCodes) {
  const std::pair<ShowCommand, int> cases[] = {{ShowCommand::ShowMaximized, 3},
                                               {ShowCommand::ShowMinimized, 7},
                                               {ShowCommand::ShowNormal, 9}};
  for (const auto& [cmd, code] : cases) {
    ShortcutLink link;
    link.SetShowCmd(cmd);
    EXPECT_EQ(link.StoredShowCmd(), code);
    EXPECT_EQ(link.ShowCmd(), cmd);
  }
}

TEST_F(ShortcutLinkTest, AnsiStringsAreWindows1252) {
  Touch("\u00e9t\u00e9.jpg");
  LinkFields fields;
  fields.unicode = false;
  fields.name = "Caf\xE9 \x80";
  fields.relativePath = "\xE9t\xE9.jpg";
  fields.arguments = std::string("x\0y", 3);  // text ends at an embedded zero
  ShortcutLink link;
  link.SetShortcutFile(WriteFile("ansi.lnk", BuildLink(fields)));
  ASSERT_TRUE(link.ReadLink());
  EXPECT_EQ(link.Description(), "Caf\u00e9 \u20ac");
  EXPECT_EQ(link.Target(), (dir_ / "\u00e9t\u00e9.jpg").string());
  EXPECT_EQ(link.Arguments(), "x");
}

TEST_F(ShortcutLinkTest, FilesThatAreNoShortcutCannotBeOpened) {
  Touch("p.jpg");
  LinkFields fields;
  fields.relativePath = "p.jpg";
  const std::vector<uint8_t> good = BuildLink(fields);
  std::vector<uint8_t> badClsid = good;
  badClsid[10] ^= 1;
  std::vector<uint8_t> badSize = good;
  badSize[0] = 0x4D;
  const std::vector<uint8_t> cutHeader(good.begin(), good.begin() + 60);
  const std::string text =
      "just some text that is long enough to hold a header........."
      "...................";
  for (const auto& bytes :
       {badClsid, badSize, cutHeader, std::vector<uint8_t>(text.begin(), text.end()),
        std::vector<uint8_t>()}) {
    EXPECT_EQ(ReadError(bytes), kShortcutOpenError);
  }
  for (const std::string& file : {(dir_ / "missing.lnk").string(), dir_.string(), std::string()}) {
    ShortcutLink link;
    link.SetShortcutFile(file);
    const Result<void> read = link.ReadLink();
    ASSERT_FALSE(read) << file;
    EXPECT_EQ(read.error().message, kShortcutOpenError) << file;
  }
}

TEST_F(ShortcutLinkTest, DamagedStructuresRaiseTheirStepsMessage) {
  // Each link ends with the one structure named, cut by its last byte (the extra data
  // terminator is dropped as well), so that structure runs past the end of the file.
  struct Case {
    LinkFields fields;
    const char* message;
  };
  auto with = [](auto setter) {
    LinkFields s;
    setter(s);
    return s;
  };
  const Case cases[] = {
      {with([](LinkFields& s) { s.idList = true; }), kShortcutTargetError},
      {with([](LinkFields& s) { s.localPath = "C:\\a.jpg"; }), kShortcutTargetError},
      {with([](LinkFields& s) { s.name = "description"; }), kShortcutDescriptionError},
      {with([](LinkFields& s) { s.relativePath = "a.jpg"; }), kShortcutTargetError},
      {with([](LinkFields& s) { s.workingDir = "C:\\"; }), kShortcutWorkingDirError},
      {with([](LinkFields& s) { s.arguments = "/s"; }), kShortcutArgumentsError},
      {with([](LinkFields& s) { s.iconLocation = "x.ico"; }), kShortcutIconError},
      {with([](LinkFields& s) {
         s.unicode = false;
         s.iconLocation = "x.ico";
       }),
       kShortcutIconError},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> bytes = BuildLink(c.fields);
    bytes.resize(bytes.size() - 5);
    EXPECT_EQ(ReadError(bytes), c.message);
  }
}

TEST_F(ShortcutLinkTest, DamagedLinkInfoOffsetsRaiseTheTargetMessage) {
  Touch("a.jpg");
  LinkFields fields;
  fields.localPath = "C:\\a.jpg";
  fields.relativePath = "a.jpg";
  const std::vector<uint8_t> good = BuildLink(fields);
  ASSERT_EQ(ReadError(good), "no error");
  constexpr size_t kInfo = 0x4C;
  struct Patch {
    size_t at;
    uint8_t value;
  };
  const Patch patches[] = {
      {kInfo + 0, 0x10},   // LinkInfo smaller than its own header
      {kInfo + 4, 0xF0},   // header size past the block
      {kInfo + 16, 0xF0},  // local base path offset past the block
      {kInfo + 24, 0xF0},  // common path suffix offset past the block
      {kInfo + 12, 0xF0},  // volume id offset past the block
  };
  for (const Patch& p : patches) {
    std::vector<uint8_t> bytes = good;
    bytes[p.at] = p.value;
    EXPECT_EQ(ReadError(bytes), kShortcutTargetError) << p.at;
  }
  // The suffix is the last byte of LinkInfo: without its terminating zero it runs out.
  std::vector<uint8_t> unterminated = good;
  const size_t infoSize = good[kInfo];
  unterminated[kInfo + infoSize - 1] = 'x';
  EXPECT_EQ(ReadError(unterminated), kShortcutTargetError);
}

}  // namespace
}  // namespace lrw
