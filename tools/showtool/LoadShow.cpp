#include "LoadShow.h"

#include <cstdio>

#include "document/ShowFile.h"

namespace lrw::showtool {

void ReportDroppedThumbnails(const char* command, const ShowFileReadResult& read) {
  if (read.droppedThumbnails == 0) return;
  std::fprintf(stderr,
               "showtool %s: %d slide thumbnail(s) larger than %lld x %lld pixels were left "
               "out as damaged; the slides themselves are whole.\n",
               command, read.droppedThumbnails, static_cast<long long>(kMaxThumbnailSide),
               static_cast<long long>(kMaxThumbnailSide));
}

bool LoadShowOrReport(const char* command, const std::string& path, SlideShowDocument& doc) {
  const ShowFileReadResult read = OpenShowFile(doc, path);
  ReportDroppedThumbnails(command, read);
  if (read.status == ReadStatus::Ok) return true;
  std::fprintf(stderr, "showtool %s: %s\n", command,
               read.status == ReadStatus::NotAShowFile ? NotAShowFileText(path).c_str()
                                                       : read.errorText.c_str());
  return false;
}

}  // namespace lrw::showtool
