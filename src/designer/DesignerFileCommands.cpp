// The File and Help menus, the save prompt and the window title.
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>
#include <cctype>

#include "designer/SlideshowDesignForm.h"
#include "document/Paths.h"
#include "document/PortableBuilder.h"
#include "document/ShowFile.h"
#include "platform/HelpViewer.h"
#include "shell/HelpAbout.h"

namespace lrw {
namespace {

constexpr const char* kPlainTitle = "Lanternreelworks!";
constexpr const char* kTitleSuffix = " - Lanternreelworks!";
constexpr const char* kMessageCaption = "Lanternreelworks";
constexpr const char* kSaveQuestion = "Do you want to save your slideshow changes?";
constexpr const char* kSaveDialogTitle = "Brightframework - Save the Slideshow";
constexpr const char* kOpenFilter =
    "All Slideshow Files (*.sho;*.bld)|*.sho;*.bld|Local Slideshow Files (*.sho)|*.sho|"
    "Portable Slideshow Files (*.bld)|*.bld";
constexpr const char* kLocalFilter = "Local Slide Shows (*.sho)|*.sho";
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

// The busy cursor for as long as the scope lasts, on every path out of it.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

void TSlideshowDesignForm::WireFileCommands() {
  auto add = [this](QMenu* menu, const char* text, QKeySequence key,
                    void (TSlideshowDesignForm::*handler)()) {
    QAction* a = menu->addAction(QString::fromUtf8(text));
    if (!key.isEmpty()) a->setShortcut(key);
    connect(a, &QAction::triggered, this, [this, a, menu, handler] {
      // A shortcut may fire while the menu is closed: judge the entry by the
      // menu's rules now, as opening the menu would.
      if (!menu->isVisible()) {
        File1Click();
        const bool enabled = a->isEnabled();
        for (QAction* each : File1->actions()) each->setEnabled(true);
        if (!enabled) return;
      }
      (this->*handler)();
    });
    return a;
  };
  Open1 =
      add(File1, "&Open", QKeySequence(Qt::CTRL | Qt::Key_O), &TSlideshowDesignForm::Open1Click);
  File1->addSeparator();
  Save1 =
      add(File1, "&Save", QKeySequence(Qt::CTRL | Qt::Key_S), &TSlideshowDesignForm::Save1Click);
  SaveAs1 = add(File1, "Save &As", {}, &TSlideshowDesignForm::SaveAs1Click);
  File1->addSeparator();
  BuildaPortableShow1 =
      add(File1, "&Build a Portable Show", {}, &TSlideshowDesignForm::BuildaPortableShow1Click);
  File1->addSeparator();
  Close1 =
      add(File1, "&Close", QKeySequence(Qt::CTRL | Qt::Key_F4), &TSlideshowDesignForm::Close1Click);
  Exit1 = add(File1, "&Exit", {}, &TSlideshowDesignForm::Exit1Click);
  connect(File1, &QMenu::aboutToShow, this, &TSlideshowDesignForm::File1Click);
  // Closed, the menu leaves its shortcuts live; each is judged when it fires.
  connect(File1, &QMenu::aboutToHide, this, [this] {
    for (QAction* each : File1->actions()) each->setEnabled(true);
  });

  HelpContents1 = Help1->addAction(QStringLiteral("Help &Topics"));
  Help1->addSeparator();
  AboutBrightframework1 = Help1->addAction(QString::fromUtf8(kPlainTitle));
  connect(HelpContents1, &QAction::triggered, this, &TSlideshowDesignForm::HelpContents1Click);
  connect(AboutBrightframework1, &QAction::triggered, this,
          &TSlideshowDesignForm::AboutBrightframework1Click);
  connect(Help1, &QMenu::aboutToShow, this, &TSlideshowDesignForm::Help1Click);
  Help1Click();

  InstallHelpKey(this, HelpContext);

  OpenDialog2.filter = QString::fromUtf8(kOpenFilter);
  SaveDialog1.title = QString::fromUtf8(kSaveDialogTitle);
  SaveDialog1.overwritePrompt = true;
}

void TSlideshowDesignForm::File1Click() {
  const bool hasSlides = Document().Count() > 0;
  Open1->setEnabled(true);
  Save1->setEnabled(hasSlides);
  SaveAs1->setEnabled(hasSlides);
  BuildaPortableShow1->setEnabled(hasSlides);
  Close1->setEnabled(hasSlides);
  Exit1->setEnabled(true);
}

void TSlideshowDesignForm::Help1Click() {
  AboutBrightframework1->setText(QStringLiteral("About Lanternreelworks!"));
}

void TSlideshowDesignForm::SetTitleFor(const std::string& path) {
  setWindowTitle(path.empty() ? QString::fromUtf8(kPlainTitle)
                              : QString::fromStdString(FileNameOf(path) + kTitleSuffix));
}

PromptAnswer TSlideshowDesignForm::QuerySaveChanges(bool offerCancel) {
  while (Document().Modified()) {
    const PromptAnswer answer = Services().prompts.Ask(
        kSaveQuestion, "Confirm", PromptIcon::Question,
        offerCancel ? PromptButtons::YesNoCancel : PromptButtons::YesNo, PromptAnswer::Yes);
    if (answer != PromptAnswer::Yes) return answer;
    if (SaveShow()) return PromptAnswer::Yes;
    // Not saved (the name dialog was cancelled or the file could not be
    // written): the command must not go on and discard the show.
    if (offerCancel) return PromptAnswer::Cancel;
  }
  return PromptAnswer::No;
}

namespace {

// Reads `path` into the form's document and strip, reporting failures to the user.
ReadStatus OpenIntoDesigner(TSlideshowDesignForm& form, const std::string& path) {
  ShowFileReadResult result = OpenShowFile(form.Document(), path);
  Prompts& prompts = form.Services().prompts;
  switch (result.status) {
    case ReadStatus::NotAShowFile:
      prompts.Beep(BeepKind::Warning);
      prompts.Tell(NotAShowFileText(path), kMessageCaption, PromptIcon::Warning);
      return result.status;
    case ReadStatus::CannotOpen:
      prompts.Tell(result.errorText, kMessageCaption, PromptIcon::Error);
      return result.status;
    case ReadStatus::ReadError:
    case ReadStatus::Ok:
      break;
  }
  // The document now holds the slides read (all of them, or those before damage).
  form.StripReset();
  form.UpdateCommandStates();
  form.Document().SetModified(false);
  if (result.status == ReadStatus::ReadError) {
    prompts.Tell(result.errorText, kMessageCaption, PromptIcon::Error);
  }
  return result.status;
}

}  // namespace

bool TSlideshowDesignForm::OpenFile(const std::string& path) {
  return OpenIntoDesigner(*this, path) == ReadStatus::Ok;
}

void TSlideshowDesignForm::Open1Click() {
  OpenDialog2.fileName.clear();
  const std::optional<QString> chosen = Services().dialogs.OpenFile(this, OpenDialog2);
  if (!chosen) return;
  if (QuerySaveChanges(true) == PromptAnswer::Cancel) return;
  const std::string path = chosen->toStdString();
  switch (OpenIntoDesigner(*this, path)) {
    case ReadStatus::Ok:
    case ReadStatus::ReadError:  // the slides before the damage are loaded from it
      SetTitleFor(path);
      break;
    case ReadStatus::NotAShowFile:
      SetTitleFor({});
      break;
    case ReadStatus::CannotOpen:  // nothing changed
      break;
  }
}

bool TSlideshowDesignForm::SaveShow() {
  SlideShowDocument& doc = Document();
  if (doc.FileName().empty()) return SaveShowAs();
  const std::string path = doc.FileName();
  const bool portable = Lower(ExtensionOf(path)) == ".bld";
  if (portable) {
    // A portable show stays complete when slides were added since it was built.
    const CopyMediaResult copied = CopyMediaFiles(doc.Slides(), FolderOf(path));
    if (!copied.ok()) {
      Services().prompts.Tell(copied.error, kMessageCaption, PromptIcon::Error);
      return false;
    }
  }
  const WriteResult written = WriteShowFile(doc, path, portable);
  if (!written.ok) {
    Services().prompts.Tell(written.errorText, kMessageCaption, PromptIcon::Error);
    return false;
  }
  SetTitleFor(path);
  return true;
}

bool TSlideshowDesignForm::SaveShowAs() {
  SlideShowDocument& doc = Document();
  SaveDialog1.fileName = doc.FileName().empty()
                             ? QString()
                             : QString::fromStdString(WithoutExtension(Trim(doc.FileName())));
  SaveDialog1.filter = QString::fromUtf8(kLocalFilter);
  SaveDialog1.defaultSuffix = QStringLiteral("sho");
  const std::optional<QString> chosen = Services().dialogs.SaveFile(this, SaveDialog1);
  if (!chosen) return false;
  SaveDialog1.fileName = *chosen;
  const std::string path = chosen->toStdString();
  const std::string previous = doc.FileName();
  doc.SetFileName(path);
  const WriteResult written = WriteShowFile(doc, path, false);
  if (!written.ok) {
    // Nothing was written: the show still belongs to the file it came from.
    doc.SetFileName(previous);
    Services().prompts.Tell(written.errorText, kMessageCaption, PromptIcon::Error);
    return false;
  }
  SetTitleFor(path);
  return true;
}

void TSlideshowDesignForm::BuildaPortableShow1Click() {
  // The dialog shows the name it last held.
  SaveDialog1.filter = QString::fromUtf8(kPortableFilter);
  SaveDialog1.defaultSuffix = QStringLiteral("bld");
  const std::optional<QString> chosen = Services().dialogs.SaveFile(this, SaveDialog1);
  if (!chosen) return;
  SaveDialog1.fileName = *chosen;
  const std::string path = chosen->toStdString();
  {
    BusyCursor busy;
    const CopyMediaResult copied = CopyMediaFiles(Document().Slides(), FolderOf(path));
    if (!copied.ok()) {
      Services().prompts.Tell(copied.error, kMessageCaption, PromptIcon::Error);
      return;
    }
    // The document keeps its own file name: a later Save writes there.
    const WriteResult written = WriteShowFile(Document(), path, true);
    if (!written.ok) {
      Services().prompts.Tell(written.errorText, kMessageCaption, PromptIcon::Error);
      return;
    }
    SetTitleFor(path);
  }
  Services().prompts.Beep(BeepKind::Warning);
  Services().prompts.Tell("File " + Trim(path) + " has been built.", kMessageCaption,
                          PromptIcon::None);
}

void TSlideshowDesignForm::Close1Click() {
  if (QuerySaveChanges(true) == PromptAnswer::Cancel) return;
  Document().ReleaseSlides();
  StripReset();
  UpdateCommandStates();
  SetTitleFor({});
  Document().SetFileName({});  // the loop flag stays as it is
}

void TSlideshowDesignForm::Exit1Click() {
  if (QuerySaveChanges(true) == PromptAnswer::Cancel) return;
  Document().ReleaseSlides();
  StripReset();
  close();
}

void TSlideshowDesignForm::HelpContents1Click() {
  ShowHelp(kHelpContents);
}

void TSlideshowDesignForm::AboutBrightframework1Click() {
  ShowAboutBox(this);
}

}  // namespace lrw
