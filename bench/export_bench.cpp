// Exporting a show as a video against the ffmpeg command line doing the same job, in one run.
//
// The show: ten 6000 x 4000 JPEGs, each 3 s on screen after a transition of about 1 s
// ("Left To Right" with boxes of 3 pixels: 1.14 s on every screen size), and a 10 s sound
// under the first slides; exported at 1920 x 1080, 30 fps, H.264 veryfast CRF 20 with AAC.
//
//   Export          our export of the show to MP4
//   EncoderAlone    `ffmpeg` encoding our own frames, raw, with the same x264 settings: the
//                   least time any exporter of this video can take
//   FfmpegXfade     each picture scaled once to 1920 x 1080 (a one-frame YUV file) with ffmpeg,
//                   then one ffmpeg run that loops and cross-fades them (xfade, 1 s) with the
//                   sound, same codec
//   FfmpegNaive     (with --naive; about five minutes) the 24-megapixel pictures scaled
//                   inside the filter graph on every frame
//
// Each runs once; the summary gives the speed as a multiple of real time and the ratios.
// usage: export_bench [--naive] [--keep DIR] [benchmark flags]   (needs `ffmpeg` on the path)
#include <benchmark/benchmark.h>
#include <sndfile.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "export/ShowFrameRenderer.h"
#include "export/VideoExport.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPictures = 10;
constexpr int kWidth = 1920, kHeight = 1080, kFps = 30;
constexpr int kHoldSeconds = 3;
constexpr int kBoxWidth = 3;  // "Left To Right" then lasts 1.14 s
constexpr double kSoundSeconds = 10;
constexpr const char* kX264 = "-c:v libx264 -preset veryfast -crf 20 -pix_fmt yuv420p";

// A photo-like picture: smooth colour fields with fine grain, so that the JPEG carries about
// as much detail as a camera's. Each one is shifted and tinted differently.
QImage MakeBase() {
  QImage image(6000, 4000, QImage::Format_RGB32);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> grain(-12, 12);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const double u = x / 900.0, v = y / 700.0;
      const int r = static_cast<int>(128 + 90 * std::sin(u + 0.7 * v)) + grain(random);
      const int g = static_cast<int>(128 + 90 * std::sin(1.3 * v - 0.4 * u)) + grain(random);
      const int b = static_cast<int>(128 + 90 * std::cos(0.8 * u * v)) + grain(random);
      row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
    }
  }
  return image;
}

void WritePicture(const QImage& base, int n, const fs::path& path) {
  QImage image(base.size(), QImage::Format_RGB32);
  const int shift = n * 577;
  for (int y = 0; y < image.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(base.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = from[(x + shift) % image.width()];
      to[x] = qRgb((qRed(p) + n * 23) & 255, qGreen(p), (qBlue(p) + n * 41) & 255);
    }
  }
  QPainter painter(&image);
  painter.setFont(QFont("Liberation Sans", 400));
  painter.setPen(Qt::white);
  painter.drawText(image.rect(), Qt::AlignCenter, QString::number(n + 1));
  painter.end();
  image.save(QString::fromStdString(path.string()), "JPEG", 90);
}

bool WriteSound(const fs::path& path) {
  SF_INFO info{};
  info.samplerate = 44100;
  info.channels = 2;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!f) return false;
  std::vector<short> samples(static_cast<size_t>(kSoundSeconds * info.samplerate) * 2);
  for (size_t i = 0; i < samples.size() / 2; ++i) {
    const double t = static_cast<double>(i) / info.samplerate;
    const auto s = static_cast<short>(8000 * std::sin(2 * M_PI * (220 + 20 * t) * t));
    samples[i * 2] = samples[i * 2 + 1] = s;
  }
  const bool ok = sf_writef_short(f, samples.data(), static_cast<sf_count_t>(samples.size() / 2)) ==
                  static_cast<sf_count_t>(samples.size() / 2);
  return sf_close(f) == 0 && ok;
}

std::vector<lrw::SlideRecord> MakeShow(const std::vector<fs::path>& pictures,
                                       const fs::path& sound) {
  std::vector<lrw::SlideRecord> slides;
  for (const fs::path& picture : pictures) {
    lrw::SlideRecord slide;
    slide.PictureFolder = picture.parent_path().string() + "/";
    slide.PictureName = picture.filename().string();
    slide.CenterImage = 1;
    slide.ImageWidth = 1620;  // 6000 x 4000 fitted to 1920 x 1080
    slide.ImageHeight = 1080;
    slide.Effect = slides.empty() ? 0 : 1;  // the first comes at once, as ffmpeg's does
    slide.BoxWidth = kBoxWidth;
    slide.DurationMode = lrw::DurationMode::TimeElapsed;
    slide.ExtraSeconds = kHoldSeconds;
    slides.push_back(slide);
  }
  slides[0].PlaySound = 1;
  slides[0].SoundFolder = sound.parent_path().string() + "/";
  slides[0].SoundName = sound.filename().string();
  return slides;
}

