#include "designer/ExportVideoDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "export/VideoEncoder.h"
#include "platform/Dialogs.h"
#include "platform/Prompts.h"

namespace lrw {

namespace {

struct SizePreset {
  const char* text;
  int width;
  int height;
};

constexpr SizePreset kSizes[] = {
    {"1280 x 720", 1280, 720},
    {"1920 x 1080", 1920, 1080},
    {"3840 x 2160", 3840, 2160},
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "1080 x 1920 (upright, for phones)"), 1080, 1920},
};
constexpr int kDefaultSize = 1;

constexpr FrameRate kRates[] = {{24000, 1001}, 24, 25, {30000, 1001}, 30, 50, {60000, 1001}, 60};

struct CodecChoice {
  const char* text;
  std::optional<VideoCodec> codec;
};

const CodecChoice kCodecs[] = {
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "Chosen by the file type (H.264, VP9 for WebM)"),
     std::nullopt},
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "H.264 (plays everywhere)"), VideoCodec::H264},
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "H.265 (smaller, .mp4 and .mkv)"),
     VideoCodec::H265},
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "AV1 (smallest, slower)"), VideoCodec::Av1},
    {QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "VP9 (.webm)"), VideoCodec::Vp9},
};

constexpr const char* kVideoFilter =
    "MP4 video (*.mp4)|*.mp4|Matroska video (*.mkv)|*.mkv|WebM video (*.webm)|*.webm";
constexpr const char* kCaption = QT_TRANSLATE_NOOP("lrw::ExportVideoDialog", "Export as Video");

}  // namespace

ExportVideoDialog::ExportVideoDialog(Dialogs& dialogs, Prompts& prompts, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), prompts_(prompts) {
  setObjectName(QStringLiteral("ExportVideoDialog"));
  setWindowTitle(tr(kCaption));

  fileEdit_ = new QLineEdit(this);
  fileEdit_->setMinimumWidth(320);
  fileEdit_->setAccessibleName(tr("Video file"));
  browseButton_ = new QPushButton(tr("&Browse..."), this);
  browseButton_->setAccessibleName(tr("Browse for the video file"));
  connect(browseButton_, &QPushButton::clicked, this, [this] { ChooseTargetFile(); });
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(fileEdit_);
  fileRow->addWidget(browseButton_);

  presetBox_ = new QComboBox(this);
  presetBox_->addItem(tr("Your own choice"));
  for (const ExportPreset& preset : ExportPresets()) {
    presetBox_->addItem(QCoreApplication::translate("lrw::ExportPresets", preset.title));
  }

  sizeBox_ = new QComboBox(this);
  for (const SizePreset& size : kSizes) sizeBox_->addItem(tr(size.text));
  sizeBox_->setCurrentIndex(kDefaultSize);

  const ExportOptions defaults;
  fpsBox_ = new QComboBox(this);
  for (const FrameRate& rate : kRates) {
    fpsBox_->addItem(QString::fromStdString(FrameRateText(rate)) + tr(" frames a second"),
                     QVariant::fromValue(QPoint(rate.num, rate.den)));
    if (rate == defaults.fps) fpsBox_->setCurrentIndex(fpsBox_->count() - 1);
  }

  // Only the encoders this system's FFmpeg has.
  codecBox_ = new QComboBox(this);
  for (int i = 0; i < static_cast<int>(std::size(kCodecs)); ++i) {
    if (!kCodecs[i].codec || EncoderAvailable(*kCodecs[i].codec)) {
      codecBox_->addItem(tr(kCodecs[i].text), i);
    }
  }

  bitrateBox_ = new QSpinBox(this);
  bitrateBox_->setRange(0, kMaxBitrateKbps);
  bitrateBox_->setSingleStep(500);
  bitrateBox_->setSuffix(tr(" kbit/s"));
  bitrateBox_->setSpecialValueText(tr("Constant quality"));

  connect(presetBox_, &QComboBox::currentIndexChanged, this, [this](int i) { ApplyPreset(i); });
  for (QComboBox* box : {sizeBox_, fpsBox_, codecBox_}) {
    connect(box, &QComboBox::currentIndexChanged, this, [this] { ChoiceChanged(); });
  }

  enterSecondsBox_ = new QSpinBox(this);
  enterSecondsBox_->setRange(0, 120);
  enterSecondsBox_->setValue(static_cast<int>(defaults.enterSeconds));
  enterSecondsBox_->setSuffix(tr(" seconds"));

  auto* form = new QFormLayout;
  auto* fileLabel = new QLabel(tr("&File:"), this);
  fileLabel->setBuddy(fileEdit_);
  form->addRow(fileLabel, fileRow);
  form->addRow(tr("&Preset:"), presetBox_);
  form->addRow(tr("&Size:"), sizeBox_);
  form->addRow(tr("F&rame rate:"), fpsBox_);
  form->addRow(tr("&Video codec:"), codecBox_);
  form->addRow(tr("Bi&t rate:"), bitrateBox_);
  form->addRow(tr("Slides that wait for &Enter stay:"), enterSecondsBox_);

  auto* buttons = new QDialogButtonBox(this);
  okButton_ = buttons->addButton(tr("E&xport"), QDialogButtonBox::AcceptRole);
  cancelButton_ = buttons->addButton(QDialogButtonBox::Cancel);
  okButton_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &ExportVideoDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ExportVideoDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void ExportVideoDialog::SetFileName(const QString& fileName) {
  fileEdit_->setText(fileName);
}

QString ExportVideoDialog::FileName() const {
  QString name = fileEdit_->text().trimmed();
  if (name.isEmpty()) return name;
  if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".mp4");
  return QFileInfo(name).absoluteFilePath();
}

