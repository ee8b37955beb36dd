// showtool resave IN OUT [--portable] [--format 4]: opens IN as the designer does and
// saves it as OUT; with --format 4 as a 4.0 file, saying what that file does not keep.
#include <cstdio>
#include <string>
#include <vector>

#include "Commands.h"
#include "document/ShowFile.h"
#include "document/ShowRecords.h"
#include "document/SlideShowDocument.h"

namespace lrw::showtool {

int RunResave(const std::vector<std::string>& args) {
  bool portable = false;
  bool badFormat = false;
  ShowFormat format = ShowFormat::Needed;
  std::vector<std::string> paths;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--portable") {
      portable = true;
    } else if (a == "--format" || a.rfind("--format=", 0) == 0) {
      const std::string v = a == "--format" ? (i + 1 < args.size() ? args[++i] : "") : a.substr(9);
      if (v == "4" || v == "4.0") {
        format = ShowFormat::Version4;
      } else if (v != "5" && v != "5.0") {
        badFormat = true;
      }
    } else {
      paths.push_back(a);
    }
  }
  if (paths.size() != 2 || badFormat) {
    std::fprintf(stderr, "usage: showtool resave IN OUT [--portable] [--format 4|5]\n");
    return 2;
  }
  SlideShowDocument doc;
  const Result<ShowFileContent> r = OpenShowFile(doc, paths[0]);
  if (!r) {
    std::fprintf(stderr, "%s\n", r.error().message.c_str());
    return 1;
  }
  // A damaged show is still saved: what was read before the damage is kept.
  if (r->damage) {
    std::fprintf(stderr, "%s\nSaving the %d slides read before the damage.\n",
                 r->damage->message.c_str(), doc.Count());
  }
  if (format == ShowFormat::Version4) {
    const std::vector<std::string> dropped = FeaturesBeyondVersion4(doc);
    if (!dropped.empty()) {
      std::string list;
      for (size_t i = 0; i < dropped.size(); ++i) list += (i ? ", " : "") + dropped[i];
      std::fprintf(stderr,
                   "%s is written as a Lanternreelworks 4.0 show, which does not keep %s.\n",
                   paths[1].c_str(), list.c_str());
    }
  }
  const Result<void> w = WriteShowFile(doc, paths[1], portable, format);
  if (!w) {
    std::fprintf(stderr, "%s\n", w.error().message.c_str());
    return 1;
  }
  return r->damage ? 1 : 0;
}

}  // namespace lrw::showtool