// Our frames exactly as the export makes them, as raw 4:2:0 YUV.
int64_t WriteRawFrames(const std::vector<lrw::SlideRecord>& slides, const fs::path& path) {
  lrw::ExportOptions options;
  options.width = kWidth;
  options.height = kHeight;
  options.fps = kFps;
  lrw::ShowFrameRenderer renderer(slides, options);
  std::ofstream out(path, std::ios::binary);
  int64_t frames = 0;
  renderer.Start();
  while (std::optional<lrw::Result<lrw::FrameStep>> next = renderer.Next()) {
    if (!*next) break;
    const lrw::FrameStep* const step = &**next;
    const AVFrame& f = *step->frame;
    for (int64_t i = 0; i < step->repeat; ++i, ++frames) {
      for (int plane = 0; plane < 3; ++plane) {
        const int w = plane == 0 ? kWidth : kWidth / 2, h = plane == 0 ? kHeight : kHeight / 2;
        for (int y = 0; y < h; ++y) {
          out.write(reinterpret_cast<const char*>(f.data[plane] + y * f.linesize[plane]), w);
        }
      }
    }
  }
  return out ? frames : -1;
}

// ffmpeg's inputs and filter graph for the cross-faded show: the first and last pictures
// 4 s, the others 5 s (1 s of fade on each side), each fade 1 s long.
std::string XfadeCommand(const std::vector<std::string>& inputs, const std::string& loop,
                         const std::string& scale, const fs::path& sound, const fs::path& out) {
  std::ostringstream cmd;
  cmd << "ffmpeg -v error -y";
  for (int i = 0; i < kPictures; ++i) {
    const int seconds = (i == 0 || i == kPictures - 1) ? kHoldSeconds + 1 : kHoldSeconds + 2;
    cmd << " " << loop << " -t " << seconds << " -i '" << inputs[i] << "'";
  }
  cmd << " -i '" << sound.string() << "' -filter_complex \"";
  for (int i = 0; i < kPictures; ++i) {
    cmd << "[" << i << ":v]" << scale << "format=yuv420p,settb=AVTB[s" << i << "];";
  }
  std::string last = "s0";
  for (int i = 1; i < kPictures; ++i) {
    const int offset = kHoldSeconds + (kHoldSeconds + 1) * (i - 1);
    std::string label = "x";
    label += std::to_string(i);
    cmd << "[" << last << "][s" << i << "]xfade=transition=fade:duration=1:offset=" << offset << "["
        << label << "]" << (i + 1 < kPictures ? ";" : "");
    last = label;
  }
  cmd << "\" -map [" << last << "] -map " << kPictures << ":a " << kX264
      << " -c:a aac -b:a 192k -r " << kFps << " '" << out.string() << "'";
  return cmd.str();
}

