// What the command line asks of start-up.
#pragma once

#include <string>

namespace lrw {

struct StartupOptions {
  bool quietStart = false;       // "/s" or "-embedding": no splash
  bool automationStart = false;  // "-embedding": the designer stays hidden
  bool runAndExit = false;       // "/r": run the show once, then end
  bool runAndStay = false;       // "/c": run the show, then show the designer
  std::string startFile;         // the show file to open, exactly as given
};

}  // namespace lrw
