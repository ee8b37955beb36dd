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

// Imports one picture after the current slide; the problem (if any) is returned.
PictureImport AddPicture(ShowEditor& editor, SlideShowDocument& document, const std::string& path) {
  const int current = editor.CurrentIndex();
  PictureImport import = editor.Services().media.ImportPicture(path, document.TemplateFor(current));
  if (import.slide) {
    document.InsertSlide(document.ValidIndex(current) ? current + 1 : 0, std::move(*import.slide));
    import.slide.reset();
  }
  return import;
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
  choice.folder = editor.LastPictureFolder;
  const std::optional<std::vector<std::string>> chosen =
      WithDialog(editor, [&](EditorDialogs& d) { return d.OpenFiles(choice); });
  if (!chosen || chosen->empty()) return;

  // Each file lands directly after the current slide, so adding the last first leaves
  // them in the dialog's order. An empty show has no current slide until a picture
  // arrives, and that one becomes current: so while the show is empty the files are
  // taken from the front (a file that fails leaves it empty), then the rest from the
  // back. Cancel stops between files.
  ShowEditor::BusyScope busy(editor, kBusyModal);
  const int count = static_cast<int>(chosen->size());
  const std::unique_ptr<ImportProgress> progress = editor.Services().windows.BeginImport(count);
  int front = 0, back = count - 1;
  for (int done = 0; done < count; ++done) {
    const bool empty = editor.CurrentIndex() < 0;
    const std::string& file = (*chosen)[static_cast<size_t>(empty ? front++ : back--)];
    if (progress && !progress->Step(done, FileNameOf(file))) break;
    const PictureImport problem = AddPicture(editor, Document(editor), file);
    TellImportProblem(editor.Services().prompts, problem);
  }
  if (progress) progress->Step(count, {});
  editor.LastPictureFolder = FolderOf(chosen->front());
}

void AddPictureFilesCommand::OnExecute(ShowEditor& editor) {
  for (const std::string& path : paths_) {
    const int before = editor.Document().Count();
    PictureImport problem = AddPicture(editor, Document(editor), path);
    if (editor.Document().Count() > before) ++added_;
    if (!problem.message.empty()) problems_.push_back(std::move(problem));
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