bool Run(const std::string& command) {
  return std::system(command.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  bool naive = false;
  fs::path dir;
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--naive") {
      naive = true;
    } else if (arg == "--keep" && i + 1 < argc) {
      dir = argv[++i];
    } else {
      rest.push_back(argv[i]);
    }
  }
  const bool keep = !dir.empty();
  if (!keep) dir = fs::temp_directory_path() / ("lrw-export-bench-" + std::to_string(getpid()));
  fs::create_directories(dir);

  std::fprintf(stderr, "making %d pictures of 6000 x 4000 and a sound in %s ...\n", kPictures,
               dir.c_str());
  std::vector<fs::path> pictures;
  std::vector<std::string> jpegs, scaled;
  {
    const QImage base = MakeBase();
    for (int i = 0; i < kPictures; ++i) {
      pictures.push_back(dir / ("photo" + std::to_string(i + 1) + ".jpg"));
      if (!fs::exists(pictures.back())) WritePicture(base, i, pictures.back());
      jpegs.push_back(pictures.back().string());
      scaled.push_back((dir / ("scaled" + std::to_string(i + 1) + ".y4m")).string());
    }
  }
  const fs::path sound = dir / "sound.wav";
  if (!WriteSound(sound)) return 1;
  const std::vector<lrw::SlideRecord> slides = MakeShow(pictures, sound);

  std::fprintf(stderr, "writing our frames raw for the encoder-alone run ...\n");
  const fs::path raw = dir / "frames.yuv";
  const int64_t rawFrames = WriteRawFrames(slides, raw);
  if (rawFrames <= 0) return 1;

  // Wall time, and CPU time of this process (our export's threads) and its children (ffmpeg):
  // on a shared machine the CPU time shows the work itself when others take turns.
  struct Measured {
    double wall = 0, cpu = 0, video = 0;
  };
  std::map<std::string, Measured> runs;
  const auto cpuSeconds = [] {
    double total = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
      rusage usage{};
      getrusage(who, &usage);
      total += usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
               (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return total;
  };
  const double ffmpegVideo = kPictures * kHoldSeconds + (kPictures - 1);
  const double rawVideo = static_cast<double>(rawFrames) / kFps;
  // `job` returns the seconds of video it made, 0 on failure.
  const auto timed = [&](const std::string& name, auto&& job) {
    benchmark::RegisterBenchmark(
        name.c_str(),
        [&, name, job](benchmark::State& state) {
          for (auto _ : state) {
            const double cpu = cpuSeconds();
            const auto start = std::chrono::steady_clock::now();
            const double video = job();
            Measured& m = runs[name];
            m.wall =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            m.cpu = cpuSeconds() - cpu;
            m.video = video;
            if (video <= 0) state.SkipWithError("failed");
          }
          const Measured& m = runs[name];
          state.counters["x_real_time"] = m.video / m.wall;
          state.counters["cpu_s"] = m.cpu;
        })
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kSecond);
  };

  timed("EncoderAlone", [&] {
    return Run("ffmpeg -v error -y -f rawvideo -pix_fmt yuv420p -s " + std::to_string(kWidth) +
               "x" + std::to_string(kHeight) + " -r " + std::to_string(kFps) + " -i '" +
               raw.string() + "' " + kX264 + " '" + (dir / "raw.mp4").string() + "'")
               ? rawVideo
               : 0.0;
  });
  timed("Export", [&] {
    std::atomic<bool> cancel{false};
    lrw::ExportOptions options;
    options.replaceExisting = true;
    const lrw::ExportResult result =
        lrw::ExportShowVideo(slides, (dir / "ours.mp4").string(), options, cancel);
    return result ? result->seconds : 0.0;
  });
  timed("FfmpegXfade", [&] {
    for (int i = 0; i < kPictures; ++i) {
      if (!Run("ffmpeg -v error -y -i '" + jpegs[i] +
               "' -vf scale=1620:1080,pad=1920:1080:150:0 -pix_fmt yuv420p -r 30 '" + scaled[i] +
               "'")) {
        return 0.0;
      }
    }
    return Run(XfadeCommand(scaled, "-stream_loop -1", "", sound, dir / "xfade.mp4")) ? ffmpegVideo
                                                                                      : 0.0;
  });
  if (naive) {
    timed("FfmpegNaive", [&] {
      return Run(XfadeCommand(jpegs, "-loop 1 -framerate 30",
                              "scale=1620:1080,pad=1920:1080:150:0,", sound, dir / "naive.mp4"))
                 ? ffmpegVideo
                 : 0.0;
    });
  }

  int restCount = static_cast<int>(rest.size());
  benchmark::Initialize(&restCount, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  std::printf("\n%-14s %8s %8s %8s %12s\n", "", "video s", "wall s", "CPU s", "x real time");
  for (const char* name : {"Export", "EncoderAlone", "FfmpegXfade", "FfmpegNaive"}) {
    if (!runs.count(name) || runs[name].video <= 0) continue;
    const Measured& m = runs[name];
    std::printf("%-14s %8.2f %8.2f %8.2f %12.2f\n", name, m.video, m.wall, m.cpu, m.video / m.wall);
  }
  if (runs.count("Export") && runs["Export"].video > 0) {
    const Measured& ours = runs["Export"];
    // Per second of video, so that the shows' slightly different lengths compare.
    const auto ratio = [&](const char* name, bool cpu) {
      if (!runs.count(name) || runs[name].video <= 0) return 0.0;
      const Measured& m = runs[name];
      return ((cpu ? ours.cpu : ours.wall) / ours.video) / ((cpu ? m.cpu : m.wall) / m.video);
    };
    std::printf("ours / encoder alone (same frames): wall %.2f, CPU %.2f (goal <= 1.3)\n",
                ratio("EncoderAlone", false), ratio("EncoderAlone", true));
    std::printf("ours / ffmpeg xfade pipeline:       wall %.2f, CPU %.2f (goal <= 0.8)\n",
                ratio("FfmpegXfade", false), ratio("FfmpegXfade", true));
    if (naive) {
      std::printf("ours / ffmpeg naive graph:          wall %.3f, CPU %.3f\n",
                  ratio("FfmpegNaive", false), ratio("FfmpegNaive", true));
    }
    std::printf("ours, times real time:              %.2f (goal >= 1.8)\n", ours.video / ours.wall);
  }
  if (!keep) fs::remove_all(dir);
  return 0;
}
