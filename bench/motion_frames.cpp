// Frame times of the show window's moving picture and cross-fade at 1920 x 1080 and
// 3840 x 2160 device pixels: the drawing of each frame (motion framing from the source
// decoded once, then the blend into the next slide), as the frame clock's tick runs it.
//   motion_frames PHOTO.jpg [frames]
// Prints median and 99th percentile per size and part. The window system's own copy to
// the screen comes on top and is not measured here.
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "document/Paths.h"
#include "effects/SmoothTransitions.h"
#include "platform/QtBitmap.h"
#include "player/MotionPicture.h"

namespace {

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: motion_frames PHOTO.jpg [frames]\n");
    return 2;
  }
  const std::string photo = argv[1];
  const int frames = argc > 2 ? std::stoi(argv[2]) : 600;
  lrw::SlideRecord slide;
  slide.PictureFolder = lrw::FolderOf(photo);
  slide.PictureName = lrw::FileNameOf(photo);
  slide.Motion.kind = lrw::MotionKind::ZoomIn;
  slide.Motion.strength = 60;
  for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{3840, 2160}}) {
    lrw::LoadPictureModule loader;
    lrw::MotionPicture motion;
    const auto p0 = std::chrono::steady_clock::now();
    if (!motion.Prepare(slide, 0, QSize(w, h), 1.0, loader)) {
      std::fprintf(stderr, "cannot prepare %s\n", photo.c_str());
      return 1;
    }
    const double prepareMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - p0).count();
    lrw::Bitmap frame(w, h), next(w, h, 0xFF3060C0u), out(w, h);
    QImage image = lrw::WrapBitmap(frame);
    std::vector<double> motionMs, blendMs, bothMs;
    for (int i = 0; i < frames; ++i) {
      const auto t0 = std::chrono::steady_clock::now();
      motion.Draw(double(i) / frames, image);
      const auto t1 = std::chrono::steady_clock::now();
      lrw::DrawSmoothFrame(lrw::SmoothEffect::CrossFade, frame, next, double(i) / frames, out);
      const auto t2 = std::chrono::steady_clock::now();
      motionMs.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
      blendMs.push_back(std::chrono::duration<double, std::milli>(t2 - t1).count());
      bothMs.push_back(std::chrono::duration<double, std::milli>(t2 - t0).count());
    }
    std::printf("%dx%d: source %dx%d decoded in %.0f ms\n", w, h, motion.Source().width(),
                motion.Source().height(), prepareMs);
    std::printf("  motion frame   median %.2f ms  p99 %.2f ms\n", Percentile(motionMs, 0.5),
                Percentile(motionMs, 0.99));
    std::printf("  cross-fade     median %.2f ms  p99 %.2f ms\n", Percentile(blendMs, 0.5),
                Percentile(blendMs, 0.99));
    std::printf("  both           median %.2f ms  p99 %.2f ms\n", Percentile(bothMs, 0.5),
                Percentile(bothMs, 0.99));
  }
  return 0;
}
