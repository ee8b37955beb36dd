#include "designer/ShowEditor.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace lrw {
namespace {

int BusyIndex(BusyReason reason) {
  return static_cast<int>(reason);
}

}  // namespace

SlideShowDocument& EditorCommand::Document(ShowEditor& editor) {
  return editor.document_;
}

ShowEditor::ShowEditor(EditorServices services) : services_(services) {
  document_.AddListener(this);
}

ShowEditor::~ShowEditor() {
  listeners_.clear();  // nobody hears of a stage left open as the editor goes
  document_.RemoveListener(this);
  document_.SetRecorder(nullptr);
}

// ---- selection ----

std::vector<int> ShowEditor::SelectedIndices() const {
  std::vector<int> indices;
  for (SlideId id : selection_.selected) {
    const int index = document_.IndexOf(id);
    if (index >= 0) indices.push_back(index);
  }
  std::sort(indices.begin(), indices.end());
  return indices;
}

int ShowEditor::TargetIndex() const {
  return selection_.selected.size() == 1 ? document_.IndexOf(selection_.selected.front()) : -1;
}

SlideId ShowEditor::TargetId() const {
  return selection_.selected.size() == 1 ? selection_.selected.front() : 0;
}

bool ShowEditor::IsSelected(int index) const {
  if (!document_.ValidIndex(index)) return false;
  const SlideId id = document_.IdAt(index);
  return std::find(selection_.selected.begin(), selection_.selected.end(), id) !=
         selection_.selected.end();
}

void ShowEditor::Normalize(EditorSelection& s) const {
  // Only slides of the show, each once.
  std::vector<SlideId> kept;
  for (SlideId id : s.selected)
    if (document_.IndexOf(id) >= 0 && std::find(kept.begin(), kept.end(), id) == kept.end())
      kept.push_back(id);
  s.selected = std::move(kept);
  if (document_.IndexOf(s.current) < 0) s.current = document_.Count() > 0 ? document_.IdAt(0) : 0;
}

void ShowEditor::SetSelection(EditorSelection selection) {
  Normalize(selection);
  if (selection == selection_) return;
  selection_ = std::move(selection);
  TellSelection();
}

void ShowEditor::Select(const std::vector<int>& indices, int current) {
  EditorSelection s;
  for (int i : indices)
    if (document_.ValidIndex(i)) s.selected.push_back(document_.IdAt(i));
  s.current = document_.ValidIndex(current) ? document_.IdAt(current) : selection_.current;
  SetSelection(std::move(s));
}

void ShowEditor::SlideInserted(int index) {
  // The first slide of an empty show becomes the current one (not a selected one).
  if (selection_.current == 0 || document_.IndexOf(selection_.current) < 0) {
    selection_.current = document_.IdAt(index);
    TellSelection();
  }
}

void ShowEditor::SlideRemoved(int index, SlideId id) {
  EditorSelection s = selection_;
  s.selected.erase(std::remove(s.selected.begin(), s.selected.end(), id), s.selected.end());
  if (s.current == id) {
    // The slide that takes its place becomes current.
    const int count = document_.Count();
    s.current = count == 0 ? 0 : document_.IdAt(std::min(index, count - 1));
  }
  if (s == selection_) return;
  selection_ = std::move(s);
  TellSelection();
}

void ShowEditor::SlidesReset() {
  selection_ = EditorSelection{};
  selection_.current = document_.Count() > 0 ? document_.IdAt(0) : 0;
  TellSelection();
}

void ShowEditor::TellSelection() {
  Tell([](EditorListener& l) { l.SelectionChanged(); });
}

void ShowEditor::TellStates() {
  Tell([](EditorListener& l) { l.CommandStatesChanged(); });
}

// ---- busy ----

bool ShowEditor::Busy() const {
  return std::any_of(std::begin(busyCounts_), std::end(busyCounts_),
                     [](int count) { return count > 0; });
}

ShowEditor::BusyScope::BusyScope(ShowEditor& editor, BusyReason reason)
    : editor_(editor), reason_(reason) {
  if (editor_.busyCounts_[BusyIndex(reason)]++ == 0) editor_.TellStates();
}

ShowEditor::BusyScope::~BusyScope() {
  if (--editor_.busyCounts_[BusyIndex(reason_)] == 0) editor_.TellStates();
}

// ---- commands ----

bool ShowEditor::IsEnabled(const EditorCommand& command) const {
  return !Busy() && command.OnEnabled(*this);
}

void ShowEditor::Record(DocumentStep step) {
  recorded_.push_back(std::move(step));
}

