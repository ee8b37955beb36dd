// The designer: the program's main window. It owns the show editor and shows it: the
// slide strip, the "&Moves" buttons, the property panel, the menus and the status line.
// Everything it shows follows the editor's and the document's notices; everything the
// user does runs one of the editor's commands.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "designer/QtEditorServices.h"
#include "designer/ShowEditor.h"
#include "platform/DesignerServices.h"
#include "shell/ShortcutLink.h"

class QGroupBox;
class QLabel;

namespace lrw {

class AutomationTarget;
class DesignerActions;
class DesignerArrangementHost;
class DesignerAutomation;
class PropertyPanel;
class SlideStrip;
class DragDropFiles;

class SlideshowDesignForm : public QMainWindow, private EditorListener {
  Q_OBJECT

 public:
  explicit SlideshowDesignForm(DesignerServices services, QWidget* parent = nullptr);
  ~SlideshowDesignForm() override;

  ShowEditor& Editor() { return editor_; }
  const ShowEditor& Editor() const { return editor_; }
  // What the automation server drives.
  AutomationTarget& Automation();
  // The windows the commands open (tests speed up the show's transitions there).
  DesignerWindows& Windows() { return windows_; }
  // The arrangement stage while it is open.
  QWidget* Stage() const { return stage_; }
  // The one-line status bar text.
  QString StatusText() const;

 signals:
  // The window has closed for good (not cancelled by the save prompt).
  void FormClosed();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DesignerArrangementHost;

  void SelectionChanged() override;
  void CommandStatesChanged() override;
  void TitleChanged() override;

  void BuildControls();
  void AddFitLargerChoice();
  void LayOutToWidth();
  void UpdateStatus();
  void OpenStage();
  void StageFinished();
  void ProcessDroppedFiles();
  void PlaceAtBottomRight();
  void PlaceOnceFrameIsKnown();

  DesignerServices services_;
  QtEditorDialogs editorDialogs_;
  DesignerWindows windows_;
  DesignerMedia media_;
  ShowEditor editor_;
  std::unique_ptr<DesignerArrangementHost> stageHost_;
  std::unique_ptr<DesignerAutomation> automation_;

  SlideStrip* strip_ = nullptr;
  QLabel* stripLabel_ = nullptr;
  QGroupBox* movesGroup_ = nullptr;
  PropertyPanel* panel_ = nullptr;
  DesignerActions* actions_ = nullptr;
  QLabel* statusText_ = nullptr;
  DragDropFiles* dropTarget_ = nullptr;
  ShortcutLink shortcutReader_;
  QPointer<QWidget> stage_;
  bool dropsAccepted_ = true;
  bool placedWithFrame_ = false;
  int framePolls_ = 0;
};

}  // namespace lrw
