// Adding picture slides: "&Add slides" and AddPictureSlide.
#include <QAction>
#include <QFileInfo>
#include <QProgressDialog>

#include "designer/SlideStrip.h"
#include "designer/SlideshowDesignForm.h"
#include "document/Paths.h"
#include "import/AddPictureSlide.h"
#include "import/LoadPicture.h"
#include "shell/DragDropFiles.h"
#include "shell/DroppedFiles.h"

namespace lrw {
namespace {

constexpr const char* kPictureFilter =
    "Image Files|*.bmp;*.wmf;*.ico;*.jpg; *.jif; *.gif,*.dib;*.rle;*.tga;*.pcx;*.wpg;*.art;"
    "*.cur;*.cut;*.emf;*.gem;*.hrz;*.iff;*.img;*.lbm;*.mac;*.msp;*.pbm;*.pgm;*.pic;*.png;*.pnm;"
    "*.ppm*.ras;*.tif|*.bmp|Bitmap|*.cur|Cursor|*.gif|Graphics Interchange Format|*.ico|Icon|"
    "*.jpg|JPEG|*.rle|Run-length Encoded Bitmap|*.tga|Targa TrueVision|*.tif|Tagged Image File|"
    "*.wmf;*.emf|Windows Meta-file|*.wpg|Word Perfect Graphic";

// Imports of fewer files finish before a progress window would be worth showing.
constexpr int kProgressDelayMs = 400;

}  // namespace

void TSlideshowDesignForm::WireImport() {
  connect(Addslides1, &QAction::triggered, this, [this] { Addslides1Click(); });
  DragDrop1 = new TDragDropFiles(this);
  DragDrop1->SetDragDropControl(ImageListBox);
  DragDrop1->SetTargetEffects(deCopy | deMove);
  connect(DragDrop1, &TDragDropFiles::ProcessDropped, this, [this] { DragDrop1ProcessDropped(); });
}

void TSlideshowDesignForm::DragDrop1ProcessDropped() {
  // Each file lands directly after the same current slide, so a drop of several files
  // stands in the strip in reverse order.
  const DroppedPictures dropped = PicturesFromDrop(DragDrop1->FileList, ShortcutLink1);
  for (const std::string& path : dropped.paths) AddPictureSlide(path);
  if (!dropped.error.empty()) {
    Services().prompts.Beep(BeepKind::Error);
    Services().prompts.Tell(dropped.error, "Error", PromptIcon::Error);
  }
}

TLoadPictureModule& TSlideshowDesignForm::LoadPictureModule() {
  if (!loadPictureModule_) loadPictureModule_ = std::make_shared<TLoadPictureModule>();
  return *loadPictureModule_;
}

void TSlideshowDesignForm::AddPictureSlide(const std::string& path) {
  const PictureImportContext context{Document(),
                                     CurrentIndex(),
                                     Services().screenSize.width(),
                                     Services().screenSize.height(),
                                     Services().prompts,
                                     LoadPictureModule(),
                                     {}};
  const int at = lrw::AddPictureSlide(context, path);
  if (at < 0) return;
  StripInserted(at);
  if (CurrentIndex() >= 0) ImageListBoxClick();
}

void TSlideshowDesignForm::Addslides1Click() {
  FileDialogOptions options;
  options.filter = QString::fromUtf8(kPictureFilter);
  options.directory = QString::fromStdString(LastPictureFolder);
  const std::optional<QStringList> chosen = Services().dialogs.OpenFiles(this, options);
  if (!chosen || chosen->isEmpty()) return;

  // Each file lands directly after the current slide, so adding the last first
  // leaves them in the dialog's order. An empty show has no current slide until
  // a picture arrives, and that one becomes current: so while the show is empty
  // the files are taken from the front (a file that fails leaves it empty), then
  // the rest from the back. Cancel stops between files.
  const int count = static_cast<int>(chosen->size());
  QProgressDialog progress(QStringLiteral("Adding slides..."), QStringLiteral("Cancel"), 0, count,
                           this);
  progress.setWindowTitle(QStringLiteral("Add slides"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(kProgressDelayMs);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  int front = 0, back = count - 1;
  for (int done = 0; done < count; ++done) {
    if (progress.wasCanceled()) break;
    const bool empty = CurrentIndex() < 0;
    const QString& file = (*chosen)[empty ? front++ : back--];
    progress.setLabelText(QStringLiteral("Reading %1").arg(QFileInfo(file).fileName()));
    progress.setValue(done);
    AddPictureSlide(file.toStdString());
  }
  progress.setValue(count);
  LastPictureFolder = FolderOf(chosen->front().toStdString());
}

}  // namespace lrw
