#include "LoadShow.h"

#include <cstdio>

#include "document/ShowFile.h"

namespace lrw::showtool {

void ReportDroppedThumbnails(const char* command, const ShowFileContent& read) {
  if (read.droppedThumbnails == 0) return;
  std::fprintf(stderr,
               "showtool %s: %d slide thumbnail(s) larger than %lld x %lld pixels were left "
               "out as damaged; the slides themselves are whole.\n",
               command, read.droppedThumbnails, static_cast<long long>(kMaxThumbnailSide),
               static_cast<long long>(kMaxThumbnailSide));
}

bool LoadShowOrReport(const char* command, const std::string& path, SlideShowDocument& doc) {
  const Result<ShowFileContent> read = OpenShowFile(doc, path);
  if (read) ReportDroppedThumbnails(command, *read);
  if (read && !read->damage) return true;
  const Error& error = read ? *read->damage : read.error();
  std::fprintf(stderr, "showtool %s: %s\n", command, error.message.c_str());
  return false;
}

}  // namespace lrw::showtool
