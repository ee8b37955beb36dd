#include "shell/ShortcutLink.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "document/Cp1252.h"
#include "document/LittleEndian.h"
#include "document/Paths.h"

namespace lrw {

namespace {

namespace fs = std::filesystem;

constexpr size_t kHeaderSize = 0x4C;
constexpr std::array<uint8_t, 16> kLinkClsid = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// Link flags.
constexpr uint32_t kHasLinkTargetIdList = 1u << 0;
constexpr uint32_t kHasLinkInfo = 1u << 1;
constexpr uint32_t kHasName = 1u << 2;
constexpr uint32_t kHasRelativePath = 1u << 3;
constexpr uint32_t kHasWorkingDir = 1u << 4;
constexpr uint32_t kHasArguments = 1u << 5;
constexpr uint32_t kHasIconLocation = 1u << 6;
constexpr uint32_t kIsUnicode = 1u << 7;
constexpr uint32_t kForceNoLinkInfo = 1u << 8;

// LinkInfo flags and sizes.
constexpr uint32_t kVolumeIdAndLocalBasePath = 1u << 0;
constexpr uint32_t kCommonNetworkRelativeLinkAndPathSuffix = 1u << 1;
constexpr uint32_t kLinkInfoMinHeader = 0x1C;
constexpr uint32_t kLinkInfoUnicodeHeader = 0x24;
constexpr uint32_t kNetworkLinkMinSize = 0x14;

// A shortcut is a few kilobytes; extra data past the strings is not read, so a bound on
// what is loaded keeps a huge file from being read into memory.
constexpr std::streamsize kMaxShortcutBytes = 16 * 1024 * 1024;

uint16_t U16(std::span<const uint8_t> b, size_t at) {
  return ReadLe16(b.data() + at);
}

uint32_t U32(std::span<const uint8_t> b, size_t at) {
  return ReadLe32(b.data() + at);
}

// UTF-16LE code units to UTF-8, up to the first zero unit; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::span<const uint8_t> units) {
  std::string out;
  const size_t count = units.size() / 2;
  for (size_t i = 0; i < count; ++i) {
    const char32_t u = U16(units, 2 * i);
    if (u == 0) break;
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count) {
      const char32_t low = U16(units, 2 * (i + 1));
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        ++i;
        continue;
      }
    }
    AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? U'\uFFFD' : u);
  }
  return out;
}

// Windows-1252 bytes to UTF-8, up to the first zero byte.
std::string AnsiToUtf8(std::span<const uint8_t> bytes) {
  const auto end = std::find(bytes.begin(), bytes.end(), uint8_t{0});
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()),
                              static_cast<size_t>(end - bytes.begin()));
  return Cp1252ToUtf8(text);
}

// A zero-terminated single-byte string at an offset inside a block.
Result<std::string> AnsiStringAt(std::span<const uint8_t> block, size_t offset) {
  if (offset >= block.size()) return Fail(kShortcutTargetError);
  const auto rest = block.subspan(offset);
  if (std::find(rest.begin(), rest.end(), uint8_t{0}) == rest.end()) {
    return Fail(kShortcutTargetError);
  }
  return AnsiToUtf8(rest);
}

// A zero-terminated UTF-16 string at an offset inside a block.
Result<std::string> UnicodeStringAt(std::span<const uint8_t> block, size_t offset) {
  if (offset >= block.size()) return Fail(kShortcutTargetError);
  const auto rest = block.subspan(offset);
  for (size_t i = 0; i + 1 < rest.size(); i += 2) {
    if (U16(rest, i) == 0) return Utf16ToUtf8(rest.first(i));
  }
  return Fail(kShortcutTargetError);
}

// The string at one of two offsets: the Unicode one when it is set.
Result<std::string> StringAt(std::span<const uint8_t> block, uint32_t unicodeOffset,
                             uint32_t ansiOffset) {
  return unicodeOffset != 0 ? UnicodeStringAt(block, unicodeOffset)
                            : AnsiStringAt(block, ansiOffset);
}

