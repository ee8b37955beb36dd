// Writes the end-to-end show into a folder: a picture slide, a blank slide with a
// caption and a slide with a short sound, each quick, and the files they name.
//
// usage: make_e2e_show DIR   (writes DIR/show.sho, DIR/picture.bmp, DIR/beep.wav, and
// DIR/remote.sho: the same slides, each waiting for the presenter, the picture one last)
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "document/BmpCodec.h"
#include "document/Cp1252.h"
#include "document/ShowFile.h"
#include "document/SlideShowDocument.h"
#include "support/TestWave.h"

namespace {

// The colour the test looks for in the middle of the screen (0xFFRRGGBB).
constexpr uint32_t kPicturePixel = 0xFFD02090u;

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_e2e_show DIR\n");
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  const std::string folder = lrw::Utf8ToCp1252(dir).value_or(dir);

  if (!WriteFile(dir + "picture.bmp", lrw::EncodeBmp(lrw::Bitmap(320, 240, kPicturePixel))) ||
      !lrw::test::WriteTestWave(dir + "beep.wav", 0.3)) {
    std::fprintf(stderr, "cannot write the show's files in %s\n", dir.c_str());
    return 1;
  }

  lrw::SlideShowDocument doc;

  lrw::SlideRecord picture = lrw::FirstSlideDefaults();
  picture.PictureFolder = folder;
  picture.PictureName = "picture.bmp";
  picture.PictureFormat = 0;
  picture.ImageWidth = 640;  // stretched to twice its size, centred
  picture.ImageHeight = 480;
  picture.CenterImage = 1;
  picture.Effect = 0;
  picture.DurationMode = lrw::DurationMode::TimeElapsed;
  picture.ExtraSeconds = 1;
  picture.Thumbnail = lrw::Bitmap(60, 45, kPicturePixel);
  doc.InsertSlide(doc.Count(), picture);

  lrw::SlideRecord caption = lrw::FirstSlideDefaults();
  caption.BackgroundColor = 0x00402000;
  caption.ShowCaption = 1;
  caption.Caption = {"The end-to-end show", std::string(1, lrw::kPilcrow) + "with a caption"};
  caption.CaptionFontName = "Liberation Sans";
  caption.CaptionFontSize = 20;
  caption.CaptionFontColor = 0x0000FFFF;
  caption.CaptionBackColor = 0x00000000;
  caption.CaptionLeft = 100;
  caption.CaptionTop = 100;
  caption.CaptionWidth = 300;
  caption.Effect = 1;
  caption.BoxWidth = 10;
  caption.DurationMode = lrw::DurationMode::TimeElapsed;
  caption.ExtraSeconds = 0;
  doc.InsertSlide(doc.Count(), caption);

  lrw::SlideRecord sound = lrw::FirstSlideDefaults();
  sound.BackgroundColor = 0x00008000;
  sound.PlaySound = 1;
  sound.SoundFolder = folder;
  sound.SoundName = "beep.wav";
  sound.Effect = 0;
  sound.DurationMode = lrw::DurationMode::SoundEnded;
  sound.ExtraSeconds = 0;
  doc.InsertSlide(doc.Count(), sound);

  const lrw::Result<void> written = lrw::WriteShowFile(doc, dir + "show.sho", false);
  if (!written) {
    std::fprintf(stderr, "%s\n", written.error().message.c_str());
    return 1;
  }

  // For remotes: nothing moves on by itself, and the last slide is the picture, timed,
  // so that its length is known.
  lrw::SlideShowDocument remote;
  for (int i : {1, 2, 0}) {
    lrw::SlideRecord slide = doc.Slides()[static_cast<size_t>(i)];
    slide.PlaySound = 0;
    slide.DurationMode = i == 0 ? lrw::DurationMode::TimeElapsed : lrw::DurationMode::EnterPressed;
    slide.ExtraSeconds = i == 0 ? 60 : 0;
    remote.InsertSlide(remote.Count(), slide);
  }
  const lrw::Result<void> remoteWritten = lrw::WriteShowFile(remote, dir + "remote.sho", false);
  if (!remoteWritten) {
    std::fprintf(stderr, "%s\n", remoteWritten.error().message.c_str());
    return 1;
  }
  return 0;
}
