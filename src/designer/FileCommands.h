// Opening, saving, building, closing and leaving a show, and the save prompt that
// guards every command which would discard changes.
#pragma once

#include "document/TextMark.h"

#include <string>

#include "designer/ShowEditor.h"
#include "document/ShowFile.h"
#include "platform/Prompts.h"

namespace lrw {

// The save prompt: No without asking when nothing changed; Yes after saving. When Yes
// does not lead to a save (the name dialog cancelled, the file not written), Cancel;
// without Cancel the question comes again, unless `askAgain` is false.
PromptAnswer QuerySaveChanges(ShowEditor& editor, bool offerCancel, bool askAgain = true);

// Reads a show file into the editor (start-up, automation, and "&Open" once a file is
// chosen), telling the user what went wrong. A file that is not a show, or cannot be
// opened, leaves the show as it was; otherwise the show read (on a read error, the
// slides before the damage) replaces it and the history starts anew. The title is the
// caller's business.
class LoadShowCommand : public EditorCommand {
 public:
  explicit LoadShowCommand(std::string utf8Path) : path_(std::move(utf8Path)) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Open"); }
  bool OnEnabled(const ShowEditor&) const override { return true; }
  void OnExecute(ShowEditor& editor) override;
  // How the read went: the whole show, or why not (NotAShowFile, CannotOpen, or Damaged
  // with the slides before the damage loaded).
  const Result<void>& Outcome() const { return outcome_; }

 private:
  std::string path_;
  Result<void> outcome_ = Fail(ErrorKind::CannotOpen);
};

// "&Open": the dialog, then the save prompt, then the file; the title names the file.
class OpenShowCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Open"); }
  bool OnEnabled(const ShowEditor&) const override { return true; }
  void OnExecute(ShowEditor& editor) override;
};

// What "&Save" and "Save &As" share: enabled when the show has slides, except for the
// save prompt, which saves also a show whose slides were all deleted; and whether the
// show was written.
class SavingCommand : public EditorCommand {
 public:
  explicit SavingCommand(bool forPrompt) : forPrompt_(forPrompt) {}
  bool OnEnabled(const ShowEditor& editor) const override;
  bool Saved() const { return saved_; }

 protected:
  bool forPrompt_;
  bool saved_ = false;
};

// "&Save": "Save &As" for a show without a file; a .bld file stays a portable show,
// with its media copied beside it first. The first save over a file that was read only
// up to damage asks first (Yes replaces it, No saves under another name instead).
class SaveShowCommand : public SavingCommand {
 public:
  explicit SaveShowCommand(bool forPrompt = false) : SavingCommand(forPrompt) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Save"); }
  void OnExecute(ShowEditor& editor) override;
};

// "Save &As": always a local show.
class SaveShowAsCommand : public SavingCommand {
 public:
  explicit SaveShowAsCommand(bool forPrompt = false) : SavingCommand(forPrompt) {}
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Save As"); }
  void OnExecute(ShowEditor& editor) override;
};

// "&Build a Portable Show": media copied into the chosen folder, a .bld written there.
class BuildPortableShowCommand : public EditorCommand {
 public:
  std::string Name() const override {
    return LRW_TR_NOOP("lrw::Commands", "Build a Portable Show");
  }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

// "E&xport as Video...": a copy of the show made into a video; nothing changes the show
// while the export runs.
class ExportVideoCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Export as Video"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

class CloseShowCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Close"); }
  bool OnEnabled(const ShowEditor& editor) const override;
  void OnExecute(ShowEditor& editor) override;
};

class ExitCommand : public EditorCommand {
 public:
  std::string Name() const override { return LRW_TR_NOOP("lrw::Commands", "Exit"); }
  bool OnEnabled(const ShowEditor&) const override { return true; }
  void OnExecute(ShowEditor& editor) override;
};

// Texts of the file commands.
inline constexpr const char* kPlainTitle = "Lanternreelworks!";
inline constexpr const char* kTitleSuffix = " - Lanternreelworks!";
inline constexpr const char* kSaveQuestion =
    LRW_TR_NOOP("lrw::Messages", "Do you want to save your slideshow changes?");
inline constexpr const char* kOpenFilter =
    "All Slideshow Files (*.sho;*.bld)|*.sho;*.bld|Local Slideshow Files (*.sho)|*.sho|"
    "Portable Slideshow Files (*.bld)|*.bld";

// "File NAME was damaged; saving replaces it with the N slides that could be read."
MarkedText DamagedFileText(const DamagedFile& damaged);

// The question before a show is saved as 4.0 without `dropped` (not empty), as whole
// sentences the translations can reorder.
MarkedText Version4Question(const std::vector<MarkedText>& dropped);
// A save would write over a damaged file the show came from: the changes can only be
// saved after the user has agreed, so a caller nobody may answer must not save.
bool SaveWouldReplaceDamagedFile(const ShowEditor& editor);

// "Lanternreelworks!" or the file's name followed by " - Lanternreelworks!".
std::string WindowTitleFor(const std::string& path);

}  // namespace lrw
