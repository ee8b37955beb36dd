#include "import/AddPictureSlide.h"

#include "document/Cp1252.h"
#include "document/Paths.h"
#include "document/PictureFormatTable.h"
#include "import/DriveType.h"

namespace lrw {
namespace {

void Refuse(Prompts& prompts, const std::string& text) {
  prompts.Beep(BeepKind::Warning);
  prompts.Tell(text, "", PromptIcon::Warning);
}

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
  return slide;
}

int AddPictureSlide(const PictureImportContext& context, const std::string& path) {
  const std::optional<int> format = PictureFormatOf(path);
  if (format == kFormatMov) {
    Refuse(context.prompts, AnimationMessage(path));
    return -1;
  }
  const bool removable = context.isRemovable ? context.isRemovable(path) : IsOnRemovableDrive(path);
  if (removable) {
    Refuse(context.prompts, RemovableDiskMessage(path));
    return -1;
  }
  if (!format) return -1;

  // The record stores Windows-1252 text in fields of 255 characters: a name that
  // does not fit would be stored damaged and the slide could not find its picture.
  const std::optional<std::string> stored = Utf8ToCp1252(path);
  if (!stored) {
    Refuse(context.prompts, "Image " + path +
                                " cannot be added to a slideshow: its name holds characters that "
                                "a show file cannot store.");
    return -1;
  }
  const std::string folder = FolderOf(*stored);
  const std::string name = FileNameOf(*stored);
  if (folder.size() > kFolderCapacity || name.size() > kNameCapacity) {
    Refuse(context.prompts, "Image " + path +
                                " cannot be added to a slideshow: its folder or file name is "
                                "longer than 255 characters.");
    return -1;
  }

  // One read gives both the picture's own size and the thumbnail.
  LoadPictureResult picture = context.loader.LoadPicture(path, ThumbnailMode);
  if (picture.status == LoadFailed) {
    context.prompts.Beep(BeepKind::Error);
    context.prompts.Tell(picture.errorText, "Error", PromptIcon::Error);
    return -1;
  }
  if (picture.status != Loaded) return -1;

  SlideShowDocument& document = context.document;
  SlideRecord slide = MakePictureSlide(document.TemplateFor(context.current), folder, name,
                                       picture.fullWidth, picture.fullHeight, context.screenWidth,
                                       context.screenHeight, std::move(picture.bitmap));
  const int at = document.ValidIndex(context.current) ? context.current + 1 : 0;
  document.InsertSlide(at, std::move(slide));
  document.MarkModified();
  return at;
}

}  // namespace lrw
