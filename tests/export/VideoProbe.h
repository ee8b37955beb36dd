// Reads a video file back with the ffprobe and ffmpeg programs, independently of the
// exporter: its streams, duration, frame count, the frames asked for as RGB bitmaps
// (converted as BT.709 video) and its sound mixed to one channel.
#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "document/Bitmap.h"

namespace lrw::test {

struct ProbedVideo {
  bool ok = false;
  double duration = 0;  // of the container, seconds
  int64_t bitRate = 0;  // of the container, bits a second
  std::string videoCodec, audioCodec;
  int width = 0, height = 0;
  double fps = 0;
  bool bt709 = false;              // primaries, transfer and matrix tagged BT.709, video range
  int64_t frames = 0;              // decoded
  std::map<int64_t, Bitmap> kept;  // the frames asked for, by number
  int audioRate = 0, audioChannels = 0;
  std::vector<float> audio;  // mono
};

inline QByteArray ToolOutput(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, QStringList{"-v", "error"} + arguments);
  process.waitForFinished(-1);
  return process.readAllStandardOutput();
}

inline ProbedVideo ProbeVideo(const std::string& path, const std::set<int64_t>& keep = {}) {
  ProbedVideo out;
  const QString file = QString::fromStdString(path);
  const QJsonObject info =
      QJsonDocument::fromJson(ToolOutput("ffprobe", {"-count_frames", "-show_format",
                                                     "-show_streams", "-of", "json", file}))
          .object();
  out.duration = info["format"]["duration"].toString().toDouble();
  out.bitRate = info["format"]["bit_rate"].toString().toLongLong();
  for (const QJsonValue& value : info["streams"].toArray()) {
    const QJsonObject s = value.toObject();
    if (s["codec_type"] == "video" && !out.ok) {
      out.ok = true;
      out.videoCodec = s["codec_name"].toString().toStdString();
      out.width = s["width"].toInt();
      out.height = s["height"].toInt();
      const QStringList rate = s["avg_frame_rate"].toString().split('/');
      out.fps = rate.value(0).toDouble() / rate.value(1).toDouble();
      out.bt709 = s["color_primaries"] == "bt709" && s["color_transfer"] == "bt709" &&
                  s["color_space"] == "bt709" && s["color_range"] == "tv";
      out.frames = s["nb_read_frames"].toString().toLongLong();
    } else if (s["codec_type"] == "audio" && out.audioCodec.empty()) {
      out.audioCodec = s["codec_name"].toString().toStdString();
      out.audioRate = s["sample_rate"].toString().toInt();
      out.audioChannels = s["channels"].toInt();
    }
  }
  if (!keep.empty() && out.ok) {
    QStringList chosen;
    // Runs of frames as one term each: the filter's parser takes only so many.
    for (auto n = keep.begin(); n != keep.end();) {
      auto last = n;
      while (std::next(last) != keep.end() && *std::next(last) == *last + 1) ++last;
      chosen << QString("between(n\\,%1\\,%2)").arg(*n).arg(*last);
      n = std::next(last);
    }
    const QByteArray frames = ToolOutput(
        "ffmpeg", {"-i", file, "-vf",
                   "select=" + chosen.join('+') +
                       ",scale=in_color_matrix=bt709:in_range=tv:flags=bicubic+full_chroma_int+"
                       "accurate_rnd,format=bgra",
                   "-fps_mode", "passthrough", "-f", "rawvideo", "-"});
    const qsizetype bytes = qsizetype{out.width} * out.height * 4;
    auto n = keep.begin();
    for (qsizetype at = 0; at + bytes <= frames.size() && n != keep.end(); at += bytes, ++n) {
      Bitmap bitmap(out.width, out.height);
      std::memcpy(bitmap.pixels.data(), frames.data() + at, static_cast<size_t>(bytes));
      out.kept[*n] = std::move(bitmap);
    }
  }
  if (!out.audioCodec.empty()) {
    const QByteArray sound =
        ToolOutput("ffmpeg", {"-i", file, "-map", "0:a:0", "-ac", "1", "-f", "f32le", "-"});
    out.audio.resize(static_cast<size_t>(sound.size()) / sizeof(float));
    std::memcpy(out.audio.data(), sound.data(), out.audio.size() * sizeof(float));
  }
  return out;
}

// Peak signal-to-noise ratio of two bitmaps of one size over R, G and B, in dB.
inline double Psnr(const Bitmap& a, const Bitmap& b) {
  double squared = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) {
    for (int shift : {0, 8, 16}) {
      const double d = double((a.pixels[i] >> shift) & 255) - double((b.pixels[i] >> shift) & 255);
      squared += d * d;
    }
  }
  const double mse = squared / (3.0 * a.pixels.size());
  return mse > 0 ? 10 * std::log10(255.0 * 255.0 / mse) : 99;
}

}  // namespace lrw::test
