// What a video export is asked to make: the file's format (from its extension), the video
// codec, the picture size and frame rate, how long slides that wait for Enter stay, and the
// quality or the bit rate. Presets set size, rate, codec and quality together.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Result.h"
#include "document/TextMark.h"

namespace lrw {

// .mp4 and .mkv hold H.264, H.265 or AV1 with AAC sound; .webm holds VP9 or AV1 with Opus.
enum class VideoContainer { Mp4, Mkv, WebM };
enum class VideoCodec { H264, H265, Av1, Vp9 };

// Frames a second as a fraction, so that 29.97 (30000/1001) is exact.
struct FrameRate {
  int num = 30;
  int den = 1;
  constexpr FrameRate() = default;
  constexpr FrameRate(int perSecond) : num(perSecond) {}  // NOLINT: a whole rate reads as a number
  constexpr FrameRate(int n, int d) : num(n), den(d) {}
  double PerSecond() const { return den > 0 ? static_cast<double>(num) / den : 0.0; }
  bool operator==(const FrameRate&) const = default;
};

struct ExportOptions {
  int width = 1920;
  int height = 1080;
  FrameRate fps;
  // Nothing: the container's first codec (H.264, or VP9 in WebM).
  std::optional<VideoCodec> codec;
  // How long a slide that waits for Enter stays in the video.
  double enterSeconds = 5;
  // The encoder's constant rate factor (lower: better and larger); nothing: the codec's default.
  std::optional<int> quality;
  // A target bit rate in kbit/s instead of constant quality.
  std::optional<int> bitrateKbps;
  // Whether an existing file at the target may be replaced.
  bool replaceExisting = false;
};

inline constexpr int kMinVideoSide = 16;
inline constexpr int kMaxVideoSide = 7680;
inline constexpr int kMinVideoFps = 24;
inline constexpr int kMaxVideoFps = 60;
inline constexpr double kMaxEnterSeconds = 3600;
// H.265, AV1 and VP9 encoders alone take more than 512 MB above this many pixels (600 MB
// to 900 MB at 3840 x 2160), so only H.264, whose frames held are chosen by size, goes
// beyond.
inline constexpr long kMaxLeanCodecPixels = 1920L * 1080;
inline constexpr int kMinBitrateKbps = 100;
inline constexpr int kMaxBitrateKbps = 200000;

// The container named by the file's extension (any case), or nothing for another one.
std::optional<VideoContainer> ContainerFromFileName(const std::string& path);

// The codecs a container holds, the first being its default.
std::vector<VideoCodec> ContainerCodecs(VideoContainer container);
VideoCodec CodecFor(VideoContainer container, const ExportOptions& options);
// "h264", "h265", "av1", "vp9", and back.
const char* CodecName(VideoCodec codec);
std::optional<VideoCodec> ParseVideoCodec(const std::string& text);

int DefaultQuality(VideoCodec codec);
int MaxQuality(VideoCodec codec);

// The text to show when the options cannot be used for `path`; nothing when they can.
std::optional<MarkedText> ExportOptionsProblem(const std::string& path,
                                               const ExportOptions& options);
// The same in English.
Result<void> CheckExportOptions(const std::string& path, const ExportOptions& options);

// "1920x1080" to width and height; nothing for anything else.
std::optional<std::pair<int, int>> ParseVideoSize(const std::string& text);

// "30", "29.97" (30000/1001), "23.976", "59.94" or "30000/1001"; nothing for anything else.
std::optional<FrameRate> ParseFrameRate(const std::string& text);
// The rates offered: the whole ones from 24 to 60 and the three of NTSC television.
bool IsOfferedFrameRate(const FrameRate& rate);
// "30" or "29.97".
std::string FrameRateText(const FrameRate& rate);

struct ExportPreset {
  const char* name;   // as given to showtool --preset
  const char* title;  // as the export dialog lists it
  int width;
  int height;
  FrameRate fps;
  VideoCodec codec;
  int quality;
};

const std::vector<ExportPreset>& ExportPresets();
const ExportPreset* FindExportPreset(const std::string& name);
// Sets size, rate, codec and quality from the preset.
void ApplyExportPreset(const ExportPreset& preset, ExportOptions& options);

}  // namespace lrw
