// Reading the command line: at most one show file and the switches "/s", "/r",
// "/c" and "-embedding", in any order and any case.
#pragma once

#include <string>
#include <vector>

#include "app/StartupOptions.h"

namespace lrw {

// `args` excludes the program's own name. Switches are compared without regard to
// case; the start file keeps its spelling, since file names are case-sensitive here.
// Every argument that is not a switch is a start-file candidate, absolute paths
// included; of several the first wins.
StartupOptions ParseCommandLine(const std::vector<std::string>& args);

}  // namespace lrw
