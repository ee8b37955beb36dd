// Peak memory of decoding pictures as the program does: each file is decoded in a child
// process of its own (so one file's peak does not hide the next one's), and the child's
// peak resident size and time are printed with what the loader said.
//
// usage: picture_memory thumbnail|full|WxH|show FILE...
//   thumbnail  as picture import decodes (ThumbnailMode)
//   full       as the arrangement stage decodes (FullSizeMode)
//   WxH        as the show runner decodes for a picture drawn W x H (LoadPictureForSize)
//   show       as every opening of a show file reads it, thumbnails included (ReadShowFile)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "document/ShowFile.h"
#include "import/LoadPicture.h"

namespace {

lrw::LoadPictureResult Decode(const lrw::LoadPictureModule& loader, const std::string& mode,
                              const std::string& path) {
  if (mode == "thumbnail") return loader.LoadPicture(path, lrw::LoaderMode::ThumbnailMode);
  if (mode == "full") return loader.LoadPicture(path, lrw::LoaderMode::FullSizeMode);
  int w = 0, h = 0;
  std::sscanf(mode.c_str(), "%dx%d", &w, &h);
  return loader.LoadPictureForSize(path, w, h);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: picture_memory thumbnail|full|WxH|show FILE...\n", stderr);
    return 2;
  }
  const std::string mode = argv[1];
  long worst = 0;
  for (int i = 2; i < argc; ++i) {
    int report[2];
    if (::pipe(report) != 0) return 1;
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(report[0]);
      if (mode == "show") {
        const lrw::Result<lrw::ShowFileContent> read = lrw::ReadShowFile(argv[i]);
        const lrw::ShowFileContent show = read ? *read : lrw::ShowFileContent{};
        const std::optional<lrw::Error> error = read ? show.damage : read.error();
        int thumbnails = 0;
        for (const lrw::SlideRecord& slide : show.slides) thumbnails += slide.Thumbnail ? 1 : 0;
        const std::string text = std::to_string(show.slides.size()) + " slides, " +
                                 std::to_string(thumbnails) + " thumbnails, " +
                                 std::to_string(show.droppedThumbnails) + " left out" +
                                 (error ? "; " + error->message : "");
        if (::write(report[1], text.data(), text.size()) < 0) return 1;
        ::_exit(0);
      }
      // Drawings (emf, gem) draw their text with the fonts of a QGuiApplication.
      int qtArgc = 1;
      char* qtArgv[] = {argv[0], nullptr};
      qputenv("QT_QPA_PLATFORM", "offscreen");
      QGuiApplication app(qtArgc, qtArgv);
      lrw::LoadPictureModule loader;
      const lrw::LoadPictureResult r = Decode(loader, mode, argv[i]);
      const std::string text =
          r ? "loaded " + std::to_string(r->bitmap.width) + "x" + std::to_string(r->bitmap.height) +
                  " of " + std::to_string(r->fullWidth) + "x" + std::to_string(r->fullHeight)
            : r.error().message;
      if (::write(report[1], text.data(), text.size()) < 0) return 1;
      ::_exit(0);
    }
    ::close(report[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(report[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status)) text = "ended by signal " + std::to_string(WTERMSIG(status));
    worst = std::max(worst, usage.ru_maxrss);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%8.1f MB %6.2f s  %s: %s\n", usage.ru_maxrss / 1024.0, seconds, argv[i],
                text.c_str());
  }
  std::printf("%8.1f MB  the largest\n", worst / 1024.0);
  return 0;
}
