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
    // Anything not starting with "/" is a candidate, "-embedding" included: it
    // names no existing file, so nothing is opened for it.
    if (!arg.empty() && arg[0] != '/') o.StartFile = *it;
  }
  return o;
}

}  // namespace lrw
