#include "shell/ShortcutLink.h"

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

// Builds shortcut files byte by byte: header, optional ID list, optional LinkInfo with a
// local path, and the StringData strings. Strings are given as UTF-8 for Unicode links and
// as the stored Windows-1252 bytes for ANSI links.
struct LinkFields {
  bool unicode = true;
  bool idList = false;
  std::optional<std::string> localPath;  // LinkInfo's local base path (ANSI bytes)
  std::optional<std::string> name, relativePath, workingDir, arguments, iconLocation;
  int32_t iconIndex = 0;
  uint32_t showCommand = 1;
  uint16_t hotKey = 0;
};

void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

std::u16string Utf8ToUtf16(const std::string& s) {
  std::u16string out;
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<uint8_t>(s[i]);
    const int n = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
    char32_t cp = n == 0 ? c : c & (0x3F >> n);
    for (int k = 1; k <= n; ++k) cp = (cp << 6) | (static_cast<uint8_t>(s[i + k]) & 0x3F);
    i += n + 1;
    if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::vector<uint8_t> BuildLink(const LinkFields& fields) {
  uint32_t flags = 0;
  if (fields.idList) flags |= 1u << 0;
  if (fields.localPath) flags |= 1u << 1;
  if (fields.name) flags |= 1u << 2;
  if (fields.relativePath) flags |= 1u << 3;
  if (fields.workingDir) flags |= 1u << 4;
  if (fields.arguments) flags |= 1u << 5;
  if (fields.iconLocation) flags |= 1u << 6;
  if (fields.unicode) flags |= 1u << 7;

  std::vector<uint8_t> b;
  Put32(b, 0x4C);
  for (uint8_t c : {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00,
                    0x00, 0x00, 0x46}) {
    b.push_back(c);
  }
  Put32(b, flags);
  Put32(b, 0x20);            // file attributes
  b.insert(b.end(), 24, 0);  // three file times
  Put32(b, 0);               // file size
  Put32(b, static_cast<uint32_t>(fields.iconIndex));
  Put32(b, fields.showCommand);
  Put16(b, fields.hotKey);
  b.insert(b.end(), 10, 0);  // reserved
  if (fields.idList) {
    // One root item (type byte and a 16-byte class id), then the terminal zero.
    Put16(b, 20 + 2);
    Put16(b, 20);
    b.push_back(0x1F);
    b.insert(b.end(), 17, 0x11);
    Put16(b, 0);
  }
  if (fields.localPath) {
    const uint32_t header = 0x1C;
    const uint32_t volumeSize = 0x11;
    const uint32_t baseOffset = header + volumeSize;
    const uint32_t suffixOffset = baseOffset + static_cast<uint32_t>(fields.localPath->size()) + 1;
    Put32(b, suffixOffset + 1);
    Put32(b, header);
    Put32(b, 1);  // volume id and local base path
    Put32(b, header);
    Put32(b, baseOffset);
    Put32(b, 0);
    Put32(b, suffixOffset);
    Put32(b, volumeSize);  // VolumeID: size, drive type, serial, label offset, empty label
    Put32(b, 3);
    Put32(b, 0x1234);
    Put32(b, 0x10);
    b.push_back(0);
    b.insert(b.end(), fields.localPath->begin(), fields.localPath->end());
    b.push_back(0);
    b.push_back(0);  // empty common path suffix
  }
  for (const auto* s : {&fields.name, &fields.relativePath, &fields.workingDir, &fields.arguments,
                        &fields.iconLocation}) {
    if (!*s) continue;
    if (fields.unicode) {
      const std::u16string w = Utf8ToUtf16(**s);
      Put16(b, static_cast<uint32_t>(w.size()));
      for (char16_t c : w) Put16(b, c);
    } else {
      Put16(b, static_cast<uint32_t>((*s)->size()));
      b.insert(b.end(), (*s)->begin(), (*s)->end());
    }
  }
  Put32(b, 0);  // terminal extra data block
  return b;
}

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

  // Reads a link that must raise; returns the message.
  std::string ReadError(const std::vector<uint8_t>& bytes) {
    TShortcutLink link;
    link.ShortcutFile = WriteFile("bad.lnk", bytes);
    try {
      link.ReadLink();
    } catch (const EShortcutError& e) {
      return e.what();
    }
    return "no error";
  }

  fs::path dir_;
};

