#include "designer/ExportShowAsVideo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "designer/ExportProgressDialog.h"
#include "designer/ExportVideoDialog.h"
#include "platform/Prompts.h"

namespace lrw {

namespace {

constexpr const char* kCaption = QT_TRANSLATE_NOOP("lrw::ExportShowAsVideo", "Export as Video");

std::string Tr(const char* text) {
  return QCoreApplication::translate("lrw::ExportShowAsVideo", text).toStdString();
}

// The show's own name with ".mp4", or a name in the home folder for a show never saved.
QString SuggestedName(const std::string& showFileName) {
  if (showFileName.empty()) return QDir::home().filePath(QStringLiteral("Slide show.mp4"));
  const QFileInfo show(QString::fromStdString(showFileName));
  return show.dir().filePath(show.completeBaseName() + QStringLiteral(".mp4"));
}

std::string DoneText(const std::string& path, const ExportOptions& options,
                     const ExportedVideo& result) {
  // The frame rate as the user's language writes numbers; a video size stays "1920 x 1080".
  return QCoreApplication::translate(
             "lrw::ExportShowAsVideo",
             "The video \"%1\" has been exported: %2, %3 x %4 at %L5 frames a second.")
      .arg(QString::fromStdString(path), QString::fromStdString(FormatClock(result.seconds)))
      .arg(options.width)
      .arg(options.height)
      .arg(options.fps.num / static_cast<double>(options.fps.den), 0, 'g', 5)
      .toStdString();
}

}  // namespace

void ExportShowAsVideo(QWidget* parent, std::vector<SlideRecord> snapshot, Dialogs& dialogs,
                       Prompts& prompts, const std::string& showFileName, const ShowMusic& music) {
  if (snapshot.empty()) {
    prompts.Tell(
        Tr(QT_TRANSLATE_NOOP("lrw::ExportShowAsVideo", "The show has no slides to export.")),
        Tr(kCaption), PromptIcon::Information);
    return;
  }
  ExportVideoDialog options(dialogs, prompts, parent);
  options.SetFileName(SuggestedName(showFileName));
  if (options.exec() != QDialog::Accepted) return;
  const std::string path = options.FileName().toStdString();
  ExportOptions chosen = options.Options();

  if (QFileInfo::exists(QString::fromStdString(path))) {
    const PromptAnswer answer = prompts.Ask(
        QCoreApplication::translate("lrw::ExportShowAsVideo",
                                    "The file \"%1\" already exists.\nDo you want to replace it?")
            .arg(QString::fromStdString(path))
            .toStdString(),
        Tr(kCaption), PromptIcon::Warning, PromptButtons::YesNo, PromptAnswer::No);
    if (answer != PromptAnswer::Yes) return;
    chosen.replaceExisting = true;
  }

  ExportProgressDialog progress(std::move(snapshot), path, chosen, parent);
  progress.SetMusic(music);
  const ExportResult result = progress.Run();
  if (result) {
    prompts.Tell(DoneText(path, chosen, *result), Tr(kCaption), PromptIcon::Information);
  } else {
    const bool cancelled = result.error().kind == ErrorKind::Cancelled;
    prompts.Tell(result.error().message, Tr(kCaption),
                 cancelled ? PromptIcon::Information : PromptIcon::Error);
  }
}

}  // namespace lrw
