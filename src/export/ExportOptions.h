// What a video export is asked to make: the file's format (from its extension), the picture
// size and frame rate, how long slides that wait for Enter stay, and the quality.
#pragma once

#include <optional>
#include <string>

namespace lrw {

// .mp4 and .mkv hold H.264 with AAC sound; .webm holds VP9 with Opus.
enum class VideoContainer { Mp4, Mkv, WebM };

struct ExportOptions {
  int width = 1920;
  int height = 1080;
  int fps = 30;
  // How long a slide that waits for Enter stays in the video.
  double enterSeconds = 5;
  // The encoder's constant rate factor (lower: better and larger); nothing: the codec's default.
  std::optional<int> quality;
  // Whether an existing file at the target may be replaced.
  bool replaceExisting = false;
};

inline constexpr int kMinVideoSide = 16;
inline constexpr int kMaxVideoSide = 7680;
inline constexpr int kMinVideoFps = 24;
inline constexpr int kMaxVideoFps = 60;
inline constexpr double kMaxEnterSeconds = 3600;

// The container named by the file's extension (any case), or nothing for another one.
std::optional<VideoContainer> ContainerFromFileName(const std::string& path);

int DefaultQuality(VideoContainer container);
int MaxQuality(VideoContainer container);

// The text to show when the options cannot be used for `path`; empty when they can.
std::string CheckExportOptions(const std::string& path, const ExportOptions& options);

// "1920x1080" to width and height; nothing for anything else.
std::optional<std::pair<int, int>> ParseVideoSize(const std::string& text);

}  // namespace lrw