TEST_F(ShortcutLinkTest, NewLinkHasTheDesignerDefaults) {
  const TShortcutLink link;
  EXPECT_EQ(link.HotKey(), " ");
  EXPECT_EQ(link.ShowCmd(), TShowCmd::scShowMaximized);
  EXPECT_EQ(link.StoredShowCmd(), 3);
  EXPECT_EQ(link.IconNumber, 0);
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

  TShortcutLink link;
  link.ShortcutFile = WriteFile("photo.lnk", BuildLink(fields));
  link.ReadLink();
  EXPECT_EQ(link.Target, picture);
  EXPECT_EQ(link.Description, *fields.name);
  EXPECT_EQ(link.WorkingDir, *fields.workingDir);
  EXPECT_EQ(link.Arguments, "/s /r");
  EXPECT_EQ(link.IconLocation, *fields.iconLocation);
  EXPECT_EQ(link.IconNumber, 5);
  EXPECT_EQ(link.ShowCmd(), TShowCmd::scShowMinimized);
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
    TShortcutLink link;
    link.Target = "old target";
    link.Description = "old";
    link.ShortcutFile = WriteFile("links/case.lnk", BuildLink(fields));
    link.ReadLink();
    const std::string label = c.relative.value_or("-") + " | " + c.local.value_or("-");
    if (c.expected.empty()) {
      EXPECT_EQ(link.Target, "old target") << label;
      EXPECT_EQ(link.Description, "old") << label;
    } else {
      EXPECT_EQ(link.Target, c.expected) << label;
      EXPECT_EQ(link.Description, "new") << label;
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
  TShortcutLink link;
  link.Target = "/keep/me.jpg";
  link.ShortcutFile = WriteFile("gone.lnk", BuildLink(fields));
  link.ReadLink();
  EXPECT_EQ(link.Target, "/keep/me.jpg");
  EXPECT_EQ(link.Description, "");
  EXPECT_EQ(link.Arguments, "");
  EXPECT_EQ(link.HotKey(), " ");
  EXPECT_EQ(link.ShowCmd(), TShowCmd::scShowMaximized);
  EXPECT_EQ(link.IconNumber, 0);
}

TEST_F(ShortcutLinkTest, StoredHotKeyAndShowCommandAsRead) {
  Touch("p.jpg");
  struct Case {
    uint16_t hotKey;
    uint32_t show;
    std::string key;
    TShowCmd cmd;
  };
  const Case cases[] = {
      {0, 3, " ", TShowCmd::scShowMaximized},
      {0x0200, 7, " ", TShowCmd::scShowMinimized},  // modifiers without a key
      {'7', 1, "7", TShowCmd::scShowNormal},
      {0x0170, 9, "P", TShowCmd::scShowNormal},  // F1's key code is a lower-case p
      {0x05, 0, " ", TShowCmd::scShowNormal},
  };
  for (const Case& c : cases) {
    LinkFields fields;
    fields.relativePath = "p.jpg";
    fields.hotKey = c.hotKey;
    fields.showCommand = c.show;
    TShortcutLink link;
    link.ShortcutFile = WriteFile("k.lnk", BuildLink(fields));
    link.ReadLink();
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
    TShortcutLink link;
    link.SetHotKey("Q");
    link.SetHotKey(in);
    EXPECT_EQ(link.HotKey(), out) << in;
  }
}

TEST(ShortcutLinkProperties, ShowCmdSetterStoresTheSystemCodes) {
  const std::pair<TShowCmd, int> cases[] = {
      {TShowCmd::scShowMaximized, 3}, {TShowCmd::scShowMinimized, 7}, {TShowCmd::scShowNormal, 9}};
  for (const auto& [cmd, code] : cases) {
    TShortcutLink link;
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
  TShortcutLink link;
  link.ShortcutFile = WriteFile("ansi.lnk", BuildLink(fields));
  link.ReadLink();
  EXPECT_EQ(link.Description, "Caf\u00e9 \u20ac");
  EXPECT_EQ(link.Target, (dir_ / "\u00e9t\u00e9.jpg").string());
  EXPECT_EQ(link.Arguments, "x");
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
    TShortcutLink link;
    link.ShortcutFile = file;
    try {
      link.ReadLink();
      ADD_FAILURE() << file;
    } catch (const EShortcutError& e) {
      EXPECT_STREQ(e.what(), kShortcutOpenError) << file;
    }
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
