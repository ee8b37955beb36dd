#include "designer/QtEditorServices.h"

#include <QCoreApplication>

#include "platform/CoreText.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSettings>
#include <QTimer>

#include "designer/ExportShowAsVideo.h"
#include "designer/MusicDialog.h"
#include "designer/SlideCaptionForm.h"
#include "effects/SlideTransitionForm.h"
#include "export/AudioTrack.h"
#include "import/AddPictureSlide.h"
#include "import/PictureImportPool.h"
#include "platform/ShowScreen.h"
#include "platform/SystemColors.h"
#include "player/CaptionFont.h"
#include "player/MediaPlayer.h"
#include "player/MusicStream.h"
#include "player/SlidePrepForm.h"

namespace lrw {
namespace {

// Imports of fewer files finish before a progress window would be worth showing.
constexpr int kProgressDelayMs = 400;
constexpr int kLookAgainMs = 50;
constexpr int64_t kPreviewMs = 5000;

FileDialogOptions ToOptions(const FileChoice& c) {
  FileDialogOptions o;
  o.title = CoreMessage(c.title);
  o.filter = QString::fromStdString(c.filter);
  o.defaultSuffix = QString::fromStdString(c.defaultSuffix);
  o.directory = QString::fromStdString(c.folder);
  o.fileName = QString::fromStdString(c.fileName);
  o.overwritePrompt = c.overwritePrompt;
  o.chosenFilter = c.chosenFilter;
  return o;
}

class ProgressWindow : public ImportProgress {
 public:
  ProgressWindow(int count, QWidget* parent)
      : dialog_(QCoreApplication::translate("lrw::QtEditorServices", "Adding slides..."),
                QCoreApplication::translate("lrw::QtEditorServices", "Cancel"), 0, count, parent) {
    dialog_.setWindowTitle(QCoreApplication::translate("lrw::QtEditorServices", "Add slides"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(kProgressDelayMs);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    QObject::connect(&dialog_, &QProgressDialog::canceled, &loop_, &QEventLoop::quit);
    // Until the window is up, input waits (as the designer is not to be used meanwhile);
    // this has the wait look again once it may be.
    look_.setInterval(kLookAgainMs);
    QObject::connect(&look_, &QTimer::timeout, &loop_, [this] {
      if (dialog_.isVisible()) loop_.quit();
    });
  }
  bool Step(int done, const std::string& fileName) override {
    if (dialog_.wasCanceled()) return false;
    if (!fileName.empty())
      dialog_.setLabelText(QCoreApplication::translate("lrw::QtEditorServices", "Reading %1")
                               .arg(QString::fromStdString(fileName)));
    dialog_.setValue(done);
    return !dialog_.wasCanceled();
  }
  bool WaitUntil(const std::function<bool()>& ready) override {
    while (!ready()) {
      if (dialog_.wasCanceled()) return false;
      const bool shown = dialog_.isVisible();
      if (shown) {
        look_.stop();
      } else {
        look_.start();
      }
      loop_.exec(shown ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    }
    look_.stop();
    return !dialog_.wasCanceled();
  }
  void Wake() override {
    // Queued: the loop belongs to the window's thread.
    QMetaObject::invokeMethod(&loop_, &QEventLoop::quit, Qt::QueuedConnection);
  }

 private:
  QProgressDialog dialog_;
  QEventLoop loop_;
  QTimer look_;
};

}  // namespace

std::optional<uint32_t> AskRecordColor(Dialogs& dialogs, QWidget* parent, uint32_t initial) {
  const std::optional<QColor> chosen = dialogs.ChooseColor(parent, ColorFromRecord(initial));
  if (!chosen || !chosen->isValid()) return std::nullopt;
  // The same colour again keeps its record value, so a system colour stays one.
  if (*chosen == ColorFromRecord(initial)) return initial;
  return RecordFromColor(*chosen);
}

std::optional<std::string> QtEditorDialogs::OpenFile(const FileChoice& choice) {
  const std::optional<QString> chosen = dialogs_.OpenFile(parent_, ToOptions(choice));
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

std::optional<std::vector<std::string>> QtEditorDialogs::OpenFiles(const FileChoice& choice) {
  const std::optional<QStringList> chosen = dialogs_.OpenFiles(parent_, ToOptions(choice));
  if (!chosen) return std::nullopt;
  std::vector<std::string> paths;
  for (const QString& p : *chosen) paths.push_back(p.toStdString());
  return paths;
}

std::optional<std::string> QtEditorDialogs::SaveFile(const FileChoice& choice) {
  const std::optional<QString> chosen = dialogs_.SaveFile(parent_, ToOptions(choice));
  if (!chosen) return std::nullopt;
  return chosen->toStdString();
}

std::optional<uint32_t> QtEditorDialogs::ChooseColor(uint32_t initial) {
  return AskRecordColor(dialogs_, parent_, initial);
}

bool QtEditorDialogs::EditCaption(std::vector<std::string>& lines, CaptionFontRecord& font,
                                  uint32_t& backColor) {
  return EditCaptionInDialog(dialogs_, prompts_, parent_, lines, font, backColor);
}

void DesignerWindows::RunShow(std::vector<SlideRecord> slides, int startIndex, bool loop,
                              const ShowMusic& music, std::optional<uint64_t> shuffleSeed) {
  {
    SlidePrepForm player(slides, &prompts_, nullptr, music);
    player.SetShowScreen(ChooseShowScreen(owner_));
    player.SetPresenterNear(owner_);
    if (showName_) player.SetShowName(QString::fromStdString(showName_()));
    // The designer, usable on another screen, follows the show in its strip.
    if (slideOnScreen_ && owner_ && owner_->isVisible() && owner_->screen() != player.screen()) {
      QObject::connect(&player, &SlidePrepForm::StateChanged, &player, [this, &player] {
        if (player.Runner().SlideReady()) slideOnScreen_(player.Runner().CurrentIndex());
      });
    }
    player.Runner().SetStartIndex(startIndex);
    player.Runner().SetLoop(loop);
    player.Runner().SetShuffle(shuffleSeed.has_value(), shuffleSeed.value_or(0));
    player.SetTransitionPacing(transitionPacing_);
    player.exec();
  }
  while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  if (owner_) owner_->unsetCursor();
}

void DesignerWindows::DemonstrateTransition(const SlideRecord& slide) {
  ShowTransitionDemo(slide, owner_);
}

void DesignerWindows::ExportVideo(std::vector<SlideRecord> slides, const std::string& showFileName,
                                  const ShowMusic& music) {
  ExportShowAsVideo(owner_, std::move(slides), dialogs_, prompts_, showFileName, music);
}

Result<void> DesignerWindows::PreviewSound(const std::string& path) {
  // A preview: at most the first five seconds, and the window waits for it.
  MediaPlayer player;
  player.SetFileName(path);
  if (player.Open()) {
    if (player.LengthMs() > kPreviewMs) player.SetEndPosition(kPreviewMs);
    player.SetWait(true);
    player.Play();
  }
  const bool failed = player.Error() != MediaError::Ok;
  const std::string error = failed ? player.ErrorMessage() : std::string();
  player.Close();
  if (failed) return Fail(error);
  return {};
}

std::unique_ptr<ImportProgress> DesignerWindows::BeginImport(int count) {
  return std::make_unique<ProgressWindow>(count, owner_);
}

void DesignerWindows::SetBusyPointer(bool busy) {
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

std::unique_ptr<PictureImports> DesignerMedia::ImportPictures(std::vector<std::string> paths,
                                                              const SlideRecord& from,
                                                              std::function<void()> arrived) {
  PictureImportSettings settings;
  settings.from = from;
  settings.screenWidth = screen_.width();
  settings.screenHeight = screen_.height();
  settings.fitLarger = FitLargerPictures();
  return std::make_unique<PictureImportPool>(std::move(paths), std::move(settings),
                                             std::move(arrived));
}

std::optional<MusicChoice> QtEditorDialogs::EditMusic(const ShowMusic& music,
                                                      const std::vector<SlideRecord>& slides) {
  MusicDialog dialog(dialogs_, music, slides, parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return MusicChoice{dialog.Music(), dialog.FitRequested()};
}

std::optional<double> DesignerMedia::SoundSeconds(const std::string& utf8Path) {
  return SoundFileSeconds(utf8Path);
}

double DesignerMedia::MusicSeconds(const ShowMusic& music) {
  return lrw::MusicSeconds(music);
}

std::optional<std::pair<int, int>> DesignerMedia::PictureOwnSize(const std::string& utf8Path) {
  // A thumbnail read is the cheapest one that learns the size (a JPEG decodes reduced).
  const LoadPictureResult picture = loader_.LoadPicture(utf8Path, LoaderMode::ThumbnailMode);
  if (!picture || picture->fullWidth <= 0 || picture->fullHeight <= 0) return {};
  return std::make_pair(picture->fullWidth, picture->fullHeight);
}

namespace {

const QString kFitLargerKey = QStringLiteral("designer/fitLargerPictures");

// The program's one settings file, ~/.config/lanternreelworks/lanternreelworks.ini, which
// also remembers the screen a show plays on.
QSettings ProgramSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("lanternreelworks"),
                   QStringLiteral("lanternreelworks"));
}

}  // namespace

bool DesignerMedia::FitLargerPictures() const {
  return ProgramSettings().value(kFitLargerKey, true).toBool();
}

void DesignerMedia::SetFitLargerPictures(bool fit) {
  ProgramSettings().setValue(kFitLargerKey, fit);
}

std::unique_ptr<TextMeasurer> DesignerMedia::Measurer(const CaptionFontRecord& font) {
  return std::make_unique<QtTextMeasurer>(QFontFromCaptionFont(font));
}

}  // namespace lrw
