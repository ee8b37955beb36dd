// showtool add SHOW PICTURE... [--screen WxH] [--threads N]: adds picture slides to a
// show file (created when missing) through the designer's own picture import, for
// scripts and for measuring the import.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <tuple>
#include <vector>

#include "Commands.h"
#include "GuiSession.h"
#include "ScreenSize.h"
#include "document/Paths.h"
#include "document/PortableBuilder.h"
#include "document/ShowFile.h"
#include "import/PictureImportPool.h"

namespace lrw::showtool {
namespace {

constexpr const char* kUsage =
    "usage: showtool add SHOW PICTURE... [--screen WxH] [--threads N]\n"
    "  Adds the pictures after the last slide, in the order given, centred on a\n"
    "  screen of WxH pixels (default 1024x768), reading them on N threads (one\n"
    "  per core unless given, at most 256). SHOW is created when missing;\n"
    "  a .bld name writes a portable show file and copies the pictures beside it,\n"
    "  as a save does. When no picture could be added, nothing is written and the\n"
    "  exit status is 1.\n";

constexpr int kMaxThreads = 256;

// When args[i] is "--threads": the count after it, moving i onto it; fails when it is missing
// or not 1 to 256. Nothing when args[i] is another argument.
Result<std::optional<int>> TakeThreadsOption(const std::vector<std::string>& args, size_t& i) {
  if (args[i] != "--threads") return std::nullopt;
  const Error bad(ErrorKind::Refused, "--threads needs a count from 1 to 256");
  if (i + 1 >= args.size()) return Fail(bad);
  const std::string& text = args[++i];
  if (text.empty() || text.size() > 3 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return Fail(bad);
  }
  const int threads = std::stoi(text);
  if (threads < 1 || threads > kMaxThreads) return Fail(bad);
  return threads;
}

bool EndsWithBld(const std::string& path) {
  const std::string ext = std::filesystem::path(path).extension().string();
  return ext.size() == 4 && (ext[1] | 0x20) == 'b' && (ext[2] | 0x20) == 'l' &&
         (ext[3] | 0x20) == 'd';
}

}  // namespace

int RunAdd(const std::vector<std::string>& args) {
  std::string show;
  std::vector<std::string> pictures;
  int screenWidth = 1024, screenHeight = 768;
  int threads = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    const Result<std::optional<std::pair<int, int>>> screen = TakeScreenOption(args, i);
    const Result<std::optional<int>> count =
        screen && !*screen ? TakeThreadsOption(args, i) : std::nullopt;
    if (!screen || !count) {
      std::fputs(kUsage, stderr);
      return 2;
    }
    if (*screen) {
      std::tie(screenWidth, screenHeight) = **screen;
      continue;
    }
    if (*count) {
      threads = **count;
      continue;
    }
    if (show.empty()) {
      show = args[i];
    } else {
      pictures.push_back(args[i]);
    }
  }
  if (show.empty() || pictures.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }

  GuiSession session;  // drawings (emf, gem) draw their text with the system's fonts
  SlideShowDocument document;
  std::error_code ec;
  if (std::filesystem::exists(show, ec)) {
    const Result<ShowFileContent> read = OpenShowFile(document, show);
    if (!read || read->damage) {
      // A damaged show is left alone rather than rewritten without its lost slides.
      const Error& error = read ? *read->damage : read.error();
      std::fprintf(stderr, "showtool add: %s\n", error.message.c_str());
      return 1;
    }
  }

  // Read on every core; the slides go after the last one in the order given.
  PictureImportSettings settings;
  settings.from = document.TemplateFor(document.Count() - 1);
  settings.screenWidth = screenWidth;
  settings.screenHeight = screenHeight;
  settings.threads = threads;
  std::vector<std::string> paths;
  for (const std::string& picture : pictures) {
    paths.push_back(std::filesystem::absolute(picture, ec).lexically_normal().string());
  }
  PictureImportPool reads(std::move(paths), std::move(settings));
  int added = 0;
  for (const std::string& picture : pictures) {
    PictureImport import = reads.TakeNext();
    if (import) {
      document.InsertSlide(document.Count(), std::move(*import));
      ++added;
    } else if (!import.error().message.empty()) {
      std::fprintf(stderr, "showtool add: %s\n", import.error().message.c_str());
    } else {
      std::fprintf(stderr, "showtool add: %s is not a picture the show can hold\n",
                   picture.c_str());
    }
  }

  if (added == 0) {
    std::fprintf(stderr, "showtool add: no picture was added; %s is left as it was\n",
                 show.c_str());
    return 1;
  }
  const bool portable = EndsWithBld(show);
  if (portable) {
    // A portable show names its files without folders: they must lie beside it.
    const std::string folder =
        FolderOf(std::filesystem::absolute(show, ec).lexically_normal().string());
    const Result<std::vector<std::string>> copied =
        CopyMediaFiles(document.Slides(), folder, document.Music().tracks);
    if (!copied) {
      std::fprintf(stderr, "showtool add: %s\n", copied.error().message.c_str());
      return 1;
    }
    for (const std::string& file : *copied) std::printf("copied %s\n", file.c_str());
  }
  const Result<void> written = WriteShowFile(document, show, portable);
  if (!written) {
    std::fprintf(stderr, "showtool add: %s\n", written.error().message.c_str());
    return 1;
  }
  std::printf("added %d of %zu pictures; %s has %d slides\n", added, pictures.size(), show.c_str(),
              document.Count());
  return added == static_cast<int>(pictures.size()) ? 0 : 1;
}

}  // namespace lrw::showtool
