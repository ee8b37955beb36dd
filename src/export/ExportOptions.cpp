#include "export/ExportOptions.h"

#include "document/TextMark.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace lrw {

namespace {

// The rates of NTSC television: a whole rate slowed by 1000/1001.
constexpr int kNtscRates[] = {24, 30, 60};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::optional<VideoContainer> ContainerFromFileName(const std::string& path) {
  const std::string ext = Lower(std::filesystem::path(path).extension().string());
  if (ext == ".mp4") return VideoContainer::Mp4;
  if (ext == ".mkv") return VideoContainer::Mkv;
  if (ext == ".webm") return VideoContainer::WebM;
  return std::nullopt;
}

std::vector<VideoCodec> ContainerCodecs(VideoContainer container) {
  if (container == VideoContainer::WebM) return {VideoCodec::Vp9, VideoCodec::Av1};
  return {VideoCodec::H264, VideoCodec::H265, VideoCodec::Av1};
}

VideoCodec CodecFor(VideoContainer container, const ExportOptions& options) {
  return options.codec.value_or(ContainerCodecs(container).front());
}

const char* CodecName(VideoCodec codec) {
  switch (codec) {
    case VideoCodec::H264:
      return "h264";
    case VideoCodec::H265:
      return "h265";
    case VideoCodec::Av1:
      return "av1";
    case VideoCodec::Vp9:
      return "vp9";
  }
  return "h264";
}

std::optional<VideoCodec> ParseVideoCodec(const std::string& text) {
  const std::string name = Lower(text);
  for (VideoCodec codec : {VideoCodec::H264, VideoCodec::H265, VideoCodec::Av1, VideoCodec::Vp9}) {
    if (name == CodecName(codec)) return codec;
  }
  if (name == "hevc") return VideoCodec::H265;
  return std::nullopt;
}

int DefaultQuality(VideoCodec codec) {
  switch (codec) {
    case VideoCodec::H264:
      return 20;
    case VideoCodec::H265:
      return 24;
    case VideoCodec::Av1:
      return 35;
    case VideoCodec::Vp9:
      return 32;
  }
  return 20;
}

int MaxQuality(VideoCodec codec) {
  return codec == VideoCodec::H264 || codec == VideoCodec::H265 ? 51 : 63;
}

std::optional<MarkedText> ExportOptionsProblem(const std::string& path,
                                               const ExportOptions& options) {
  const std::optional<VideoContainer> container = ContainerFromFileName(path);
  if (!container) {
    return TermText(
        "lrw::Messages",
        LRW_TR_NOOP("lrw::Messages", "The video file name must end in .mp4, .mkv or .webm."));
  }
  const auto sideOk = [](int side) {
    return side >= kMinVideoSide && side <= kMaxVideoSide && side % 2 == 0;
  };
  if (!sideOk(options.width) || !sideOk(options.height)) {
    return PlainText("The video size must be two even numbers from " +
                     std::to_string(kMinVideoSide) + " to " + std::to_string(kMaxVideoSide) +
                     ", such as 1920x1080.");
  }
  if (!IsOfferedFrameRate(options.fps)) {
    return PlainText("The frame rate must be from " + std::to_string(kMinVideoFps) + " to " +
                     std::to_string(kMaxVideoFps) + " frames a second, or 23.976, 29.97 or 59.94.");
  }
  if (!(options.enterSeconds >= 0 && options.enterSeconds <= kMaxEnterSeconds)) {
    return PlainText("The time for slides that wait for Enter must be from 0 to " +
                     std::to_string(static_cast<int>(kMaxEnterSeconds)) + " seconds.");
  }
  const std::vector<VideoCodec> codecs = ContainerCodecs(*container);
  const VideoCodec codec = CodecFor(*container, options);
  if (std::find(codecs.begin(), codecs.end(), codec) == codecs.end()) {
    std::vector<MarkedText> args{PlainText(std::filesystem::path(path).extension().string())};
    for (VideoCodec c : codecs) args.push_back(PlainText(CodecName(c)));
    args.push_back(PlainText(CodecName(codec)));
    const char* wording =
        codecs.size() == 1 ? LRW_TR_NOOP("lrw::Messages", "A %1 file holds %2 video, not %3.")
        : codecs.size() == 2
            ? LRW_TR_NOOP("lrw::Messages", "A %1 file holds %2 or %3 video, not %4.")
            : LRW_TR_NOOP("lrw::Messages", "A %1 file holds %2 or %3 or %4 video, not %5.");
    return ComposedText(wording, std::move(args));
  }
  if (codec != VideoCodec::H264 && long{options.width} * options.height > kMaxLeanCodecPixels) {
    return ComposedText(LRW_TR_NOOP("lrw::Messages",
                                    "Above 1920 x 1080 only H.264 keeps the export within 512 MB "
                                    "of memory; choose H.264 (.mp4 or .mkv) or a smaller size "
                                    "for %1."),
                        {PlainText(CodecName(codec))});
  }
  if (options.quality && (*options.quality < 0 || *options.quality > MaxQuality(codec))) {
    return PlainText("The quality must be from 0 (best) to " + std::to_string(MaxQuality(codec)) +
                     " for this format.");
  }
  if (options.bitrateKbps &&
      (*options.bitrateKbps < kMinBitrateKbps || *options.bitrateKbps > kMaxBitrateKbps)) {
    return PlainText("The bit rate must be from " + std::to_string(kMinBitrateKbps) + " to " +
                     std::to_string(kMaxBitrateKbps) + " kbit/s.");
  }
  if (options.quality && options.bitrateKbps) {
    return PlainText("Give either a quality or a bit rate, not both.");
  }
  return std::nullopt;
}

Result<void> CheckExportOptions(const std::string& path, const ExportOptions& options) {
  std::optional<MarkedText> problem = ExportOptionsProblem(path, options);
  if (!problem) return {};
  return Fail(ErrorKind::Refused, std::move(problem->english));
}

std::optional<std::pair<int, int>> ParseVideoSize(const std::string& text) {
  int w = 0, h = 0;
  char x = 0, extra = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &extra) != 3 || (x != 'x' && x != 'X')) {
    return std::nullopt;
  }
  return std::make_pair(w, h);
}

