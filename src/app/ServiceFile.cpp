#include "app/ServiceFile.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace lrw {
namespace fs = std::filesystem;

fs::path ServiceFileFolder(const char* xdgDataHome, const char* home) {
  fs::path data;
  if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute()) {
    data = xdgDataHome;
  } else if (home && *home && fs::path(home).is_absolute()) {
    data = fs::path(home) / ".local" / "share";
  } else {
    return {};
  }
  return data / "dbus-1" / "services";
}

fs::path ServiceFileFolder() {
  return ServiceFileFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

fs::path ServiceFilePath(const fs::path& folder) {
  return folder / (std::string(kAutomationServiceName) + ".service");
}

std::string QuoteExecArgument(const std::string& arg) {
  const bool plain = !arg.empty() && arg.find_first_not_of(
                                         "abcdefghijklmnopqrstuvwxyz"
                                         "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                         "0123456789_./+-,:@=") == std::string::npos;
  if (plain) return arg;
  // Inside single quotes nothing is special; a quote itself closes, is escaped and
  // reopens.
  std::string quoted = "'";
  for (char c : arg) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

std::string ServiceFileText(const std::string& programPath) {
  return std::string("# ") + kAutomationDescription + "\n# Class " + kAutomationClassId +
         "\n[D-BUS Service]\nName=" + kAutomationServiceName +
         "\nExec=" + QuoteExecArgument(programPath) + " -embedding\n";
}

std::string CurrentProgramPath() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.string();
}

Result<void> WriteServiceFile(const fs::path& file, const std::string& programPath) {
  if (programPath.empty() || !fs::path(programPath).is_absolute()) {
    return Fail("the program's own path is not known");
  }
  if (programPath.find_first_of("\r\n") != std::string::npos) {
    return Fail("the program's path holds a line break: " + programPath);
  }
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  if (ec) return Fail("cannot create " + file.parent_path().string() + ": " + ec.message());
  const fs::path temp =
      file.parent_path() / ("." + file.filename().string() + "." + std::to_string(::getpid()));
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << ServiceFileText(programPath);
    out.close();
    if (!out) {
      fs::remove(temp, ec);
      return Fail("cannot write " + file.string());
    }
  }
  fs::rename(temp, file, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return Fail("cannot write " + file.string() + ": " + ec.message());
  }
  return {};
}

Result<void> RemoveServiceFile(const fs::path& file) {
  std::error_code ec;
  fs::remove(file, ec);
  if (ec) return Fail("cannot remove " + file.string() + ": " + ec.message());
  return {};
}

}  // namespace lrw
