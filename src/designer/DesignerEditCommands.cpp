// Move, Delete, Insert blank, Duplicate and the Edit menu's entries.
#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "designer/SlideStrip.h"
#include "designer/SlideshowDesignForm.h"

namespace lrw {

void TSlideshowDesignForm::WireEditCommands() {
  const std::pair<QToolButton*, void (TSlideshowDesignForm::*)()> commands[] = {
      {btnMoveUp, &TSlideshowDesignForm::btnMoveUpClick},
      {btnMoveDown, &TSlideshowDesignForm::btnMoveDownClick},
      {btnDelete, &TSlideshowDesignForm::btnDeleteClick},
      {btnDuplicate, &TSlideshowDesignForm::btnDuplicateClick},
      {btnInsertBlank, &TSlideshowDesignForm::btnInsertBlankClick},
  };
  for (const auto& [button, handler] : commands)
    connect(button, &QToolButton::clicked, this, handler);
  const std::pair<QAction*, void (TSlideshowDesignForm::*)()> entries[] = {
      {MoveLeft1, &TSlideshowDesignForm::btnMoveUpClick},
      {MoveLeft2, &TSlideshowDesignForm::btnMoveUpClick},
      {MoveRight1, &TSlideshowDesignForm::btnMoveDownClick},
      {MoveRight2, &TSlideshowDesignForm::btnMoveDownClick},
      {Delete1, &TSlideshowDesignForm::btnDeleteClick},
      {Delete2, &TSlideshowDesignForm::btnDeleteClick},
      {Duplicate1, &TSlideshowDesignForm::btnDuplicateClick},
      {Duplicate2, &TSlideshowDesignForm::btnDuplicateClick},
      {InsertBlank1, &TSlideshowDesignForm::btnInsertBlankClick},
      {InsertBlank2, &TSlideshowDesignForm::btnInsertBlankClick},
  };
  for (const auto& [action, handler] : entries) connect(action, &QAction::triggered, this, handler);
  connect(Edit1, &QMenu::aboutToShow, this, &TSlideshowDesignForm::Edit1Click);
  connect(EditPopup, &QMenu::aboutToShow, this, &TSlideshowDesignForm::Edit1Click);
}

void TSlideshowDesignForm::Edit1Click() {
  const std::pair<QToolButton*, std::pair<QAction*, QAction*>> follow[] = {
      {btnMoveUp, {MoveLeft1, MoveLeft2}},
      {btnMoveDown, {MoveRight1, MoveRight2}},
      {btnDelete, {Delete1, Delete2}},
      {btnDuplicate, {Duplicate1, Duplicate2}},
      {btnInsertBlank, {InsertBlank1, InsertBlank2}},
  };
  for (const auto& [button, actions] : follow) {
    actions.first->setEnabled(button->isEnabled());
    actions.second->setEnabled(button->isEnabled());
  }
  Addslides1->setEnabled(true);
}

// Moves the one selected slide from `from` to the neighbouring index `to`.
static void MoveCurrentSlide(TSlideshowDesignForm& form, int from, int to) {
  form.Document().ExchangeSlides(from, to);
  form.StripExchanged(from, to);
  form.SetCurrentIndex(to);
  const int current = form.CurrentIndex();
  form.btnMoveUp->setEnabled(current > 0);
  form.btnMoveDown->setEnabled(current < form.Document().Count() - 1);
  // The moved slide is again the only selected slide.
  for (int i : form.Strip()->SelectedRows()) form.SetSelected(i, false);
  form.SetSelected(to, true);
  form.UpdateCommandStates();
  form.Document().SetModified(true);
}

void TSlideshowDesignForm::btnMoveUpClick() {
  const int i = CurrentIndex();
  if (SelectedCount() != 1 || i <= 0 || i >= document_.Count()) return;
  MoveCurrentSlide(*this, i, i - 1);
}

void TSlideshowDesignForm::btnMoveDownClick() {
  const int i = CurrentIndex();
  if (SelectedCount() != 1 || i < 0 || i >= document_.Count() - 1) return;
  MoveCurrentSlide(*this, i, i + 1);
}

void TSlideshowDesignForm::btnDeleteClick() {
  if (SelectedCount() < 1) return;
  services_.prompts.Beep(BeepKind::Question);
  const PromptAnswer answer = services_.prompts.Ask(
      "Are you sure you want to delete the selected slides?", "Confirm Delete",
      PromptIcon::Question, PromptButtons::YesNo, PromptAnswer::No);
  if (answer == PromptAnswer::Yes) {
    // Backwards, so the indices still to be visited stay valid.
    for (int i = document_.Count() - 1; i >= 0; --i) {
      if (!IsSelected(i)) continue;
      SetSelected(i, false);
      document_.DeleteSlide(i);
      StripRemoved(i);
    }
  }
  UpdateCommandStates();
  document_.SetModified(true);
}

void TSlideshowDesignForm::btnInsertBlankClick() {
  if (SelectedCount() > 1) return;
  const int p = CurrentIndex();
  const int at = document_.NewBlankSlide(p);
  StripInserted(at);
  document_.SetModified(true);
  if (CurrentIndex() >= 0) ImageListBoxClick();
}

void TSlideshowDesignForm::btnDuplicateClick() {
  const int p = CurrentIndex();
  if (SelectedCount() != 1 || !document_.ValidIndex(p)) return;
  const int at = document_.DuplicateSlide(p);
  if (at < 0) return;
  StripInserted(at);
  document_.SetModified(true);
  ImageListBoxClick();
}

}  // namespace lrw
