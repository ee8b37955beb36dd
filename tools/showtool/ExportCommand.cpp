// showtool export SHOW OUT [--preset NAME] [--size WxH] [--fps RATE] [--codec CODEC]
// [--quality Q | --bitrate KBPS] [--enter-seconds S] [--force] [--progress | --quiet]: writes
// the show as a video file, played once from its first slide as it plays full screen, with its
// transitions, timing and sounds.
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "Commands.h"
#include "GuiSession.h"
#include "LoadShow.h"
#include "export/ExportOptions.h"
#include "export/VideoEncoder.h"
#include "export/VideoExport.h"
#include "player/SlideOrder.h"

namespace lrw::showtool {
namespace {

constexpr const char* kUsage =
    "usage: showtool export SHOW OUT [--preset NAME] [--size WxH] [--fps RATE]\n"
    "                              [--codec CODEC] [--quality Q | --bitrate KBPS]\n"
    "                              [--enter-seconds S] [--seed N] [--force]\n"
    "                              [--progress | --quiet]\n"
    "  Writes the show as a video: .mp4 or .mkv (H.264, H.265 or AV1, with AAC)\n"
    "  or .webm (VP9 or AV1, with Opus).\n"
    "  --preset NAME       size, rate, codec and quality together: web-1080p,\n"
    "                      phone-vertical, 4k, mail-720p; the options below change it\n"
    "  --size WxH          picture size, two even numbers (default 1920x1080)\n"
    "  --fps RATE          frames a second: 24 to 60, 23.976, 29.97 or 59.94 (default 30)\n"
    "  --codec CODEC       h264 (default in .mp4, .mkv), h265, av1, vp9 (default in .webm)\n"
    "  --quality Q         constant rate factor, lower is better: 0-51 for H.264 (default\n"
    "                      20) and H.265 (24), 0-63 for AV1 (35) and VP9 (32)\n"
    "  --bitrate KBPS      aim at this many kbit/s instead of a constant quality\n"
    "  --enter-seconds S   how long slides that wait for Enter stay (default 5)\n"
    "  --seed N            a shuffled show's order: the same N gives the same order\n"
    "                      (default: a new order each time)\n"
    "  --force             replace OUT when it exists\n"
    "  --progress          a progress line every second, also on a terminal\n"
    "  --quiet             no progress line and no summary\n";

// Ctrl+C cancels the export, so that the unfinished file is removed.
std::atomic<bool> g_interrupted{false};

constexpr double kProgressLineInterval = 1;

extern "C" void OnInterrupt(int) {
  g_interrupted.store(true);
}

// A number, or nothing for any other text.
std::optional<double> ParseNumber(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || !end || *end != '\0') return std::nullopt;
  return value;
}

// A whole number, or nothing for any other text.
std::optional<int> ParseInt(const std::string& text) {
  const std::optional<double> number = ParseNumber(text);
  if (!number || *number != static_cast<int>(*number)) return std::nullopt;
  return static_cast<int>(*number);
}

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int RunExport(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  ExportOptions given;  // what the options say, over the preset
  std::pair<int, int> size;
  bool sized = false;
  std::optional<FrameRate> rate;
  const ExportPreset* preset = nullptr;
  bool quiet = false;
  bool lines = false;  // a progress line every second, also on a terminal
  std::optional<uint64_t> seed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    bool ok = true;
    if (arg == "--size" && hasValue) {
      const auto parsed = ParseVideoSize(args[++i]);
      ok = parsed.has_value();
      if (ok) size = *parsed;
      sized = ok;
    } else if (arg == "--fps" && hasValue) {
      rate = ParseFrameRate(args[++i]);
      ok = rate.has_value();
    } else if (arg == "--preset" && hasValue) {
      preset = FindExportPreset(args[++i]);
      ok = preset != nullptr;
    } else if (arg == "--codec" && hasValue) {
      given.codec = ParseVideoCodec(args[++i]);
      ok = given.codec.has_value();
    } else if (arg == "--enter-seconds" && hasValue) {
      const std::optional<double> seconds = ParseNumber(args[++i]);
      ok = seconds.has_value();
      if (ok) given.enterSeconds = *seconds;
    } else if (arg == "--quality" && hasValue) {
      given.quality = ParseInt(args[++i]);
      ok = given.quality.has_value();
    } else if (arg == "--bitrate" && hasValue) {
      given.bitrateKbps = ParseInt(args[++i]);
      ok = given.bitrateKbps.has_value();
    } else if (arg == "--seed" && hasValue) {
      const std::string& text = args[++i];
      char* end = nullptr;
      errno = 0;
      const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
      ok = !text.empty() && text[0] != '-' && end && *end == '\0' && errno == 0;
      seed = value;
    } else if (arg == "--force") {
      given.replaceExisting = true;
    } else if (arg == "--quiet") {
      quiet = true;
    } else if (arg == "--progress") {
      lines = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      ok = false;
    } else {
      files.push_back(arg);
    }
    if (!ok || files.size() > 2) return Usage();
  }
  if (files.size() != 2 || (quiet && lines)) return Usage();

