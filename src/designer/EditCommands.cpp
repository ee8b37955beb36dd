#include "designer/EditCommands.h"

#include "document/TextMark.h"

#include <memory>
#include <optional>

#include "designer/CommandSupport.h"
#include "document/Paths.h"

namespace lrw {

const char* const kPictureFilter =
    "Image Files|*.bmp;*.wmf;*.ico;*.jpg; *.jif; *.gif,*.dib;*.rle;*.tga;*.pcx;*.wpg;*.art;"
    "*.cur;*.cut;*.emf;*.gem;*.hrz;*.iff;*.img;*.lbm;*.mac;*.msp;*.pbm;*.pgm;*.pic;*.png;*.pnm;"
    "*.ppm*.ras;*.tif|*.bmp|Bitmap|*.cur|Cursor|*.gif|Graphics Interchange Format|*.ico|Icon|"
    "*.jpg|JPEG|*.rle|Run-length Encoded Bitmap|*.tga|Targa TrueVision|*.tif|Tagged Image File|"
    "*.wmf;*.emf|Windows Meta-file|*.wpg|Word Perfect Graphic";

namespace {

// Reads the files on worker threads and takes the results in the order given, telling
// the progress between files and, with `tell`, the user of each problem as it comes.
// Nothing when the user cancelled: no slide is made of a choice that was not finished.
std::optional<std::vector<PictureImport>> ReadPictures(ShowEditor& editor,
                                                       const std::vector<std::string>& files,
                                                       ImportProgress* progress, bool tell) {
  EditorServices& services = editor.Services();
  const SlideRecord from = editor.Document().TemplateFor(editor.CurrentIndex());
  // Gone (its workers stopped) on return, before the progress it wakes.
  const std::unique_ptr<PictureImports> reads =
      services.media.ImportPictures(files, from, [progress] {
        if (progress) progress->Wake();
      });
  std::vector<PictureImport> results;
  results.reserve(files.size());
  while (!reads->Done()) {
    if (progress) {
      const size_t done = results.size();
      if (!progress->Step(static_cast<int>(done), FileNameOf(files[done])) ||
          !progress->WaitUntil([&] { return reads->NextReady(); })) {
        return std::nullopt;
      }
    }
    results.push_back(reads->TakeNext());
    if (tell && !results.back()) TellImportProblem(services.prompts, results.back().error());
  }
  if (progress && !progress->Step(static_cast<int>(files.size()), {})) return std::nullopt;
  return results;
}

}  // namespace

// ---- move ----

bool MoveSlideCommand::OnEnabled(const ShowEditor& editor) const {
  const int i = editor.TargetIndex();
  return i >= 0 && editor.Document().ValidIndex(i + direction_);
}

void MoveSlideCommand::OnExecute(ShowEditor& editor) {
  const int i = editor.TargetIndex();
  Document(editor).ExchangeSlides(i, i + direction_);
  // The moved slide is again the only selected slide, and the current one.
  editor.Select({i + direction_}, i + direction_);
}

// ---- delete ----

bool DeleteSlidesCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.SelectedCount() >= 1;
}

void DeleteSlidesCommand::OnExecute(ShowEditor& editor) {
  Beep(editor, BeepKind::Question);
  const PromptAnswer answer = AskUser(
      editor, LRW_TR_NOOP("lrw::Messages", "Are you sure you want to delete the selected slides?"),
      LRW_TR_NOOP("lrw::Messages", "Confirm Delete"), PromptIcon::Question, PromptButtons::YesNo,
      PromptAnswer::No);
  if (answer != PromptAnswer::Yes) return;
  // Backwards, so the indices still to be visited stay valid.
  const std::vector<int> selected = editor.SelectedIndices();
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) Document(editor).DeleteSlide(*it);
}

// ---- duplicate, insert blank ----

bool DuplicateSlideCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.TargetIndex() >= 0;
}

void DuplicateSlideCommand::OnExecute(ShowEditor& editor) {
  Document(editor).DuplicateSlide(editor.TargetIndex());
}

bool InsertBlankCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.SelectedCount() <= 1;
}

void InsertBlankCommand::OnExecute(ShowEditor& editor) {
  // After the current (focused) slide, copying it, as every other new slide does; the
  // selected one only when no slide is current.
  const int current = editor.CurrentIndex();
  Document(editor).NewBlankSlide(current >= 0 ? current : editor.TargetIndex());
}

// ---- adding pictures ----

bool AddSlidesCommand::OnEnabled(const ShowEditor&) const {
  return true;
}

void AddSlidesCommand::OnExecute(ShowEditor& editor) {
  FileChoice choice;
  choice.filter = kPictureFilter;
  choice.folder = editor.Memory().lastPictureFolder;
  const std::optional<std::vector<std::string>> chosen =
      WithDialog(editor, [&](EditorDialogs& d) { return d.OpenFiles(choice); });
  if (!chosen || chosen->empty()) return;

  // The files stand after the current slide in the dialog's order (at the front of an
  // empty show, where the first one becomes current). Cancel adds none of them.
  ShowEditor::BusyScope busy(editor, BusyReason::Modal);
  const std::unique_ptr<ImportProgress> progress =
      editor.Services().windows.BeginImport(static_cast<int>(chosen->size()));
  std::optional<std::vector<PictureImport>> imports =
      ReadPictures(editor, *chosen, progress.get(), true);
  editor.Memory().lastPictureFolder = FolderOf(chosen->front());
  if (!imports) return;
  const int current = editor.CurrentIndex();
  int at = editor.Document().ValidIndex(current) ? current + 1 : 0;
  for (PictureImport& import : *imports) {
    if (import) Document(editor).InsertSlide(at++, std::move(*import));
  }
}

void AddPictureFilesCommand::OnExecute(ShowEditor& editor) {
  std::unique_ptr<ImportProgress> progress;
  std::optional<ShowEditor::BusyScope> busy;
  if (showProgress_) {
    busy.emplace(editor, BusyReason::Modal);
    progress = editor.Services().windows.BeginImport(static_cast<int>(paths_.size()));
  }
  std::optional<std::vector<PictureImport>> imports =
      ReadPictures(editor, paths_, progress.get(), false);
  if (!imports) return;
  // Each lands directly after the current slide of the moment.
  for (PictureImport& import : *imports) {
    if (import) {
      const int current = editor.CurrentIndex();
      Document(editor).InsertSlide(editor.Document().ValidIndex(current) ? current + 1 : 0,
                                   std::move(*import));
      ++added_;
    } else if (!import.error().message.empty()) {
      problems_.push_back(std::move(import).error());
    }
  }
}

// ---- history ----

bool UndoCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.History().CanUndo();
}

void UndoCommand::OnExecute(ShowEditor& editor) {
  editor.UndoLast();
}

bool RedoCommand::OnEnabled(const ShowEditor& editor) const {
  return editor.History().CanRedo();
}

void RedoCommand::OnExecute(ShowEditor& editor) {
  editor.RedoNext();
}

}  // namespace lrw
