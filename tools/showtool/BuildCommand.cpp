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
  const Result<std::vector<std::string>> copied =
      CopyMediaFiles(doc.Slides(), FolderOf(target), doc.Music().tracks);
  if (!copied) {
    std::fprintf(stderr, "showtool build: %s\n", copied.error().message.c_str());
    return 1;
  }
  const Result<void> written = WriteShowFile(doc, target, true);
  if (!written) {
    const std::string removed = RemoveCopiedMedia(*copied);
    const std::string& why = written.error().message;
    std::fprintf(stderr, "showtool build: %s%s%s\n", why.c_str(),
                 removed.empty() ? "" : (why.ends_with('.') ? " " : ". "), removed.c_str());
    return 1;
  }
  for (const std::string& file : *copied) std::printf("copied %s\n", file.c_str());
  std::printf("File %s has been built.\n", target.c_str());
  return 0;
}

}  // namespace lrw::showtool
