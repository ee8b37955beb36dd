// The window of a video export in progress: the slide being written, how far the export has
// come, the time left and Cancel. The export runs on a thread of its own from a copy of the
// show, so the windows keep answering while it works.
#pragma once

#include <QDialog>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "document/ShowMusic.h"
#include "document/SlideRecord.h"
#include "export/ExportOptions.h"
#include "export/ExportProgress.h"
#include "export/VideoExport.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace lrw {

class ExportProgressDialog : public QDialog {
  Q_OBJECT

 public:
  ExportProgressDialog(std::vector<SlideRecord> slides, std::string target, ExportOptions options,
                       QWidget* parent = nullptr);
  ~ExportProgressDialog() override;

  // The show's music, mixed under the slides' sounds (before Run).
  void SetMusic(ShowMusic music) { music_ = std::move(music); }

  // Shows the window and exports; returns once the export has ended.
  ExportResult Run();

  // Cancel, Esc and closing the window ask the export to stop; the window stays until it has.
  void reject() override;

  // The controls, for tests that type and click.
  QLabel* Thumbnail() const { return thumbnail_; }
  QPushButton* CancelButton() const { return cancelButton_; }

 private:
  void ShowProgress(const ExportProgress& progress);
  void ShowSlide(int slide, const QImage& preview);
  void Finish(ExportResult result);

  const std::vector<SlideRecord> slides_;
  const std::string target_;
  const ExportOptions options_;
  ShowMusic music_;
  std::atomic<bool> cancel_{false};
  std::thread worker_;
  ExportResult result_;
  bool finished_ = false;
  QLabel* thumbnail_ = nullptr;
  QLabel* slideLabel_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QLabel* timeLeftLabel_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
};

}  // namespace lrw
