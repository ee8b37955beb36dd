// showtool resave IN OUT [--portable]: opens IN as the designer does and saves it as OUT.
#include <cstdio>
#include <string>
#include <vector>

#include "Commands.h"
#include "document/ShowFile.h"
#include "document/SlideShowDocument.h"

namespace lrw::showtool {

int RunResave(const std::vector<std::string>& args) {
  bool portable = false;
  std::vector<std::string> paths;
  for (const std::string& a : args) {
    if (a == "--portable") {
      portable = true;
    } else {
      paths.push_back(a);
    }
  }
  if (paths.size() != 2) {
    std::fprintf(stderr, "usage: showtool resave IN OUT [--portable]\n");
    return 2;
  }
  SlideShowDocument doc;
  const ShowFileReadResult r = OpenShowFile(doc, paths[0]);
  if (r.status == ReadStatus::NotAShowFile || r.status == ReadStatus::CannotOpen) {
    std::fprintf(stderr, "%s\n", r.errorText.c_str());
    return 1;
  }
  // A damaged show is still saved: what was read before the damage is kept.
  if (r.status == ReadStatus::ReadError) {
    std::fprintf(stderr, "%s\nSaving the %d slides read before the damage.\n", r.errorText.c_str(),
                 doc.Count());
  }
  const WriteResult w = WriteShowFile(doc, paths[1], portable);
  if (!w.ok) {
    std::fprintf(stderr, "%s\n", w.errorText.c_str());
    return 1;
  }
  return r.status == ReadStatus::Ok ? 0 : 1;
}

}  // namespace lrw::showtool
