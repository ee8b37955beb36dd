// showtool export SHOW OUT [--size WxH] [--fps N] [--enter-seconds S] [--quality Q] [--force]
// [--quiet]: writes the show as a video file, played once from its first slide as it plays
// full screen, with its transitions, timing and sounds.
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "Commands.h"
#include "GuiSession.h"
#include "LoadShow.h"
#include "export/ExportOptions.h"
#include "export/VideoExport.h"

namespace lrw::showtool {
namespace {

constexpr const char* kUsage =
    "usage: showtool export SHOW OUT [--size WxH] [--fps N] [--enter-seconds S]\n"
    "                              [--quality Q] [--force] [--quiet]\n"
    "  Writes the show as a video: .mp4 or .mkv (H.264 and AAC) or .webm (VP9 and Opus).\n"
    "  --size WxH          picture size, two even numbers (default 1920x1080)\n"
    "  --fps N             frames a second, 24 to 60 (default 30)\n"
    "  --enter-seconds S   how long slides that wait for Enter stay (default 5)\n"
    "  --quality Q         constant rate factor, lower is better: 0-51 for H.264\n"
    "                      (default 20), 0-63 for VP9 (default 32)\n"
    "  --force             replace OUT when it exists\n"
    "  --quiet             no progress line and no summary\n";

// Ctrl+C cancels the export, so that the unfinished file is removed.
std::atomic<bool> g_interrupted{false};

extern "C" void OnInterrupt(int) {
  g_interrupted.store(true);
}

bool ParseNumber(const std::string& text, double& value) {
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return !text.empty() && end && *end == '\0';
}

bool ParseInt(const std::string& text, int& value) {
  double number = 0;
  if (!ParseNumber(text, number) || number != static_cast<int>(number)) return false;
  value = static_cast<int>(number);
  return true;
}

}  // namespace

int RunExport(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  ExportOptions options;
  bool quiet = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    bool ok = true;
    if (arg == "--size" && hasValue) {
      const auto size = ParseVideoSize(args[++i]);
      ok = size.has_value();
      if (ok) std::tie(options.width, options.height) = *size;
    } else if (arg == "--fps" && hasValue) {
      ok = ParseInt(args[++i], options.fps);
    } else if (arg == "--enter-seconds" && hasValue) {
      ok = ParseNumber(args[++i], options.enterSeconds);
    } else if (arg == "--quality" && hasValue) {
      int quality = 0;
      ok = ParseInt(args[++i], quality);
      options.quality = quality;
    } else if (arg == "--force") {
      options.replaceExisting = true;
    } else if (arg == "--quiet") {
      quiet = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      ok = false;
    } else {
      files.push_back(arg);
    }
    if (!ok || files.size() > 2) {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  if (files.size() != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string& out = files[1];
  if (std::string problem = CheckExportOptions(out, options); !problem.empty()) {
    std::fprintf(stderr, "showtool export: %s\n", problem.c_str());
    return 1;
  }

  SlideShowDocument doc;
  if (!LoadShowOrReport("export", files[0], doc)) return 1;
  GuiSession session;  // composing slides draws text and pictures

  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
  // A file size limit makes writes fail (and the export report it) instead of ending the
  // program with the unfinished file left behind.
  std::signal(SIGXFSZ, SIG_IGN);
  const bool terminal = !quiet && ::isatty(STDERR_FILENO);
  ExportCallbacks callbacks;
  if (terminal) {
    callbacks.progress = [](const ExportProgress& progress) {
      std::fprintf(stderr, "\r%s  ", ProgressLine(progress).c_str());
      std::fflush(stderr);
    };
  }
  double elapsed = 0;
  const auto progress = callbacks.progress;
  callbacks.progress = [&](const ExportProgress& p) {
    elapsed = p.elapsed;
    if (progress) progress(p);
  };

  const ExportResult result =
      ExportShowVideo(doc.Slides(), out, options, g_interrupted, callbacks, doc.Music());
  if (terminal) std::fputs("\n", stderr);
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  if (result.status != ExportStatus::Done) {
    std::fprintf(stderr, "showtool export: %s\n", result.message.c_str());
    return 1;
  }
  if (!quiet) {
    std::printf("exported %s: %.2f s, %lld frames of %dx%d at %d fps in %.1f s (%.2fx real time)\n",
                out.c_str(), result.seconds, static_cast<long long>(result.frames), options.width,
                options.height, options.fps, elapsed, elapsed > 0 ? result.seconds / elapsed : 0.0);
  }
  return 0;
}

}  // namespace lrw::showtool