std::optional<FrameRate> ParseFrameRate(const std::string& text) {
  int num = 0, den = 0;
  char slash = 0, extra = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c", &num, &slash, &den, &extra) == 3 && slash == '/') {
    if (den <= 0 || num <= 0) return std::nullopt;
    return FrameRate(num, den);
  }
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || !end || *end != '\0' || !(value > 0 && value < 1000)) return std::nullopt;
  if (value == std::floor(value)) return FrameRate(static_cast<int>(value));
  // 23.976, 23.98, 29.97 and 59.94 name the NTSC rates.
  for (int rate : kNtscRates) {
    if (std::fabs(value - rate * 1000.0 / 1001) < 0.006) return FrameRate(rate * 1000, 1001);
  }
  return std::nullopt;
}

bool IsOfferedFrameRate(const FrameRate& rate) {
  if (rate.den == 1) return rate.num >= kMinVideoFps && rate.num <= kMaxVideoFps;
  if (rate.den != 1001) return false;
  return std::any_of(std::begin(kNtscRates), std::end(kNtscRates),
                     [&](int r) { return rate.num == r * 1000; });
}

std::string FrameRateText(const FrameRate& rate) {
  if (rate.den == 1) return std::to_string(rate.num);
  char text[32];
  std::snprintf(text, sizeof text, rate.num == 24000 && rate.den == 1001 ? "%.3f" : "%.2f",
                rate.PerSecond());
  return text;
}

const std::vector<ExportPreset>& ExportPresets() {
  static const std::vector<ExportPreset> presets = {
      {"web-1080p", LRW_TR_NOOP("lrw::ExportPresets", "Web, 1920 x 1080, H.264"), 1920, 1080, 30,
       VideoCodec::H264, 20},
      {"phone-vertical", LRW_TR_NOOP("lrw::ExportPresets", "Phone, upright 1080 x 1920, H.264"),
       1080, 1920, 30, VideoCodec::H264, 21},
      {"4k", LRW_TR_NOOP("lrw::ExportPresets", "4K, 3840 x 2160, H.264"), 3840, 2160, 30,
       VideoCodec::H264, 21},
      {"mail-720p", LRW_TR_NOOP("lrw::ExportPresets", "Small for mail, 1280 x 720, H.264"), 1280,
       720, 24, VideoCodec::H264, 27},
  };
  return presets;
}

const ExportPreset* FindExportPreset(const std::string& name) {
  const std::string wanted = Lower(name);
  for (const ExportPreset& preset : ExportPresets()) {
    if (wanted == preset.name) return &preset;
  }
  return nullptr;
}

void ApplyExportPreset(const ExportPreset& preset, ExportOptions& options) {
  options.width = preset.width;
  options.height = preset.height;
  options.fps = preset.fps;
  options.codec = preset.codec;
  options.quality = preset.quality;
  options.bitrateKbps.reset();
}

}  // namespace lrw
