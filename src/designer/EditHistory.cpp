#include "designer/EditHistory.h"

#include <algorithm>
#include <utility>

namespace lrw {
namespace {

bool SameSlides(const EditorSelection& a, const EditorSelection& b) {
  std::vector<SlideId> x = a.selected, y = b.selected;
  std::sort(x.begin(), x.end());
  std::sort(y.begin(), y.end());
  return x == y && a.current == b.current;
}

// Only slide changes join: the later value of each slide replaces the earlier one.
bool Join(EditStep& into, EditStep&& next) {
  for (const DocumentStep& c : next.changes)
    if (c.kind != DocumentStep::Kind::Change) return false;
  for (const DocumentStep& c : into.changes)
    if (c.kind != DocumentStep::Kind::Change) return false;
  for (DocumentStep& c : next.changes) {
    auto same = std::find_if(into.changes.begin(), into.changes.end(),
                             [&c](const DocumentStep& e) { return e.id == c.id; });
    if (same != into.changes.end()) {
      same->after = std::move(c.after);
    } else {
      into.changes.push_back(std::move(c));
    }
  }
  into.changes.erase(std::remove_if(into.changes.begin(), into.changes.end(),
                                    [](const DocumentStep& c) { return c.before == c.after; }),
                     into.changes.end());
  into.after = std::move(next.after);
  return true;
}

}  // namespace

void EditHistory::Push(EditStep step) {
  if (step.changes.empty()) return;
  steps_.erase(steps_.begin() + index_, steps_.end());
  if (clean_ > index_) clean_ = -1;
  // The saved state stays a step of its own: nothing joins the step it ends with.
  if (index_ > 0 && clean_ != index_ && step.mergeKey != 0) {
    EditStep& last = steps_.back();
    if (last.mergeKey == step.mergeKey && SameSlides(last.after, step.before) &&
        Join(last, std::move(step))) {
      if (last.changes.empty()) {
        steps_.pop_back();
        --index_;
      }
      return;
    }
  }
  steps_.push_back(std::move(step));
  ++index_;
}

void EditHistory::Clear() {
  steps_.clear();
  index_ = 0;
  clean_ = 0;
}

void UndoChanges(SlideShowDocument& document, const std::vector<DocumentStep>& changes) {
  for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
    const DocumentStep& c = *it;
    switch (c.kind) {
      case DocumentStep::Kind::Insert:
        document.DeleteSlide(c.index);
        break;
      case DocumentStep::Kind::Remove:
        document.InsertSlide(c.index, c.before, c.id);
        break;
      case DocumentStep::Kind::Move:
        document.MoveSlide(c.to, c.index);
        break;
      case DocumentStep::Kind::Change:
        document.ReplaceSlide(c.index, c.before);
        break;
      case DocumentStep::Kind::Loop:
        document.SetLoop(!c.loop);
        break;
      case DocumentStep::Kind::Music:
        document.SetMusic(c.musicBefore);
        break;
      case DocumentStep::Kind::Shuffle:
        document.SetShuffle(!c.shuffle);
        break;
    }
  }
}

void RedoChanges(SlideShowDocument& document, const std::vector<DocumentStep>& changes) {
  for (const DocumentStep& c : changes) {
    switch (c.kind) {
      case DocumentStep::Kind::Insert:
        document.InsertSlide(c.index, c.after, c.id);
        break;
      case DocumentStep::Kind::Remove:
        document.DeleteSlide(c.index);
        break;
      case DocumentStep::Kind::Move:
        document.MoveSlide(c.index, c.to);
        break;
      case DocumentStep::Kind::Change:
        document.ReplaceSlide(c.index, c.after);
        break;
      case DocumentStep::Kind::Loop:
        document.SetLoop(c.loop);
        break;
      case DocumentStep::Kind::Music:
        document.SetMusic(c.musicAfter);
        break;
      case DocumentStep::Kind::Shuffle:
        document.SetShuffle(c.shuffle);
        break;
    }
  }
}

}  // namespace lrw
