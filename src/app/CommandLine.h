// Reading the command line: at most one show file and the switches "/s", "/r",
// "/c" and "-embedding", in any order and any case.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/StartupOptions.h"

namespace lrw {

// `args` excludes the program's own name. Switches are compared without regard to
// case; the start file keeps its spelling, since file names are case-sensitive here.
// An argument that does not begin with "/" is a start-file candidate. One that begins
// with "/" and is no known switch is a candidate only when it names an existing file
// (an absolute path); otherwise it is an unknown switch and ignored. Of several
// candidates the first wins. A local file URI (what file managers and desktop portals
// pass) stands for the file it names.
StartupOptions ParseCommandLine(const std::vector<std::string>& args);

// The file a command-line argument names: a "file:" URI of this computer
// ("file:///path" or "file://localhost/path") percent-decoded, any other argument as it
// is. Nothing for a file URI of another host or one that cannot be decoded.
std::optional<std::string> FileFromArgument(const std::string& arg);

}  // namespace lrw