// The network form of the target: the share name from CommonNetworkRelativeLink.
Result<std::string> NetworkName(std::span<const uint8_t> info, uint32_t offset) {
  if (offset > info.size() || info.size() - offset < kNetworkLinkMinSize) {
    return Fail(kShortcutTargetError);
  }
  const uint32_t size = U32(info, offset);
  if (size < kNetworkLinkMinSize || size > info.size() - offset) {
    return Fail(kShortcutTargetError);
  }
  const auto link = info.subspan(offset, size);
  const uint32_t netNameOffset = U32(link, 8);
  // An offset past the fixed part announces the Unicode offsets that follow it.
  const bool unicode = netNameOffset > kNetworkLinkMinSize && size >= kNetworkLinkMinSize + 4;
  return StringAt(link, unicode ? U32(link, kNetworkLinkMinSize) : 0, netNameOffset);
}

// The target path that LinkInfo holds: the local path when there is one, else the
// network form; empty when it holds neither.
Result<std::string> ParseLinkInfo(std::span<const uint8_t> info) {
  const uint32_t headerSize = U32(info, 4);
  if (headerSize < kLinkInfoMinHeader || headerSize > info.size()) {
    return Fail(kShortcutTargetError);
  }
  const uint32_t flags = U32(info, 8);
  const bool unicode = headerSize >= kLinkInfoUnicodeHeader;
  const Result<std::string> suffix = StringAt(info, unicode ? U32(info, 32) : 0, U32(info, 24));
  if (!suffix) return suffix;
  std::string network;
  if (flags & kCommonNetworkRelativeLinkAndPathSuffix) {
    Result<std::string> name = NetworkName(info, U32(info, 20));
    if (!name) return name;
    network = std::move(*name);
    if (!suffix->empty()) {
      if (!network.empty() && network.back() != '\\') network += '\\';
      network += *suffix;
    }
  }
  if (flags & kVolumeIdAndLocalBasePath) {
    // The volume id itself is not needed, but its offset must lie inside the block.
    if (U32(info, 12) >= info.size()) return Fail(kShortcutTargetError);
    Result<std::string> base = StringAt(info, unicode ? U32(info, 28) : 0, U32(info, 16));
    if (!base) return base;
    return *base + *suffix;
  }
  return network;
}

// Walks the items of the ID list so that a damaged list is reported, not skipped blindly.
Result<void> CheckIdList(std::span<const uint8_t> list) {
  size_t pos = 0;
  for (;;) {
    if (list.size() - pos < 2) return Fail(kShortcutTargetError);
    const uint16_t itemSize = U16(list, pos);
    if (itemSize == 0) return {};
    if (itemSize < 2 || itemSize > list.size() - pos) return Fail(kShortcutTargetError);
    pos += itemSize;
  }
}

// One counted string of StringData; moves pos past it.
Result<std::string> ReadCountedString(std::span<const uint8_t> bytes, size_t& pos, bool unicode,
                                      const char* message) {
  if (bytes.size() - pos < 2) return Fail(message);
  const size_t count = U16(bytes, pos);
  const size_t length = unicode ? 2 * count : count;
  if (bytes.size() - pos - 2 < length) return Fail(message);
  const auto text = bytes.subspan(pos + 2, length);
  pos += 2 + length;
  return unicode ? Utf16ToUtf8(text) : AnsiToUtf8(text);
}

