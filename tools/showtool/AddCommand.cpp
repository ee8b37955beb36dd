// showtool add SHOW PICTURE... [--screen WxH]: adds picture slides to a show file
// (created when missing) through the designer's own picture import, for scripts
// and for measuring the import.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "Commands.h"
#include "ScreenSize.h"
#include "document/Paths.h"
#include "document/PortableBuilder.h"
#include "document/ShowFile.h"
#include "import/AddPictureSlide.h"
#include "import/LoadPicture.h"
#include "platform/Prompts.h"

namespace lrw::showtool {
namespace {

constexpr const char* kUsage =
    "usage: showtool add SHOW PICTURE... [--screen WxH]\n"
    "  Adds the pictures after the last slide, in the order given, centred on a\n"
    "  screen of WxH pixels (default 1024x768). SHOW is created when missing;\n"
    "  a .bld name writes a portable show file and copies the pictures beside it,\n"
    "  as a save does. When no picture could be added, nothing is written and the\n"
    "  exit status is 1.\n";

// Messages go to the terminal instead of message boxes.
class ConsolePrompts : public Prompts {
 public:
  void Beep(BeepKind) override {}
  PromptAnswer Ask(const std::string& text, const std::string&, PromptIcon, PromptButtons buttons,
                   PromptAnswer) override {
    std::fprintf(stderr, "showtool add: %s\n", text.c_str());
    ++messages;
    return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
  }
  int messages = 0;
};

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
  for (size_t i = 0; i < args.size(); ++i) {
    const ScreenOption screen = TakeScreenOption(args, i, screenWidth, screenHeight);
    if (screen == ScreenOption::Bad) {
      std::fputs(kUsage, stderr);
      return 2;
    }
    if (screen == ScreenOption::Taken) continue;
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

  SlideShowDocument document;
  std::error_code ec;
  if (std::filesystem::exists(show, ec)) {
    const ShowFileReadResult read = OpenShowFile(document, show);
    if (read.status != ReadStatus::Ok) {
      // A damaged show is left alone rather than rewritten without its lost slides.
      std::fprintf(stderr, "showtool add: %s\n", read.errorText.c_str());
      return 1;
    }
  }

  ConsolePrompts prompts;
  TLoadPictureModule loader;
  const int current = document.Count() - 1;
  PictureImportContext context{document, current, screenWidth, screenHeight, prompts, loader, {}};
  // As the designer does: each lands directly after the current slide, so the
  // last is added first and the pictures keep the order given.
  int added = 0;
  for (auto it = pictures.rbegin(); it != pictures.rend(); ++it) {
    const std::string path = std::filesystem::absolute(*it, ec).lexically_normal().string();
    if (AddPictureSlide(context, path) >= 0) {
      ++added;
    } else if (prompts.messages == 0) {
      std::fprintf(stderr, "showtool add: %s is not a picture the show can hold\n", it->c_str());
    }
    prompts.messages = 0;
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
    const CopyMediaResult copied =
        CopyMediaFiles(document.Slides(), folder, document.Music().tracks);
    for (const std::string& file : copied.copied) std::printf("copied %s\n", file.c_str());
    if (!copied.ok()) {
      std::fprintf(stderr, "showtool add: %s\n", copied.error.c_str());
      return 1;
    }
  }
  const WriteResult written = WriteShowFile(document, show, portable);
  if (!written.ok) {
    std::fprintf(stderr, "showtool add: %s\n", written.errorText.c_str());
    return 1;
  }
  std::printf("added %d of %zu pictures; %s has %d slides\n", added, pictures.size(), show.c_str(),
              document.Count());
  return added == static_cast<int>(pictures.size()) ? 0 : 1;
}

}  // namespace lrw::showtool
