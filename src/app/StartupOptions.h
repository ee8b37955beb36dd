// What the command line asks of start-up.
#pragma once

#include <string>

namespace lrw {

struct StartupOptions {
  bool QuietStart = false;       // "/s" or "-embedding": no splash
  bool AutomationStart = false;  // "-embedding": the designer stays hidden
  bool RunAndExit = false;       // "/r": run the show once, then end
  bool RunAndStay = false;       // "/c": run the show, then show the designer
  std::string StartFile;         // the show file to open, exactly as given
};

}  // namespace lrw
