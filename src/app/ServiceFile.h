// The automation server's registration: a D-Bus session service file that lets the
// bus start the program, with "-embedding", when a client calls the server's name.
// Written by "REGSERVER" (for a program run from where it was built), removed by
// "UNREGSERVER"; an installed program's package puts its own in the system's folder.
#pragma once

#include <filesystem>
#include <string>

#include "base/Result.h"

namespace lrw {

inline constexpr const char* kAutomationServiceName = "Quorvel.SlideShowOLE";
inline constexpr const char* kAutomationClassId = "{A65D3620-63EA-11D3-9C9B-0080C6F95039}";
inline constexpr const char* kAutomationDescription = "Server for Lanternreelworks";

// The session bus's per-user service folder: $XDG_DATA_HOME/dbus-1/services, where
// an unset, empty or relative XDG_DATA_HOME means $HOME/.local/share. Either argument
// may be null (unset). Empty when neither gives an absolute folder.
std::filesystem::path ServiceFileFolder(const char* xdgDataHome, const char* home);
// The same for this process's environment.
std::filesystem::path ServiceFileFolder();
// The file inside the folder, named after the service.
std::filesystem::path ServiceFilePath(const std::filesystem::path& folder);

// One argument of the file's Exec line, quoted for the bus's shell-like splitting
// when it holds anything but plain path characters.
std::string QuoteExecArgument(const std::string& arg);

// The file's text for a program at `programPath` (absolute).
std::string ServiceFileText(const std::string& programPath);

// The running program's full path; empty when the system does not tell.
std::string CurrentProgramPath();

// Writes the file (replacing it whole, so the bus never reads half of it) or removes
// it (a missing file counts as removed). A failure's message is a one-line reason.
Result<void> WriteServiceFile(const std::filesystem::path& file, const std::string& programPath);
Result<void> RemoveServiceFile(const std::filesystem::path& file);

}  // namespace lrw
