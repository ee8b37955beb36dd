#include "designer/PictureCommands.h"

#include "designer/CommandSupport.h"
#include "document/Cp1252.h"

namespace lrw {
namespace {

bool AnyPictureSelected(const ShowEditor& editor) {
  for (int index : editor.SelectedIndices()) {
    if (!editor.Document().SlideAt(index).IsBlank()) return true;
  }
  return false;
}

}  // namespace

bool SetPictureFitCommand::OnEnabled(const ShowEditor& editor) const {
  return AnyPictureSelected(editor);
}

void SetPictureFitCommand::OnExecute(ShowEditor& editor) {
  EditorMedia& media = editor.Services().media;
  const int screenWidth = media.ScreenWidth();
  const int screenHeight = media.ScreenHeight();
  for (int index : editor.SelectedIndices()) {
    const SlideRecord& slide = editor.Document().SlideAt(index);
    if (slide.IsBlank()) continue;
    // A picture that cannot be read keeps the proportions of its box.
    auto size = media.PictureOwnSize(Cp1252ToUtf8(slide.PicturePath()));
    if (!size) size = std::make_pair(int{slide.ImageWidth}, int{slide.ImageHeight});
    if (size->first <= 0 || size->second <= 0) continue;
    const PictureBox box = FitPicture(size->first, size->second, screenWidth, screenHeight, fit_);
    Document(editor).EditSlide(index, [&](SlideRecord& s) { SetPictureBox(s, box); });
  }
}

}  // namespace lrw
