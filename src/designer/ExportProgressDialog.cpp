#include "designer/ExportProgressDialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace lrw {

namespace {

constexpr int kThumbnailWidth = 192;
constexpr int kThumbnailHeight = 108;

}  // namespace

ExportProgressDialog::ExportProgressDialog(std::vector<SlideRecord> slides, std::string target,
                                           ExportOptions options, QWidget* parent)
    : QDialog(parent), slides_(std::move(slides)), target_(std::move(target)), options_(options) {
  setObjectName(QStringLiteral("ExportProgressDialog"));
  setWindowTitle(tr("Exporting Video"));
  setModal(true);

  Thumbnail = new QLabel(this);
  Thumbnail->setFixedSize(kThumbnailWidth, kThumbnailHeight);
  Thumbnail->setAlignment(Qt::AlignCenter);
  Thumbnail->setStyleSheet(QStringLiteral("background: black"));
  SlideLabel = new QLabel(tr("Preparing the show..."), this);
  Bar = new QProgressBar(this);
  Bar->setRange(0, 1000);
  Bar->setValue(0);
  TimeLeftLabel = new QLabel(this);
  Thumbnail->setAccessibleName(tr("Slide being exported"));
  Bar->setAccessibleName(tr("Export progress"));
  CancelButton = new QPushButton(tr("Cancel"), this);
  connect(CancelButton, &QPushButton::clicked, this, &ExportProgressDialog::reject);

  auto* text = new QVBoxLayout;
  text->addWidget(SlideLabel);
  text->addWidget(Bar);
  text->addWidget(TimeLeftLabel);
  text->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(Thumbnail);
  top->addLayout(text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
  setMinimumWidth(480);
}

ExportProgressDialog::~ExportProgressDialog() {
  cancel_.store(true);
  if (worker_.joinable()) worker_.join();
}

ExportResult ExportProgressDialog::Run() {
  ExportCallbacks callbacks;
  // The export's thread only posts to this window.
  callbacks.progress = [this](const ExportProgress& progress) {
    QMetaObject::invokeMethod(
        this, [this, progress] { ShowProgress(progress); }, Qt::QueuedConnection);
  };
  callbacks.slideShown = [this](int slide, const QImage& preview) {
    QMetaObject::invokeMethod(
        this, [this, slide, preview] { ShowSlide(slide, preview); }, Qt::QueuedConnection);
  };
  worker_ = std::thread([this, callbacks] {
    ExportResult result = ExportShowVideo(slides_, target_, options_, cancel_, callbacks, music_);
    QMetaObject::invokeMethod(
        this, [this, result] { Finish(result); }, Qt::QueuedConnection);
  });
  exec();
  worker_.join();
  return result_;
}

void ExportProgressDialog::ShowProgress(const ExportProgress& progress) {
  Bar->setValue(static_cast<int>(progress.Fraction() * 1000));
  const double left = progress.SecondsLeft();
  TimeLeftLabel->setText(
      left < 0 ? QString() : tr("About %1 left").arg(QString::fromStdString(FormatClock(left))));
}

void ExportProgressDialog::ShowSlide(int slide, const QImage& preview) {
  Thumbnail->setPixmap(QPixmap::fromImage(preview));
  SlideLabel->setText(tr("Slide %L1 of %L2").arg(slide + 1).arg(slides_.size()));
}

void ExportProgressDialog::Finish(ExportResult result) {
  result_ = std::move(result);
  finished_ = true;
  done(result_ ? QDialog::Accepted : QDialog::Rejected);
}

void ExportProgressDialog::reject() {
  if (finished_) {
    QDialog::reject();
    return;
  }
  cancel_.store(true);
  CancelButton->setEnabled(false);
  SlideLabel->setText(tr("Cancelling..."));
}

}  // namespace lrw