std::string WindowsToLinuxSeparators(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

bool HasDriveLetter(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// The path to report for a candidate that exists: without "." and ".." when that names
// the same file (it may not, through a symbolic link to a folder).
std::string FoundPath(const fs::path& candidate) {
  const fs::path normal = candidate.lexically_normal();
  std::error_code ec;
  if (normal != candidate && fs::equivalent(candidate, normal, ec)) return normal.string();
  return candidate.string();
}

std::optional<std::string> ExistingPath(const fs::path& candidate) {
  std::error_code ec;
  if (candidate.empty() || !fs::exists(candidate, ec)) return std::nullopt;
  return FoundPath(candidate);
}

Result<std::vector<uint8_t>> ReadShortcutFile(const std::string& file) {
  if (!IsRegularFile(file)) return Fail(kShortcutOpenError);
  std::ifstream in(file, std::ios::binary);
  if (!in) return Fail(kShortcutOpenError);
  std::vector<uint8_t> bytes(static_cast<size_t>(kMaxShortcutBytes));
  in.read(reinterpret_cast<char*>(bytes.data()), kMaxShortcutBytes);
  if (in.bad()) return Fail(kShortcutOpenError);
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

// The first character of a UTF-8 text; a byte that does not start a valid sequence is
// taken as a Windows-1252 character.
char32_t FirstCharacter(std::string_view text) {
  const auto b0 = static_cast<uint8_t>(text[0]);
  if (b0 < 0x80) return b0;
  const int extra = (b0 & 0xE0) == 0xC0 ? 1 : (b0 & 0xF0) == 0xE0 ? 2 : (b0 & 0xF8) == 0xF0 ? 3 : 0;
  if (extra == 0 || text.size() <= static_cast<size_t>(extra)) return Cp1252ToCodePoint(text[0]);
  char32_t cp = b0 & (0x3F >> extra);
  for (int i = 1; i <= extra; ++i) {
    const auto b = static_cast<uint8_t>(text[i]);
    if ((b & 0xC0) != 0x80) return Cp1252ToCodePoint(text[0]);
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    return Cp1252ToCodePoint(text[0]);
  }
  return cp;
}

}  // namespace

Result<ShellLinkData> ParseShellLink(std::span<const uint8_t> bytes) {
  if (bytes.size() < kHeaderSize || U32(bytes, 0) != kHeaderSize ||
      !std::equal(kLinkClsid.begin(), kLinkClsid.end(), bytes.begin() + 4)) {
    return Fail(kShortcutOpenError);
  }
  ShellLinkData link;
  const uint32_t flags = U32(bytes, 20);
  link.iconIndex = static_cast<int32_t>(U32(bytes, 56));
  link.showCommand = U32(bytes, 60);
  link.hotKey = U16(bytes, 64);
  link.isUnicode = (flags & kIsUnicode) != 0;

  size_t pos = kHeaderSize;
  if (flags & kHasLinkTargetIdList) {
    if (bytes.size() - pos < 2) return Fail(kShortcutTargetError);
    const size_t listSize = U16(bytes, pos);
    pos += 2;
    if (bytes.size() - pos < listSize) return Fail(kShortcutTargetError);
    if (Result<void> list = CheckIdList(bytes.subspan(pos, listSize)); !list) {
      return Fail(std::move(list).error());
    }
    pos += listSize;
  }
  if (flags & kHasLinkInfo) {
    if (bytes.size() - pos < 4) return Fail(kShortcutTargetError);
    const uint32_t infoSize = U32(bytes, pos);
    if (infoSize < 4 || infoSize > bytes.size() - pos) return Fail(kShortcutTargetError);
    // A block the flags mark as ignored is only stepped over: whatever it holds must
    // not fail the shortcut.
    if (!(flags & kForceNoLinkInfo)) {
      if (infoSize < kLinkInfoMinHeader) return Fail(kShortcutTargetError);
      Result<std::string> path = ParseLinkInfo(bytes.subspan(pos, infoSize));
      if (!path) return Fail(std::move(path).error());
      link.linkInfoPath = std::move(*path);
    }
    pos += infoSize;
  }

  struct CountedString {
    uint32_t flag;
    std::string ShellLinkData::*field;
    const char* message;
  };
  // In the order the format stores them.
  static constexpr CountedString kStrings[] = {
      {kHasName, &ShellLinkData::description, kShortcutDescriptionError},
      {kHasRelativePath, &ShellLinkData::relativePath, kShortcutTargetError},
      {kHasWorkingDir, &ShellLinkData::workingDir, kShortcutWorkingDirError},
      {kHasArguments, &ShellLinkData::arguments, kShortcutArgumentsError},
      {kHasIconLocation, &ShellLinkData::iconLocation, kShortcutIconError},
  };
  for (const CountedString& s : kStrings) {
    if (!(flags & s.flag)) continue;
    Result<std::string> text = ReadCountedString(bytes, pos, link.isUnicode, s.message);
    if (!text) return Fail(std::move(text).error());
    link.*s.field = std::move(*text);
  }
  return link;
}

// Looks for the target on this machine: the relative path from the shortcut's own folder
// first, then the absolute path of LinkInfo when it is a path of this system. A Windows
// drive letter or network share cannot exist here, and the file name alone is not taken
// from any other folder: that would be a guess that might pick a different file.
std::optional<std::string> ResolveShellLinkTarget(const ShellLinkData& link,
                                                  const std::string& linkFolder) {
  if (!link.relativePath.empty()) {
    const std::string relative = WindowsToLinuxSeparators(link.relativePath);
    if (!HasDriveLetter(relative) && relative.rfind("//", 0) != 0) {
      if (auto found = ExistingPath(fs::path(linkFolder) / relative)) return found;
    }
  }
  if (!link.linkInfoPath.empty()) {
    const std::string absolute = WindowsToLinuxSeparators(link.linkInfoPath);
    if (absolute.size() > 1 && absolute[0] == '/' && absolute[1] != '/') {
      if (auto found = ExistingPath(fs::path(absolute))) return found;
    }
  }
  return std::nullopt;
}

std::string ShortcutLink::HotKey() const {
  std::string text;
  AppendUtf8(text, hotKey_ == 0 ? U' ' : hotKey_);
  return text;
}

void ShortcutLink::SetHotKey(std::string_view text) {
  SetHotKeyCode(text.empty() ? U' ' : FirstCharacter(text));
}

void ShortcutLink::SetHotKeyCode(char32_t code) {
  if (code >= U'a' && code <= U'z') code -= U'a' - U'A';
  hotKey_ = code < 32 ? U' ' : code;
}

ShowCommand ShortcutLink::ShowCmd() const {
  switch (showCmd_) {
    case kShowMaximizedCode:
      return ShowCommand::ShowMaximized;
    case kShowMinimizedCode:
      return ShowCommand::ShowMinimized;
    default:
      return ShowCommand::ShowNormal;
  }
}

void ShortcutLink::SetShowCmd(ShowCommand cmd) {
  switch (cmd) {
    case ShowCommand::ShowMaximized:
      showCmd_ = kShowMaximizedCode;
      break;
    case ShowCommand::ShowMinimized:
      showCmd_ = kShowMinimizedCode;
      break;
    case ShowCommand::ShowNormal:
      showCmd_ = kShowNormalCode;
      break;
  }
}

Result<void> ShortcutLink::ReadLink() {
  const Result<std::vector<uint8_t>> bytes = ReadShortcutFile(shortcutFile_);
  if (!bytes) return Fail(bytes.error());
  const Result<ShellLinkData> parsed = ParseShellLink(*bytes);
  if (!parsed) return Fail(parsed.error());
  const ShellLinkData& link = *parsed;
  std::error_code ec;
  fs::path folder = fs::path(shortcutFile_).parent_path();
  if (const fs::path absolute = fs::absolute(folder, ec); !ec) folder = absolute;
  std::optional<std::string> target = ResolveShellLinkTarget(link, folder.string());
  if (!target) return {};

  workingDir_ = link.workingDir;
  target_ = std::move(*target);
  iconLocation_ = link.iconLocation;
  // The icon number is a 16-bit property; the file stores 32 bits.
  iconNumber_ = static_cast<int16_t>(link.iconIndex);
  description_ = link.description;
  showCmd_ = static_cast<int>(link.showCommand);
  // Only the key itself is kept, not its modifiers.
  const uint8_t key = static_cast<uint8_t>(link.hotKey & 0xFF);
  SetHotKeyCode(key == 0 ? U' ' : Cp1252ToCodePoint(static_cast<char>(key)));
  arguments_ = link.arguments;
  return {};
}

}  // namespace lrw