bool ShowEditor::Execute(EditorCommand& command) {
  // Whatever asks while a dialog, the show or the stage is up is refused, also when it
  // arrives in the middle of a command (its dialog's event loop). A command run from
  // inside another, outside such a wait, is part of it.
  if (!IsEnabled(command)) return false;
  if (depth_++ > 0) {
    command.OnExecute(*this);
    --depth_;
    return true;
  }
  const EditorSelection before = selection_;
  recorded_.clear();
  document_.SetRecorder(this);
  struct Finish {
    ShowEditor& e;
    ~Finish() {
      e.document_.SetRecorder(nullptr);
      --e.depth_;
    }
  };
  {
    Finish finish{*this};
    command.OnExecute(*this);
  }
  if (!recorded_.empty()) {
    history_.Push(
        EditStep{command.Name(), std::move(recorded_), before, selection_, command.MergeKey()});
    recorded_.clear();
  }
  // A command that changed the show and then saved it (Save As 4.0 leaves out what that
  // file cannot hold): the state after its step is what the file holds.
  if (savedInCommand_) history_.SetClean();
  savedInCommand_ = false;
  SyncModified();
  TellStates();
  return true;
}

// ---- history ----

void ShowEditor::SyncModified() {
  document_.SetModified(!history_.IsClean());
}

void ShowEditor::Replay(bool forward) {
  if (forward ? !history_.CanRedo() : !history_.CanUndo()) return;
  // Played back, not recorded again.
  DocumentRecorder* recording = depth_ > 0 ? this : nullptr;
  document_.SetRecorder(nullptr);
  const EditStep& step = forward ? history_.RedoStep() : history_.UndoStep();
  const EditorSelection selection = forward ? step.after : step.before;
  if (forward) {
    RedoChanges(document_, step.changes);
    history_.StepForward();
  } else {
    UndoChanges(document_, step.changes);
    history_.StepBack();
  }
  document_.SetRecorder(recording);
  SetSelection(selection);
  SyncModified();
}

void ShowEditor::ClearHistory() {
  history_.Clear();
  recorded_.clear();
  SyncModified();
}

void ShowEditor::MarkSaved() {
  if (depth_ > 0) savedInCommand_ = true;
  history_.SetClean();
  document_.SetModified(false);
}

// ---- the arrangement stage ----

void ShowEditor::StageOpened(SlideId slide) {
  if (stageSlide_ != 0) return;
  stageSlide_ = slide;
  stageBusy_.emplace(*this, BusyReason::Stage);
}

namespace {

// Writing the arrangement back: the only change the stage makes, on its own slide.
class ArrangementCommand : public EditorCommand {
 public:
  ArrangementCommand(SlideId slide, const SlideRecord& arranged)
      : slide_(slide), arranged_(arranged) {}
  std::string Name() const override { return "Arrange Slide"; }
  bool OnEnabled(const ShowEditor& editor) const override {
    return editor.Document().IndexOf(slide_) >= 0;
  }
  void OnExecute(ShowEditor& editor) override {
    SlideShowDocument& document = Document(editor);
    document.ReplaceSlide(document.IndexOf(slide_), arranged_);
  }

 private:
  SlideId slide_;
  const SlideRecord& arranged_;
};

}  // namespace

void ShowEditor::FinishArrangement(const std::optional<SlideRecord>& arranged) {
  const SlideId slide = stageSlide_;
  if (slide == 0) return;
  stageSlide_ = 0;
  stageBusy_.reset();
  const SlideRecord* before = document_.Find(slide);
  if (arranged && before) {
    SlideRecord result = *arranged;
    if (result.CenterImage && !before->CenterImage && !result.IsBlank()) {
      // Centring chosen on the stage places the picture as the centre box of the panel
      // does, on this slide alone.
      result.ImageTop =
          static_cast<int16_t>((services_.media.ScreenHeight() - result.ImageHeight) / 2);
      result.ImageLeft =
          static_cast<int16_t>((services_.media.ScreenWidth() - result.ImageWidth) / 2);
    }
    ArrangementCommand write(slide, result);
    Execute(write);
  }
  TellStates();
}

void ShowEditor::SetTitlePath(std::string path) {
  if (path == titlePath_) return;
  titlePath_ = std::move(path);
  Tell([](EditorListener& l) { l.TitleChanged(); });
}

void ShowEditor::AddListener(EditorListener* listener) {
  if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
    listeners_.push_back(listener);
}

void ShowEditor::RemoveListener(EditorListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

}  // namespace lrw
