#include "export/ExportOptions.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace lrw {

std::optional<VideoContainer> ContainerFromFileName(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == ".mp4") return VideoContainer::Mp4;
  if (ext == ".mkv") return VideoContainer::Mkv;
  if (ext == ".webm") return VideoContainer::WebM;
  return std::nullopt;
}

int DefaultQuality(VideoContainer container) {
  return container == VideoContainer::WebM ? 32 : 20;
}

int MaxQuality(VideoContainer container) {
  return container == VideoContainer::WebM ? 63 : 51;
}

std::string CheckExportOptions(const std::string& path, const ExportOptions& options) {
  const std::optional<VideoContainer> container = ContainerFromFileName(path);
  if (!container) {
    return "The video file name must end in .mp4, .mkv or .webm.";
  }
  const auto sideOk = [](int side) {
    return side >= kMinVideoSide && side <= kMaxVideoSide && side % 2 == 0;
  };
  if (!sideOk(options.width) || !sideOk(options.height)) {
    return "The video size must be two even numbers from " + std::to_string(kMinVideoSide) +
           " to " + std::to_string(kMaxVideoSide) + ", such as 1920x1080.";
  }
  if (options.fps < kMinVideoFps || options.fps > kMaxVideoFps) {
    return "The frame rate must be from " + std::to_string(kMinVideoFps) + " to " +
           std::to_string(kMaxVideoFps) + " frames a second.";
  }
  if (!(options.enterSeconds >= 0 && options.enterSeconds <= kMaxEnterSeconds)) {
    return "The time for slides that wait for Enter must be from 0 to " +
           std::to_string(static_cast<int>(kMaxEnterSeconds)) + " seconds.";
  }
  if (options.quality && (*options.quality < 0 || *options.quality > MaxQuality(*container))) {
    return "The quality must be from 0 (best) to " + std::to_string(MaxQuality(*container)) +
           " for this format.";
  }
  return {};
}

std::optional<std::pair<int, int>> ParseVideoSize(const std::string& text) {
  int w = 0, h = 0;
  char x = 0, extra = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &extra) != 3 || (x != 'x' && x != 'X')) {
    return std::nullopt;
  }
  return std::make_pair(w, h);
}

}  // namespace lrw
