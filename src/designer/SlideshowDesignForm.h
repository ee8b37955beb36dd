// The designer: the program's main window with the slide strip, the editing
// commands, the property panel and the File, Edit, Run and Help menus.
//
// The class is implemented in several files, one per area, each wiring its own
// controls from a Wire...() function that the constructor calls:
//   SlideshowDesignForm.cpp     window, layout, strip, panel loading, command states
//   DesignerEditCommands.cpp    Move, Delete, Insert blank, Duplicate, Edit menu
//   DesignerPanel.cpp           the property panel's handlers
//   DesignerFileCommands.cpp    File and Help menus, save prompt, title
//   DesignerRunCommands.cpp     Run menu
//   DesignerImport.cpp          "&Add slides" and AddPictureSlide
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "app/StartupOptions.h"
#include "designer/SecondsSpinBox.h"
#include "document/SlideShowDocument.h"
#include "platform/DesignerServices.h"
#include "shell/ShortcutLink.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QStatusBar;
class QToolButton;

namespace lrw {

class SlideStrip;
class ColorSwatch;
class TDragDropFiles;
class TLoadPictureModule;

class TSlideshowDesignForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TSlideshowDesignForm(DesignerServices services, QWidget* parent = nullptr);
  ~TSlideshowDesignForm() override;

  // ---- state (window area) ----
  SlideShowDocument& Document() { return document_; }
  const SlideShowDocument& Document() const { return document_; }
  DesignerServices& Services() { return services_; }
  static constexpr int CellWidth = 76;
  std::string LastPictureFolder;  // UTF-8 folder ending with "/"
  quint64 ControllerWindow = 0;   // automation controller, 0 for none
  StartupOptions Options;         // what the command line asked for
  int HelpContext = 1;            // help topic of this window

  // ---- window area (SlideshowDesignForm.cpp) ----
  // Loads the panel from the selected slides and refreshes the command states.
  void ImageListBoxClick();
  void UpdateCommandStates();
  void ImageListBoxDblClick();
  void FormResize();
  // Strip primitives, keeping the strip in step with Document().Slides.
  int CurrentIndex() const;  // -1 only when the strip is empty
  void SetCurrentIndex(int index);
  bool IsSelected(int index) const;
  void SetSelected(int index, bool selected);
  int SelectedCount() const;
  void StripInserted(int index);      // after Document().InsertSlide(index, ...)
  void StripRemoved(int index);       // after Document().DeleteSlide(index)
  void StripExchanged(int i, int j);  // after Document().ExchangeSlides(i, j)
  void StripReset();                  // after the whole slide list changed
  void StripRepaint();
  SlideStrip* Strip() const { return ImageListBox; }
  // The one-line status bar text.
  QString StatusText() const;
  void SetStatusText(const QString& text);
  // Menus recompute their entries when they open; tests call these directly.
  void Edit1Click();

  // ---- editing commands (DesignerEditCommands.cpp) ----
  void btnMoveUpClick();
  void btnMoveDownClick();
  void btnDeleteClick();
  void btnInsertBlankClick();
  void btnDuplicateClick();

  // ---- property panel (DesignerPanel.cpp) ----
  // Change handlers; settings for several slides visit the strip first to last.
  void cbTransitionChange();
  void tbBox_WidthChange();
  void cbxCenterClick();
  void lbBackgroundClick();  // the "Change" button and the swatch
  void cbxShow_CaptionClick();
  void btnEdit_CaptionClick();
  void cbxPlay_SoundClick();
  void btnChange_SoundClick();
  void btnPlay_SoundClick();
  void rbEnterPressedClick();
  void rbSoundEndedClick();
  void rbTimeElapsedClick();
  void seAdditional_TimeChange();
  void btnShowTransitionClick();
  void btnPreviewClick();  // also the strip's double-click
  // The colour dialog preset with a record colour; the given colour when cancelled.
  // `parent` (default: the designer) is the window the dialog opens over.
  uint32_t ChangeBackground(uint32_t color, QWidget* parent = nullptr);
  // Runs the caption editor and returns its modal result (QDialog::Accepted or
  // Rejected); on Accepted the three arguments hold the edited values.
  int EditCaption(std::vector<std::string>& lines, struct CaptionFontRecord& font,
                  uint32_t& backColor, QWidget* parent = nullptr);
  // Lets the user pick the current slide's sound: 1 when chosen, 2 when cancelled.
  int ChooseSoundFile();
  // Opens the arrangement stage on slide `index`; tests may put something else here.
  std::function<void(int index)> ArrangeSlide;
  // The open arrangement stage, if any; the designer is disabled while it is open.
  QPointer<QWidget> ArrangementStage;

  // ---- file and help commands (DesignerFileCommands.cpp) ----
  // The save prompt: No without asking when nothing changed; Yes after saving.
  // When the save does not happen, Cancel (or, without Cancel, the question again).
  PromptAnswer QuerySaveChanges(bool offerCancel);
  // Reads a show file into the document and the strip (start-up, "&Open");
  // false when it is not a show file or could not be read completely.
  bool OpenFile(const std::string& path);
  // "&Save" and "Save &As"; false when nothing was written.
  bool SaveShow();
  bool SaveShowAs();
  void File1Click();
  void Help1Click();
  void Open1Click();
  void Save1Click() { SaveShow(); }
  void SaveAs1Click() { SaveShowAs(); }
  void BuildaPortableShow1Click();
  void Close1Click();
  void Exit1Click();
  void HelpContents1Click();
  void AboutBrightframework1Click();
  // "Lanternreelworks!" or the file's name followed by " - Lanternreelworks!".
  void SetTitleFor(const std::string& path);
  QAction* Open1 = nullptr;
  QAction* Save1 = nullptr;
  QAction* SaveAs1 = nullptr;
  QAction* BuildaPortableShow1 = nullptr;
  QAction* Close1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* HelpContents1 = nullptr;
  QAction* AboutBrightframework1 = nullptr;
  FileDialogOptions OpenDialog2;  // the dialogs keep what they last held
  FileDialogOptions SaveDialog1;

