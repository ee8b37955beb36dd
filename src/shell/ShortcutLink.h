// The shortcut reader: reads a shell shortcut (.lnk) file and finds the file it points to
// on this machine.
//
// Of the binary shell link format this reads:
//   - the header: its size and class id (anything else is not a shortcut), the link flags,
//     icon index, show command and hot key;
//   - the target ID list: checked for consistency only. Its items describe the target
//     through a Windows drive, which cannot exist here, and LinkInfo carries the same path;
//   - LinkInfo: the local base path and common path suffix (their Unicode forms when
//     present) or, for a network target, the share name with the suffix. The volume id and
//     device name are ignored, and so is the whole block when the flags say so;
//   - the five strings of StringData (description, relative path, working folder,
//     arguments, icon location), Unicode or Windows-1252.
// Extra data blocks after the strings (environment paths, known folders, property stores,
// tracker data) are ignored.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace lrw {

enum class ShowCommand { ShowMaximized, ShowMinimized, ShowNormal };

// The messages of a shortcut that cannot be read, one per reading step.
inline constexpr const char* kShortcutOpenError = "Unable to open link file";
inline constexpr const char* kShortcutWorkingDirError = "Error in getting WorkingDir";
inline constexpr const char* kShortcutTargetError = "Error in getting Target";
inline constexpr const char* kShortcutIconError = "Error in getting icon data";
inline constexpr const char* kShortcutDescriptionError = "Error in get Description";
inline constexpr const char* kShortcutShowCmdError = "Error in getting ShowCmd";
inline constexpr const char* kShortcutHotKeyError = "Error in geting HotKey";
inline constexpr const char* kShortcutArgumentsError = "Error in getting Arguments";

// The stored show-window codes.
inline constexpr int kShowMaximizedCode = 3;
inline constexpr int kShowMinimizedCode = 7;
inline constexpr int kShowNormalCode = 9;

// What a shortcut file says, before it is resolved against this machine. Texts are UTF-8,
// cut at an embedded zero; paths keep the Windows separators they were stored with.
struct ShellLinkData {
  std::string description;
  std::string relativePath;
  std::string workingDir;
  std::string arguments;
  std::string iconLocation;
  std::string linkInfoPath;  // empty without LinkInfo (or when it is to be ignored)
  int32_t iconIndex = 0;
  uint32_t showCommand = 0;
  uint16_t hotKey = 0;  // low byte the key, high byte the modifiers
  bool isUnicode = false;
};

// Parses the bytes of a shortcut file. Fails with kShortcutOpenError when it is not a
// shortcut or its header is cut short, otherwise with the message of the first structure
// that is damaged (a length or offset past its end, a string without its end).
Result<ShellLinkData> ParseShellLink(std::span<const uint8_t> bytes);

// The file on this machine that a parsed shortcut points to, looked for from the folder
// that holds the shortcut; nothing when it cannot be found.
std::optional<std::string> ResolveShellLinkTarget(const ShellLinkData& link,
                                                  const std::string& linkFolder);

class ShortcutLink {
 public:
  // Paths and texts are UTF-8. The shortcut file is the one ReadLink reads; the rest is
  // what it read.
  const std::string& ShortcutFile() const { return shortcutFile_; }
  void SetShortcutFile(std::string path) { shortcutFile_ = std::move(path); }
  const std::string& Target() const { return target_; }
  void SetTarget(std::string target) { target_ = std::move(target); }
  const std::string& WorkingDir() const { return workingDir_; }
  const std::string& Description() const { return description_; }
  void SetDescription(std::string text) { description_ = std::move(text); }
  const std::string& Arguments() const { return arguments_; }
  const std::string& IconLocation() const { return iconLocation_; }
  int16_t IconNumber() const { return iconNumber_; }

  std::string HotKey() const;             // one character; " " when none
  void SetHotKey(std::string_view text);  // upper-cased first char, below 32 -> blank
  ShowCommand ShowCmd() const;            // 3 -> maximized, 7 -> minimized, else normal
  void SetShowCmd(ShowCommand cmd);       // stores 3 / 7 / 9
  int StoredShowCmd() const { return showCmd_; }

  // Reads ShortcutFile into the other properties. Fails when the file cannot be read, is
  // not a shortcut, or is damaged. Succeeds, changing nothing, when the target cannot be
  // found on this machine: the caller keeps the old Target.
  Result<void> ReadLink();

 private:
  void SetHotKeyCode(char32_t code);

  std::string shortcutFile_;
  std::string target_;
  std::string workingDir_;
  std::string description_;
  std::string arguments_;
  std::string iconLocation_;
  int16_t iconNumber_ = 0;
  char32_t hotKey_ = U' ';
  int showCmd_ = kShowMaximizedCode;
};

}  // namespace lrw
