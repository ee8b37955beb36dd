#include "import/AddPictureSlide.h"

#include "document/Cp1252.h"
#include "document/Paths.h"
#include "document/PictureFit.h"
#include "document/PictureFormatTable.h"
#include "import/DriveType.h"

#include <climits>

namespace lrw {
namespace {

// The longest path the system opens; anything longer cannot name a file here.
constexpr size_t kMaxPathBytes = PATH_MAX;

// Halving a screen position truncates toward zero, as integer division does.
int16_t CentredPosition(int screen, int picture) {
  return static_cast<int16_t>((screen - picture) / 2);
}

}  // namespace

std::string AnimationMessage(const std::string& path) {
  return "Image " + path + " is an animation and cannot" + " be added to a slideshow." + "\n" +
         "Try converting it to a bitmap.";
}

std::string RemovableDiskMessage(const std::string& path) {
  return "Image " + path + " is on a removeable disk and cannot" + " be added to a slideshow.";
}

SlideRecord MakePictureSlide(SlideRecord slide, const std::string& folder, const std::string& name,
                             int pictureWidth, int pictureHeight, int screenWidth, int screenHeight,
                             Bitmap thumbnail) {
  slide.PictureFolder = CutToCapacity(folder, kFolderCapacity);
  slide.PictureName = CutToCapacity(name, kNameCapacity);
  if (const auto format = PictureFormatOf(slide.PictureName)) {
    slide.PictureFormat = static_cast<uint8_t>(*format);
  }
  slide.ImageHeight = static_cast<int16_t>(pictureHeight);
  slide.ImageWidth = static_cast<int16_t>(pictureWidth);
  slide.ImageTop = CentredPosition(screenHeight, pictureHeight);
  slide.ImageLeft = CentredPosition(screenWidth, pictureWidth);
  slide.ShowCaption = 0;
  slide.Caption.clear();
  SetDesignerCaptionFont(slide);
  slide.CaptionBackColor = 0xFFFFFF;
  slide.CaptionLeft = slide.CaptionTop = slide.CaptionWidth = 0;
  slide.PlaySound = 0;
  slide.SoundFolder.clear();
  slide.SoundName.clear();
  slide.Thumbnail = std::move(thumbnail);
  // Custom framings are in another picture's pixels; the presets fit any picture.
  if (slide.Motion.kind == MotionKind::Custom) slide.Motion = SlideMotion{};
  return slide;
}

PictureImport ImportPicture(const std::string& path, const SlideRecord& from, int screenWidth,
                            int screenHeight, const LoadPictureModule& loader,
                            const RemovableDriveTest& isRemovable, bool fitLarger) {
  auto refuse = [](std::string text) -> PictureImport {
    return Fail(ErrorKind::Refused, std::move(text));
  };
  // Laid out in a message, a path of megabytes would take the program with it.
  if (path.size() > kMaxPathBytes) {
    return refuse("Image " + path.substr(0, 255) +
                  "... cannot be added to a slideshow: its name is too long.");
  }
  const std::optional<int> format = PictureFormatOf(path);
  if (format == kFormatMov) return refuse(AnimationMessage(path));
  const bool removable = isRemovable ? isRemovable(path) : IsOnRemovableDrive(path);
  if (removable) return refuse(RemovableDiskMessage(path));
  if (!format) return Fail(ErrorKind::NotHandled);

  // The record stores Windows-1252 text in fields of 255 characters: a name that
  // does not fit would be stored damaged and the slide could not find its picture.
  const std::optional<std::string> stored = Utf8ToCp1252(path);
  if (!stored) {
    return refuse("Image " + path +
                  " cannot be added to a slideshow: its name holds characters that "
                  "a show file cannot store.");
  }
  const std::string folder = FolderOf(*stored);
  const std::string name = FileNameOf(*stored);
  if (folder.size() > kFolderCapacity || name.size() > kNameCapacity) {
    return refuse("Image " + path +
                  " cannot be added to a slideshow: its folder or file name is "
                  "longer than 255 characters.");
  }

  // One read gives both the picture's own size and the thumbnail.
  LoadPictureResult picture = loader.LoadPicture(path, LoaderMode::ThumbnailMode);
  if (!picture) return Fail(picture.error());
  SlideRecord slide = MakePictureSlide(from, folder, name, picture->fullWidth, picture->fullHeight,
                                       screenWidth, screenHeight, std::move(picture->bitmap));
  // A camera photo at its own size would show only a small crop of its middle.
  if (fitLarger &&
      LargerThanScreen(picture->fullWidth, picture->fullHeight, screenWidth, screenHeight)) {
    SetPictureBox(slide, FitPicture(picture->fullWidth, picture->fullHeight, screenWidth,
                                    screenHeight, PictureFit::Fit));
  }
  return slide;
}

int AddPictureSlide(const PictureImportContext& context, const std::string& path) {
  SlideShowDocument& document = context.document;
  PictureImport import =
      ImportPicture(path, document.TemplateFor(context.current), context.screenWidth,
                    context.screenHeight, context.loader, context.isRemovable);
  if (!import) {
    TellImportProblem(context.prompts, import.error());
    return -1;
  }
  const int at = document.ValidIndex(context.current) ? context.current + 1 : 0;
  document.InsertSlide(at, std::move(*import));
  return at;
}

}  // namespace lrw
