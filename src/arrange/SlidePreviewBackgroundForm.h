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

#include "arrange/SlideCaptionPreviewForm.h"
#include "arrange/SlidePreviewForm.h"
#include "document/CaptionFontRecord.h"

class QAction;
class QMenu;

namespace lrw {

class ArrangementHost;

class TSlidePreviewBackgroundForm : public QWidget {
  Q_OBJECT

 public:
  explicit TSlidePreviewBackgroundForm(ArrangementHost& host);
  // A stage destroyed before it closed has arranged nothing: its host is told so.
  ~TSlidePreviewBackgroundForm() override;

  // ---- state ----
  int ImageFrameWidth = 0;
  bool SaveOnClose = false;
  // The picture as decoded for the screen (a large photo at a reduced size), null when
  // it could not be loaded, and the picture's own size, which proportions follow.
  QImage LoadedPicture;
  QSize PictureSize;
  bool Centered = false;
  CaptionFontRecord CaptionFont;
  std::vector<std::string> CaptionText;  // Windows-1252 lines
  uint32_t CaptionBack = 0;
  bool HasCaption = false;
  uint32_t WindowColor() const { return windowColor_; }  // a record colour
  void SetWindowColor(uint32_t color);
  QFont CaptionQFont() const;

  // Covers the screen and opens the placement forms on the host's slide; false (and
  // nothing shown) when the slide is gone.
  bool Open();
  void OpenImageWindow(const SlideRecord& slide);
  void LoadCaption(const SlideRecord& slide);
  void OpenCaptionWindow(int16_t clientWidth, int16_t left, int16_t top);

  // Popup menu and keys.
  void Changebackgroundcolor1Click();
  void AddaCaption1Click();
  void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  // F6 in `from`: the other placement form becomes the active one.
  void SwitchWindows(TPreviewForm* from);
  // The frames follow which placement form is active.
  void PlacementActivated(TPreviewForm* form);

  TSlidePreviewForm* SlidePreviewForm() const { return imageWindow_; }
  TSlideCaptionPreviewForm* SlideCaptionPreviewForm() const { return captionWindow_; }
  ArrangementHost& Host() { return host_; }
  QSize ScreenSize() const;

  QMenu* PopupMenu1 = nullptr;
  QAction* Changebackgroundcolor1 = nullptr;
  QAction* AddaCaption1 = nullptr;
  QAction* ExitandSave1 = nullptr;
  QAction* ExitWithoutSaving1 = nullptr;

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
  // Tells the host what to store (when saving), frees the placement forms and
  // releases the stage.
  void FormClose();
  // The slide as it is now with the arrangement written into it; nothing when there is
  // nothing to write or the slide is gone.
  std::optional<SlideRecord> ArrangedSlide() const;

  ArrangementHost& host_;
  uint32_t windowColor_ = 0;
  bool closed_ = false;
  QPointer<TSlidePreviewForm> imageWindow_;
  QPointer<TSlideCaptionPreviewForm> captionWindow_;
};

// "&Arrange Slide": opens the stage on the host's slide and returns it; it frees itself
// after telling the host ArrangementFinished. When the slide is already gone, no stage
// opens and the host is told at once that nothing was arranged.
TSlidePreviewBackgroundForm* OpenArrangementStage(ArrangementHost& host);

}  // namespace lrw
