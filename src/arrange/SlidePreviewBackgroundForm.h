// The arrangement stage: one full-screen window in the slide's background colour, with
// the picture form and the caption form inside it. It works on working copies of the
// slide and hands the arranged slide to its host only when it closes.
#pragma once

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "arrange/MotionFrameForm.h"
#include "arrange/MotionPreview.h"
#include "arrange/SlideCaptionPreviewForm.h"
#include "arrange/SlidePreviewForm.h"
#include "document/CaptionFontRecord.h"

class QAction;
class QMenu;

namespace lrw {

class ArrangementHost;

class SlidePreviewBackgroundForm : public QWidget {
  Q_OBJECT

 public:
  explicit SlidePreviewBackgroundForm(ArrangementHost& host);
  // A stage destroyed before it closed has arranged nothing: its host is told so.
  ~SlidePreviewBackgroundForm() override;

  // Covers the screen and opens the placement forms on the host's slide; false (and
  // nothing shown) when the slide is gone.
  bool Open();

  // ---- the working copies the forms show and edit ----
  // Whether closing writes the arrangement back.
  bool SaveOnClose() const { return saveOnClose_; }
  // The picture as decoded for the screen (a large photo at a reduced size), null when
  // it could not be loaded, and the picture's own size, which proportions follow.
  const QImage& LoadedPicture() const { return loadedPicture_; }
  QSize PictureSize() const { return pictureSize_; }
  bool Centered() const { return centered_; }
  void SetCentered(bool centered) { centered_ = centered; }
  bool HasCaption() const { return hasCaption_; }
  const CaptionFontRecord& CaptionFont() const { return captionFont_; }
  const std::vector<std::string>& CaptionText() const { return captionText_; }  // Windows-1252
  uint32_t CaptionBack() const { return captionBack_; }
  // A new caption background colour, saved on closing.
  void SetCaptionBack(uint32_t color);
  QFont CaptionQFont() const;
  // Runs the caption editor over `parent` on the working copies; true on OK.
  bool EditCaption(QWidget* parent);
  uint32_t WindowColor() const { return windowColor_; }  // a record colour
  void SetWindowColor(uint32_t color);

  // ---- the popup menu and keys ----
  void ChangeBackgroundColor();
  void AddCaption();
  // Esc leaves without saving, Shift+F10 opens the menu, F6 goes to a form, F1 is help,
  // Alt+F4 saves and leaves.
  void HandleKey(int key, Qt::KeyboardModifiers modifiers);
  void LeaveWithoutSaving() { HandleKey(Qt::Key_Escape, Qt::NoModifier); }
  // F6 in `from`: the other placement form becomes the active one.
  void SwitchForms(PreviewForm* from);
  // The frames follow which placement form is active.
  void PlacementActivated(PreviewForm* form);
  // The stage's popup menu (objectName "PopupMenu1").
  QMenu* Menu() const { return menu_; }

  // ---- the motion ----
  // The picture form's client area on the stage, which the motion boxes are placed over.
  QRect PictureClientRect() const;
  // The picture form moved or changed size: the motion boxes go with it.
  void PictureFormPlaced();
  // The user placed a motion box: the motion becomes a custom one with both framings.
  void MotionPlaced();
  // F5: plays the motion over the stage as the show will (see MotionPreview).
  void PreviewMotion();
  // The motion as arranged (picture pixels); its kind is Custom once a box was placed.
  const SlideMotion& Motion() const { return motion_; }
  MotionFrameForm* MotionForm(MotionEnd end) const {
    return end == MotionEnd::Start ? startForm_ : endForm_;
  }
  MotionPreview* Preview() const { return preview_; }

  SlidePreviewForm* PictureForm() const { return pictureForm_; }
  SlideCaptionPreviewForm* CaptionForm() const { return captionForm_; }
  ArrangementHost& Host() { return host_; }
  QSize ScreenSize() const;

  // The two help lines at the bottom of the stage.
  static const char* const kHelpLine1;
  static const char* const kHelpLine2;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }

 private:
  void OpenPictureForm(const SlideRecord& slide);
  void LoadCaption(const SlideRecord& slide);
  void OpenCaptionForm(int16_t clientWidth, int16_t left, int16_t top);
  // The start and end boxes of a slide with motion, at the framings it plays now.
  void OpenMotionForms(const SlideRecord& slide);
  // Keeps the motion boxes over the picture, the smaller above the larger.
  void StackMotionForms();
  // The forms F6 goes through, in order.
  std::vector<PreviewForm*> Forms() const;
  // The slide as it is now with the arrangement written into it.
  std::optional<SlideRecord> SlideAsArranged(bool saving) const;
  QAction* AddMenuItem(const QString& name, const QString& text);
  // Tells the host what to store (when saving), frees the placement forms and
  // releases the stage.
  void FinishArrangement();
  // The slide as it is now with the arrangement written into it; nothing when there is
  // nothing to write or the slide is gone.
  std::optional<SlideRecord> ArrangedSlide() const;

  ArrangementHost& host_;
  QMenu* menu_ = nullptr;
  QAction* addCaptionAction_ = nullptr;
  // The picture form's frame on each side, which its stored box lies inside.
  int imageFrameWidth_ = 0;
  bool saveOnClose_ = false;
  QImage loadedPicture_;
  QSize pictureSize_;
  bool centered_ = false;
  CaptionFontRecord captionFont_;
  std::vector<std::string> captionText_;
  uint32_t captionBack_ = 0;
  bool hasCaption_ = false;
  uint32_t windowColor_ = 0;
  bool closed_ = false;
  QPointer<SlidePreviewForm> pictureForm_;
  QPointer<SlideCaptionPreviewForm> captionForm_;
  SlideMotion motion_;
  size_t slideIndex_ = 0;
  bool motionPlaced_ = false;
  QPointer<MotionFrameForm> startForm_;
  QPointer<MotionFrameForm> endForm_;
  QPointer<MotionPreview> preview_;
  QAction* previewAction_ = nullptr;
};

// "&Arrange Slide": opens the stage on the host's slide and returns it; it frees itself
// after telling the host ArrangementFinished. When the slide is already gone, no stage
// opens and the host is told at once that nothing was arranged.
SlidePreviewBackgroundForm* OpenArrangementStage(ArrangementHost& host);

}  // namespace lrw
