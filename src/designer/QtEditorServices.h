// The show editor's services on the desktop: Qt's dialogs and the caption editor, the
// show runner, the demonstration and the sound preview, picture decoding and text
// measuring in real fonts.
#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>

#include "designer/EditorServices.h"
#include "import/LoadPicture.h"
#include "platform/Dialogs.h"
#include "platform/Prompts.h"

namespace lrw {

class QtEditorDialogs : public EditorDialogs {
 public:
  QtEditorDialogs(Dialogs& dialogs, Prompts& prompts, QWidget* parent)
      : dialogs_(dialogs), prompts_(prompts), parent_(parent) {}

  std::optional<std::string> OpenFile(const FileChoice& choice) override;
  std::optional<std::vector<std::string>> OpenFiles(const FileChoice& choice) override;
  std::optional<std::string> SaveFile(const FileChoice& choice) override;
  std::optional<uint32_t> ChooseColor(uint32_t initial) override;
  bool EditCaption(std::vector<std::string>& lines, CaptionFontRecord& font,
                   uint32_t& backColor) override;
  std::optional<MusicChoice> EditMusic(const ShowMusic& music,
                                       const std::vector<SlideRecord>& slides) override;

 private:
  Dialogs& dialogs_;
  Prompts& prompts_;
  QPointer<QWidget> parent_;
};

// The colour dialog over `parent` on a record colour; nothing when cancelled.
std::optional<uint32_t> AskRecordColor(Dialogs& dialogs, QWidget* parent, uint32_t initial);

class DesignerWindows : public EditorWindows {
 public:
  // `openStage` opens the arrangement stage; `closeDesigner` closes the designer.
  DesignerWindows(Prompts& prompts, Dialogs& dialogs, QWidget* owner,
                  std::function<void(SlideId)> openStage, std::function<void()> closeDesigner)
      : prompts_(prompts),
        dialogs_(dialogs),
        owner_(owner),
        openStage_(std::move(openStage)),
        closeDesigner_(std::move(closeDesigner)) {}

  void RunShow(std::vector<SlideRecord> slides, int startIndex, bool loop, const ShowMusic& music,
               std::optional<uint64_t> shuffleSeed) override;
  void OpenStage(SlideId slide) override { openStage_(slide); }
  void DemonstrateTransition(const SlideRecord& slide) override;
  void ExportVideo(std::vector<SlideRecord> slides, const std::string& showFileName,
                   const ShowMusic& music) override;
  Result<void> PreviewSound(const std::string& utf8Path) override;
  std::unique_ptr<ImportProgress> BeginImport(int count) override;
  void CloseDesigner() override { closeDesigner_(); }
  void SetBusyPointer(bool busy) override;

  // Transitions in shows run by this object are this much faster (tests use 0).
  void SetTransitionPacing(double factor) { transitionPacing_ = factor; }
  // The show's name for the desktop's media controls.
  void SetShowName(std::function<std::string()> showName) { showName_ = std::move(showName); }
  // Told the index of each slide the show brings on screen.
  void SetSlideOnScreen(std::function<void(int)> told) { slideOnScreen_ = std::move(told); }

 private:
  Prompts& prompts_;
  Dialogs& dialogs_;
  QPointer<QWidget> owner_;
  std::function<void(SlideId)> openStage_;
  std::function<void()> closeDesigner_;
  double transitionPacing_ = 1.0;
  std::function<std::string()> showName_;
  std::function<void(int)> slideOnScreen_;
};

class DesignerMedia : public EditorMedia {
 public:
  explicit DesignerMedia(QSize screen) : screen_(screen) {}

  std::unique_ptr<PictureImports> ImportPictures(std::vector<std::string> utf8Paths,
                                                 const SlideRecord& from,
                                                 std::function<void()> arrived) override;
  std::unique_ptr<TextMeasurer> Measurer(const CaptionFontRecord& font) override;
  int ScreenWidth() const override { return screen_.width(); }
  int ScreenHeight() const override { return screen_.height(); }
  std::optional<std::pair<int, int>> PictureOwnSize(const std::string& utf8Path) override;
  std::optional<double> SoundSeconds(const std::string& utf8Path) override;
  double MusicSeconds(const ShowMusic& music) override;
  QSize ScreenSize() const { return screen_; }
  // "Fit pictures larger than the screen", remembered between sessions.
  bool FitLargerPictures() const;
  void SetFitLargerPictures(bool fit);

  // The picture loader, kept for the program's life.
  LoadPictureModule& Loader() { return loader_; }

 private:
  QSize screen_;
  LoadPictureModule loader_;
};

}  // namespace lrw
