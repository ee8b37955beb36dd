#include "LoadShow.h"

#include <cstdio>

#include "document/ShowFile.h"

namespace lrw::showtool {

bool LoadShowOrReport(const char* command, const std::string& path, SlideShowDocument& doc) {
  const ShowFileReadResult read = OpenShowFile(doc, path);
  if (read.status == ReadStatus::Ok) return true;
  std::fprintf(stderr, "showtool %s: %s\n", command,
               read.status == ReadStatus::NotAShowFile ? NotAShowFileText(path).c_str()
                                                       : read.errorText.c_str());
  return false;
}

}  // namespace lrw::showtool
