// showtool build SHOW TARGET.bld: builds a portable show as the designer's
// "Build a Portable Show" does: copies every picture and sound into the folder
// of TARGET (keeping files already there) and writes TARGET as a portable show.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Commands.h"
#include "LoadShow.h"
#include "document/Paths.h"
#include "document/PortableBuilder.h"
#include "document/ShowFile.h"

namespace lrw::showtool {

int RunBuild(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    std::fputs("usage: showtool build SHOW TARGET.bld\n", stderr);
    return 2;
  }
  const std::string& source = args[0];
  SlideShowDocument doc;
  if (!LoadShowOrReport("build", source, doc)) return 1;

  std::error_code ec;
  const std::string target = std::filesystem::absolute(args[1], ec).lexically_normal().string();
  const CopyMediaResult copied = CopyMediaFiles(doc.Slides(), FolderOf(target), doc.Music().tracks);
  for (const std::string& file : copied.copied) std::printf("copied %s\n", file.c_str());
  if (!copied.ok()) {
    std::fprintf(stderr, "showtool build: %s\n", copied.error.c_str());
    return 1;
  }
  const WriteResult written = WriteShowFile(doc, target, true);
  if (!written.ok) {
    std::fprintf(stderr, "showtool build: %s\n", written.errorText.c_str());
    return 1;
  }
  std::printf("File %s has been built.\n", target.c_str());
  return 0;
}

}  // namespace lrw::showtool
