#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace lrw {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The start-up switches and those of the automation support, in lower case.
bool IsSwitch(const std::string& arg) {
  static constexpr const char* kSwitches[] = {
      "/s",          "/r",         "/c",         "/regserver",   "/unregserver",
      "/automation", "/embedding", "-regserver", "-unregserver", "-automation"};
  for (const char* s : kSwitches) {
    if (arg == s) return true;
  }
  return false;
}

// Whether `path` names an existing file. Never throws: a name too long for the system
// or a loop of symbolic links names nothing.
bool NamesExistingFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> PercentDecoded(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    const char c = static_cast<char>(high * 16 + low);
    if (c == '\0') return std::nullopt;  // no file name holds one
    out += c;
    i += 2;
  }
  return out;
}

}  // namespace

std::optional<std::string> FileFromArgument(const std::string& arg) {
  static constexpr std::string_view kScheme = "file:";
  if (arg.size() < kScheme.size() || Lower(arg.substr(0, kScheme.size())) != kScheme) {
    return arg;
  }
  std::string rest = arg.substr(kScheme.size());
  // A query or fragment is no part of the file's name (file managers escape '?' and '#').
  rest = rest.substr(0, rest.find_first_of("?#"));
  if (rest.rfind("//", 0) != 0) return std::nullopt;
  const size_t pathStart = rest.find('/', 2);
  if (pathStart == std::string::npos) return std::nullopt;
  const std::string host = Lower(rest.substr(2, pathStart - 2));
  if (!host.empty() && host != "localhost") return std::nullopt;
  return PercentDecoded(rest.substr(pathStart));
}

StartupOptions ParseCommandLine(const std::vector<std::string>& args) {
  StartupOptions o;
  // Read from the last argument to the first, so that of several start-file
  // candidates the first on the line wins.
  for (auto it = args.rbegin(); it != args.rend(); ++it) {
    const std::string arg = Lower(*it);
    if (arg == "/s") {
      o.quietStart = true;
    } else if (arg == "/r") {
      o.runAndExit = true;
    } else if (arg == "/c") {
      o.runAndStay = true;
    } else if (arg == "-embedding") {
      o.quietStart = true;
      o.automationStart = true;
    }
    if (arg.empty() || IsSwitch(arg)) continue;
    // Absolute paths begin with "/" here as switches do: an argument that names no
    // existing file is taken for a switch this program does not know.
    if (arg.front() == '/' && !NamesExistingFile(*it)) continue;
    // Anything else is a start-file candidate, "-embedding" included (it names no
    // existing file, so nothing is opened for it).
    if (std::optional<std::string> file = FileFromArgument(*it)) o.startFile = std::move(*file);
  }
  return o;
}

}  // namespace lrw
