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

  thumbnail_ = new QLabel(this);
  thumbnail_->setFixedSize(kThumbnailWidth, kThumbnailHeight);
  thumbnail_->setAlignment(Qt::AlignCenter);
  thumbnail_->setStyleSheet(QStringLiteral("background: black"));
  slideLabel_ = new QLabel(tr("Preparing the show..."), this);
  bar_ = new QProgressBar(this);
  bar_->setRange(0, 1000);
  bar_->setValue(0);
  timeLeftLabel_ = new QLabel(this);
  thumbnail_->setAccessibleName(tr("Slide being exported"));
  bar_->setAccessibleName(tr("Export progress"));
  cancelButton_ = new QPushButton(tr("Cancel"), this);
  connect(cancelButton_, &QPushButton::clicked, this, &ExportProgressDialog::reject);

  auto* text = new QVBoxLayout;
  text->addWidget(slideLabel_);
  text->addWidget(bar_);
  text->addWidget(timeLeftLabel_);
  text->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(thumbnail_);
  top->addLayout(text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancelButton_);
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
  bar_->setValue(static_cast<int>(progress.Fraction() * 1000));
  const double left = progress.SecondsLeft();
  timeLeftLabel_->setText(
      left < 0 ? QString() : tr("About %1 left").arg(QString::fromStdString(FormatClock(left))));
}

void ExportProgressDialog::ShowSlide(int slide, const QImage& preview) {
  thumbnail_->setPixmap(QPixmap::fromImage(preview));
  slideLabel_->setText(tr("Slide %L1 of %L2").arg(slide + 1).arg(slides_.size()));
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
  cancelButton_->setEnabled(false);
  slideLabel_->setText(tr("Cancelling..."));
}

}  // namespace lrw
