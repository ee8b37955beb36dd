#include "designer/PictureCommands.h"

#include <algorithm>

#include "designer/CommandSupport.h"
#include "document/Cp1252.h"
#include "document/TextMark.h"

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

std::string SetMotionCommand::Name() const {
  return part_ == Part::Kind       ? LRW_TR_NOOP("lrw::Commands", "Motion")
         : part_ == Part::Strength ? LRW_TR_NOOP("lrw::Commands", "Motion Strength")
                                   : LRW_TR_NOOP("lrw::Commands", "Motion Ease");
}

bool SetMotionCommand::OnEnabled(const ShowEditor& editor) const {
  return AnyPictureSelected(editor);
}

void SetMotionCommand::OnExecute(ShowEditor& editor) {
  for (int index : editor.SelectedIndices()) {
    if (editor.Document().SlideAt(index).IsBlank()) continue;
    Document(editor).EditSlide(index, [this](SlideRecord& s) {
      switch (part_) {
        case Part::Kind:
          s.Motion.kind = static_cast<MotionKind>(std::clamp(value_, 0, kMotionKindCount - 1));
          break;
        case Part::Strength:
          s.Motion.strength = static_cast<uint8_t>(std::clamp(value_, 0, 100));
          break;
        case Part::Ease:
          s.Motion.ease = value_ == 0 ? MotionEase::Linear : MotionEase::Smooth;
          break;
      }
    });
  }
}

}  // namespace lrw
