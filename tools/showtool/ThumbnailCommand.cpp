// showtool thumbnail SHOW OUT.png SIZE [--screen WxH]: the file manager's picture of a
// show file: its first slide composed as the show draws it, on a 1920 x 1080 screen
// unless --screen names another, scaled so that its longer side is SIZE pixels.
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "Commands.h"
#include "GuiSession.h"
#include "LoadShow.h"
#include "ScreenSize.h"
#include "document/Cp1252.h"
#include "platform/QtBitmap.h"
#include "platform/SystemColors.h"
#include "player/SlideComposer.h"

namespace lrw::showtool {
namespace {

constexpr const char* kUsage =
    "usage: showtool thumbnail SHOW OUT.png SIZE [--screen WxH]\n"
    "  Writes the first slide of SHOW as a PNG whose longer side is SIZE pixels\n"
    "  (1 to 4096), composed on a screen of WxH pixels (default 1920x1080).\n";

constexpr int kMaxSize = 4096;

// The slide as the show draws it. Where its picture cannot be read (a file manager's
// sandbox shows a thumbnailer only the show file itself), the slide's own small
// picture, kept in the show file, stands in for it at the picture's place.
QImage ComposeFirstSlide(const SlideRecord& slide, QSize screen) {
  QImage image(screen, QImage::Format_RGB32);
  SlideComposer composer;
  composer.ComposeSlide(slide, image);
  const bool pictureMissing =
      !slide.PictureName.empty() && composer.CachedFileName() != Cp1252ToUtf8(slide.PicturePath());
  if (pictureMissing && slide.Thumbnail && !slide.Thumbnail->empty() && slide.ImageWidth > 0 &&
      slide.ImageHeight > 0) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), ColorFromRecord(slide.BackgroundColor));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(
        QRect(PicturePosition(slide, screen), QSize(slide.ImageWidth, slide.ImageHeight)),
        WrapBitmap(*slide.Thumbnail));
    DrawCaption(painter, slide);
  }
  return image;
}

}  // namespace

int RunThumbnail(const std::vector<std::string>& args) {
  std::vector<std::string> plain;
  int screenWidth = 1920, screenHeight = 1080;
  for (size_t i = 0; i < args.size(); ++i) {
    const Result<std::optional<std::pair<int, int>>> screen = TakeScreenOption(args, i);
    if (!screen) {
      std::fputs(kUsage, stderr);
      return 2;
    }
    if (*screen) {
      std::tie(screenWidth, screenHeight) = **screen;
    } else {
      plain.push_back(args[i]);
    }
  }
  int size = 0;
  char extra = 0;
  if (plain.size() != 3 || std::sscanf(plain[2].c_str(), "%d%c", &size, &extra) != 1 || size < 1 ||
      size > kMaxSize) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string& show = plain[0];
  const std::string& out = plain[1];

  // Always off screen: a thumbnailer has no display, whatever the session's platform is.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  GuiSession session;
  SlideShowDocument document;
  if (!LoadShowOrReport("thumbnail", show, document)) return 1;
  if (document.Count() == 0) {
    std::fprintf(stderr, "showtool thumbnail: %s has no slides\n", show.c_str());
    return 1;
  }

  const QImage slide = ComposeFirstSlide(document.SlideAt(0), QSize(screenWidth, screenHeight));
  const QImage thumbnail = slide.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  // The name a file manager gives need not end in ".png".
  QImageWriter writer(QString::fromStdString(out), "png");
  if (!writer.write(thumbnail)) {
    std::fprintf(stderr, "showtool thumbnail: cannot write %s: %s\n", out.c_str(),
                 writer.errorString().toLocal8Bit().constData());
    return 1;
  }
  return 0;
}

}  // namespace lrw::showtool