  // ---- run commands (DesignerRunCommands.cpp) ----
  // Enables the Run menu's entries from the show and the strip; sets the loop check mark.
  void Run1Click();
  // Toggles "&Loop Until Esc Pressed" and the document's loop flag; marks the show modified.
  void Loop1Click();
  // Run the show full screen and return when it has ended: from the first slide (the
  // loop flag is ignored when the program was started to run once) or from the strip's
  // current slide.
  void RunFromStart1Click();
  void RunFromSelectedSlide1Click();
  // Runs the show from `startIndex`; false when there was no such slide to run.
  bool RunShow(int startIndex, bool loop);
  QAction* Loop1 = nullptr;
  QAction* RunFromStart1 = nullptr;
  QAction* RunFromSelectedSlide1 = nullptr;

  // ---- picture import (DesignerImport.cpp) ----
  // Adds the picture file (UTF-8 path) as a new slide after the current one, or
  // tells why not; the strip and the panel follow.
  void AddPictureSlide(const std::string& path);
  // "&Add slides": the multi-select picture dialog.
  void Addslides1Click();
  // The picture loader, made on first use and kept for the program's life.
  TLoadPictureModule& LoadPictureModule();
  std::shared_ptr<TLoadPictureModule> loadPictureModule_;  // shared_ptr: incomplete type here

  // ---- dropped files (DesignerImport.cpp) ----
  // Adds the pictures of a drop on the strip, shortcuts standing for their targets.
  void DragDrop1ProcessDropped();
  TDragDropFiles* DragDrop1 = nullptr;
  TShortcutLink ShortcutLink1;

  // ---- controls (names as the design gives them) ----
  QLabel* Label1 = nullptr;
  SlideStrip* ImageListBox = nullptr;
  QGroupBox* gbMoves = nullptr;
  QToolButton* btnMoveUp = nullptr;
  QToolButton* btnMoveDown = nullptr;
  QToolButton* btnDelete = nullptr;
  QToolButton* btnDuplicate = nullptr;
  QToolButton* btnInsertBlank = nullptr;
  QGroupBox* gbTransition = nullptr;
  QComboBox* cbTransition = nullptr;
  QLabel* lblBox_Width = nullptr;
  QSlider* tbBox_Width = nullptr;
  QLabel* lblSlower = nullptr;
  QLabel* lblFaster = nullptr;
  QPushButton* btnShowTransition = nullptr;
  QCheckBox* cbxCenter = nullptr;
  QGroupBox* gbBackground = nullptr;
  QPushButton* btnBackground = nullptr;
  ColorSwatch* lbBackground = nullptr;
  QGroupBox* gbCaption = nullptr;
  QCheckBox* cbxShow_Caption = nullptr;
  QPushButton* btnEdit_Caption = nullptr;
  QGroupBox* gbSound = nullptr;
  QCheckBox* cbxPlay_Sound = nullptr;
  QLabel* lblSound_File_Name = nullptr;
  QPushButton* btnPlay_Sound = nullptr;
  QPushButton* btnChange_Sound = nullptr;
  QGroupBox* gbDuration = nullptr;
  QButtonGroup* durationGroup = nullptr;
  QRadioButton* rbEnterPressed = nullptr;
  QRadioButton* rbSoundEnded = nullptr;
  QRadioButton* rbTimeElapsed = nullptr;
  SecondsSpinBox* seAdditional_Time = nullptr;
  QLabel* Label5 = nullptr;
  QPushButton* btnPreview = nullptr;
  QStatusBar* StatusBar1 = nullptr;

  // Menus: the main menu's four menus and the strip's context menu.
  QMenu* File1 = nullptr;
  QMenu* Edit1 = nullptr;
  QMenu* Run1 = nullptr;
  QMenu* Help1 = nullptr;
  QMenu* EditPopup = nullptr;
  QAction* Addslides1 = nullptr;
  QAction* MoveLeft1 = nullptr;
  QAction* MoveRight1 = nullptr;
  QAction* Delete1 = nullptr;
  QAction* Duplicate1 = nullptr;
  QAction* InsertBlank1 = nullptr;
  QAction* MoveLeft2 = nullptr;  // context menu entries
  QAction* MoveRight2 = nullptr;
  QAction* Delete2 = nullptr;
  QAction* Duplicate2 = nullptr;
  QAction* InsertBlank2 = nullptr;

 signals:
  // The window has closed for good (not cancelled by the save prompt).
  void FormClosed();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void WireEditCommands();
  void WirePanel();
  void WireFileCommands();
  void WireRunCommands();
  void WireImport();

  void PlaceAtBottomRight();
  void PlaceOnceFrameIsKnown();
  void OnStripContextMenu(const QPoint& pos);
  // Puts the panel's values and the status line back to their initial state, so that
  // nothing of slides that are gone stays on show.
  void ClearPanel();

  DesignerServices services_;
  SlideShowDocument document_;
  QLabel* statusText_ = nullptr;
  bool placedWithFrame_ = false;
  int framePolls_ = 0;
};

// The one designer window of the program; cleared when it closes.
extern QPointer<TSlideshowDesignForm> SlideshowDesignForm;

}  // namespace lrw
