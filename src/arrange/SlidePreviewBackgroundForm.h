// The arrangement stage: a full-screen window in the slide's background colour on
// which the picture window and the caption window float. It works on working
// copies and writes them into the slide only when it closes with saving.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "arrange/ArrangementHost.h"
#include "arrange/SlideCaptionPreviewForm.h"
#include "arrange/SlidePreviewForm.h"
#include "designer/SlideCaptionForm.h"
#include "document/SlideRecord.h"

class QAction;
class QMenu;

namespace lrw {

class TSlidePreviewBackgroundForm : public QWidget {
  Q_OBJECT

 public:
  explicit TSlidePreviewBackgroundForm(ArrangementHost& host);
  ~TSlidePreviewBackgroundForm() override;

  // ---- state ----
  SlideRecord* Slide = nullptr;  // the record in the show; stays put while the stage is open
  int ImageFrameWidth = 0;
  bool SaveOnClose = false;
  QImage LoadedPicture;  // null when the picture could not be loaded
  bool Centered = false;
  CaptionFontRecord CaptionFont;
  std::vector<std::string> CaptionText;  // Windows-1252 lines
  uint32_t CaptionBack = 0;
  bool HasCaption = false;
  uint32_t WindowColor() const { return windowColor_; }  // a record colour
  void SetWindowColor(uint32_t color);

  // Shows the stage on `slide` and opens the placement windows on it.
  void Open(SlideRecord& slide);
  void OpenImageWindow();
  void LoadCaption();
  void OpenCaptionWindow();

  // Popup menu and keys.
  void Changebackgroundcolor1Click();
  void AddaCaption1Click();
  void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  // F6 in `from`: the other placement window becomes the active one.
  void SwitchWindows(TPreviewForm* from);
  // The frames follow which placement window is active.
  void PlacementActivated(TPreviewForm* window);

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

 private:
  // Writes back (when saving), frees the placement windows and releases the stage.
  void FormClose();

  ArrangementHost& host_;
  uint32_t windowColor_ = 0;
  bool closed_ = false;
  QPointer<TSlidePreviewForm> imageWindow_;
  QPointer<TSlideCaptionPreviewForm> captionWindow_;
};

// Opens the stage on the host's slide; it reports its end to the host and then
// releases itself.
TSlidePreviewBackgroundForm* OpenArrangementStage(ArrangementHost& host);

}  // namespace lrw
