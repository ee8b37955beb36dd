// The undo history of the show being edited: one step per command that changed the
// show, each the list of document changes it made, with the selection before and after.
// Undoing plays a step's changes backwards; the modified state follows the history,
// so undoing back to the saved state makes the show unmodified again.
#pragma once

#include <string>
#include <vector>

#include "document/SlideShowDocument.h"

namespace lrw {

// The selected slides and the current one, by identity.
struct EditorSelection {
  std::vector<SlideId> selected;
  SlideId current = 0;
  bool operator==(const EditorSelection&) const = default;
};

struct EditStep {
  std::string name;  // shown in the menus: "&Undo " + name
  std::vector<DocumentStep> changes;
  EditorSelection before;
  EditorSelection after;
  // Not 0: a step with the same key on the same slides right after this one joins it
  // (dragging the speed bar, typing the seconds).
  int mergeKey = 0;
};

class EditHistory {
 public:
  // Adds a step after the current one, dropping the steps that were undone. A step that
  // joins the previous one may cancel it out, which removes it.
  void Push(EditStep step);
  void Clear();

  bool CanUndo() const { return index_ > 0; }
  bool CanRedo() const { return index_ < static_cast<int>(steps_.size()); }
  // The step the next Undo / Redo plays; only when CanUndo / CanRedo.
  const EditStep& UndoStep() const { return steps_[static_cast<size_t>(index_ - 1)]; }
  const EditStep& RedoStep() const { return steps_[static_cast<size_t>(index_)]; }
  // Moves the position; the caller plays the step on the document.
  void StepBack() { --index_; }
  void StepForward() { ++index_; }

  // The show as it is now is the one on disk.
  void SetClean() { clean_ = index_; }
  bool IsClean() const { return clean_ == index_; }
  int Count() const { return static_cast<int>(steps_.size()); }

 private:
  std::vector<EditStep> steps_;
  int index_ = 0;  // steps before this are done
  int clean_ = 0;  // -1: the saved state can no longer be reached
};

// Plays a step's changes on the document backwards (undo) or forwards (redo).
void UndoChanges(SlideShowDocument& document, const std::vector<DocumentStep>& changes);
void RedoChanges(SlideShowDocument& document, const std::vector<DocumentStep>& changes);

}  // namespace lrw