  ExportOptions options = given;
  if (preset) {
    ApplyExportPreset(*preset, options);
    // A quality means something else to another codec; a bit rate replaces it.
    if (given.codec || given.bitrateKbps) options.quality.reset();
    if (given.codec) options.codec = given.codec;
    if (given.quality) options.quality = given.quality;
    options.bitrateKbps = given.bitrateKbps;
  }
  if (sized) std::tie(options.width, options.height) = size;
  if (rate) options.fps = *rate;
  const std::string& out = files[1];
  if (const Result<void> usable = CheckExportOptions(out, options); !usable) {
    std::fprintf(stderr, "showtool export: %s\n", usable.error().message.c_str());
    return 2;
  }
  const VideoCodec codec = CodecFor(*ContainerFromFileName(out), options);
  if (!EncoderAvailable(codec)) {
    std::fprintf(stderr, "showtool export: This system's FFmpeg has no %s encoder.\n",
                 CodecName(codec));
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
  // On a terminal the line is rewritten in place; elsewhere (a script, a file manager reading
  // a pipe) a new line comes every second.
  const bool terminal = !quiet && !lines && ::isatty(STDERR_FILENO);
  lines = !quiet && !terminal;
  ExportCallbacks callbacks;
  double printed = -kProgressLineInterval;
  bool printedLast = false;
  if (terminal) {
    callbacks.progress = [](const ExportProgress& progress) {
      std::fprintf(stderr, "\r%s  ", ProgressLine(progress).c_str());
      std::fflush(stderr);
    };
  } else if (lines) {
    callbacks.progress = [&](const ExportProgress& progress) {
      const bool last = progress.frame == progress.frames;
      if (last ? printedLast : progress.elapsed - printed < kProgressLineInterval) return;
      printedLast = last;
      printed = progress.elapsed;
      std::fprintf(stderr, "%s\n", ProgressLine(progress).c_str());
      std::fflush(stderr);
    };
  }
  double elapsed = 0;
  const auto progress = callbacks.progress;
  callbacks.progress = [&](const ExportProgress& p) {
    elapsed = p.elapsed;
    if (progress) progress(p);
  };

  // A shuffled show is exported in the order one run would play it.
  std::vector<SlideRecord> slides;
  std::string orderText;  // the slides' numbers in the order exported
  if (doc.Shuffle()) {
    SlideOrder order(doc.Count(), true, seed ? *seed : FreshSeed());
    for (int index : order.FirstLoop()) {
      slides.push_back(doc.SlideAt(index));
      if (!orderText.empty()) orderText += ' ';
      orderText += std::to_string(index + 1);
    }
  } else {
    slides = doc.Slides();
  }
  const ExportResult result =
      ExportShowVideo(slides, out, options, g_interrupted, callbacks, doc.Music());
  if (terminal) std::fputs("\n", stderr);
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  if (!result) {
    std::fprintf(stderr, "showtool export: %s\n", result.error().message.c_str());
    return 1;
  }
  if (!quiet) {
    std::printf(
        "exported %s: %.2f s, %lld frames of %dx%d at %s fps, %s, in %.1f s (%.2fx real time)\n",
        out.c_str(), result->seconds, static_cast<long long>(result->frames), options.width,
        options.height, FrameRateText(options.fps).c_str(), CodecName(codec), elapsed,
        elapsed > 0 ? result->seconds / elapsed : 0.0);
    if (!orderText.empty()) std::printf("shuffled order: %s\n", orderText.c_str());
  }
  return 0;
}

}  // namespace lrw::showtool