ExportOptions ExportVideoDialog::Options() const {
  ExportOptions options;
  const SizePreset& size =
      kSizes[std::clamp(sizeBox_->currentIndex(), 0, static_cast<int>(std::size(kSizes)) - 1)];
  options.width = size.width;
  options.height = size.height;
  const QPoint rate = fpsBox_->currentData().toPoint();
  options.fps = FrameRate(rate.x(), rate.y());
  const int codec = codecBox_->currentData().toInt();
  if (codec >= 0 && codec < static_cast<int>(std::size(kCodecs)))
    options.codec = kCodecs[codec].codec;
  if (bitrateBox_->value() > 0) {
    // Below the smallest rate the encoders take, the check says so.
    options.bitrateKbps = bitrateBox_->value();
  } else {
    options.quality = quality_;
  }
  options.enterSeconds = enterSecondsBox_->value();
  return options;
}

void ExportVideoDialog::ApplyPreset(int index) {
  if (index <= 0 || index > static_cast<int>(ExportPresets().size())) return;
  const ExportPreset& preset = ExportPresets()[static_cast<size_t>(index - 1)];
  applying_ = true;
  for (int i = 0; i < static_cast<int>(std::size(kSizes)); ++i) {
    if (kSizes[i].width == preset.width && kSizes[i].height == preset.height) {
      sizeBox_->setCurrentIndex(i);
    }
  }
  for (int i = 0; i < fpsBox_->count(); ++i) {
    if (fpsBox_->itemData(i).toPoint() == QPoint(preset.fps.num, preset.fps.den)) {
      fpsBox_->setCurrentIndex(i);
    }
  }
  for (int i = 0; i < codecBox_->count(); ++i) {
    const int codec = codecBox_->itemData(i).toInt();
    if (kCodecs[codec].codec == preset.codec) codecBox_->setCurrentIndex(i);
  }
  bitrateBox_->setValue(0);
  quality_ = preset.quality;
  applying_ = false;
}

void ExportVideoDialog::ChoiceChanged() {
  if (applying_) return;
  // The preset's quality belongs to its codec.
  quality_.reset();
  presetBox_->setCurrentIndex(0);
}

void ExportVideoDialog::ChooseTargetFile() {
  FileDialogOptions o;
  o.title = tr(kCaption);
  o.filter = QString::fromUtf8(kVideoFilter);
  o.defaultSuffix = QStringLiteral("mp4");
  const QFileInfo current(FileName());
  o.directory = current.absolutePath();
  o.fileName = current.fileName();
  // Replacing a file is asked about once, when the export starts.
  o.overwritePrompt = false;
  if (const std::optional<QString> chosen = dialogs_.SaveFile(this, o)) fileEdit_->setText(*chosen);
}

void ExportVideoDialog::accept() {
  const QString name = FileName();
  const std::optional<MarkedText> problem =
      name.isEmpty()
          ? TermText("lrw::Messages",
                     QT_TRANSLATE_NOOP("lrw::Messages", "Please enter the name of the video file."))
          : ExportOptionsProblem(name.toStdString(), Options());
  if (problem) {
    prompts_.TellMarked(*problem, tr(kCaption).toStdString(), PromptIcon::Warning);
    fileEdit_->setFocus();
    return;
  }
  QDialog::accept();
}

}  // namespace lrw
