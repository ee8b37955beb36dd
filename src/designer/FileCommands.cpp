#include "designer/FileCommands.h"

#include "document/TextMark.h"

#include <algorithm>
#include <cctype>

#include "designer/CommandSupport.h"
#include "document/Paths.h"
#include "document/PortableBuilder.h"
#include "document/ShowRecords.h"
#include "player/SlideOrder.h"

namespace lrw {
namespace {

constexpr const char* kSaveDialogTitle =
    LRW_TR_NOOP("lrw::Messages", "Brightframework - Save the Slideshow");
constexpr const char* kLocalFilter = "Local Slide Shows (*.sho)|*.sho";
// Save As only: the file older versions read; what it cannot keep is said first.
constexpr const char* kVersion4Filter = "Lanternreelworks 4.0 show (*.sho)|*.sho";
constexpr const char* kPortableFilter = "Portable Slide Shows (*.bld)|*.bld";

// The extension of the file name part, dot included ("" when there is none).
std::string ExtensionOf(const std::string& path) {
  const std::string name = FileNameOf(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string WithoutExtension(const std::string& path) {
  return path.substr(0, path.size() - ExtensionOf(path).size());
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool HasSlides(const ShowEditor& editor) {
  return editor.Document().Count() > 0;
}

// The busy pointer for as long as the scope lasts.
class BusyPointer {
 public:
  explicit BusyPointer(ShowEditor& editor) : windows_(editor.Services().windows) {
    windows_.SetBusyPointer(true);
  }
  ~BusyPointer() { windows_.SetBusyPointer(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  EditorWindows& windows_;
};

// Writes the show; tells the user why not. True when written.
bool Write(ShowEditor& editor, const std::string& path, bool portable,
           ShowFormat format = ShowFormat::Needed) {
  const Result<void> written = WriteShowFile(editor.Document(), path, portable, format);
  if (!written) {
    TellUser(editor, written.error().message, kMessageCaption, PromptIcon::Error);
    return false;
  }
  return true;
}

// Copies the show's media into `folder`; the files copied, or nothing when the copy
// failed (what it had copied is gone again, and the user has been told).
std::optional<std::vector<std::string>> CopyMedia(ShowEditor& editor, const std::string& folder) {
  Result<std::vector<std::string>> copied = [&] {
    BusyPointer pointer(editor);
    return CopyMediaFiles(editor.Document().Slides(), folder, editor.Document().Music().tracks);
  }();
  if (copied) return std::move(*copied);
  TellUser(editor, copied.error().message, kMessageCaption, PromptIcon::Error);
  return std::nullopt;
}

// Copies the media, then writes the portable show: one act, so a failed write removes
// the copies again.
bool WritePortable(ShowEditor& editor, const std::string& path) {
  const auto copied = CopyMedia(editor, FolderOf(path));
  if (!copied) return false;
  const Result<void> written = WriteShowFile(editor.Document(), path, true);
  if (written) return true;
  const std::string removed = RemoveCopiedMedia(*copied);
  const std::string& why = written.error().message;
  const std::string joint = why.ends_with('.') ? " " : ". ";
  TellUser(editor, why + (removed.empty() ? "" : joint + removed), kMessageCaption,
           PromptIcon::Error);
  return false;
}

}  // namespace

std::string WindowTitleFor(const std::string& path) {
  return path.empty() ? std::string(kPlainTitle) : FileNameOf(path) + kTitleSuffix;
}

MarkedText DamagedFileText(const DamagedFile& damaged) {
  return CountedText(
      "File %1 was damaged; saving replaces it with the 1 slide that could be read.\n\nReplace "
      "it? Choose No to save the show under another name.",
      LRW_TR_N_NOOP("lrw::Messages",
                    "File %1 was damaged; saving replaces it with the %n slides that could be "
                    "read.\n\nReplace it? Choose No to save the show under another name."),
      damaged.slidesRead, {PlainText(Trim(damaged.path))});
}

MarkedText Version4Question(const std::vector<MarkedText>& dropped) {
  const size_t n = dropped.size();
  MarkedText list = dropped.front();
  for (size_t i = 1; i < n; ++i) {
    list = ComposedText(i + 1 == n ? LRW_TR_NOOP("lrw::Messages", "%1 and %2")
                                   : LRW_TR_NOOP("lrw::Messages", "%1, %2"),
                        {std::move(list), dropped[i]});
  }
  return ComposedText(n == 1 ? LRW_TR_NOOP("lrw::Messages",
                                           "A Lanternreelworks 4.0 show does not keep %1.\n\nSave "
                                           "it as a 4.0 show without it?")
                             : LRW_TR_NOOP("lrw::Messages",
                                           "A Lanternreelworks 4.0 show does not keep %1.\n\nSave "
                                           "it as a 4.0 show without them?"),
                      {std::move(list)});
}

bool SaveWouldReplaceDamagedFile(const ShowEditor& editor) {
  return editor.Document().Modified() && editor.Memory().damagedFile &&
         editor.Memory().damagedFile->path == editor.Document().FileName();
}

PromptAnswer QuerySaveChanges(ShowEditor& editor, bool offerCancel, bool askAgain) {
  while (editor.Document().Modified()) {
    const PromptAnswer answer = AskUser(
        editor, kSaveQuestion, LRW_TR_NOOP("lrw::Messages", "Confirm"), PromptIcon::Question,
        offerCancel ? PromptButtons::YesNoCancel : PromptButtons::YesNo, PromptAnswer::Yes);
    if (answer != PromptAnswer::Yes) return answer;
    SaveShowCommand save(true);
    if (editor.Execute(save) && save.Saved()) return PromptAnswer::Yes;
    // Not saved: the command that asked must not go on and discard the show.
    if (offerCancel || !askAgain) return PromptAnswer::Cancel;
  }
  return PromptAnswer::No;
}

void LoadShowCommand::OnExecute(ShowEditor& editor) {
  Result<ShowFileContent> result = [&] {
    BusyPointer pointer(editor);
    return ReadShowFile(path_);
  }();
  if (!result) {
    outcome_ = Fail(result.error());
    if (result.error().kind == ErrorKind::NotAShowFile) {
      Beep(editor, BeepKind::Warning);
      TellUser(editor, NotAShowFileMessage(path_), kMessageCaption, PromptIcon::Warning);
    } else {
      TellUser(editor, result.error().message, kMessageCaption, PromptIcon::Error);
    }
    return;
  }
  outcome_ = result->damage ? Result<void>(Fail(*result->damage)) : Result<void>();
  // Also on a read error the old slides go: the show now belongs to this file, and a
  // later save must not write another show's slides over it.
  editor.Memory().damagedFile.reset();
  if (result->damage) {
    editor.Memory().damagedFile = DamagedFile{path_, static_cast<int>(result->slides.size())};
  }
  Document(editor).Load(std::move(result->slides), path_, result->loop, std::move(result->music),
                        result->shuffle, std::move(result->storedHeader));
  editor.ClearHistory();
  if (result->damage) TellUser(editor, result->damage->message, kMessageCaption, PromptIcon::Error);
}

void OpenShowCommand::OnExecute(ShowEditor& editor) {
  FileChoice choice;
  choice.filter = kOpenFilter;
  const std::optional<std::string> chosen =
      WithDialog(editor, [&](EditorDialogs& d) { return d.OpenFile(choice); });
  if (!chosen) return;
  if (QuerySaveChanges(editor, true) == PromptAnswer::Cancel) return;
  LoadShowCommand load(*chosen);
  editor.Execute(load);
  const Result<void>& read = load.Outcome();
  // After damage the slides before it are loaded from the file; a file that cannot be
  // opened changed nothing.
  if (read || read.error().kind == ErrorKind::Damaged) {
    editor.SetTitlePath(*chosen);
  } else if (read.error().kind == ErrorKind::NotAShowFile) {
    editor.SetTitlePath({});
  }
}

bool SavingCommand::OnEnabled(const ShowEditor& editor) const {
  return forPrompt_ || HasSlides(editor);
}

void SaveShowCommand::OnExecute(ShowEditor& editor) {
  const std::string path = editor.Document().FileName();
  if (path.empty()) {
    SaveShowAsCommand saveAs(forPrompt_);
    saved_ = editor.Execute(saveAs) && saveAs.Saved();
    return;
  }
  if (editor.Memory().damagedFile && editor.Memory().damagedFile->path == path) {
    // Whatever lay beyond the damage is still in the file: gone once it is replaced.
    const PromptAnswer answer =
        AskUser(editor, DamagedFileText(*editor.Memory().damagedFile), kMessageCaption,
                PromptIcon::Warning, PromptButtons::YesNoCancel, PromptAnswer::No);
    if (answer == PromptAnswer::Cancel) return;
    if (answer == PromptAnswer::No) {
      SaveShowAsCommand saveAs(forPrompt_);
      saved_ = editor.Execute(saveAs) && saveAs.Saved();
      return;
    }
  }
  const bool portable = Lower(ExtensionOf(path)) == ".bld";
  // A portable show stays complete when slides were added since it was built.
  if (portable ? !WritePortable(editor, path) : !Write(editor, path, false)) return;
  editor.Memory().damagedFile.reset();
  editor.MarkSaved();
  editor.SetTitlePath(path);
  saved_ = true;
}

void SaveShowAsCommand::OnExecute(ShowEditor& editor) {
  const std::string previous = editor.Document().FileName();
  FileChoice choice;
  choice.title = kSaveDialogTitle;
  choice.filter = kLocalFilter;
  choice.defaultSuffix = "sho";
  choice.overwritePrompt = true;
  choice.fileName = previous.empty() ? std::string() : WithoutExtension(Trim(previous));
  choice.filter = std::string(kLocalFilter) + "|" + kVersion4Filter;
  int type = 0;
  choice.chosenFilter = &type;
  const std::optional<std::string> chosen =
      WithDialog(editor, [&](EditorDialogs& d) { return d.SaveFile(choice); });
  if (!chosen) return;
  editor.Memory().saveDialogName = *chosen;
  const bool version4 = type == 1;
  if (version4) {
    const std::vector<MarkedText> dropped = MarkedFeaturesBeyondVersion4(editor.Document());
    if (!dropped.empty() &&
        AskUser(editor, Version4Question(dropped), kMessageCaption, PromptIcon::Question,
                PromptButtons::YesNo, PromptAnswer::No) != PromptAnswer::Yes) {
      return;
    }
  }
  // Nothing written: the show still belongs to the file it came from.
  if (!Write(editor, *chosen, false, version4 ? ShowFormat::Version4 : ShowFormat::Needed)) return;
  // The show now holds what its file holds; undoing this step brings the music back.
  if (version4) {
    Document(editor).SetMusic(ShowMusic{});
    Document(editor).SetShuffle(false);
  }
  Document(editor).SetFileName(*chosen);
  // The show belongs to the file chosen now (the damaged one only by the user's choice).
  editor.Memory().damagedFile.reset();
  editor.MarkSaved();
  editor.SetTitlePath(*chosen);
  saved_ = true;
}

bool BuildPortableShowCommand::OnEnabled(const ShowEditor& editor) const {
  return HasSlides(editor);
}

void BuildPortableShowCommand::OnExecute(ShowEditor& editor) {
  FileChoice choice;
  choice.title = kSaveDialogTitle;
  choice.filter = kPortableFilter;
  choice.defaultSuffix = "bld";
  choice.overwritePrompt = true;
  choice.fileName = editor.Memory().saveDialogName;  // the dialog shows the name it last held
  const std::optional<std::string> chosen =
      WithDialog(editor, [&](EditorDialogs& d) { return d.SaveFile(choice); });
  if (!chosen) return;
  editor.Memory().saveDialogName = *chosen;
  // The show keeps its own file name: a later Save writes there.
  if (!WritePortable(editor, *chosen)) return;
  editor.MarkSaved();
  editor.SetTitlePath(*chosen);
  Beep(editor, BeepKind::Warning);
  TellUser(editor,
           ComposedText(LRW_TR_NOOP("lrw::Messages", "File %1 has been built."),
                        {PlainText(Trim(*chosen))}),
           kMessageCaption, PromptIcon::None);
}

bool ExportVideoCommand::OnEnabled(const ShowEditor& editor) const {
  return HasSlides(editor);
}

void ExportVideoCommand::OnExecute(ShowEditor& editor) {
  ShowEditor::BusyScope busy(editor, BusyReason::Modal);
  // A shuffled show is exported in one order of its slides, as one run would play them.
  const std::vector<SlideRecord>& show = editor.Document().Slides();
  std::vector<SlideRecord> slides;
  if (editor.Document().Shuffle()) {
    SlideOrder order(static_cast<int>(show.size()), true, FreshSeed());
    for (int index : order.FirstLoop()) slides.push_back(show[static_cast<size_t>(index)]);
  } else {
    slides = show;
  }
  editor.Services().windows.ExportVideo(std::move(slides), editor.Document().FileName(),
                                        editor.Document().Music());
}

bool CloseShowCommand::OnEnabled(const ShowEditor& editor) const {
  return HasSlides(editor);
}

void CloseShowCommand::OnExecute(ShowEditor& editor) {
  if (QuerySaveChanges(editor, true) == PromptAnswer::Cancel) return;
  SlideShowDocument& document = Document(editor);
  document.ReleaseSlides();
  document.SetFileName({});  // the loop flag stays as it is
  editor.Memory().damagedFile.reset();
  editor.ClearHistory();
  editor.SetTitlePath({});
}

void ExitCommand::OnExecute(ShowEditor& editor) {
  if (QuerySaveChanges(editor, true) == PromptAnswer::Cancel) return;
  Document(editor).ReleaseSlides();
  editor.ClearHistory();
  editor.Services().windows.CloseDesigner();
}

}  // namespace lrw
