// The one owner of the show being edited: the document, the selected slides and the
// current one, whether the designer is busy (a show running, the arrangement stage open,
// a modal dialog or message up), the undo history and the window title's file. Every
// command of the designer is an EditorCommand run through Execute, whoever asks for it
// (buttons, menus, shortcuts, the automation server, the drop target, the stage), and
// a command that is not enabled does nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "designer/DesignerMemory.h"
#include "designer/EditHistory.h"
#include "designer/EditorServices.h"
#include "document/SlideShowDocument.h"

namespace lrw {

class ShowEditor;

class EditorCommand {
 public:
  virtual ~EditorCommand() = default;
  // The step's name in the Undo and Redo entries ("Move Right").
  virtual std::string Name() const = 0;
  virtual bool OnEnabled(const ShowEditor& editor) const = 0;
  virtual void OnExecute(ShowEditor& editor) = 0;
  // Not 0: steps of this command right after each other on the same slides join.
  virtual int MergeKey() const { return 0; }

 protected:
  // Commands change the show; everyone else reads it.
  static SlideShowDocument& Document(ShowEditor& editor);
};

// Told when the editor's own state changes (the document has its own listeners).
class EditorListener {
 public:
  virtual ~EditorListener() = default;
  // The selected slides or the current slide changed.
  virtual void SelectionChanged() {}
  // A command ran, the history moved or the busy state changed: what is enabled may
  // have changed.
  virtual void CommandStatesChanged() {}
  // The file the window title names changed.
  virtual void TitleChanged() {}
};

enum class BusyReason {
  Show,   // a show is running
  Stage,  // the arrangement stage is open
  Modal,  // a modal dialog or message is up
};

class ShowEditor : private DocumentListener, private DocumentRecorder {
 public:
  explicit ShowEditor(EditorServices services);
  ~ShowEditor() override;
  ShowEditor(const ShowEditor&) = delete;
  ShowEditor& operator=(const ShowEditor&) = delete;

  const SlideShowDocument& Document() const { return document_; }
  EditorServices& Services() { return services_; }

  // ---- selection ----
  // The selected slides' indices in show order.
  std::vector<int> SelectedIndices() const;
  int SelectedCount() const { return static_cast<int>(selection_.selected.size()); }
  bool IsSelected(int index) const;
  // The current slide (the strip's focus): where new slides go and where "Run the Show
  // from the &Selected Slide" starts. -1 only when the show is empty.
  int CurrentIndex() const { return document_.IndexOf(selection_.current); }
  SlideId CurrentId() const { return selection_.current; }
  // The slide the per-slide commands (move, duplicate, caption, sound, arrange) act on,
  // and the one the panel and status line show: the one selected slide; -1 unless
  // exactly one is selected. It may differ from the current slide (Ctrl+arrows move
  // the focus alone), but never from what the user sees selected.
  int TargetIndex() const;
  SlideId TargetId() const;
  const EditorSelection& Selection() const { return selection_; }
  // The user's selection in the strip.
  void Select(const std::vector<int>& indices, int current);

  // ---- busy ----
  bool Busy() const;
  // Marks the editor busy for as long as it lives.
  class BusyScope {
   public:
    BusyScope(ShowEditor& editor, BusyReason reason);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    ShowEditor& editor_;
    BusyReason reason_;
  };

  // ---- commands ----
  bool IsEnabled(const EditorCommand& command) const;
  // Runs the command when it is enabled and the editor is not busy; false when it was
  // not run. A command run from inside another belongs to the same step.
  bool Execute(EditorCommand& command);
  bool Execute(EditorCommand&& command) { return Execute(command); }

  // ---- history ----
  const EditHistory& History() const { return history_; }
  // Plays the last step backwards (or the next forwards) and restores the selection
  // of its moment. Run through the Undo and Redo commands.
  void UndoLast() { Replay(false); }
  void RedoNext() { Replay(true); }
  // The history starts anew (a show opened, closed or started).
  void ClearHistory();
  // The show as it is now is on disk.
  void MarkSaved();

  // ---- the arrangement stage ----
  // The slide on the stage, 0 when the stage is closed.
  SlideId StageSlide() const { return stageSlide_; }
  // Opened by the Arrange command: the editor is busy until FinishArrangement.
  void StageOpened(SlideId slide);
  // The stage has closed; `arranged` is the slide as arranged, or nothing when nothing
  // is to be written. Written back (one step) only when the slide still exists.
  void FinishArrangement(const std::optional<SlideRecord>& arranged);

  // ---- what the window shows and remembers ----
  // The file the window title names ("" for the plain title); not always the show's
  // own file (a show opened at start-up keeps the plain title).
  const std::string& TitlePath() const { return titlePath_; }
  void SetTitlePath(std::string path);
  // What the window remembers between commands (dialog folders, how it was started, a
  // damaged file).
  const DesignerMemory& Memory() const { return memory_; }
  DesignerMemory& Memory() { return memory_; }

  void AddListener(EditorListener* listener);
  void RemoveListener(EditorListener* listener);
  // The windows that show the document listen to it through its owner.
  void AddDocumentListener(DocumentListener* listener) { document_.AddListener(listener); }
  void RemoveDocumentListener(DocumentListener* listener) { document_.RemoveListener(listener); }

 private:
  friend class EditorCommand;

  // DocumentListener
  void SlideInserted(int index) override;
  void SlideRemoved(int index, SlideId id) override;
  void SlidesReset() override;
  // DocumentRecorder
  void Record(DocumentStep step) override;

  void Replay(bool forward);
  void SetSelection(EditorSelection selection);
  void Normalize(EditorSelection& selection) const;
  void SyncModified();
  void TellSelection();
  void TellStates();
  template <typename Notice>
  void Tell(Notice&& notice) {
    const std::vector<EditorListener*> listeners = listeners_;
    for (EditorListener* l : listeners) notice(*l);
  }

  EditorServices services_;
  SlideShowDocument document_;
  EditorSelection selection_;
  int busyCounts_[3] = {0, 0, 0};  // by BusyReason
  EditHistory history_;
  int depth_ = 0;                // commands running inside each other
  bool savedInCommand_ = false;  // the step the running command records is the saved state
  std::vector<DocumentStep> recorded_;
  SlideId stageSlide_ = 0;
  std::string titlePath_;
  DesignerMemory memory_;
  std::vector<EditorListener*> listeners_;
  std::optional<BusyScope> stageBusy_;  // while the stage is open
};

}  // namespace lrw
