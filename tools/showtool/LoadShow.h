// Reading the show a subcommand works on, with the error reported the same way by all.
#pragma once

#include <string>

#include "document/SlideShowDocument.h"

namespace lrw::showtool {

// Reads `path` into `doc` as the designer opens a file. On failure prints
// "showtool COMMAND: <reason>" to stderr and returns false.
bool LoadShowOrReport(const char* command, const std::string& path, SlideShowDocument& doc);

}  // namespace lrw::showtool
