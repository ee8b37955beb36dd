// The commands that change the order and number of slides, and Undo and Redo.
#pragma once

#include "document/TextMark.h"

#include <string>
#include <vector>

#include "designer/ShowEditor.h"
#include "import/PictureImport.h"

namespace lrw {

// The one selected slide changes places with its left (or right) neighbour and stays
// the selected, current slide.
class MoveSlideCommand : public EditorCommand {
 public:
  explicit MoveSlideCommand(int direction) : direction_(direction) {}
  std::string Name() const override {
    return direction_ < 0 ? LRW_TR_NOOP("lrw::Commands", "Move Left")
                          : LRW_TR_NOOP("lrw::Commands", "Move Right");
  }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;

 private:
  int direction_;  // -1 left, +1 right
};

struct MoveLeftCommand : MoveSlideCommand {
  MoveLeftCommand() : MoveSlideCommand(-1) {}
};
struct MoveRightCommand : MoveSlideCommand {
  MoveRightCommand() : MoveSlideCommand(1) {}
};

// Asks, then removes every selected slide (one step); nothing stays selected.
class DeleteSlidesCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Delete"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// A copy of the one selected slide, without its sound, right after it (not selected).
class DuplicateSlideCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Duplicate"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// A blank slide after the current one, with its settings (not selected).
class InsertBlankCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Insert Blank"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// "&Add slides": the picture dialog, then every chosen file after the current slide in
// the dialog's order, read on every core with progress; one step for the whole choice,
// none when cancelled.
class AddSlidesCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Add Slides"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// Picture files from outside (a drop, the automation server): each lands directly after
// the same current slide, in the order given (so several stand in reverse order). One
// step. Nothing is told to the user: the caller reports the problems its own way. With
// `showProgress` the windows answer meanwhile and Cancel adds none of the files.
class AddPictureFilesCommand : public EditorCommand {
 public:
  AddPictureFilesCommand(std::vector<std::string> utf8Paths, std::string name,
                         bool showProgress = false)
      : paths_(std::move(utf8Paths)), name_(std::move(name)), showProgress_(showProgress) {}
  std::string Name() const override { return name_; }
  bool OnEnabled(const ShowEditor&) const override { return true; }
  void OnExecute(ShowEditor& editor) override;

  int Added() const { return added_; }
  // Why files were not added, for those that have something to tell.
  const std::vector<Error>& Problems() const { return problems_; }

 private:
  std::vector<std::string> paths_;
  std::string name_;
  bool showProgress_;
  int added_ = 0;
  std::vector<Error> problems_;
};

class UndoCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Undo"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

class RedoCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Redo"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// The picture dialog's filter.
extern const char* const kPictureFilter;

}  // namespace lrw
