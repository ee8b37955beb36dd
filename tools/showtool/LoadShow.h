// Reading the show a subcommand works on, with the error reported the same way by all.
#pragma once

#include <string>

#include "document/ShowFile.h"
#include "document/SlideShowDocument.h"

namespace lrw::showtool {

// Reads `path` into `doc` as the designer opens a file. On failure prints
// "showtool COMMAND: <reason>" to stderr and returns false.
bool LoadShowOrReport(const char* command, const std::string& path, SlideShowDocument& doc);
// Tells on stderr how many thumbnails too large to be thumbnails the read left out.
void ReportDroppedThumbnails(const char* command, const ShowFileContent& read);

}  // namespace lrw::showtool
