#include "app/CommandLine.h"

#include <algorithm>
#include <cctype>

namespace lrw {
namespace {

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The start-up switches and those of the automation support, in lower case.
bool IsSwitch(const std::string& arg) {
  static constexpr const char* kSwitches[] = {"/s",           "/r",          "/c",
                                              "/regserver",   "/unregserver", "/automation",
                                              "/embedding",   "-regserver",  "-unregserver",
                                              "-automation"};
  for (const char* s : kSwitches) {
    if (arg == s) return true;
  }
  return false;
}

}  // namespace

StartupOptions ParseCommandLine(const std::vector<std::string>& args) {
  StartupOptions o;
  // Read from the last argument to the first, so that of several start-file
  // candidates the first on the line wins.
  for (auto it = args.rbegin(); it != args.rend(); ++it) {
    const std::string arg = Lower(*it);
    if (arg == "/s") {
      o.QuietStart = true;
    } else if (arg == "/r") {
      o.RunAndExit = true;
    } else if (arg == "/c") {
      o.RunAndStay = true;
    } else if (arg == "-embedding") {
      o.QuietStart = true;
      o.AutomationStart = true;
    }
    // Anything that is not a switch is a start-file candidate, "-embedding"
    // included (it names no existing file, so nothing is opened for it). Absolute
    // paths begin with "/" here, so only the known switches are taken as switches.
    if (!arg.empty() && !IsSwitch(arg)) o.StartFile = *it;
  }
  return o;
}

}  // namespace lrw
