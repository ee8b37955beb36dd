#include "designer/ExportShowAsVideo.h"

#include <QDir>
#include <QFileInfo>

#include "designer/ExportProgressDialog.h"
#include "designer/ExportVideoDialog.h"
#include "platform/Prompts.h"

namespace lrw {

namespace {

constexpr const char* kCaption = "Export as Video";

// The show's own name with ".mp4", or a name in the home folder for a show never saved.
QString SuggestedName(const std::string& showFileName) {
  if (showFileName.empty()) return QDir::home().filePath(QStringLiteral("Slide show.mp4"));
  const QFileInfo show(QString::fromStdString(showFileName));
  return show.dir().filePath(show.completeBaseName() + QStringLiteral(".mp4"));
}

std::string DoneText(const std::string& path, const ExportOptions& options,
                     const ExportResult& result) {
  return "The video \"" + path + "\" has been exported: " + FormatClock(result.seconds) + ", " +
         std::to_string(options.width) + " x " + std::to_string(options.height) + " at " +
         std::to_string(options.fps) + " frames a second.";
}

}  // namespace

void ExportShowAsVideo(QWidget* parent, std::vector<SlideRecord> snapshot, Dialogs& dialogs,
                       Prompts& prompts, const std::string& showFileName, const ShowMusic& music) {
  if (snapshot.empty()) {
    prompts.Tell("The show has no slides to export.", kCaption, PromptIcon::Information);
    return;
  }
  ExportVideoDialog options(dialogs, prompts, parent);
  options.SetFileName(SuggestedName(showFileName));
  if (options.exec() != QDialog::Accepted) return;
  const std::string path = options.FileName().toStdString();
  ExportOptions chosen = options.Options();

  if (QFileInfo::exists(QString::fromStdString(path))) {
    const PromptAnswer answer =
        prompts.Ask("The file \"" + path + "\" already exists.\nDo you want to replace it?",
                    kCaption, PromptIcon::Warning, PromptButtons::YesNo, PromptAnswer::No);
    if (answer != PromptAnswer::Yes) return;
    chosen.replaceExisting = true;
  }

  ExportProgressDialog progress(std::move(snapshot), path, chosen, parent);
  progress.SetMusic(music);
  const ExportResult result = progress.Run();
  switch (result.status) {
    case ExportStatus::Done:
      prompts.Tell(DoneText(path, chosen, result), kCaption, PromptIcon::Information);
      break;
    case ExportStatus::Cancelled:
      prompts.Tell(result.message, kCaption, PromptIcon::Information);
      break;
    case ExportStatus::Failed:
      prompts.Tell(result.message, kCaption, PromptIcon::Error);
      break;
  }
}

}  // namespace lrw
